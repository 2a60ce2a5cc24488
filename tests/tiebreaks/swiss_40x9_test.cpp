// The 40-player, 9-round Swiss of tests/data/fide_swiss_40x9.txt: the values of players with
// unplayed rounds of every kind, worked by hand from the crosstable (opponents' scores read
// off their rows; adjusted only for 20, whose last-round zero-point bye counts ½ for the
// others, and for 40, who withdrew after round 5: 2.0 + 4 × ½ = 4.0).

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "tiebreaks/fide_ranking.h"
#include "tiebreaks/tie_break_values.h"

namespace movarel::tiebreaks {
namespace {

RoundResult ReadRound(const std::string& token) {
  switch (token[0]) {
    case 'U': return {RoundKind::kPairingBye, 0, Colour::kNone, 2};
    case 'H': return {RoundKind::kHalfBye, 0, Colour::kNone, 1};
    case 'Z': return {RoundKind::kZeroBye, 0, Colour::kNone, 0};
    case 'A': return {RoundKind::kAbsent, 0, Colour::kNone, 0};
    default: break;
  }
  const bool marked = token[0] == '+' || token[0] == '-' || token[0] == 'x';
  size_t at = marked ? 1 : 0;
  const int opponent = std::stoi(token.substr(at));
  while (std::isdigit(static_cast<unsigned char>(token[at]))) ++at;
  const Colour colour = token[at] == 'w' ? Colour::kWhite : Colour::kBlack;
  if (token[0] == '+') return {RoundKind::kForfeitWin, opponent, colour, 2};
  if (token[0] == '-') return {RoundKind::kForfeitLoss, opponent, colour, 0};
  if (token[0] == 'x') return {RoundKind::kDoubleForfeit, opponent, colour, 0};
  const char result = token[at + 1];
  return {RoundKind::kPlayed, opponent, colour, result == '1' ? 2 : result == '=' ? 1 : 0};
}

Tournament ReadSwiss40(RuleSet rules) {
  Tournament t;
  t.rules = rules;
  std::ifstream in(MOVAREL_FIXTURES_DIR "/fide_swiss_40x9.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int number = 0;
    Player player;
    fields >> number >> player.rating;
    std::string token;
    while (fields >> token) player.rounds.push_back(ReadRound(token));
    t.players.push_back(player);
  }
  return t;
}

struct Case {
  RuleSet rules;
  int player;
  const char* descriptor;
  const char* expected;
};

class Swiss40 : public ::testing::TestWithParam<Case> {};

TEST_P(Swiss40, HandWorkedValue) {
  const Case& c = GetParam();
  const Tournament t = ReadSwiss40(c.rules);
  ASSERT_EQ(t.players.size(), 40u);
  const ParsedList parsed = ParseList(c.descriptor, c.rules);
  ASSERT_EQ(parsed.error, "");
  const std::vector<Value> values = ComputeTieBreak(t, parsed.list.at(0));
  EXPECT_EQ(FormatValue(values[static_cast<size_t>(c.player - 1)], 2), c.expected)
      << "player " << c.player << " " << c.descriptor;
}

constexpr RuleSet k24 = RuleSet::kRules2024;
constexpr RuleSet k26 = RuleSet::kRules2026;

INSTANTIATE_TEST_SUITE_P(
    Withdrawn40, Swiss40,
    ::testing::Values(Case{k24, 40, "BH", "30.50"},      // 22.5 over the board + 4 dummies on 2.0
                      Case{k24, 40, "BH/C1", "28.50"},   // a withdrawal dummy goes first
                      Case{k24, 40, "SB", "8.50"}, Case{k24, 40, "REP", "5.00"}, Case{k24, 40, "WIN", "0.00"},
                      Case{k24, 40, "ARO", "1948.00"},   // 9742 / 5
                      Case{k24, 40, "TPR", "1876.00"},   // p 0.40 -> -72
                      Case{k26, 40, "BH", "30.50"}));    // own 2.0 under the 4.5 cap

INSTANTIATE_TEST_SUITE_P(
    ForfeitWinner3, Swiss40,
    ::testing::Values(Case{k24, 3, "BH", "50.00"},       // forfeit dummy on his own 7.5
                      Case{k24, 3, "BH/C1", "45.50"}, Case{k26, 3, "BH", "45.50"},  // capped at 25's 3.0
                      Case{k26, 3, "BH/C1", "42.50"}, Case{k24, 3, "SB", "40.75"}, Case{k24, 3, "WIN", "7.00"},
                      Case{k24, 3, "WON", "6.00"}, Case{k24, 3, "REP", "9.00"},
                      Case{k24, 3, "ARO", "2299.00"},    // 18390 / 8
                      Case{k24, 3, "TPR", "2550.00"},    // 6.5 / 8 -> 0.81 -> +251
                      Case{k24, 3, "PS", "40.00"}));

INSTANTIATE_TEST_SUITE_P(
    ForfeitLoserWithPab25, Swiss40,
    ::testing::Values(Case{k24, 25, "BH", "33.00"}, Case{k24, 25, "BH/C1", "30.00"},  // the forfeit's dummy first
                      Case{k24, 25, "BH/C2", "27.00"}, Case{k24, 25, "SB", "10.00"},
                      // Lowest-scored contributions are on 3.0; the forfeit's 0 is among them and goes.
                      Case{k24, 25, "SB/C1", "10.00"}, Case{k24, 25, "REP", "8.00"}, Case{k24, 25, "WIN", "2.00"},
                      Case{k26, 25, "BH", "33.00"}));

INSTANTIATE_TEST_SUITE_P(
    LastRoundZeroBye20, Swiss40,
    ::testing::Values(Case{k24, 20, "BH", "37.00"},  // own dummy on his actual 3.5, not the adjusted 4.0
                      Case{k24, 20, "BH/C1", "33.50"}, Case{k24, 20, "SB", "11.75"}, Case{k24, 20, "REP", "8.00"}));

INSTANTIATE_TEST_SUITE_P(
    DoubleForfeit22, Swiss40,
    ::testing::Values(Case{k24, 22, "BH", "39.50"}, Case{k24, 22, "BH/C1", "35.00"}, Case{k24, 22, "BH/C2", "31.50"},
                      Case{k26, 22, "BH", "38.00"},  // capped at 33's 3.0
                      Case{k26, 22, "BH/C1", "35.00"}, Case{k24, 22, "SB", "18.00"}, Case{k24, 22, "REP", "8.00"},
                      Case{k24, 22, "WIN", "3.00"}));

INSTANTIATE_TEST_SUITE_P(
    HalfByeMidEvent7, Swiss40,
    ::testing::Values(Case{k24, 7, "BH", "49.50"}, Case{k24, 7, "BH/C1", "43.50"}, Case{k26, 7, "BH", "48.00"},
                      Case{k26, 7, "BH/C1", "43.50"}, Case{k24, 7, "SB", "31.75"},
                      Case{k24, 7, "SB/C1", "27.25"},  // 34's 4.5 is above the bye's 3.0: 34's goes
                      Case{k26, 7, "SB", "31.00"},
                      // The capped bye (4.5) now shares the lowest score with 34, with the smaller 2.25.
                      Case{k26, 7, "SB/C1", "28.75"}, Case{k24, 7, "WIN", "4.00"},
                      Case{k24, 7, "REP", "8.00"}));

INSTANTIATE_TEST_SUITE_P(
    ZeroByeMidEvent12, Swiss40,
    ::testing::Values(Case{k24, 12, "BH", "38.00"}, Case{k24, 12, "BH/C1", "34.50"}, Case{k24, 12, "SB", "13.50"},
                      Case{k24, 12, "SB/C1", "13.50"}, Case{k24, 12, "REP", "8.00"}));

}  // namespace
}  // namespace movarel::tiebreaks
