#pragma once
// The player chooser "FrmElegJug" of the one-player PGN export: the players' names in
// alphabetical order in "cbxJugs" (first one selected) and the file name in "txtFichero",
// starting as "Zd" + key + "-jug.pgn". Like the round chooser it has no cancel: "btnOk"
// releases it and the export goes on.

#include <string>
#include <vector>

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::pgn {

// The names of the live players of `cuadro`, trailing blanks removed, in byte order (the
// order of an index on JUG); players of identical name appear once each.
std::vector<std::string> PlayerNames(registry::WorkingState& state);

// Shows the chooser; on OK sets CJUGSEL to the chosen name and CFICHTRAB to the file box's
// text and returns true. A tournament without players gets the stop box "El torneo no tiene
// jugadores" instead, and false.
bool ChoosePlayer(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::pgn
