// The Result tag from a board's result code and from one player's points, for every code a
// round table can hold: written here, by the DOS program and by an imported round.

#include "pgn/game_results.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::pgn {
namespace {

struct BoardCase {
  const char* rdo;
  const char* result;
};

class BoardResultTest : public ::testing::TestWithParam<BoardCase> {};

TEST_P(BoardResultTest, GivesTheTagOfTheStoredCode) {
  EXPECT_EQ(BoardResult(GetParam().rdo), GetParam().result) << GetParam().rdo;
}

INSTANTIATE_TEST_SUITE_P(
    EveryStoredCode, BoardResultTest,
    ::testing::Values(BoardCase{" 1-0 ", "1-0"}, BoardCase{" 0-1 ", "0-1"}, BoardCase{" 1-0i", "1-0"},
                      BoardCase{"i0-1 ", "0-1"}, BoardCase{"i0-0i", "0-0"}, BoardCase{" 1-1 ", "1-1"},
                      BoardCase{"     ", ""}, BoardCase{"", ""},
                      BoardCase{" \xBD-\xBD ", "1/2-1/2"},  // this program's half sign
                      BoardCase{" \xAB-\xAB ", "1/2-1/2"},  // code page 850, DOS and imported rounds
                      BoardCase{"i\xBD-\xBDi", "1/2-1/2"},  // a draw with both forfeit marks
                      BoardCase{" 1/2 ", "1/2-1/2"}));      // the DOS program's other spelling

struct PlayerCase {
  const char* points;
  const char* opponent_points;
  bool white;
  const char* result;
};

class PlayerResultTest : public ::testing::TestWithParam<PlayerCase> {};

TEST_P(PlayerResultTest, GivesTheTagSeenFromWhite) {
  EXPECT_EQ(PlayerResult(GetParam().points, GetParam().opponent_points, GetParam().white), GetParam().result)
      << GetParam().points << (GetParam().white ? " White" : " Black");
}

INSTANTIATE_TEST_SUITE_P(BothColours, PlayerResultTest,
                         ::testing::Values(PlayerCase{"1", "0", true, "1-0"}, PlayerCase{"0", "1", true, "0-1"},
                                           PlayerCase{"1", "0", false, "0-1"}, PlayerCase{"0", "1", false, "1-0"},
                                           PlayerCase{"\xBD", "\xBD", true, "1/2-1/2"},
                                           PlayerCase{"\xAB", "\xAB", false, "1/2-1/2"},
                                           // The opponent's fields not filled in: the player's own.
                                           PlayerCase{"0", " ", false, "1-0"},
                                           // A double forfeit and a double win read the same
                                           // from either player's side.
                                           PlayerCase{"0", "0", true, "0-0"}, PlayerCase{"0", "0", false, "0-0"},
                                           PlayerCase{"1", "1", false, "1-1"},
                                           // Paired but not yet played: no result rather than a loss.
                                           PlayerCase{" ", " ", true, ""}, PlayerCase{" ", " ", false, ""}));

}  // namespace
}  // namespace movarel::pgn
