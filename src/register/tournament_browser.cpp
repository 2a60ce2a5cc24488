#include "register/tournament_browser.h"

#include "register/file_names.h"
#include "register/tournament_files.h"
#include "register/tournament_form.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::registry {
namespace {

constexpr char kCareful[] = "\xA1" "Cuidado!";

// The browsed record, or nullptr when the grid shows none (an empty register).
storage::Table* Browsed(WorkingState& state, ui::Form& frm) {
  storage::Table* torneos = state.workspace.Find("torneos");
  const uint32_t recno = frm.Find("brwTorneos")->recno();
  if (torneos == nullptr || recno == 0 || recno > torneos->LastRec()) return nullptr;
  torneos->GoTo(recno);
  if (torneos->Deleted()) return nullptr;
  return torneos;
}

void Refresh(ui::Form& frm) { frm.Find("brwTorneos")->Call(ui::Method::kRefresh); }

}  // namespace

TournamentOutcome HOJEARTORNEOS(WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("HOJEARTORNEOS");
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr) return TournamentOutcome::Unchanged();
  TournamentOutcome outcome;
  ui::Form frm(ui, "FrmHT", ui::FormKind::kModal);
  frm.Caption("Hojear torneos en " + ui::PathAsText(ui::GetCurrentFolder())).Size(640, 400);
  frm.AddGrid("brwTorneos")
      .At(5, 5)
      .Size(625, 300)
      .Alias("torneos")
      .Columns({ui::GridColumn::Field("FICHERO", 70, "FICHERO"), ui::GridColumn::Field("TORNEO", 210, "TORNEO"),
                ui::GridColumn::Field("FECHA DE INICIO", 100, "FECHA_INI"),
                ui::GridColumn::Field("FECHA DE FIN", 100, "FECHA_FIN"),
                ui::GridColumn::Field("LOCALIDAD", 120, "LOCALIDAD")})
      .Tooltip("Haga doble click para editar un torneo")
      .Value(static_cast<double>(torneos->Eof() ? 0 : torneos->RecNo()))
      .OnDoubleClick([&] { EDITARTORNEOHT(state, frm); });
  frm.AddFrame("Frame1").At(frm.height() - 70, 0).Size(frm.width(), 1);
  const int row = frm.height() - 65;
  frm.AddPictureButton("btnHTEditar").At(row, 5).Size(30, 25).Picture("editar").Tooltip("Editar torneo").OnClick([&] {
    EDITARTORNEOHT(state, frm);
  });
  frm.AddPictureButton("btnHTAbrir").At(row, 40).Size(30, 25).Picture("abrir").Tooltip("Abrir torneo").OnClick([&] {
    outcome = ABRIRTORNEOHT(state, frm);
  });
  frm.AddPictureButton("btnHTBorr").At(row, 75).Size(30, 25).Picture("borrar").Tooltip("Borrar torneo").OnClick([&] {
    BORRARTORNEOHT(state, frm);
  });
  frm.AddPictureButton("btnHTOk").At(row, frm.width() - 40).Size(30, 25).Picture("salir").Tooltip("Salir").OnClick([&] {
    frm.Release();
  });
  frm.Center();
  frm.Activate();
  return outcome;
}

void EDITARTORNEOHT(WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("EDITARTORNEOHT");
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr) return;
  const uint32_t remembered = torneos->RecNo();
  if (Browsed(state, frm) != nullptr) EDITARTORNEO(state, frm.ui());
  torneos->GoTo(remembered);
  Refresh(frm);
}

TournamentOutcome ABRIRTORNEOHT(WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("ABRIRTORNEOHT");
  storage::Table* torneos = Browsed(state, frm);
  if (torneos == nullptr) return TournamentOutcome::Unchanged();
  const std::string path = ui::GetCurrentFolder() + ui::kPathSeparator +
                           PlayerTableName(storage::AllTrim(torneos->GetText("FICHERO"))) + ".dbf";
  state.workspace.CloseAll();
  TournamentOutcome outcome = ABRIRTORNEO(state, path);
  frm.Release();
  return outcome;
}

void BORRARTORNEOHT(WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("BORRARTORNEOHT");
  storage::Table* all = state.workspace.Find("torneos");
  if (all == nullptr) return;
  const uint32_t remembered = all->RecNo();
  storage::Table* torneos = Browsed(state, frm);
  ui::Dialogs& dialogs = *state.dialogs;
  if (torneos != nullptr &&
      dialogs.MsgYesNo("\xBFRealmente desea borrar el torneo \r\n" + std::string(storage::AllTrim(torneos->GetText("TORNEO"))) + "?",
                       kCareful)) {
    const std::string key(storage::AllTrim(torneos->GetText("FICHERO")));
    const int rounds = static_cast<int>(torneos->GetNumber("N_RONDAS"));
    storage::Status deleted = torneos->RLock() ? torneos->Delete() : storage::Status::Locked("torneos");
    torneos->Unlock();
    if (!deleted.ok()) {
      dialogs.MsgStop("No se ha podido borrar el torneo\r\n" + deleted.message());
    } else {
      Refresh(frm);
      if (dialogs.MsgYesNo("\xBF" "Borrar tambi\xE9n todos los ficheros del torneo?", kCareful)) {
        const std::string folder = ui::GetCurrentFolder();
        for (const std::string& name : TournamentFiles(folder, key, rounds, OtherKeys(*torneos, key))) {
          BORRAFICHTORN(folder + ui::kPathSeparator + name, dialogs);
        }
      }
      dialogs.MsgInfo("Torneo borrado", "\xA1" "Atenci\xF3n!");
    }
  }
  all->GoTo(remembered);
  Refresh(frm);
}

}  // namespace movarel::registry
