#include "playerbase/player_database.h"

#include <algorithm>
#include <cctype>
#include <variant>

#include "register/file_names.h"
#include "register/round_boards.h"
#include "rounds/tournament_tables.h"
#include "storage/files.h"
#include "storage/letter_case.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::playerbase {
namespace {

constexpr char kTemplateAlias[] = "basemod";
constexpr char kAttention[] = "Atenci\xF3n";
constexpr char kAdded[] = "Se ha a\xF1" "adido el jugador al torneo";

std::string IndexPathFor(const std::string& table_path) {
  return table_path.substr(0, table_path.size() - 4) + ".ntx";
}

// "upper(bjugs->jug)", "UPPER(JUG)" and the like all index the upper-cased name.
bool IsUpperNameKey(std::string_view key_text) {
  std::string compact;
  for (char c : key_text) {
    if (c != ' ') compact += storage::LowerAscii(c);
  }
  return compact == "upper(bjugs->jug)" || compact == "upper(jug)";
}

storage::Status CreateFromTemplate(registry::WorkingState& state, const std::string& table_path) {
  const std::string model_path = storage::ResolvePath(registry::TemplatesFolder(state.CCARPINI) + "basejugs.mod");
  auto model = state.workspace.Use(model_path, kTemplateAlias, /*shared=*/true, /*read_only=*/true);
  if (!model.ok()) return model.status();
  storage::Status status = (*model)->CopyStructure(table_path);
  state.workspace.Close(kTemplateAlias);
  return status;
}

storage::Status IndexByUpperName(storage::Table& bjugs, const std::string& index_path) {
  if (storage::FileExists(index_path)) {
    if (storage::Status s = bjugs.OrdListAdd(storage::ResolvePath(index_path)); !s.ok()) return s;
    const storage::NtxIndex* index = bjugs.ControllingIndex();
    if (index != nullptr && IsUpperNameKey(index->expression().text())) return storage::Status::Ok();
    // An index over the name as stored misses every name typed in other capitals.
    if (storage::Status s = bjugs.OrdListClear(); !s.ok()) return s;
  }
  return bjugs.CreateIndex(index_path, kDatabaseKey);
}

}  // namespace

std::string DatabasePath(const registry::WorkingState& state) {
  return storage::ResolvePath(registry::TemplatesFolder(state.CCARPINI) + "basejugs.dbf");
}

storage::Result<storage::Table*> OpenDatabase(registry::WorkingState& state) {
  storage::Workspace& workspace = state.workspace;
  storage::Table* selected = workspace.Selected();
  const std::string selected_alias = selected != nullptr ? selected->alias() : "";
  const std::string path = DatabasePath(state);
  if (!storage::FileExists(path)) {
    if (storage::Status s = CreateFromTemplate(state, path); !s.ok()) return s.WithContext(path);
  }
  auto opened = workspace.Use(path, kDatabaseAlias, /*shared=*/false);
  if (!opened.ok()) return opened.status();
  storage::Status indexed = IndexByUpperName(**opened, IndexPathFor(path));
  if (!selected_alias.empty()) workspace.Select(selected_alias);
  if (!indexed.ok()) {
    workspace.Close(kDatabaseAlias);
    return indexed.WithContext(IndexPathFor(path));
  }
  (*opened)->GoTop();
  return *opened;
}

storage::Result<bool> FindName(storage::Table& bjugs, std::string_view name) {
  std::string key = storage::Upper(storage::AllTrim(name));
  if (key.empty()) {
    bjugs.GoTo(bjugs.LastRec() + 1);
    return false;
  }
  // The whole name, padded to the key's width: "Garcia, Ana" must not find "Garcia, Ana Maria".
  const storage::NtxIndex* index = bjugs.ControllingIndex();
  const size_t width = index == nullptr ? key.size() : static_cast<size_t>(index->expression().size());
  if (key.size() > width) key.resize(width);
  key.resize(width, ' ');
  return bjugs.Seek(key, /*soft=*/false);
}

