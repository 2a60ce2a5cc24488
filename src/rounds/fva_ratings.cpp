#include "rounds/fva_ratings.h"

#include <functional>

#include "storage/files.h"
#include "storage/unreported_errors.h"
#include "storage/value.h"
#include "ui/control.h"
#include "ui/ini_file.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::rounds {
namespace {

constexpr char kFvaAlias[] = "ffva";

std::string IndexPath(const registry::WorkingState& state) {
  if (state.CCARPINI.empty()) return kFvaIndexFile;
  return state.CCARPINI + ui::kPathSeparator + kFvaIndexFile;
}

// The common frame of both buttons: settings test, list opened and indexed, every player
// visited in record order, list closed and index deleted, grid refreshed. False when the
// run did not take place (the message is already shown).
bool OverFvaList(
    registry::WorkingState& state, std::string_view key_text,
    const std::function<storage::Status(storage::Table& cuadro, storage::Table& ffva)>& per_player) {
  const std::string list_path = FvaListPath();
  if (list_path.empty() || !storage::FileExists(list_path)) {
    state.dialogs->MsgExclamation("Seleccione la ubicaci\xF3n del Elo FVA en el Men\xFA Configurar", "");
    return false;
  }
  storage::Workspace& workspace = state.workspace;
  storage::Table* cuadro = workspace.Find("cuadro");
  if (cuadro == nullptr) return false;
  // The list is only read: opening it read-only lets it sit on a read-only medium.
  auto opened = workspace.Use(list_path, kFvaAlias, /*shared=*/false, /*read_only=*/true);
  if (!opened.ok()) {
    state.dialogs->MsgStop("No se ha podido abrir la lista de Elo FVA\r\n" + opened.status().message(), "");
    workspace.Select("cuadro");
    return false;
  }
  storage::Table& ffva = **opened;
  const std::string index_path = IndexPath(state);
  storage::Status status = ffva.CreateIndex(index_path, key_text);
  const uint32_t position = cuadro->RecNo();
  if (status.ok()) {
    for (cuadro->GoTop(); status.ok() && !cuadro->Eof(); cuadro->Skip()) status = per_player(*cuadro, ffva);
    if (status.ok()) status = cuadro->Commit();
  }
  cuadro->GoTo(position);
  workspace.Close(kFvaAlias);
  storage::EraseLeftover(index_path);
  workspace.Select("cuadro");
  if (!status.ok()) {
    state.dialogs->MsgStop("Error al leer la lista de Elo FVA\r\n" + status.message(), "");
    return false;
  }
  return true;
}

void RefreshGrid(ui::Control* brwCuadro) {
  if (brwCuadro != nullptr) brwCuadro->Call(ui::Method::kRefresh);
}

}  // namespace

std::string FvaListPath() {
  ui::IniFile ini(ui::SettingsFilePath());
  if (!ini.existed()) return "";
  return ini.Get("Movarel", "EloFva", "");
}

storage::Status ACTFVAJUGCUADRO(registry::WorkingState& state, storage::Table& cuadro, storage::Table& ffva,
                                FvaCounts& counts) {
  const std::string lic = cuadro.GetText("LIC");
  if (storage::AllTrim(lic).empty()) return storage::Status::Ok();
  // The licence is looked up over the list's own LIC width, so a list whose field is wider
  // or narrower than the player table's still matches whole licences only.
  const storage::NtxIndex* index = ffva.ControllingIndex();
  std::string wanted(storage::RTrim(lic));
  const size_t width = index == nullptr ? wanted.size() : static_cast<size_t>(index->expression().size());
  bool found = false;
  if (wanted.size() <= width) {
    wanted.resize(width, ' ');
    auto seek = ffva.Seek(wanted, /*soft=*/false);
    if (!seek.ok()) return seek.status();
    found = *seek;
  }
  if (!found) {
    state.dialogs->MsgInfo("No se ha encontrado la licencia " + std::string(storage::RTrim(lic)), "");
    return storage::Status::Ok();
  }
  ++counts.NKENC;
  const double elo = ffva.GetNumber("ELO");
  if (cuadro.GetNumber("ELO") != elo) {
    ++counts.NKMOD;
    return cuadro.Put("ELO", elo);
  }
  return storage::Status::Ok();
}

storage::Status PONLICFVAJUGCUADRO(storage::Table& cuadro, storage::Table& ffva, FvaCounts& counts) {
  if (!storage::AllTrim(cuadro.GetText("LIC")).empty()) return storage::Status::Ok();
  const std::string name = storage::Upper(storage::AllTrim(cuadro.GetText("JUG")));
  // A free slot of a new tournament has no name; an empty search would match the first
  // entry of the list and hand out a stranger's licence.
  if (name.empty()) return storage::Status::Ok();
  auto seek = ffva.Seek(name, /*soft=*/false);
  if (!seek.ok()) return seek.status();
  if (!*seek) return storage::Status::Ok();
  ++counts.NKENC;
  const std::string licence = ffva.GetText("LIC");
  ffva.Skip();
  // The name is ambiguous when the next entry's name is a beginning of it (equal names
  // included). The end of the list is no next entry: reading its blank name as a match made
  // the last name of the list always ambiguous.
  if (!ffva.Eof()) {
    const std::string next = storage::Upper(storage::AllTrim(ffva.GetText("JUG")));
    if (!next.empty() && storage::TextEquals(name, next)) {
      ++counts.NKAMBIGUOS;
      return storage::Status::Ok();
    }
  }
  return cuadro.Put("LIC", licence);
}

void PONELOFVACUADRO(registry::WorkingState& state, ui::Control* brwCuadro) {
  ui::ActiveOperation op("PONELOFVACUADRO");
  FvaCounts counts;
  const bool done = OverFvaList(state, "ffva->lic", [&](storage::Table& cuadro, storage::Table& ffva) {
    return ACTFVAJUGCUADRO(state, cuadro, ffva, counts);
  });
  RefreshGrid(brwCuadro);
  if (!done) return;
  state.dialogs->MsgInfo("Jugadores encontrados: " + std::to_string(counts.NKENC) +
                             "\r\nELOs actualizados: " + std::to_string(counts.NKMOD),
                         "");
}

void PONLICFVACUADRO(registry::WorkingState& state, ui::Control* brwCuadro) {
  ui::ActiveOperation op("PONLICFVACUADRO");
  FvaCounts counts;
  const bool done = OverFvaList(state, "upper(ffva->jug)", [&](storage::Table& cuadro, storage::Table& ffva) {
    return PONLICFVAJUGCUADRO(cuadro, ffva, counts);
  });
  RefreshGrid(brwCuadro);
  if (!done) return;
  state.dialogs->MsgInfo("Jugadores encontrados: " + std::to_string(counts.NKENC) +
                             "\r\nJugadores ambiguos: " + std::to_string(counts.NKAMBIGUOS),
                         "");
}

}  // namespace movarel::rounds
