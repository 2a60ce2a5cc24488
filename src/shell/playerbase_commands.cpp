#include "shell/playerbase_commands.h"

#include "playerbase/database_browser.h"
#include "playerbase/player_database.h"
#include "register/working_state.h"

namespace movarel::shell {

void HOJEARBASEJUGS(registry::WorkingState& state, ui::Ui& ui) { playerbase::HOJEARBASEJUGS(state, ui); }

void ANAJUGSABASE(registry::WorkingState& state, ui::Ui&) { playerbase::ANAJUGSABASE(state); }

}  // namespace movarel::shell
