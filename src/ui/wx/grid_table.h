#pragma once
// The rows of a grid control as wxGrid reads them: a copy of ReadGridRows (ui/grid_rows.h)
// taken at creation and at each Refresh, so that drawing never moves the table's record
// pointer under a running operation.

#include <wx/grid.h>

#include <cstdint>
#include <vector>

#include "ui/grid_rows.h"

namespace movarel::storage {
class Workspace;
}

namespace movarel::ui {

class Control;

class GridTable : public wxGridTableBase {
 public:
  GridTable(const Control& control, storage::Workspace& workspace);

  // Re-reads the rows and tells the grid how many were added or removed.
  void Reload();

  int RowOfRecno(uint32_t recno) const;  // -1 when the record is not shown
  uint32_t RecnoOfRow(int row) const;    // 0 outside the rows
  // A logical column drawn as a tick box (it has pictures for its two values).
  bool IsPictureColumn(int col) const;

  int GetNumberRows() override;
  int GetNumberCols() override;
  wxString GetValue(int row, int col) override;
  // Edits never land here: the grid vetoes them and hands the text to the model.
  void SetValue(int, int, const wxString&) override {}
  bool IsEmptyCell(int row, int col) override;
  wxString GetColLabelValue(int col) override;

 private:
  const Control* control_;
  storage::Workspace* workspace_;
  std::vector<GridRow> rows_;
};

}  // namespace movarel::ui
