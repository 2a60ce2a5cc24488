#pragma once
// ZDCLAS: the standings of the open tournament after `NRONDASEL` rounds. Computes every
// player's points, progressive scores, Buchholz values, Sonneborn-Berger, wins, opponents'
// average rating and rating variation, writes them into the player table, orders the players
// by points and the tournament's tie-breaks into the index file "suclas.tmp" and numbers
// their places (PUESTO). The only writer of those fields.

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::standings {

// Before the call the tournament is open: the player table is open under `cuadro` and
// writable (the caller holds its lock), `CCLAVE` names the tournament, `CCARPINI` the start
// folder with the templates folder "zd", and `NRONDASEL` the rounds to count (0 to 15).
// The tie-break table "ds" + key, the standings order "suclas.tmp" and the tie-break index
// are read from and written to the player table's folder.
//
// Afterwards every record holds the computed fields, "suclas.tmp" holds the standings order
// (left on disk for callers that walk it), `ADESEMPATES` the systems in use, `CFICHDS` and
// `NDS` the tie-break table name and counter, and `cuadro` is selected with no index open.
//
// Errors: no player table open, the rating-difference table "t14"/"t14d" or the tie-break
// template missing or unreadable, a write refused. Nothing is written to the player table
// when the tables it needs cannot be read.
storage::Status ZDCLAS(registry::WorkingState& state);
// The same after `rounds` rounds, NRONDASEL left as it is.
storage::Status ZDCLAS(registry::WorkingState& state, int rounds);

// PONPUESTO: numbers the current player record with the next place.
storage::Status PONPUESTO(storage::Table& cuadro, int& NKPUESTO);

}  // namespace movarel::standings
