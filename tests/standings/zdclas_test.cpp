// The standings of small tournaments computed by hand, through the player table as the
// program leaves it after pairing and result entry.

#include "standings/zdclas.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "storage/files.h"
#include "tournament_folder.h"

namespace movarel::standings {
namespace {

using testing::kDosHalf;
using testing::kHalf;
using testing::TournamentFolder;

// Five players, three rounds, every kind of round:
//   player  ELO   K
//     1     1800  20
//     2     1700  15
//     3     1600   0
//     4        0  25   (unrated)
//     5     1500  10
// Round 1: 1-2 1-0, 3-4 draw (0xBD), 5 bye worth 1.
// Round 2: 1-3 draw (0xAB, as the DOS program writes it), 2-5 "i0-1 " (5 wins by forfeit),
//          4 not paired (withdrawn for the round: colour, opponent and points blank).
// Round 3: 1-4 0-1, 3-5 paired without a result yet, 2 bye worth a half (0xBD).
class FivePlayerTournament : public ::testing::Test {
 protected:
  FivePlayerTournament() : t({{1800, 20}, {1700, 15}, {1600, 0}, {0, 25}, {1500, 10}}) {
    t.Game(1, 1, 2, "1", "0");
    t.Game(1, 3, 4, kHalf, kHalf);
    t.Bye(1, 5, "1");
    t.Game(2, 1, 3, kDosHalf, kDosHalf);
    t.Game(2, 2, 5, "0", "1", /*forfeit=*/true);
    t.Game(3, 1, 4, "0", "1");
    t.Game(3, 3, 5, " ", " ");
    t.Bye(3, 2, kHalf);
  }
  void Compute(int rounds) {
    t.state.NRONDASEL = rounds;
    storage::Status status = ZDCLAS(t.state);
    ASSERT_TRUE(status.ok()) << status.message();
  }
  TournamentFolder t;
};

struct Expected {
  double ptos, acum, acu1, acu2, acu3, n_vic, buc_t, buc_r, buc_b, sonen, elo_m, var_elo;
};

// Hand computation after 3 rounds (R = 3, R / 2 = 1.5). p = points of the round, T = running
// score, APTBUC counts 0.5 for an unplayed round (bye, forfeit, not paired), APTELO counts 0.
//  1: p 1, .5, 0    T 1, 1.5, 1.5   ACUM 4    ACU_1 3    ACU_2 1.5  wins 1  APTBUC 1.5 APTELO 1.5
//  2: p 0, 0i, .5D  T 0, 0, .5      ACUM .5   ACU_1 .5   ACU_2 .5   wins 0  APTBUC 1   APTELO 0
//  3: p .5, .5, 0   T .5, 1, 1      ACUM 2.5  ACU_1 2    ACU_2 1    wins 0  APTBUC 1   APTELO 1
//     (round 3 is paired without a result: a played round worth 0)
//  4: p .5, -, 1    T .5, .5, 1.5   ACUM 2.5  ACU_1 2    ACU_2 1.5  wins 1  APTBUC 2   APTELO 1.5
//  5: p 1D, 1i, 0   T 1, 2, 2       ACUM 5    ACU_1 4    ACU_2 2    wins 2  APTBUC 1   APTELO 0
// Buchholz values v (the opponent's APTBUC, R / 2 without opponent):
//  1: 1, 1, 2       BUC_T 4    BUC_R 4-2-1 = 1    BUC_B 3    SONEN 1x1 + .5x1 + 0x2 = 1.5
//  2: 1.5, 1, 1.5   BUC_T 4    BUC_R 4-1.5-1=1.5  BUC_B 3    SONEN .5x1.5 = .75 -> "0.8"
//  3: 2, 1.5, 1     BUC_T 4.5  BUC_R 1.5          BUC_B 3.5  SONEN .5x2 + .5x1.5 = 1.75 -> "1.8"
//  4: 1, 1.5, 1.5   BUC_T 4    BUC_R 1.5          BUC_B 3    SONEN .5x1 + 1x1.5 = 2
//  5: 1.5, 1, 1     BUC_T 3.5  BUC_R 1            BUC_B 2.5  SONEN 1x1.5 + 1x1 = 2.5
// Opponents' ratings (forfeits and byes left out, unrated opponents add 0 and are not counted):
//  1: 1700 + 1600 + 0 over 2 = 1650; D = 150 -> class up to 153: 0.70; 20 x (1.5 - 0.7x2) = 2
//  2: 1800 over 1 = 1800; D = -100 -> class up to 106: 0.64, below: 0.36; 15 x (0 - .36) = -5.4
//  3: 0 + 1800 + 1500 over 2 = 1650; K = 0 -> 0
//  4: 1600 + 1800 over 2 = 1700; D = -1700 -> last class 1.00, below: 0; 25 x (1.5 - 0) = 37.5
//  5: 1600 over 1; D = -100 -> 0.36; 10 x (0 - .36) = -3.6
TEST_F(FivePlayerTournament, EveryComputedFieldAfterThreeRounds) {
  Compute(3);
  const std::array<Expected, 5> expected = {{
      {1.5, 4, 3, 1.5, 0, 1, 4, 1, 3, 1.5, 1650, 2},
      {0.5, 0.5, 0.5, 0.5, 0, 0, 4, 1.5, 3, 0.8, 1800, -5.4},
      {1, 2.5, 2, 1, 0, 0, 4.5, 1.5, 3.5, 1.8, 1650, 0},
      {1.5, 2.5, 2, 1.5, 0, 1, 4, 1.5, 3, 2, 1700, 37.5},
      {2, 5, 4, 2, 0, 2, 3.5, 1, 2.5, 2.5, 1600, -3.6},
  }};
  for (int p = 1; p <= 5; ++p) {
    SCOPED_TRACE("player " + std::to_string(p));
    const Expected& e = expected[static_cast<size_t>(p - 1)];
    EXPECT_DOUBLE_EQ(t.Get(p, "PTOS"), e.ptos);
    EXPECT_DOUBLE_EQ(t.Get(p, "ACUM"), e.acum);
    EXPECT_DOUBLE_EQ(t.Get(p, "ACU_1"), e.acu1);
    EXPECT_DOUBLE_EQ(t.Get(p, "ACU_2"), e.acu2);
    for (const char* cut : {"ACU_3", "ACU_4", "ACU_5", "ACU_6", "ACU_7", "ACU_8", "ACU_9"}) {
      EXPECT_DOUBLE_EQ(t.Get(p, cut), e.acu3) << cut;
    }
    EXPECT_DOUBLE_EQ(t.Get(p, "N_VIC"), e.n_vic);
    EXPECT_DOUBLE_EQ(t.Get(p, "BUC_T"), e.buc_t);
    EXPECT_DOUBLE_EQ(t.Get(p, "BUC_R"), e.buc_r);
    EXPECT_DOUBLE_EQ(t.Get(p, "BUC_B"), e.buc_b);
    EXPECT_DOUBLE_EQ(t.Get(p, "SONEN"), e.sonen);
    EXPECT_DOUBLE_EQ(t.Get(p, "ELO_M"), e.elo_m);
    EXPECT_DOUBLE_EQ(t.Get(p, "VAR_ELO"), e.var_elo);
  }
}

TEST_F(FivePlayerTournament, FieldsAreStoredWithTheirWidthsAndOneDecimal) {
  Compute(3);
  EXPECT_EQ(t.Bytes(2, "SONEN"), "   0.8");
  EXPECT_EQ(t.Bytes(2, "VAR_ELO"), "  -5.4");
  EXPECT_EQ(t.Bytes(5, "PTOS"), " 2.0");
  EXPECT_EQ(t.Bytes(5, "N_VIC"), " 2");
  EXPECT_EQ(t.Bytes(5, "PUESTO"), "  1");
}

// The template's systems: BUC_R "01", BUC_T "02", SONEN "03".
// Points: 5 has 2; 1 and 4 have 1.5; 3 has 1; 2 has 0.5. Between 1 and 4 the median
// Buchholz decides: 4 has 1.5, 1 has 1.
TEST_F(FivePlayerTournament, TemplateTieBreaksOrderTheStandings) {
  Compute(3);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{5, 4, 1, 3, 2}));
  EXPECT_TRUE(storage::FileExists(t.Path("dsAB.dbf")));
  EXPECT_TRUE(storage::FileExists(t.Path("dsAB.ntx")));
  EXPECT_EQ(t.state.CFICHDS, "dsAB");
  EXPECT_EQ(t.state.NDS, 4);
  EXPECT_EQ(t.state.ADESEMPATES[0], "BUC_R");
  EXPECT_EQ(t.state.ADESEMPATES[1], "BUC_T");
  EXPECT_EQ(t.state.ADESEMPATES[2], "SONEN");
  // Slot 4 holds the last unused system read: the "99" records follow in record order and
  // the template lists N_VIC last.
  EXPECT_EQ(t.state.ADESEMPATES[3], "N_VIC");
}

