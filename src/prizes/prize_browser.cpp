#include "prizes/prize_browser.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "prizes/prize_table.h"
#include "register/file_names.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::prizes {
namespace {

constexpr char kNotSaved[] = "No se ha podido grabar el premio";
constexpr char kOrderTip[] =
    "Usado para ordenar los premios de igual cuant\xED"
    "a";

ui::Control& Grid(ui::Form& frm) { return *frm.Find("brwPr"); }

void Refresh(ui::Form& frm) { Grid(frm).Call(ui::Method::kRefresh); }

// The prize selected in the grid made current, or nullptr when the grid shows none.
storage::Table* Selected(registry::WorkingState& state, ui::Form& frm) {
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  const uint32_t recno = Grid(frm).recno();
  if (premios == nullptr || recno == 0 || recno > premios->LastRec()) return nullptr;
  premios->GoTo(recno);
  if (premios->Deleted()) return nullptr;
  return premios;
}

// The selection follows the table's first record in its current order.
void SelectFirst(storage::Table& premios, ui::Form& frm) {
  premios.GoTop();
  Grid(frm).Value(static_cast<double>(premios.Eof() ? 0 : premios.RecNo()));
  Refresh(frm);
}

double NumberOf(const ui::Control& control) {
  const storage::Value& value = control.value();
  if (const double* number = std::get_if<double>(&value)) return *number;
  return storage::Val(control.text());
}

// What the one-prize dialog shows and saves.
struct PrizeFields {
  std::string premio = std::string(20, ' ');
  std::string id_categor = " ";
  double cantidad = 0;
  std::string orden;
  bool acumulable = false;
  std::string jugador = std::string(30, ' ');
};

PrizeFields ReadPrize(const storage::Table& premios) {
  PrizeFields fields;
  fields.premio = premios.GetText("PREMIO");
  fields.id_categor = premios.GetText("ID_CATEGOR");
  fields.cantidad = premios.GetNumber("CANTIDAD");
  fields.orden = premios.GetText("ORDEN");
  fields.acumulable = premios.GetLogical("ACUMULABLE");
  fields.jugador = premios.GetText("JUGADOR");
  return fields;
}

storage::Status WritePrize(storage::Table& premios, const PrizeFields& fields) {
  storage::Status status = premios.Put("PREMIO", fields.premio);
  if (status.ok()) status = premios.Put("ID_CATEGOR", fields.id_categor);
  if (status.ok()) status = premios.Put("CANTIDAD", fields.cantidad);
  if (status.ok()) status = premios.Put("ORDEN", fields.orden);
  if (status.ok()) status = premios.Put("ACUMULABLE", fields.acumulable);
  if (status.ok()) status = premios.Put("JUGADOR", fields.jugador);
  return status;
}

// The dialogs "FrmEdPrN" and "FrmEdPr": six labelled inputs, "grabar" and "salir". `save`
// runs with what was typed when "grabar" is clicked; the dialog closes either way.
void ShowPrizeDialog(ui::Ui& ui, const char* name, const char* caption, const PrizeFields& start,
                     const std::function<void(const PrizeFields&)>& save) {
  ui::Form frm(ui, name, ui::FormKind::kModal);
  frm.Caption(caption).Size(480, 320);
  auto label = [&frm](const char* control, int row, const char* text) -> ui::Control& {
    return frm.AddLabel(control).At(row, 10).Size(130, 20).Caption(text);
  };
  label("lblPREMIO", 10, "PREMIO");
  ui::Control& premio = frm.AddTextBox("txtPREMIO").At(10, 150).Size(250, 24).Value(start.premio);
  label("lblID_CATEGOR", 40, "ID_CATEGOR");
  ui::Control& categor = frm.AddTextBox("txtID_CATEGOR").At(40, 150).Size(40, 24).Value(start.id_categor);
  label("lblCANTIDAD", 70, "CANTIDAD");
  ui::Control& cantidad = frm.AddTextBox("txtCANTIDAD")
                              .At(70, 150)
                              .Size(100, 24)
                              .Text(ui::TextKind::kNumber)
                              .Value(start.cantidad);
  label("lblORDEN", 100, "ORDEN").Tooltip(kOrderTip);
  ui::Control& orden =
      frm.AddTextBox("txtORDEN").At(100, 150).Size(40, 24).Value(start.orden).Tooltip(kOrderTip);
  label("lblACUMULABLE", 130, "ACUMULABLE");
  ui::Control& acumulable =
      frm.AddCheckBox("chkACUMULABLE").At(130, 150).Size(20, 20).Value(start.acumulable);
  label("lblJUGADOR", 160, "JUGADOR");
  ui::Control& jugador = frm.AddTextBox("txtJUGADOR").At(160, 150).Size(250, 24).Value(start.jugador);
  frm.AddFrame("Frame1").At(frm.height() - 70, 0).Size(frm.width(), 1);
  frm.AddPictureButton("btnOk").At(frm.height() - 65, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    PrizeFields typed;
    typed.premio = premio.text();
    typed.id_categor = categor.text();
    typed.cantidad = NumberOf(cantidad);
    typed.orden = orden.text();
    typed.acumulable = acumulable.checked();
    typed.jugador = jugador.text();
    save(typed);
    frm.Release();
  });
  frm.AddPictureButton("btnCancel")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();
}

}  // namespace

