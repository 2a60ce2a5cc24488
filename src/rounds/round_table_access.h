#pragma once
// Opening the round table of one round of the open tournament under the alias `ronda`, the
// way the result editor and the round import need it: for exclusive use, beside the player
// table, with a message naming the table when it cannot be opened.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::rounds {

// Path of round `round`'s table ("r" + n + key + ".dbf") beside the open player table.
std::string RoundTablePath(registry::WorkingState& state, int round);

// Opens round `round`'s table for exclusive use under `ronda`. A round outside
// 1..N_RONDAS, or a table that is missing or held by another program (the DOS program holds
// the round it is pairing), gives a stop box titled `title` naming the round, the table and
// the reason, and nullptr; nothing is opened then, and `cuadro` is selected.
storage::Table* OpenRoundTable(registry::WorkingState& state, int round, const std::string& title);

// Closes `ronda` and selects `cuadro` again, as every round operation leaves things.
void CloseRoundTable(registry::WorkingState& state);

// Makes `round` the register's current round N_R_ACTUAL (lower than before too), under a
// record lock when the register is shared. No register open: nothing to do.
storage::Status SetCurrentRound(registry::WorkingState& state, int round);

}  // namespace movarel::rounds