// Without systems in use, equal points leave the order to the player numbers: 1 before 4.
TEST_F(FivePlayerTournament, WithoutTieBreaksTheLowerNumberRanksFirst) {
  t.WriteTieBreaks({{"  ", "BUC_T"}, {"99", "SONEN"}});
  Compute(3);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{5, 1, 4, 3, 2}));
}

// "01" SONEN: 1 has 1.5, 4 has 2, so 4 goes first. "03" follows no "02": ignored, so the
// progressive score ACUM (4 for player 1, 2.5 for player 4) does not turn it back.
TEST_F(FivePlayerTournament, AGapInTheNumberingEndsTheSystemsInUse) {
  t.WriteTieBreaks({{"03", "ACUM"}, {"01", "SONEN"}});
  Compute(3);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{5, 4, 1, 3, 2}));
  EXPECT_EQ(t.state.NDS, 2);
  EXPECT_EQ(t.state.ADESEMPATES[0], "SONEN");
  EXPECT_EQ(t.state.ADESEMPATES[1], "ACUM");
}

TEST_F(FivePlayerTournament, OrderFileHoldsTheStandingsOrderAndItsKeyText) {
  t.WriteTieBreaks({{"01", "BUC_T"}, {"02", "SONEN"}});
  Compute(3);
  // BUC_T: 1 and 4 both 4; SONEN: 4 has 2, 1 has 1.5.
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{5, 4, 1, 3, 2}));
  EXPECT_EQ(t.cuadro->ControllingIndex(), nullptr);
  EXPECT_EQ(t.state.workspace.Selected(), t.cuadro);
  ASSERT_TRUE(t.cuadro->OrdListAdd(t.Path("suclas.tmp")).ok());
  ASSERT_NE(t.cuadro->ControllingIndex(), nullptr);
  EXPECT_EQ(t.cuadro->ControllingIndex()->expression().text(),
            "descend(str(cuadro->ptos,4,1)+str(BUC_T,6,1)+str(SONEN,6,1)+str(1000-cuadro->num,3))");
  std::vector<int> walked;
  for (t.cuadro->GoTop(); !t.cuadro->Eof(); t.cuadro->Skip()) walked.push_back(static_cast<int>(t.cuadro->RecNo()));
  EXPECT_EQ(walked, (std::vector<int>{5, 4, 1, 3, 2}));
}

