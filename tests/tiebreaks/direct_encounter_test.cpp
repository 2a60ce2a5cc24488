// Direct encounter on the tied groups FIDE's notes use as examples, the list parser's
// refusals, and the older virtual-opponent rules on the worked example.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tiebreaks/direct_encounter.h"
#include "tiebreaks/tie_break_list.h"
#include "tiebreaks/tie_break_values.h"
#include "tiebreaks/worked_example.h"

namespace movarel::tiebreaks {
namespace {

// `games` are (white, black, white's half-points), players numbered from 1; one round each.
Tournament Games(int players, const std::vector<std::vector<int>>& games) {
  Tournament t;
  t.players.resize(static_cast<size_t>(players));
  for (const std::vector<int>& g : games) {
    for (Player& p : t.players) p.rounds.push_back({RoundKind::kAbsent, 0, Colour::kNone, 0});
    t.players[static_cast<size_t>(g[0] - 1)].rounds.back() = {RoundKind::kPlayed, g[1], Colour::kWhite, g[2]};
    t.players[static_cast<size_t>(g[1] - 1)].rounds.back() = {RoundKind::kPlayed, g[0], Colour::kBlack, 2 - g[2]};
  }
  return t;
}

struct DeCase {
  const char* name;
  int players;
  std::vector<std::vector<int>> games;
  std::vector<int> expected;  // positions of players 1..n in the group of all of them
};

class DirectEncounterCase : public ::testing::TestWithParam<DeCase> {};

TEST_P(DirectEncounterCase, PlacesOnlyWhatTheGamesMakeCertain) {
  const DeCase& c = GetParam();
  std::vector<int> group;
  for (int p = 0; p < c.players; ++p) group.push_back(p);
  EXPECT_EQ(DirectEncounter(Games(c.players, c.games), group, false), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Notes, DirectEncounterCase,
    ::testing::Values(
        DeCase{"A beat B and C, B and C did not meet", 3, {{1, 2, 2}, {1, 3, 2}}, {1, 2, 2}},
        DeCase{"A beat B, drew C: C could still reach A", 3, {{1, 2, 2}, {1, 3, 1}}, {0, 0, 0}},
        DeCase{"A and B beat C, A and B did not meet", 3, {{1, 3, 2}, {2, 3, 2}}, {0, 0, 0}},
        DeCase{"A beat all, B beat C and D, C and D did not meet", 4,
               {{1, 2, 2}, {1, 3, 2}, {1, 4, 2}, {2, 3, 2}, {2, 4, 2}}, {1, 2, 3, 3}},
        DeCase{"all met: one first, three in a circle", 4,
               {{1, 2, 2}, {1, 3, 2}, {1, 4, 2}, {2, 3, 2}, {3, 4, 2}, {4, 2, 2}}, {1, 2, 2, 2}},
        DeCase{"all met: ranked by the mini-table", 3,
               {{1, 2, 2}, {2, 3, 2}, {3, 1, 1}}, {1, 2, 3}},
        DeCase{"nobody met", 2, {}, {0, 0}}));

TEST(DirectEncounter, ForfeitsCountOnlyWithP) {
  Tournament t = Games(2, {{1, 2, 2}});
  t.players[0].rounds[0].kind = RoundKind::kForfeitWin;
  t.players[1].rounds[0].kind = RoundKind::kForfeitLoss;
  EXPECT_EQ(DirectEncounter(t, {0, 1}, false), (std::vector<int>{0, 0}));
  EXPECT_EQ(DirectEncounter(t, {0, 1}, true), (std::vector<int>{1, 2}));
}

TEST(TieBreakList, RefusalsNameTheFault) {
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"BH/C1,XY", "\"XY\" no es un desempate FIDE conocido"},
      {"SB/M1", "El modificador /M1 no vale para SB"},
      {"BH,,SB", "La lista de desempates tiene un elemento vac\xEDo"},
      {"BH/C1,bh/c1", "El desempate BH/C1 est\xE1 dos veces en la lista"},
      {"RTNG", "El desempate RTNG no existe en las normas anteriores a marzo de 2026"},
      {"BH/C1/M1", "El desempate BH no puede llevar corte y mediana a la vez"}};
  for (const auto& [text, error] : refused) EXPECT_EQ(ParseList(text, RuleSet::kRules2024).error, error) << text;
  const ParsedList read = ParseList(" ge , bh/m2/p, KS/L-1, RTNG/R ", RuleSet::kRules2026);
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(ListText(read.list), "REP,BH/M2/P,KS/L-1,RTNG/R");
}

TEST(RuleSets, ChosenByTheStartDate) {
  EXPECT_EQ(RulesForStartDate(2024, 3, 31), RuleSet::kVirtualOpponent);
  EXPECT_EQ(RulesForStartDate(2024, 4, 1), RuleSet::kRules2024);
  EXPECT_EQ(RulesForStartDate(2026, 2, 28), RuleSet::kRules2024);
  EXPECT_EQ(RulesForStartDate(2026, 3, 1), RuleSet::kRules2026);
}

TEST(VirtualOpponent, ColesHalfByeAndTheOthersUnplayedRoundsAsDraws) {
  // Cole's bye in round 2: 1 before it + (1 - ½) + ½ for each of the 2 later rounds = 2.5.
  // Frost counts 1.0 (his PAB as a draw), Brook 1.5 (his forfeit win as a draw), Abel 3.0.
  const Tournament t = testing::WorkedExample(RuleSet::kVirtualOpponent);
  const std::vector<Value> bh = ComputeTieBreak(t, ParseList("BH", t.rules).list.at(0));
  EXPECT_EQ(FormatValue(bh[2], 1), "8.0");
}

}  // namespace
}  // namespace movarel::tiebreaks
