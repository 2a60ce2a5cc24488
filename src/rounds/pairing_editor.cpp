#include "rounds/pairing_editor.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "register/file_names.h"
#include "rounds/absolute_rules.h"
#include "rounds/automatic_pairing.h"
#include "rounds/pairing_validation.h"
#include "rounds/round_chooser.h"
#include "rounds/round_pairing_check.h"
#include "rounds/round_table_access.h"
#include "rounds/sit_out_dialog.h"
#include "rounds/tournament_tables.h"
#include "storage/value.h"
#include "ui/dialogs.h"
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
  std::vector<pairing::Board> boards;
  bool white = first_white;
  for (int i = 1; i <= half; ++i, white = !white) {
    boards.push_back(white ? pairing::Board{i, i + half} : pairing::Board{i + half, i});
  }
  if (players % 2 == 1) boards.push_back({players, 0});
  return PlaceBoards(ronda, boards);
}

storage::Status PlaceBoards(storage::Table& ronda, const std::vector<pairing::Board>& boards) {
  storage::Status status;
  auto put = [&](const char* field, const storage::Value& value) {
    if (status.ok()) status = ronda.Put(field, value);
  };
  ronda.GoTop();
  for (const pairing::Board& board : boards) {
    if (ronda.Eof()) break;
    put("JUG_B", static_cast<double>(board.white));
    put("JUG_N", static_cast<double>(board.black));
    ronda.Skip();
  }
  for (; !ronda.Eof(); ronda.Skip()) {
    put("JUG_B", 0.0);
    put("JUG_N", 0.0);
  }
  // The old results belong to the old games: kept, they would be confirmed for new opponents
  // and colours.
  for (ronda.GoTop(); !ronda.Eof(); ronda.Skip()) put("RDO", std::string(5, ' '));
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

// One board as the round table holds it.
struct Board {
  double white = 0;
  double black = 0;
  std::string rdo;
};

std::vector<Board> ReadBoards(storage::Table& ronda) {
  std::vector<Board> boards;
  for (ronda.GoTop(); !ronda.Eof(); ronda.Skip()) {
    boards.push_back({ronda.GetNumber("JUG_B"), ronda.GetNumber("JUG_N"), ronda.GetText("RDO")});
  }
  return boards;
}

bool HasResult(const Board& board) { return !storage::AllTrim(board.rdo).empty(); }

// Whether any result of `round` was entered: a code on a board or the score of a player the
// player table has on a board (the points of one left out of the round are no result).
bool RoundHasResults(registry::WorkingState& state, const std::vector<Board>& boards, int round) {
  if (std::any_of(boards.begin(), boards.end(), HasResult)) return true;
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return false;
  const std::string points = registry::RoundFieldName(round, 'P');
  const std::string opponent = registry::RoundFieldName(round, 'J');
  const std::string colour = registry::RoundFieldName(round, 'C');
  for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
    const bool on_board = cuadro->GetNumber(opponent) != 0 || !storage::AllTrim(cuadro->GetText(colour)).empty();
    if (on_board && !storage::AllTrim(cuadro->GetText(points)).empty()) return true;
  }
  return false;
}

std::string ResultsWillBeLost(int round) {
  return "La ronda " + std::to_string(round) +
         " ya tiene resultados: el emparejamiento nuevo los borrar\xE1.\r\n\xBF"
         "Desea continuar?";
}

std::string EditorTitle(int round) { return "Emparejamiento de la ronda " + std::to_string(round); }

std::vector<pairing::Board> PairedBoards(const std::vector<Board>& boards) {
  std::vector<pairing::Board> paired;
  for (const Board& b : boards) paired.push_back({static_cast<int>(b.white), static_cast<int>(b.black)});
  return paired;
}

std::string BoardList(const std::vector<uint32_t>& boards) {
  std::string text;
  for (uint32_t board : boards) text += (text.empty() ? "" : ", ") + std::to_string(board);
  return text;
}

// The editor's clicks. Each writes the round table at once; nothing is kept in memory.
class PairingEditor {
 public:
  // `opened`: the boards as the editor found them, before any automatic pairing;
  // `results_cleared`: that pairing cleared the round's results.
  PairingEditor(registry::WorkingState& state, ui::Ui& ui, ui::Form& form, storage::Table& ronda, int round,
                std::vector<Board> opened, bool results_cleared)
      : state_(state),
        ui_(ui),
        form_(form),
        ronda_(ronda),
        round_(round),
        opened_(std::move(opened)),
        results_cleared_(results_cleared) {}