void HOJEARPREMIOS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("HOJEARPREMIOS");
  if (state.workspace.Find("cuadro") == nullptr) return;
  auto opened = ABRPREMIOS(state);
  if (!opened.ok()) {
    state.dialogs->MsgStop(PrizeTableRefusal(state, "No se pueden hojear los premios", opened.status()));
    state.workspace.Select("cuadro");
    return;
  }
  storage::Table& premios = **opened;
  const std::string name_order = registry::PrizeTableName(state.CCLAVE);
  const std::string amount_order = registry::PrizeAmountIndexName(state.CCLAVE);

  ui::Form frm(ui, "FrmHPr", ui::FormKind::kModal);
  frm.Caption("Hojear premios").Size(640, 320);
  ui::MenuItem& menu = frm.AddPopup("&Premios");
  menu.AddItem("&Poner todos los premios como acumulables", "", [&] { PONPRACUM(state, frm, true); });
  menu.AddItem("&Poner todos los premios como no acumulables", "", [&] { PONPRACUM(state, frm, false); });
  premios.GoTop();
  frm.AddGrid("brwPr")
      .At(5, 5)
      .Size(620, 200)
      .Alias(kPrizeAlias)
      .Columns({ui::GridColumn::Field("ACUMULABLE", 90, "ACUMULABLE").Pictures("br_no", "br_ok"),
                ui::GridColumn::Field("PREMIO", 130, "PREMIO"),
                ui::GridColumn::Field("ORDEN", 60, "ORDEN").Align(ui::Alignment::kRight),
                ui::GridColumn::Field("CAT", 40, "ID_CATEGOR"),
                ui::GridColumn::Field("CANTIDAD", 80, "CANTIDAD").Align(ui::Alignment::kRight),
                ui::GridColumn::Field("JUGADOR", 190, "JUGADOR")})
      .Tooltip("Haga clic en la cabecera PREMIO o CANTIDAD para ordenar por uno u otro criterio")
      .Value(static_cast<double>(premios.Eof() ? 0 : premios.RecNo()))
      .OnDoubleClick([&] { EDITARPR(state, frm); })
      .OnHeaderClick([&](int column) {
        if (column == 2) CLICABPR(state, frm, name_order);
        if (column == 5) CLICABPR(state, frm, amount_order);
      });
  frm.AddFrame("Frame1").At(frm.height() - 90, 0).Size(frm.width(), 1);
  const int row = frm.height() - 85;
  auto button = [&](const char* name, int col, const char* picture, const char* tip, ui::Action action) {
    frm.AddPictureButton(name).At(row, col).Size(30, 25).Picture(picture).Tooltip(tip).OnClick(
        std::move(action));
  };
  button("btnHPrNuevo", 5, "nuevo",
         "A\xF1"
         "adir un premio",
         [&] { NUEVOPR(state, frm); });
  button("btnHPrsNuevo", 40, "nuevos",
         "A\xF1"
         "adir varios premios",
         [&] { NUEVOSPR(state, frm); });
  button("btnHPrEditar", 75, "editar", "Editar el premio seleccionado", [&] { EDITARPR(state, frm); });
  button("btnHPrBorrar", 110, "borrar", "Borrar el premio seleccionado", [&] { BORRARPR(state, frm); });
  button("btnHPrQuitaPrs", 145, "deshacer", "Deshacer el reparto de premios", [&] { QUITAPRS(state, frm); });
  button("btnHPrOk", frm.width() - 40, "salir", "Salir", [&] { frm.Release(); });
  frm.Center();
  frm.Activate();

  state.workspace.Close(kPrizeAlias);
  state.workspace.Select("cuadro");
}

