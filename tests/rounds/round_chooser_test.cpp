#include "rounds/round_chooser.h"

#include <gtest/gtest.h>

#include <optional>

#include "rounds_test_support.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;

struct ChooserRun {
  int status = -1;
  std::string transcript;
  std::optional<RoundChoice> choice;
  bool form_seen_by_ok = false;
  // What "btnOk" saw while the form was still shown.
  bool file_box_visible = false;
  int combo_row = -1;
  std::vector<std::string> items;
};

void SetRegister(OpenTournament& t, int rounds, int current) {
  EXPECT_TRUE(t.torneos().Put("N_RONDAS", static_cast<double>(rounds)).ok());
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", static_cast<double>(current)).ok());
  EXPECT_TRUE(t.torneos().Commit().ok());
}

// The chooser from a one-item menu, driven by a script inside this process.
ChooserRun RunChooser(OpenTournament& t, RoundChooserVariant variant, const std::string& form_lines) {
  ChooserRun run;
  const auto script = movarel::testing::RunOverOneItemMenu(
      t.state, {"&Torneo", "&Elegir", "mnuElegir"},
      [&](ui::Ui& ui) {
        run.choice = ChooseRound(t.state, ui, variant, [&](const RoundChoice&) {
          ui::Form* shown = ui.FindForm("FrmElegRda");
          run.form_seen_by_ok = shown != nullptr;
          if (shown == nullptr) return;
          run.file_box_visible = shown->Find("txtFichero")->visible();
          run.combo_row = shown->Find("cbxRdas")->row();
          run.items = shown->Find("cbxRdas")->items();
        });
      },
      "menu mnuElegir\n" + form_lines + "quit\n", &t.dialogs);
  run.status = script.status;
  run.transcript = script.transcript;
  return run;
}

constexpr char kShownAndReleased[] = "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n";

struct ChooserCase {
  const char* name;
  RoundChooserVariant variant;
  int rounds;
  int current;
  const char* lines;  // after "form FrmElegRda", before "click btnOk"
  int round;
  const char* file;
  bool with_results;
  int nrondasel;          // NRONDASEL afterwards (starts at 77)
  const char* cfichtrab;  // CFICHTRAB afterwards (starts as "previo")
};

class ChooserVariants : public ::testing::TestWithParam<ChooserCase> {};

