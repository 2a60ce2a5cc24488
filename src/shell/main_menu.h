#pragma once
// The menu tree of the main window: popups, items with their captions (Windows-1252, "&"
// before the shortcut letter), control names and separators, each item wired to its
// operation. The recent-tournament entries are built here from CTORNEO1 / CTORNEO2 as they
// were read at start-up and never rebuilt during the run.

#include <string>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Form;
class Ui;
}  // namespace movarel::ui

namespace movarel::shell {

// Defines the menu bar of `frm`. The actions keep references to `state`, `ui` and `frm`,
// which must outlive the form. `versions` is the library text of the about box.
void DefineMainMenu(ui::Form& frm, registry::WorkingState& state, ui::Ui& ui, const std::string& versions);

}  // namespace movarel::shell
