#pragma once
// Opening a tournament: a player-table path becomes the working state every other operation
// reads. The folder becomes the current folder, the player table is open as `cuadro` and the
// folder's register as `torneos` (both for exclusive use, `torneos` on the tournament's
// record), CCLAVE and NDIGRONDAS are set, an old-format player table is upgraded and the
// recent entries of "tq.ini" are rotated.

#include <string>

#include "register/tournament_outcome.h"
#include "storage/status.h"

namespace movarel::registry {

struct WorkingState;

// The file chooser ("Archivos de cuadro", "cu*.dbf"), then ABRIRTORNEO with the chosen path
// (an empty one when cancelled, which closes the open tournament like any failed open).
TournamentOutcome ELEGIRTORNEO(WorkingState& state);

// Opens the tournament of a player-table path. Every open table is closed first. On success
// the outcome is kOpened with the register's TORNEO; on any failure every table is closed
// again and the outcome is kClosed. A missing file, a key absent from the register or a
// declined upgrade say "No se ha encontrado el torneo"; a table held by another program (a
// second copy of this one included), a folder without a register or an upgrade that cannot
// be made say so, naming the file.
TournamentOutcome ABRIRTORNEO(WorkingState& state, const std::string& path);

// The text shown when a table of a tournament cannot be opened: the file and the cause.
std::string OpenRefusalText(const std::string& file, const storage::Status& status);

}  // namespace movarel::registry
