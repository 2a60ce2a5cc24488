#pragma once
// One operation driven by a script inside the test process, as the shell wires it: a main
// window "Frm" whose menu holds the operation's entry and "&Salir", run by the script
// backend over the state's workspace. While the script runs, the state's dialogs are the
// script's, so every box lands in the transcript.

#include <functional>
#include <sstream>
#include <string>

#include "register/working_state.h"
#include "support/program_session.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"

namespace movarel::testing {

struct MenuEntry {
  std::string popup;    // "&Torneo"
  std::string caption;  // "&Resultados de una ronda"
  std::string name;     // "mnuRdos"
};

// Runs `script` (UTF-8) with `entry` running `command`; afterwards the state's dialogs are
// `dialogs_after` again.
inline ScriptRun RunOverOneItemMenu(registry::WorkingState& state, const MenuEntry& entry,
                                    const std::function<void(ui::Ui&)>& command, const std::string& script,
                                    ui::Dialogs* dialogs_after = nullptr) {
  std::ostringstream out;
  ScriptRun run;
  run.status = ui::RunScriptText(
      script, state.workspace,
      [&](ui::Ui& ui) {
        state.dialogs = &ui.dialogs();
        ui::Form frm(ui, "Frm", ui::FormKind::kMain);
        frm.Caption("Movarel v3.0-beta3").Size(640, 480);
        frm.AddPopup(entry.popup).AddItem(entry.caption, entry.name, [&] { command(ui); });
        frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&frm] { frm.Release(); });
        frm.Activate();
      },
      out);
  run.transcript = out.str();
  state.dialogs = dialogs_after;
  return run;
}

}  // namespace movarel::testing
