// The script backend driven as a user would: menu choices, dialogs answered from the
// script, modal forms acted on, and the transcript checked line by line.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "script_harness.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/ui.h"

namespace movarel::ui {
namespace {

using testing::RunOverMainForm;

constexpr char kTitle[] = "TITLE|Movarel v3.0-beta3\n";

// "FrmA" with a text box, a combo box, a check box, a date picker and an OK button that
// releases it; `on_ok` sees the form before the release.
void ShowFormA(Ui& ui, const std::function<void(Form&)>& on_ok) {
  Form frm(ui, "FrmA", FormKind::kModal);
  frm.Caption("Elegir ronda").Size(200, 200);
  frm.AddTextBox("txtNombre").At(10, 10).Size(100, 20);
  frm.AddComboBox("cbxRdas").At(40, 10).Items({"1", "2", "3"}).Value(1.0);
  frm.AddCheckBox("chkAcumulables").At(70, 10).Caption("Acumulables");
  frm.AddDatePicker("fecFECHA_INI").At(100, 10);
  frm.AddPictureButton("btnOk").At(135, 160).Size(30, 25).Picture("ok").OnClick([&] {
    on_ok(frm);
    frm.Release();
  });
  frm.Center();
  frm.Activate();
}

TEST(ScriptBackend, CloseBoxShowsStopBoxAndFormStaysOpen) {
  auto result = RunOverMainForm(
      "menu \"&Torneo\" \"&Elegir torneo\"\n"
      "form FrmA\n"
      "close\n"
      "form FrmA\n"
      "click btnOk\n",
      [](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("&Elegir torneo", "", [&ui] { ShowFormA(ui, [](Form&) {}); });
      });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.transcript, std::string(kTitle) +
                                   "FORM|FrmA|Elegir ronda\n"
                                   "STOP||Operaci\xC3\xB3n no permitida\n"
                                   "RELEASE|FrmA\n");
}

TEST(ScriptBackend, CloseBoxOfMainWindowDoesNotEndTheProgram) {
  storage::Workspace workspace;
  std::ostringstream out;
  bool after_close = false;
  int status = RunScriptText("menu mnuAfter\n", workspace, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Caption("Movarel v3.0-beta3").OnInit([&] { frm.UserClose(); });
    frm.AddPopup("&Torneo").AddItem("Despu\xE9s", "mnuAfter", [&] { after_close = !frm.released(); });
    frm.Activate();
  }, out);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(after_close);
  EXPECT_EQ(out.str(), std::string(kTitle) + "STOP||Operaci\xC3\xB3n no permitida\n");
}

struct QuestionCase {
  const char* answer;
  bool expected;
};

class QuestionAnswer : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(QuestionAnswer, ReturnsTrueOnlyForYes) {
  std::optional<bool> got;
  auto result = RunOverMainForm(std::string("menu mnuAsk\n") + GetParam().answer + "\n",
                                [&](Ui& ui, Form&, MenuItem& torneo) {
                                  torneo.AddItem("&Preguntar", "mnuAsk", [&] {
                                    got = ui.dialogs().MsgYesNo("\xBFSeguro?\r\nDe verdad", "\xA1" "Cuidado!");
                                  });
                                });
  EXPECT_EQ(result.status, 0);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(*got, GetParam().expected);
  EXPECT_EQ(result.transcript, std::string(kTitle) + "YESNO|\xC2\xA1" "Cuidado!|\xC2\xBFSeguro?\\nDe verdad|" +
                                   GetParam().answer + "\n");
}

INSTANTIATE_TEST_SUITE_P(YesAndNo, QuestionAnswer,
                         ::testing::Values(QuestionCase{"yes", true}, QuestionCase{"no", false}));

