#include "shell/prizes_commands.h"

#include "prizes/category_order.h"
#include "prizes/player_eligibility.h"
#include "prizes/prize_browser.h"
#include "prizes/prize_distribution.h"
#include "prizes/prize_help.h"
#include "register/working_state.h"

namespace movarel::shell {

void HOJEARPREMIOS(registry::WorkingState& state, ui::Ui& ui) { prizes::HOJEARPREMIOS(state, ui); }

void EDITARCUADROPREMIOS(registry::WorkingState& state, ui::Ui& ui) {
  prizes::EDITARCUADROPREMIOS(state, ui);
}

void ORDENPREMIOS(registry::WorkingState& state, ui::Ui& ui) { prizes::ORDENPREMIOS(state, ui); }

void CALCULARPREMIOS(registry::WorkingState& state, ui::Ui&) { prizes::CALCULARPREMIOS(state); }

void AYUDAPREMIOS(registry::WorkingState& state, ui::Ui&) { prizes::AYUDAPREMIOS(state); }

}  // namespace movarel::shell
