#include "shell/standings_commands.h"

#include "register/working_state.h"
#include "standings/column_config.h"
#include "standings/fide_choice_dialog.h"
#include "standings/tiebreak_config.h"

namespace movarel::shell {

void CFGDESEMPATES(registry::WorkingState& state, ui::Ui& ui) { standings::CFGDESEMPATES(state, ui); }

void CFGDESEMPATESFIDE(registry::WorkingState& state, ui::Ui& ui) { standings::CFGDESEMPATESFIDE(state, ui); }

void CFGLISCLAS(registry::WorkingState& state, ui::Ui& ui) { standings::CFGLISCLAS(state, ui); }

}  // namespace movarel::shell
