#include "register/tournament_creation.h"

#include <optional>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/recent_tournaments.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/unreported_errors.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::registry {
namespace {

constexpr char kTemplateAlias[] = "ZDPLANTILLA";

// A file that could not be made, and why: the template it comes from, or the file itself.
struct Failure {
  std::string file;
  storage::Status status;
};

// Names of the files this creation made, so that a failure can take them back.
class MadeFiles {
 public:
  // Records `path` as made by this creation unless it was there before.
  void Making(const std::string& path) {
    if (!storage::FileExists(path)) paths_.push_back(path);
  }
  void RemoveAll() const {
    for (const std::string& path : paths_) storage::EraseLeftover(path);
  }

 private:
  std::vector<std::string> paths_;
};

std::optional<Failure> CopyTemplateStructure(storage::Workspace& workspace, const std::string& template_path,
                                             const std::string& table) {
  auto model = workspace.Use(template_path, kTemplateAlias, /*shared=*/true, /*read_only=*/true);
  if (!model.ok()) return Failure{template_path, model.status()};
  storage::Status status = (*model)->CopyStructure(table);
  workspace.Close(kTemplateAlias);
  if (!status.ok()) return Failure{table, status};
  return std::nullopt;
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

// Makes one table from `template_path` with `records` blank records and opens it under
// `alias` (closing it again unless `keep_open`).
std::optional<Failure> MakeTable(WorkingState& state, MadeFiles& made, const std::string& template_path,
                                 const std::string& table, const char* alias, int records, bool numbered,
                                 bool keep_open) {
  storage::Workspace& workspace = state.workspace;
  made.Making(table);
  if (auto failed = CopyTemplateStructure(workspace, template_path, table)) return failed;
  auto opened = workspace.Use(table, alias, /*shared=*/false);
  if (!opened.ok()) return Failure{table, opened.status()};
  storage::Status filled = AppendBlankRecords(**opened, records, numbered);
  if (!keep_open || !filled.ok()) workspace.Close(alias);
  if (!filled.ok()) return Failure{table, filled};
  return std::nullopt;
}

}  // namespace

TournamentOutcome CREARFICHSTORNEO(WorkingState& state, const TournamentData& data,
                                   const std::function<storage::Status()>& add_record) {
  ui::ActiveOperation op("CREARFICHSTORNEO");
  storage::Workspace& workspace = state.workspace;
  const int players = static_cast<int>(data.n_jugs);
  const int rounds = static_cast<int>(data.n_rondas);
  const std::string templates = TemplatesFolder(state.CCARPINI);
  const std::string key(storage::AllTrim(data.fichero));
  const std::string player_table = PlayerTableName(key) + ".dbf";

  MadeFiles made;
  std::optional<Failure> failed =
      MakeTable(state, made, templates + "cuadrow.mod", player_table, "cuadro", players, true, true);
  for (int n = 1; n <= rounds && !failed; ++n) {
    failed = MakeTable(state, made, templates + "ronda.mod", RoundTableName(n, key) + ".dbf", "ronda", (players + 1) / 2,
                       false, false);
  }
  if (!failed) {
    if (storage::Status s = add_record(); !s.ok()) failed = Failure{"torneos.dbf", s};
  }
  if (failed) {
    workspace.CloseAll();
    made.RemoveAll();
    const std::string file = failed->file.front() == '/' ? failed->file
                                                          : ui::GetCurrentFolder() + ui::kPathSeparator + failed->file;
    state.dialogs->MsgStop("No se han podido crear los ficheros del torneo\r\nFichero: " + file + "\r\n" +
                           failed->status.message() + "\r\nNo se ha a\xF1" "adido nada a la carpeta");
    return TournamentOutcome::Closed();
  }

  state.CCLAVE = key;
  state.CFICHTRAB = PlayerTableName(key);
  if (!storage::FileExists("cclas.dbf")) {
    if (storage::Status s = storage::CopyFile(templates + "cclas.dbf", "cclas.dbf"); !s.ok()) {
      // The tournament itself is complete; only the standings columns will be missing.
      state.dialogs->MsgExclamation("No se ha podido copiar " + templates + "cclas.dbf en la carpeta del torneo\r\n" +
                                    s.message());
    }
  }
  const std::string name = workspace.Find("torneos")->GetText("TORNEO");
  state.NDIGRONDAS = rounds > 9 ? 2 : 1;
  RotateRecentTournaments(state, name, state.CCARPETA + ui::kPathSeparator + state.CFICHTRAB + ".dbf");
  workspace.Select("cuadro");
  workspace.Find("cuadro")->GoTop();
  return TournamentOutcome::Opened(name);
}

}  // namespace movarel::registry
