// Rating variation against the rating-difference table, tournaments of more than nine
// rounds, and per-round fields that name no player of the tournament.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/file_names.h"
#include "standings/zdclas.h"
#include "storage/ntx_index.h"
#include "tournament_folder.h"

namespace movarel::standings {
namespace {

using testing::kDosHalf;
using testing::kHalf;
using testing::TournamentFolder;

void Compute(TournamentFolder& t, int rounds) {
  t.state.NRONDASEL = rounds;
  storage::Status status = ZDCLAS(t.state);
  ASSERT_TRUE(status.ok()) << status.message();
}

// Two players meet eleven times: 1 wins rounds 1 to 9, round 10 is drawn with the DOS byte,
// round 11 with this program's byte.
//  1: T 1..9, 9.5, 10: PTOS 10, ACUM 45 + 9.5 + 10 = 64.5, wins 9, APTBUC = APTELO = 10
//     ACU_k = ACUM minus T(1..k): 63.5 61.5 58.5 54.5 49.5 43.5 36.5 28.5 19.5
//     v = 1 every round: BUC_T 11, BUC_R 9, BUC_B 10, SONEN 10 x 1 = 10
//  2: T 0 (x9), .5, 1: PTOS 1, ACUM 1.5, ACU_1..ACU_9 1.5, wins 0, APTBUC = APTELO = 1
//     v = 10 every round: BUC_T 110, BUC_R 90, BUC_B 100, SONEN .5x10 + .5x10 = 10
struct RatingCase {
  const char* name;
  double elo1;
  double elo2;
  double var1;  // 10 x (10 - E x 11)
  double var2;  // 10 x (1 - (1 - E) x 11)
  bool table_read;
};

class ElevenRounds : public ::testing::TestWithParam<RatingCase> {};

TEST_P(ElevenRounds, RatingVariationAndRoundFieldsFromRoundTenOn) {
  const RatingCase& c = GetParam();
  TournamentFolder t({{c.elo1, 10}, {c.elo2, 10}});
  for (int round = 1; round <= 9; ++round) {
    if (round % 2 == 1) {
      t.Game(round, 1, 2, "1", "0");
    } else {
      t.Game(round, 2, 1, "0", "1");
    }
  }
  t.Game(10, 1, 2, kDosHalf, kDosHalf);
  t.Game(11, 2, 1, kHalf, kHalf);
  Compute(t, 11);
  EXPECT_DOUBLE_EQ(t.Get(1, "PTOS"), 10);
  EXPECT_DOUBLE_EQ(t.Get(1, "ACUM"), 64.5);
  const double cuts[] = {63.5, 61.5, 58.5, 54.5, 49.5, 43.5, 36.5, 28.5, 19.5};
  for (int k = 1; k <= 9; ++k) {
    EXPECT_DOUBLE_EQ(t.Get(1, "ACU_" + std::to_string(k)), cuts[k - 1]) << k;
    EXPECT_DOUBLE_EQ(t.Get(2, "ACU_" + std::to_string(k)), 1.5) << k;
  }
  EXPECT_DOUBLE_EQ(t.Get(1, "N_VIC"), 9);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_T"), 11);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_R"), 9);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_B"), 10);
  EXPECT_DOUBLE_EQ(t.Get(1, "SONEN"), 10);
  EXPECT_DOUBLE_EQ(t.Get(2, "PTOS"), 1);
  EXPECT_DOUBLE_EQ(t.Get(2, "BUC_T"), 110);
  EXPECT_DOUBLE_EQ(t.Get(2, "BUC_R"), 90);
  EXPECT_DOUBLE_EQ(t.Get(2, "BUC_B"), 100);
  EXPECT_DOUBLE_EQ(t.Get(2, "SONEN"), 10);
  EXPECT_DOUBLE_EQ(t.Get(1, "ELO_M"), c.elo2);
  EXPECT_DOUBLE_EQ(t.Get(1, "VAR_ELO"), c.var1);
  EXPECT_DOUBLE_EQ(t.Get(2, "VAR_ELO"), c.var2);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{1, 2}));
  // The table's search switched the soft search off for good; an even game leaves it alone.
  EXPECT_EQ(t.state.workspace.settings().soft_seek, !c.table_read);
}

INSTANTIATE_TEST_SUITE_P(
    Differences, ElevenRounds,
    ::testing::Values(
        // D = 0 and 3: 0.5 without the table: 10 x (10 - 5.5) = 45, 10 x (1 - 5.5) = -45.
        RatingCase{"Equal", 1500, 1500, 45, -45, false},
        RatingCase{"DifferenceThree", 1500, 1497, 45, -45, false},
        // D = 4: class up to 10, 0.51: 10 x (10 - 5.61) = 43.9; 10 x (1 - 5.39) = -43.9.
        RatingCase{"DifferenceFour", 1504, 1500, 43.9, -43.9, true},
        // D = 400: class up to 411, 0.92: 10 x (10 - 10.12) = -1.2; 10 x (1 - 0.88) = 1.2.
        RatingCase{"DifferenceFourHundred", 1900, 1500, -1.2, 1.2, true},
        // Both unrated: average 0 over no rated opponent, D = 0: the points themselves, x K.
        RatingCase{"BothUnrated", 0, 0, 100, 10, false}),
    [](const ::testing::TestParamInfo<RatingCase>& info) { return std::string(info.param.name); });

