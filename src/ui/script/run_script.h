#pragma once
// `movarel --script FILE`: runs the program headless under a script and returns the exit
// status: 0 at a normal end, 2 for a script that cannot be read or names what the program
// does not have, 3 when the program asks for something the script does not answer (or the
// script ends while a dialog waits). A fatal run-time error ends the process itself with
// status 4 after writing ErrorLog.Htm.
//
// `program` is the body of MAIN: it defines the main form on the given Ui and activates it.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace movarel::storage {
class Workspace;
}

namespace movarel::ui {

class Dialogs;
class Ui;

using Program = std::function<void(Ui& ui)>;

// What every runner does once its backend is up: runs `program` on `ui` with the fatal-error
// handler showing its box through `dialogs`, closing the tables of `workspace` and ending
// through `end` (the default when empty). A script's stop ends the run with its status; a
// normal end gives 0.
int RunProgram(Ui& ui, Dialogs& dialogs, storage::Workspace& workspace, const Program& program,
               std::function<void(int status)> end = nullptr);

int RunScript(const std::string& script_path, storage::Workspace& workspace, const Program& program,
              std::ostream& transcript_out);
// The same with the script given as text (tests, demos).
int RunScriptText(std::string_view script_utf8, storage::Workspace& workspace, const Program& program,
                  std::ostream& transcript_out);

}  // namespace movarel::ui
