// A small program of a main window and one modal dialog, driven by the same scripts through
// the wx backend under a virtual display and through the headless backend: the transcripts
// and exit statuses must agree, the model must end with the scripted values, and the real
// widgets must show what the model holds.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "ui/wx/wx_app.h"
#include "ui/wx/wx_probe.h"
#include "xvfb_environment.h"

namespace movarel::ui {
namespace {

// What the program read from its controls when the dialog's exit button was clicked, and
// what the windows showed at that moment (wx runs only).
struct Seen {
  std::string nombre;
  double elo = -1;
  int sexo = -1;
  bool baja = false;
  storage::Date nacimiento;
  uint32_t recno = 0;
  int header = 0;
  uint32_t double_clicked = 0;
  std::vector<std::string> shown;
  std::string main_title;
  std::string informe_item;
  std::string status_bar;
};

GridColumn Column(std::string header, int width, std::string field) {
  GridColumn column;
  column.header = std::move(header);
  column.width = width;
  column.field = std::move(field);
  return column;
}

GridColumn EditableNumber(GridColumn column) {
  column.alignment = Alignment::kRight;
  column.editable = true;
  return column;
}

GridColumn Ticked(GridColumn column) {
  column.alignment = Alignment::kCenter;
  column.picture_false = "br_no";
  column.picture_true = "br_ok";
  return column;
}

// Optional extra work inside the dialog (the wx-only tests type through the widgets).
using DialogHook = std::function<void(Form& frm)>;

Program Jugadores(Seen& seen, bool probe, DialogHook hook = nullptr) {
  return [&seen, probe, hook](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Caption("Movarel v3.0-beta3").Size(640, 480);
    frm.OnInit([&frm] { frm.Caption("Movarel v3.0-beta3 - Prueba"); });
    MenuItem& torneo = frm.AddPopup("&Torneo");
    torneo.AddItem("&Editar jugadores", "mnuEditar", [&] {
      Form dlg(ui, "FrmJugador", FormKind::kModal);
      dlg.Caption("Datos del jugador").Size(480, 360);
      dlg.AddLabel("lblNombre").At(12, 10).Size(70, 20).Caption("Nombre");
      Control& nombre = dlg.AddTextBox("txtNombre").At(10, 90).Size(220, 26).MaxLength(30);
      dlg.AddLabel("lblElo").At(42, 10).Size(70, 20).Caption("Elo");
      Control& elo = dlg.AddTextBox("txtElo").At(40, 90).Size(80, 26).Text(TextKind::kNumber).InputMask("9999");
      Control& sexo = dlg.AddComboBox("cbxSexo").At(70, 90).Size(120, 30).Items({"Hombre", "Mujer"}).Value(1.0);
      Control& baja = dlg.AddCheckBox("chkBaja").At(104, 90).Size(120, 24).Caption("Baja");
      Control& nacimiento = dlg.AddDatePicker("fecNac").At(132, 90).Size(150, 30);
      Control& grid = dlg.AddGrid("brwJugs")
                          .At(170, 10)
                          .Size(460, 100)
                          .Alias("jugs")
                          .Columns({Column("Jugador", 200, "JUG"), EditableNumber(Column("Elo", 60, "ELO")),
                                    Ticked(Column("Baja", 50, "BAJA"))})
                          .Tooltip("Jugadores del torneo")
                          .Value(1.0);
      grid.OnDoubleClick([&] { seen.double_clicked = grid.recno(); }).OnHeaderClick([&](int column) {
        seen.header = column;
      });
      dlg.AddFrame("Frame1").At(dlg.height() - 80, 5).Size(470, 1);
      dlg.AddButton("btnPreguntar").At(dlg.height() - 65, 75).Size(90, 25).Caption("&Preguntar").OnClick([&] {
        if (ui.dialogs().MsgYesNo("\xBFGuardar los cambios?", "Atenci\xF3n")) ui.dialogs().MsgInfo("Cambios guardados");
      });
      dlg.AddButton("btnTeclear").At(dlg.height() - 65, 170).Size(90, 25).Caption("Teclear").OnClick([&] {
        if (hook) hook(dlg);
      });
      dlg.AddPictureButton("btnOk").At(dlg.height() - 65, dlg.width() - 40).Size(30, 25).Picture("salir").OnClick([&] {
        seen.nombre = nombre.text();
        seen.elo = storage::Val(elo.text());  // a number box keeps what was typed
        seen.sexo = sexo.index();
        seen.baja = baja.checked();
        seen.nacimiento = nacimiento.date();
        seen.recno = grid.recno();
        if (probe) {
          for (Control* c : {&nombre, &elo, &sexo, &baja, &nacimiento, &grid}) seen.shown.push_back(ShownText(*c));
          seen.main_title = ShownTitle(frm);
          seen.informe_item = ShownMenuItem(*frm.FindMenuItem("mnuInforme"));
        }
        dlg.Release();
      });
      dlg.Center();
      dlg.Activate();
    });
    MenuItem& informe = torneo.AddItem("&Informe", "mnuInforme", [&ui] {
      ui.dialogs().MsgInfo("Informe escrito", "\xA1Hecho!");
    });
    informe.SetEnabled(false);
    torneo.AddItem("&Activar informe", "mnuActivar", [&informe] { informe.SetEnabled(true); });
    frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&frm] { frm.Release(); });
    frm.AddHyperlink("lnkTq").At(200, 270).Size(200, 20).Caption("movarel.example.org").Target("http://movarel.example.org");
    Control& status = frm.AddStatusBar("StatusBar").Items({WxVersionText()}).ItemWidths({425});
    frm.Center();
    frm.Activate();
    if (probe) seen.status_bar = status.text();
  };
}

