#include "ui/control.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <utility>

#include "storage/value.h"
#include "ui/form.h"
#include "ui/grid_rows.h"
#include "ui/ui.h"

namespace movarel::ui {

namespace {

std::string NumberText(double number) {
  if (std::floor(number) == number && std::fabs(number) < 1e15) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", number);
    return buf;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", number);
  return buf;
}

double AsNumber(const storage::Value& value) {
  if (auto* d = std::get_if<double>(&value)) return *d;
  if (auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  if (auto* s = std::get_if<std::string>(&value)) return storage::Val(*s);
  return 0;
}

std::string AsText(const storage::Value& value) {
  if (auto* s = std::get_if<std::string>(&value)) return *s;
  if (auto* d = std::get_if<double>(&value)) return NumberText(*d);
  if (auto* b = std::get_if<bool>(&value)) return *b ? ".T." : ".F.";
  if (auto* date = std::get_if<storage::Date>(&value)) return storage::Dtoc(*date);
  return "";
}

bool AsLogical(const storage::Value& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* d = std::get_if<double>(&value)) return *d != 0;
  if (auto* s = std::get_if<std::string>(&value)) {
    return *s == "true" || *s == ".T." || *s == "T" || *s == "1";
  }
  return false;
}

storage::Date AsDate(const storage::Value& value) {
  if (auto* date = std::get_if<storage::Date>(&value)) return *date;
  if (auto* s = std::get_if<std::string>(&value)) return storage::Ctod(*s);
  return {};
}

}  // namespace

Control::Control(Form* form, ControlKind kind, std::string name)
    : form_(form), kind_(kind), name_(std::move(name)) {
  switch (kind_) {
    case ControlKind::kCheckBox: value_ = false; break;
    case ControlKind::kDatePicker: value_ = storage::Date{}; break;
    case ControlKind::kComboBox:
    case ControlKind::kListBox:
    case ControlKind::kRadioGroup:
    case ControlKind::kGrid:
    case ControlKind::kTab: value_ = 0.0; break;
    default: value_ = std::string(); break;
  }
}

void Control::Changed(Property property, int index) { form_->NotifyControl(*this, property, index); }

Control& Control::At(int row, int col) {
  row_ = row;
  col_ = col;
  Changed(Property::kRow);
  Changed(Property::kCol);
  return *this;
}

Control& Control::Size(int width, int height) {
  width_ = width;
  height_ = height;
  Changed(Property::kWidth);
  Changed(Property::kHeight);
  return *this;
}

Control& Control::Caption(std::string text) {
  caption_ = std::move(text);
  Changed(Property::kCaption);
  return *this;
}

Control& Control::Tooltip(std::string text) {
  tooltip_ = std::move(text);
  Changed(Property::kTooltip);
  return *this;
}

Control& Control::Picture(std::string name) {
  picture_ = std::move(name);
  Changed(Property::kPicture);
  return *this;
}

Control& Control::Enabled(bool on) {
  enabled_ = on;
  Changed(Property::kEnabled);
  return *this;
}

Control& Control::Visible(bool on) {
  visible_ = on;
  Changed(Property::kVisible);
  return *this;
}

Control& Control::Items(std::vector<std::string> items) {
  items_ = std::move(items);
  Changed(Property::kItems);
  return *this;
}

Control& Control::ItemWidths(std::vector<int> widths) {
  item_widths_ = std::move(widths);
  Changed(Property::kItems);
  return *this;
}

Control& Control::Value(storage::Value value) {
  switch (kind_) {
    case ControlKind::kCheckBox: value_ = AsLogical(value); break;
    case ControlKind::kDatePicker: value_ = AsDate(value); break;
    case ControlKind::kComboBox:
    case ControlKind::kListBox:
    case ControlKind::kRadioGroup:
    case ControlKind::kGrid:
    case ControlKind::kTab: value_ = std::floor(AsNumber(value)); break;
    case ControlKind::kTextBox:
      switch (text_kind_) {
        case TextKind::kText: value_ = AsText(value); break;
        case TextKind::kNumber:
          // Typed text is kept as typed: the dialog reads it by its field's rules when it
          // saves, and refuses what the field cannot hold instead of storing VAL's reading.
          if (std::holds_alternative<std::string>(value)) {
            value_ = value;
          } else {
            value_ = AsNumber(value);
          }
          break;
        case TextKind::kDate: value_ = AsDate(value); break;
      }
      break;
    default: value_ = AsText(value); break;
  }
  Changed(Property::kValue);
  return *this;
}

Control& Control::Text(TextKind kind) {
  text_kind_ = kind;
  return Value(value_);
}

void Control::DefinitionOnly() const {
  assert(!form_->shown() && "a definition-only property set on a shown form");
}

Control& Control::MaxLength(int length) {
  DefinitionOnly();
  max_length_ = length;
  return *this;
}

Control& Control::InputMask(std::string mask) {
  DefinitionOnly();
  input_mask_ = std::move(mask);
  return *this;
}

Control& Control::ReadOnly(bool on) {
  read_only_ = on;
  Changed(Property::kEnabled);
  return *this;
}

Control& Control::Target(std::string url) {
  DefinitionOnly();
  target_ = std::move(url);
  return *this;
}

Control& Control::Font(std::string name, int size) {
  DefinitionOnly();
  font_name_ = std::move(name);
  font_size_ = size;
  return *this;
}

Control& Control::OnPage(std::string tab_name, int page) {
  DefinitionOnly();
  tab_name_ = std::move(tab_name);
  tab_page_ = page;
  return *this;
}

Control& Control::Alias(std::string alias) {
  DefinitionOnly();
  alias_ = std::move(alias);
  return *this;
}

Control& Control::Columns(std::vector<GridColumn> columns) {
  DefinitionOnly();
  columns_ = std::move(columns);
  return *this;
}

Control& Control::Editable(bool on) {
  DefinitionOnly();
  for (GridColumn& column : columns_) column.editable = on;
  return *this;
}

Control& Control::OnClick(Action action) {
  on_click_ = std::move(action);
  return *this;
}
Control& Control::OnChange(Action action) {
  on_change_ = std::move(action);
  return *this;
}
Control& Control::OnDoubleClick(Action action) {
  on_double_click_ = std::move(action);
  return *this;
}
Control& Control::OnHeaderClick(std::function<void(int)> action) {
  on_header_click_ = std::move(action);
  return *this;
}
Control& Control::OnEdit(EditHook hook) {
  on_edit_ = std::move(hook);
  return *this;
}

std::string Control::text() const { return AsText(value_); }
int Control::index() const { return static_cast<int>(AsNumber(value_)); }
bool Control::checked() const { return AsLogical(value_); }
storage::Date Control::date() const { return AsDate(value_); }
uint32_t Control::recno() const {
  double n = AsNumber(value_);
  return n > 0 ? static_cast<uint32_t>(n) : 0;
}

storage::Value Control::Get(Property property, int index) const {
  switch (property) {
    case Property::kValue: return value_;
    case Property::kEnabled: return enabled_;
    case Property::kVisible: return visible_;
    case Property::kCaption:
    case Property::kTitle: return caption_;
    case Property::kRow: return static_cast<double>(row_);
    case Property::kCol: return static_cast<double>(col_);
    case Property::kHeight: return static_cast<double>(height_);
    case Property::kWidth: return static_cast<double>(width_);
    case Property::kItem:
      if (index >= 1 && index <= static_cast<int>(items_.size())) return items_[index - 1];
      return std::string();
    case Property::kItemCount: return static_cast<double>(items_.size());
    case Property::kTooltip: return tooltip_;
    case Property::kPicture: return picture_;
    case Property::kItems: return std::string();
  }
  return std::string();
}

void Control::Set(Property property, const storage::Value& value, int index) {
  switch (property) {
    case Property::kValue: Value(value); break;
    case Property::kEnabled: Enabled(AsLogical(value)); break;
    case Property::kVisible: Visible(AsLogical(value)); break;
    case Property::kCaption:
    case Property::kTitle: Caption(AsText(value)); break;
    case Property::kRow: At(static_cast<int>(AsNumber(value)), col_); break;
    case Property::kCol: At(row_, static_cast<int>(AsNumber(value))); break;
    case Property::kHeight: Size(width_, static_cast<int>(AsNumber(value))); break;
    case Property::kWidth: Size(static_cast<int>(AsNumber(value)), height_); break;
    case Property::kItem:
      if (index >= 1 && index <= static_cast<int>(items_.size())) {
        items_[index - 1] = AsText(value);
        Changed(Property::kItem, index);
      }
      break;
    case Property::kTooltip: Tooltip(AsText(value)); break;
    case Property::kPicture: Picture(AsText(value)); break;
    case Property::kItemCount:
    case Property::kItems: break;  // read only
  }
}

void Control::Call(Method method) {
  switch (method) {
    case Method::kRefresh:
      if (form_->shown()) form_->ui().backend().Reflect(*form_, {Change::Kind::kGridRefresh, Property::kValue, this});
      break;
    case Method::kHide: Visible(false); break;
    case Method::kShow: Visible(true); break;
    case Method::kSetFocus:
      if (form_->shown()) form_->ui().backend().Reflect(*form_, {Change::Kind::kFocus, Property::kValue, this});
      break;
    case Method::kActivate:
    case Method::kCenter:
    case Method::kRelease: break;  // form methods
  }
}

void Control::UserSetValue(const storage::Value& value) {
  Value(value);
  if (on_change_) on_change_();
}

void Control::UserClick() {
  if (kind_ == ControlKind::kCheckBox) {
    UserSetValue(!checked());
    return;
  }
  if (on_click_) {
    on_click_();
  } else if (kind_ == ControlKind::kHyperlink && !target_.empty()) {
    form_->ui().dialogs().OpenDocument(target_);
  }
}

void Control::UserDoubleClick() {
  if (on_double_click_) on_double_click_();
}

void Control::UserHeaderClick(int column) {
  if (on_header_click_) on_header_click_(column);
}

void Control::UserEditCell(uint32_t recno, int column, const std::string& text) {
  if (on_edit_) {
    on_edit_(recno, column, text);
  } else {
    storage::Status status = ApplyGridEdit(*this, form_->ui().workspace(), recno, column, text);
    if (!status.ok()) {
      // The record may be held by the DOS program; the cell keeps its old value.
      form_->ui().dialogs().MsgExclamation("No se ha podido modificar el dato\r\n" + status.message(), "");
    }
  }
  Call(Method::kRefresh);
}

}  // namespace movarel::ui
