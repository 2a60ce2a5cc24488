#include "shell/prizes_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void HOJEARPREMIOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("HOJEARPREMIOS");
  NOHAGASNADA(*state.dialogs);
}

void EDITARCUADROPREMIOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("EDITARCUADROPREMIOS");
  NOHAGASNADA(*state.dialogs);
}

void ORDENPREMIOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ORDENPREMIOS");
  NOHAGASNADA(*state.dialogs);
}

void CALCULARPREMIOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("CALCULARPREMIOS");
  NOHAGASNADA(*state.dialogs);
}

void AYUDAPREMIOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("AYUDAPREMIOS");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
