#include "shell/pgn_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void ZDCREAPGNRDA(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ZDCREAPGNRDA");
  NOHAGASNADA(*state.dialogs);
}

void ZDCREAPGN(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ZDCREAPGN");
  NOHAGASNADA(*state.dialogs);
}

void ZDCREAPGNJUG(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ZDCREAPGNJUG");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
