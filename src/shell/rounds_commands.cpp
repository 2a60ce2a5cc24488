#include "shell/rounds_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void CREAROF(registry::WorkingState& state, ui::Ui&, const std::string&) {
  ui::ActiveOperation op("CREAROF");
  NOHAGASNADA(*state.dialogs);
}

void VEREMPAREJ(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("VEREMPAREJ");
  NOHAGASNADA(*state.dialogs);
}

void VERRDOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("VERRDOS");
  NOHAGASNADA(*state.dialogs);
}

void VERCUADRO(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("VERCUADRO");
  NOHAGASNADA(*state.dialogs);
}

void FIGIMPP(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIGIMPP");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
