#pragma once
// CFGDESEMPATESFIDE: the dialog "FrmCfgDsFide" behind "Desempates FIDE de este torneo", in
// which the user keeps the classical tie-break systems or gives the ordered list of FIDE
// tie-breaks with their modifiers. The choice takes effect at the next listing.

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::standings {

// For the open tournament. Saving checks the list under the rules of the tournament's start
// date and, when it is wrong, says what is wrong and keeps the dialog open; a file that
// cannot be written gets a stop box naming it.
void CFGDESEMPATESFIDE(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::standings
