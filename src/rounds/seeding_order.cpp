#include "rounds/seeding_order.h"

#include <string>

#include "register/file_names.h"
#include "rounds/tournament_tables.h"
#include "storage/files.h"
#include "storage/unreported_errors.h"
#include "storage/value.h"
#include "ui/run_time_error.h"

namespace movarel::rounds {
namespace {

constexpr char kCopyAlias[] = "zdof";

storage::Status Inject(const SeedingFaultHook& fault, SeedingStep step) {
  return fault ? fault(step) : storage::Status::Ok();
}

// The player table's name as the register gives it; the file actually replaced is the one
// open under `cuadro`, found without regard to case (the DOS program writes CUAB.DBF).
std::string PlayerTableFileName(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  std::string key = state.CCLAVE;
  if (torneos != nullptr && !torneos->Eof()) key = std::string(storage::AllTrim(torneos->GetText("FICHERO")));
  return registry::PlayerTableName(key) + ".dbf";
}

storage::Status NumberCopy(storage::Workspace& workspace, const std::string& copy_path) {
  auto copy = workspace.Use(copy_path, kCopyAlias, /*shared=*/false);
  if (!copy.ok()) return copy.status();
  storage::Table& table = **copy;
  storage::Status status;
  for (table.GoTop(); status.ok() && !table.Eof(); table.Skip()) status = PONNUM(table);
  if (status.ok()) status = table.Commit();
  workspace.Close(kCopyAlias);
  return status;
}

}  // namespace

std::string_view SeedingKeyText(std::string_view kind) {
  if (kind == "FFF") {
    return "descend(str(cuadro->elofide,4)+str(cuadro->elofeda,4)+str(cuadro->elo,4))+cuadro->cat+cuadro->"
           "jug";
  }
  if (kind == "FF0") return "descend(str(cuadro->elofide,4)+str(cuadro->elo,4))+cuadro->cat+cuadro->jug";
  if (kind == "F00") return "descend(str(cuadro->elo,4))+cuadro->cat+cuadro->jug";
  if (kind == "NUM") return "cuadro->num";
  return "";
}

storage::Status PONNUM(storage::Table& table) { return table.Put("NUM", static_cast<double>(table.RecNo())); }

SeedingResult RebuildSeedingOrder(registry::WorkingState& state, std::string_view kind,
                                  const SeedingFaultHook& fault) {
  SeedingResult result;
  storage::Workspace& workspace = state.workspace;
  storage::Table* cuadro = workspace.Find("cuadro");
  if (cuadro == nullptr) {
    result.status = storage::Status::NotFound("no hay ning\xFAn cuadro de jugadores abierto");
    return result;
  }
  const std::string table_path = cuadro->path();
  const std::string prefix = TournamentFolderPrefix(*cuadro);
  const std::string index_path = prefix + kSeedingIndexFile;
  const std::string copy_path = prefix + kSeedingCopyFile;
  state.CFICHTRAB = PlayerTableFileName(state);

  if (!cuadro->FLock()) {
    result.lock_refused = true;
    result.status = storage::Status::Locked(table_path + ": el cuadro est\xE1 bloqueado por otro programa");
    return result;
  }
  // Every failure before the rename ends here: the old table is still open and unchanged;
  // only the temporaries have to go.
  auto abandon = [&](storage::Status status) {
    workspace.Close(kCopyAlias);
    storage::LogUnreported(cuadro->OrdListClear());
    cuadro->Unlock();
    storage::EraseLeftover(index_path);
    storage::EraseLeftover(copy_path);
    workspace.Select("cuadro");
    result.status = std::move(status);
    return result;
  };

  storage::Status status = Inject(fault, SeedingStep::kIndex);
  const std::string_view key = SeedingKeyText(kind);
  if (status.ok() && !key.empty()) status = cuadro->CreateIndex(index_path, key);
  if (!status.ok()) return abandon(status);

  status = Inject(fault, SeedingStep::kCopy);
  if (status.ok()) status = cuadro->CopyTo(copy_path);
  if (!status.ok()) return abandon(status);
  status = cuadro->OrdListClear();
  if (!status.ok()) return abandon(status);
  storage::EraseLeftover(index_path);

  status = Inject(fault, SeedingStep::kNumber);
  if (status.ok()) status = NumberCopy(workspace, copy_path);
  if (!status.ok()) return abandon(status);

  // The DOS program deleted the player table before renaming the copy to its name, so a
  // refused rename lost the table; one rename over the old file replaces it or leaves it.
  status = Inject(fault, SeedingStep::kReplace);
  if (!status.ok()) return abandon(status.WithContext(table_path));
  cuadro->Unlock();
  workspace.Close("cuadro");
  cuadro = nullptr;
  status = storage::ReplaceWithTemp(storage::ResolvePath(copy_path), table_path);
  if (!status.ok()) {
    storage::EraseLeftover(copy_path);
    auto reopened = workspace.Use(table_path, "cuadro", /*shared=*/false);
    result.status = reopened.ok()
                        ? status
                        : storage::Status::IoError(status.message() + "\r\n" + reopened.status().message());
    return result;
  }
  result.replaced = true;

  status = Inject(fault, SeedingStep::kReopen);
  if (status.ok()) {
    auto reopened = workspace.Use(table_path, "cuadro", /*shared=*/false);
    if (!reopened.ok()) status = reopened.status();
  }
  result.status = status;
  return result;
}

void CREAROF(registry::WorkingState& state, std::string_view kind, const SeedingFaultHook& fault) {
  ui::ActiveOperation op("CREAROF");
  if (!state.dialogs->MsgYesNo("Realmente desea crear un nuevo orden de fuerza?\r\n"
                               "Si ha introducido algun emparejamiento, pasara a ser erroneo",
                               "Atencion")) {
    return;
  }
  SeedingResult result = RebuildSeedingOrder(state, kind, fault);
  if (result.status.ok()) return;
  if (result.lock_refused) {
    state.dialogs->MsgStop(
        "El Cuadro de jugadores est\xE1 siendo utiliado por otro programa\r\n"
        "No se puede crear el orden de fuerza",
        "");
    return;
  }
  if (result.replaced) {
    state.dialogs->MsgStop(
        "Se ha creado el nuevo orden de fuerza, pero no se ha podido abrir el cuadro de "
        "jugadores\r\n" +
            result.status.message(),
        "");
    return;
  }
  state.dialogs->MsgStop("No se ha podido crear el orden de fuerza\r\n" + result.status.message() +
                             "\r\nEl cuadro de jugadores no se ha modificado",
                         "");
}

}  // namespace movarel::rounds
