#pragma once
// The menu commands that need an open tournament. Opening or creating a tournament enables
// them (SITORNEO); start-up and a failed open disable them (NOTORNEO). Every other item of
// the menu is always enabled.

#include <array>
#include <string_view>

namespace movarel::ui {
class Form;
}

namespace movarel::shell {

inline constexpr std::array<std::string_view, 40> kTournamentCommands = {
    "mnuHojTor",      "mnuCOF",        "mnuEmparej",      "mnuRdos",      "mnuVerCuadro", "mnuEditarTorn",
    "mnuAnaRegFRdas", "mnuLisHtmOF",   "mnuLisHtmP",      "mnuLisHtmC",   "mnuLisHtmCu",  "mnuLisHtmGP",
    "mnuLisHtmPr",    "mnuLisHtmPag",  "mnuLisPapRdos",   "mnuInFIDE",    "mnuInFEDA",    "mnuInFVA",
    "mnuFFIDE",       "mnuFBloqFIDE",  "mnuFFEDA",        "mnuFBloqFEDA", "mnuFFVA",      "mnuFNueFVA",
    "mnuHojPre",      "mnuCuaPre",     "mnuOrdenPremios", "mnuCalPre",    "mnuLisHtmPre", "mnuPGNRda",
    "mnuPGN",         "mnuPGNJug",     "mnuFigImpP",      "mnuImpTorneo", "mnuHojBase",   "mnuAnaJugs",
    "mnuCfgDs",       "mnuCfgLisClas", "mnuCfgNtx",    "mnuInfTRF"};

// `frm` is the main window "Frm" with its menu; an item missing from it is a bug (asserted).
void SITORNEO(ui::Form& frm);
void NOTORNEO(ui::Form& frm);

}  // namespace movarel::shell
