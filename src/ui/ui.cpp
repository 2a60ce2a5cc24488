#include "ui/ui.h"

#include <algorithm>
#include <cassert>

#include "ui/form.h"
#include "ui/names.h"
#include "ui/run_time_error.h"

namespace movarel::ui {

Ui::Ui(Backend& backend, storage::Workspace& workspace) : backend_(&backend), workspace_(&workspace) {}

void Ui::Activate(Form& form) {
  assert(FindForm(form.name()) == nullptr && "a form name is defined again only after its release");
  form.shown_ = true;
  shown_.push_back(&form);
  // Unregister however the loop ends (a script that stops early unwinds through here).
  struct Unregister {
    Ui* ui;
    Form* form;
    ~Unregister() {
      form->shown_ = false;
      auto it = std::find(ui->shown_.begin(), ui->shown_.end(), form);
      if (it != ui->shown_.end()) ui->shown_.erase(it);
    }
  } unregister{this, &form};
  if (form.kind() == FormKind::kMain) {
    backend_->RunMain(form);
  } else {
    backend_->RunModal(form);
  }
}

Form* Ui::FindForm(std::string_view name) const {
  for (Form* form : shown_) {
    if (SameName(form->name(), name)) return form;
  }
  return nullptr;
}

Form* Ui::ActiveForm() const { return shown_.empty() ? nullptr : shown_.back(); }

Form* Ui::MainForm() const {
  for (Form* form : shown_) {
    if (form->kind() == FormKind::kMain) return form;
  }
  return nullptr;
}

Form& Ui::Require(std::string_view name) const {
  Form* form = FindForm(name);
  if (form == nullptr) {
    RunTimeError error;
    error.subsystem = "FORMS";
    error.description = "Window not defined";
    error.operation = std::string(name);
    FatalError(error);
  }
  return *form;
}

storage::Value Ui::GetProperty(std::string_view form, std::string_view control, std::string_view property,
                               int index) const {
  return Require(form).Get(control, property, index);
}

void Ui::SetProperty(std::string_view form, std::string_view control, std::string_view property,
                     const storage::Value& value, int index) {
  Require(form).Set(control, property, value, index);
}

void Ui::CallMethod(std::string_view form, std::string_view control, std::string_view method) {
  Require(form).Call(control, method);
}

}  // namespace movarel::ui
