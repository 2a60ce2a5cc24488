#pragma once
// A form: the main window or a modal dialog, with its named controls in definition order
// and, for the main window, the menu bar. The caller owns the Form (usually on the stack
// of the operation that shows it) and reads its controls after Activate returns; the name
// is registered with the Ui while the form is shown, so the same name can be defined again
// once the form is released.
//
//   Form frm(ui, "FrmElegRda", FormKind::kModal);
//   frm.Caption("Elegir ronda").Size(200, 200);
//   Control& cbx = frm.AddComboBox("cbxRdas").At(40, 60).Size(100, 20).Items(rounds);
//   frm.AddPictureButton("btnOk").At(frm.height() - 65, frm.width() - 40).Size(30, 25)
//      .Picture("ok").OnClick([&] { frm.Release(); });
//   frm.Center();
//   frm.Activate();  // returns once released
//   nrondasel = cbx.index();
//
// The close box never closes a form: UserClose() shows the stop box "Operación no
// permitida" with an empty title and the form stays.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/menu.h"
#include "ui/property.h"

namespace movarel::ui {

class Ui;

enum class FormKind { kMain, kModal };

class Form {
 public:
  Form(Ui& ui, std::string name, FormKind kind);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // --- Definition (each also works once shown). ---
  Form& Caption(std::string caption);
  Form& At(int row, int col);
  Form& Size(int width, int height);
  Form& Icon(std::string name);
  Form& OnInit(Action action);     // run once, after the window is first shown
  Form& OnRelease(Action action);  // run when the form is released, before it closes

  Control& Add(ControlKind kind, std::string name);
  Control& AddLabel(std::string name) { return Add(ControlKind::kLabel, std::move(name)); }
  Control& AddTextBox(std::string name) { return Add(ControlKind::kTextBox, std::move(name)); }
  Control& AddComboBox(std::string name) { return Add(ControlKind::kComboBox, std::move(name)); }
  Control& AddCheckBox(std::string name) { return Add(ControlKind::kCheckBox, std::move(name)); }
  Control& AddRadioGroup(std::string name) { return Add(ControlKind::kRadioGroup, std::move(name)); }
  Control& AddDatePicker(std::string name) { return Add(ControlKind::kDatePicker, std::move(name)); }
  Control& AddListBox(std::string name) { return Add(ControlKind::kListBox, std::move(name)); }
  Control& AddFrame(std::string name) { return Add(ControlKind::kFrame, std::move(name)); }
  Control& AddGrid(std::string name) { return Add(ControlKind::kGrid, std::move(name)); }
  Control& AddButton(std::string name) { return Add(ControlKind::kButton, std::move(name)); }
  Control& AddPictureButton(std::string name) { return Add(ControlKind::kPictureButton, std::move(name)); }
  Control& AddHyperlink(std::string name) { return Add(ControlKind::kHyperlink, std::move(name)); }
  Control& AddTab(std::string name) { return Add(ControlKind::kTab, std::move(name)); }
  Control& AddStatusBar(std::string name) { return Add(ControlKind::kStatusBar, std::move(name)); }
  // A top-level popup of the menu bar.
  MenuItem& AddPopup(std::string caption, std::string name = "");

  // --- Reading. ---
  Ui& ui() const { return *ui_; }
  const std::string& name() const { return name_; }
  FormKind kind() const { return kind_; }
  const std::string& caption() const { return caption_; }
  const std::string& icon() const { return icon_; }
  int row() const { return row_; }
  int col() const { return col_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool visible() const { return visible_; }
  bool centered() const { return centered_; }  // Center() was called: the backend centres it
  bool shown() const { return shown_; }        // between Activate and release
  bool released() const { return released_; }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<std::unique_ptr<MenuItem>>& menu() const { return menu_; }

  // Controls and menu items by name, without regard to case; nullptr when absent.
  Control* Find(std::string_view control_name) const;
  MenuItem* FindMenuItem(std::string_view item_name) const;
  // A menu item by its caption path ("&Torneo", "Crear &orden de fuerza de acuerdo a...",
  // "elo FVA"), captions compared exactly; nullptr when there is none.
  MenuItem* FindMenuPath(const std::vector<std::string>& captions) const;

  // Properties by name, for the form itself (empty control name), a control or a menu
  // item (Enabled, Caption). An unknown form, control or property is a fatal run-time
  // error, as it was for the dialogs written against names.
  storage::Value Get(std::string_view control, std::string_view property, int index = 0) const;
  void Set(std::string_view control, std::string_view property, const storage::Value& value,
           int index = 0);
  void Call(std::string_view control, std::string_view method);

  // --- Methods. ---
  void Activate();  // shows the form; a modal form returns once released
  void Center();
  void Release();   // runs the release action and closes; the main window ends the program
  void Hide();
  void Show();

  // --- What the user or the backend did. ---
  void UserClose();  // the close box or the window menu's close command
  void RunInit();    // the backend calls this once the window is first shown

  // The backend's hook, for setters of controls and menu items.
  void NotifyControl(Control& control, Property property, int index = 0);
  void NotifyMenuItem(MenuItem& item, Property property);

 private:
  friend class Ui;
  void NotifyForm(Property property);

  Ui* ui_;
  std::string name_;
  FormKind kind_;
  std::string caption_;
  std::string icon_;
  int row_ = 0, col_ = 0, width_ = 640, height_ = 480;
  bool visible_ = true;
  bool centered_ = false;
  bool shown_ = false;
  bool released_ = false;
  bool init_done_ = false;
  Action on_init_, on_release_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<MenuItem>> menu_;
};

}  // namespace movarel::ui
