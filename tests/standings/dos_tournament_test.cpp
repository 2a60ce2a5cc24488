// The standings of a tournament folder as the DOS program leaves it: the older player-table
// format (no ACU_7 ... ACU_9, no BUC_B), draws stored as byte 0xAB, colours in lower case,
// forfeits. Expectations worked out by hand from the fixture's per-round fields.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "standings/zdclas.h"

namespace movarel::standings {
namespace {

namespace fs = std::filesystem;

class DosTournament : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / "movarel_standings_dos_tournament";
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(fs::path(MOVAREL_FIXTURES_DIR) / "dos-old-format", dir_ / "OP");
    state_.CCARPINI = dir_.string();
    state_.CCLAVE = "OP";
    ASSERT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(state_.CCARPINI)).ok());
    auto opened = state_.workspace.Use((dir_ / "OP" / "cuOP").string(), "cuadro", /*shared=*/false);
    ASSERT_TRUE(opened.ok()) << opened.status().message();
    cuadro_ = *opened;
  }
  void TearDown() override {
    state_.workspace.CloseAll();
    fs::remove_all(dir_);
  }
  double Get(int player, const char* field) {
    cuadro_->GoTo(static_cast<uint32_t>(player));
    return cuadro_->GetNumber(field);
  }

  fs::path dir_;
  registry::WorkingState state_;
  storage::Table* cuadro_ = nullptr;
};

// After three rounds (R / 2 = 1.5); "i" = forfeit (unplayed: 0.5 in APTBUC), "½" = 0xAB.
//  player  rounds (opponent colour points)      PTOS  APTBUC
//    1     2 n 0i    8 n ½     3 b ½             1     1.5
//    2     1 B 1i    7 N 0i    4 n ½             1.5   1.5
//    3     5 n 0     9 N 1i    1 n ½             1.5   1
//    4     6 N ½    10 b 1i    2 B ½             2     1.5
//    5     3 B 1     6 N 0i    7 B ½             1.5   2
//    6     4 b ½     5 B 1i   10 b 1i            2.5   1.5
//    7     8 b 1i    2 B 1i    5 n ½             2.5   1.5
//    8     7 n 0i    1 b ½     9 n 0             0.5   1
//    9    10 B ½     3 B 0i    8 b 1             1.5   2
//   10     9 N ½     4 n 0i    6 N 0i            0.5   1.5
// Buchholz (opponents' APTBUC), BUC_R (highest and lowest cut), SONEN (points x value):
//    1: 1.5 1 1    BUC_T 3.5  BUC_R 1    SONEN .5 + .5 = 1
//    2: 1.5 1.5 1.5  4.5      1.5        1.5 + .75 = 2.25 -> 2.3
//    3: 2 2 1.5    5.5        2
//    5: 1 1.5 1.5  4          1.5
//    6: 1.5 2 1.5  5          1.5        .75 + 2 + 1.5 = 4.25 -> 4.3
//    7: 1 1.5 2    4.5        1.5
//    8: 1.5 1.5 2  5          1.5        .75 -> 0.8
//    9: 1.5 1 1    3.5        1
//   10: 2 1.5 1.5  5          1.5        1
// Order (template: BUC_R, BUC_T, SONEN): 2.5: 6 (BUC_T 5) before 7 (4.5); 2: 4;
// 1.5: 3 (BUC_R 2), 2 (1.5, 4.5), 5 (1.5, 4), 9 (1); 1: 1; 0.5: 10 (SONEN 1) before 8 (0.8).
TEST_F(DosTournament, OldFormatTableWithDosHalfPointsAndLowerCaseColours) {
  state_.NRONDASEL = 3;
  storage::Status status = ZDCLAS(state_);
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_DOUBLE_EQ(Get(1, "PTOS"), 1);
  EXPECT_DOUBLE_EQ(Get(1, "ACUM"), 1.5);
  EXPECT_DOUBLE_EQ(Get(1, "BUC_T"), 3.5);
  EXPECT_DOUBLE_EQ(Get(1, "BUC_R"), 1);
  EXPECT_DOUBLE_EQ(Get(1, "SONEN"), 1);
  // 1 (1522, K 15) met only unrated players in its played games: ELO_M 0; 15 x 1 point.
  EXPECT_DOUBLE_EQ(Get(1, "ELO_M"), 0);
  EXPECT_DOUBLE_EQ(Get(1, "VAR_ELO"), 15);
  EXPECT_DOUBLE_EQ(Get(2, "SONEN"), 2.3);
  EXPECT_DOUBLE_EQ(Get(2, "VAR_ELO"), 0);  // K 0
  EXPECT_DOUBLE_EQ(Get(6, "PTOS"), 2.5);
  EXPECT_DOUBLE_EQ(Get(6, "N_VIC"), 2);
  EXPECT_DOUBLE_EQ(Get(6, "SONEN"), 4.3);
  EXPECT_DOUBLE_EQ(Get(6, "VAR_ELO"), 7.5);  // 15 x 0.5 (its only played game)
  EXPECT_DOUBLE_EQ(Get(10, "VAR_ELO"), 12.5);
  const int expected_places[] = {8, 5, 4, 3, 6, 1, 2, 10, 7, 9};  // PUESTO of players 1..10
  for (int p = 1; p <= 10; ++p) EXPECT_DOUBLE_EQ(Get(p, "PUESTO"), expected_places[p - 1]) << p;
  EXPECT_TRUE(fs::exists(dir_ / "OP" / "dsOP.dbf"));
  EXPECT_TRUE(fs::exists(dir_ / "OP" / "suclas.tmp"));
}

}  // namespace
}  // namespace movarel::standings
