#include <algorithm>
#include <map>
#include <set>

#include "pairing/bracket_pairing.h"
#include "pairing/colour_allocation.h"
#include "pairing/dutch_pairing.h"

namespace movarel::pairing {
namespace {

// Art. 5.1: without a drawn colour, the one the highest-ranked player paired in round 1 got.
Colour initial_colour_of(const RoundInput& input) {
  if (input.initial_colour != Colour::none) return input.initial_colour;
  int best = 0;
  Colour colour = Colour::none;
  for (const PlayerEntry& p : input.players) {
    if (p.rounds.empty() || p.rounds[0].opponent == 0 || p.rounds[0].colour == Colour::none)
      continue;
    if (best == 0 || p.number < best) {
      best = p.number;
      colour = p.rounds[0].colour;
    }
  }
  return colour == Colour::none ? Colour::white : colour;
}

RoundContext make_context(const RoundInput& input) {
  const std::vector<PlayerState> all = derive_player_states(input);
  RoundContext round;
  for (std::size_t i = 0; i < all.size(); ++i)
    if (input.players[i].plays) round.players.push_back(all[i]);
  std::sort(round.players.begin(), round.players.end(),
            [](const PlayerState& a, const PlayerState& b) {
              return a.score != b.score ? a.score > b.score : a.number < b.number;
            });
  const int n = round.size();
  std::vector<int> by_number(n);
  for (int i = 0; i < n; ++i) by_number[i] = i;
  std::sort(by_number.begin(), by_number.end(), [&](int a, int b) {
    return round.players[a].number < round.players[b].number;
  });
  round.position.assign(n, 0);
  for (int pos = 0; pos < n; ++pos) round.position[by_number[pos]] = pos + 1;
  round.initial_colour = initial_colour_of(input);
  round.odd = n % 2 == 1;

  std::set<std::pair<int, int>> forbidden;
  for (auto [a, b] : input.forbidden_pairs) forbidden.insert({std::min(a, b), std::max(a, b)});
  round.compatible_bits.assign((static_cast<std::size_t>(n) * n + 63) / 64, 0);
  for (int a = 0; a < n; ++a) {
    const PlayerState& pa = round.players[a];
    for (int b = a + 1; b < n; ++b) {
      const PlayerState& pb = round.players[b];
      // C1: no second game between the same players.
      if (std::binary_search(pa.opponents.begin(), pa.opponents.end(), pb.number)) continue;
      if (colours_forbid_pair(pa, pb)) continue;  // C3
      if (!forbidden.empty() &&
          forbidden.count({std::min(pa.number, pb.number), std::max(pa.number, pb.number)}))
        continue;
      round.set_compatible(a, b);
    }
  }
  return round;
}

// C5: the lowest score an eligible PAB receiver can have in some complete pairing (C4); false
// when no complete pairing exists at all.
bool settle_bye_score(RoundContext& round) {
  const int n = round.size();
  std::vector<int> everybody(n);
  for (int i = 0; i < n; ++i) everybody[i] = i;
  if (!round.odd) return has_complete_pairing(round, everybody, {});
  std::set<int> scores;
  for (const PlayerState& p : round.players)
    if (p.bye_eligible) scores.insert(p.score);
  for (int s : scores) {
    std::vector<bool> allowed(n);
    for (int i = 0; i < n; ++i)
      allowed[i] = round.players[i].bye_eligible && round.players[i].score == s;
    if (has_complete_pairing(round, everybody, allowed)) {
      round.bye_score = s;
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<RoundPairing> pair_round(const RoundInput& input) {
  RoundContext round = make_context(input);
  const int n = round.size();
  if (n == 0) return RoundPairing{};
  if (!settle_bye_score(round)) return std::nullopt;

  // Art. 1.8: bracket by bracket from the highest scoregroup down; each bracket's floaters are
  // the moved-down players of the next.
  std::vector<std::pair<int, int>> pairs;
  std::vector<int> moved_down;
  int start = 0;
  while (start < n) {
    int end = start;
    while (end < n && round.players[end].score == round.players[start].score) ++end;
    std::vector<int> residents, lower;
    for (int i = start; i < end; ++i) residents.push_back(i);
    for (int i = end; i < n; ++i) lower.push_back(i);
    std::optional<BracketOutcome> outcome = pair_bracket(round, moved_down, residents, lower);
    if (!outcome) return std::nullopt;
    pairs.insert(pairs.end(), outcome->pairs.begin(), outcome->pairs.end());
    moved_down = outcome->floaters;
    start = end;
  }
  if (moved_down.size() > (round.odd ? 1u : 0u)) return std::nullopt;

  // Board order: the higher-ranked player's score, the pair's score sum, then the higher-ranked
  // player's pairing number. Rank indices order by score, then number.
  for (auto& [a, b] : pairs)
    if (b < a) std::swap(a, b);
  std::sort(pairs.begin(), pairs.end(), [&](const auto& x, const auto& y) {
    const PlayerState &xa = round.players[x.first], &xb = round.players[x.second];
    const PlayerState &ya = round.players[y.first], &yb = round.players[y.second];
    if (xa.score != ya.score) return xa.score > ya.score;
    if (xa.score + xb.score != ya.score + yb.score) return xa.score + xb.score > ya.score + yb.score;
    return xa.number < ya.number;
  });
  RoundPairing result;
  for (auto [a, b] : pairs) {
    const PlayerState &higher = round.players[a], &lower = round.players[b];
    const Colour c = colour_of_higher(higher, lower, round.position[a], round.initial_colour);
    if (c == Colour::white)
      result.boards.push_back({higher.number, lower.number});
    else
      result.boards.push_back({lower.number, higher.number});
  }
  if (!moved_down.empty()) result.bye = round.players[moved_down.front()].number;
  return result;
}

}  // namespace movarel::pairing
