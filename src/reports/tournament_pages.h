#pragma once
// The full set of a tournament's pages: an index "zd" + stem + ".htm" linking the seeding
// order, the pairings and standings of every round played and the crosstable, then all those
// pages (the rounds not played yet too). Stem is the register's FICHERO in lower case without
// its padding blanks, so that no page name or link holds a blank.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

// "zd" + trimmed lower-case FICHERO of the current register record.
std::string PageStem(const storage::Table& torneos);

// Writes the index page of the current register record `torneos` to `path`; false (after a
// stop box naming the file) when it could not be saved. Never opens it.
bool WriteTournamentIndex(registry::WorkingState& state, const storage::Table& torneos,
                          const std::string& path);

// LISHTMPAG: the lock of the player table (refused: an information box, nothing written),
// the index, the seeding order, the pairing-and-results and standings pages of rounds 1 ..
// N_RONDAS and the crosstable, each announced when written. The first page that cannot be
// saved stops the run with a stop box naming it; nothing is then announced or opened. The
// index is opened under the browser rule at the end.
bool LISHTMPAG(registry::WorkingState& state);

}  // namespace movarel::reports
