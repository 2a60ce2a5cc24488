#pragma once
// The prize browser "FrmHPr" (menu "&Hojear premios"): the prizes in a grid, sorted by name
// or by amount with a click on the column header, and the buttons that add one prize or a
// numbered series of one type, edit, delete, and undo a distribution; its own menu makes
// every prize cumulative or non-cumulative. Every change is written to the prize table at
// once; the table is open from the window's opening to its closing.

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Form;
class Ui;
}  // namespace movarel::ui

namespace movarel::prizes {

void HOJEARPREMIOS(registry::WorkingState& state, ui::Ui& ui);

// The buttons of the browser `frm`; the prize table is open under `premios`.
void NUEVOPR(registry::WorkingState& state, ui::Form& frm);
void NUEVOSPR(registry::WorkingState& state, ui::Form& frm);
void EDITARPR(registry::WorkingState& state, ui::Form& frm);
void BORRARPR(registry::WorkingState& state, ui::Form& frm);
void QUITAPRS(registry::WorkingState& state, ui::Form& frm);
void PONPRACUM(registry::WorkingState& state, ui::Form& frm, bool cumulative);
// Sorts the grid by the order named (the name or the amount order).
void CLICABPR(registry::WorkingState& state, ui::Form& frm, const std::string& order);

// FPRNSOK without the dialog: appends `count` prizes of type `type` (1-based in kPrizeTypes)
// named "1. Premio", "2. Premio" ... (the general type is written "Premio"), with its code
// and the cumulative flag; amount and order stay empty. A prize that cannot be added is
// reported and the series goes on.
void FPRNSOK(registry::WorkingState& state, storage::Table& premios, int type, int count, bool cumulative);

// QUITA1PR: clears the winner's fields of the current prize.
storage::Status QUITA1PR(storage::Table& premios);

}  // namespace movarel::prizes
