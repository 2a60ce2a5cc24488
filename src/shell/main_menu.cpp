#include "shell/main_menu.h"

#include "register/working_state.h"
#include "shell/about_box.h"
#include "shell/federation_commands.h"
#include "shell/nohagasnada.h"
#include "shell/pgn_commands.h"
#include "shell/playerbase_commands.h"
#include "shell/prizes_commands.h"
#include "shell/register_commands.h"
#include "shell/reports_commands.h"
#include "shell/rounds_commands.h"
#include "shell/settings_dialogs.h"
#include "shell/standings_commands.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace movarel::shell {

namespace {

// Reports of the DOS program's family are written under this page name.
constexpr char kReportName[] = "Zendral";

void DefineTorneo(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Torneo");
  m.AddItem("&Elegir torneo", "", [&] { ELEGIRTORNEO(s, ui); });
  m.AddItem("&Hojear torneos", "mnuHojTor", [&] { HOJEARTORNEOS(s, ui); });
  m.AddItem("&Crear torneo nuevo", "mnuTorNuevo", [&] { TORNEONUEVO(s, ui); });
  m.AddSeparator();
  ui::MenuItem& cof = m.AddPopup("Crear &orden de fuerza de acuerdo a...", "mnuCOF");
  cof.AddItem("elo FIDE+FEDA+FVA", "", [&] { CREAROF(s, ui, "FFF"); });
  cof.AddItem("elo FIDE+FVA", "", [&] { CREAROF(s, ui, "FF0"); });
  cof.AddItem("elo FVA", "", [&] { CREAROF(s, ui, "F00"); });
  cof.AddItem("NUM", "", [&] { CREAROF(s, ui, "NUM"); });
  m.AddSeparator();
  m.AddItem("&Emparejamientos de una ronda", "mnuEmparej", [&] { VEREMPAREJ(s, ui); });
  m.AddItem("&Resultados de una ronda", "mnuRdos", [&] { VERRDOS(s, ui); });
  m.AddItem("C&uadro del torneo", "mnuVerCuadro", [&] { VERCUADRO(s, ui); });
  m.AddItem("&Datos generales del torneo", "mnuEditarTorn", [&] { EDITARTORNEO(s, ui); });
  m.AddItem(
      "&A\xF1"
      "adir un registro a los ficheros de las rondas",
      "mnuAnaRegFRdas", [&] { ANAREGFRDAS(s, ui); });
  // The separator belongs to the first entry: with only Torneo2 known, the "&2 - " entry
  // follows the last command directly.
  if (!s.CTORNEO1.empty()) {
    m.AddSeparator();
    m.AddItem("&1 - " + s.CTORNEO1, "mnuAbrTorn1",
              [&s, &ui, path = s.CFICHERO1] { ABRIRTORNEO(s, ui, path); });
  }
  if (!s.CTORNEO2.empty()) {
    m.AddItem("&2 - " + s.CTORNEO2, "mnuAbrTorn2",
              [&s, &ui, path = s.CFICHERO2] { ABRIRTORNEO(s, ui, path); });
  }
}

void DefineListados(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Listados");
  m.AddItem("HTML - &Orden de fuerza", "mnuLisHtmOF", [&] { LISHTMOF(s, ui, kReportName, true); });
  m.AddItem("HTML - &Emparejamiento (y resultados)", "mnuLisHtmP", [&] { LISHTMP(s, ui); });
  m.AddItem("HTML - &Clasificaci\xF3n", "mnuLisHtmC", [&] { LISHTMC(s, ui); });
  m.AddItem("HTML - C&uadro de puntuaci\xF3n", "mnuLisHtmCu", [&] { LISHTMCURDA(s, ui); });
  m.AddItem("HTML - &Grupos de puntuaci\xF3n", "mnuLisHtmGP", [&] { LISHTMGP(s, ui); });
  m.AddItem("HTML - &Premios", "mnuLisHtmPr", [&] { LISHTMPR(s, ui, kReportName); });
  m.AddItem("HTML - P\xE1gina completa del &torneo", "mnuLisHtmPag", [&] { LISHTMPAG(s, ui); });
  m.AddSeparator();
  m.AddItem("HTML - Listar torneos de una carpeta", "mnuLisTorns", [&] { LISTORNS(s, ui); });
  m.AddSeparator();
  m.AddItem("Papeletas de recogida de &resultados", "mnuLisPapRdos", [&] { LISPAPRDOS(s, ui); });
}

void DefineInformes(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Informes");
  m.AddItem("Para la F&IDE", "mnuInFIDE", [&] { INFIDE(s, ui, kReportName); });
  m.AddItem("Para la F&EDA", "mnuInFEDA", [&] { INFEDA(s, ui, kReportName); });
  // There is no tournament report for the FVA: the entry stays a placeholder for good.
  m.AddItem("Para la F&VA", "mnuInFVA", [&] { NOHAGASNADA(*s.dialogs); });
  m.AddItem("&Fichero para valoraciones FIDE", "mnuFFIDE", [&] { FIFIDE(s, ui); });
  m.AddItem("Fichero de &bloques para la FIDE", "mnuFBloqFIDE", [&] { FIBLOQFIDE(s, ui); });
  m.AddItem("Fi&chero para valoraciones FEDA", "mnuFFEDA", [&] { FIFEDA(s, ui); });
  m.AddItem("Fichero de b&loques para la FEDA", "mnuFBloqFEDA", [&] { FIBLOQFEDA(s, ui); });
  m.AddItem("Fic&hero para valoraciones FVA", "mnuFFVA", [&] { FIFVA(s, ui); });
  m.AddItem("Fic&hero de jugadores nuevos para FVA", "mnuFNueFVA", [&] { FINUEFVA(s, ui); });
  m.AddItem("Fichero &TRF (FIDE)", "mnuInfTRF", [&] { INFTRF(s, ui); });
}

void DefinePremios(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Premios");
  m.AddItem("&Hojear premios", "mnuHojPre", [&] { HOJEARPREMIOS(s, ui); });
  m.AddItem("&Premios a los que opta cada jugador", "mnuCuaPre", [&] { EDITARCUADROPREMIOS(s, ui); });
  m.AddItem("&Orden de reparto de los premios", "mnuOrdenPremios", [&] { ORDENPREMIOS(s, ui); });
  m.AddItem("&Calcular reparto de premios", "mnuCalPre", [&] { CALCULARPREMIOS(s, ui); });
  m.AddItem("&Listado HTML de los premios", "mnuLisHtmPre", [&] { LISHTMPR(s, ui, kReportName); });
  m.AddSeparator();
  m.AddItem("&Ayuda sobre los premios", "", [&] { AYUDAPREMIOS(s, ui); });
}

void DefinePgn(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&PGN");
  m.AddItem("Crear fichero PGN de una &ronda", "mnuPGNRda", [&] { ZDCREAPGNRDA(s, ui); });
  m.AddItem("Crear fichero PGN del &torneo", "mnuPGN", [&] { ZDCREAPGN(s, ui); });
  m.AddItem("Crear fichero PGN de un &jugador", "mnuPGNJug", [&] { ZDCREAPGNJUG(s, ui); });
}

void DefineImportar(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("Im&portar");
  m.AddItem("&Torneo", "mnuImpTorneo", [&] { IMPTORNEO(s, ui); });
  m.AddItem("&Ronda del F\xEDgaro", "mnuFigImpP", [&] { FIGIMPP(s, ui); });
  m.AddItem("Torneo desde fichero &TRF", "mnuImpTRF", [&] { IMPTRF(s, ui); });
}

void DefineBaseDeJugadores(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Base de jugadores");
  m.AddItem("&Hojear", "mnuHojBase", [&] { HOJEARBASEJUGS(s, ui); });
  m.AddItem(
      "&A\xF1"
      "adir jugadores del torneo a Base de jugadores",
      "mnuAnaJugs", [&] { ANAJUGSABASE(s, ui); });
}

void DefineConfigurar(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui) {
  ui::MenuItem& m = frm.AddPopup("&Configurar");
  m.AddItem("&Desempates de este torneo", "mnuCfgDs", [&] { CFGDESEMPATES(s, ui); });
  m.AddItem("&Listados de la clasificaci\xF3n y del cuadro", "mnuCfgLisClas", [&] { CFGLISCLAS(s, ui); });
  m.AddItem("Fichero con el Elo F&VA", "mnuCfgFVA", [&] { CFGFVA(s); });
  m.AddItem("Fichero con el Elo F&IDE", "mnuCfgFIDE", [&] { CFGFIDE(s); });
  m.AddItem("Fichero con el Elo F&EDA", "mnuCfgFEDA", [&] { CFGFEDA(s); });
  m.AddItem("&Reconstruir \xEDndices del fichero de Torneos", "mnuCfgNtx", [&] { ZDNTX(s, ui); });
  m.AddItem("&N\xFAmero de partidas para serie FIDE/FEDA", "mnuCfgParSerie", [&] { CFGPARSERIE(s); });
  m.AddItem("&M\xEDnimo de puntos para serie FIDE/FEDA", "mnuCfgPtsSerie", [&] { CFGPTSSERIE(s); });
  m.AddItem("&Apertura o no del navegador tras informes HTML", "", [&] { CFGABRNAV(s); });
}

void DefineAyuda(ui::Form& frm, registry::WorkingState& s, ui::Ui& ui, const std::string& versions) {
  ui::MenuItem& m = frm.AddPopup("&?");
  m.AddItem("&Ayuda sobre los premios", "", [&] { AYUDAPREMIOS(s, ui); });
  m.AddSeparator();
  m.AddItem("&Acerca de...", "", [&s, versions] { ACERCADE(*s.dialogs, versions); });
}

}  // namespace

void DefineMainMenu(ui::Form& frm, registry::WorkingState& state, ui::Ui& ui, const std::string& versions) {
  DefineTorneo(frm, state, ui);
  DefineListados(frm, state, ui);
  DefineInformes(frm, state, ui);
  DefinePremios(frm, state, ui);
  DefinePgn(frm, state, ui);
  DefineImportar(frm, state, ui);
  DefineBaseDeJugadores(frm, state, ui);
  DefineConfigurar(frm, state, ui);
  DefineAyuda(frm, state, ui, versions);
  frm.AddPopup("&Salir").AddItem("&Salir del programa", "", [&frm] { frm.Release(); });
}

}  // namespace movarel::shell
