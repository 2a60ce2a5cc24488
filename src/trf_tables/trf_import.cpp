#include "trf_tables/trf_import.h"

#include <algorithm>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/tournament_files.h"
#include "register/tournament_key.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/value.h"
#include "trf/reader.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::trf_tables {

namespace {

constexpr char kTemplateAlias[] = "ZDPLANTILLA";
constexpr char kCannot[] = "No se puede crear el torneo desde el fichero TRF\r\n";

// The files written so far, removed again when a later step fails.
class CreatedFiles {
 public:
  explicit CreatedFiles(storage::Workspace& workspace) : workspace_(workspace) {}
  ~CreatedFiles() {
    if (kept_) return;
    workspace_.CloseAll();
    for (const std::string& path : paths_) (void)storage::EraseFile(path);
  }
  void Add(const std::string& path) { paths_.push_back(path); }
  void Keep() { kept_ = true; }

 private:
  storage::Workspace& workspace_;
  std::vector<std::string> paths_;
  bool kept_ = false;
};

storage::Status CreateFromTemplate(storage::Workspace& workspace, const std::string& template_path,
                                   const std::string& table, CreatedFiles& created) {
  auto model = workspace.Use(template_path, kTemplateAlias, /*shared=*/true, /*read_only=*/true);
  if (!model.ok()) return model.status().WithContext(template_path);
  storage::Status status = (*model)->CopyStructure(table);
  workspace.Close(kTemplateAlias);
  // Only what this import made is removed again: a failed copy leaves no file of its own.
  if (status.ok()) created.Add(table);
  return status;
}

storage::Status WritePlayers(storage::Table& cuadro, const ImportPlan& plan) {
  for (size_t i = 0; i < plan.players.size(); ++i) {
    const PlayerRecord& p = plan.players[i];
    storage::Status s = cuadro.Append();
    auto put = [&](const std::string& field, const storage::Value& value) {
      if (s.ok()) s = cuadro.Put(field, value);
    };
    put("NUM", static_cast<double>(i + 1));
    put("JUG", p.jug);
    put("ELOFIDE", static_cast<double>(p.elofide));
    put("ELOFEDA", static_cast<double>(p.elofeda));
    put("COD_PAIS", p.cod_pais);
    put("AUTONOMIA", p.autonomia);
    put("COD_FIDE", p.cod_fide);
    put("COD_FEDA", p.cod_feda);
    if (!p.fecha_nac.empty()) put("FECHA_NAC", p.fecha_nac);
    put("SEXO", p.sexo);
    for (size_t r = 0; r < p.rounds.size(); ++r) {
      const int n = static_cast<int>(r) + 1;
      const PlayerRecord::Round& round = p.rounds[r];
      put(registry::RoundFieldName(n, 'J'), static_cast<double>(round.j));
      put(registry::RoundFieldName(n, 'C'), round.c);
      put(registry::RoundFieldName(n, 'P'), round.p);
      put(registry::RoundFieldName(n, 'I'), round.i);
      put(registry::RoundFieldName(n, 'F'), round.f);
    }
    if (!s.ok()) return s;
  }
  return cuadro.Commit();
}

storage::Status WriteBoards(storage::Table& ronda, const std::vector<Board>& boards, size_t blank_boards) {
  for (const Board& board : boards) {
    storage::Status s = ronda.Append();
    if (s.ok()) s = ronda.Put("JUG_B", static_cast<double>(board.white));
    if (s.ok()) s = ronda.Put("JUG_N", static_cast<double>(board.black));
    if (s.ok()) s = ronda.Put("RDO", board.rdo);
    if (!s.ok()) return s;
  }
  for (size_t i = boards.size(); i < blank_boards; ++i) {
    if (storage::Status s = ronda.Append(); !s.ok()) return s;
  }
  return ronda.Commit();
}

// The systems of the file in their order; every other system of the template is not used.
storage::Status WriteTieBreaks(storage::Table& desemps, const std::vector<std::string>& fields) {
  for (desemps.GoTop(); !desemps.Eof(); desemps.Skip()) {
    const std::string system(storage::AllTrim(desemps.GetText("SISTEMA")));
    auto at = std::find(fields.begin(), fields.end(), system);
    const std::string orden = at == fields.end() ? "  " : storage::StrZero(static_cast<double>(at - fields.begin() + 1), 2);
    if (storage::Status s = desemps.Put("ORDEN", orden); !s.ok()) return s;
  }
  return desemps.Commit();
}

storage::Status WriteRegisterRecord(storage::Table& torneos, const registry::TournamentData& d, const std::string& key) {
  if (!torneos.FLock()) return storage::Status::Locked("torneos.dbf: no se ha podido bloquear");
  storage::Status s = torneos.Append();
  auto put = [&](const char* field, const storage::Value& value) {
    if (s.ok()) s = torneos.Put(field, value);
  };
  put("FICHERO", key);
  put("TORNEO", d.torneo);
  if (!d.fecha_ini.empty()) put("FECHA_INI", d.fecha_ini);
  if (!d.fecha_fin.empty()) put("FECHA_FIN", d.fecha_fin);
  put("LOCALIDAD", d.localidad);
  put("N_JUGS", d.n_jugs);
  put("N_RONDAS", d.n_rondas);
  put("N_R_ACTUAL", d.n_r_actual);
  put("PRIM_CONTR", d.prim_contr);
  put("SEGU_CONTR", d.segu_contr);
  put("ARBIT_PPAL", d.arbit_ppal);
  put("ARBIT_AUX", d.arbit_aux);
  if (s.ok()) s = torneos.Commit();
  if (!s.ok() && torneos.RecNo() <= torneos.LastRec()) {
    // The record may stand half written: deleted, it is invisible to every reader.
    (void)torneos.Delete();
    (void)torneos.Commit();
  }
  torneos.Unlock();
  return s;
}

// The keys of the current folder's register; a register that cannot be read refuses the
// import before anything is written.
storage::Result<std::vector<std::string>> KeysOfFolder(storage::Workspace& workspace) {
  std::vector<std::string> keys;
  if (!storage::FileExists("torneos.dbf")) return keys;
  auto opened = workspace.Use("torneos.dbf", "TORNEOSTRF", /*shared=*/true, /*read_only=*/true);
  if (!opened.ok()) return opened.status();
  for ((*opened)->GoTop(); !(*opened)->Eof(); (*opened)->Skip()) keys.push_back((*opened)->GetText("FICHERO"));
  workspace.Close("TORNEOSTRF");
  return keys;
}

}  // namespace