TEST(ScriptBackend, DisabledMenuItemIsReportedAndTheScriptGoesOn) {
  auto result = RunOverMainForm(
      "menu mnuHojTor\n"
      "menu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FVA\"\n"
      "menu mnuInfo\n",
      [](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("&Hojear torneos", "mnuHojTor", [&ui] { ui.dialogs().MsgInfo("hojear", ""); })
            .SetEnabled(false);
        MenuItem& cof = torneo.AddPopup("Crear &orden de fuerza de acuerdo a...", "mnuCOF");
        cof.AddItem("elo FVA", "", [&ui] { ui.dialogs().MsgInfo("F00", ""); });
        cof.SetEnabled(false);  // a disabled submenu blocks its items
        torneo.AddSeparator();
        torneo.AddItem("&Info", "mnuInfo", [&ui] { ui.dialogs().MsgInfo("sigue", "T"); });
      });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.transcript, std::string(kTitle) +
                                   "MENU DISABLED|mnuHojTor\n"
                                   "MENU DISABLED|&Torneo / Crear &orden de fuerza de acuerdo a... / elo FVA\n"
                                   "INFO|T|sigue\n");
}

TEST(ScriptBackend, MenuItemChosenByCaptionPathThroughASubmenu) {
  std::string chosen;
  auto result = RunOverMainForm("menu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FVA\"\n",
                                [&](Ui&, Form&, MenuItem& torneo) {
                                  MenuItem& cof = torneo.AddPopup("Crear &orden de fuerza de acuerdo a...", "mnuCOF");
                                  cof.AddItem("elo FIDE+FVA", "", [&] { chosen = "FF0"; });
                                  cof.AddItem("elo FVA", "", [&] { chosen = "F00"; });
                                });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(chosen, "F00");
}

TEST(ScriptBackend, NestedModalFormsActOnTheInnermostUntilReleased) {
  std::string name_typed, outer_after;
  auto result = RunOverMainForm(
      "menu mnuOuter\n"
      "form FrmA\n"
      "click btnMore\n"
      "form FrmB\n"
      "set txtNombre P\xC3\xA9rez L\xC3\xB3pez, Jos\xC3\xA9\n"
      "click btnOk\n"
      "form FrmA\n"
      "click btnOk\n",
      [&](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("&Anidar", "mnuOuter", [&] {
          Form a(ui, "FrmA", FormKind::kModal);
          a.Caption("Fuera");
          a.AddButton("btnMore").Caption("M\xE1s").OnClick([&] {
            Form b(ui, "FrmB", FormKind::kModal);
            b.Caption("Dentro");
            Control& txt = b.AddTextBox("txtNombre");
            b.AddButton("btnOk").OnClick([&] {
              name_typed = txt.text();
              b.Release();
            });
            b.Activate();
          });
          a.AddButton("btnOk").OnClick([&] {
            outer_after = ui.ActiveForm()->name();
            a.Release();
          });
          a.Activate();
        });
      });
  EXPECT_EQ(result.status, 0) << result.transcript;
  EXPECT_EQ(name_typed, "P\xE9rez L\xF3pez, Jos\xE9");
  EXPECT_EQ(outer_after, "FrmA");
  EXPECT_EQ(result.transcript, std::string(kTitle) +
                                   "FORM|FrmA|Fuera\n"
                                   "FORM|FrmB|Dentro\n"
                                   "RELEASE|FrmB\n"
                                   "RELEASE|FrmA\n");
}

TEST(ScriptBackend, SetConvertsValuesByControlKind) {
  std::string text;
  int round = 0;
  bool accumulable = false;
  storage::Date start;
  auto result = RunOverMainForm(
      "menu mnuA\n"
      "set txtNombre \"  dos blancos  \"\n"
      "set cbxRdas 3\n"
      "set chkAcumulables true\n"
      "set fecFECHA_INI 07-03-2024\n"
      "click btnOk\n",
      [&](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("A", "mnuA", [&] {
          ShowFormA(ui, [&](Form& f) {
            text = f.Find("txtnombre")->text();
            round = static_cast<int>(std::get<double>(f.Get("cbxRdas", "value")));
            accumulable = std::get<bool>(f.Get("chkAcumulables", "VALUE"));
            start = f.Find("fecFECHA_INI")->date();
          });
        });
      });
  EXPECT_EQ(result.status, 0) << result.transcript;
  EXPECT_EQ(text, "  dos blancos  ");
  EXPECT_EQ(round, 3);
  EXPECT_TRUE(accumulable);
  EXPECT_EQ(start, (storage::Date{2024, 3, 7}));
}

