#pragma once
// VERCUADRO: the player table dialog "FrmCuadro" ("Cuadro del Torneo"), one editable grid
// over `cuadro` with every field of the table, and the buttons to add and delete players and
// to fill FVA ratings and licences.

#include <vector>

#include "register/working_state.h"
#include "ui/control.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::rounds {

// The 111 columns of "brwCuadro" in order: identity fields editable, computed ones (points,
// place, rating change, per-round fields, tie-breaks) read-only, PREMIOS editable.
std::vector<ui::GridColumn> PlayerTableColumns();

// Shows the dialog over the open tournament's player table until "btnHTOk" releases it; the
// record lock of `cuadro` is released afterwards. Does nothing without an open player table.
void VERCUADRO(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::rounds
