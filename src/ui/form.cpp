#include "ui/form.h"

#include <utility>

#include "ui/names.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::ui {

namespace {

MenuItem* FindByName(const std::vector<std::unique_ptr<MenuItem>>& items, std::string_view name) {
  for (const auto& item : items) {
    if (!item->name().empty() && SameName(item->name(), name)) return item.get();
    if (MenuItem* found = FindByName(item->children(), name)) return found;
  }
  return nullptr;
}

[[noreturn]] void UnknownName(const std::string& form, std::string_view what, std::string_view name) {
  RunTimeError error;
  error.subsystem = "FORMS";
  error.description = std::string(what) + " not defined";
  error.operation = form + "." + std::string(name);
  FatalError(error);
}

}  // namespace

Form::Form(Ui& ui, std::string name, FormKind kind) : ui_(&ui), name_(std::move(name)), kind_(kind) {}

Form::~Form() = default;

Form& Form::Caption(std::string caption) {
  caption_ = std::move(caption);
  NotifyForm(Property::kCaption);
  return *this;
}

Form& Form::At(int row, int col) {
  row_ = row;
  col_ = col;
  NotifyForm(Property::kRow);
  NotifyForm(Property::kCol);
  return *this;
}

Form& Form::Size(int width, int height) {
  width_ = width;
  height_ = height;
  NotifyForm(Property::kWidth);
  NotifyForm(Property::kHeight);
  return *this;
}

Form& Form::Icon(std::string name) {
  icon_ = std::move(name);
  return *this;
}

Form& Form::OnInit(Action action) {
  on_init_ = std::move(action);
  return *this;
}

Form& Form::OnRelease(Action action) {
  on_release_ = std::move(action);
  return *this;
}

Control& Form::Add(ControlKind kind, std::string name) {
  controls_.push_back(std::make_unique<Control>(this, kind, std::move(name)));
  Control& control = *controls_.back();
  if (shown_ && !released_) {
    ui_->backend().Reflect(*this, {Change::Kind::kControlAdded, Property::kValue, &control});
  }
  return control;
}

MenuItem& Form::AddPopup(std::string caption, std::string name) {
  menu_.push_back(std::make_unique<MenuItem>(this, MenuKind::kPopup, std::move(caption), std::move(name), nullptr));
  return *menu_.back();
}

Control* Form::Find(std::string_view control_name) const {
  for (const auto& control : controls_) {
    if (SameName(control->name(), control_name)) return control.get();
  }
  return nullptr;
}

MenuItem* Form::FindMenuItem(std::string_view item_name) const { return FindByName(menu_, item_name); }

MenuItem* Form::FindMenuPath(const std::vector<std::string>& captions) const {
  const std::vector<std::unique_ptr<MenuItem>>* level = &menu_;
  MenuItem* found = nullptr;
  for (const std::string& caption : captions) {
    found = nullptr;
    for (const auto& item : *level) {
      if (item->kind() != MenuKind::kSeparator && item->caption() == caption) {
        found = item.get();
        break;
      }
    }
    if (found == nullptr) return nullptr;
    level = &found->children();
  }
  return found;
}

storage::Value Form::Get(std::string_view control, std::string_view property, int index) const {
  std::optional<Property> p = ParseProperty(property);
  if (!p) UnknownName(name_, "Property", property);
  if (control.empty()) {
    switch (*p) {
      case Property::kCaption:
      case Property::kTitle: return caption_;
      case Property::kRow: return static_cast<double>(row_);
      case Property::kCol: return static_cast<double>(col_);
      case Property::kWidth: return static_cast<double>(width_);
      case Property::kHeight: return static_cast<double>(height_);
      case Property::kVisible: return visible_;
      case Property::kEnabled: return true;
      default: return std::string();
    }
  }
  if (Control* c = Find(control)) return c->Get(*p, index);
  if (MenuItem* item = FindMenuItem(control)) {
    if (*p == Property::kEnabled) return item->enabled();
    if (*p == Property::kCaption) return item->caption();
    return std::string();
  }
  UnknownName(name_, "Control", control);
}

void Form::Set(std::string_view control, std::string_view property, const storage::Value& value, int index) {
  std::optional<Property> p = ParseProperty(property);
  if (!p) UnknownName(name_, "Property", property);
  if (control.empty()) {
    auto number = [&] {
      if (auto* d = std::get_if<double>(&value)) return static_cast<int>(*d);
      return 0;
    };
    switch (*p) {
      case Property::kCaption:
      case Property::kTitle:
        if (auto* s = std::get_if<std::string>(&value)) Caption(*s);
        break;
      case Property::kRow: At(number(), col_); break;
      case Property::kCol: At(row_, number()); break;
      case Property::kWidth: Size(number(), height_); break;
      case Property::kHeight: Size(width_, number()); break;
      case Property::kVisible:
        if (auto* b = std::get_if<bool>(&value)) *b ? Show() : Hide();
        break;
      default: break;
    }
    return;
  }
  if (Control* c = Find(control)) {
    c->Set(*p, value, index);
    return;
  }
  if (MenuItem* item = FindMenuItem(control)) {
    if (*p == Property::kEnabled) {
      if (auto* b = std::get_if<bool>(&value)) item->SetEnabled(*b);
    } else if (*p == Property::kCaption) {
      if (auto* s = std::get_if<std::string>(&value)) item->SetCaption(*s);
    }
    return;
  }
  UnknownName(name_, "Control", control);
}

void Form::Call(std::string_view control, std::string_view method) {
  std::optional<Method> m = ParseMethod(method);
  if (!m) UnknownName(name_, "Method", method);
  if (!control.empty()) {
    Control* c = Find(control);
    if (c == nullptr) UnknownName(name_, "Control", control);
    c->Call(*m);
    return;
  }
  switch (*m) {
    case Method::kActivate: Activate(); break;
    case Method::kCenter: Center(); break;
    case Method::kRelease: Release(); break;
    case Method::kHide: Hide(); break;
    case Method::kShow: Show(); break;
    case Method::kRefresh:
    case Method::kSetFocus: break;
  }
}

void Form::Activate() { ui_->Activate(*this); }

void Form::Center() {
  centered_ = true;
  if (shown_ && !released_) ui_->backend().Reflect(*this, {Change::Kind::kCenter});
}

void Form::Release() {
  if (released_) return;
  released_ = true;
  if (on_release_) on_release_();
  if (shown_) ui_->backend().FormReleased(*this);
}

void Form::Hide() {
  visible_ = false;
  NotifyForm(Property::kVisible);
}

void Form::Show() {
  visible_ = true;
  NotifyForm(Property::kVisible);
}

void Form::UserClose() {
  // Interactive closing is off for the whole program: forms close only through their own
  // buttons or the exit command.
  ui_->dialogs().MsgStop("Operaci\xF3n no permitida", "");
}

void Form::RunInit() {
  if (init_done_) return;
  init_done_ = true;
  if (on_init_) on_init_();
}

void Form::NotifyControl(Control& control, Property property, int index) {
  if (shown_ && !released_) {
    ui_->backend().Reflect(*this, {Change::Kind::kControlProperty, property, &control, nullptr, index});
  }
}

void Form::NotifyMenuItem(MenuItem& item, Property property) {
  if (shown_ && !released_) {
    ui_->backend().Reflect(*this, {Change::Kind::kMenuItemProperty, property, nullptr, &item});
  }
}

void Form::NotifyForm(Property property) {
  if (shown_ && !released_) ui_->backend().Reflect(*this, {Change::Kind::kFormProperty, property});
}

}  // namespace movarel::ui
