#include "rounds/pairing_editor.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "register/file_names.h"
#include "rounds/pairing_validation.h"
#include "rounds/round_chooser.h"
#include "rounds/tournament_tables.h"
#include "storage/value.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::rounds {

std::string PlayerButtonName(long number) {
  char name[32];
  std::snprintf(name, sizeof name, "btnJug%03ld", number);
  return name;
}

storage::Status PairRoundOne(storage::Table& ronda, int players, bool first_white) {
  const int half = players / 2;
  char colour = first_white ? 'B' : 'N';
  storage::Status status;
  auto put = [&](const char* field, int value) {
    if (status.ok()) status = ronda.Put(field, static_cast<double>(value));
  };
  ronda.GoTop();
  for (int i = 1; i <= half && !ronda.Eof(); ++i) {
    put(colour == 'B' ? "JUG_B" : "JUG_N", i);
    put(colour == 'B' ? "JUG_N" : "JUG_B", i + half);
    colour = colour == 'B' ? 'N' : 'B';
    ronda.Skip();
  }
  if (players % 2 == 1 && !ronda.Eof()) {
    put("JUG_B", players);
    put("JUG_N", 0);
    ronda.Skip();
  }
  for (; !ronda.Eof(); ronda.Skip()) {
    put("JUG_B", 0);
    put("JUG_N", 0);
  }
  if (status.ok()) status = ronda.Commit();
  ronda.GoTop();
  return status;
}

namespace {

// A write refused in the middle of a click (a full disk): the program's last resort, as for
// every unhandled table error.
[[noreturn]] void WriteFailed(const storage::Table& table, const storage::Status& status) {
  ui::RunTimeError error;
  error.subsystem = "DBFNTX";
  error.subcode = 1011;
  error.description = "Write error (" + status.message() + ")";
  error.file_name = table.path();
  ui::FatalError(error);
}

// The editor's clicks. Each writes the round table at once; nothing is kept in memory.
class PairingEditor {
 public:
  PairingEditor(registry::WorkingState& state, ui::Form& form, storage::Table& ronda)
      : state_(state), form_(form), ronda_(ronda) {}

  void PONERJUG(long number, ui::Control& button) {
    if (!GoToSelectedBoard()) return;
    button.Visible(false);
    const bool white = Side().index() != 2;
    const char* field = white ? "JUG_B" : "JUG_N";
    const long placed = static_cast<long>(ronda_.GetNumber(field));
    if (placed > 0) ShowButton(placed);
    Write(field, number);
    NextSide(white);
  }

  void QUITARJUG() {
    if (!GoToSelectedBoard()) return;
    const bool white = Side().index() != 2;
    const char* field = white ? "JUG_B" : "JUG_N";
    const long placed = static_cast<long>(ronda_.GetNumber(field));
    if (placed > 0) {
      ShowButton(placed);
      if (ui::Control* button = form_.Find(PlayerButtonName(placed));
          button != nullptr && Withdrawn(placed)) {
        button->Enabled(false);
      }
    }
    Write(field, 0);
    NextSide(white);
  }

  // DESACTEMPAREJS: players already on a board have no button to place them again. A Black
  // player of a board without White keeps it: validation ignores such a board.
  void HidePlacedPlayers() {
    for (ronda_.GoTop(); !ronda_.Eof(); ronda_.Skip()) {
      const long white = static_cast<long>(ronda_.GetNumber("JUG_B"));
      const long black = static_cast<long>(ronda_.GetNumber("JUG_N"));
      if (white <= 0) continue;
      HideButton(white);
      if (black > 0) HideButton(black);
    }
    ronda_.GoTop();
  }

  // DESACTBAJAS: the button named after a withdrawn player's NUM cannot be clicked.
  void DisableWithdrawn() {
    storage::Table* cuadro = state_.workspace.Find("cuadro");
    if (cuadro == nullptr) return;
    for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
      if (!cuadro->GetLogical("BAJA")) continue;
      if (ui::Control* button = form_.Find(PlayerButtonName(static_cast<long>(cuadro->GetNumber("NUM"))))) {
        button->Enabled(false);
      }
    }
  }

 private:
  ui::Control& Grid() { return *form_.Find("brwPareo"); }
  ui::Control& Side() { return *form_.Find("rdgBN"); }

  // A grid without a selected board (or one past the table) changes nothing.
  bool GoToSelectedBoard() {
    const uint32_t board = Grid().recno();
    if (board < 1 || board > ronda_.LastRec()) return false;
    ronda_.GoTo(board);
    return !ronda_.Eof() && !ronda_.Deleted();
  }

  void Write(const char* field, long number) {
    storage::Status status = ronda_.Put(field, static_cast<double>(number));
    if (status.ok()) status = ronda_.Commit();
    if (!status.ok()) WriteFailed(ronda_, status);
  }

  // After White the next click goes to Black of the same board; after Black to White of the
  // next board. The selection stays on the last board rather than leave the table.
  void NextSide(bool was_white) {
    Side().Value(was_white ? 2.0 : 1.0);
    if (!was_white) {
      ronda_.Skip();
      if (ronda_.Eof()) ronda_.GoBottom();
      Grid().Value(static_cast<double>(ronda_.RecNo()));
    }
    Grid().Call(ui::Method::kRefresh);
  }

