#include "rounds/player_table_view.h"

#include <gtest/gtest.h>


#include "register/cp1252.h"
#include "rounds_test_support.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;

TEST(PlayerTableColumns, HundredElevenColumnsWithOnlyTheIdentityFieldsEditable) {
  const std::vector<ui::GridColumn> columns = PlayerTableColumns();
  ASSERT_EQ(columns.size(), 111u);
  std::string editable;
  for (const ui::GridColumn& c : columns) {
    if (c.editable) editable += c.header + " ";
  }
  EXPECT_EQ(editable,
            "NUM JUG LIC BAJA FIDE FEDA ELO K CLUB CAT COD_PAIS AUTONOMIA COD_FIDE COD_FEDA FECHA_NAC SEXO "
            "PREMIOS ");
  EXPECT_EQ(columns[4].field, "ELOFIDE");
  EXPECT_EQ(columns[1].width, 150);
  EXPECT_EQ(columns[19].header, "R1J");
  EXPECT_EQ(columns[93].header, "R15F");
  EXPECT_EQ(columns[94].header, "ACUM");
  EXPECT_EQ(columns[106].header, "PREMIOS");
  EXPECT_EQ(columns[110].header, "BUC_B");
  // Every column names a field of the player table, so the grid shows them all.
  for (const ui::GridColumn& c : columns) {
    bool known = false;
    for (const storage::FieldDef& f : registry::CuadroFields()) known = known || f.name == c.field;
    EXPECT_TRUE(known) << c.field;
  }
}

using Session = movarel::testing::ScriptRun;

// The player table dialog driven by a script inside this process, from a one-item menu.
Session RunViewScript(OpenTournament& t, const std::string& script) {
  return movarel::testing::RunOverOneItemMenu(t.state, {"&Torneo", "C&uadro del torneo", "mnuVerCuadro"},
                                              [&](ui::Ui& ui) { VERCUADRO(t.state, ui); }, script, &t.dialogs);
}

TEST(PlayerTableView, CellsTypedInTheGridReachTheTableAndTheNewPlayerGetsABoard) {
  OpenTournament t(4, 2);
  Session s = RunViewScript(t,
                            "menu mnuVerCuadro\n"
                            "form FrmCuadro\n"
                            "edit brwCuadro 2 JUG \"PÉREZ, ANA\"\n"
                            "edit brwCuadro 2 FIDE 2150\n"
                            "edit brwCuadro 2 BAJA T\n"
                            "edit brwCuadro 3 FECHA_NAC 05-03-1990\n"
                            "click btnHTNuevo\n"
                            "edit brwCuadro 5 JUG NUEVO, JUGADOR\n"
                            "click btnHTOk\n"
                            "quit\n");
  EXPECT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(s.transcript,
            "TITLE|Movarel v3.0-beta3\n"
            "FORM|FrmCuadro|Cuadro del Torneo\n"
            "INFO|¡Hecho!|Se ha añadido un registro a cada fichero de ronda\n"
            "RELEASE|FrmCuadro\n");
  storage::Table& c = t.cuadro();
  c.GoTo(2);
  EXPECT_EQ(c.GetText("JUG").substr(0, 10), registry::Cp1252("PÉREZ, ANA"));
  EXPECT_EQ(c.GetNumber("ELOFIDE"), 2150);
  EXPECT_TRUE(c.GetLogical("BAJA"));
  c.GoTo(3);
  EXPECT_EQ(c.GetDate("FECHA_NAC"), (storage::Date{1990, 3, 5}));
  c.GoTo(5);
  EXPECT_EQ(storage::RTrim(c.GetText("JUG")), "NUEVO, JUGADOR");
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 5);
  EXPECT_EQ(t.Boards(1), 3u);
}

TEST(PlayerTableView, ComputedColumnsCannotBeTyped) {
  OpenTournament t(2, 1);
  Session s = RunViewScript(t, "menu mnuVerCuadro\nedit brwCuadro 1 PTOS 3\n");
  EXPECT_EQ(s.status, 2);
  EXPECT_NE(
      s.transcript.find("ERROR|line 2: edit brwCuadro 1 PTOS 3|column PTOS of brwCuadro is not editable"),
      std::string::npos)
      << s.transcript;
}

TEST(PlayerTableView, CloseBoxDoesNotCloseTheDialogDeleteButtonAsksFirst) {
  OpenTournament t(3, 1);
  t.SetPlayer(2, {"SOLER, JUAN"});
  Session s = RunViewScript(t,
                            "menu mnuVerCuadro\n"
                            "close\n"
                            "set brwCuadro 2\n"
                            "click btnHTBorr\n"
                            "yes\n"
                            "click btnHTOk\n");
  EXPECT_EQ(s.status, 0) << s.transcript;
  EXPECT_EQ(
      s.transcript,
      "TITLE|Movarel v3.0-beta3\n"
      "FORM|FrmCuadro|Cuadro del Torneo\n"
      "STOP||Operación no permitida\n"
      "YESNO|Atención|¿Borrar el jugador SOLER, JUAN?\\nRecuerde que una vez metido algún emparejamiento\\n"
      "no debe borrar jugadores sino darlos de baja|yes\n"
      "RELEASE|FrmCuadro\n");
  EXPECT_EQ(t.cuadro().LastRec(), 2u);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 2);
}

}  // namespace
}  // namespace movarel::rounds
