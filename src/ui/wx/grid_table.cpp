#include "ui/wx/grid_table.h"

#include "ui/control.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

GridTable::GridTable(const Control& control, storage::Workspace& workspace)
    : control_(&control), workspace_(&workspace), rows_(ReadGridRows(control, workspace)) {}

void GridTable::Reload() {
  const int before = static_cast<int>(rows_.size());
  rows_ = ReadGridRows(*control_, *workspace_);
  const int after = static_cast<int>(rows_.size());
  wxGrid* grid = GetView();
  if (grid == nullptr) return;
  if (after > before) {
    wxGridTableMessage message(this, wxGRIDTABLE_NOTIFY_ROWS_APPENDED, after - before);
    grid->ProcessTableMessage(message);
  } else if (after < before) {
    wxGridTableMessage message(this, wxGRIDTABLE_NOTIFY_ROWS_DELETED, after, before - after);
    grid->ProcessTableMessage(message);
  }
  grid->ForceRefresh();
}

int GridTable::RowOfRecno(uint32_t recno) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].recno == recno) return static_cast<int>(i);
  }
  return -1;
}

uint32_t GridTable::RecnoOfRow(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return 0;
  return rows_[row].recno;
}

bool GridTable::IsPictureColumn(int col) const {
  const auto& columns = control_->columns();
  if (col < 0 || col >= static_cast<int>(columns.size())) return false;
  return !columns[col].picture_true.empty() || !columns[col].picture_false.empty();
}

int GridTable::GetNumberRows() { return static_cast<int>(rows_.size()); }

int GridTable::GetNumberCols() { return static_cast<int>(control_->columns().size()); }

wxString GridTable::GetValue(int row, int col) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return wxString();
  const std::vector<std::string>& cells = rows_[row].cells;
  if (col < 0 || col >= static_cast<int>(cells.size())) return wxString();
  if (IsPictureColumn(col)) {
    // The tick-box renderer reads "1" as ticked.
    return cells[col] == control_->columns()[col].picture_true ? wxString("1") : wxString();
  }
  return ToWx(cells[col]);
}

bool GridTable::IsEmptyCell(int row, int col) { return GetValue(row, col).empty(); }

wxString GridTable::GetColLabelValue(int col) {
  const auto& columns = control_->columns();
  if (col < 0 || col >= static_cast<int>(columns.size())) return wxString();
  return ToWx(columns[col].header);
}

}  // namespace movarel::ui
