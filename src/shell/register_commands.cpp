#include "shell/register_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void ELEGIRTORNEO(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ELEGIRTORNEO");
  NOHAGASNADA(*state.dialogs);
}

void ABRIRTORNEO(registry::WorkingState& state, ui::Ui&, const std::string&) {
  ui::ActiveOperation op("ABRIRTORNEO");
  NOHAGASNADA(*state.dialogs);
}

void HOJEARTORNEOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("HOJEARTORNEOS");
  NOHAGASNADA(*state.dialogs);
}

void TORNEONUEVO(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("TORNEONUEVO");
  NOHAGASNADA(*state.dialogs);
}

void EDITARTORNEO(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("EDITARTORNEO");
  NOHAGASNADA(*state.dialogs);
}

void ANAREGFRDAS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ANAREGFRDAS");
  NOHAGASNADA(*state.dialogs);
}

void IMPTORNEO(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("IMPTORNEO");
  NOHAGASNADA(*state.dialogs);
}

void ZDNTX(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ZDNTX");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
