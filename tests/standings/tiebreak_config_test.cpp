// The tie-break configuration: the list moves, how the table's ORDEN values fill the two
// lists, what saving writes (read back with python3-dbf), and the dialog "FrmCfgDs" driven
// by a script inside this process.

#include "standings/tiebreak_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "../register/test_support.h"
#include "standings/tie_break_list.h"
#include "standings/zdclas.h"
#include "tournament_folder.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::standings {
namespace {

using testing::TournamentFolder;
using List = std::vector<std::string>;

enum class Move { kUp, kDown, kAdd, kRemove };

struct MoveCase {
  const char* name;
  Move move;
  int selected;
  List used_after;
  List unused_after;
  int result;  // the position to select (up/down) or 1 when the item moved (add/remove)
};

class TieBreakMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(TieBreakMoves, ChangeTheListsOnlyWhereTheMoveApplies) {
  const MoveCase& c = GetParam();
  TieBreakChoice choice{{"BUC_R", "BUC_T", "SONEN"}, {"ELO_M", "N_VIC"}};
  int result = 0;
  switch (c.move) {
    case Move::kUp: result = DSARRIBA(choice, c.selected); break;
    case Move::kDown: result = DSABAJO(choice, c.selected); break;
    case Move::kAdd: result = DSANADIR(choice, c.selected) ? 1 : 0; break;
    case Move::kRemove: result = DSQUITAR(choice, c.selected) ? 1 : 0; break;
  }
  EXPECT_EQ(choice.used, c.used_after);
  EXPECT_EQ(choice.unused, c.unused_after);
  EXPECT_EQ(result, c.result);
}

const List kUsed = {"BUC_R", "BUC_T", "SONEN"};
const List kUnused = {"ELO_M", "N_VIC"};

INSTANTIATE_TEST_SUITE_P(
    AllMoves, TieBreakMoves,
    ::testing::Values(
        MoveCase{"UpOnTheSecondSwapsWithTheFirst", Move::kUp, 2, {"BUC_T", "BUC_R", "SONEN"}, kUnused, 1},
        MoveCase{"UpOnTheFirstChangesNothing", Move::kUp, 1, kUsed, kUnused, 1},
        MoveCase{"UpWithNothingSelectedChangesNothing", Move::kUp, 0, kUsed, kUnused, 0},
        MoveCase{"DownOnTheSecondSwapsWithTheThird", Move::kDown, 2, {"BUC_R", "SONEN", "BUC_T"}, kUnused, 3},
        MoveCase{"DownOnTheLastChangesNothing", Move::kDown, 3, kUsed, kUnused, 3},
        MoveCase{"DownWithNothingSelectedChangesNothing", Move::kDown, 0, kUsed, kUnused, 0},
        MoveCase{"AddAppendsTheUnusedItemToTheUsedList", Move::kAdd, 2, {"BUC_R", "BUC_T", "SONEN", "N_VIC"},
                 {"ELO_M"}, 1},
        MoveCase{"AddWithNothingSelectedChangesNothing", Move::kAdd, 0, kUsed, kUnused, 0},
        MoveCase{"RemoveAppendsTheUsedItemToTheUnusedList", Move::kRemove, 1, {"BUC_T", "SONEN"},
                 {"ELO_M", "N_VIC", "BUC_R"}, 1},
        MoveCase{"RemovePastTheEndChangesNothing", Move::kRemove, 4, kUsed, kUnused, 0}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(TieBreakMoves, ATwentyFirstSystemIsNotTakenIntoTheList) {
  TieBreakChoice choice;
  for (int i = 0; i < 20; ++i) choice.used.push_back("S" + std::to_string(i));
  choice.unused = {"ACUM"};
  EXPECT_FALSE(RoomForTieBreak(choice, 1));
  EXPECT_FALSE(DSANADIR(choice, 1));
  EXPECT_EQ(choice.used.size(), 20u);
  EXPECT_EQ(choice.unused, List{"ACUM"});
}

// Seven-letter names leave the order key room for seventeen systems, not twenty.
TEST(TieBreakMoves, ASystemTheOrderKeyHasNoRoomForIsNotTaken) {
  TieBreakChoice choice;
  for (int i = 0; i < 17; ++i) choice.used.push_back(i % 2 == 0 ? "ELOFIDE" : "VAR_ELO");
  choice.unused = {"ELOFEDA", "ACUM"};
  EXPECT_FALSE(RoomForTieBreak(choice, 1));
  EXPECT_FALSE(DSANADIR(choice, 1));
  EXPECT_EQ(choice.used.size(), 17u);
  choice.used.pop_back();
  EXPECT_TRUE(DSANADIR(choice, 1));
}

// ORDEN values as the DOS program, a template or this dialog leave them.
const std::vector<std::pair<std::string, std::string>> kMixedTable = {
    {"99", "ELO_M"}, {"02", "SONEN"}, {"  ", "N_VIC"}, {"01", "BUC_T"}, {"99", "ACUM"}, {"  ", "BUC_B"}};

TEST(TieBreakTable, UsedComeInOrdenOrderUnusedBlanksBeforeNinetyNinesEachInRecordOrder) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  auto opened = OpenTieBreakTable(t.state, t.Path(""), registry::TemplatesFolder(t.state.CCARPINI), false);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  const TieBreakChoice choice = ReadTieBreakChoice(**opened);
  EXPECT_EQ(choice.used, (List{"BUC_T", "SONEN"}));
  EXPECT_EQ(choice.unused, (List{"N_VIC", "BUC_B", "ELO_M", "ACUM"}));
}

TEST(TieBreakTable, SavingNumbersTheUsedListAndBlanksEveryOtherSystem) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  auto opened = OpenTieBreakTable(t.state, t.Path(""), registry::TemplatesFolder(t.state.CCARPINI), false);
  ASSERT_TRUE(opened.ok());
  ASSERT_TRUE(SaveTieBreakChoice(**opened, {"ACUM", "BUC_T", "ELO_M"}, t.Path("dsAB.ntx")).ok());
  t.state.workspace.Close("desemps");

  const auto tables = registry::testing::DumpTables({t.Path("dsAB.dbf")});
  ASSERT_EQ(tables.count("dsAB.dbf"), 1u);
  std::vector<std::string> records;
  for (const auto& r : tables.at("dsAB.dbf").records) records.push_back(r.at(0) + "|" + r.at(1));
  // Two blanks for an unused system: python3-dbf trims them away.
  EXPECT_EQ(records, (List{"03|ELO_M", "|SONEN", "|N_VIC", "02|BUC_T", "01|ACUM", "|BUC_B"}));
  std::ifstream in(t.Path("dsAB.dbf"), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find(std::string("  SONEN")), std::string::npos);
}

TEST(TieBreakTable, SavingAnEmptyListLeavesTheStandingsToPointsAndNumbers) {
  TournamentFolder t({{}, {}, {}});
  t.Game(1, 3, 1, "1", "0");  // 3 wins; 2 has no game this round
  auto opened = OpenTieBreakTable(t.state, t.Path(""), registry::TemplatesFolder(t.state.CCARPINI), false);
  ASSERT_TRUE(opened.ok());
  ASSERT_TRUE(SaveTieBreakChoice(**opened, {}, t.Path("dsAB.ntx")).ok());
  t.state.workspace.Close("desemps");
  t.state.NRONDASEL = 1;
  ASSERT_TRUE(ZDCLAS(t.state).ok());
  EXPECT_EQ(t.state.NDS, 1);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{3, 1, 2}));
}

