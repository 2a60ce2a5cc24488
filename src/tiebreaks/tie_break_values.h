#pragma once
// Every tie-break that belongs to a player alone (all but DE, which depends on the tied
// group it is applied to; see direct_encounter.h), for every player of a tournament.

#include <vector>

#include "tiebreaks/tie_break_list.h"
#include "tiebreaks/tournament.h"
#include "tiebreaks/value.h"

namespace movarel::tiebreaks {

// One value per player, by pairing number - 1. `tie_break` must not be DE.
std::vector<Value> ComputeTieBreak(const Tournament& tournament, const TieBreak& tie_break);

// The same for a whole list, sharing the work the tie-breaks have in common; the entry of a
// DE is left empty.
std::vector<std::vector<Value>> ComputeTieBreaks(const Tournament& tournament, const std::vector<TieBreak>& list);

// Decimals with which the standings print a tie-break (BH, FB, PS one; SB, AOB two; the
// counts and ratings none).
int DisplayDecimals(Code code);

}  // namespace movarel::tiebreaks
