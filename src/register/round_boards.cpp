#include "register/round_boards.h"

#include "register/file_names.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::registry {

void ANAREGFRDAS(WorkingState& state) {
  ui::ActiveOperation op("ANAREGFRDAS");
  storage::Workspace& workspace = state.workspace;
  storage::Table* torneos = workspace.Find("torneos");
  if (torneos == nullptr) return;
  storage::Table* selected = workspace.Selected();
  const std::string selected_alias = selected != nullptr ? selected->alias() : "";
  const int rounds = static_cast<int>(torneos->GetNumber("N_RONDAS"));
  bool all = true;
  for (int n = 1; n <= rounds; ++n) {
    const std::string table = RoundTableName(n, state.CCLAVE) + ".dbf";
    if (!storage::FileExists(table)) continue;
    auto ronda = workspace.Use(table, "ronda", /*shared=*/false);
    storage::Status status = ronda.ok() ? (*ronda)->Append() : ronda.status();
    if (ronda.ok() && status.ok()) status = (*ronda)->Commit();
    workspace.Close("ronda");
    if (!status.ok()) {
      state.dialogs->MsgStop("No se ha podido a\xF1" "adir un registro al fichero de ronda " +
                             storage::ResolvePath(table) + "\r\n" + status.message());
      all = false;
    }
  }
  if (!selected_alias.empty()) workspace.Select(selected_alias);
  if (all) state.dialogs->MsgInfo("Se ha a\xF1" "adido un registro a cada fichero de ronda", "\xA1" "Hecho!");
}

void ZDNTX(WorkingState& state) {
  ui::ActiveOperation op("ZDNTX");
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos != nullptr) (void)torneos->OrdListRebuild();
}

}  // namespace movarel::registry
