#pragma once
// A named control of a form. One class serves every kind: the dialogs set what their kind
// uses and the backends draw from the same fields. Definition is fluent
//   form.AddComboBox("cbxRdas").At(10, 60).Size(100, 20).Items(rounds).OnChange(...);
// and the property setters, called before or after the form is shown, also tell the backend
// so the window follows the model. The definition-only setters (marked below) shape the
// window the backend builds and may not be called once the form is shown: nothing would
// redraw it, so they assert that. Texts are Windows-1252 bytes.
//
// The User*() members are what a backend calls when the user acts (a click, a typed
// value, the close box ...): they update the model and run the dialog's action, so both
// backends share one behaviour.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "storage/value.h"
#include "ui/property.h"

namespace movarel::storage {
class Table;
}

namespace movarel::ui {

class Form;

using Action = std::function<void()>;

enum class ControlKind {
  kLabel,
  kTextBox,
  kComboBox,
  kCheckBox,
  kRadioGroup,
  kDatePicker,
  kListBox,
  kFrame,          // a titled box; with height 1 (or width 1) the dialogs use it as a rule
  kGrid,           // "browse": rows of a table open under an alias
  kButton,
  kPictureButton,
  kHyperlink,
  kTab,            // tab pages; controls join a page with Control::OnPage
  kStatusBar,      // items are the texts, item_widths their widths
};

enum class TextKind { kText, kNumber, kDate };
enum class Alignment { kLeft, kRight, kCenter };

// One column of a grid. A column shows either a field of the table or the text a callable
// computes from the table positioned on the row ("Mesa" = the record number 3 wide).
struct GridColumn {
  std::string header;
  int width = 60;
  std::string field;                                       // field name, any case
  std::function<std::string(storage::Table&)> expression;  // used when `field` is empty
  Alignment alignment = Alignment::kLeft;
  bool editable = false;
  // Logical fields shown as pictures ("br_no", "br_ok"): false picture, true picture.
  std::string picture_false;
  std::string picture_true;

  // Builders: GridColumn::Field("Resultado", 70, "RDO").Editable(),
  // GridColumn::Computed("Mesa", 50, [](storage::Table& t) { return storage::Str(t.RecNo(), 3); }).
  static GridColumn Field(std::string header, int width, std::string field) {
    GridColumn column;
    column.header = std::move(header);
    column.width = width;
    column.field = std::move(field);
    return column;
  }
  static GridColumn Computed(std::string header, int width, std::function<std::string(storage::Table&)> expression) {
    GridColumn column;
    column.header = std::move(header);
    column.width = width;
    column.expression = std::move(expression);
    return column;
  }
  GridColumn& Align(Alignment value) {
    alignment = value;
    return *this;
  }
  GridColumn& Editable(bool on = true) {
    editable = on;
    return *this;
  }
  GridColumn& Pictures(std::string when_false, std::string when_true) {
    picture_false = std::move(when_false);
    picture_true = std::move(when_true);
    return *this;
  }
};

class Control {
 public:
  using EditHook = std::function<void(uint32_t recno, int column, const std::string& text)>;

  Control(Form* form, ControlKind kind, std::string name);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // --- Definition and property setters (notify the backend once shown, except the
  // definition-only ones, which assert the form is not shown yet). ---
  Control& At(int row, int col);
  Control& Size(int width, int height);
  Control& Caption(std::string text);   // label, button, check box, frame, hyperlink
  Control& Tooltip(std::string text);
  Control& Picture(std::string name);   // picture button
  Control& Enabled(bool on);
  Control& Visible(bool on);
  Control& Items(std::vector<std::string> items);  // combo, list, radio, tab pages, status bar
  Control& ItemWidths(std::vector<int> widths);    // status bar
  Control& Value(storage::Value value);            // see Property::kValue for each kind;
                                                   // a number box keeps typed text as text
  Control& Text(TextKind kind);                    // text box variant
  Control& MaxLength(int length);                  // definition only; text box; 0 = none
  Control& InputMask(std::string mask);            // definition only; text box ("99")
  Control& ReadOnly(bool on);                      // the backend applies it with the enabled state
  Control& Target(std::string url);                // definition only; hyperlink
  Control& Font(std::string name, int size);       // definition only
  Control& OnPage(std::string tab_name, int page);  // definition only; 1-based page of a kTab control
  // Grid definition (definition only).
  Control& Alias(std::string alias);
  Control& Columns(std::vector<GridColumn> columns);
  Control& Editable(bool on);  // every column editable in place

