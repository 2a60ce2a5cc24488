#include "rounds/result_entry.h"

#include <cstdint>
#include <optional>
#include <string>

#include "register/file_names.h"
#include "rounds/round_chooser.h"
#include "rounds/round_pairing_check.h"
#include "rounds/round_table_access.h"
#include "rounds/tournament_tables.h"
#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/control.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::rounds {
namespace {

constexpr char kHalf = '\xBD';

// The DOS program writes a draw as " 1/2 "; this system's own draw code is " ½-½ ". Both
// give the Windows half sign; every other code gives its own byte.
bool IsDrawSpelledOut(std::string_view rdo) {
  const std::string_view code = rdo.substr(0, 5);
  return code == " 1/2 " || code == " \xBD-\xBD ";
}

char PointsAt(std::string_view rdo, size_t position) {
  if (IsDrawSpelledOut(rdo)) return kHalf;
  return position < rdo.size() ? rdo[position] : ' ';
}

storage::Status PutRoundField(storage::Table& cuadro, int round, char letter, char value) {
  return cuadro.Put(registry::RoundFieldName(round, letter), std::string(1, value));
}

}  // namespace

char WhitePoints(std::string_view rdo) { return PointsAt(rdo, 1); }
char BlackPoints(std::string_view rdo) { return PointsAt(rdo, 3); }
bool IsForfeit(std::string_view rdo) { return rdo.find('i') != std::string_view::npos; }

storage::Status PROCRDO(registry::WorkingState& state, int round) {
  storage::Table* ronda = state.workspace.Find("ronda");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (ronda == nullptr || cuadro == nullptr || ronda->Eof()) return storage::Status::Ok();
  const double white = ronda->GetNumber("JUG_B");
  const double black = ronda->GetNumber("JUG_N");
  const std::string rdo = ronda->GetText("RDO");
  const char forfeit = IsForfeit(rdo) ? 'i' : ' ';

  if (IsPlayerRecord(*cuadro, white)) {
    cuadro->GoTo(static_cast<uint32_t>(white));
    storage::Status status;
    if (black == 0) {
      // A bye scores its point unless a result says otherwise; its forfeit mark is left alone.
      status = PutRoundField(*cuadro, round, 'P', storage::AllTrim(rdo).empty() ? '1' : WhitePoints(rdo));
    } else {
      status = PutRoundField(*cuadro, round, 'P', WhitePoints(rdo));
      if (status.ok()) status = PutRoundField(*cuadro, round, 'I', forfeit);
    }
    if (!status.ok()) return status;
  }
  if (black != 0 && IsPlayerRecord(*cuadro, black)) {
    cuadro->GoTo(static_cast<uint32_t>(black));
    storage::Status status = PutRoundField(*cuadro, round, 'P', BlackPoints(rdo));
    if (status.ok()) status = PutRoundField(*cuadro, round, 'I', forfeit);
    if (!status.ok()) return status;
  }
  return storage::Status::Ok();
}

storage::Status VALIDARRDOS(registry::WorkingState& state, int round) {
  ui::ActiveOperation op("VALIDARRDOS");
  storage::Table* ronda = state.workspace.Find("ronda");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (ronda == nullptr || cuadro == nullptr) return storage::Status::Ok();
  const uint32_t board = ronda->RecNo();
  const uint32_t player = cuadro->RecNo();
  const std::vector<std::string> unconfirmed = UnconfirmedBoards(state, round);
  if (!unconfirmed.empty()) {
    std::string text = "El emparejamiento de la ronda " + std::to_string(round) +
                       " no ha sido confirmado: en el cuadro de jugadores no se enfrentan";
    for (const std::string& line : unconfirmed) text += "\r\n" + line;
    state.dialogs->MsgStop(text +
                               "\r\nConfirme el emparejamiento y despu\xE9s los resultados, que quedan "
                               "anotados en la ronda\r\nNo se ha cambiado el cuadro de jugadores",
                           "Resultados de la ronda " + std::to_string(round));
    ronda->GoTo(board);
    cuadro->GoTo(player);
    return storage::Status::Ok();
  }
  bool any_board = false;
  storage::Status status;
  for (ronda->GoTop(); !ronda->Eof() && status.ok(); ronda->Skip()) {
    if (ronda->GetNumber("JUG_B") == 0) continue;
    any_board = true;
    status = PROCRDO(state, round);
  }
  if (status.ok()) status = cuadro->Commit();
  if (status.ok() && any_board) status = SetCurrentRound(state, round);
  ronda->GoTo(board);
  cuadro->GoTo(player);
  return status;
}

void PONERRDO(registry::WorkingState& state, ui::Control& brwRdos, std::string_view code) {
  storage::Table* ronda = state.workspace.Find("ronda");
  if (ronda == nullptr) return;
  const uint32_t board = brwRdos.recno();
  if (board < 1 || board > ronda->LastRec()) return;
  ronda->GoTo(board);
  if (ronda->GetNumber("JUG_B") == 0) {
    state.dialogs->MsgStop("La mesa " + std::to_string(board) +
                           " no tiene partida: no se le puede poner resultado");
    return;
  }
  storage::Status status = ronda->Put("RDO", std::string(code));
  if (status.ok()) status = ronda->Commit();
  if (!status.ok()) {
    state.dialogs->MsgStop("No se ha podido escribir el resultado de la mesa " + std::to_string(board) +
                           "\r\n" + status.message());
    return;
  }
  if (board < ronda->LastRec()) brwRdos.Value(static_cast<double>(board + 1));
  brwRdos.Call(ui::Method::kRefresh);
}

void RunResultEditor(registry::WorkingState& state, ui::Ui& ui, int round) {
  ui::Form frm(ui, "FrmER", ui::FormKind::kModal);
  frm.Caption("Resultados de la ronda " + std::to_string(round)).Size(320, 400);
  ui::Control& brw = frm.AddGrid("brwRdos")
                         .At(5, 5)
                         .Size(200, 300)
                         .Alias("ronda")
                         .Columns({ui::GridColumn::Field("Blancas", 60, "JUG_B"),
                                   ui::GridColumn::Field("Negras", 60, "JUG_N"),
                                   ui::GridColumn::Field("Resultado", 70, "RDO")})
                         .Value(1.0);
  for (size_t i = 0; i < registry::WorkingState::ARDOS.size(); ++i) {
    const std::string code(registry::WorkingState::ARDOS[i]);
    const int position = static_cast<int>(i) + 1;
    frm.AddButton("btnRdo" + storage::StrZero(position, 2))
        .At(30 * position, 250)
        .Size(40, 25)
        .Caption(code)
        .OnClick([&state, &brw, code] { PONERRDO(state, brw, code); });
  }
  frm.AddFrame("Frame1").At(frm.height() - 70, 10).Size(380, 1);
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("ok")
      .OnClick([&] {
        storage::Status status = VALIDARRDOS(state, round);
        if (!status.ok()) {
          state.dialogs->MsgStop("No se han podido pasar los resultados al cuadro\r\n" + status.message());
        }
        frm.Release();
      });
  frm.Center();
  frm.Activate();
}

void VERRDOS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("VERRDOS");
  const std::optional<RoundChoice> choice = ChooseRound(state, ui, RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  const int round = state.NRONDASEL;
  if (OpenRoundTable(state, round, "Resultados de la ronda " + std::to_string(round)) == nullptr) return;
  RunResultEditor(state, ui, round);
  CloseRoundTable(state);
}

}  // namespace movarel::rounds