void ANAJUGACUADRO(registry::WorkingState& state, uint32_t recno) {
  ui::ActiveOperation op("ANAJUGACUADRO");
  storage::Table* bjugs = state.workspace.Find(kDatabaseAlias);
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (bjugs == nullptr || cuadro == nullptr) return;
  bjugs->GoTo(recno);
  if (bjugs->Eof() || bjugs->Deleted()) return;
  ui::Dialogs& dialogs = *state.dialogs;
  const bool free_slot = cuadro->Locate([](storage::Table& t) { return storage::AllTrim(t.GetText("JUG")).empty(); });
  if (!free_slot) {
    storage::Status appended = cuadro->Append();
    if (!appended.ok()) {
      dialogs.MsgInfo("No se ha podido a\xF1" "adir el jugador\r\n"
                      "Compruebe que el cuadro del torneo no est\xE1 abierto por otro programa",
                      kAttention);
      return;
    }
  }
  storage::Status status = storage::Status::Ok();
  for (const storage::FieldDef& field : bjugs->fields()) {
    if (status.ok() && cuadro->HasField(field.name)) status = cuadro->Put(field.name, bjugs->Get(field.name));  // ACTCAMPOJAC
  }
  if (status.ok()) status = cuadro->Commit();
  if (!status.ok()) {
    dialogs.MsgStop("No se ha podido a\xF1" "adir el jugador\r\n" + status.message(), kAttention);
    return;
  }
  if (!free_slot) {
    if (!rounds::AddToPlayerCount(state, +1).ok()) {
      dialogs.MsgInfo("No se ha podido aumentar \xE9n 1 el n\xBA de jugadores del torneo\r\n"
                      "Deber\xE1 hacerlo a mano",
                      kAttention);
    } else if (rounds::RegisterPlayerCount(state) % 2 != 0) {
      registry::ANAREGFRDAS(state);
    }
  }
  state.workspace.Select(kDatabaseAlias);
  dialogs.MsgInfo(kAdded, kAttention);
}

namespace {

// EMPTY(): blank text, zero, an empty date, false.
bool IsEmpty(const storage::Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return storage::AllTrim(*text).empty();
  if (const auto* number = std::get_if<double>(&value)) return *number == 0;
  if (const auto* date = std::get_if<storage::Date>(&value)) return date->empty();
  return !std::get<bool>(value);
}

// ACTCAMPO: one field of the tournament player into the database record.
storage::Status ACTCAMPO(storage::Table& cuadro, storage::Table& bjugs, const storage::FieldDef& field,
                         bool overwrite) {
  if (!cuadro.HasField(field.name)) return storage::Status::Ok();
  storage::Value value = cuadro.Get(field.name);
  if (field.name == "JUG" || field.name == "CLUB") value = storage::MAYMINS(cuadro.GetText(field.name));
  const bool player_empty = IsEmpty(cuadro.Get(field.name));
  const bool base_empty = IsEmpty(bjugs.Get(field.name));
  if (overwrite ? player_empty : !base_empty) return storage::Status::Ok();
  return bjugs.Put(field.name, value);
}

}  // namespace

storage::Status ANAJUGABASE(storage::Table& cuadro, storage::Table& bjugs, bool update) {
  const std::string name = storage::MAYMINS(storage::AllTrim(cuadro.GetText("JUG")));
  // A free slot has no player to add; a nameless database record could never be found again.
  if (name.empty()) return storage::Status::Ok();
  auto found = FindName(bjugs, name);
  if (!found.ok()) return found.status();
  bool overwrite = update;
  if (!*found) {
    if (storage::Status s = bjugs.Append(); !s.ok()) return s;
    overwrite = true;
  }
  for (const storage::FieldDef& field : bjugs.fields()) {
    if (storage::Status s = ACTCAMPO(cuadro, bjugs, field, overwrite); !s.ok()) return s;
  }
  return storage::Status::Ok();
}

void ANAJUGSABASE(registry::WorkingState& state) {
  ui::ActiveOperation op("ANAJUGSABASE");
  ui::Dialogs& dialogs = *state.dialogs;
  constexpr char kTitle[] = "Base de jugadores";
  if (!dialogs.MsgYesNo("\xBF" "A\xF1" "adir los jugadores del torneo a la base?", kTitle)) return;
  const bool update = dialogs.MsgYesNo("\xBF" "Actualizar en la base los datos de los jugadores que ya existan?", kTitle);
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return;
  auto opened = OpenDatabase(state);
  if (!opened.ok()) {
    dialogs.MsgStop("No se ha podido abrir la base de jugadores\r\n" + opened.status().message(), "");
    return;
  }
  storage::Table& bjugs = **opened;
  const uint32_t position = cuadro->RecNo();
  storage::Status status = storage::Status::Ok();
  for (cuadro->GoTop(); status.ok() && !cuadro->Eof(); cuadro->Skip()) status = ANAJUGABASE(*cuadro, bjugs, update);
  if (status.ok()) status = bjugs.Commit();
  cuadro->GoTo(position);
  state.workspace.Close(kDatabaseAlias);
  state.workspace.Select("cuadro");
  if (!status.ok()) dialogs.MsgStop("Error al grabar en la base de jugadores\r\n" + status.message(), "");
}

}  // namespace movarel::playerbase
