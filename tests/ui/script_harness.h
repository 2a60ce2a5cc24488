#pragma once
// A small main window for driving the script backend from tests: "Frm" with a menu whose
// actions each test supplies, and a run helper returning the exit status and transcript.

#include <functional>
#include <sstream>
#include <string>

#include "storage/workspace.h"
#include "ui/form.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"

namespace movarel::ui::testing {

struct ScriptResult {
  int status = -1;
  std::string transcript;
};

// Builds Frm with the popups "&Torneo" (items from `build_menu`) and "&Salir" with
// "&Salir del programa", activates it and runs `script` over it.
inline ScriptResult RunOverMainForm(const std::string& script,
                                    const std::function<void(Ui&, Form&, MenuItem&)>& build_menu) {
  storage::Workspace workspace;
  std::ostringstream out;
  ScriptResult result;
  result.status = RunScriptText(script, workspace, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Caption("Movarel v3.0-beta3").Size(640, 480);
    MenuItem& torneo = frm.AddPopup("&Torneo");
    build_menu(ui, frm, torneo);
    frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&frm] { frm.Release(); }).MarkEndsProgram();
    frm.Activate();
  }, out);
  result.transcript = out.str();
  return result;
}

}  // namespace movarel::ui::testing
