#pragma once
// The order in which categories of equal amount are handed out (menu "&Orden de reparto de
// los premios"): the dialog "FrmCfgCatPrs" lists the distinct category codes of the prize
// table (the general category as a blank item) in their current order; the arrows move
// them and "grabar" stamps position i as ORDEN "0i" on every prize of the category.
//
// While the dialog is open its work files lie in the tournament folder: "tmp.ntx" (a unique
// index of the prize table on ID_CATEGOR), the table "cats" (ORDEN, ID_CATEGOR, one record
// per category) and its index "cats.ntx" on ORDEN. They are removed when it closes, and on
// every failure before.

#include <string>
#include <vector>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::prizes {

void ORDENPREMIOS(registry::WorkingState& state, ui::Ui& ui);

// The moves, on the 1-based `selected` position; each returns the position to select
// afterwards and does nothing on the first item (up), the last (down) or no item.
int CATPRARRIBA(std::vector<std::string>& categories, int selected);
int CATPRABAJO(std::vector<std::string>& categories, int selected);

// FCATPRSOK without the dialog: every prize whose code, trimmed, equals item i trimmed (an
// exact comparison: a blank item is the general category) gets ORDEN i in two digits.
storage::Status FCATPRSOK(storage::Table& premios, const std::vector<std::string>& categories);

}  // namespace movarel::prizes