  // --- Actions. ---
  Control& OnClick(Action action);        // buttons, picture buttons, hyperlink (default: open target)
  Control& OnChange(Action action);       // text, combo, check, radio, date, list: the value changed
  Control& OnDoubleClick(Action action);  // grid, list box
  Control& OnHeaderClick(std::function<void(int column)> action);  // grid, 1-based column
  // In-place cell edit of a grid. Without a hook the model writes the field itself under a
  // record lock (see ApplyGridEdit in ui/grid_rows.h).
  Control& OnEdit(EditHook hook);

  // --- Reading. ---
  Form& form() const { return *form_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int row() const { return row_; }
  int col() const { return col_; }
  int width() const { return width_; }
  int height() const { return height_; }
  const std::string& caption() const { return caption_; }
  const std::string& tooltip() const { return tooltip_; }
  const std::string& picture() const { return picture_; }
  bool enabled() const { return enabled_; }
  bool visible() const { return visible_; }
  bool read_only() const { return read_only_; }
  const std::vector<std::string>& items() const { return items_; }
  const std::vector<int>& item_widths() const { return item_widths_; }
  const storage::Value& value() const { return value_; }
  TextKind text_kind() const { return text_kind_; }
  int max_length() const { return max_length_; }
  const std::string& input_mask() const { return input_mask_; }
  const std::string& target() const { return target_; }
  const std::string& font_name() const { return font_name_; }
  int font_size() const { return font_size_; }
  const std::string& tab_name() const { return tab_name_; }
  int tab_page() const { return tab_page_; }
  const std::string& alias() const { return alias_; }
  const std::vector<GridColumn>& columns() const { return columns_; }
  bool has_edit_hook() const { return static_cast<bool>(on_edit_); }

  // Typed views of Value: the text of a text box (a number or date converted the way
  // the text box shows it), the 1-based index of a list kind (0 none), the logical of a
  // check box, the record number of a grid.
  std::string text() const;
  int index() const;
  bool checked() const;
  storage::Date date() const;
  uint32_t recno() const;

  // Generic access by property (Item(n) uses `index`); an unsuitable property of this
  // kind is ignored on writes and reads as an empty text.
  storage::Value Get(Property property, int index = 0) const;
  void Set(Property property, const storage::Value& value, int index = 0);
  void Call(Method method);  // Refresh, hide, Show, SetFocus

  // --- What the user did (called by backends). ---
  void UserSetValue(const storage::Value& value);  // a typed text, picked item, ticked box ...
  void UserClick();
  void UserDoubleClick();
  void UserHeaderClick(int column);  // 1-based
  void UserEditCell(uint32_t recno, int column, const std::string& text);  // column 1-based

 private:
  void Changed(Property property, int index = 0);
  void DefinitionOnly() const;  // asserts the form is not shown yet

  Form* form_;
  ControlKind kind_;
  std::string name_;
  int row_ = 0, col_ = 0, width_ = 0, height_ = 0;
  std::string caption_, tooltip_, picture_;
  bool enabled_ = true, visible_ = true, read_only_ = false;
  std::vector<std::string> items_;
  std::vector<int> item_widths_;
  storage::Value value_;
  TextKind text_kind_ = TextKind::kText;
  int max_length_ = 0;
  std::string input_mask_;
  std::string target_;
  std::string font_name_;
  int font_size_ = 0;
  std::string tab_name_;
  int tab_page_ = 0;
  std::string alias_;
  std::vector<GridColumn> columns_;
  Action on_click_, on_change_, on_double_click_;
  std::function<void(int)> on_header_click_;
  EditHook on_edit_;
};

}  // namespace movarel::ui
