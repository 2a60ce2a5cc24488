#pragma once
// The seeding order page ("Orden de fuerza"): every player of the table, withdrawn ones
// included, in the table's current order with the three ratings. Nothing is locked or
// recomputed.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

std::string CABECERAOF();                             // the column header
std::string PROCLINOF(const storage::Table& cuadro);  // the line of the current player

// Writes the page named `page_name` in the tournament's folder from the open `cuadro` and
// `torneos`. Returns false when the page could not be saved (a stop box naming the file was
// shown and the page is not opened); otherwise the browser rule applies with
// `open_afterwards`.
bool LISHTMOF(registry::WorkingState& state, const std::string& page_name, bool open_afterwards);

}  // namespace movarel::reports
