#pragma once
// What the windows of a running wx backend show, and user input fed through the widgets'
// own events: for tests that check the windows follow the model and that a widget's events
// reach it. Wx-free, like wx_app.h. Every call is meant for the duration of a RunGui or
// RunScriptGui, from inside the program's actions; outside one they do nothing.

#include <cstdint>
#include <string>

namespace movarel::ui {

class Control;
class Form;
class MenuItem;

// The text a control's widget shows: a text box's text, a combo's, list's or radio group's
// chosen text ("" when none), "true"/"false" for a check box, "dd-mm-yyyy" for a date
// picker ("" when empty), a label's or button's caption, the selected record number of a
// grid followed by its rows ("3|Ana,2150|Luis,1800"), the texts of a status bar joined by
// "|". "<none>" when the control has no widget.
std::string ShownText(const Control& control);
bool ShownEnabled(const Control& control);
bool ShownVisible(const Control& control);
// A menu item as its menu shows it: "Caption" or "Caption (disabled)".
std::string ShownMenuItem(const MenuItem& item);
std::string ShownTitle(const Form& form);
// Whether the form's window is a modal dialog in its own loop right now.
bool ShownModal(const Form& form);

// Input through the widget, as the toolkit delivers a person's: the text is typed into a
// text box, the 1-based item picked in a combo, list, radio group or tab control,
// "true"/"false" ticks a check box, "dd-mm-yyyy" is a date picker's date, a record number
// moves a grid's cursor; the widget's own event then reaches the model.
void TypeInto(Control& control, const std::string& text);
// A double click on a list's chosen item or on the grid's row under its cursor.
void DoubleClickOn(Control& control);
// A click on the header of a grid's 1-based column.
void ClickHeader(Control& grid, int column);
// The grid's cell editor opened on the record's 1-based column, given the text and closed,
// as Enter closes it.
void EditCell(Control& grid, uint32_t recno, int column, const std::string& text);
// A click on a button or picture button, through its click event.
void ClickOn(Control& control);
// The menu command of an item, as the menu bar (or a dialog's row of menu buttons) sends it.
void ChooseFromMenu(MenuItem& item);
// The close box of the form's window.
void PressCloseBox(Form& form);

}  // namespace movarel::ui
