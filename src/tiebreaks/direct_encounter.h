#pragma once
// Direct encounter (DE): separates the members of a tied group by the games they played
// against each other. It depends on the group, so it is computed when the ranking reaches it.

#include <vector>

#include "tiebreaks/tournament.h"

namespace movarel::tiebreaks {

// For the players `group` (pairing numbers - 1), the position each obtains inside the group:
// 1 for the first ... with members DE cannot tell apart sharing a position, and 0 for all
// when DE separates nobody. When every pair met, the mini-table of their games ranks them
// and members still equal are ranked again among themselves; when some pairs did not meet,
// only a member certain to be first whatever the missing games is placed, one after the
// other. Forfeits are encounters only with `forfeits_count` (/P).
std::vector<int> DirectEncounter(const Tournament& tournament, const std::vector<int>& group, bool forfeits_count);

}  // namespace movarel::tiebreaks