  // OK: confirms the pairing (VALIDARPAREO) unless the player table already holds it and
  // nothing was changed, so a round only looked at stays byte for byte as it was. Boards
  // whose players changed lose their results, after a question when they had any; the
  // answer No keeps the editor open. Returns whether the editor may close.
  bool Confirm() {
    const std::vector<Board> now = ReadBoards(ronda_);
    std::vector<uint32_t> changed;
    for (size_t i = 0; i < now.size() && i < opened_.size(); ++i) {
      if (now[i].white != opened_[i].white || now[i].black != opened_[i].black) {
        changed.push_back(static_cast<uint32_t>(i + 1));
      }
    }
    if (!results_cleared_ && changed.empty() && PairingConfirmed(state_, round_)) return true;
    if (!KeepBreaches(now)) return false;
    std::vector<uint32_t> with_results;
    for (uint32_t board : changed) {
      if (HasResult(now[board - 1])) with_results.push_back(board);
    }
    if (!with_results.empty() &&
        !state_.dialogs->MsgYesNo("Se borrar\xE1 el resultado de las mesas que han cambiado de jugadores: " +
                                      BoardList(with_results) +
                                      ".\r\n\xBF"
                                      "Desea continuar?",
                                  EditorTitle(round_))) {
      return false;
    }
    std::set<uint32_t> void_results;
    for (uint32_t board : changed) {
      ronda_.GoTo(board);
      Write("RDO", std::string(5, ' '));
      for (const Board* b : {static_cast<const Board*>(&opened_[board - 1]), &now[board - 1]}) {
        for (const double player : {b->white, b->black}) {
          if (player > 0) void_results.insert(static_cast<uint32_t>(player));
        }
      }
    }
    if (results_cleared_) {
      if (storage::Table* cuadro = state_.workspace.Find("cuadro")) {
        for (uint32_t recno = 1; recno <= cuadro->LastRec(); ++recno) void_results.insert(recno);
      }
    }
    if (sit_outs_) {
      for (int number : sit_outs_->absent) void_results.erase(static_cast<uint32_t>(number));
      for (int number : sit_outs_->half_bye) void_results.erase(static_cast<uint32_t>(number));
      GiveSitOutPoints();
    }
    storage::Result<std::string> validated = VALIDARPAREO(state_, round_, void_results, /*rules_asked=*/true);
    if (!validated.ok()) {
      state_.dialogs->MsgStop("No se ha podido validar el emparejamiento\r\n" + validated.status().message());
    }
    return true;
  }

  // Cancel: the boards go back to what they held when the editor opened, before any
  // automatic pairing; the player table and the register are not touched.
  void Cancel() {
    ronda_.GoTop();
    for (const Board& board : opened_) {
      if (ronda_.Eof()) break;
      if (ronda_.GetNumber("JUG_B") != board.white) Write("JUG_B", board.white);
      if (ronda_.GetNumber("JUG_N") != board.black) Write("JUG_N", board.black);
      if (ronda_.GetText("RDO") != board.rdo) Write("RDO", board.rdo);
      ronda_.Skip();
    }
  }

  // btnEmpAuto: the whole round by the Dutch system, after asking who sits it out. The boards
  // fill in as if placed by hand; nothing else is written before OK.
  void PairAutomatically() {
    storage::Table* torneos = state_.workspace.Find("torneos");
    storage::Table* cuadro = state_.workspace.Find("cuadro");
    if (torneos == nullptr || cuadro == nullptr) return;
    if (!results_cleared_ && RoundHasResults(state_, opened_, round_) &&
        !state_.dialogs->MsgYesNo(ResultsWillBeLost(round_), "\xA1"
                                                              "Cuidado!")) {
      return;
    }
    const int players = static_cast<int>(cuadro->LastRec());
    const std::optional<SitOuts> sit_outs =
        AskSitOuts(state_, ui_, round_, players, sit_outs_ ? *sit_outs_ : RecordedSitOuts(state_, round_));
    if (!sit_outs) return;
    storage::Result<pairing::RoundPairing> paired = PairByDutchSystem(*torneos, *cuadro, round_, *sit_outs);
    if (!paired.ok()) {
      state_.dialogs->MsgStop(paired.status().message(), EditorTitle(round_));
      return;
    }
    std::vector<pairing::Board> boards = paired->boards;
    if (paired->bye != 0) boards.push_back({paired->bye, 0});
    if (boards.size() > ronda_.LastRec()) {
      state_.dialogs->MsgStop("El fichero de la ronda " + std::to_string(round_) + " tiene " +
                                  std::to_string(ronda_.LastRec()) + " mesas y el emparejamiento necesita " +
                                  std::to_string(boards.size()),
                              EditorTitle(round_));
      return;
    }
    if (storage::Status status = PlaceBoards(ronda_, boards); !status.ok()) WriteFailed(ronda_, status);
    results_cleared_ = true;
    sit_outs_ = *sit_outs;
    for (int number = 1; number <= players; ++number) ShowButton(number);
    HidePlacedPlayers();
    Grid().Value(1.0);
    Side().Value(1.0);
    Grid().Call(ui::Method::kRefresh);
  }

