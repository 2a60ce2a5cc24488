// RunGui, the windows a person uses: no script; the init actions act through the widgets'
// own events (menu command, typed text, button click), as a person's input would arrive.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace movarel::ui
