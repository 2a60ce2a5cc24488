#pragma once
// Bringing a table of an older format up to the structure of its template: the player table
// of the DOS program (no SEXO field) and, elsewhere, the old prize table.

#include <string>

#include "storage/status.h"

namespace movarel::storage {
class Workspace;
}

namespace movarel::registry {

// Rewrites the closed table `table_path` with the structure of `template_path`:
//   1. an empty table `temp_path` with the template's structure;
//   2. every record of the old table appended into it, fields matched by name (missing
//      fields stay blank, zero or false; fields the template lacks are dropped);
//   3. `backup_path` deleted when present, the old table renamed to it;
//   4. the new table renamed to the old table's name (its spelling kept: CUOP.DBF stays so).
// Deleted records are copied with their mark, so record numbers (the players' starting
// numbers) do not move. Any failure leaves the old table in place under its name and no
// temporary table behind; the Status names the file concerned.
storage::Status UpgradeByTemplate(storage::Workspace& workspace, const std::string& table_path,
                                  const std::string& template_path, const std::string& temp_path,
                                  const std::string& backup_path);

}  // namespace movarel::registry
