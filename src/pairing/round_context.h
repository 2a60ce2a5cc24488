#pragma once
// The players of one round in rank order, with the facts every bracket consults: who may meet
// whom (C1, C3, forbidden pairs) and who may take the PAB (C2, C5).

#include <cstdint>
#include <vector>

#include "pairing/player_state.h"

namespace movarel::pairing {

struct RoundContext {
  // Players to pair, in rank order (Art. 1.2: score descending, then pairing number): index 0
  // is the highest ranked. Every index below refers to this order.
  std::vector<PlayerState> players;
  std::vector<int> position;  // 1-based position among the paired players by pairing number
  Colour initial_colour = Colour::white;
  bool odd = false;     // one player will receive the PAB
  int bye_score = 0;    // s*: the lowest score the PAB can go to (C5); meaningful when odd
  std::vector<std::uint64_t> compatible_bits;

  int size() const { return static_cast<int>(players.size()); }
  bool compatible(int a, int b) const {
    const std::size_t bit = static_cast<std::size_t>(a) * players.size() + b;
    return (compatible_bits[bit / 64] >> (bit % 64)) & 1;
  }
  void set_compatible(int a, int b) {
    for (std::size_t bit : {static_cast<std::size_t>(a) * players.size() + b,
                            static_cast<std::size_t>(b) * players.size() + a})
      compatible_bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  bool may_take_bye(int a) const {
    return odd && players[a].bye_eligible && players[a].score == bye_score;
  }
};

}  // namespace movarel::pairing
