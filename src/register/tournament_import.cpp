#include "register/tournament_import.h"

#include <filesystem>

#include "register/file_names.h"
#include "register/tournament_files.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "storage/os_file.h"

namespace movarel::registry {
namespace {

constexpr char kCreateInstead[] =
    "Puede crear un torneo nuevo con la misma clave y despu\xE9s copiar \r\n"
    "los ficheros a importar sobreescribiendo los reci\xE9n creados";

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(storage::os::FileSystemPath(a), storage::os::FileSystemPath(b), ec);
}

// Copies the files; false (after the message) at the first one that cannot be replaced.
bool CopyFiles(ui::Dialogs& dialogs, const std::string& source, const std::vector<std::string>& names) {
  const std::string here = ui::GetCurrentFolder();
  for (const std::string& name : names) {
    const std::string target = storage::ResolvePath(here + ui::kPathSeparator + name);
    if (FileHeldOpen(target)) {
      dialogs.MsgStop("No se puede importar el torneo\r\nEl fichero " + ui::PathAsText(target) +
                      " est\xE1 abierto y no se puede sustituir");
      return false;
    }
  }
  for (const std::string& name : names) {
    const std::string from = source + ui::kPathSeparator + name;
    if (storage::Status s = COPIAFICHTORN(from, here + ui::kPathSeparator + name); !s.ok()) {
      dialogs.MsgStop("No se ha podido importar el torneo\r\nNo se ha podido copiar el fichero " + ui::PathAsText(from) +
                      "\r\n" +
                      s.message());
      return false;
    }
  }
  return true;
}

storage::Status AppendRecordCopy(storage::Table& to, const storage::Table& from) {
  if (!to.FLock()) return storage::Status::Locked("torneos.dbf: no se ha podido bloquear");
  storage::Status status = to.Append();
  for (const storage::FieldDef& field : to.fields()) {
    if (!status.ok()) break;
    if (!from.HasField(field.name)) continue;
    const storage::FieldDef* source = nullptr;
    for (const storage::FieldDef& f : from.fields()) {
      if (storage::Upper(f.name) == storage::Upper(field.name)) source = &f;
    }
    if (source->type != field.type) continue;  // a field of another type stays blank
    status = to.Put(field.name, from.Get(field.name));
  }
  if (status.ok()) status = to.Commit();
  to.Unlock();
  return status;
}

}  // namespace

void IMPTORNEO(WorkingState& state) {
  ui::ActiveOperation op("IMPTORNEO");
  ui::Dialogs& dialogs = *state.dialogs;
  storage::Workspace& workspace = state.workspace;
  storage::Table* torneos = workspace.Find("torneos");
  if (torneos == nullptr) return;
  const std::string path = dialogs.GetFile({{"Archivos de cuadro", "cu*.dbf"}}, "Elija el cuadro del torneo a importar",
                                           ui::GetCurrentFolder(), false);
  if (storage::AllTrim(path).empty()) {
    dialogs.MsgInfo("No ha elegido ning\xFAn torneo");
    return;
  }
  const std::string source = FolderOfPath(path).empty() ? ui::GetCurrentFolder() : FolderOfPath(path);
  if (SameFolder(source, ui::GetCurrentFolder())) {
    dialogs.MsgStop("No se puede importar el torneo\r\nYa est\xE1 en la carpeta del torneo abierto");
    return;
  }
  const std::string source_register = storage::ResolvePath(source + ui::kPathSeparator + "torneos.dbf");
  if (!storage::FileExists(source_register)) {
    dialogs.MsgInfo(std::string("No se ha encontrado el fichero Torneos.dbf con los datos generales del torneo\r\n") +
                    kCreateInstead);
    return;
  }
  auto opened = workspace.Use(source_register, "torneosimp", /*shared=*/true, /*read_only=*/true);
  if (!opened.ok()) {
    dialogs.MsgStop(OpenRefusalText(source_register, opened.status()));
    workspace.Select("cuadro");
    return;
  }
  storage::Table& imported = **opened;
  const std::string key = KeyOfPlayerTablePath(path);
  if (!imported.Locate([&key](storage::Table& t) {
        return storage::Upper(storage::RTrim(t.GetText("FICHERO"))) == storage::Upper(key);
      })) {
    dialogs.MsgInfo(std::string("No se han encontrado datos los datos generales del torneo\r\n") + kCreateInstead);
    workspace.Close("torneosimp");
    workspace.Select("cuadro");
    return;
  }
  const int rounds = static_cast<int>(imported.GetNumber("N_RONDAS"));
  const std::vector<std::string> names = TournamentFiles(source, key, rounds, OtherKeys(imported, key));
  bool done = CopyFiles(dialogs, source, names);
  if (done) {
    if (storage::Status s = AppendRecordCopy(*torneos, imported); !s.ok()) {
      dialogs.MsgStop("No se ha podido a\xF1" "adir el torneo al fichero de torneos\r\n" + s.message());
      done = false;
    }
  }
  workspace.Close("torneosimp");
  workspace.Select("cuadro");
  if (done) dialogs.MsgInfo("Torneo importado", "\xA1" "Hecho!");
}

}  // namespace movarel::registry