  bool Withdrawn(long number) {
    storage::Table* cuadro = state_.workspace.Find("cuadro");
    if (cuadro == nullptr || number < 1 || static_cast<uint32_t>(number) > cuadro->LastRec()) return false;
    cuadro->GoTo(static_cast<uint32_t>(number));
    return cuadro->GetLogical("BAJA");
  }

  void ShowButton(long number) {
    if (ui::Control* button = form_.Find(PlayerButtonName(number))) button->Visible(true);
  }
  void HideButton(long number) {
    if (ui::Control* button = form_.Find(PlayerButtonName(number))) button->Visible(false);
  }

  registry::WorkingState& state_;
  ui::Form& form_;
  storage::Table& ronda_;
};

// The round table for exclusive use; the DOS program holds it while it pairs that round.
storage::Table* OpenRonda(registry::WorkingState& state, int round) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  const std::string name = registry::RoundTableName(round, state.CCLAVE);
  const std::string path = (cuadro == nullptr ? "" : TournamentFolderPrefix(*cuadro)) + name;
  storage::Result<storage::Table*> ronda = state.workspace.Use(path, "ronda", /*shared=*/false);
  if (ronda.ok()) return *ronda;
  const std::string reason = ronda.status().code() == storage::Status::Code::kLocked
                                 ? "est\xE1 siendo utilizado por otro programa"
                             : ronda.status().code() == storage::Status::Code::kNotFound ? "no existe"
                                                                                         : "no se puede leer";
  state.dialogs->MsgStop("El fichero de la ronda " + std::to_string(round) + " (" + name + ".dbf) " + reason +
                             "\r\nNo se ha cambiado nada",
                         "Emparejamiento de la ronda " + std::to_string(round));
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
  return nullptr;
}

}  // namespace

void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("VEREMPAREJ");
  const std::optional<RoundChoice> choice = ChooseRound(state, ui, RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  const int round = choice->round;
  storage::Table* ronda = OpenRonda(state, round);
  if (ronda == nullptr) return;

  const int players = RegisterPlayerCount(state);
  if (round == 1 && state.dialogs->MsgYesNo("\xBF"
                                            "Emparejamiento autom\xE1tico?",
                                            "\xA1"
                                            "Cuidado!")) {
    const bool first_white = state.dialogs->MsgYesNo("\xBFJuega el n\xFAmero 1 del ranking con blancas?",
                                                     "Responda No si el 1 juega con negras");
    if (storage::Status status = PairRoundOne(*ronda, players, first_white); !status.ok()) {
      WriteFailed(*ronda, status);
    }
  }

  ui::Form frm(ui, "FrmEE", ui::FormKind::kModal);
  frm.Caption("Emparejamiento de la ronda " + std::to_string(round))
      .Size(std::max(400, 350 + 35 * (players / 10)), 440);
  PairingEditor editor(state, frm, *ronda);
  frm.AddGrid("brwPareo")
      .At(5, 5)
      .Size(250, 350)
      .Alias("ronda")
      .Columns(
          {ui::GridColumn::Computed("Mesa", 50, [](storage::Table& t) { return storage::Str(t.RecNo(), 3); }),
           ui::GridColumn::Field("Blancas", 60, "JUG_B"), ui::GridColumn::Field("Negras", 60, "JUG_N"),
           ui::GridColumn::Field("Resultado", 70, "RDO")})
      .Value(1.0);
  frm.AddRadioGroup("rdgBN")
      .At(5, 270)
      .Size(70, 50)
      .Items({"Blancas", "Negras"})
      .Value(1.0)
      .Tooltip("Color al que ira el jugador");
  frm.AddPictureButton("btnBorrar")
      .At(15, 350)
      .Size(30, 25)
      .Picture("borrar")
      .Tooltip("Quitar jugador de blancas o negras del emparejamiento")
      .OnClick([&] { editor.QUITARJUG(); });
  for (int i = 1; i <= players; ++i) {
    ui::Control& button = frm.AddButton(PlayerButtonName(i));
    button.At(60 + 30 * ((i - 1) % 10), 270 + 35 * ((i - 1) / 10))
        .Size(30, 25)
        .Caption(std::to_string(i))
        .OnClick([&editor, &button, i] { editor.PONERJUG(i, button); });
  }
  frm.AddFrame("Frame1").At(frm.height() - 70, 10).Size(frm.width() - 20, 1);
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("ok")
      .OnClick([&] {
        storage::Result<std::string> validated = VALIDARPAREO(state, round);
        if (!validated.ok()) {
          state.dialogs->MsgStop("No se ha podido validar el emparejamiento\r\n" +
                                 validated.status().message());
        }
        frm.Release();
      });
  editor.HidePlacedPlayers();
  editor.DisableWithdrawn();
  frm.Center();
  frm.Activate();

  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
}

}  // namespace movarel::rounds
