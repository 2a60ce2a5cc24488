#include "shell/standings_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void CFGDESEMPATES(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("CFGDESEMPATES");
  NOHAGASNADA(*state.dialogs);
}

void CFGLISCLAS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("CFGLISCLAS");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
