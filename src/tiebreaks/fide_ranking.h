#pragma once
// The standings by points and an ordered list of FIDE tie-breaks, with places shared by the
// players whom points and every tie-break leave equal.

#include <optional>
#include <vector>

#include "tiebreaks/tie_break_list.h"
#include "tiebreaks/tournament.h"
#include "tiebreaks/value.h"

namespace movarel::tiebreaks {

struct FideStandings {
  std::vector<int> points;  // half-points, by pairing number - 1
  // [list entry][player]: the value, or nothing for a DE that was not applied to the player
  // (he was not tied when the list reached it).
  std::vector<std::vector<std::optional<Value>>> values;
  std::vector<int> order;        // players (pairing number - 1), best first; equals by pairing number
  std::vector<int> first_place;  // by player: the place, 1-based
  std::vector<int> last_place;   // by player: the last place of the players sharing it
};

// Ranks the players of `tournament` by points, then by each tie-break of `list` in turn (DE
// on each group still tied when it is reached).
FideStandings RankPlayers(const Tournament& tournament, const std::vector<TieBreak>& list);

}  // namespace movarel::tiebreaks
