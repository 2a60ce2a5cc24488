#pragma once
// The tables of the open tournament as the operations of this folder find them: the player
// table under `cuadro`, the register under `torneos` positioned on the tournament's record.

#include <functional>
#include <string>
#include <string_view>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::rounds {

// The folder of the open player table followed by "/", or "" when it was opened by a bare
// name from the current folder. Round tables and temporaries live beside the player table,
// which is the current folder once a tournament is open; building names from the table's own
// path keeps them right even when it is not.
std::string TournamentFolderPrefix(const storage::Table& cuadro);

// Whether `number`, a player number of a board or a per-round field, is a record of the
// player table `cuadro`: a Fígaro list or the DOS program may leave numbers past its end, and
// a write there would land outside the table.
bool IsPlayerRecord(const storage::Table& cuadro, double number);

// Changes the number `field` of the register's current record to `change` of its value,
// under a record lock when the register is shared. Without an open register nothing is
// changed (there is no tournament to count for).
storage::Status PutRegisterNumber(registry::WorkingState& state, std::string_view field,
                                  const std::function<double(double)>& change);

// Adds `delta` to N_JUGS of the register's current record. Without an open register nothing
// is changed (there is no tournament to count for).
storage::Status AddToPlayerCount(registry::WorkingState& state, int delta);

// N_JUGS and N_RONDAS of the register's current record; 0 without an open register.
int RegisterPlayerCount(registry::WorkingState& state);
int RegisterRoundCount(registry::WorkingState& state);

}  // namespace movarel::rounds