bool WriteImportedTournament(registry::WorkingState& state, const ImportPlan& plan, const std::string& key) {
  storage::Workspace& workspace = state.workspace;
  workspace.CloseAll();
  const std::string templates = registry::TemplatesFolder(state.CCARPINI);
  CreatedFiles created(workspace);
  auto fail = [&](const storage::Status& status) {
    state.dialogs->MsgStop(std::string(kCannot) + status.message());
    return false;
  };

  const std::string player_table = registry::PlayerTableName(key) + ".dbf";
  if (auto s = CreateFromTemplate(workspace, templates + "cuadrow.mod", player_table, created); !s.ok()) return fail(s);
  {
    auto cuadro = workspace.Use(player_table, "cuadro", /*shared=*/false);
    if (!cuadro.ok()) return fail(cuadro.status().WithContext(player_table));
    if (auto s = WritePlayers(**cuadro, plan); !s.ok()) return fail(s.WithContext(player_table));
    workspace.Close("cuadro");
  }
  const size_t blank_boards = (plan.players.size() + 1) / 2;
  for (size_t r = 0; r < plan.boards.size(); ++r) {
    const std::string round_table = registry::RoundTableName(static_cast<int>(r) + 1, key) + ".dbf";
    if (auto s = CreateFromTemplate(workspace, templates + "ronda.mod", round_table, created); !s.ok()) return fail(s);
    auto ronda = workspace.Use(round_table, "ronda", /*shared=*/false);
    if (!ronda.ok()) return fail(ronda.status().WithContext(round_table));
    storage::Status s = WriteBoards(**ronda, plan.boards[r], blank_boards);
    workspace.Close("ronda");
    if (!s.ok()) return fail(s.WithContext(round_table));
  }
  if (!plan.tie_break_fields.empty()) {
    const std::string table = registry::TieBreakTableName(key) + ".dbf";
    if (auto s = storage::CopyFile(templates + "desempsw.mod", table); !s.ok()) return fail(s.WithContext(table));
    created.Add(table);
    auto desemps = workspace.Use(table, "desemps", /*shared=*/false);
    if (!desemps.ok()) return fail(desemps.status().WithContext(table));
    storage::Status s = WriteTieBreaks(**desemps, plan.tie_break_fields);
    workspace.Close("desemps");
    if (!s.ok()) return fail(s.WithContext(table));
  }
  if (!storage::FileExists("cclas.dbf")) {
    if (auto s = storage::CopyFile(templates + "cclas.dbf", "cclas.dbf"); !s.ok()) return fail(s.WithContext("cclas.dbf"));
    created.Add("cclas.dbf");
  }
  if (!storage::FileExists("torneos.dbf")) {
    if (auto s = CreateFromTemplate(workspace, templates + "torneos.mod", "torneos.dbf", created); !s.ok()) {
      return fail(s);
    }
  }
  auto torneos = workspace.Use("torneos.dbf", "torneos", /*shared=*/false);
  if (!torneos.ok()) return fail(torneos.status().WithContext("torneos.dbf"));
  if (auto s = WriteRegisterRecord(**torneos, plan.data, key); !s.ok()) return fail(s.WithContext("torneos.dbf"));
  workspace.CloseAll();
  created.Keep();
  return true;
}

