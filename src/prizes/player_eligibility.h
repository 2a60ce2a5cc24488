#pragma once
// Which category prizes each player may win: the grid "FrmHCPr" over the player table, where
// the list PREMIOS of each player is typed in place, and the button that adds every player's
// rating class to it.

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::prizes {

void EDITARCUADROPREMIOS(registry::WorkingState& state, ui::Ui& ui);

// PONCATPR1 for the current player: a class "p", "P", "1", "2" or "3" in CAT that PREMIOS
// does not hold yet (exact case) is appended to PREMIOS trimmed ("jl" of a class "P" player
// becomes "jlP"). Any other class leaves the record alone.
storage::Status PONCATPR1(storage::Table& cuadro);

// PONCATPR: PONCATPR1 for every player under a lock of the whole player table; a refused
// lock gets its message and changes nothing.
void PONCATPR(registry::WorkingState& state);

}  // namespace movarel::prizes
