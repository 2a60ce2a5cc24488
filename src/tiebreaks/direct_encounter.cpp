#include "tiebreaks/direct_encounter.h"

#include <algorithm>
#include <optional>

namespace movarel::tiebreaks {

namespace {

bool IsEncounter(RoundKind kind, bool forfeits_count) {
  if (kind == RoundKind::kPlayed) return true;
  return forfeits_count &&
         (kind == RoundKind::kForfeitWin || kind == RoundKind::kForfeitLoss || kind == RoundKind::kDoubleForfeit);
}

struct MiniTable {
  std::vector<int> points;              // half-points scored against the other members
  std::vector<std::vector<bool>> met;   // by position in the group
  bool all_met = true;
};

MiniTable BuildMiniTable(const Tournament& tournament, const std::vector<int>& group, bool forfeits_count) {
  const size_t n = group.size();
  MiniTable table{std::vector<int>(n, 0), std::vector<std::vector<bool>>(n, std::vector<bool>(n, false)), true};
  for (size_t i = 0; i < n; ++i) {
    for (const RoundResult& r : tournament.players[static_cast<size_t>(group[i])].rounds) {
      if (!IsEncounter(r.kind, forfeits_count)) continue;
      const auto other = std::find(group.begin(), group.end(), r.opponent - 1);
      if (other == group.end()) continue;
      table.points[i] += r.points;
      table.met[i][static_cast<size_t>(other - group.begin())] = true;
    }
  }
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) {
      if (i != j && !table.met[i][j]) table.all_met = false;
    }
  }
  return table;
}

std::vector<int> Subset(const std::vector<int>& group, const std::vector<size_t>& positions) {
  std::vector<int> members;
  for (size_t position : positions) members.push_back(group[position]);
  return members;
}

// Every pair met: rank by the mini-table, then each set of equal members among themselves.
std::vector<int> RankAllMet(const Tournament& tournament, const std::vector<int>& group, const MiniTable& table,
                            bool forfeits_count) {
  const size_t n = group.size();
  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return table.points[a] > table.points[b]; });
  std::vector<int> positions(n, 0);
  if (table.points[order.front()] == table.points[order.back()]) return positions;  // nobody separated
  for (size_t start = 0; start < n;) {
    size_t end = start;
    while (end < n && table.points[order[end]] == table.points[order[start]]) ++end;
    const std::vector<size_t> equal(order.begin() + static_cast<long>(start), order.begin() + static_cast<long>(end));
    std::vector<int> inner(equal.size(), 0);
    if (equal.size() > 1) inner = DirectEncounter(tournament, Subset(group, equal), forfeits_count);
    for (size_t k = 0; k < equal.size(); ++k) {
      positions[equal[k]] = static_cast<int>(start) + (inner[k] == 0 ? 1 : inner[k]);
    }
    start = end;
  }
  return positions;
}

}  // namespace

std::vector<int> DirectEncounter(const Tournament& tournament, const std::vector<int>& group, bool forfeits_count) {
  std::vector<int> positions(group.size(), 0);
  if (group.size() < 2) return positions;
  std::vector<size_t> rest(group.size());
  for (size_t i = 0; i < rest.size(); ++i) rest[i] = i;
  int next = 1;
  while (rest.size() > 1) {
    const std::vector<int> members = Subset(group, rest);
    const MiniTable table = BuildMiniTable(tournament, members, forfeits_count);
    if (table.all_met) {
      const std::vector<int> ranked = RankAllMet(tournament, members, table, forfeits_count);
      if (next == 1) return ranked;
      for (size_t k = 0; k < rest.size(); ++k) positions[rest[k]] = next - 1 + (ranked[k] == 0 ? 1 : ranked[k]);
      return positions;
    }
    // Some pairs did not meet: a member who met all the others and scored more than any
    // other could reach by winning every missing game is certainly first.
    std::optional<size_t> first;
    for (size_t i = 0; i < rest.size() && !first; ++i) {
      if (std::count(table.met[i].begin(), table.met[i].end(), true) != static_cast<long>(rest.size()) - 1) continue;
      bool certain = true;
      for (size_t j = 0; j < rest.size() && certain; ++j) {
        if (j == i) continue;
        const long missing = static_cast<long>(rest.size()) - 1 - std::count(table.met[j].begin(), table.met[j].end(), true);
        if (table.points[j] + 2 * missing >= table.points[i]) certain = false;
      }
      if (certain) first = i;
    }
    if (!first) break;
    positions[rest[*first]] = next++;
    rest.erase(rest.begin() + static_cast<long>(*first));
  }
  if (next > 1) {
    for (size_t k : rest) positions[k] = next;  // the members left share the next position
  }
  return positions;
}

}  // namespace movarel::tiebreaks