registry::TournamentOutcome IMPTRF(registry::WorkingState& state) {
  ui::ActiveOperation op("IMPTRF");
  ui::Dialogs& dialogs = *state.dialogs;
  const std::string path = dialogs.GetFile({{"Ficheros TRF", "*.trf"}, {"Todos los ficheros", "*.*"}},
                                           "Elija el fichero TRF del torneo", ui::GetCurrentFolder(), false);
  if (storage::AllTrim(path).empty()) {
    dialogs.MsgInfo("No ha elegido ning\xFAn fichero");
    return registry::TournamentOutcome::Unchanged();
  }
  auto bytes = storage::ReadWholeFile(path);
  if (!bytes.ok()) {
    dialogs.MsgStop(std::string(kCannot) + "No se ha podido leer el fichero " + path + "\r\n" + bytes.status().message());
    return registry::TournamentOutcome::Unchanged();
  }
  const trf::ReadResult read = trf::Read(*bytes);
  if (!read.ok()) {
    dialogs.MsgStop(std::string(kCannot) + "Fichero " + path + "\r\n" + read.error->message);
    return registry::TournamentOutcome::Unchanged();
  }
  auto planned = PlanImport(read);
  if (auto* refusal = std::get_if<std::string>(&planned)) {
    dialogs.MsgStop(std::string(kCannot) + "Fichero " + path + "\r\n" + *refusal);
    return registry::TournamentOutcome::Unchanged();
  }
  ImportPlan& plan = std::get<ImportPlan>(planned);

  const std::string folder = dialogs.GetFolder("Crear el torneo en...");
  if (storage::AllTrim(folder).empty()) {
    dialogs.MsgInfo("No ha elegido la localizacion del torneo");
    return registry::TournamentOutcome::Unchanged();
  }
  const std::string key(storage::AllTrim(dialogs.InputBox("Clave (FICHERO) del torneo nuevo", "Torneo desde fichero TRF", "")));
  if (key.empty()) {
    dialogs.MsgInfo("No ha escrito la clave del torneo");
    return registry::TournamentOutcome::Unchanged();
  }
  const std::string here = ui::GetCurrentFolder();
  if (!ui::SetCurrentFolder(folder)) {
    dialogs.MsgStop(std::string(kCannot) + "No se puede entrar en la carpeta " + folder);
    return registry::TournamentOutcome::Unchanged();
  }
  plan.data.fichero = key;
  const auto keys = KeysOfFolder(state.workspace);
  const std::vector<std::string> breaches =
      keys.ok() ? registry::CheckNewTournament(plan.data, keys.value(), registry::TournamentLimits{})
                : std::vector<std::string>{registry::OpenRefusalText(folder + ui::kPathSeparator + "torneos.dbf",
                                                                     keys.status())};
  const std::vector<std::string> own_files = registry::TournamentFiles(".", key, registry::kMaxRounds, {});
  const std::string templates = registry::TemplatesFolder(state.CCARPINI);
  std::string refusal;
  for (const std::string& breach : breaches) refusal += "\r\n" + breach;
  if (!own_files.empty()) refusal += "\r\nLa carpeta ya tiene ficheros de la clave " + key + ": " + own_files.front();
  for (const char* name : {"cuadrow.mod", "ronda.mod", "desempsw.mod", "torneos.mod", "cclas.dbf"}) {
    if (!storage::FileExists(templates + name)) refusal += "\r\nNo se ha encontrado la plantilla " + templates + name;
  }
  if (!refusal.empty()) {
    (void)ui::SetCurrentFolder(here);
    dialogs.MsgStop(std::string(kCannot) + refusal.substr(2));
    return registry::TournamentOutcome::Unchanged();
  }

  if (!WriteImportedTournament(state, plan, key)) return registry::TournamentOutcome::Closed();
  registry::TournamentOutcome opened =
      registry::ABRIRTORNEO(state, storage::ResolvePath(folder + ui::kPathSeparator + registry::PlayerTableName(key) + ".dbf"));
  if (opened.change == registry::TournamentChange::kOpened) {
    std::string text = "Se ha creado el torneo " + key + " con " + std::to_string(plan.players.size()) +
                       " jugadores y " + std::to_string(static_cast<int>(plan.data.n_rondas)) + " rondas";
    for (const std::string& note : plan.notes) text += "\r\n" + note;
    dialogs.MsgInfo(text, "\xA1" "Hecho!");
  }
  return opened;
}

}  // namespace movarel::trf_tables