// Round 4 is counted before it has been paired: for everybody 0 points, 0.5 in APTBUC and
// R / 2 = 2 in their own Buchholz.
//  APTBUC: 1: 1.5+.5 = 2   2: 1.5   3: 1.5   4: 2.5   5: 1.5
//  5: v = 2 (bye), 1.5 (2), 1.5 (3), 2 (round 4)  BUC_T 7  BUC_R 7-2-1.5 = 3.5  BUC_B 5.5
//     SONEN 1x2 + 1x1.5 = 3.5; T 1, 2, 2, 2: ACUM 7, ACU_3 2, PTOS still 2
//  1: v = 1.5 (2), 1.5 (3), 2.5 (4), 2  BUC_T 7.5  BUC_R 7.5-2.5-1.5 = 3.5  BUC_B 6
TEST_F(FivePlayerTournament, RoundsNotYetPairedCountAsUnplayedForEverybody) {
  Compute(4);
  EXPECT_DOUBLE_EQ(t.Get(5, "PTOS"), 2);
  EXPECT_DOUBLE_EQ(t.Get(5, "BUC_T"), 7);
  EXPECT_DOUBLE_EQ(t.Get(5, "BUC_R"), 3.5);
  EXPECT_DOUBLE_EQ(t.Get(5, "BUC_B"), 5.5);
  EXPECT_DOUBLE_EQ(t.Get(5, "SONEN"), 3.5);
  EXPECT_DOUBLE_EQ(t.Get(5, "ACUM"), 7);
  EXPECT_DOUBLE_EQ(t.Get(5, "ACU_3"), 2);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_T"), 7.5);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_R"), 3.5);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_B"), 6);
}

