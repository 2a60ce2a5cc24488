#include "rounds/result_entry.h"

#include <gtest/gtest.h>


#include "round_results_test_support.h"
#include "rounds/round_table_access.h"
#include "rounds_test_support.h"
#include "ui/form.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::rounds {
namespace {

using testing::Board;
using testing::Hex;
using testing::OpenTournament;
using testing::ReadFieldBytes;

// Scores and forfeit marks as worked out by hand from the board codes: position 2 for White,
// 4 for Black, both draws spelled out give 0xBD, any "i" marks both players.
struct CodeCase {
  const char* name;
  std::string rdo;
  std::string white;  // R2P + R2I of White, as bytes
  std::string black;  // R2P + R2I of Black
};

void PrintTo(const CodeCase& c, std::ostream* out) { *out << c.name; }

class ResultCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ResultCodeTest, ConfirmingWritesBothPlayersScoreAndForfeitMark) {
  const CodeCase& c = GetParam();
  OpenTournament t(10, 5);
  testing::MarkScores(t, 2, "X", "X");
  // Boards 2 to 4 keep JUG_B = 0 and are skipped; board 5 is the fixture's bye of player 1.
  testing::WriteBoards(t, 2, {{3, 7, c.rdo}});
  testing::PairAsConfirmed(t, 2);
  ASSERT_NE(OpenRoundTable(t.state, 2, "T"), nullptr);
  ASSERT_TRUE(VALIDARRDOS(t.state, 2).ok());
  CloseRoundTable(t.state);
  t.state.workspace.CloseAll();

