#pragma once
// AYUDAPREMIOS: the help page on prizes, "Ayuda_Premios.html" of the templates folder,
// opened with the default browser.

#include "register/working_state.h"

namespace movarel::prizes {

void AYUDAPREMIOS(registry::WorkingState& state);

}  // namespace movarel::prizes
