#pragma once
// Whether the player table holds the pairing of a round as its round table gives it: what
// confirming the pairing writes (opponent R<n>J, colour R<n>C) compared with the boards.
// Results may only be confirmed over a confirmed pairing, and a confirmed pairing that the
// arbiter only looked at needs no second confirmation.

#include <string>
#include <vector>

#include "register/working_state.h"

namespace movarel::rounds {

// The round table of round `round` is open under `ronda`, the player table under `cuadro`;
// both are left on other records.
//
// The boards with a White player whose players the player table does not pair with each
// other in `round` (White with Black's number and "B", or with 0 and "D" for the bye; Black
// with White's number and "N"; colours in either case, as the DOS program writes "b" and
// "n"), as "mesa 2 (2-5)" or "mesa 5 (7 descansa)". A number that is no player is never
// paired.
std::vector<std::string> UnconfirmedBoards(registry::WorkingState& state, int round);

// Whether confirming the pairing of `round` now would write what the player table already
// holds: every board paired (UnconfirmedBoards is empty) and every player on no board with
// no opponent and no colour in the round.
bool PairingConfirmed(registry::WorkingState& state, int round);

}  // namespace movarel::rounds
