#pragma once
// IMPTRF: a new tournament from a TRF file ("Torneo desde fichero TRF" of the import menu).

#include <string>

#include "register/tournament_outcome.h"
#include "trf_tables/tables_from_trf.h"

namespace movarel::registry {
struct WorkingState;
}

namespace movarel::trf_tables {

// Asks for the TRF file, reads and checks it (a refusal names the line and stops here), asks
// for the folder and the new key, then writes the tournament (WriteImportedTournament) and
// opens it. Cancelling a dialog stops with a message and changes nothing.
registry::TournamentOutcome IMPTRF(registry::WorkingState& state);

// Writes the planned tournament under `key` into the current folder: the player table, one
// round table per round (at least round-half-up(players / 2) boards each), the tie-break table
// when the file named tie-breaks, "cclas" when the folder has none, and last its register
// record (the register is made when the folder has none). All or nothing: on any failure
// every file written is removed and the register is as before; the message names the file.
// The open tournament is closed first. True when written.
bool WriteImportedTournament(registry::WorkingState& state, const ImportPlan& plan, const std::string& key);

}  // namespace movarel::trf_tables
