#pragma once
// FrmDescansos: before the automatic pairing of a round, the arbiter names the players who
// sit it out, absent (no points) or on a bye they asked for (half a point), by their numbers.

#include <optional>
#include <set>
#include <string>

#include "register/working_state.h"
#include "rounds/automatic_pairing.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::rounds {

// The numbers of a list as typed: separated by commas, semicolons or spaces, each between 1
// and `players`. A word that is no number, or a number of no player, gives a message naming it.
storage::Result<std::set<int>> ParsePlayerNumbers(const std::string& text, int players);

// The players of round `round` of the open player table who have no board and were given
// points for it: absent ("0") and half-point byes, as an earlier confirmation left them.
SitOuts RecordedSitOuts(registry::WorkingState& state, int round);

// Shows the dialog with `preset` filled in. OK with lists that do not parse, or name a player
// twice, says so and keeps the dialog open; cancel gives nullopt.
std::optional<SitOuts> AskSitOuts(registry::WorkingState& state, ui::Ui& ui, int round, int players,
                                  const SitOuts& preset);

}  // namespace movarel::rounds
