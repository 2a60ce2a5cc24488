#pragma once
// The menu entries "HTML - &Clasificación" and "HTML - C&uadro de puntuación": the round
// chooser, then the standings or the crosstable page "zendral" after the chosen round,
// opened in the browser when the settings say so.

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::reports {

void LISHTMC(registry::WorkingState& state, ui::Ui& ui);
void LISHTMCURDA(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::reports
