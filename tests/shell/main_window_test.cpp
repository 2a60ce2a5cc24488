// The main window as MAIN builds it, driven through the forms model: the menu tree, the
// enabling rule, the close box, the placeholder entries, the about box and start-up.

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording_backend.h"
#include "register/templates.h"
#include "shell/settings_dialogs.h"
#include "shell/tournament_commands.h"
#include "shell_test_support.h"
#include "ui/menu.h"
#include "ui/platform.h"

namespace movarel::shell::testing {
namespace {

void Dump(const ui::MenuItem& item, int depth, std::string* out) {
  out->append(static_cast<size_t>(depth) * 2, ' ');
  if (item.kind() == ui::MenuKind::kSeparator) {
    out->append("-\n");
    return;
  }
  out->append(item.caption());
  if (!item.name().empty()) out->append(" [" + item.name() + "]");
  out->append("\n");
  for (const auto& child : item.children()) Dump(*child, depth + 1, out);
}

std::string DumpMenu(const ui::Form& frm) {
  std::string out;
  for (const auto& popup : frm.menu()) Dump(*popup, 0, &out);
  return out;
}

void Walk(const ui::MenuItem& item, std::vector<const ui::MenuItem*>* all) {
  if (item.kind() != ui::MenuKind::kSeparator) all->push_back(&item);
  for (const auto& child : item.children()) Walk(*child, all);
}

// Names of the disabled menu entries; unnamed entries by caption.
std::set<std::string> Disabled(const ui::Form& frm) {
  std::vector<const ui::MenuItem*> all;
  for (const auto& popup : frm.menu()) Walk(*popup, &all);
  std::set<std::string> disabled;
  for (const ui::MenuItem* item : all) {
    if (!item->enabled()) disabled.insert(item->name().empty() ? item->caption() : item->name());
  }
  return disabled;
}

void Exit(ui::Form& frm) { ASSERT_TRUE(frm.FindMenuPath({"&Salir", "&Salir del programa"})->UserChoose()); }

// The menu as the arbiters' manual lists it, Windows-1252 bytes, with both recent entries.
constexpr char kExpectedMenu[] =
    "&Torneo\n"
    "  &Elegir torneo\n"
    "  &Hojear torneos [mnuHojTor]\n"
    "  &Crear torneo nuevo [mnuTorNuevo]\n"
    "  -\n"
    "  Crear &orden de fuerza de acuerdo a... [mnuCOF]\n"
    "    elo FIDE+FEDA+FVA\n"
    "    elo FIDE+FVA\n"
    "    elo FVA\n"
    "    NUM\n"
    "  -\n"
    "  &Emparejamientos de una ronda [mnuEmparej]\n"
    "  &Resultados de una ronda [mnuRdos]\n"
    "  C&uadro del torneo [mnuVerCuadro]\n"
    "  &Datos generales del torneo [mnuEditarTorn]\n"
    "  &A\xF1"
    "adir un registro a los ficheros de las rondas [mnuAnaRegFRdas]\n"
    "  -\n"
    "  &1 - Abierto de Oto\xF1o [mnuAbrTorn1]\n"
    "  &2 - Cerrado [mnuAbrTorn2]\n"
    "&Listados\n"
    "  HTML - &Orden de fuerza [mnuLisHtmOF]\n"
    "  HTML - &Emparejamiento (y resultados) [mnuLisHtmP]\n"
    "  HTML - &Clasificaci\xF3n [mnuLisHtmC]\n"
    "  HTML - C&uadro de puntuaci\xF3n [mnuLisHtmCu]\n"
    "  HTML - &Grupos de puntuaci\xF3n [mnuLisHtmGP]\n"
    "  HTML - &Premios [mnuLisHtmPr]\n"
    "  HTML - P\xE1gina completa del &torneo [mnuLisHtmPag]\n"
    "  -\n"
    "  HTML - Listar torneos de una carpeta [mnuLisTorns]\n"
    "  -\n"
    "  Papeletas de recogida de &resultados [mnuLisPapRdos]\n"
    "&Informes\n"
    "  Para la F&IDE [mnuInFIDE]\n"
    "  Para la F&EDA [mnuInFEDA]\n"
    "  Para la F&VA [mnuInFVA]\n"
    "  &Fichero para valoraciones FIDE [mnuFFIDE]\n"
    "  Fichero de &bloques para la FIDE [mnuFBloqFIDE]\n"
    "  Fi&chero para valoraciones FEDA [mnuFFEDA]\n"
    "  Fichero de b&loques para la FEDA [mnuFBloqFEDA]\n"
    "  Fic&hero para valoraciones FVA [mnuFFVA]\n"
    "  Fic&hero de jugadores nuevos para FVA [mnuFNueFVA]\n"
    "  Fichero &TRF (FIDE) [mnuInfTRF]\n"
    "&Premios\n"
    "  &Hojear premios [mnuHojPre]\n"
    "  &Premios a los que opta cada jugador [mnuCuaPre]\n"
    "  &Orden de reparto de los premios [mnuOrdenPremios]\n"
    "  &Calcular reparto de premios [mnuCalPre]\n"
    "  &Listado HTML de los premios [mnuLisHtmPre]\n"
    "  -\n"
    "  &Ayuda sobre los premios\n"
    "&PGN\n"
    "  Crear fichero PGN de una &ronda [mnuPGNRda]\n"
    "  Crear fichero PGN del &torneo [mnuPGN]\n"
    "  Crear fichero PGN de un &jugador [mnuPGNJug]\n"
    "Im&portar\n"
    "  &Torneo [mnuImpTorneo]\n"
    "  &Ronda del F\xEDgaro [mnuFigImpP]\n"
    "  Torneo desde fichero &TRF [mnuImpTRF]\n"
    "&Base de jugadores\n"
    "  &Hojear [mnuHojBase]\n"
    "  &A\xF1"
    "adir jugadores del torneo a Base de jugadores [mnuAnaJugs]\n"
    "&Configurar\n"
    "  &Desempates de este torneo [mnuCfgDs]\n"
    "  &Listados de la clasificaci\xF3n y del cuadro [mnuCfgLisClas]\n"
    "  Fichero con el Elo F&VA [mnuCfgFVA]\n"
    "  Fichero con el Elo F&IDE [mnuCfgFIDE]\n"
    "  Fichero con el Elo F&EDA [mnuCfgFEDA]\n"
    "  &Reconstruir \xEDndices del fichero de Torneos [mnuCfgNtx]\n"
    "  &N\xFAmero de partidas para serie FIDE/FEDA [mnuCfgParSerie]\n"
    "  &M\xEDnimo de puntos para serie FIDE/FEDA [mnuCfgPtsSerie]\n"
    "  &Apertura o no del navegador tras informes HTML\n"
    "&?\n"
    "  &Ayuda sobre los premios\n"
    "  -\n"
    "  &Acerca de...\n"
    "&Salir\n"
    "  &Salir del programa\n";

// The commands that need an open tournament, as the manual lists them.
const std::set<std::string> kNeedTournament = {
    "mnuHojTor",      "mnuCOF",        "mnuEmparej",      "mnuRdos",      "mnuVerCuadro", "mnuEditarTorn",
    "mnuAnaRegFRdas", "mnuLisHtmOF",   "mnuLisHtmP",      "mnuLisHtmC",   "mnuLisHtmCu",  "mnuLisHtmGP",
    "mnuLisHtmPr",    "mnuLisHtmPag",  "mnuLisPapRdos",   "mnuInFIDE",    "mnuInFEDA",    "mnuInFVA",
    "mnuFFIDE",       "mnuFBloqFIDE",  "mnuFFEDA",        "mnuFBloqFEDA", "mnuFFVA",      "mnuFNueFVA",
    "mnuHojPre",      "mnuCuaPre",     "mnuOrdenPremios", "mnuCalPre",    "mnuLisHtmPre", "mnuPGNRda",
    "mnuPGN",         "mnuPGNJug",     "mnuFigImpP",      "mnuImpTorneo", "mnuHojBase",   "mnuAnaJugs",
    "mnuCfgDs",       "mnuCfgLisClas", "mnuCfgNtx",    "mnuInfTRF"};

TEST(MainWindow, MenuTreeHasEveryPopupItemNameAndSeparator) {
  TempFolder folder;
  WriteBytes(folder.settings(),
             "[Movarel]\r\nTorneo1=Abierto de Oto\xF1o\r\nFichero1=/t/cuAO.dbf\r\nTorneo2=Cerrado\r\n"
             "Fichero2=/t/cuCE.dbf\r\n");
  std::string menu;
  ShellRun run(folder, [&](ui::Form& frm) {
    menu = DumpMenu(frm);
    Exit(frm);
  });
  run.Run();
  EXPECT_EQ(menu, kExpectedMenu);
}

TEST(MainWindow, TournamentCommandsDisabledAtStartUpUntilSitorneo) {
  TempFolder folder;
  std::set<std::string> at_start, after_si, after_no;
  ShellRun run(folder, [&](ui::Form& frm) {
    at_start = Disabled(frm);
    SITORNEO(frm);
    after_si = Disabled(frm);
    NOTORNEO(frm);
    after_no = Disabled(frm);
    Exit(frm);
  });
  run.Run();
  EXPECT_EQ(kNeedTournament.size(), 40u);
  EXPECT_EQ(at_start, kNeedTournament);
  EXPECT_TRUE(after_si.empty());
  EXPECT_EQ(after_no, kNeedTournament);
}

TEST(MainWindow, ParaLaFvaWithTournamentOpenOnlyShowsPlaceholder) {
  TempFolder folder;
  bool chosen = false;
  std::string title_after;
  ShellRun run(folder, [&](ui::Form& frm) {
    SITORNEO(frm);
    chosen = frm.FindMenuPath({"&Informes", "Para la F&VA"})->UserChoose();
    title_after = frm.caption();
    Exit(frm);
  });
  run.Run();
  EXPECT_TRUE(chosen);
  EXPECT_EQ(run.backend.events, std::vector<std::string>{"INFO||Opci\xF3n no disponible por el momento"});
  EXPECT_EQ(title_after, "Movarel v3.0-beta3");
}

TEST(MainWindow, CloseBoxDoesNotEndProgramButExitDoes) {
  TempFolder folder;
  ASSERT_TRUE(registry::MakeTemplates(folder.path() + "/zd").ok());
  bool released_by_close = true;
  bool table_open_after_close = false;
  ShellRun run(folder, [&](ui::Form& frm) {
    ASSERT_TRUE(run.state.workspace.Use(folder.path() + "/zd/torneos.mod", "torneos", true).ok());
    frm.UserClose();
    released_by_close = frm.released();
    table_open_after_close = run.state.workspace.Find("torneos") != nullptr;
    Exit(frm);
  });
  run.Run();
  EXPECT_FALSE(released_by_close);
  EXPECT_TRUE(table_open_after_close);
  EXPECT_EQ(run.backend.events, std::vector<std::string>{"STOP||Operaci\xF3n no permitida"});
  // FINPROG closed the tables when the exit released the window.
  EXPECT_EQ(run.state.workspace.Find("torneos"), nullptr);
}

TEST(MainWindow, WindowHyperlinkAndStatusBar) {
  TempFolder folder;
  ShellRun run(folder, [&](ui::Form& frm) {
    EXPECT_EQ(frm.name(), "Frm");
    EXPECT_EQ(frm.kind(), ui::FormKind::kMain);
    EXPECT_EQ(frm.caption(), "Movarel v3.0-beta3");
    EXPECT_EQ(frm.row(), 0);
    EXPECT_EQ(frm.col(), 0);
    EXPECT_EQ(frm.width(), 640);
    EXPECT_EQ(frm.height(), 480);
    EXPECT_EQ(frm.icon(), "tq");
    EXPECT_TRUE(frm.centered());
    ui::Control* link = frm.Find("lnkTq");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->kind(), ui::ControlKind::kHyperlink);
    EXPECT_EQ(link->row(), 200);
    EXPECT_EQ(link->col(), 270);
    EXPECT_EQ(link->caption(), "https://www.movarel.example");
    EXPECT_EQ(link->target(), "https://www.movarel.example");
    ui::Control* bar = frm.Find("StatusBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->kind(), ui::ControlKind::kStatusBar);
    EXPECT_EQ(bar->items(), std::vector<std::string>{"libprueba 1.0 & otra 2"});
    EXPECT_EQ(bar->item_widths(), std::vector<int>{425});
    Exit(frm);
  });
  run.Run();
}

TEST(MainWindow, AboutBoxHasThreeLines) {
  TempFolder folder;
  ShellRun run(folder, [&](ui::Form& frm) {
    frm.FindMenuPath({"&?", "&Acerca de..."})->UserChoose();
    Exit(frm);
  });
  run.Run();
  EXPECT_EQ(run.backend.events,
            std::vector<std::string>{"INFO|Acerca de...|Movarel v3.0-beta3\r\n"
                                     "https://www.movarel.example - soporte@movarel.example\r\n"
                                     "Realizado con libprueba 1.0 & otra 2"});
}

TEST(MainWindow, StartUpReadsSettingsAndSetsTableSwitches) {
  TempFolder folder;
  WriteBytes(folder.settings(),
             "[Movarel]\nabrirnavegador=N\nTORNEO1=Uno\nFichero1=/a/cuUNO.dbf\nTorneo2=Dos\nFichero2=/b/"
             "cuDOS.dbf\n");
  ShellRun run(folder, [&](ui::Form& frm) { Exit(frm); });
  run.state.workspace.settings() = {false, false, true};
  run.Run();
  EXPECT_EQ(run.state.CTORNEO1, "Uno");
  EXPECT_EQ(run.state.CFICHERO1, "/a/cuUNO.dbf");
  EXPECT_EQ(run.state.CTORNEO2, "Dos");
  EXPECT_EQ(run.state.CFICHERO2, "/b/cuDOS.dbf");
  EXPECT_EQ(run.state.CABRIRNAV, "N");
  EXPECT_EQ(run.state.CCARPINI, ui::GetCurrentFolder());
  EXPECT_EQ(run.state.CUNIDINI, "");
  EXPECT_TRUE(run.state.workspace.settings().hide_deleted);
  EXPECT_TRUE(run.state.workspace.settings().soft_seek);
  EXPECT_FALSE(run.state.workspace.settings().exclusive_default);
  EXPECT_EQ(run.state.dialogs, nullptr) << "no pointer to the backend outlives MAIN";
}

TEST(MainWindow, MissingSettingsFileGivesDefaults) {
  TempFolder folder;
  ShellRun run(folder, [&](ui::Form& frm) { Exit(frm); });
  run.state.CABRIRNAV = "x";
  run.Run();
  EXPECT_EQ(run.state.CTORNEO1, "");
  EXPECT_EQ(run.state.CTORNEO2, "");
  EXPECT_EQ(run.state.CABRIRNAV, "S");
}

struct RecentCase {
  const char* name;
  const char* settings;
  std::vector<std::string> tail;  // the "&Torneo" popup after its last command
};

class RecentEntriesTest : public ::testing::TestWithParam<RecentCase> {};

TEST_P(RecentEntriesTest, BuiltFromStartUpSettings) {
  TempFolder folder;
  WriteBytes(folder.settings(), GetParam().settings);
  std::vector<std::string> tail;
  ShellRun run(folder, [&](ui::Form& frm) {
    const auto& items = frm.menu().front()->children();
    bool after = false;
    for (const auto& item : items) {
      if (after) tail.push_back(item->kind() == ui::MenuKind::kSeparator ? "-" : item->caption());
      if (item->name() == "mnuAnaRegFRdas") after = true;
    }
    Exit(frm);
  });
  run.Run();
  EXPECT_EQ(tail, GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RecentEntriesTest,
    ::testing::Values(
        RecentCase{"None", "[Movarel]\r\nTorneo1=\r\nTorneo2=\r\n", {}},
        RecentCase{"OnlyFirst", "[Movarel]\r\nTorneo1=Abierto\r\n", {"-", "&1 - Abierto"}},
        RecentCase{
            "OnlySecondHasNoSeparator", "[Movarel]\r\nTorneo1=\r\nTorneo2=Cerrado\r\n", {"&2 - Cerrado"}},
        RecentCase{"Both", "[Movarel]\r\nTorneo2=B\r\nTorneo1=A\r\n", {"-", "&1 - A", "&2 - B"}}),
    [](const ::testing::TestParamInfo<RecentCase>& info) { return info.param.name; });

TEST(SettingsDialogs, RatingListChooserFiltersDbfFromTheHomeFolder) {
  TempFolder folder;
  const char* old_home = std::getenv("HOME");
  const std::string saved_home = old_home != nullptr ? old_home : "";
  setenv("HOME", folder.path().c_str(), 1);
  ShellRun run(folder, [&](ui::Form& frm) {
    run.backend.answers.push_back("");
    frm.FindMenuItem("mnuCfgFIDE")->UserChoose();
    Exit(frm);
  });
  run.Run();
  if (old_home != nullptr) setenv("HOME", saved_home.c_str(), 1);
  ASSERT_EQ(run.backend.last_filters.size(), 1u);
  EXPECT_EQ(run.backend.last_filters[0].description, "Ficheros .dbf");
  EXPECT_EQ(run.backend.last_filters[0].pattern, "*.dbf");
  EXPECT_EQ(run.backend.last_initial_folder, folder.path() + "/");
}

}  // namespace
}  // namespace movarel::shell::testing
