#pragma once
// The Result tag of a game, from a board's result code or from one player's points.

#include <string>
#include <string_view>

namespace movarel::pgn {

// From RDO of a round table (" 1-0 ", "i0-1 ", " \xBD-\xBD " ...): a draw in any of its
// stored forms gives "1/2-1/2" (0xBD written here, 0xAB by the DOS program and by imported
// rounds, and the DOS program's " 1/2 "); any other code gives its characters 2 to 4
// without blanks ("i0-0i" gives "0-0"); a board without result gives "".
std::string BoardResult(std::string_view rdo);

// From the chosen player's RnP in the one-player export: a half point (0xBD or 0xAB) gives
// "1/2-1/2"; "1" is a win and anything else a loss for that player, seen from White. A game
// without a result yet (blank points) gives "" as in the round export, not a loss.
std::string PlayerResult(std::string_view points, bool player_had_white);

}  // namespace movarel::pgn