// Answers that are already full paths on this system come back as they were typed.
#ifdef _WIN32
const std::string kChosenFile = "C:\\elo\\fva.dbf";
const std::string kChosenFolder = "C:\\torneos";
#else
const std::string kChosenFile = "/tmp/elo/fva.dbf";
const std::string kChosenFolder = "/tmp/torneos";
#endif

TEST(ScriptBackend, DialogAnswersAreConsumedInOrder) {
  std::string input, cancelled_input, file, cancelled_file, folder;
  auto result = RunOverMainForm(
      "menu mnuAsk\n"
      "input 0.5\n"
      "input\n"
      "file " + kChosenFile + "\n"
      "file\n"
      "folder " + kChosenFolder + "\n",
      [&](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("&Preguntar", "mnuAsk", [&] {
          Dialogs& d = ui.dialogs();
          input = d.InputBox("Nuevo m\xEDnimo de puntos para serie", "Ejemplo -> 0.5", "1");
          cancelled_input = d.InputBox("Nuevo valor (S/N)", "", "S");
          file = d.GetFile({{"Ficheros .dbf", "*.dbf"}}, "Elija el fichero", "/", false);
          cancelled_file = d.GetFile({{"Ficheros .dbf", "*.dbf"}}, "Otra vez", "/", false);
          folder = d.GetFolder("Carpeta");
        });
      });
  EXPECT_EQ(result.status, 0) << result.transcript;
  EXPECT_EQ(input, "0.5");
  EXPECT_EQ(cancelled_input, "");
  EXPECT_EQ(file, kChosenFile);
  EXPECT_EQ(cancelled_file, "");
  EXPECT_EQ(folder, kChosenFolder);
  EXPECT_EQ(result.transcript, std::string(kTitle) +
                                   "INPUT|Ejemplo -> 0.5|Nuevo m\xC3\xADnimo de puntos para serie|0.5\n"
                                   "INPUT||Nuevo valor (S/N)|\n"
                                   "FILE|Elija el fichero|" + kChosenFile + "\n"
                                   "FILE|Otra vez|\n"
                                   "FOLDER|Carpeta|" + kChosenFolder + "\n");
}

struct MismatchCase {
  const char* name;
  const char* script;
  const char* last_line;
};

class ScriptMismatch : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(ScriptMismatch, EndsWithStatus3NamingTheDialogAndTheLine) {
  auto result = RunOverMainForm(GetParam().script, [](Ui& ui, Form&, MenuItem& torneo) {
    torneo.AddItem("&Preguntar", "mnuAsk", [&ui] {
      if (ui.dialogs().MsgYesNo("\xBFSeguir?", "")) ui.dialogs().MsgInfo("hecho", "");
    });
    torneo.AddItem("&Form", "mnuForm", [&ui] { ShowFormA(ui, [](Form&) {}); });
  });
  EXPECT_EQ(result.status, 3);
  std::string transcript = result.transcript;
  ASSERT_FALSE(transcript.empty());
  transcript.pop_back();
  EXPECT_EQ(transcript.substr(transcript.rfind('\n') + 1), GetParam().last_line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptMismatch,
    ::testing::Values(
        MismatchCase{"ScriptEndsWhileQuestionWaits", "menu mnuAsk\n", "UNANSWERED|YESNO||\xC2\xBFSeguir?|end of script"},
        MismatchCase{"NextLineAnswersSomethingElse", "menu mnuAsk\n\n# comment\ninput 3\n",
                     "UNANSWERED|YESNO||\xC2\xBFSeguir?|line 4: input 3"},
        MismatchCase{"ScriptEndsWhileFormWaits", "menu mnuForm\nform FrmA\n",
                     "UNANSWERED|FORM|FrmA|Elegir ronda|end of script"},
        MismatchCase{"OtherFormExpected", "menu mnuForm\nform FrmElegRda\n",
                     "UNANSWERED|FORM|FrmA|Elegir ronda|line 2: form FrmElegRda"},
        MismatchCase{"MenuWhileModalFormShown", "menu mnuForm\nmenu mnuAsk\n",
                     "UNANSWERED|FORM|FrmA|Elegir ronda|line 2: menu mnuAsk"},
        MismatchCase{"AnswerNobodyAskedFor", "yes\n", "UNASKED|line 1: yes"}),
    [](const ::testing::TestParamInfo<MismatchCase>& info) { return info.param.name; });

TEST(ScriptBackend, MalformedOrUnknownNamesEndWithStatus2) {
  for (const char* script : {"frobnicate\n", "menu mnuNoSuchItem\n", "menu mnuForm\nclick btnNoSuch\n",
                             "menu mnuForm\nset cbxRdas 9\n", "menu mnuForm\nset chkAcumulables yes\n"}) {
    auto result = RunOverMainForm(script, [](Ui& ui, Form&, MenuItem& torneo) {
      torneo.AddItem("&Form", "mnuForm", [&ui] { ShowFormA(ui, [](Form&) {}); });
    });
    EXPECT_EQ(result.status, 2) << script;
    EXPECT_NE(result.transcript.find("ERROR|"), std::string::npos) << script;
  }
}

TEST(ScriptBackend, EndOfScriptAndQuitChooseTheExitItem) {
  for (const char* script : {"", "quit\nmenu mnuNever\n"}) {
    bool finprog = false;
    storage::Workspace workspace;
    std::ostringstream out;
    int status = RunScriptText(script, workspace, [&](Ui& ui) {
      Form frm(ui, "Frm", FormKind::kMain);
      frm.Caption("Movarel v3.0-beta3").OnRelease([&] { finprog = true; });
      frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&] { frm.Release(); }).MarkEndsProgram();
      frm.Activate();
    }, out);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(finprog) << script;
  }
}