class GuiScript : public ::testing::Test {
 protected:
  struct Run {
    int status = -1;
    std::string transcript;
    Seen seen;
    std::vector<std::string> elos;  // ELO of each record afterwards
  };

  // A fresh folder and player table for each run, so both backends start alike.
  Run RunWith(const std::string& script, bool gui, DialogHook hook = nullptr) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("movarel-ui-wx-" + std::to_string(getpid()) + "-" +
                                                  std::to_string(++runs_));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "jugs.dbf").string();
    EXPECT_TRUE(storage::CreateTable(path, {{"JUG", 'C', 20, 0}, {"ELO", 'N', 4, 0}, {"BAJA", 'L', 1, 0}}).ok());
    Run run;
    {
      storage::Workspace workspace;
      auto table = workspace.Use(path, "jugs", false);
      EXPECT_TRUE(table.ok());
      for (auto [name, elo, baja] : {std::tuple{"Ana", 1800.0, false}, {"Luis", 1750.0, true}, {"Marta", 2010.0, false}}) {
        EXPECT_TRUE((*table)->Append().ok());
        EXPECT_TRUE((*table)->Put("JUG", std::string(name)).ok());
        EXPECT_TRUE((*table)->Put("ELO", elo).ok());
        EXPECT_TRUE((*table)->Put("BAJA", baja).ok());
      }
      std::ostringstream out;
      Program program = Jugadores(run.seen, gui, hook);
      run.status = gui ? RunScriptGuiText(script, workspace, program, out) : RunScriptText(script, workspace, program, out);
      run.transcript = out.str();
      storage::Table* jugs = workspace.Find("jugs");
      for (uint32_t recno = 1; recno <= 3; ++recno) {
        jugs->GoTo(recno);
        run.elos.push_back(storage::Str(std::get<double>(jugs->Get(jugs->layout().Find("ELO"))), 4, 0));
      }
    }
    std::filesystem::remove_all(folder);
    return run;
  }

  int runs_ = 0;
};

