#pragma once
// The forms layer of the program: the backend in use, the table workspace that grids read,
// and the forms currently shown (the main window at the bottom, nested modal dialogs above
// it). One per program; operations reach dialogs and message boxes through dialogs().

#include <string_view>
#include <vector>

#include "storage/value.h"
#include "ui/backend.h"
#include "ui/dialogs.h"

namespace movarel::storage {
class Workspace;
}

namespace movarel::ui {

class Form;

class Ui {
 public:
  Ui(Backend& backend, storage::Workspace& workspace);
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  Backend& backend() { return *backend_; }
  Dialogs& dialogs() { return *backend_; }
  storage::Workspace& workspace() { return *workspace_; }

  // Shows `form`: registers its name, runs the backend's loop, unregisters it once
  // released. A name already in use by a shown form is a bug of the caller (asserted).
  void Activate(Form& form);

  // The shown form of that name (without regard to case), nullptr when none.
  Form* FindForm(std::string_view name) const;
  Form* ActiveForm() const;  // the innermost shown form
  Form* MainForm() const;
  const std::vector<Form*>& shown_forms() const { return shown_; }

  // The dialogs' by-name access: form name, control name ("" for the form itself),
  // property or method name. Unknown names are fatal run-time errors.
  storage::Value GetProperty(std::string_view form, std::string_view control, std::string_view property,
                             int index = 0) const;
  void SetProperty(std::string_view form, std::string_view control, std::string_view property,
                   const storage::Value& value, int index = 0);
  void CallMethod(std::string_view form, std::string_view control, std::string_view method);

 private:
  Form& Require(std::string_view name) const;

  Backend* backend_;
  storage::Workspace* workspace_;
  std::vector<Form*> shown_;
};

}  // namespace movarel::ui
