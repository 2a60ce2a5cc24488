#pragma once
// The prize list (menus "HTML - &Premios" and "&Listado HTML de los premios"): every prize in
// the order of categories and names, with its winner once the prizes are handed out, a rule
// opening each category.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

std::string CABECERAPR();

// The line of the current prize: name, code, amount (blank when 0), "Sí"/"No" cumulative,
// winner, his points and place, and the categories he could win.
std::string PROCLINPR(const storage::Table& premios);

// Writes the page `page_name` ".htm" in the tournament folder, creating the prize table
// when the tournament has none, and opens it under the browser rule. A prize table or page
// that cannot be written gets a stop box; returns whether the page was written.
bool LISHTMPR(registry::WorkingState& state, const std::string& page_name);

}  // namespace movarel::reports
