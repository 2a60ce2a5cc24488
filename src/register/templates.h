#pragma once
// The templates folder "zd" under the start folder is the program's own data: the template
// tables new tournament files are made from, the rating-difference table, the default
// standings-column table and the prize help page.

#include <string>

#include "storage/status.h"

namespace movarel::registry {

// Writes the whole templates folder into `dir` (created when missing; existing files are
// replaced): torneos.mod, cuadrow.mod, ronda.mod, premios.mod (no prizes), desempsw.mod (one
// record per computed tie-break), basejugs.mod, ZdFIDE.mod, ZdFEDA.mod, ZdFVA.mod,
// ZdFVANue.mod, t14.dbf with its index t14d.ntx, cclas.dbf (the 16 standings columns) and
// Ayuda_Premios.html. The player database itself is not written: it is made on first use.
storage::Status MakeTemplates(const std::string& dir);

}  // namespace movarel::registry
