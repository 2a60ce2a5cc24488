#pragma once
// The menu entries of the listings of this folder that start from the round chooser:
// "HTML - &Emparejamiento (y resultados)" (pairing variant: file-name box and "R&esultados";
// the page is written from the OK button) and "HTML - &Grupos de puntuación".

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::reports {

void LISHTMP(registry::WorkingState& state, ui::Ui& ui);
void LISHTMGP(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::reports
