#pragma once
// The entry points of the wx backend for the rest of the program. This header includes no
// wx header, so main.cpp and the tests stay toolkit-free; only src/ui/wx sees wx.

#include <iosfwd>
#include <string>
#include <string_view>

#include "ui/script/run_script.h"

namespace movarel::storage {
class Workspace;
}

namespace movarel::ui {

// Starts the toolkit, builds the wx backend and runs `program` (the body of MAIN) over it
// with real windows. Returns the process exit status: 0 at a normal end, 1 when the
// toolkit cannot start (no display). A fatal run-time error ends the process itself with
// status 4 after writing ErrorLog.Htm, as in the headless run.
int RunGui(storage::Workspace& workspace, const Program& program);

// `movarel --script FILE --gui`: the script language, transcript and exit statuses of
// RunScript, but the forms are real wx windows fed from the script inside the toolkit's
// own event loops (the main loop and each modal loop). Standard dialogs are answered from
// the script and never wait for a person. Meant to run under a virtual display (Xvfb).
//
// When the environment variable MOVAREL_SCREENSHOT_DIR names a folder, a PNG image of each
// form is saved there once it is shown and drawn ("01-Frm.png", "02-FrmEditar.png", ...)
// and one of the main window as the script ends ("NN-Frm-end.png").
int RunScriptGui(const std::string& script_path, storage::Workspace& workspace, const Program& program,
                 std::ostream& transcript);

// The same with the script given as text (tests).
int RunScriptGuiText(std::string_view script_utf8, storage::Workspace& workspace, const Program& program,
                     std::ostream& transcript);

// The toolkit's version as the status bar and the about box show it ("wxWidgets 3.2.2").
std::string WxVersionText();

}  // namespace movarel::ui
