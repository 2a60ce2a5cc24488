// The tie-break list: which systems are in use, what lands in ADESEMPATES, and tie-break
// tables that hold more than the list can take.

#include "standings/tie_break_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/table_layouts.h"
#include "standings/zdclas.h"
#include "tournament_folder.h"

namespace movarel::standings {
namespace {

using testing::TournamentFolder;

// 22 systems numbered "01" to "22", each field offered by the template once or twice.
std::vector<std::pair<std::string, std::string>> TwentyTwoSystemsInUse() {
  std::vector<std::pair<std::string, std::string>> records;
  for (int i = 1; i <= 22; ++i) {
    char orden[3];
    std::snprintf(orden, sizeof orden, "%02d", i);
    records.push_back({orden, std::string(registry::kTieBreakFields[static_cast<size_t>((i - 1) % 16)])});
  }
  return records;
}

TEST(TieBreakList, MoreThanTwentySystemsFillTheListAndStopThere) {
  TournamentFolder t({{1500, 10}, {1500, 10}});
  t.WriteTieBreaks(TwentyTwoSystemsInUse());
  t.Game(1, 1, 2, "1", "0");
  t.state.NRONDASEL = 1;
  ASSERT_TRUE(ZDCLAS(t.state).ok());
  for (size_t slot = 0; slot < 20; ++slot) {
    EXPECT_EQ(t.state.ADESEMPATES[slot], registry::kTieBreakFields[slot % 16]) << slot;
  }
  EXPECT_EQ(t.state.NDS, 21);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{1, 2}));
}

// Twenty systems in use and a "99" record after them: its name has no slot 21 to go to.
TEST(TieBreakList, UnusedSystemAfterTwentyInUseIsNotWrittenPastTheList) {
  TournamentFolder t({{1500, 10}, {1500, 10}});
  auto records = TwentyTwoSystemsInUse();
  records.resize(20);
  records.push_back({"99", "N_VIC"});
  t.WriteTieBreaks(records);
  t.state.NRONDASEL = 0;
  ASSERT_TRUE(ZDCLAS(t.state).ok());
  EXPECT_EQ(t.state.ADESEMPATES[19], registry::kTieBreakFields[3]);
  EXPECT_EQ(t.state.NDS, 21);
}

// Two in use; slot 3 takes the name of the last unused record read after them (blank-marked
// before "99"-marked in ORDEN order), and slots further on keep what was there.
TEST(TieBreakList, SlotAfterTheSystemsInUseHoldsTheLastUnusedOneRead) {
  TournamentFolder t({{1500, 10}});
  t.WriteTieBreaks({{"99", "ELO_M"}, {"02", "SONEN"}, {"  ", "ACUM"}, {"01", "BUC_T"}});
  t.state.ADESEMPATES.fill("ANTES");
  t.state.NRONDASEL = 0;
  ASSERT_TRUE(ZDCLAS(t.state).ok());
  EXPECT_EQ(t.state.ADESEMPATES[0], "BUC_T");
  EXPECT_EQ(t.state.ADESEMPATES[1], "SONEN");
  EXPECT_EQ(t.state.ADESEMPATES[2], "ELO_M");
  EXPECT_EQ(t.state.ADESEMPATES[3], "ANTES");
  EXPECT_EQ(t.state.NDS, 3);
}

// `count` systems in use, numbered from "01", with the longest numeric names of the player
// table.
std::vector<std::pair<std::string, std::string>> LongNames(int count) {
  const char* names[] = {"ELOFIDE", "ELOFEDA", "VAR_ELO"};
  std::vector<std::pair<std::string, std::string>> records;
  for (int i = 1; i <= count; ++i) records.push_back({(i < 10 ? "0" : "") + std::to_string(i), names[i % 3]});
  return records;
}

std::vector<std::string> SystemsOf(const std::vector<std::pair<std::string, std::string>>& records) {
  std::vector<std::string> systems;
  for (const auto& record : records) systems.push_back(record.second);
  return systems;
}

// PROCDS alone, over the player table's layout.
struct ProcdsCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> records;  // (ORDEN, SISTEMA) in ORDEN order
  std::vector<std::string> systems;                          // those in the key
  int nds;
};

class Procds : public ::testing::TestWithParam<ProcdsCase> {};

TEST_P(Procds, BuildsTheKeyFromTheSystemsInUse) {
  const ProcdsCase& c = GetParam();
  const storage::RecordLayout layout(registry::CuadroFields());
  TieBreakWalk walk;
  std::array<std::string, kTieBreakSlots> slots;
  for (const auto& [orden, sistema] : c.records) PROCDS(orden, sistema, layout, walk, slots);
  EXPECT_EQ(walk.systems, c.systems);
  EXPECT_EQ(walk.NDS, c.nds);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Procds,
    ::testing::Values(
        ProcdsCase{"None", {}, {}, 1},
        ProcdsCase{"TwoInOrder", {{"01", "BUC_T     "}, {"02", "SONEN"}}, {"BUC_T", "SONEN"}, 3},
        ProcdsCase{"GapStopsTheSequence", {{"01", "BUC_T"}, {"03", "SONEN"}}, {"BUC_T"}, 2},
        ProcdsCase{"NinetyNineIsNeverUsed", {{"  ", "ACUM"}, {"99", "SONEN"}}, {}, 1},
        // Not a numeric field of the player table: it keeps its position, out of the key.
        ProcdsCase{"UnknownFieldKeepsItsPosition", {{"01", "NADA"}, {"02", "SONEN"}}, {"SONEN"}, 3},
        ProcdsCase{"TextFieldIsNoSystem", {{"01", "JUG"}}, {}, 2},
        // Names of seven letters: the key text has room for seventeen of them.
        ProcdsCase{"KeyWithoutRoomLeavesTheRestOut", LongNames(19), SystemsOf(LongNames(17)), 20}),
    [](const ::testing::TestParamInfo<ProcdsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace movarel::standings
