#include "rounds/round_boards.h"

#include "register/file_names.h"
#include "rounds/tournament_tables.h"
#include "storage/files.h"

namespace movarel::rounds {

std::vector<std::string> AddBoardToRoundTables(registry::WorkingState& state) {
  std::vector<std::string> failures;
  storage::Workspace& workspace = state.workspace;
  storage::Table* cuadro = workspace.Find("cuadro");
  const std::string prefix = cuadro == nullptr ? std::string() : TournamentFolderPrefix(*cuadro);
  const int rounds = RegisterRoundCount(state);
  for (int n = 1; n <= rounds; ++n) {
    const std::string path = prefix + registry::RoundTableName(n, state.CCLAVE) + ".dbf";
    if (!storage::FileExists(path)) continue;
    auto ronda = workspace.Use(path, "ronda", /*shared=*/false);
    if (!ronda.ok()) {
      failures.push_back(ronda.status().message());
      continue;
    }
    storage::Status status = (*ronda)->Append();
    if (status.ok()) status = (*ronda)->Commit();
    if (!status.ok()) failures.push_back(status.message());
    workspace.Close("ronda");
  }
  workspace.Select("cuadro");
  return failures;
}

void AddBoardToRoundTablesAndReport(registry::WorkingState& state) {
  const std::vector<std::string> failures = AddBoardToRoundTables(state);
  if (failures.empty()) {
    state.dialogs->MsgInfo("Se ha a\xF1" "adido un registro a cada fichero de ronda", "\xA1" "Hecho!");
    return;
  }
  std::string text = "No se ha podido a\xF1" "adir un registro a estos ficheros de ronda:";
  for (const std::string& failure : failures) text += "\r\n" + failure;
  state.dialogs->MsgExclamation(text, "");
}

}  // namespace movarel::rounds
