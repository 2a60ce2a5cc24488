#pragma once
// What the Dutch rules need to know about a player before the round is paired, derived from
// the history: score, colour sequence and preference, floats, bye eligibility.

#include <vector>

#include "pairing/round_input.h"

namespace movarel::pairing {

// Strength order absolute > strong > mild > none (Art. 1.6).
enum class PreferenceStrength : unsigned char { none, mild, strong, absolute };

enum class FloatKind : unsigned char { none, down, up };

struct PlayerState {
  int number = 0;
  int score = 0;               // before the round being paired
  std::vector<Colour> colours;  // colours of played games only, in round order (C.04.2: unplayed
                                // rounds are left out of every colour question)
  int colour_difference = 0;    // whites minus blacks
  Colour preference = Colour::none;
  PreferenceStrength strength = PreferenceStrength::none;
  FloatKind float_last = FloatKind::none;       // round k-1
  FloatKind float_before_last = FloatKind::none;  // round k-2
  bool bye_eligible = true;  // C2
  int unplayed_rounds = 0;   // for C9
  bool topscorer = false;    // Art. 1.7: only in the last round
  std::vector<int> opponents;  // pairing numbers met over the board (sorted)
};

// State of every player of `input` (same order as input.players). The input must have passed
// check_round_input.
std::vector<PlayerState> derive_player_states(const RoundInput& input);

}  // namespace movarel::pairing
