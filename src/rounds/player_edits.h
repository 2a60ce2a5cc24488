#pragma once
// Adding and deleting players in the player table ("btnHTNuevo" and "btnHTBorr" of the player
// grid). The register's N_JUGS follows each change at once.

#include "register/working_state.h"

namespace movarel::ui {
class Control;
}

namespace movarel::rounds {

// NUEVOJUGCUADRO: refuses, with a message, a player beyond what NUM (three digits: 999)
// or the register's N_JUGS can count; otherwise appends a blank player (its number for pairing is its record number; NUM
// stays 0 until typed or until the next seeding rebuild), adds 1 to N_JUGS and, when N_JUGS is
// now odd, adds a board to every round table with its closing message. `brwCuadro`, when
// given, is put on the new record and refreshed.
void NUEVOJUGCUADRO(registry::WorkingState& state, ui::Control* brwCuadro);

// BORRJUGCUADRO: asks, titled "Atención", whether to delete the player selected in
// `brwCuadro` (the current record of `cuadro` without a grid); on Yes removes the record
// physically, so every later player's record number drops by one, puts the grid on record 1
// and subtracts 1 from N_JUGS. NUM, round tables and per-round fields are not renumbered:
// the question advises marking withdrawals (BAJA) once pairings exist.
void BORRJUGCUADRO(registry::WorkingState& state, ui::Control* brwCuadro);

}  // namespace movarel::rounds
