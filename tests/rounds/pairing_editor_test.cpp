#include "rounds/pairing_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/file_names.h"
#include "rounds_test_support.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;

using Session = movarel::testing::ScriptRun;

Session RunPairingScript(OpenTournament& t, const std::string& script) {
  return movarel::testing::RunOverOneItemMenu(t.state, {"&Torneo", "&Emparejamientos de una ronda", "mnuEmparej"},
                                              [&](ui::Ui& ui) { VEREMPAREJ(t.state, ui); }, script, &t.dialogs);
}

std::vector<std::string> Boards(OpenTournament& t, int round) {
  std::vector<std::string> boards;
  auto ronda = t.state.workspace.Use(t.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", true);
  if (!ronda.ok()) return boards;
  for ((*ronda)->GoTop(); !(*ronda)->Eof(); (*ronda)->Skip()) {
    boards.push_back(std::to_string(static_cast<int>((*ronda)->GetNumber("JUG_B"))) + "|" +
                     std::to_string(static_cast<int>((*ronda)->GetNumber("JUG_N"))));
  }
  t.state.workspace.Close("ronda");
  return boards;
}

void WriteBoards(OpenTournament& t, int round, const std::vector<std::pair<int, int>>& boards) {
  auto ronda = t.state.workspace.Use(t.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", false);
  ASSERT_TRUE(ronda.ok());
  (*ronda)->GoTop();
  for (const auto& [white, black] : boards) {
    EXPECT_TRUE((*ronda)->Put("JUG_B", static_cast<double>(white)).ok());
    EXPECT_TRUE((*ronda)->Put("JUG_N", static_cast<double>(black)).ok());
    (*ronda)->Skip();
  }
  EXPECT_TRUE((*ronda)->Commit().ok());
  t.state.workspace.Close("ronda");
  t.state.workspace.Select("cuadro");
}

// The buttons as the arbiter meets them: a Black-only board leaves its player's button
// usable; a White replaced by a click gets its button back; placed players' buttons are gone;
// a withdrawn player taken off a board gets his button back disabled; the selection stays on
// the last board after its Black is placed.
TEST(PairingEditor, ButtonsFollowThePlacedAndWithdrawnPlayers) {
  OpenTournament t(6, 2);
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 2.0).ok());
  EXPECT_TRUE(t.torneos().Commit().ok());
  t.cuadro().GoTo(5);
  EXPECT_TRUE(t.cuadro().Put("BAJA", true).ok());
  EXPECT_TRUE(t.cuadro().Commit().ok());
  WriteBoards(t, 2, {{0, 3}, {1, 2}, {5, 0}});
  Session s = RunPairingScript(t,
                               "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nform FrmEE\n"
                               "click btnJug003\n"                  // 3 on White of board 1
                               "set rdgBN 1\nclick btnJug006\n"     // 6 replaces 3, whose button returns
                               "click btnJug004\n"                  // Black of board 1; on to board 2
                               "click btnJug001\n"                  // already on board 2
                               "set brwPareo 3\nclick btnBorrar\n"  // 5 off board 3
                               "click btnJug005\n"                  // withdrawn: disabled
                               "click btnJug003\n"                  // Black of the last board
                               "click btnJug003\n"
                               "click btnOk\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript,
            "TITLE|Movarel v3.0-beta3\nFORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
            "FORM|FrmEE|Emparejamiento de la ronda 2\n"
            "CONTROL DISABLED|FrmEE|btnJug001\n"
            "CONTROL DISABLED|FrmEE|btnJug005\n"
            "CONTROL DISABLED|FrmEE|btnJug003\n"
            "EXCLAMATION|Hay errores en el emparejamiento|El jugador nº 3 no ha sido emparejado\n"
            "RELEASE|FrmEE\n");
  EXPECT_EQ(Boards(t, 2), (std::vector<std::string>{"6|4", "1|2", "0|3"}));
}

TEST(PairingEditor, RoundOneNotFilledWhenTheArbiterDeclines) {
  OpenTournament t(4, 2);
  WriteBoards(t, 1, {{2, 4}, {3, 1}});
  Session s = RunPairingScript(
      t, "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nno\nform FrmEE\nclick btnOk\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript,
            "TITLE|Movarel v3.0-beta3\nFORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
            "YESNO|¡Cuidado!|¿Emparejamiento automático?|no\n"
            "FORM|FrmEE|Emparejamiento de la ronda 1\nRELEASE|FrmEE\n");
  EXPECT_EQ(Boards(t, 1), (std::vector<std::string>{"2|4", "3|1"}));
}

TEST(PairingEditor, ButtonsAreNumberedWithThreeDigitsInColumnsOfTen) {
  EXPECT_EQ(PlayerButtonName(7), "btnJug007");
  EXPECT_EQ(PlayerButtonName(120), "btnJug120");
}

// The players left out, typed wrong, then cancelled, change nothing; typed right, the round
// is paired without them, and OK gives the absent his zero and the bye-taker his half point
// with no "not paired" breach.
TEST(PairingEditor, AutomaticPairingLeavesOutThePlayersTheArbiterNames) {
  OpenTournament t(7, 3);
  const std::vector<std::string> before = Boards(t, 1);
  const std::string open = "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nno\nform FrmEE\nclick btnEmpAuto\n";
  Session s = RunPairingScript(t, open +
                                      "form FrmDescansos\nset txtAusentes 3, x\nclick btnOk\n"
                                      "set txtAusentes 3\nset txtMedioPunto 7 3\nclick btnOk\n"
                                      "click btnCancel\nform FrmEE\nclick btnCancel\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  const std::string head =
      "TITLE|Movarel v3.0-beta3\nFORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
      "YESNO|¡Cuidado!|¿Emparejamiento automático?|no\n"
      "FORM|FrmEE|Emparejamiento de la ronda 1\nFORM|FrmDescansos|Emparejamiento automático de la ronda 1\n";
  EXPECT_EQ(s.transcript, head +
                              "STOP|Emparejamiento de la ronda 1|Ausentes: «x» no es un número de jugador\n"
                              "STOP|Emparejamiento de la ronda 1|El jugador nº 3 está en las dos listas\n"
                              "RELEASE|FrmDescansos\nRELEASE|FrmEE\n");
  EXPECT_EQ(Boards(t, 1), before);

  s = RunPairingScript(t, open + "form FrmDescansos\nset txtAusentes 3\nset txtMedioPunto 7\nclick btnOk\n"
                                 "form FrmEE\nclick btnOk\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript, head + "RELEASE|FrmDescansos\nRELEASE|FrmEE\n");
  // Five left: 1 and 2 against 4 and 5, the last (6) on the bye.
  EXPECT_EQ(Boards(t, 1), (std::vector<std::string>{"1|4", "5|2", "6|0", "0|0"}));
  std::vector<std::string> round;
  for (t.cuadro().GoTop(); !t.cuadro().Eof(); t.cuadro().Skip()) {
    round.push_back(std::to_string(static_cast<int>(t.cuadro().GetNumber("R1J"))) + t.cuadro().GetText("R1C") +
                    t.cuadro().GetText("R1P"));
  }
  EXPECT_EQ(round, (std::vector<std::string>{"4B ", "5N ", "0 0", "1N ", "2B ", "0D ", "0 \xBD"}));
}

}  // namespace
}  // namespace movarel::rounds
