#pragma once
// The list of the tournaments of a folder: one page "ListaTorneos.htm" in that folder with a
// line per record of its register "torneos.dbf". Writing it closes the open tournament.

#include <string>

#include "register/tournament_outcome.h"
#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

// LISTORNS1: the line of the current register record: FICHERO, TORNEO, the two dates and
// LOCALIDAD, upper case, as stored, " - " between them.
std::string LISTORNS1(const storage::Table& torneos);

// Writes the list of `folder` (already chosen): every table is closed, the folder becomes
// the current folder and its register is read. Returns kClosed once the open tournament was
// closed (whether or not the page could then be saved), kUnchanged when the folder holds no
// register (a stop box says so and nothing is closed).
registry::TournamentOutcome WriteTournamentList(registry::WorkingState& state, const std::string& folder);

// LISTORNS: asks for the folder ("Crear torneo nuevo en..."), keeps it in CCARPETA and writes
// its list. No folder chosen: an information box and nothing changes.
registry::TournamentOutcome LISTORNS(registry::WorkingState& state);

}  // namespace movarel::reports