TEST_P(ChooserVariants, YieldsTheRoundAndFileShownWhenOkIsClicked) {
  const ChooserCase& c = GetParam();
  OpenTournament t(6, 3);
  SetRegister(t, c.rounds, c.current);
  t.state.NRONDASEL = 77;
  t.state.CFICHTRAB = "previo";
  ChooserRun run = RunChooser(t, c.variant, std::string("form FrmElegRda\n") + c.lines + "click btnOk\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, std::string("TITLE|Movarel v3.0-beta3\n") + kShownAndReleased);
  ASSERT_TRUE(run.choice.has_value());
  EXPECT_EQ(run.choice->round, c.round);
  EXPECT_EQ(run.choice->file, c.file);
  EXPECT_EQ(run.choice->with_results, c.with_results);
  EXPECT_EQ(t.state.NRONDASEL, c.nrondasel);
  EXPECT_EQ(t.state.CFICHTRAB, c.cfichtrab);
}

using V = RoundChooserVariant;
INSTANTIATE_TEST_SUITE_P(
    RoundChooser, ChooserVariants,
    ::testing::Values(
        ChooserCase{"NewTournamentPreselectsRoundOne", V::kRoundOnly, 5, 0, "", 1, "", false, 1, "previo"},
        ChooserCase{"CurrentRoundPreselected", V::kRoundOnly, 5, 3, "", 3, "", false, 3, "previo"},
        ChooserCase{"PickedRound", V::kRoundOnly, 5, 3, "set cbxRdas 5\n", 5, "", false, 5, "previo"},
        ChooserCase{"CurrentRoundPastTheLastGivesTheLast", V::kRoundOnly, 5, 9, "", 5, "", false, 5,
                    "previo"},
        ChooserCase{"PgnNameFollowsRoundOneOfANewTournament", V::kPgnFile, 5, 0, "", 1, "ZdAB-r1.pgn", false,
                    1, "ZdAB-r1.pgn"},
        ChooserCase{"PgnNameRewrittenForTwoDigitRound", V::kPgnFile, 12, 2, "set cbxRdas 11\n", 11,
                    "ZdAB-r11.pgn", false, 11, "ZdAB-r11.pgn"},
        ChooserCase{"PgnNameTypedAfterPickingIsKept", V::kPgnFile, 5, 2,
                    "set cbxRdas 3\nset txtFichero mio.pgn\n", 3, "mio.pgn", false, 3, "mio.pgn"},
        ChooserCase{"PairingListKeepsItsNameAndSetsNoGlobals", V::kPairingList, 5, 1, "set cbxRdas 2\n", 2,
                    "zendral", true, 77, "previo"},
        ChooserCase{"PairingListWithoutResults", V::kPairingList, 5, 4, "set chkRdos false\n", 4, "zendral",
                    false, 77, "previo"}),
    [](const ::testing::TestParamInfo<ChooserCase>& info) { return info.param.name; });

TEST(RoundChooser, RoundOnlyVariantHidesTheFileBoxAndMovesTheComboDown) {
  OpenTournament t(6, 3);
  SetRegister(t, 4, 1);
  ChooserRun run = RunChooser(t, V::kRoundOnly, "form FrmElegRda\nset txtFichero otro.pgn\nclick btnOk\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, std::string("TITLE|Movarel v3.0-beta3\nFORM|FrmElegRda|Elegir ronda\n"
                                        "CONTROL DISABLED|FrmElegRda|txtFichero\nRELEASE|FrmElegRda\n"));
  ASSERT_TRUE(run.form_seen_by_ok);
  EXPECT_FALSE(run.file_box_visible);
  EXPECT_EQ(run.combo_row, 40);
  EXPECT_EQ(run.items, (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST(RoundChooser, FileVariantsKeepTheFileBoxWithTheComboOnTop) {
  for (V variant : {V::kPgnFile, V::kPairingList}) {
    OpenTournament t(6, 3);
    SetRegister(t, 2, 1);
    ChooserRun run = RunChooser(t, variant, "form FrmElegRda\nclick btnOk\n");
    ASSERT_TRUE(run.form_seen_by_ok) << run.transcript;
    EXPECT_TRUE(run.file_box_visible);
    EXPECT_EQ(run.combo_row, 10);
  }
}

TEST(RoundChooser, RegisterClaimingMoreThanFifteenRoundsOffersFifteen) {
  OpenTournament t(6, 3);
  SetRegister(t, 20, 18);
  ChooserRun run = RunChooser(t, V::kRoundOnly, "form FrmElegRda\nclick btnOk\n");
  ASSERT_TRUE(run.choice.has_value()) << run.transcript;
  EXPECT_EQ(run.items.size(), 15u);
  EXPECT_EQ(run.choice->round, 15);
}

TEST(RoundChooser, TournamentWithoutRoundsGetsAStopBoxAndNoChooser) {
  OpenTournament t(6, 3);
  SetRegister(t, 0, 0);
  t.state.NRONDASEL = 77;
  ChooserRun run = RunChooser(t, V::kRoundOnly, "");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, "TITLE|Movarel v3.0-beta3\nSTOP||El torneo no tiene rondas\n");
  EXPECT_FALSE(run.choice.has_value());
  EXPECT_EQ(t.state.NRONDASEL, 77);
}

TEST(RoundChooser, CloseBoxDoesNotCloseIt) {
  OpenTournament t(6, 3);
  SetRegister(t, 3, 2);
  ChooserRun run = RunChooser(t, V::kRoundOnly, "form FrmElegRda\nclose\nset cbxRdas 1\nclick btnOk\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript,
            "TITLE|Movarel v3.0-beta3\nFORM|FrmElegRda|Elegir ronda\nSTOP||Operaci\xC3\xB3n no permitida\n"
            "RELEASE|FrmElegRda\n");
  EXPECT_EQ(run.choice->round, 1);
}

}  // namespace
}  // namespace movarel::rounds