// One round: every cut Buchholz is the total minus itself. Player 5's bye: v = R / 2 = 0.5,
// SONEN 1 x 0.5; player 1 beat 2, whose APTBUC is 0: BUC_T 0.
TEST_F(FivePlayerTournament, AfterOneRoundTheCutBuchholzValuesAreZero) {
  Compute(1);
  for (int p = 1; p <= 5; ++p) {
    EXPECT_DOUBLE_EQ(t.Get(p, "BUC_R"), 0) << p;
    EXPECT_DOUBLE_EQ(t.Get(p, "BUC_B"), 0) << p;
  }
  EXPECT_DOUBLE_EQ(t.Get(5, "BUC_T"), 0.5);
  EXPECT_DOUBLE_EQ(t.Get(5, "SONEN"), 0.5);
  EXPECT_DOUBLE_EQ(t.Get(1, "BUC_T"), 0);
}

TEST_F(FivePlayerTournament, NoRoundsCountedGiveZerosAndPlacesByNumber) {
  Compute(3);
  Compute(0);
  for (int p = 1; p <= 5; ++p) {
    for (const char* field : {"PTOS", "ACUM", "ACU_1", "BUC_T", "BUC_R", "BUC_B", "SONEN", "ELO_M",
                              "N_VIC"}) {
      EXPECT_DOUBLE_EQ(t.Get(p, field), 0) << p << " " << field;
    }
  }
  // With no opponents every rating is compared with an average of 0 and 0 games: no change.
  EXPECT_DOUBLE_EQ(t.Get(1, "VAR_ELO"), 0);
  EXPECT_EQ(t.ByPlace(), (std::vector<int>{1, 2, 3, 4, 5}));
}

// The progressive scores are written where the result changed and left alone elsewhere:
// computing twice leaves the file's bytes as the first computation wrote them.
TEST_F(FivePlayerTournament, RecomputingTheSameRoundsChangesNoByte) {
  Compute(3);
  t.state.workspace.CloseAll();
  auto before = storage::ReadWholeFile(t.Path("cuAB.dbf"));
  ASSERT_TRUE(before.ok());
  auto reopened = t.state.workspace.Use(t.Path("cuAB.dbf"), "cuadro", /*shared=*/false);
  ASSERT_TRUE(reopened.ok());
  t.cuadro = *reopened;
  Compute(3);
  t.state.workspace.CloseAll();
  auto after = storage::ReadWholeFile(t.Path("cuAB.dbf"));
  ASSERT_TRUE(after.ok());
  EXPECT_EQ(*before, *after);
}

}  // namespace
}  // namespace movarel::standings
