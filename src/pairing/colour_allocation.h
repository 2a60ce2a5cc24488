#pragma once
// Colour allocation for one pair (C.04.3 Art. 5.2) and the colour criteria built on it.

#include "pairing/player_state.h"

namespace movarel::pairing {

// Colour given to `higher`, the higher-ranked player of the pair (score, then pairing number).
// `higher_position` is higher's 1-based position among the players paired this round ordered by
// pairing number: rule 5.2.5 alternates on it (it equals the pairing number unless players above
// are left out of the round).
Colour colour_of_higher(const PlayerState& higher, const PlayerState& lower, int higher_position,
                        Colour initial_colour);

struct ColourCosts {
  int unmet_preferences = 0;  // C12
  int unmet_strong = 0;       // C13
  int beyond_two = 0;         // C10: topscorer pairs only
  int third_in_row = 0;       // C11: topscorer pairs only
};

ColourCosts colour_costs(const PlayerState& higher, const PlayerState& lower, int higher_position,
                         Colour initial_colour);

// C3: two non-topscorers with the same absolute preference may not meet.
bool colours_forbid_pair(const PlayerState& a, const PlayerState& b);

}  // namespace movarel::pairing