// A rating-difference table of three classes (3: .50, 10: .51, 17: .52): a difference of 100
// lies past the last key and takes the last row. 1 beat 2 once: W = 1, n = 1.
//   1 (1600): D = 100 -> .52: 20 x (1 - .52) = 9.6     2 (1500): 1 - .52 = .48: 20 x (0 - .48) = -9.6
TEST(RatingDifferenceTable, DifferencePastTheLastKeyUsesTheLastRow) {
  TournamentFolder t({{1600, 20}, {1500, 20}});
  const std::string zd = registry::TemplatesFolder(t.state.CCARPINI);
  ASSERT_TRUE(storage::CreateTable(zd + "t14.dbf", registry::T14Fields()).ok());
  {
    storage::Workspace workspace;
    auto t14 = workspace.Use(zd + "t14.dbf", "t14", /*shared=*/false);
    ASSERT_TRUE(t14.ok());
    // Written out of order: the index, not the records, orders the classes.
    for (auto [dif, p] : {std::pair{17.0, 0.52}, {3.0, 0.50}, {10.0, 0.51}}) {
      ASSERT_TRUE((*t14)->Append().ok());
      ASSERT_TRUE((*t14)->Put("DIF", dif).ok());
      ASSERT_TRUE((*t14)->Put("P", p).ok());
    }
    ASSERT_TRUE((*t14)->CreateIndex(zd + "t14d.ntx", "t14->dif").ok());
  }
  t.Game(1, 1, 2, "1", "0");
  Compute(t, 1);
  EXPECT_DOUBLE_EQ(t.Get(1, "VAR_ELO"), 9.6);
  EXPECT_DOUBLE_EQ(t.Get(2, "VAR_ELO"), -9.6);
}

// Opponent numbers that are no record of the table (a damaged file, or a round written
// for a larger field of players) count as no opponent: R / 2 in Buchholz, nothing in the
// rating. 3 players, 2 rounds, R / 2 = 1.
//   2: round 1 not paired (0.5), round 2 lost (0): APTBUC 0.5
//   1: round 1 "opponent" 50 with a win, round 2 beat 2.
//      v = 1 (no opponent), APTBUC(2) = 0.5 -> BUC_T 1.5; SONEN 1x1 + 1x0.5 = 1.5
//      rating: only 2 (1500): ELO_M 1500; D = 0 -> 10 x (2 - .5) = 15
//   3: round 1 opponent 999, round 2 opponent 4: both no opponent; p 0, 0 (played, blank)
//      v = 1, 1: BUC_T 2; ELO_M 0
TEST(DamagedRoundFields, OpponentsOutsideTheTableCountAsNoOpponent) {
  TournamentFolder t({{1500, 10}, {1500, 10}, {1500, 10}});
  t.PutRound(1, 1, 50, "B", "1", false);
  t.Game(2, 1, 2, "1", "0");
  t.PutRound(1, 3, 999, "N", " ", false);
  t.PutRound(2, 3, 4, "B", " ", false);
  Compute(t, 2);
  EXPECT_DOUBLE_EQ(t.Get(1, "PTOS"), 2);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_T"), 1.5);
  EXPECT_DOUBLE_EQ(t.Get(1, "SONEN"), 1.5);
  EXPECT_DOUBLE_EQ(t.Get(1, "ELO_M"), 1500);
  EXPECT_DOUBLE_EQ(t.Get(1, "VAR_ELO"), 15);
  EXPECT_DOUBLE_EQ(t.Get(3, "BUC_T"), 2);
  EXPECT_DOUBLE_EQ(t.Get(3, "ELO_M"), 0);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{1, 2, 3}));
}

// A deleted record is never ranked, but stays an opponent: its rating still counts for
// those who played it, and its Buchholz score is 0 (it takes no part in the passes).
//   1 beat 2 (deleted, 1700): BUC_T 0, ELO_M 1700, PTOS 1.   3 is unpaired: BUC_T = R/2 = .5
TEST(DeletedPlayers, AreLeftOutOfThePlacesButStillOpponents) {
  TournamentFolder t({{1500, 0}, {1700, 0}, {1500, 0}});
  t.Game(1, 1, 2, "1", "0");
  t.cuadro->GoTo(2);
  ASSERT_TRUE(t.cuadro->Delete().ok());
  Compute(t, 1);
  EXPECT_DOUBLE_EQ(t.Get(1, "ELO_M"), 1700);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_T"), 0);
  EXPECT_DOUBLE_EQ(t.Get(3, "BUC_T"), 0.5);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{1, 3}));
}

TEST(MissingTables, NoRatingDifferenceTableIsAnErrorAndWritesNothing) {
  TournamentFolder t({{1500, 10}, {1500, 10}});
  t.Game(1, 1, 2, "1", "0");
  std::filesystem::remove(registry::TemplatesFolder(t.state.CCARPINI) + "t14.dbf");
  t.state.NRONDASEL = 1;
  EXPECT_FALSE(ZDCLAS(t.state).ok());
  EXPECT_DOUBLE_EQ(t.Get(1, "PTOS"), 0);
  EXPECT_EQ(t.Bytes(1, "PTOS"), "    ");
}

TEST(MissingTables, NoPlayerTableOpenIsAnError) {
  registry::WorkingState state;
  state.NRONDASEL = 1;
  EXPECT_FALSE(ZDCLAS(state).ok());
}

}  // namespace
}  // namespace movarel::standings