// The script names every control kind of the dialog; the answers and texts carry the
// Windows-1252 letters that must survive both conversions.
constexpr char kFullScript[] =
    "# a player edited in the dialog\n"
    "menu mnuInforme\n"
    "menu \"&Torneo\" \"&Activar informe\"\n"
    "menu mnuInforme\n"
    "menu mnuEditar\n"
    "form FrmJugador\n"
    "set txtNombre \"P\xC3\xA9rez G\xC3\xB3mez, Ana\"\n"
    "set txtElo 2150\n"
    "set cbxSexo 2\n"
    "set chkBaja true\n"
    "set fecNac 07-03-1990\n"
    "set brwJugs 3\n"
    "edit brwJugs 2 ELO 1999\n"
    "header brwJugs Elo\n"
    "dblclick brwJugs\n"
    "click btnPreguntar\n"
    "yes\n"
    "close\n"
    "click btnOk\n"
    "quit\n";

constexpr char kFullTranscript[] =
    "TITLE|Movarel v3.0-beta3\n"
    "TITLE|Movarel v3.0-beta3 - Prueba\n"
    "MENU DISABLED|mnuInforme\n"
    "INFO|\xC2\xA1Hecho!|Informe escrito\n"
    "FORM|FrmJugador|Datos del jugador\n"
    "YESNO|Atenci\xC3\xB3n|\xC2\xBFGuardar los cambios?|yes\n"
    "INFO||Cambios guardados\n"
    "STOP||Operaci\xC3\xB3n no permitida\n"
    "RELEASE|FrmJugador\n";

TEST_F(GuiScript, RealWindowsGiveTheHeadlessTranscriptAndModelValues) {
  Run gui = RunWith(kFullScript, true);
  Run headless = RunWith(kFullScript, false);
  EXPECT_EQ(gui.status, 0) << gui.transcript;
  EXPECT_EQ(gui.transcript, kFullTranscript);
  EXPECT_EQ(headless.status, 0);
  EXPECT_EQ(headless.transcript, gui.transcript);
  for (const Run* run : {&gui, &headless}) {
    EXPECT_EQ(run->seen.nombre, "P\xE9rez G\xF3mez, Ana");
    EXPECT_EQ(run->seen.elo, 2150);
    EXPECT_EQ(run->seen.sexo, 2);
    EXPECT_TRUE(run->seen.baja);
    EXPECT_EQ(run->seen.nacimiento, (storage::Date{1990, 3, 7}));
    EXPECT_EQ(run->seen.recno, 3u);
    EXPECT_EQ(run->seen.header, 2);
    EXPECT_EQ(run->seen.double_clicked, 3u);
    EXPECT_EQ(run->elos, (std::vector<std::string>{"1800", "1999", "2010"}));
  }
}

TEST_F(GuiScript, WidgetsShowWhatTheModelHolds) {
  Run gui = RunWith(kFullScript, true);
  ASSERT_EQ(gui.status, 0) << gui.transcript;
  EXPECT_EQ(gui.seen.shown, (std::vector<std::string>{"P\xE9rez G\xF3mez, Ana", "2150", "Mujer", "true", "07-03-1990",
                                                      "3|Ana,1800,|Luis,1999,1|Marta,2010,"}));
  EXPECT_EQ(gui.seen.main_title, "Movarel v3.0-beta3 - Prueba");
  EXPECT_EQ(gui.seen.informe_item, "&Informe") << "enabled by mnuActivar";
}

