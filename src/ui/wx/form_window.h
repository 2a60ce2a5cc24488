#pragma once
// The wx window of one shown form: a wxFrame for the main window (menu bar, status bar) or
// a wxDialog for a modal form, a panel holding one widget per control at the control's row
// and column in pixels, and a timer that runs the form's init action once the window is up
// (and, in a scripted run, feeds it the script). The window follows the model through
// Reflect; what the user does reaches the model only through its User*() calls.

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/timer.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/backend.h"
#include "ui/control.h"
#include "ui/wx/stretch.h"

class wxRadioButton;
class wxMenu;
class wxMenuItem;
class wxStatusBar;
class wxGrid;

namespace movarel::ui {

class Form;
class Control;
class MenuItem;
class GridTable;

struct Widget {
  wxWindow* window = nullptr;          // the control itself; a container for radio groups
  std::vector<wxRadioButton*> radios;  // radio group options, in order
  GridTable* table = nullptr;          // grids: the rows (owned by the wxGrid)
  wxStatusBar* status_bar = nullptr;
  wxSize needs;                        // the room its content needs, as last laid out
};

// A titled box a few pixels thick is drawn as a rule (the dialogs' separator lines).
inline bool IsRule(const Control& control) { return control.width() <= 3 || control.height() <= 3; }

class FormWindow {
 public:
  // `parent` is the window of the form below a modal one (nullptr for the main window).
  FormWindow(Form& form, wxWindow* parent);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  Form& form() const { return *form_; }
  wxTopLevelWindow* window() const { return top_; }
  wxDialog* dialog() const { return dialog_; }
  wxFrame* frame() const { return frame_; }

  // Shows the window and starts the timer; `tick` runs on every timer event.
  void Start(std::function<void()> tick, int interval_ms);
  void StopTimer();

  void Reflect(const Change& change);

  // What the rest of the backend may ask of a widget (tests read these through wx_probe).
  const Widget* WidgetOf(const Control& control) const;
  wxMenuItem* MenuItemOf(const MenuItem& item) const;
  int MenuIdOf(const MenuItem& item) const;  // wxID_NONE for popups and unknown items
  // The room a control's content needs on the running toolkit (its caption, items, date
  // or headers), 0 along an axis where the content has no say.
  wxSize NeededSize(const Control& control) const;

 private:
  class Timer : public wxTimer {
   public:
    std::function<void()> tick;
    void Notify() override {
      if (tick) tick();
    }
  };

  // form_window.cpp
  void BuildMenuBar();
  void BuildMenuStrip();
  int MenuStripHeight() const;
  void AppendMenuItems(wxMenu* menu, const MenuItem& popup);
  void ReflectMenuItem(MenuItem& item, Property property);
  void ReflectForm(Property property);
  void OnMenu(int id);
  void OnClose(wxCloseEvent& event);

  // control_widgets.cpp
  void CreateWidget(Control& control);
  wxWindow* ParentFor(const Control& control);
  void BindEvents(Control& control, Widget& widget);
  void ApplyAll(Control& control);
  void Apply(Control& control, Property property, int index);
  void ApplyGeometry(Control& control);
  void ApplyItems(Control& control);
  void ApplyValue(Control& control);
  void ApplyEnabled(Control& control);
  void ApplyCaption(Control& control);
  void ApplyGridColumns(Control& control, wxGrid& grid);
  void LayOutRadios(const Control& control, Widget& widget);

  // fitted_layout.cpp: the form's defined positions are the least each control gets;
  // where its content needs more the form stretches (stretch.h).
  void FitToContent();
  void Place(const Control& control, Widget& widget);
  // Runs a user action on the model unless the window itself is being updated.
  void User(Control& control, const std::function<void()>& action);

  Form* form_;
  wxTopLevelWindow* top_ = nullptr;
  wxFrame* frame_ = nullptr;
  wxDialog* dialog_ = nullptr;
  wxPanel* panel_ = nullptr;
  // A dialog with a menu of its own: a row of buttons above the panel, one per popup, each
  // dropping down its menu (owned here: a popup menu belongs to no window).
  wxPanel* menu_strip_ = nullptr;
  std::vector<wxWindow*> strip_buttons_;
  std::vector<std::unique_ptr<wxMenu>> strip_menus_;
  Timer timer_;
  std::map<const Control*, Widget> widgets_;
  struct Axes {
    Stretch across, down;
  };
  std::map<const wxWindow*, Axes> stretches_;  // by the window the controls are placed on
  bool built_ = false;                         // every control has its widget
  std::map<int, MenuItem*> menu_by_id_;
  std::map<const MenuItem*, wxMenuItem*> menu_items_;
  int quiet_ = 0;                     // > 0 while the window follows the model
  const Control* typing_ = nullptr;   // the text box whose typed text is reaching the model
};

}  // namespace movarel::ui