void NUEVOPR(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("NUEVOPR");
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  if (premios == nullptr) return;
  ShowPrizeDialog(frm.ui(), "FrmEdPrN", "Nuevo premio", PrizeFields{}, [&](const PrizeFields& typed) {
    storage::Status status = premios->Append();  // FEDPRNOK
    if (status.ok()) status = WritePrize(*premios, typed);
    premios->Unlock();
    if (!status.ok()) state.dialogs->MsgInfo(kNotSaved);
  });
  Refresh(frm);
}

void EDITARPR(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("EDITARPR");
  storage::Table* premios = Selected(state, frm);
  if (premios == nullptr) return;
  const uint32_t recno = premios->RecNo();
  ShowPrizeDialog(frm.ui(), "FrmEdPr", "Editar premio", ReadPrize(*premios), [&](const PrizeFields& typed) {
    premios->GoTo(recno);  // FEDPROK
    storage::Status status =
        premios->RLock() ? WritePrize(*premios, typed) : storage::Status::Locked(premios->path());
    premios->Unlock();
    if (!status.ok()) state.dialogs->MsgInfo(kNotSaved);
  });
  Refresh(frm);
}

void FPRNSOK(registry::WorkingState& state, storage::Table& premios, int type, int count, bool cumulative) {
  if (type < 1 || static_cast<size_t>(type) > kPrizeTypes.size()) return;
  const PrizeType& chosen = kPrizeTypes[static_cast<size_t>(type - 1)];
  const std::string name = type == 1 ? std::string("Premio") : std::string(chosen.name);
  for (int i = 1; i <= count; ++i) {
    storage::Status status = premios.Append();
    if (status.ok()) status = premios.Put("PREMIO", std::to_string(i) + ". " + name);
    if (status.ok()) status = premios.Put("ID_CATEGOR", std::string(chosen.code));
    if (status.ok()) status = premios.Put("ACUMULABLE", cumulative);
    premios.Unlock();
    if (!status.ok()) state.dialogs->MsgInfo(kNotSaved);
  }
}

