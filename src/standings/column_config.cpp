#include "standings/column_config.h"

#include "register/table_refusal.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::standings {
namespace {

constexpr char kAlias[] = "cclas";
constexpr char kTable[] = "cclas.dbf";

}  // namespace

storage::Status CAMBIARDATOCLAS(storage::Table& cclas, uint32_t recno) {
  if (recno < 1 || recno > cclas.LastRec()) return storage::Status::Ok();
  cclas.GoTo(recno);
  storage::Status status = cclas.Put("SN", !cclas.GetLogical("SN"));
  // Written through at once: the listings of any tournament of the folder read it next.
  if (status.ok()) status = cclas.Commit();
  return status;
}

void CFGLISCLAS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("CFGLISCLAS");
  // By name, in the current folder: the table belongs to the folder, not to a tournament.
  auto opened = state.workspace.Use(kTable, kAlias, /*shared=*/false);
  if (!opened.ok()) {
    // A missing or held table would leave the grid without rows and the switches nowhere to go.
    state.dialogs->MsgStop(registry::TableRefusalText("No se puede configurar la clasificaci\xF3n", kTable, opened.status()));
    state.workspace.Select("cuadro");
    return;
  }
  storage::Table& cclas = **opened;
  cclas.GoTop();

  ui::Form frm(ui, "FrmCfgLC", ui::FormKind::kModal);
  frm.Caption("Configuraci\xF3n de la clasificaci\xF3n").Size(480, 390);
  ui::Control& brw = frm.AddGrid("brwCClas")
                         .At(5, 5)
                         .Size(500, 300)
                         .Alias(kAlias)
                         .Columns({ui::GridColumn::Field("S\xED/No", 100, "SN").Pictures("br_no", "br_ok"),
                                   ui::GridColumn::Field("Columna", 210, "DATO")})
                         .Tooltip("Haga doble click en el dato que quiera modificar")
                         .Value(static_cast<double>(cclas.RecNo()));
  brw.OnDoubleClick([&] {
    storage::Status status = CAMBIARDATOCLAS(cclas, brw.recno());
    if (!status.ok()) state.dialogs->MsgStop("No se ha podido cambiar la columna\r\n" + status.message());
    brw.Call(ui::Method::kRefresh);
  });
  frm.AddFrame("Frame1").At(frm.height() - 80, 5).Size(470, 1);
  frm.AddPictureButton("btnCCSalir")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();

  state.workspace.Close(kAlias);
  state.workspace.Select("cuadro");
}

}  // namespace movarel::standings
