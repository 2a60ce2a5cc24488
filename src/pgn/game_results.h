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

// From the chosen player's RnP in the one-player export, with the opponent's RnP of that
// round: a half point (0xBD or 0xAB) gives "1/2-1/2"; "1" is a win and anything else a loss
// for that player, seen from White. When both players lost (a double forfeit) or both won
// it gives "0-0" or "1-1", as the round export reads the board, so that neither player's
// file claims a win the other's does not. A game without a result yet (blank points) gives
// "" as in the round export, not a loss.
std::string PlayerResult(std::string_view points, std::string_view opponent_points, bool player_had_white);

// The PGN comment (without braces) of a game decided by forfeit, from its result as
// BoardResult or PlayerResult give it ("1-0": Black did not come, "0-0": neither did), so
// that a reader can tell it from a played game whose moves were not recorded.
std::string ForfeitComment(std::string_view result);

// True when a board's result code marks the game as decided by forfeit (an "i" anywhere, as
// result entry reads it).
bool IsForfeitCode(std::string_view rdo);

}  // namespace movarel::pgn