void NUEVOSPR(registry::WorkingState& state, ui::Form& browser) {
  ui::ActiveOperation op("NUEVOSPR");
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  if (premios == nullptr) return;
  std::vector<std::string> types;
  for (const PrizeType& type : kPrizeTypes) types.emplace_back(type.name);

  ui::Form frm(browser.ui(), "FrmPrsNuevos", ui::FormKind::kModal);
  frm.Caption(
         "Movarel v3.0-beta3 - A\xF1"
         "adir premios")
      .Size(480, 200);
  frm.AddLabel("lblTipoPremios").At(30, 50).Size(100, 20).Caption("Tipo de premio");
  ui::Control& cbx = frm.AddComboBox("cbxTipoPremios")
                         .At(50, 50)
                         .Size(120, 24)
                         .Items(types)
                         .Value(1.0)
                         .Tooltip("Elegir tipo de premios a crear");
  frm.AddLabel("lblNPrs").At(30, 200).Size(100, 20).Caption("N\xBA Premios");
  ui::Control& count = frm.AddTextBox("txtNPrs")
                           .At(50, 200)
                           .Size(50, 24)
                           .Text(ui::TextKind::kNumber)
                           .InputMask("99")
                           .Value(0.0);
  frm.AddLabel("lblAcumulables").At(30, 320).Size(100, 20).Caption("Acumulables");
  ui::Control& cumulative = frm.AddCheckBox("chkAcumulables").At(50, 360).Size(20, 20).Value(false);
  frm.AddFrame("Frame1").At(frm.height() - 70, 0).Size(frm.width(), 1);
  frm.AddPictureButton("btnOk").At(frm.height() - 65, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    // The mask takes two digits: a series has at most 99 prizes.
    const int n = static_cast<int>(NumberOf(count));
    if (n > 0) FPRNSOK(state, *premios, cbx.index(), n > 99 ? 99 : n, cumulative.checked());
    frm.Release();
  });
  frm.AddPictureButton("btnCancel")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();
  Refresh(browser);
}

void BORRARPR(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("BORRARPR");
  storage::Table* premios = Selected(state, frm);
  if (premios != nullptr &&
      state.dialogs->MsgYesNo("Confirme borrado del premio:\r\n" + premios->GetText("PREMIO"))) {
    storage::Status status = premios->RLock() ? premios->Delete() : storage::Status::Locked(premios->path());
    premios->Unlock();
    if (!status.ok()) state.dialogs->MsgInfo("No se ha podido eliminar el premio");
  }
  Refresh(frm);
}

storage::Status QUITA1PR(storage::Table& premios) {
  storage::Status status = premios.Put("JUGADOR", std::string());
  if (status.ok()) status = premios.Put("NUMJUG", 0.0);
  if (status.ok()) status = premios.Put("PUNTOS", 0.0);
  if (status.ok()) status = premios.Put("PUESTO", 0.0);
  if (status.ok()) status = premios.Put("PREMIOS", std::string());
  return status;
}

void QUITAPRS(registry::WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("QUITAPRS");
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  if (premios == nullptr) return;
  // None of the cleared fields is part of an order key, so the walk is not disturbed.
  storage::Status status = premios->Eval([](storage::Table& t) { return QUITA1PR(t); });
  if (!status.ok())
    state.dialogs->MsgStop("No se ha podido deshacer el reparto de premios\r\n" + status.message());
  SelectFirst(*premios, frm);
}

void PONPRACUM(registry::WorkingState& state, ui::Form& frm, bool cumulative) {
  ui::ActiveOperation op("PONPRACUM");
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  if (premios == nullptr) return;
  if (!premios->FLock()) {
    state.dialogs->MsgInfo(
        "La tabla de premios est\xE1 siendo utilizada por otro programa\r\nNo se pueden actualizar los "
        "premios");
    return;
  }
  const uint32_t remembered = premios->RecNo();
  storage::Status status = premios->Eval(
      [cumulative](storage::Table& t) { return t.Put("ACUMULABLE", cumulative); });  // PONPRACUM1
  premios->Unlock();
  premios->GoTo(remembered);
  if (!status.ok()) state.dialogs->MsgStop("No se han podido actualizar los premios\r\n" + status.message());
  Refresh(frm);
}

void CLICABPR(registry::WorkingState& state, ui::Form& frm, const std::string& order) {
  ui::ActiveOperation op("CLICABPR");
  storage::Table* premios = state.workspace.Find(kPrizeAlias);
  if (premios == nullptr) return;
  if (storage::Status focused = premios->OrdSetFocus(order); !focused.ok()) return;
  SelectFirst(*premios, frm);
}

}  // namespace movarel::prizes
