#pragma once
// The program body: start-up, the main window "Frm" and the end of the program. The backend
// (windows or script) is chosen by the caller, which hands MAIN the Ui to draw on.

#include <string>
#include <vector>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::storage {
class Workspace;
}
namespace movarel::ui {
class Form;
class Ui;
}  // namespace movarel::ui

namespace movarel::shell {

// Runs the start-up steps, shows the main window and returns once it is released (by
// "&Salir del programa"). `library_versions` are the version texts of the libraries the
// program is built with, shown in the status bar and the about box. `state.workspace` must
// be the workspace `ui` was made with.
void MAIN(registry::WorkingState& state, ui::Ui& ui, const std::vector<std::string>& library_versions);

// Initialisation handler of the main window, run once when it is first shown.
void INICIALIZACION(registry::WorkingState& state, ui::Form& frm);

// The run-time table switches: deleted records hidden, tables shared unless an operation
// asks for exclusive use, soft seek on. Dates need no switch: storage always reads and
// writes "dd-mm-yyyy" with four-digit years and puts two-digit years in 1950..2049.
void ZDINI(storage::Workspace& workspace);

// Release handler of the main window: closes every open table.
void FINPROG(registry::WorkingState& state);

}  // namespace movarel::shell
