// RunGui, the windows a person uses: no script; the init actions act through the widgets'
// own events (menu command, typed text, clicks, picks, cell edits), as a person's input
// would arrive, and the model must see each.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/ui.h"
#include "ui/wx/wx_app.h"
#include "ui/wx/wx_probe.h"
#include "xvfb_environment.h"

namespace movarel::ui {
namespace {

TEST(GuiRun, MenuCommandOpensModalDialogWhoseButtonsReleaseIt) {
  storage::Workspace workspace;
  std::vector<std::string> events;
  std::string typed;
  const int status = RunGui(workspace, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Caption("Movarel v3.0-beta3").Size(640, 480);
    MenuItem& torneo = frm.AddPopup("&Torneo");
    MenuItem& editar = torneo.AddItem("&Editar", "mnuEditar", [&] {
      events.push_back("editar");
      Form dlg(ui, "FrmEditar", FormKind::kModal);
      dlg.Caption("Editar").Size(300, 200);
      Control& txt = dlg.AddTextBox("txtNombre").At(10, 10).Size(200, 26);
      Control& ok = dlg.AddButton("btnOk").At(120, 10).Size(80, 25).Caption("&Aceptar").OnClick([&] {
        typed = txt.text();
        dlg.Release();
      });
      // A dialog's own menu hangs from a button above its controls.
      MenuItem& todos = dlg.AddPopup("&Premios").AddItem("&Todos", "", [&] { events.push_back("todos"); });
      dlg.OnInit([&] {
        events.push_back(ShownModal(dlg) ? "modal" : "not modal");
        ChooseFromMenu(todos);
        TypeInto(txt, "Ana Mar\xEDn");
        ClickOn(ok);
      });
      dlg.Activate();
      events.push_back("released");
    });
    MenuItem& informe = torneo.AddItem("&Informe", "mnuInforme", [&] { events.push_back("informe"); });
    informe.SetEnabled(false);
    MenuItem& salir = frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&] {
      events.push_back("salir");
      frm.Release();
    });
    frm.OnInit([&] {
      events.push_back(ShownTitle(frm));
      events.push_back(ShownMenuItem(informe));
      ChooseFromMenu(informe);  // disabled: nothing happens
      informe.SetEnabled(true);
      events.push_back(ShownMenuItem(informe));
      ChooseFromMenu(editar);
      ChooseFromMenu(salir);
    });
    frm.Activate();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"Movarel v3.0-beta3", "&Informe (disabled)", "&Informe", "editar", "modal", "todos", "released", "salir"}));
  EXPECT_EQ(typed, "Ana Mar\xEDn");
}

TEST(GuiRun, EveryKindOfControlReachesTheModelThroughItsWidgetEvents) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("movarel-controls-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "jugs.dbf").string();
  ASSERT_TRUE(storage::CreateTable(path, {{"JUG", 'C', 20, 0}, {"ELO", 'N', 4, 0}}).ok());
  storage::Workspace workspace;
  {
    auto table = workspace.Use(path, "jugs", false);
    ASSERT_TRUE(table.ok());
    for (const char* name : {"Ana", "Luis", "Marta"}) {
      ASSERT_TRUE((*table)->Append().ok());
      ASSERT_TRUE((*table)->Put("JUG", std::string(name)).ok());
    }
  }
  std::vector<std::string> seen;
  const int status = RunGui(workspace, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Size(640, 480);
    Control& sexo = frm.AddComboBox("cbxSexo").At(10, 10).Size(120, 30).Items({"Hombre", "Mujer"}).Value(1.0);
    Control& baja = frm.AddCheckBox("chkBaja").At(10, 140).Size(100, 24).Caption("Baja");
    Control& color = frm.AddRadioGroup("rdgColor").At(40, 10).Size(90, 50).Items({"Blancas", "Negras"}).Value(1.0);
    Control& fecha = frm.AddDatePicker("fecNac").At(40, 140).Size(150, 30);
    Control& rondas = frm.AddListBox("lstRdas").At(100, 10).Size(100, 80).Items({"1", "2", "3"}).Value(1.0);
    Control& paginas = frm.AddTab("tabPag").At(100, 140).Size(200, 80).Items({"Datos", "Notas"}).Value(1.0);
    Control& jugs = frm.AddGrid("brwJugs")
                        .At(200, 10)
                        .Size(400, 120)
                        .Alias("jugs")
                        .Columns({GridColumn::Field("Jugador", 150, "JUG"), GridColumn::Field("Elo", 60, "ELO").Editable()})
                        .Value(1.0);
    int list_opened = 0, row_opened = 0, header = 0;
    rondas.OnDoubleClick([&] { ++list_opened; });
    jugs.OnDoubleClick([&] { row_opened = static_cast<int>(jugs.recno()); }).OnHeaderClick([&](int column) {
      header = column;
    });
    frm.OnInit([&] {
      TypeInto(sexo, "2");
      TypeInto(baja, "true");
      TypeInto(color, "2");
      TypeInto(fecha, "29-02-2000");
      TypeInto(rondas, "3");
      DoubleClickOn(rondas);
      TypeInto(paginas, "2");
      TypeInto(jugs, "2");
      DoubleClickOn(jugs);
      ClickHeader(jugs, 2);
      seen = {std::to_string(sexo.index()), baja.checked() ? "true" : "false", std::to_string(color.index()),
              storage::Dtoc(fecha.date()), std::to_string(rondas.index()) + " opened " + std::to_string(list_opened),
              std::to_string(paginas.index()),
              std::to_string(jugs.recno()) + " opened " + std::to_string(row_opened) + " header " +
                  std::to_string(header)};
      EditCell(jugs, 3, 2, "2150");
      seen.push_back(ShownText(jugs));
      frm.Release();
    });
    frm.Activate();
  });
  workspace.Close("jugs");
  std::filesystem::remove_all(folder);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"2", "true", "2", "29-02-2000", "3 opened 1", "2",
                                            "2 opened 2 header 2", "3|Ana,0|Luis,0|Marta,2150"}));
}

}  // namespace
}  // namespace movarel::ui
