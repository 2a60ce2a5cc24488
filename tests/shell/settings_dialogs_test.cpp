// The six settings commands driven through the real program: each case starts from a given
// tq.ini (or none), runs a script and checks the transcript and the bytes of tq.ini after.

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "shell_test_support.h"

namespace movarel::shell::testing {
namespace {

struct SettingsCase {
  const char* name;
  std::optional<std::string> before;  // tq.ini bytes before the run; nullopt = no file
  const char* script;
  const char* transcript;            // after the title line
  std::optional<std::string> after;  // tq.ini bytes after the run; nullopt = still no file
};

class SettingsDialogTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsDialogTest, TranscriptAndSettingsFile) {
  const SettingsCase& c = GetParam();
  TempFolder folder;
  if (c.before) WriteBytes(folder.settings(), *c.before);
  RunResult run = RunScript(folder, c.script);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, std::string(kTitleLine) + c.transcript);
  if (c.after) {
    EXPECT_EQ(ReadBytes(folder.settings()), *c.after);
  } else {
    EXPECT_FALSE(std::filesystem::exists(folder.settings()));
  }
}

const SettingsCase kCases[] = {
    // Rating-list paths.
    {"NoFilePathGoesStraightToChooser", std::nullopt, "menu mnuCfgFVA\nfile /listas/fva.dbf\n",
     "FILE|Elija el fichero de elo FVA más reciente|/listas/fva.dbf\n",
     "[Movarel]\r\nEloFva=/listas/fva.dbf\r\n"},
    {"NoFileFideChooser", std::nullopt,
     "menu \"&Configurar\" \"Fichero con el Elo F&IDE\"\nfile /l/fide.dbf\n",
     "FILE|Elija el fichero de elo FIDE más reciente|/l/fide.dbf\n", "[Movarel]\r\nEloFide=/l/fide.dbf\r\n"},
    {"NoFileCancelledChooserWritesNothing", std::nullopt, "menu mnuCfgFEDA\nfile\n",
     "FILE|Elija el fichero de elo FEDA más reciente|\n", std::nullopt},
    {"SetPathAskedFirstAndNoKeepsIt", "[Movarel]\r\nEloFide=/viejo/fide.dbf\r\n", "menu mnuCfgFIDE\nno\n",
     "YESNO||¿Cambiar el fichero de Elo FIDE\\n/viejo/fide.dbf?|no\n",
     "[Movarel]\r\nEloFide=/viejo/fide.dbf\r\n"},
    {"SetPathYesThenCancelKeepsIt", "[Movarel]\r\nEloFva=/viejo/fva.dbf\r\n", "menu mnuCfgFVA\nyes\nfile\n",
     "YESNO||¿Cambiar el fichero de Elo FVA\\n/viejo/fva.dbf?|yes\n"
     "FILE|Elija el fichero de elo FVA más reciente|\n",
     "[Movarel]\r\nEloFva=/viejo/fva.dbf\r\n"},
    {"UpperCaseKeyIsChangedNotDuplicated",
     "[Movarel]\r\nTorneo1=Open\r\nEloFEDA=/viejo/feda.dbf\r\nNumParSerie=4\r\n",
     "menu mnuCfgFEDA\nyes\nfile /nuevo/feda.dbf\n",
     "YESNO||¿Cambiar el fichero de Elo FEDA\\n/viejo/feda.dbf?|yes\n"
     "FILE|Elija el fichero de elo FEDA más reciente|/nuevo/feda.dbf\n",
     "[Movarel]\r\nTorneo1=Open\r\nEloFEDA=/nuevo/feda.dbf\r\nNumParSerie=4\r\n"},
    {"FileWithoutTheKeyGoesStraightToChooser", "[Otro]\nEloFide=/otro.dbf\n[Movarel]\nTorneo1=Open\n",
     "menu mnuCfgFIDE\nfile /l/fide.dbf\n", "FILE|Elija el fichero de elo FIDE más reciente|/l/fide.dbf\n",
     "[Otro]\r\nEloFide=/otro.dbf\r\n[Movarel]\r\nTorneo1=Open\r\nEloFide=/l/fide.dbf\r\n"},

    // Series thresholds.
    {"NoFileGamesAsksAboutDefaultThree", std::nullopt, "menu mnuCfgParSerie\nyes\ninput 5\n",
     "YESNO||¿Cambiar el número de partidas para serie, que ahora son 3?|yes\n"
     "INPUT|Atención|Nuevo mínimo de partidas para serie|5\n",
     "[Movarel]\r\nNumParSerie=5\r\n"},
    {"NoFilePointsAsksAboutDefaultOne", std::nullopt, "menu mnuCfgPtsSerie\nyes\ninput 0.5\n",
     "YESNO||¿Cambiar el número de puntos para serie, que ahora son 1?|yes\n"
     "INPUT|Ejemplo -> 0.5|Nuevo mínimo de puntos para serie|0.5\n",
     "[Movarel]\r\nNumPtsSerie=0.5\r\n"},
    {"ThresholdNoChangesNothing", "[Movarel]\r\nNumPtsSerie=1.5\r\n", "menu mnuCfgPtsSerie\nno\n",
     "YESNO||¿Cambiar el número de puntos para serie, que ahora son 1.5?|no\n",
     "[Movarel]\r\nNumPtsSerie=1.5\r\n"},
    {"ThresholdCancelledInputChangesNothing", "[Movarel]\r\nNumParSerie=7\r\n",
     "menu mnuCfgParSerie\nyes\ninput\n",
     "YESNO||¿Cambiar el número de partidas para serie, que ahora son 7?|yes\n"
     "INPUT|Atención|Nuevo mínimo de partidas para serie|\n",
     "[Movarel]\r\nNumParSerie=7\r\n"},
    {"ThresholdMissingKeyAsksAboutDefault", "[Movarel]\r\nTorneo1=Open\r\n",
     "menu mnuCfgParSerie\nyes\ninput 9\n",
     "YESNO||¿Cambiar el número de partidas para serie, que ahora son 3?|yes\n"
     "INPUT|Atención|Nuevo mínimo de partidas para serie|9\n",
     "[Movarel]\r\nTorneo1=Open\r\nNumParSerie=9\r\n"},
    {"ThresholdEmptyValueGoesStraightToInput", "[Movarel]\r\nnumparserie=\r\n",
     "menu mnuCfgParSerie\ninput 2\n", "INPUT|Atención|Nuevo mínimo de partidas para serie|2\n",
     "[Movarel]\r\nnumparserie=2\r\n"},
    {"ThresholdStoredAsTyped", std::nullopt, "menu mnuCfgParSerie\nyes\ninput \" cinco \"\n",
     "YESNO||¿Cambiar el número de partidas para serie, que ahora son 3?|yes\n"
     "INPUT|Atención|Nuevo mínimo de partidas para serie| cinco \n",
     // The settings file format trims values when it reads them back, as Windows does.
     "[Movarel]\r\nNumParSerie= cinco \r\n"},

    // Browser opening.
    {"TypingNSwitchesBrowserOff", std::nullopt,
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nyes\ninput n\n",
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es S?|yes\n"
     "INPUT||Nuevo valor (S/N)|n\n",
     "[Movarel]\r\nAbrirNavegador=n\r\n"},
    {"TypingSSwitchesBrowserOn", "[Movarel]\r\nAbrirNavegador=N\r\n",
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nyes\ninput s\n",
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es N?|yes\n"
     "INPUT||Nuevo valor (S/N)|s\n",
     "[Movarel]\r\nAbrirNavegador=s\r\n"},
    {"BlankBrowserAnswerKeepsRunValueAndFile", "[Movarel]\r\nAbrirNavegador=N\r\n",
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nyes\ninput\n"
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nno\n",
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es N?|yes\n"
     "INPUT||Nuevo valor (S/N)|\n"
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es N?|no\n",
     "[Movarel]\r\nAbrirNavegador=N\r\n"},
    // With no settings file the question shows the run's value, changed by the first answer.
    {"BrowserValueHeldForTheRun", std::nullopt,
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nyes\ninput N\n"
     "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\nno\n",
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es S?|yes\n"
     "INPUT||Nuevo valor (S/N)|N\n"
     "YESNO||¿Cambiar la configuración de apertura del navegador tras listados, que ahora es N?|no\n",
     "[Movarel]\r\nAbrirNavegador=N\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Commands, SettingsDialogTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SettingsCase>& info) { return info.param.name; });

// A settings file that cannot be written must not pass for a saved setting.
TEST(SettingsDialogFailure, UnwritableSettingsFileIsReported) {
  TempFolder folder;
  std::filesystem::create_directories(folder.settings() + "/bloqueado");
  RunResult run = RunScript(folder, "menu mnuCfgParSerie\nyes\ninput 5\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kTitleLine) +
                         "YESNO||¿Cambiar el número de partidas para serie, que ahora son 3?|yes\n"
                         "INPUT|Atención|Nuevo mínimo de partidas para serie|5\n"
                         "STOP||No se ha podido guardar la configuración en\\n" +
                         folder.settings() + "\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder.settings()));
}

}  // namespace
}  // namespace movarel::shell::testing
