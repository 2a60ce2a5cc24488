// One round of one player as the per-round fields hold it.

#include "standings/round_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::standings {
namespace {

struct RoundCase {
  const char* name;
  double opponent;
  std::string colour, points, forfeit;
  int expected_opponent;
  double expected_points;
  bool unplayed;
  bool forfeited;
};

class RoundEntries : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundEntries, ReadAsTheStandingsCountThem) {
  const RoundCase& c = GetParam();
  const RoundEntry entry = MakeRoundEntry(c.opponent, c.colour, c.points, c.forfeit);
  EXPECT_EQ(entry.opponent, c.expected_opponent);
  EXPECT_DOUBLE_EQ(entry.points, c.expected_points);
  EXPECT_EQ(entry.unplayed, c.unplayed);
  EXPECT_EQ(entry.forfeit, c.forfeited);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RoundEntries,
    ::testing::Values(
        RoundCase{"WinWithWhite", 4, "B", "1", " ", 4, 1, false, false},
        RoundCase{"LossWithBlack", 4, "N", "0", " ", 4, 0, false, false},
        RoundCase{"HalfPointWindowsByte", 4, "B", "\xBD", " ", 4, 0.5, false, false},
        RoundCase{"HalfPointDosByte", 4, "N", "\xAB", " ", 4, 0.5, false, false},
        RoundCase{"DosLowerCaseColourIsPlayed", 4, "n", "1", " ", 4, 1, false, false},
        RoundCase{"PairedWithoutResultIsPlayedForNothing", 4, "B", " ", " ", 4, 0, false, false},
        RoundCase{"ByeWorthOne", 0, "D", "1", " ", 0, 1, true, false},
        RoundCase{"ForfeitWin", 4, "B", "1", "i", 4, 1, true, true},
        RoundCase{"UpperCaseForfeitMarkIsNotRecognised", 4, "B", "1", "I", 4, 1, false, false},
        RoundCase{"NotPaired", 0, " ", " ", " ", 0, 0, true, false},
        RoundCase{"OtherLetterScoresNothing", 4, "B", "x", " ", 4, 0, false, false},
        RoundCase{"NegativeOpponentIsNone", -3, "B", "1", " ", 0, 1, false, false}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace movarel::standings
