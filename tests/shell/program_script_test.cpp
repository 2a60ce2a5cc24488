// The movarel program run as a user would from a script: what a session with no tournament
// open can and cannot do, the recent entries, the about box, the demo and the command line.

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "shell_test_support.h"

namespace movarel::shell::testing {
namespace {

TEST(ProgramScript, EveryTournamentCommandIsDisabledWithNoTournamentOpen) {
  // mnuCOF is the seeding-order submenu: it is checked through one of its items below.
  const char* names[] = {"mnuHojTor",       "mnuEmparej",    "mnuRdos",      "mnuVerCuadro",  "mnuEditarTorn",
                         "mnuAnaRegFRdas",  "mnuLisHtmOF",   "mnuLisHtmP",   "mnuLisHtmC",    "mnuLisHtmCu",
                         "mnuLisHtmGP",     "mnuLisHtmPr",   "mnuLisHtmPag", "mnuLisPapRdos", "mnuInFIDE",
                         "mnuInFEDA",       "mnuInFVA",      "mnuFFIDE",     "mnuFBloqFIDE",  "mnuFFEDA",
                         "mnuFBloqFEDA",    "mnuFFVA",       "mnuFNueFVA",   "mnuHojPre",     "mnuCuaPre",
                         "mnuOrdenPremios", "mnuCalPre",     "mnuLisHtmPre", "mnuPGNRda",     "mnuPGN",
                         "mnuPGNJug",       "mnuFigImpP",    "mnuImpTorneo", "mnuHojBase",    "mnuAnaJugs",
                         "mnuCfgDs",        "mnuCfgLisClas", "mnuCfgNtx",    "mnuInfTRF"};
  std::string script, expected = kTitleLine;
  for (const char* name : names) {
    script += std::string("menu ") + name + "\n";
    expected += std::string("MENU DISABLED|") + name + "\n";
  }
  // An item of the disabled submenu cannot be reached either.
  script += "menu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FVA\"\nquit\n";
  expected += "MENU DISABLED|&Torneo / Crear &orden de fuerza de acuerdo a... / elo FVA\n";
  TempFolder folder;
  RunResult run = RunScript(folder, script);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, expected);
}

// A command that runs either finishes (status 0) or waits for an answer this one-line script
// does not give (status 3); a disabled one only writes "MENU DISABLED".
void ExpectCommandRuns(const TempFolder& folder, const std::string& menu_line) {
  RunResult run = RunScript(folder, menu_line + "\n");
  EXPECT_TRUE(run.status == 0 || run.status == 3) << run.status << "\n" << run.out << run.err;
  ASSERT_GT(run.out.size(), std::string(kTitleLine).size()) << "the command showed nothing";
  EXPECT_EQ(run.out.find("MENU DISABLED"), std::string::npos) << run.out;
}

class AlwaysEnabledCommandTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AlwaysEnabledCommandTest, RunsWithNoTournamentOpen) {
  TempFolder folder;
  ExpectCommandRuns(folder, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    MenuLines, AlwaysEnabledCommandTest,
    ::testing::Values("menu \"&Torneo\" \"&Elegir torneo\"", "menu mnuTorNuevo", "menu mnuLisTorns",
                      "menu mnuCfgFVA", "menu mnuCfgFIDE", "menu mnuCfgFEDA", "menu mnuCfgParSerie",
                      "menu mnuCfgPtsSerie",
                      "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"",
                      "menu \"&Premios\" \"&Ayuda sobre los premios\"",
                      "menu \"&?\" \"&Ayuda sobre los premios\"", "menu \"&?\" \"&Acerca de...\""));

TEST(ProgramScript, OnlySecondRecentTournamentGivesTheSecondEntryAlone) {
  TempFolder folder;
  WriteBytes(folder.settings(),
             "[Movarel]\r\nTorneo1=\r\nFichero1=\r\nTorneo2=Abierto de Oto\xF1o\r\n"
             "Fichero2=/torneos/cuAO.dbf\r\n");
  // The entry's caption carries the name converted to the script's UTF-8.
  ExpectCommandRuns(folder, "menu \"&Torneo\" \"&2 - Abierto de Otoño\"");
  ExpectCommandRuns(folder, "menu mnuAbrTorn2");

  RunResult first = RunScript(folder, "menu mnuAbrTorn1\n");
  EXPECT_EQ(first.status, 2);
  EXPECT_EQ(first.out, std::string(kTitleLine) + "ERROR|line 1: menu mnuAbrTorn1|no menu item mnuAbrTorn1\n");
}

TEST(ProgramScript, AboutBoxNamesProgramMakerAndLibraries) {
  TempFolder folder;
  RunResult run = RunScript(folder, "menu \"&?\" \"&Acerca de...\"\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string head = std::string(kTitleLine) +
                           "INFO|Acerca de...|Movarel v3.0-beta3\\nhttps://www.movarel.example - "
                           "soporte@movarel.example\\nRealizado con ";
  ASSERT_EQ(run.out.substr(0, head.size()), head);
  const std::string libraries = run.out.substr(head.size());
  // Whatever the build links, the C++ runtime is among the libraries named.
  EXPECT_NE(libraries.find("libstdc++"), std::string::npos) << libraries;
  EXPECT_EQ(libraries.find('|'), std::string::npos);
  EXPECT_EQ(libraries.back(), '\n');
}

TEST(ProgramScript, EndOfScriptEndsProgramLikeTheExitCommand) {
  TempFolder folder;
  RunResult run = RunScript(folder, "# nothing but a comment\n\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kTitleLine);
  EXPECT_FALSE(std::filesystem::exists(folder.settings())) << "start-up never writes the settings file";
}

TEST(ProgramScript, QuestionLeftUnansweredEndsWithStatusThree) {
  TempFolder folder;
  RunResult run = RunScript(folder, "menu mnuCfgParSerie\nquit\n");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, std::string(kTitleLine) +
                         "UNANSWERED|YESNO||¿Cambiar el número de partidas para serie, que ahora son 3?|"
                         "line 2: quit\n");
}

TEST(ProgramScript, HeadlessDemoRunsToItsEnd) {
  TempFolder folder;
  std::filesystem::copy_file(std::string(MOVAREL_SOURCE_DIR) + "/demo/demo.script",
                             folder.path() + "/demo.script");
  RunResult run = RunMovarel(folder, "--script demo.script");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("INFO|Acerca de...|Movarel v3.0-beta3"), std::string::npos) << run.out;
  EXPECT_EQ(ReadBytes(folder.settings()), "[Movarel]\r\nAbrirNavegador=N\r\n");
}

TEST(ProgramScript, DemoTournamentIsLaidOutAndBecomesTheFirstRecentEntry) {
  TempFolder folder;
  ASSERT_EQ(RunMovarel(folder, "--make-templates zd").status, 0);
  const std::string tournament = folder.path() + "/torneo";
  std::filesystem::create_directories(tournament);
  std::string script = ReadBytes(std::string(MOVAREL_SOURCE_DIR) + "/demo/setup.script");
  for (size_t at; (at = script.find("@FOLDER@")) != std::string::npos;) script.replace(at, 8, tournament);
  RunResult run = RunScript(folder, script);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("FORM|FrmER|Resultados de la ronda 1"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("STOP|"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("EXCLAMATION|"), std::string::npos) << run.out;
  for (const char* file : {"torneos.dbf", "cuDEMO.dbf", "r1DEMO.dbf", "r5DEMO.dbf", "cclas.dbf"}) {
    EXPECT_TRUE(std::filesystem::exists(tournament + "/" + file)) << file;
  }
  EXPECT_NE(ReadBytes(folder.settings()).find("Fichero1=" + tournament + "/cuDEMO.dbf"), std::string::npos);
}

TEST(ProgramCommandLine, HelpUnknownArgumentsAndMissingScript) {
  TempFolder folder;
  RunResult help = RunMovarel(folder, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--script"), std::string::npos);
  RunResult unknown = RunMovarel(folder, "--nada");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("uso: movarel"), std::string::npos);
  RunResult missing = RunMovarel(folder, "--script no-existe.script");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out.rfind("ERROR|", 0), 0u) << missing.out;
}

TEST(ProgramCommandLine, WithoutDisplayTheWindowIsRefusedWithAMessage) {
  TempFolder folder;
  RunResult run = RunMovarel(folder, "", "-u DISPLAY -u WAYLAND_DISPLAY");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("movarel --script"), std::string::npos) << run.err;
}

TEST(ProgramCommandLine, MakeTemplatesWritesTheTemplatesFolder) {
  TempFolder folder;
  RunResult run = RunMovarel(folder, "--make-templates zd");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(folder.path() + "/zd/cuadrow.mod"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() + "/zd/t14d.ntx"));
}

}  // namespace
}  // namespace movarel::shell::testing
