#include "playerbase/database_browser.h"

#include <string>

#include "playerbase/player_database.h"
#include "playerbase/rating_lists.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::playerbase {
namespace {

constexpr char kNotSaved[] = "No se ha podido grabar el jugador";

ui::GridColumn Column(std::string header, std::string field, int width, ui::Alignment alignment) {
  ui::GridColumn column = ui::GridColumn::Field(std::move(header), width, std::move(field));
  column.Editable(true);
  column.Align(alignment);
  return column;
}

std::vector<ui::GridColumn> DatabaseColumns() {
  const ui::Alignment left = ui::Alignment::kLeft, right = ui::Alignment::kRight;
  return {Column("Jugador", "JUG", 150, left),         Column("Licencia FVA", "LIC", 80, right),
          Column("FIDE", "ELOFIDE", 50, right),        Column("FEDA", "ELOFEDA", 50, right),
          Column("Elo", "ELO", 50, right),             Column("K FIDE", "K", 50, right),
          Column("Club", "CLUB", 50, left),            Column("Cat", "CAT", 50, left),
          Column("C\xF3" "d.Pa\xEDs", "COD_PAIS", 50, left), Column("C\xF3" "d.FIDE", "COD_FIDE", 80, right),
          Column("C\xF3" "d.FEDA", "COD_FEDA", 80, right), Column("Fecha de nacimiento", "FECHA_NAC", 150, left)};
}

enum class Input { kText, kNumber, kDate };
struct PlayerInput {
  const char* field;
  const char* label;
  Input kind;
};
constexpr PlayerInput kInputs[] = {
    {"JUG", "Jugador", Input::kText},          {"LIC", "Licencia", Input::kText},
    {"ELOFIDE", "Elo FIDE", Input::kNumber},   {"ELOFEDA", "Elo FEDA", Input::kNumber},
    {"ELO", "Elo", Input::kNumber},            {"K", "K", Input::kNumber},
    {"CLUB", "Club", Input::kText},            {"CAT", "Categor\xED" "a", Input::kText},
    {"COD_PAIS", "C\xF3" "d. Pa\xEDs", Input::kText}, {"COD_FIDE", "C\xF3" "d. FIDE", Input::kText},
    {"COD_FEDA", "C\xF3" "d. FEDA", Input::kText}, {"FECHA_NAC", "Fecha Nacimiento", Input::kDate},
};

std::string ControlName(const PlayerInput& input) {
  return (input.kind == Input::kDate ? "fec" : "txt") + std::string(input.field);
}

storage::Value FieldValue(const PlayerInput& input, const ui::Control& control) {
  switch (input.kind) {
    case Input::kNumber: return storage::Val(control.text());
    case Input::kDate: return control.date();
    case Input::kText: break;
  }
  return control.text();
}

// The new-player and edit forms: the same twelve inputs, filled from `initial`. `save`
// writes the record and returns false when the form must stay (nothing written).
void PlayerForm(registry::WorkingState& state, ui::Ui& ui, const char* name, const char* caption, int bottom_gap,
                const std::vector<storage::Value>& initial, const std::function<bool(ui::Form&)>& save) {
  ui::Form frm(ui, name, ui::FormKind::kModal);
  frm.Caption(caption).Size(400, 450);
  int row = 10;
  for (size_t i = 0; i < std::size(kInputs); ++i, row += 30) {
    const PlayerInput& input = kInputs[i];
    frm.AddLabel(std::string("lbl") + input.field).At(row, 10).Size(130, 24).Caption(input.label);
    ui::Control& control = input.kind == Input::kDate ? frm.AddDatePicker(ControlName(input))
                                                      : frm.AddTextBox(ControlName(input));
    control.At(row, 150).Size(input.kind == Input::kText ? 220 : 110, 24);
    if (input.kind == Input::kNumber) control.Text(ui::TextKind::kNumber);
    control.Value(initial[i]);
  }
  frm.AddFrame("Frame1").At(frm.height() - bottom_gap - 5, 0).Size(frm.width(), 1);
  frm.AddPictureButton("btnOk").At(frm.height() - bottom_gap, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    if (!storage::AllTrim(frm.Find("txtJUG")->text()).empty()) {
      if (save(frm)) frm.Release();
      return;
    }
    // A nameless record could never be found again by the search nor by the tournaments.
    state.dialogs->MsgExclamation("Escriba el nombre del jugador", "");
  });
  frm.AddPictureButton("btnCancel")
      .At(frm.height() - bottom_gap, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();
}

storage::Status WriteInputs(storage::Table& bjugs, const ui::Form& frm) {
  for (const PlayerInput& input : kInputs) {
    if (storage::Status s = bjugs.Put(input.field, FieldValue(input, *frm.Find(ControlName(input)))); !s.ok()) return s;
  }
  return bjugs.Commit();
}

ui::Control& Grid(ui::Form& frm) { return *frm.Find("brwBJugs"); }

// The record selected in the grid, or nullptr when none (an empty database).
storage::Table* Selected(registry::WorkingState& state, ui::Form& frm) {
  storage::Table* bjugs = state.workspace.Find(kDatabaseAlias);
  if (bjugs == nullptr) return nullptr;
  const uint32_t recno = Grid(frm).recno();
  if (recno == 0 || recno > bjugs->LastRec()) return nullptr;
  bjugs->GoTo(recno);
  return bjugs->Deleted() ? nullptr : bjugs;
}

void ShowRecord(ui::Form& frm, uint32_t recno) {
  Grid(frm).Value(static_cast<double>(recno));
  Grid(frm).Call(ui::Method::kRefresh);
}

}  // namespace

