#include "ui/grid_rows.h"

#include "storage/table.h"
#include "storage/typed_value.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/control.h"
#include "ui/dos_text.h"

namespace movarel::ui {

namespace {

std::string CellText(const GridColumn& column, storage::Table& table) {
  if (column.field.empty()) return column.expression ? column.expression(table) : std::string();
  int index = table.layout().Find(column.field);
  if (index < 0) return std::string();
  const storage::FieldDef& field = table.fields()[index];
  storage::Value value = table.Get(index);
  switch (field.type) {
    case 'N':
      return std::string(storage::AllTrim(storage::Str(std::get<double>(value), field.length, field.decimals)));
    case 'D': {
      storage::Date date = std::get<storage::Date>(value);
      return date.empty() ? std::string() : storage::Dtoc(date);
    }
    case 'L': {
      bool on = std::get<bool>(value);
      if (!column.picture_true.empty() || !column.picture_false.empty()) {
        return on ? column.picture_true : column.picture_false;
      }
      return on ? "T" : "F";
    }
    default:
      // Shown only: an edit writes what is typed, a cell left alone keeps its stored bytes.
      return DosTextAsCp1252(storage::RTrim(std::get<std::string>(value)));
  }
}

// Puts the table back where the caller had it, whatever the grid did.
class KeepPosition {
 public:
  explicit KeepPosition(storage::Table& table) : table_(table), recno_(table.RecNo()) {}
  ~KeepPosition() { table_.GoTo(recno_); }

 private:
  storage::Table& table_;
  uint32_t recno_;
};

}  // namespace

std::vector<GridRow> ReadGridRows(const Control& grid, storage::Workspace& workspace) {
  std::vector<GridRow> rows;
  storage::Table* table = workspace.Find(grid.alias());
  if (table == nullptr) return rows;
  KeepPosition keep(*table);
  for (table->GoTop(); !table->Eof(); table->Skip()) {
    GridRow row;
    row.recno = table->RecNo();
    for (const GridColumn& column : grid.columns()) row.cells.push_back(CellText(column, *table));
    rows.push_back(std::move(row));
  }
  return rows;
}

storage::Status ApplyGridEdit(const Control& grid, storage::Workspace& workspace, uint32_t recno, int column,
                              const std::string& text) {
  storage::Table* table = workspace.Find(grid.alias());
  if (table == nullptr) return storage::Status::NotFound("no table is open under the alias " + grid.alias());
  if (column < 1 || column > static_cast<int>(grid.columns().size())) {
    return storage::Status::InvalidArgument("grid " + grid.name() + " has no column " + std::to_string(column));
  }
  const GridColumn& col = grid.columns()[column - 1];
  int index = col.field.empty() ? -1 : table->layout().Find(col.field);
  if (index < 0) {
    return storage::Status::InvalidArgument("column " + col.header + " of grid " + grid.name() + " is not a field");
  }
  const storage::FieldDef& field = table->fields()[index];
  const storage::Result<storage::Value> value = storage::ReadTypedValue(field, text);
  if (!value.ok()) {
    return value.status().WithContext(table->path() + ", registro " + std::to_string(recno) + ", " + field.name);
  }
  KeepPosition keep(*table);
  table->GoTo(recno);
  if (table->Eof()) return storage::Status::NotFound(table->path() + ": no record " + std::to_string(recno));
  if (table->mode() != storage::OpenMode::kExclusive && !table->RLock()) {
    return storage::Status::Locked(table->path() + ": record " + std::to_string(recno) + " is locked");
  }
  storage::Status status = table->Put(field.name, value.value());
  if (table->mode() != storage::OpenMode::kExclusive) table->Unlock();
  return status;
}

}  // namespace movarel::ui
