#include "shell/main_window.h"

#include "register/working_state.h"
#include "shell/about_box.h"
#include "shell/main_menu.h"
#include "shell/program_texts.h"
#include "shell/settings_file.h"
#include "shell/tournament_commands.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::shell {

void ZDINI(storage::Workspace& workspace) {
  storage::TableSettings& settings = workspace.settings();
  settings.hide_deleted = true;
  settings.exclusive_default = false;
  settings.soft_seek = true;
}

void INICIALIZACION(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("INICIALIZACION");
  ZDINI(state.workspace);
  state.workspace.CloseAll();
  NOTORNEO(frm);
  frm.Caption(kProgramTitle);
}

void FINPROG(registry::WorkingState& state) {
  ui::ActiveOperation op("FINPROG");
  state.workspace.CloseAll();
}

void MAIN(registry::WorkingState& state, ui::Ui& ui, const std::vector<std::string>& library_versions) {
  ui::ActiveOperation op("MAIN");
  state.dialogs = &ui.dialogs();
  // The backend goes when the caller's Ui does, however the run ends.
  struct ForgetDialogs {
    registry::WorkingState* state;
    ~ForgetDialogs() { state->dialogs = nullptr; }
  } forget_dialogs{&state};
  // Interactive closing needs no switch: the forms model never lets the close box close a
  // window (it answers with the stop box "Operación no permitida"), and every text of the
  // program is already Spanish.

  // The start folder keeps its full path: the templates folder below it must stay reachable
  // after opening a tournament makes another folder current. There are no drive letters.
  state.CUNIDINI = ui::CurDrive();
  state.CCARPINI = ui::GetCurrentFolder();

  ReadStartUpSettings(state);

  const std::string versions = JoinVersions(library_versions);
  ui::Form frm(ui, "Frm", ui::FormKind::kMain);
  frm.Caption(kProgramTitle).At(0, 0).Size(640, 480).Icon("tq");
  frm.OnInit([&state, &frm] { INICIALIZACION(state, frm); });
  frm.OnRelease([&state] { FINPROG(state); });
  DefineMainMenu(frm, state, ui, versions);
  frm.AddHyperlink("lnkTq").At(200, 270).Size(220, 20).Caption(kMakerWeb).Target(kMakerWeb);
  // One item, "STATUSITEM" in the window's definition: the model's status-bar items are
  // unnamed texts, addressed by position.
  frm.AddStatusBar("StatusBar").Items({versions}).ItemWidths({425});

  frm.Center();
  for (const char* name : {"mnuRdos", "mnuInFVA", "mnuFFVA"}) frm.FindMenuItem(name)->SetEnabled(false);
  frm.Activate();

  // Whatever is still shown once the main loop ends goes with it.
  std::vector<ui::Form*> left = ui.shown_forms();
  for (auto it = left.rbegin(); it != left.rend(); ++it) (*it)->Release();
}

}  // namespace movarel::shell
