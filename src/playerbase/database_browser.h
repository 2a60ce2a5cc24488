#pragma once
// The player database browser "FrmHBase": the grid "brwBJugs" in name order, the search box
// that moves the selection as the name is typed, the new/edit/delete buttons, the copy of the
// selected player into the open tournament and the menus of the rating lists.

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
class Form;
}  // namespace movarel::ui

namespace movarel::playerbase {

// HOJEARBASEJUGS: opens the database (creating it when missing), shows the browser, and on
// release closes `bjugs` and selects `cuadro`.
void HOJEARBASEJUGS(registry::WorkingState& state, ui::Ui& ui);

// The browser's actions; `frm` is the shown browser.
void BUSCAR(registry::WorkingState& state, ui::Form& frm);
void NUEVOJUGBASE(registry::WorkingState& state, ui::Form& frm);
void EDITARJUGBASE(registry::WorkingState& state, ui::Form& frm);
void BORRARJUG(registry::WorkingState& state, ui::Form& frm);

}  // namespace movarel::playerbase