TEST(ScriptBackend, TitleLineOnlyWhenTheTitleChanges) {
  auto result = RunOverMainForm("menu mnuOpen\nmenu mnuSame\n", [](Ui& ui, Form& frm, MenuItem& torneo) {
    frm.OnInit([&ui] { ui.SetProperty("Frm", "", "Title", std::string("Movarel v3.0-beta3")); });
    torneo.AddItem("Abrir", "mnuOpen", [&frm] { frm.Caption("Movarel v3.0-beta3 - Open de Tr\xE1mite"); });
    torneo.AddItem("Igual", "mnuSame", [&frm] { frm.Set("", "TITLE", std::string(frm.caption())); });
  });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.transcript, std::string(kTitle) + "TITLE|Movarel v3.0-beta3 - Open de Tr\xC3\xA1mite\n");
}

TEST(ScriptBackend, ControlHiddenOrDisabledIsReportedNotClicked) {
  int clicks = 0;
  auto result = RunOverMainForm(
      "menu mnuForm\nclick btnJug007\nclick btnJug008\nclick btnOk\n", [&](Ui& ui, Form&, MenuItem& torneo) {
        torneo.AddItem("&Form", "mnuForm", [&] {
          Form frm(ui, "FrmEE", FormKind::kModal);
          frm.Caption("Emparejamiento de la ronda 1");
          frm.AddButton("btnJug007").Caption("7").OnClick([&] { ++clicks; });
          frm.AddButton("btnJug008").Caption("8").OnClick([&] { ++clicks; });
          frm.AddButton("btnOk").OnClick([&] { frm.Release(); });
          frm.Call("btnJug007", "hide");
          frm.Set("btnJug008", "enabled", false);
          frm.Activate();
        });
      });
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(clicks, 0);
  EXPECT_NE(result.transcript.find("CONTROL DISABLED|FrmEE|btnJug007\nCONTROL DISABLED|FrmEE|btnJug008\n"),
            std::string::npos);
}

TEST(ScriptBackend, HyperlinkWithoutActionOpensItsTarget) {
  auto result = RunOverMainForm("menu mnuForm\nclick lnkTq\nclick btnOk\n", [](Ui& ui, Form&, MenuItem& torneo) {
    torneo.AddItem("&Form", "mnuForm", [&ui] {
      Form frm(ui, "FrmL", FormKind::kModal);
      frm.AddHyperlink("lnkTq").Caption("movarel.example").Target("https://movarel.example/");
      frm.AddButton("btnOk").OnClick([&] { frm.Release(); });
      frm.Activate();
    });
  });
  EXPECT_NE(result.transcript.find("OPEN|https://movarel.example/\n"), std::string::npos);
}

}  // namespace
}  // namespace movarel::ui