void HOJEARBASEJUGS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("HOJEARBASEJUGS");
  auto opened = OpenDatabase(state);
  if (!opened.ok()) {
    state.dialogs->MsgStop("No se ha podido abrir la base de jugadores\r\n" + opened.status().message(), "");
    return;
  }
  storage::Table& bjugs = **opened;
  state.workspace.Select(kDatabaseAlias);
  ui::Form frm(ui, "FrmHBase", ui::FormKind::kModal);
  frm.Caption("Hojear base de jugadores").Size(640, 440);
  ui::Control* grid = nullptr;
  ui::MenuItem& update = frm.AddPopup("&Actualizar");
  update.AddItem("&Elo FVA de los jugadores con c\xF3" "digo FVA de la base", "mnuActFva", [&] { ACTFVA(state, grid); });
  update.AddItem("Elo &FEDA de los jugadores con c\xF3" "digo FEDA de la base", "mnuActFeda",
                 [&] { ACTFEDA(state, grid); });
  update.AddItem("Elo F&IDE de los jugadores con c\xF3" "digo FIDE de la base", "mnuActFide",
                 [&] { ACTFIDE(state, grid); });
  ui::MenuItem& search = frm.AddPopup("&Buscar");
  search.AddItem("&C\xF3" "digo FVA de los jugadores a partir del nombre", "mnuBusFva",
                 [&] { BUSCODFVA(state, grid); });
  search.AddItem("C\xF3" "digo &FEDA de los jugadores a partir del nombre", "mnuBusFeda",
                 [&] { BUSCODFEDA(state, grid); });
  search.AddItem("C\xF3" "digo F&IDE de los jugadores a partir del nombre", "mnuBusFide",
                 [&] { BUSCODFIDE(state, grid); });
  grid = &frm.AddGrid("brwBJugs")
              .At(5, 5)
              .Size(630, 300)
              .Alias(kDatabaseAlias)
              .Columns(DatabaseColumns())
              .Value(static_cast<double>(bjugs.Eof() ? 0 : bjugs.RecNo()))
              .OnDoubleClick([&] { state.dialogs->MsgInfo("Opci\xF3n no disponible por el momento", ""); });
  frm.AddLabel("lblBuscar").At(320, 5).Size(40, 24).Caption("&Buscar");
  frm.AddTextBox("txtBuscar").At(320, 50).Size(200, 24).Tooltip("Buscar comienzo del jugador").Value(std::string()).OnChange(
      [&] { BUSCAR(state, frm); });
  const int row = frm.height() - 85;
  frm.AddPictureButton("btnHBaseNuevo")
      .At(row, 5)
      .Size(30, 25)
      .Picture("nuevo")
      .Tooltip("A\xF1" "adir un jugador a la base")
      .OnClick([&] { NUEVOJUGBASE(state, frm); });
  frm.AddPictureButton("btnHBaseEditar")
      .At(row, 40)
      .Size(30, 25)
      .Picture("editar")
      .Tooltip("Editar el jugador seleccionado")
      .OnClick([&] { EDITARJUGBASE(state, frm); });
  frm.AddPictureButton("btnHBaseBorrar")
      .At(row, 75)
      .Size(30, 25)
      .Picture("borrar")
      .Tooltip("Borrar el jugador seleccionado")
      .OnClick([&] { BORRARJUG(state, frm); });
  frm.AddPictureButton("btnHBaseAnadir")
      .At(row, 145)
      .Size(30, 25)
      .Picture("plus")
      .Tooltip("A\xF1" "adir al torneo actual el jugador seleccionado")
      .OnClick([&] {
        if (Selected(state, frm) == nullptr) return;
        ANAJUGACUADRO(state, Grid(frm).recno());
        ShowRecord(frm, Grid(frm).recno());
      });
  frm.AddPictureButton("btnHPrOk").At(row, frm.width() - 40).Size(30, 25).Picture("salir").Tooltip("Salir").OnClick(
      [&] { frm.Release(); });
  frm.AddFrame("Frame1").At(frm.height() - 9, 5).Size(630, 1);
  frm.Center();
  frm.Activate();
  state.workspace.Close(kDatabaseAlias);
  state.workspace.Select("cuadro");
}