  void PONERJUG(long number, ui::Control& button) {
    if (!GoToSelectedBoard()) return;
    button.Visible(false);
    const bool white = Side().index() != 2;
    const char* field = white ? "JUG_B" : "JUG_N";
    const long placed = static_cast<long>(ronda_.GetNumber(field));
    if (placed > 0) ShowButton(placed);
    Write(field, static_cast<double>(number));
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
    Write(field, 0.0);
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

  // A pairing that breaks an absolute rule is kept only when the arbiter says so.
  bool KeepBreaches(const std::vector<Board>& now) {
    storage::Table* torneos = state_.workspace.Find("torneos");
    storage::Table* cuadro = state_.workspace.Find("cuadro");
    if (torneos == nullptr || cuadro == nullptr) return true;
    const std::vector<std::string> breaches = AbsoluteRuleBreaches(
        *cuadro, PairedBoards(now), round_, static_cast<int>(torneos->GetNumber("N_RONDAS")));
    if (breaches.empty()) return true;
    std::string text;
    for (const std::string& breach : breaches) text += breach + "\r\n";
    return state_.dialogs->MsgYesNo(text + "\xBF" "Desea mantener este emparejamiento?", EditorTitle(round_));
  }

  // The round's points of those the automatic pairing left out: they have no board to carry
  // a result, and the next pairing must know an absence from a bye they asked for.
  void GiveSitOutPoints() {
    storage::Table* cuadro = state_.workspace.Find("cuadro");
    if (cuadro == nullptr) return;
    const std::string points = registry::RoundFieldName(round_, 'P');
    const std::string forfeit = registry::RoundFieldName(round_, 'I');
    storage::Status status;
    auto give = [&](const std::set<int>& numbers, const std::string& value) {
      for (int number : numbers) {
        if (number < 1 || static_cast<uint32_t>(number) > cuadro->LastRec() || !status.ok()) continue;
        cuadro->GoTo(static_cast<uint32_t>(number));
        status = cuadro->Put(points, value);
        if (status.ok()) status = cuadro->Put(forfeit, std::string(" "));
      }
    };
    give(sit_outs_->absent, "0");
    give(sit_outs_->half_bye, "\xBD");
    if (status.ok()) status = cuadro->Commit();
    if (!status.ok()) WriteFailed(*cuadro, status);
  }
  ui::Control& Side() { return *form_.Find("rdgBN"); }

  // A grid without a selected board (or one past the table) changes nothing.
  bool GoToSelectedBoard() {
    const uint32_t board = Grid().recno();
    if (board < 1 || board > ronda_.LastRec()) return false;
    ronda_.GoTo(board);
    return !ronda_.Eof() && !ronda_.Deleted();
  }

  void Write(const char* field, const storage::Value& value) {
    storage::Status status = ronda_.Put(field, value);
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
  ui::Ui& ui_;
  ui::Form& form_;
  storage::Table& ronda_;
  int round_;
  std::vector<Board> opened_;
  bool results_cleared_;
  std::optional<SitOuts> sit_outs_;  // those the automatic pairing left out
};

}  // namespace

void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("VEREMPAREJ");
  const std::optional<RoundChoice> choice = ChooseRound(state, ui, RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  const int round = choice->round;
  storage::Table* ronda = OpenRoundTable(state, round, EditorTitle(round));
  if (ronda == nullptr) return;

  const int players = RegisterPlayerCount(state);
  std::vector<Board> opened = ReadBoards(*ronda);
  bool results_cleared = false;
  if (round == 1 &&
      state.dialogs->MsgYesNo("\xBF"
                              "Emparejamiento autom\xE1tico?",
                              "\xA1"
                              "Cuidado!") &&
      (!RoundHasResults(state, opened, round) || state.dialogs->MsgYesNo(ResultsWillBeLost(round), "\xA1"
                                                                                                 "Cuidado!"))) {
    const bool first_white = state.dialogs->MsgYesNo("\xBFJuega el n\xFAmero 1 del ranking con blancas?",
                                                     "Responda No si el 1 juega con negras");
    if (storage::Status status = PairRoundOne(*ronda, players, first_white); !status.ok()) {
      WriteFailed(*ronda, status);
    }
    results_cleared = true;
  }

  ui::Form frm(ui, "FrmEE", ui::FormKind::kModal);
  frm.Caption(EditorTitle(round))
      .Size(std::max(400, 350 + 35 * (players / 10)), 440);
  PairingEditor editor(state, ui, frm, *ronda, round, std::move(opened), results_cleared);
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
  frm.AddButton("btnEmpAuto")
      .At(frm.height() - 65, 10)
      .Size(170, 25)
      .Caption("Emparejar autom\xE1ticamente")
      .Tooltip("Emparejar la ronda por el sistema suizo holand\xE9s de la FIDE")
      .OnClick([&] { editor.PairAutomatically(); });
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("ok")
      .OnClick([&] {
        if (editor.Confirm()) frm.Release();
      });
  frm.AddPictureButton("btnCancel")
      .At(frm.height() - 65, frm.width() - 80)
      .Size(30, 25)
      .Picture("salir")
      .Tooltip("Salir sin cambiar el emparejamiento")
      .OnClick([&] {
        editor.Cancel();
        frm.Release();
      });
  editor.HidePlacedPlayers();
  editor.DisableWithdrawn();
  frm.Center();
  frm.Activate();

  CloseRoundTable(state);
}

}  // namespace movarel::rounds
