#include "register/tournament_opening.h"

#include <filesystem>

#include "register/file_names.h"
#include "register/format_upgrade.h"
#include "register/program_identity.h"
#include "register/recent_tournaments.h"
#include "register/table_refusal.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "storage/os_file.h"

namespace movarel::registry {
namespace {

constexpr char kNotFound[] = "No se ha encontrado el torneo";

std::string UpgradeQuestion() {
  return std::string("Este fichero fue creado con Zendral para DOS\r\nPara utilizarlo con ") + kProgramTitle +
         " debe actualizar su formato\r\n"
         "Tras ello, algunas funciones de Zendral para DOS ya no funcionar\xE1n en este torneo\r\n"
         "\xBF" "Desea actualizar el formato?";
}

constexpr char kUpgradeDone[] =
    "Movarel ha a\xF1" "adido al torneo campos necesarios en esta versi\xF3n\r\n"
    "A partir de este momento no se debe utilizar la opci\xF3n \r\n"
    "ACTUALIZAR ESTRUCTURA DE LOS FICHEROS de Zendral para DOS \r\n"
    "y algunas funciones de Zendral para DOS no funcionar\xE1n";

// The DOS-era open left the tables of a failed open open (held exclusively) although the
// program then behaved as if no tournament were open; here a failure closes them.
TournamentOutcome Fail(WorkingState& state) {
  state.workspace.CloseAll();
  return TournamentOutcome::Closed();
}

TournamentOutcome NotFound(WorkingState& state) {
  state.dialogs->MsgInfo(kNotFound);
  return Fail(state);
}

TournamentOutcome Refused(WorkingState& state, const std::string& file, const storage::Status& status) {
  state.dialogs->MsgStop(OpenRefusalText(file, status));
  return Fail(state);
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(storage::os::FileSystemPath(path), ec);
  return ec ? path : storage::os::PathString(full.lexically_normal());
}

bool SameKey(std::string_view stored, std::string_view key) {
  return storage::Upper(storage::RTrim(stored)) == storage::Upper(key);
}

}  // namespace

std::string OpenRefusalText(const std::string& file, const storage::Status& status) {
  return TableRefusalText("No se puede abrir el torneo", file, status);
}

TournamentOutcome ELEGIRTORNEO(WorkingState& state) {
  ui::ActiveOperation op("ELEGIRTORNEO");
  // The DOS-era chooser started in a chess folder of drive C; the current folder (the last
  // tournament's) serves better here.
  const std::string path = state.dialogs->GetFile({{"Archivos de cuadro", "cu*.dbf"}}, "Elegir cuadro de torneo",
                                                  ui::GetCurrentFolder(), false);
  return ABRIRTORNEO(state, path);
}

TournamentOutcome ABRIRTORNEO(WorkingState& state, const std::string& path_given) {
  ui::ActiveOperation op("ABRIRTORNEO");
  storage::Workspace& workspace = state.workspace;
  workspace.CloseAll();
  if (storage::AllTrim(path_given).empty() || !storage::FileExists(path_given)) return NotFound(state);
  // The recent entry must still find the file once another folder is current.
  const std::string path = Absolute(path_given);
  const std::string player_table = storage::ResolvePath(path);

  const std::string folder = FolderOfPath(path);
  const std::string register_path = storage::ResolvePath(folder + ui::kPathSeparator + "torneos.dbf");
  // A name typed in the chooser can be any table of the folder. The register taken for a
  // player table would be refused next as held by another program: this program itself.
  std::error_code ec;
  if (std::filesystem::equivalent(storage::os::FileSystemPath(player_table), storage::os::FileSystemPath(register_path), ec)) {
    state.dialogs->MsgStop("No se puede abrir el torneo\r\nEl fichero " + player_table +
                           " es el registro de los torneos de la carpeta, no el cuadro de un torneo\r\n"
                           "Elija el cuadro del torneo: cu + su clave + .dbf");
    return Fail(state);
  }

  auto cuadro = workspace.Use(player_table, "cuadro", /*shared=*/false);
  if (!cuadro.ok()) return Refused(state, player_table, cuadro.status());

  auto torneos = workspace.Use(register_path, "torneos", /*shared=*/false);
  if (!torneos.ok()) return Refused(state, register_path, torneos.status());
  if (!ui::SetCurrentFolder(folder)) {
    return Refused(state, folder, storage::Status::IoError("no se puede entrar en la carpeta"));
  }

  state.CCLAVE = KeyOfPlayerTablePath(path);
  storage::Table& reg = **torneos;
  const std::string key = state.CCLAVE;
  if (!reg.Locate([&key](storage::Table& t) { return SameKey(t.GetText("FICHERO"), key); })) return NotFound(state);
  state.NDIGRONDAS = reg.GetNumber("N_RONDAS") > 9 ? 2 : 1;

  if (!(*cuadro)->HasField("SEXO")) {
    if (!state.dialogs->MsgYesNo(UpgradeQuestion(), "\xA1" "Atenci\xF3n!")) return NotFound(state);
    workspace.Close("cuadro");
    const std::string backup = folder + ui::kPathSeparator + PlayerTableName(key) + ".bak";
    storage::Status upgraded =
        UpgradeByTemplate(workspace, player_table, TemplatesFolder(state.CCARPINI) + "cuadrow.mod",
                          folder + ui::kPathSeparator + "cuadrow.tmp", backup);
    if (!upgraded.ok()) {
      state.dialogs->MsgStop("No se ha podido actualizar el formato del cuadro de jugadores " + player_table +
                             "\r\n" + upgraded.message() + "\r\nEl fichero no se ha modificado");
      return Fail(state);
    }
    cuadro = workspace.Use(player_table, "cuadro", /*shared=*/false);
    if (!cuadro.ok()) return Refused(state, player_table, cuadro.status());
    state.dialogs->MsgInfo(kUpgradeDone);
  }

  const std::string name = workspace.Find("torneos")->GetText("TORNEO");
  RotateRecentTournaments(state, name, path);
  workspace.Select("cuadro");
  return TournamentOutcome::Opened(name);
}

}  // namespace movarel::registry
