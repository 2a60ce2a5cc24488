#pragma once
// The list of the tournaments of a folder: one page "ListaTorneos.htm" in that folder with a
// line per record of its register "torneos.dbf". Writing it closes the open tournament.

#include <functional>
#include <string>

#include "register/tournament_outcome.h"
#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

// LISTORNS1: the line of the current register record: FICHERO, TORNEO, the two dates and
// LOCALIDAD, upper case, as stored, " - " between them.
std::string LISTORNS1(const storage::Table& torneos);

// Runs once every table is closed, before the page is written: the shell puts the main window
// into its no-tournament state there.
using TournamentClosedHook = std::function<void()>;

// Writes the list of `folder` (already chosen): every table is closed (and `closed` is run),
// the folder becomes the current folder and its register is read. Returns kClosed once the
// open tournament was closed (whether or not the page could then be saved), kUnchanged when
// the folder holds no register (a stop box says so and nothing is closed).
registry::TournamentOutcome WriteTournamentList(registry::WorkingState& state, const std::string& folder,
                                                const TournamentClosedHook& closed = nullptr);

// LISTORNS: asks for the folder ("Crear torneo nuevo en..."), keeps it in CCARPETA and writes
// its list. No folder chosen: an information box and nothing changes.
registry::TournamentOutcome LISTORNS(registry::WorkingState& state,
                                     const TournamentClosedHook& closed = nullptr);

}  // namespace movarel::reports
