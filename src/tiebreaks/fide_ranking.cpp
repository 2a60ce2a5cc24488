#include "tiebreaks/fide_ranking.h"

#include <algorithm>

#include "tiebreaks/direct_encounter.h"
#include "tiebreaks/tie_break_values.h"

namespace movarel::tiebreaks {

namespace {

// Lower values rank higher for the pairing number, and for the reversed rating.
bool LowerRanksHigher(const TieBreak& tie_break) {
  return (tie_break.code == Code::kTPN) != tie_break.reversed;
}

class Ranker {
 public:
  Ranker(const Tournament& tournament, const std::vector<TieBreak>& list, FideStandings& out)
      : tournament_(tournament), list_(list), out_(out) {}

  // Ranks `group`, equal so far, from list entry `entry` on and appends it to the order.
  void Rank(std::vector<int> group, size_t entry) {
    if (group.size() == 1 || entry == list_.size()) {
      std::sort(group.begin(), group.end());
      const int first = static_cast<int>(out_.order.size()) + 1;
      const int last = first + static_cast<int>(group.size()) - 1;
      for (int player : group) {
        out_.order.push_back(player);
        out_.first_place[static_cast<size_t>(player)] = first;
        out_.last_place[static_cast<size_t>(player)] = last;
      }
      return;
    }
    const TieBreak& tie_break = list_[entry];
    std::vector<std::optional<Value>>& values = out_.values[entry];
    bool lower_first = LowerRanksHigher(tie_break);
    if (tie_break.code == Code::kDE) {
      const std::vector<int> positions = DirectEncounter(tournament_, group, tie_break.played);
      for (size_t k = 0; k < group.size(); ++k) values[static_cast<size_t>(group[k])] = Value::Whole(positions[k]);
      lower_first = true;
    }
    std::stable_sort(group.begin(), group.end(), [&](int a, int b) {
      const Value& va = *values[static_cast<size_t>(a)];
      const Value& vb = *values[static_cast<size_t>(b)];
      return lower_first ? va < vb : vb < va;
    });
    for (size_t start = 0; start < group.size();) {
      size_t end = start;
      while (end < group.size() && *values[static_cast<size_t>(group[end])] == *values[static_cast<size_t>(group[start])]) ++end;
      Rank(std::vector<int>(group.begin() + static_cast<long>(start), group.begin() + static_cast<long>(end)), entry + 1);
      start = end;
    }
  }

 private:
  const Tournament& tournament_;
  const std::vector<TieBreak>& list_;
  FideStandings& out_;
};

}  // namespace

FideStandings RankPlayers(const Tournament& tournament, const std::vector<TieBreak>& list) {
  const size_t count = tournament.players.size();
  FideStandings out;
  out.points.assign(count, 0);
  for (size_t p = 0; p < count; ++p) {
    for (const RoundResult& r : tournament.players[p].rounds) out.points[p] += r.points;
  }
  const std::vector<std::vector<Value>> computed = ComputeTieBreaks(tournament, list);
  out.values.assign(list.size(), std::vector<std::optional<Value>>(count));
  for (size_t entry = 0; entry < list.size(); ++entry) {
    for (size_t p = 0; p < computed[entry].size(); ++p) out.values[entry][p] = computed[entry][p];
  }
  out.first_place.assign(count, 0);
  out.last_place.assign(count, 0);

  std::vector<int> by_points(count);
  for (size_t p = 0; p < count; ++p) by_points[p] = static_cast<int>(p);
  std::stable_sort(by_points.begin(), by_points.end(),
                   [&](int a, int b) { return out.points[static_cast<size_t>(a)] > out.points[static_cast<size_t>(b)]; });
  Ranker ranker(tournament, list, out);
  for (size_t start = 0; start < count;) {
    size_t end = start;
    while (end < count && out.points[static_cast<size_t>(by_points[end])] == out.points[static_cast<size_t>(by_points[start])]) ++end;
    ranker.Rank(std::vector<int>(by_points.begin() + static_cast<long>(start), by_points.begin() + static_cast<long>(end)), 0);
    start = end;
  }
  return out;
}

}  // namespace movarel::tiebreaks
