#include "rounds/player_table_view.h"

#include <string>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "rounds/fva_ratings.h"
#include "rounds/player_edits.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::rounds {
namespace {

ui::GridColumn Column(std::string header, int width, std::string field, bool editable) {
  ui::GridColumn column = ui::GridColumn::Field(std::move(header), width, std::move(field));
  column.Editable(editable);
  return column;
}

ui::GridColumn Column(std::string field, int width, bool editable) {
  return Column(field, width, field, editable);
}

}  // namespace

std::vector<ui::GridColumn> PlayerTableColumns() {
  std::vector<ui::GridColumn> columns = {Column("NUM", 30, true),
                                         Column("JUG", 150, true),
                                         Column("LIC", 50, true),
                                         Column("BAJA", 30, true),
                                         Column("FIDE", 50, "ELOFIDE", true),
                                         Column("FEDA", 50, "ELOFEDA", true),
                                         Column("ELO", 50, true),
                                         Column("K", 20, true),
                                         Column("CLUB", 70, true),
                                         Column("CAT", 30, true),
                                         Column("PTOS", 30, false),
                                         Column("PUESTO", 30, false),
                                         Column("VAR_ELO", 50, false),
                                         Column("COD_PAIS", 30, true),
                                         Column("AUTONOMIA", 30, true),
                                         Column("COD_FIDE", 50, true),
                                         Column("COD_FEDA", 50, true),
                                         Column("FECHA_NAC", 50, true),
                                         Column("SEXO", 50, true)};
  for (int round = 1; round <= registry::kMaxRounds; ++round) {
    for (char letter : registry::kRoundFieldLetters) {
      columns.push_back(Column(registry::RoundFieldName(round, letter), 50, false));
    }
  }
  for (const char* field : {"ACUM", "ACU_1", "ACU_2", "ACU_3", "ACU_4", "ACU_5", "ACU_6", "BUC_T", "BUC_R",
                            "ELO_M", "SONEN", "N_VIC"}) {
    columns.push_back(Column(field, 50, false));
  }
  columns.push_back(Column("PREMIOS", 50, true));
  for (const char* field : {"ACU_7", "ACU_8", "ACU_9", "BUC_B"}) columns.push_back(Column(field, 50, false));
  return columns;
}

void VERCUADRO(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("VERCUADRO");
  storage::Table* cuadro = state.workspace.Select("cuadro");
  if (cuadro == nullptr) return;
  cuadro->GoTop();

  ui::Form frm(ui, "FrmCuadro", ui::FormKind::kModal);
  frm.Caption("Cuadro del Torneo").Size(640, 400);
  // The grid writes each confirmed cell itself, under a record lock, when no edit hook is set.
  ui::Control& brw = frm.AddGrid("brwCuadro")
                         .At(5, 5)
                         .Size(625, 300)
                         .Alias("cuadro")
                         .Columns(PlayerTableColumns())
                         .Value(1.0);
  frm.AddFrame("Frame1").At(frm.height() - 80, 5).Size(630, 1);
  const int row = frm.height() - 65;
  frm.AddPictureButton("btnHTNuevo")
      .At(row, 5)
      .Size(30, 25)
      .Picture("nuevo")
      .Tooltip(
          "A\xF1"
          "adir jugador")
      .OnClick([&] { NUEVOJUGCUADRO(state, &brw); });
  frm.AddPictureButton("btnHTBorr")
      .At(row, 40)
      .Size(30, 25)
      .Picture("borrar")
      .Tooltip("Borrar jugador")
      .OnClick([&] { BORRJUGCUADRO(state, &brw); });
  frm.AddButton("btnHTEloFva")
      .At(row, 75)
      .Size(70, 25)
      .Caption("Elo FVA")
      .Tooltip("Actualizar Elo FVA a tod@s l@s jugador@s a partir de la licencia")
      .OnClick([&] { PONELOFVACUADRO(state, &brw); });
  frm.AddButton("btnHTLicFva")
      .At(row, 150)
      .Size(70, 25)
      .Caption("Lic.FVA")
      .Tooltip("Poner Licencia FVA a tod@s l@s jugador@s a partir del nombre")
      .OnClick([&] { PONLICFVACUADRO(state, &brw); });
  frm.AddPictureButton("btnHTOk").At(row, frm.width() - 40).Size(30, 25).Picture("salir").OnClick([&] {
    frm.Release();
  });
  frm.Center();
  frm.Activate();

  if (storage::Table* open = state.workspace.Find("cuadro")) open->Unlock();
  state.workspace.Select("cuadro");
}

}  // namespace movarel::rounds
