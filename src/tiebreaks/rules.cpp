#include "tiebreaks/tournament.h"

namespace movarel::tiebreaks {

RuleSet RulesForStartDate(int year, int month, int day) {
  const int date = year * 10000 + month * 100 + day;
  if (date >= 20260301) return RuleSet::kRules2026;
  if (date >= 20240401) return RuleSet::kRules2024;
  return RuleSet::kVirtualOpponent;
}

}  // namespace movarel::tiebreaks
