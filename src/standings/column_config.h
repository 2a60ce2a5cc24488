#pragma once
// CFGLISCLAS: the dialog "FrmCfgLC" that switches the columns of the standings and
// crosstable listings on and off. The switches are the 16 records of the table "cclas" of the
// tournament folder (one table for every tournament kept there); each double click writes at
// once, there is no save or cancel.

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::standings {

// CAMBIARDATOCLAS without the grid: goes to record `recno` of `cclas` and negates its SN.
// A record number outside the table changes nothing.
storage::Status CAMBIARDATOCLAS(storage::Table& cclas, uint32_t recno);

// Opens "cclas" of the current folder exclusively under `cclas`, shows the dialog and closes
// the table when it is released. A folder whose table is missing or held by another program
// gets a stop box naming the file, and no dialog.
void CFGLISCLAS(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::standings
