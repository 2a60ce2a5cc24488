#include "shell/pgn_commands.h"

#include "pgn/pgn_export.h"
#include "register/working_state.h"

namespace movarel::shell {

void ZDCREAPGNRDA(registry::WorkingState& state, ui::Ui& ui) { pgn::ZDCREAPGNRDA(state, ui); }

void ZDCREAPGN(registry::WorkingState& state, ui::Ui&) { pgn::ZDCREAPGN(state); }

void ZDCREAPGNJUG(registry::WorkingState& state, ui::Ui& ui) { pgn::ZDCREAPGNJUG(state, ui); }

}  // namespace movarel::shell