  const std::vector<std::string> rows = ReadFieldBytes(t.player_table(), "NUM R2P R2I");
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[2], "3|" + Hex(c.white.substr(0, 1)) + "|" + Hex(c.white.substr(1, 1)));
  EXPECT_EQ(rows[6], "7|" + Hex(c.black.substr(0, 1)) + "|" + Hex(c.black.substr(1, 1)));
  EXPECT_EQ(rows[1], "2|58|58");  // on no board: untouched
  EXPECT_EQ(ReadFieldBytes(t.Path("torneos.dbf"), "N_R_ACTUAL"), std::vector<std::string>{"2"});
  EXPECT_TRUE(t.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ResultCodeTest,
    ::testing::Values(
        CodeCase{"WhiteWins", " 1-0 ", "1 ", "0 "}, CodeCase{"Draw", " \xBD-\xBD ", "\xBD ", "\xBD "},
        CodeCase{"BlackWins", " 0-1 ", "0 ", "1 "}, CodeCase{"WhiteWinsByForfeit", " 1-0i", "1i", "0i"},
        CodeCase{"BlackWinsByForfeit", "i0-1 ", "0i", "1i"},
        CodeCase{"BothLoseByForfeit", "i0-0i", "0i", "0i"},
        CodeCase{"HalfEachByForfeit", "i\xBD-\xBDi", "\xBDi", "\xBDi"},
        CodeCase{"PointEach", " 1-1 ", "1 ", "1 "}, CodeCase{"NoResultClearsBoth", "     ", "  ", "  "},
        CodeCase{"DosDrawSpelledOut", " 1/2 ", "\xBD ", "\xBD "},
        CodeCase{"DosHalfByteCopiedAsItStands", " \xAB-\xAB ", "\xAB ", "\xAB "},
        CodeCase{"UnknownCodeScoredByItsSecondAndFourthBytes", "?x-y ", "x ", "y "}),
    [](const ::testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

struct ByeCase {
  const char* name;
  std::string rdo;
  std::string points;
};

void PrintTo(const ByeCase& c, std::ostream* out) { *out << c.name; }

class ByeResultTest : public ::testing::TestWithParam<ByeCase> {};

TEST_P(ByeResultTest, ByeScoresFromItsCodeAndKeepsItsForfeitMark) {
  OpenTournament t(9, 3);
  testing::MarkScores(t, 1, "X", "i");
  testing::WriteBoards(t, 1, {{9, 0, GetParam().rdo}});
  testing::PairAsConfirmed(t, 1);
  ASSERT_NE(OpenRoundTable(t.state, 1, "T"), nullptr);
  ASSERT_TRUE(VALIDARRDOS(t.state, 1).ok());
  t.state.workspace.CloseAll();
  const std::vector<std::string> rows = ReadFieldBytes(t.player_table(), "R1P R1I");
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[8], Hex(GetParam().points) + "|69");
}

INSTANTIATE_TEST_SUITE_P(Byes, ByeResultTest,
                         ::testing::Values(ByeCase{"NoResultGivesThePoint", "     ", "1"},
                                           ByeCase{"LossCodeGivesZero", " 0-1 ", "0"},
                                           ByeCase{"DrawGivesHalf", " \xBD-\xBD ", "\xBD"},
                                           ByeCase{"DosDrawGivesHalf", " 1/2 ", "\xBD"}),
                         [](const ::testing::TestParamInfo<ByeCase>& info) {
                           return std::string(info.param.name);
                         });

// Boards whose players the player table does not pair with each other: never confirmed, a
// number past the table's end, a pairing changed after confirmation, a bye never given.
TEST(ResultConfirmation, BoardsNotPairedInThePlayerTableRefuseEveryResult) {
  OpenTournament t(10, 5);
  testing::WriteBoards(t, 3, {{3, 12, " 1-0 "}, {14, 5, " 0-1 "}, {7, 8, " 1-0 "}, {9, 2, " 0-1 "}});
  testing::PairAsConfirmed(t, 3);
  testing::WriteBoards(
      t, 3, {{3, 12, " 1-0 "}, {14, 5, " 0-1 "}, {7, 2, " 1-0 "}, {9, 8, " 0-1 "}, {6, 0, "     "}});
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 2.0).ok());
  EXPECT_TRUE(t.torneos().Commit().ok());
  const std::string players = testing::ReadBytes(t.player_table());
  const std::string register_bytes = testing::ReadBytes(t.Path("torneos.dbf"));
  ASSERT_NE(OpenRoundTable(t.state, 3, "T"), nullptr);
  ASSERT_TRUE(VALIDARRDOS(t.state, 3).ok());
  t.state.workspace.CloseAll();
  EXPECT_EQ(testing::ReadBytes(t.player_table()), players);
  EXPECT_EQ(testing::ReadBytes(t.Path("torneos.dbf")), register_bytes);
  EXPECT_EQ(t.dialogs.shown,
            std::vector<std::string>{
                "STOP|Resultados de la ronda 3|El emparejamiento de la ronda 3 no ha sido "
                "confirmado: en el cuadro de jugadores no se enfrentan\\nmesa 1 (3-12)\\n"
                "mesa 2 (14-5)\\nmesa 3 (7-2)\\nmesa 4 (9-8)\\nmesa 5 (6 descansa)\\n"
                "Confirme el emparejamiento y despu\xE9s los resultados, que quedan anotados en "
                "la ronda\\nNo se ha cambiado el cuadro de jugadores"});
}

TEST(ResultConfirmation, CurrentRoundFollowsTheConfirmedRoundEvenBackwards) {
  OpenTournament t(4, 5);
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 4.0).ok());
  testing::WriteBoards(t, 2, {{1, 2, " 1-0 "}, {0, 0, "     "}});
  testing::PairAsConfirmed(t, 2);
  ASSERT_NE(OpenRoundTable(t.state, 2, "T"), nullptr);
  ASSERT_TRUE(VALIDARRDOS(t.state, 2).ok());
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 2);
}

TEST(ResultConfirmation, RoundWithoutWhitePlayersLeavesCurrentRoundAndScores) {
  OpenTournament t(4, 5);
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 4.0).ok());
  testing::MarkScores(t, 2, "X", "X");
  testing::WriteBoards(t, 2, {{0, 3, " 1-0 "}, {0, 0, " 0-1 "}});
  ASSERT_NE(OpenRoundTable(t.state, 2, "T"), nullptr);
  ASSERT_TRUE(VALIDARRDOS(t.state, 2).ok());
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 4);
  t.state.workspace.CloseAll();
  for (const std::string& row : ReadFieldBytes(t.player_table(), "R2P R2I")) EXPECT_EQ(row, "58|58");
}

