#include "register/tournament_creation.h"

#include "register/file_names.h"
#include "register/recent_tournaments.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::registry {
namespace {

constexpr char kTemplateAlias[] = "ZDPLANTILLA";

TournamentOutcome Stop(WorkingState& state, const std::string& file, const storage::Status& status) {
  state.dialogs->MsgStop("No se han podido crear los ficheros del torneo\r\nFichero: " + file + "\r\n" +
                         status.message());
  state.workspace.CloseAll();
  return TournamentOutcome::Closed();
}

storage::Status CopyTemplateStructure(storage::Workspace& workspace, const std::string& template_path,
                                      const std::string& table) {
  auto model = workspace.Use(template_path, kTemplateAlias, /*shared=*/true, /*read_only=*/true);
  if (!model.ok()) return model.status();
  storage::Status status = (*model)->CopyStructure(table);
  workspace.Close(kTemplateAlias);
  return status;
}

storage::Status AppendBlankRecords(storage::Table& table, int count, bool numbered) {
  for (int i = 0; i < count; ++i) {
    if (storage::Status s = table.Append(); !s.ok()) return s;
    if (numbered) {
      if (storage::Status s = table.Put("NUM", static_cast<double>(table.RecNo())); !s.ok()) return s;
    }
  }
  return table.Commit();
}

}  // namespace

TournamentOutcome CREARFICHSTORNEO(WorkingState& state) {
  ui::ActiveOperation op("CREARFICHSTORNEO");
  storage::Workspace& workspace = state.workspace;
  storage::Table* torneos = workspace.Find("torneos");
  const std::string name = torneos->GetText("TORNEO");
  const int players = static_cast<int>(torneos->GetNumber("N_JUGS"));
  const int rounds = static_cast<int>(torneos->GetNumber("N_RONDAS"));
  const std::string templates = TemplatesFolder(state.CCARPINI);

  state.CCLAVE = std::string(storage::AllTrim(torneos->GetText("FICHERO")));
  state.CFICHTRAB = PlayerTableName(state.CCLAVE);
  const std::string player_table = state.CFICHTRAB + ".dbf";
  if (storage::Status s = CopyTemplateStructure(workspace, templates + "cuadrow.mod", player_table); !s.ok()) {
    return Stop(state, templates + "cuadrow.mod", s);
  }
  auto cuadro = workspace.Use(player_table, "cuadro", /*shared=*/false);
  if (!cuadro.ok()) return Stop(state, player_table, cuadro.status());
  if (storage::Status s = AppendBlankRecords(**cuadro, players, true); !s.ok()) return Stop(state, player_table, s);
  (*cuadro)->GoTop();

  const int boards = (players + 1) / 2;
  for (int n = 1; n <= rounds; ++n) {
    const std::string round_table = RoundTableName(n, state.CCLAVE) + ".dbf";
    if (storage::Status s = CopyTemplateStructure(workspace, templates + "ronda.mod", round_table); !s.ok()) {
      return Stop(state, templates + "ronda.mod", s);
    }
    auto ronda = workspace.Use(round_table, "ronda", /*shared=*/false);
    if (!ronda.ok()) return Stop(state, round_table, ronda.status());
    storage::Status filled = AppendBlankRecords(**ronda, boards, false);
    workspace.Close("ronda");
    if (!filled.ok()) return Stop(state, round_table, filled);
  }

  if (!storage::FileExists("cclas.dbf")) {
    if (storage::Status s = storage::CopyFile(templates + "cclas.dbf", "cclas.dbf"); !s.ok()) {
      // The tournament itself is complete; only the standings columns will be missing.
      state.dialogs->MsgExclamation("No se ha podido copiar " + templates + "cclas.dbf en la carpeta del torneo\r\n" +
                                    s.message());
    }
  }

  state.NDIGRONDAS = rounds > 9 ? 2 : 1;
  RotateRecentTournaments(state, name, state.CCARPETA + ui::kPathSeparator + state.CFICHTRAB + ".dbf");
  workspace.Select("cuadro");
  return TournamentOutcome::Opened(name);
}

}  // namespace movarel::registry
