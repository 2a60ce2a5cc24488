#pragma once
// Commands over the round tables and the register of the open tournament.

namespace movarel::registry {

struct WorkingState;

// Adds one blank board to every round table "r" + n + CCLAVE, n = 1..N_RONDAS of the
// register record; a missing round table is skipped. Says "Se ha añadido un registro a cada
// fichero de ronda" when every table took its board; a table held by another program is
// named instead, and the others still get theirs. Also run by the player table when an
// added player makes the count odd.
void ANAREGFRDAS(WorkingState& state);

// Rebuilds the indexes open on the register. It is opened without any, so nothing happens.
void ZDNTX(WorkingState& state);

}  // namespace movarel::registry