TEST(RoundTableAccess, MissingRoundTableIsNamedAndNothingOpens) {
  OpenTournament t(4, 3);
  std::filesystem::remove(t.Path("r2AB.dbf"));
  EXPECT_EQ(OpenRoundTable(t.state, 2, "T"), nullptr);
  EXPECT_EQ(t.state.workspace.Find("ronda"), nullptr);
  EXPECT_EQ(t.state.workspace.Selected(), &t.cuadro());
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0],
            "STOP|T|El fichero de la ronda 2 (r2AB.dbf) no existe\\nNo se ha cambiado nada");
}

TEST(RoundTableAccess, RoundTableHeldByAnotherProgramIsNamedAndNothingOpens) {
  OpenTournament t(4, 3);
  storage::Workspace other;  // a second open description conflicts like the DOS program would
  ASSERT_TRUE(other.Use(t.Path("r3AB.dbf"), "held", false).ok());
  EXPECT_EQ(OpenRoundTable(t.state, 3, "T"), nullptr);
  EXPECT_EQ(t.state.workspace.Find("ronda"), nullptr);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0],
            "STOP|T|El fichero de la ronda 3 (r3AB.dbf) est\xE1 siendo utilizado por otro programa\\n"
            "No se ha cambiado nada");
}

TEST(RoundTableAccess, RoundsOutsideTheTournamentAreRefusedByName) {
  OpenTournament t(4, 3);
  EXPECT_EQ(OpenRoundTable(t.state, 0, "T"), nullptr);
  EXPECT_EQ(OpenRoundTable(t.state, 4, "T"), nullptr);
  EXPECT_EQ(t.dialogs.shown,
            (std::vector<std::string>{"STOP|T|El torneo no tiene la ronda 0\\nNo se ha cambiado nada",
                                      "STOP|T|El torneo no tiene la ronda 4\\nNo se ha cambiado nada"}));
}

// The result editor driven by a script inside this process, from a one-item menu.
using Session = movarel::testing::ScriptRun;

Session RunResultsScript(OpenTournament& t, const std::string& script) {
  return movarel::testing::RunOverOneItemMenu(t.state, {"&Torneo", "&Resultados de una ronda", "mnuRdos"},
                                              [&](ui::Ui& ui) { VERRDOS(t.state, ui); }, script, &t.dialogs);
}

TEST(ResultEditor, OneClickPerBoardWalksTheBoardsAndStaysOnTheLast) {
  OpenTournament t(6, 3);
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 2.0).ok());
  testing::WriteBoards(t, 2, {{1, 4, "     "}, {5, 2, "     "}, {3, 6, "     "}});
  testing::PairAsConfirmed(t, 2);
  Session s = RunResultsScript(t,
                               "menu mnuRdos\n"
                               "form FrmElegRda\n"
                               "click btnOk\n"
                               "form FrmER\n"
                               "click btnRdo04\n"
                               "click btnRdo02\n"
                               "click btnRdo09\n"
                               "click btnRdo05\n"  // the last board again: the selection stayed
                               "click btnOk\n"
                               "quit\n");
  EXPECT_EQ(s.status, 0) << s.transcript;
  EXPECT_NE(s.transcript.find("FORM|FrmER|Resultados de la ronda 2\n"), std::string::npos) << s.transcript;
  t.state.workspace.CloseAll();
  EXPECT_EQ(ReadFieldBytes(t.Path("r2AB.dbf"), "RDO"),
            (std::vector<std::string>{Hex(" 1-0i"), Hex(" \xBD-\xBD "), Hex("i0-1 ")}));
  EXPECT_EQ(ReadFieldBytes(t.player_table(), "R2P R2I"),
            (std::vector<std::string>{"31|69", "bd|20", "30|69", "30|69", "bd|20", "31|69"}));
}

TEST(ResultEditor, ButtonsCarryTheCodesInTheirFixedOrder) {
  OpenTournament t(2, 1);
  Session s = RunResultsScript(t,
                               "menu mnuRdos\n"
                               "form FrmElegRda\n"
                               "click btnOk\n"
                               "form FrmER\n"
                               "click btnRdo07\n"
                               "click btnOk\n"
                               "quit\n");
  EXPECT_EQ(s.status, 0) << s.transcript;
  t.state.workspace.CloseAll();
  EXPECT_EQ(ReadFieldBytes(t.Path("r1AB.dbf"), "RDO"), std::vector<std::string>{Hex("i\xBD-\xBDi")});
}

}  // namespace
}  // namespace movarel::rounds
