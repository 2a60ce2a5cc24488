#pragma once
// What a UI backend must do. Two implement it: the wx backend (real windows) and the
// script backend (answers from a script, events written to a transcript). The core never
// calls a backend directly: it defines forms through the model (ui/form.h) and the model
// forwards here.
//
// Loops: RunMain and RunModal show the form, call form.RunInit() once it is visible, and
// return when form.released() turns true (the model calls FormReleased at that moment so
// the backend can end its loop and close the window). A modal form's actions may activate
// another modal form: RunModal is then entered again from inside the outer one (nesting).

#include <string>

#include "ui/dialogs.h"
#include "ui/print_page.h"
#include "ui/property.h"

namespace movarel::ui {

class Form;
class Control;
class MenuItem;

// One change of the model that a shown window must follow.
struct Change {
  enum class Kind {
    kFormProperty,  // property of the form itself (Caption/Title, Row, Col, Width, Height, Visible)
    kControlProperty,
    kMenuItemProperty,  // Enabled or Caption of a menu item
    kControlAdded,      // a control defined after the form was shown
    kGridRefresh,       // re-read the grid's rows from its table
    kFocus,             // SetFocus of a control
    kCenter,            // the form asks to be centred on the screen
  };
  Kind kind;
  Property property = Property::kValue;
  Control* control = nullptr;
  MenuItem* menu_item = nullptr;
  int index = 0;  // Item(n)
};

class Backend : public Dialogs {
 public:
  ~Backend() override = default;

  virtual void RunMain(Form& form) = 0;
  virtual void RunModal(Form& form) = 0;
  // The form was released (its release action has run): end its loop, close its window.
  virtual void FormReleased(Form& form) = 0;
  // Called only for forms that are shown.
  virtual void Reflect(Form& form, const Change& change) = 0;
  // The print dialog of the result slips: the path of a PDF file to print into, or ""
  // when cancelled. A GUI may print to a real printer instead and return its own token.
  virtual std::string ChoosePrintTarget(const std::string& title) = 0;
  // Prints `document` on the system printer the print dialog chose (kSystemPrinterTarget),
  // through the GUI's preview. False when there is none (a headless run never offers one)
  // or it cannot be shown.
  virtual bool PrintOnSystemPrinter(const std::string& title, const PrintRecording& document) {
    (void)title;
    (void)document;
    return false;
  }
};

}  // namespace movarel::ui
