#pragma once
// The rows a grid shows: the records of the table open under the grid's alias, in the
// table's controlling order, deleted records hidden per the workspace setting. Backends
// draw from this; the table's position is restored afterwards.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/status.h"

namespace movarel::storage {
class Workspace;
}

namespace movarel::ui {

class Control;

struct GridRow {
  uint32_t recno = 0;
  std::vector<std::string> cells;  // one per column, Windows-1252 as shown
};

// Cell texts: C fields with trailing blanks cut, a DOS program's code page 850 text shown as
// Windows-1252 (ui/dos_text.h), N by the field's width and
// decimals trimmed, D as "dd-mm-yyyy" (blank when empty), L as the column's pictures when
// it has them, else "T"/"F". An alias that is not open gives no rows.
std::vector<GridRow> ReadGridRows(const Control& grid, storage::Workspace& workspace);

// The in-place edit a grid does without a hook: read `text` by the field's rules
// (storage/typed_value.h), go to `recno`, lock it, write the value, unlock, and go back.
// Text the field cannot hold, a refused lock or a column that is not a field returns the
// error, naming the table, record and field, and changes nothing.
storage::Status ApplyGridEdit(const Control& grid, storage::Workspace& workspace, uint32_t recno,
                              int column, const std::string& text);

}  // namespace movarel::ui