using Session = movarel::testing::ScriptRun;

// The dialog from a one-item menu, driven by a script inside this process.
Session RunConfigScript(TournamentFolder& t, const std::string& script) {
  return movarel::testing::RunOverOneItemMenu(t.state, {"&Configurar", "&Desempates de este torneo", "mnuCfgDs"},
                                              [&](ui::Ui& ui) { CFGDESEMPATES(t.state, ui); }, script);
}

std::vector<std::string> Orden(TournamentFolder& t) {
  std::vector<std::string> values;
  const auto tables = registry::testing::DumpTables({t.Path("dsAB.dbf")});
  if (tables.count("dsAB.dbf") == 0) return values;
  for (const auto& r : tables.at("dsAB.dbf").records) {
    if (!r.at(0).empty() && r.at(0) != "99") values.push_back(r.at(0) + "|" + r.at(1));
  }
  std::sort(values.begin(), values.end());
  return values;
}

constexpr char kFormShown[] = "TITLE|Movarel v3.0-beta3\nFORM|FrmCfgDs|Configuración de desempates\nRELEASE|FrmCfgDs\n";

TEST(TieBreakDialog, FirstOpeningCopiesTheTemplateAndSaveWritesTheMovesMade) {
  TournamentFolder t({});
  ASSERT_FALSE(std::filesystem::exists(t.Path("dsAB.dbf")));
  // Template: BUC_R 01, BUC_T 02, SONEN 03, the 13 others "99" in the order ACUM, ACU_1 ...
  // Move SONEN to the top, drop BUC_T, add ELO_M (unused item 12: ACUM, ACU_1..ACU_9, BUC_B
  // come before it).
  const Session s = RunConfigScript(t,
                                    "menu mnuCfgDs\nform FrmCfgDs\n"
                                    "set lbxDs 3\nclick btnSubir\nclick btnSubir\nclick btnSubir\n"
                                    "set lbxDs 3\nclick btnQuitarDs\n"
                                    "set lbxDsNo 12\nclick btnAnadirDs\n"
                                    "set lbxDs 3\nclick btnBajar\n"
                                    "click btnDsGrabar\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript, kFormShown);
  EXPECT_EQ(Orden(t), (List{"01|SONEN", "02|BUC_R", "03|ELO_M"}));
  EXPECT_TRUE(std::filesystem::exists(t.Path("dsAB.ntx")));
  EXPECT_EQ(t.state.workspace.Find("desemps"), nullptr);

  // The next standings use the new order.
  t.state.NRONDASEL = 0;
  ASSERT_TRUE(ZDCLAS(t.state).ok());
  EXPECT_EQ(t.state.ADESEMPATES[0], "SONEN");
  EXPECT_EQ(t.state.ADESEMPATES[1], "BUC_R");
  EXPECT_EQ(t.state.ADESEMPATES[2], "ELO_M");
}

TEST(TieBreakDialog, LeavingWithSalirDiscardsEveryMove) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  const Session s = RunConfigScript(t,
                                    "menu mnuCfgDs\nform FrmCfgDs\nset lbxDs 1\nclick btnQuitarDs\n"
                                    "set lbxDsNo 1\nclick btnAnadirDs\nclick btnDsOk\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript, kFormShown);
  EXPECT_EQ(Orden(t), (List{"01|BUC_T", "02|SONEN"}));
}

TEST(TieBreakDialog, AfterSavingEveryUnusedSystemIsBlankAndListedInRecordOrder) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  // BUC_T out. Saving blanks every system not in use, the former "99" ones too, so the next
  // opening lists them all in record order.
  Session s = RunConfigScript(t, "menu mnuCfgDs\nform FrmCfgDs\nset lbxDs 1\nclick btnQuitarDs\nclick btnDsGrabar\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(Orden(t), (List{"01|SONEN"}));
  auto opened = OpenTieBreakTable(t.state, t.Path(""), registry::TemplatesFolder(t.state.CCARPINI), true);
  ASSERT_TRUE(opened.ok());
  EXPECT_EQ(ReadTieBreakChoice(**opened).unused, (List{"ELO_M", "N_VIC", "BUC_T", "ACUM", "BUC_B"}));
  t.state.workspace.Close("desemps");
}

TEST(TieBreakDialog, UpOnTheFirstAndDownOnTheLastChangeNothing) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  const Session s = RunConfigScript(
      t, "menu mnuCfgDs\nform FrmCfgDs\nclick btnSubir\nset lbxDs 2\nclick btnBajar\nclick btnDsGrabar\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(Orden(t), (List{"01|BUC_T", "02|SONEN"}));
}

TEST(TieBreakDialog, ATableHeldByAnotherProgramIsNamedAndNoDialogIsShown) {
  TournamentFolder t({});
  t.WriteTieBreaks(kMixedTable);
  storage::Workspace other;
  ASSERT_TRUE(other.Use(t.Path("dsAB.dbf"), "retenido", /*shared=*/false).ok());
  const Session s = RunConfigScript(t, "menu mnuCfgDs\nquit\n");
  ASSERT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript,
            "TITLE|Movarel v3.0-beta3\nSTOP||No se pueden configurar los desempates\\nEl fichero dsAB.dbf está siendo "
            "utilizado por otro programa\n");
}

}  // namespace
}  // namespace movarel::standings
