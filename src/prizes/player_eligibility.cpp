#include "prizes/player_eligibility.h"

#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::prizes {
namespace {

// The rating classes that are also prize categories.
bool IsPrizeClass(std::string_view cat) {
  return cat == "p" || cat == "P" || cat == "1" || cat == "2" || cat == "3";
}

}  // namespace

storage::Status PONCATPR1(storage::Table& cuadro) {
  const std::string cat_field = cuadro.GetText("CAT");
  const std::string_view cat = storage::AllTrim(cat_field);
  if (!IsPrizeClass(cat)) return storage::Status::Ok();
  const std::string premios = cuadro.GetText("PREMIOS");
  if (premios.find(cat) != std::string::npos) return storage::Status::Ok();
  return cuadro.Put("PREMIOS", std::string(storage::AllTrim(premios)) + std::string(cat));
}

void PONCATPR(registry::WorkingState& state) {
  ui::ActiveOperation op("PONCATPR");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return;
  if (!cuadro->FLock()) {
    state.dialogs->MsgInfo(
        "El Cuadro de jugadores est\xE1 siendo utiliada por otro programa\r\nNo se pueden poner las "
        "categor\xED"
        "as");
    return;
  }
  const uint32_t remembered = cuadro->RecNo();
  storage::Status status =
      cuadro->HasField("PREMIOS")
          ? cuadro->Eval([](storage::Table& t) { return PONCATPR1(t); })
          : storage::Status::InvalidArgument(cuadro->path() + ": no tiene el campo PREMIOS");
  cuadro->Unlock();
  cuadro->GoTo(remembered);
  if (!status.ok())
    state.dialogs->MsgStop(
        "No se pueden poner las categor\xED"
        "as\r\n" +
        status.message());
}

void EDITARCUADROPREMIOS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("EDITARCUADROPREMIOS");
  storage::Table* cuadro = state.workspace.Select("cuadro");
  if (cuadro == nullptr) return;
  cuadro->GoTop();

  ui::Form frm(ui, "FrmHCPr", ui::FormKind::kModal);
  frm.Caption("Hojear premios a los que opta cada jugador").Size(480, 320);
  frm.AddStatusBar("StatusBar")
      .Items({"Haz doble click en los premios que quieras modificar"})
      .ItemWidths({470});
  // Only the list is typed here; the grid writes each confirmed cell under a record lock.
  ui::Control& brw =
      frm.AddGrid("brwCPr")
          .At(5, 5)
          .Size(470, 200)
          .Alias("cuadro")
          .Columns({ui::GridColumn::Field("#", 50, "NUM"), ui::GridColumn::Field("Jugador", 150, "JUG"),
                    ui::GridColumn::Field("Club", 80, "CLUB"),
                    ui::GridColumn::Field("Categor\xED"
                                          "a",
                                          40, "CAT"),
                    ui::GridColumn::Field("Premios", 100, "PREMIOS").Editable()})
          .Value(static_cast<double>(cuadro->Eof() ? 0 : cuadro->RecNo()));
  frm.AddFrame("Frame1").At(frm.height() - 95, 0).Size(frm.width(), 1);
  frm.AddButton("btnPCP")
      .At(frm.height() - 90, 5)
      .Size(170, 25)
      .Caption(
          "Poner categor\xED"
          "a en premios")
      .Tooltip(
          "Pone la categor\xED"
          "a de cada jugador (si es Pref, 1\xAA, 2\xAA o 3\xAA) en los premios a los que opta")
      .OnClick([&] {
        PONCATPR(state);
        brw.Call(ui::Method::kRefresh);
      });
  frm.AddPictureButton("btnHCPrOk")
      .At(frm.height() - 90, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .Tooltip("Salir")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();
  state.workspace.Select("cuadro");
}

}  // namespace movarel::prizes
