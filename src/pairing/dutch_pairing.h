#pragma once
// The FIDE (Dutch) system, C.04.3 as applied from 1 July 2025: pairs one round.

#include <optional>
#include <string>

#include "pairing/round_input.h"

namespace movarel::pairing {

// Empty when the input is coherent; otherwise a sentence naming the player at fault: an
// opponent who does not name the player back, colours or results that do not fit, a colour on
// a bye, a repeated pairing number, limits exceeded.
std::string check_round_input(const RoundInput& input);

// What to tell the user when pair_round finds no pairing for `round`.
std::string no_pairing_sentence(int round);

// The pairing of input.round, or nullopt when no pairing satisfies the absolute criteria
// (C1-C3) with an eligible PAB receiver. The input must have passed check_round_input.
std::optional<RoundPairing> pair_round(const RoundInput& input);

}  // namespace movarel::pairing