void BUSCAR(registry::WorkingState& state, ui::Form& frm) {
  storage::Table* bjugs = state.workspace.Find(kDatabaseAlias);
  if (bjugs == nullptr) return;
  const std::string wanted = storage::Upper(storage::AllTrim(frm.Find("txtBuscar")->text()));
  auto found = bjugs->Seek(wanted, /*soft=*/true);
  if (!found.ok()) return;
  if (bjugs->Eof()) bjugs->GoBottom();  // past the last name: the last one stays in view
  if (!bjugs->Eof()) ShowRecord(frm, bjugs->RecNo());
}

void NUEVOJUGBASE(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("NUEVOJUGBASE");
  storage::Table* bjugs = state.workspace.Find(kDatabaseAlias);
  if (bjugs == nullptr) return;
  const std::vector<storage::Value> blank = {
      std::string(20, ' '), std::string(5, ' '), 0.0, 0.0, 0.0, 25.0, std::string(20, ' '), std::string(1, ' '),
      std::string(3, ' '),  std::string(8, ' '), std::string(8, ' '), storage::Date{}};
  uint32_t added = 0;
  PlayerForm(state, frm.ui(), "FrmNuJugBase", "Nuevo jugador en la base", 55, blank, [&](ui::Form& form) {  // FNUJUGOK
    storage::Status status = bjugs->Append();
    if (status.ok()) status = WriteInputs(*bjugs, form);
    bjugs->Unlock();
    if (!status.ok()) {
      state.dialogs->MsgInfo(kNotSaved, "");
    } else {
      added = bjugs->RecNo();
    }
    return true;
  });
  if (added != 0) {
    ShowRecord(frm, added);
  } else {
    Grid(frm).Call(ui::Method::kRefresh);
  }
}

void EDITARJUGBASE(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("EDITARJUGBASE");
  storage::Table* bjugs = Selected(state, frm);
  if (bjugs == nullptr) return;
  const uint32_t recno = bjugs->RecNo();
  std::vector<storage::Value> current;
  for (const PlayerInput& input : kInputs) {
    storage::Value value = bjugs->Get(input.field);
    if (input.kind == Input::kText) value = std::string(storage::RTrim(std::get<std::string>(value)));
    current.push_back(value);
  }
  PlayerForm(state, frm.ui(), "FrmEdJugBase", "Editar jugador de la base", 65, current, [&](ui::Form& form) {  // FEDJUGOK
    bjugs->GoTo(recno);
    storage::Status status = bjugs->RLock() ? WriteInputs(*bjugs, form) : storage::Status::Locked("bjugs");
    bjugs->Unlock();
    if (!status.ok()) state.dialogs->MsgInfo(kNotSaved, "");
    return true;
  });
  ShowRecord(frm, recno);
}

void BORRARJUG(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("BORRARJUG");
  storage::Table* bjugs = Selected(state, frm);
  if (bjugs == nullptr) return;
  if (!state.dialogs->MsgYesNo("Confirme borrado del jugador:\r\n" + std::string(storage::RTrim(bjugs->GetText("JUG"))),
                               "")) {
    return;
  }
  storage::Status status = bjugs->RLock() ? bjugs->Delete() : storage::Status::Locked("bjugs");
  if (status.ok()) status = bjugs->Commit();
  bjugs->Unlock();
  if (!status.ok()) state.dialogs->MsgInfo("No se ha podido eliminar el jugador", "");
  // The deleted record is hidden: the selection moves to the next name.
  bjugs->Skip();
  if (bjugs->Eof()) bjugs->GoTop();
  ShowRecord(frm, bjugs->Eof() ? 0 : bjugs->RecNo());
}

}  // namespace movarel::playerbase
