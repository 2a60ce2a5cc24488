#pragma once
// Pairing one bracket (C.04.3 Art. 2): the earliest candidate, in the generation order of
// Art. 4, among those with the best value of criteria C4-C21.

#include <optional>
#include <utility>
#include <vector>

#include "pairing/round_context.h"

namespace movarel::pairing {

struct BracketOutcome {
  std::vector<std::pair<int, int>> pairs;  // rank indices, higher ranked first
  std::vector<int> floaters;               // rank indices, in rank order
};

// `mdps`: players moved down from above; `residents`: the scoregroup; `lower`: every player
// below, in rank order. Empty when no completion of the round exists.
std::optional<BracketOutcome> pair_bracket(const RoundContext& round, const std::vector<int>& mdps,
                                           const std::vector<int>& residents,
                                           const std::vector<int>& lower);

// Whether the players can all be paired, with one of them (when odd) left for the PAB and
// `bye_allowed` saying who may be left.
bool has_complete_pairing(const RoundContext& round, const std::vector<int>& players,
                          const std::vector<bool>& bye_allowed);

}  // namespace movarel::pairing
