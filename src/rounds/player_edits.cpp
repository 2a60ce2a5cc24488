#include "rounds/player_edits.h"

#include <limits>
#include <string>

#include "register/round_boards.h"
#include "rounds/tournament_tables.h"
#include "storage/typed_value.h"
#include "storage/value.h"
#include "ui/control.h"
#include "ui/run_time_error.h"

namespace movarel::rounds {
namespace {

constexpr char kTableInUse[] = "El Cuadro de jugadores est\xE1 siendo utiliado por otro programa";

void ShowOnGrid(ui::Control* brwCuadro, uint32_t recno) {
  if (brwCuadro == nullptr) return;
  brwCuadro->Value(static_cast<double>(recno));
  brwCuadro->Call(ui::Method::kRefresh);
}

// Why one more player cannot be added, or empty. The player's number is its record number
// and NUM has three digits, so record 1000 could never be numbered (STR writes "***"); the
// register's N_JUGS has as many digits in a new register and may have fewer in a DOS one.
std::string FullTournament(registry::WorkingState& state, storage::Table& cuadro) {
  // A field the table lacks sets no limit.
  auto largest = [](const storage::Table& table, std::string_view name) {
    const int index = table.layout().Find(name);
    return index < 0 ? std::numeric_limits<double>::infinity() : storage::LargestValue(table.fields()[index]);
  };
  const double numbers = largest(cuadro, "NUM");
  if (cuadro.LastRec() + 1.0 > numbers) {
    return "El cuadro ya tiene " + std::to_string(cuadro.LastRec()) + " jugadores, los que caben en su campo NUM";
  }
  const storage::Table* torneos = state.workspace.Find("torneos");
  const double counted = torneos != nullptr ? largest(*torneos, "N_JUGS") : 0;
  if (torneos != nullptr && RegisterPlayerCount(state) + 1.0 > counted) {
    return "El fichero de torneos admite como m\xE1ximo " + std::to_string(static_cast<long>(counted)) +
           " jugadores en su campo N_JUGS";
  }
  return "";
}

}  // namespace

void NUEVOJUGCUADRO(registry::WorkingState& state, ui::Control* brwCuadro) {
  ui::ActiveOperation op("NUEVOJUGCUADRO");
  storage::Table* cuadro = state.workspace.Select("cuadro");
  if (cuadro == nullptr) return;
  if (const std::string full = FullTournament(state, *cuadro); !full.empty()) {
    state.dialogs->MsgStop(
        "No se puede a\xF1"
        "adir el jugador\r\n" +
            full,
        "");
    return;
  }
  storage::Status status = cuadro->Append();
  if (status.ok()) status = cuadro->Commit();
  if (!status.ok()) {
    state.dialogs->MsgStop(
        "No se ha podido a\xF1"
        "adir el jugador\r\n" +
            status.message(),
        "");
    return;
  }
  ShowOnGrid(brwCuadro, cuadro->RecNo());
  status = AddToPlayerCount(state, +1);
  if (!status.ok()) {
    state.dialogs->MsgExclamation(
        "No se ha podido actualizar el n\xFAmero de jugadores\r\n" + status.message(), "");
  } else if (RegisterPlayerCount(state) % 2 != 0) {
    registry::ANAREGFRDAS(state);
  }
  state.workspace.Select("cuadro");
}

void BORRJUGCUADRO(registry::WorkingState& state, ui::Control* brwCuadro) {
  ui::ActiveOperation op("BORRJUGCUADRO");
  storage::Table* cuadro = state.workspace.Select("cuadro");
  if (cuadro == nullptr) return;
  if (brwCuadro != nullptr) cuadro->GoTo(brwCuadro->recno());
  if (cuadro->Eof() || cuadro->Deleted()) return;
  const std::string name(storage::AllTrim(cuadro->GetText("JUG")));
  if (!state.dialogs->MsgYesNo("\xBF"
                               "Borrar el jugador " +
                                   name +
                                   "?\r\n"
                                   "Recuerde que una vez metido alg\xFAn emparejamiento\r\n"
                                   "no debe borrar jugadores sino darlos de baja",
                               "Atenci\xF3n")) {
    return;
  }
  // Removing the record rewrites the whole table (pack): it takes the table lock first.
  if (!cuadro->FLock()) {
    state.dialogs->MsgStop(std::string(kTableInUse) + "\r\nNo se puede borrar el jugador", "");
    return;
  }
  storage::Status status = cuadro->Delete();
  if (status.ok()) status = cuadro->Pack();
  if (!status.ok()) {
    // The pack writes the new file before it replaces the old one, so a refusal leaves every
    // record in place; the deletion mark is taken back so the player is not lost later.
    const storage::Status recalled = cuadro->Recall();
    cuadro->Unlock();
    state.dialogs->MsgStop("No se ha podido borrar el jugador\r\n" + status.message() +
                               (recalled.ok() ? "" : "\r\n" + recalled.message()),
                           "");
    return;
  }
  cuadro->Unlock();
  cuadro->GoTop();
  ShowOnGrid(brwCuadro, 1);
  status = AddToPlayerCount(state, -1);
  if (!status.ok()) {
    state.dialogs->MsgExclamation(
        "No se ha podido actualizar el n\xFAmero de jugadores\r\n" + status.message(), "");
  }
  state.workspace.Select("cuadro");
}

}  // namespace movarel::rounds
