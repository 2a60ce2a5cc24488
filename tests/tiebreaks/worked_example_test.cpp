// The worked example of FIDE's tie-break notes, every published value of it, under the 2024
// and the 2026 rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tiebreaks/worked_example.h"
#include "tiebreaks/fide_ranking.h"
#include "tiebreaks/tie_break_values.h"

namespace movarel::tiebreaks {
namespace {

using testing::WorkedExample;

// The values of one tie-break for players 1..6, printed as the notes print them.
std::vector<std::string> Printed(RuleSet rules, const std::string& descriptor, int decimals) {
  const ParsedList parsed = ParseList(descriptor, rules);
  EXPECT_EQ(parsed.error, "");
  std::vector<std::string> out;
  for (const Value& v : ComputeTieBreak(WorkedExample(rules), parsed.list.at(0))) out.push_back(FormatValue(v, decimals));
  return out;
}

struct Column {
  RuleSet rules;
  const char* descriptor;
  int decimals;
  std::vector<std::string> expected;
};

class WorkedExampleColumn : public ::testing::TestWithParam<Column> {};

TEST_P(WorkedExampleColumn, MatchesTheHandWorkedValues) {
  const Column& c = GetParam();
  EXPECT_EQ(Printed(c.rules, c.descriptor, c.decimals), c.expected) << c.descriptor;
}

constexpr RuleSet k24 = RuleSet::kRules2024;
constexpr RuleSet k26 = RuleSet::kRules2026;

INSTANTIATE_TEST_SUITE_P(
    Rules2024, WorkedExampleColumn,
    ::testing::Values(
        Column{k24, "BH", 1, {"8.0", "10.0", "9.5", "7.5", "7.5", "7.5"}},
        // Cole's bye is cut before her weakest opponent: 6.5, not 8.0.
        Column{k24, "BH/C1", 1, {"7.0", "8.0", "6.5", "6.5", "6.5", "6.5"}},
        Column{k24, "SB", 2, {"5.50", "4.00", "6.50", "1.75", "3.50", "2.00"}},
        // Engel loses the half point of her draw with Dorn, not the 0 of her loss to Brook.
        Column{k24, "SB/C1", 2, {"4.50", "2.00", "5.00", "1.75", "3.00", "1.50"}},
        Column{k24, "PS", 1, {"8.5", "6.0", "7.5", "2.0", "4.0", "3.5"}},
        Column{k24, "PS/C1", 1, {"7.5", "5.0", "6.5", "2.0", "4.0", "3.5"}},
        Column{k24, "ARO", 0, {"2075", "2100", "2100", "2050", "2088", "2050"}},
        Column{k24, "ARO/C1", 0, {"2100", "2150", "2175", "2100", "2133", "2075"}},
        Column{k24, "TPR", 0, {"2268", "1975", "2373", "1925", "2088", "1777"}},
        Column{k24, "WIN", 0, {"2", "2", "2", "0", "1", "1"}},
        Column{k24, "WON", 0, {"2", "1", "2", "0", "1", "0"}},
        Column{k24, "BPG", 0, {"2", "2", "1", "1", "2", "2"}},
        Column{k24, "BWG", 0, {"1", "1", "0", "0", "1", "0"}},
        Column{k24, "REP", 0, {"4", "4", "3", "3", "4", "4"}},
        Column{k24, "GE", 0, {"4", "4", "3", "3", "4", "4"}},
        Column{k24, "AOB", 3, {"8.625", "8.333", "8.500", "7.667", "8.250", "8.167"}},
        Column{k24, "FB", 1, {"8.0", "10.0", "9.5", "7.5", "8.0", "7.0"}},
        Column{k24, "PTP", 0, {"2271", "1971", "2396", "1917", "2088", "1772"}},
        Column{k24, "APRO", 0, {"2090", "2243", "2007", "2044", "1986", "2129"}},
        Column{k24, "APPO", 0, {"2093", "2252", "2005", "2044", "1983", "2134"}}));

INSTANTIATE_TEST_SUITE_P(
    Rules2026, WorkedExampleColumn,
    ::testing::Values(
        Column{k26, "BH", 1, {"8.0", "9.0", "8.5", "7.5", "7.5", "7.5"}},
        Column{k26, "BH/C1", 1, {"7.0", "8.0", "6.5", "6.5", "6.5", "6.5"}},
        Column{k26, "SB", 2, {"5.50", "3.00", "6.00", "1.75", "3.50", "2.00"}},
        // Cole's capped bye contributes 1.0, less than Frost's 1.5: Frost's goes.
        Column{k26, "SB/C1", 2, {"4.50", "2.00", "4.50", "1.75", "3.00", "1.50"}},
        Column{k26, "FB", 1, {"8.0", "8.5", "9.0", "7.5", "8.0", "7.0"}},
        Column{k26, "AOB", 3, {"8.125", "8.000", "8.167", "7.667", "8.000", "7.833"}},
        Column{k26, "TPR", 0, {"2268", "1975", "2373", "1925", "2088", "1777"}}));

TEST(WorkedExampleRanking, DeBhC1BhSbGivesThePublishedStandings) {
  for (RuleSet rules : {k24, k26}) {
    const ParsedList parsed = ParseList("DE,BH/C1,BH,SB", rules);
    const FideStandings standings = RankPlayers(WorkedExample(rules), parsed.list);
    EXPECT_EQ(standings.order, (std::vector<int>{0, 2, 1, 4, 5, 3}));  // Abel, Cole, Brook, Engel, Frost, Dorn
    EXPECT_EQ(standings.first_place, (std::vector<int>{1, 3, 2, 6, 4, 5}));
    EXPECT_EQ(standings.first_place, standings.last_place);
    // DE: Abel and Cole not separated (0), Brook 1 and Engel 2, Dorn and Frost never tied.
    const std::vector<std::optional<Value>>& de = standings.values[0];
    EXPECT_EQ(de[0], Value::Whole(0));
    EXPECT_EQ(de[2], Value::Whole(0));
    EXPECT_EQ(de[1], Value::Whole(1));
    EXPECT_EQ(de[4], Value::Whole(2));
    EXPECT_FALSE(de[3].has_value());
    EXPECT_FALSE(de[5].has_value());
  }
}

TEST(WorkedExampleRanking, TheWinnerDependsOnTheFirstTieBreak) {
  const std::vector<std::pair<std::string, int>> first_of_abel_and_cole = {
      {"BH/C1", 0}, {"BH", 2}, {"SB", 2}, {"PS", 0}, {"ARO", 2}, {"TPR", 2}};
  for (const auto& [list, winner] : first_of_abel_and_cole) {
    const FideStandings s = RankPlayers(WorkedExample(k24), ParseList(list, k24).list);
    EXPECT_EQ(s.order.front(), winner) << list;
  }
}

TEST(WorkedExampleRanking, PlacesAreSharedWhenTheListCannotSeparate) {
  // Points alone: Abel and Cole share 1-2, Brook and Engel 3-4.
  const FideStandings s = RankPlayers(WorkedExample(k24), {});
  EXPECT_EQ(s.order, (std::vector<int>{0, 2, 1, 4, 5, 3}));
  EXPECT_EQ(s.first_place, (std::vector<int>{1, 3, 1, 6, 3, 5}));
  EXPECT_EQ(s.last_place, (std::vector<int>{2, 4, 2, 6, 4, 5}));
}

}  // namespace
}  // namespace movarel::tiebreaks
