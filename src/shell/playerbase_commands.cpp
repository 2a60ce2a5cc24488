#include "shell/playerbase_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void HOJEARBASEJUGS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("HOJEARBASEJUGS");
  NOHAGASNADA(*state.dialogs);
}

void ANAJUGSABASE(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("ANAJUGSABASE");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