TEST_F(GuiScript, WidgetEventsReachTheModel) {
  std::vector<std::string> after;
  Run gui = RunWith("menu mnuEditar\nclick btnTeclear\nclick btnOk\n", true, [&after](Form& dlg) {
    TypeInto(*dlg.Find("txtNombre"), "Mart\xEDnez");
    TypeInto(*dlg.Find("txtElo"), "1905");
    TypeInto(*dlg.Find("cbxSexo"), "2");
    TypeInto(*dlg.Find("chkBaja"), "true");
    TypeInto(*dlg.Find("fecNac"), "29-02-2000");
    TypeInto(*dlg.Find("brwJugs"), "2");
    PressCloseBox(dlg);
    after.push_back(ShownModal(dlg) ? "still modal" : "closed");
  });
  EXPECT_EQ(gui.status, 0) << gui.transcript;
  EXPECT_EQ(gui.seen.nombre, "Mart\xEDnez");
  EXPECT_EQ(gui.seen.elo, 1905);
  EXPECT_EQ(gui.seen.sexo, 2);
  EXPECT_TRUE(gui.seen.baja);
  EXPECT_EQ(gui.seen.nacimiento, (storage::Date{2000, 2, 29}));
  EXPECT_EQ(gui.seen.recno, 2u);
  EXPECT_EQ(after, (std::vector<std::string>{"still modal"})) << "the close box never closes a form";
  EXPECT_NE(gui.transcript.find("STOP||Operaci\xC3\xB3n no permitida\n"), std::string::npos) << gui.transcript;
}

struct StopCase {
  const char* name;
  const char* script;
  int status;
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }

class GuiScriptStops : public GuiScript, public ::testing::WithParamInterface<StopCase> {};

TEST_P(GuiScriptStops, StatusAndTranscriptMatchTheHeadlessRun) {
  Run gui = RunWith(GetParam().script, true);
  Run headless = RunWith(GetParam().script, false);
  EXPECT_EQ(headless.status, GetParam().status) << headless.transcript;
  EXPECT_EQ(gui.status, headless.status) << gui.transcript;
  EXPECT_EQ(gui.transcript, headless.transcript);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuiScriptStops,
    ::testing::Values(
        StopCase{"QuestionLeftUnanswered", "menu mnuEditar\nclick btnPreguntar\nclick btnOk\n", 3},
        StopCase{"ScriptEndsWhileDialogWaits", "menu mnuEditar\nform FrmJugador\nset cbxSexo 2\n", 3},
        StopCase{"OtherFormExpected", "menu mnuEditar\nform FrmOtro\n", 3},
        StopCase{"AnswerNobodyAskedFor", "menu mnuEditar\nyes\n", 3},
        StopCase{"FormCommandAtMainWindow", "set txtNombre Ana\n", 3},
        StopCase{"UnknownMenuItem", "menu mnuNoExiste\n", 2},
        StopCase{"UnknownControl", "menu mnuEditar\nclick btnNoExiste\n", 2},
        StopCase{"EndOfScriptQuits", "menu mnuEditar\nclick btnOk\n", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The backend is told where to save its pictures through the environment, as a user would tell
// the program; an empty folder takes the setting away.
void SetScreenshotFolder(const std::string& folder) {
#ifdef _WIN32
  _putenv_s("MOVAREL_SCREENSHOT_DIR", folder.c_str());
#else
  folder.empty() ? unsetenv("MOVAREL_SCREENSHOT_DIR") : setenv("MOVAREL_SCREENSHOT_DIR", folder.c_str(), 1);
#endif
}

TEST_F(GuiScript, PicturesOfEachFormAreSaved) {
  std::filesystem::path folder;
  if (const char* pictures = std::getenv("MOVAREL_TEST_PICTURES")) {
    folder = pictures;
  } else {
    folder = std::filesystem::temp_directory_path() / ("movarel-pictures-" + std::to_string(getpid()));
  }
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  SetScreenshotFolder(folder.string());
  Run gui = RunWith(kFullScript, true);
  SetScreenshotFolder("");
  ASSERT_EQ(gui.status, 0) << gui.transcript;
  for (const char* name : {"01-Frm.png", "02-FrmJugador.png", "03-Frm-end.png"}) {
    const std::filesystem::path file = folder / name;
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    std::ifstream in(file, std::ios::binary);
    char magic[8] = {};
    in.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG") << file;
    // A blank capture of a 640 x 480 window compresses to a few hundred bytes; the flat
    // Windows controls of this small form take about 3,000, GTK's about 5,000.
    EXPECT_GT(std::filesystem::file_size(file), 2000u) << file;
  }
}

}  // namespace
}  // namespace movarel::ui
