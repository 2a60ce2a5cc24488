#pragma once
// The three PGN exports of the open tournament (the register open under `torneos` on its
// record, the player table under `cuadro`). Each builds the whole file in memory and writes
// it under a temporary name that takes the final name only once complete, so a failure never
// leaves half a file; an existing file of that name is replaced.
//
// Every export ends with "El fichero <name> ha sido creado" when the file was written, and
// with a stop box naming the file and the cause when it was not (no success message then).

#include <string>

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::pgn {

// The name a file given relative to the tournament folder has from the current folder: the
// folder of the open player table is prefixed; an absolute name is kept. `file` is text (the
// chooser's box); the result is a path.
std::string PgnPath(registry::WorkingState& state, const std::string& file);

// The games of round `round` (its table "r" + n + key, opened shared as `ronda` and closed
// again) into `file`. NRONDASEL is left at `round`. True when the file was written.
bool WriteRoundPgn(registry::WorkingState& state, int round, const std::string& file);

// Every round 1 .. N_RONDAS into "Zd" + key + ".pgn"; rounds not yet paired contribute
// nothing. A round table that cannot be opened stops the export before anything is written.
bool WriteTournamentPgn(registry::WorkingState& state);

// The games of the first player (in record order) whose name is `player` (trailing blanks
// ignored), rounds 1 .. N_R_ACTUAL, into `file`.
bool WritePlayerPgn(registry::WorkingState& state, const std::string& player, const std::string& file);

// The menu commands: ZDCREAPGNRDA asks for the round and file name in FrmElegRda,
// ZDCREAPGNJUG for the player and file name in FrmElegJug; ZDCREAPGN asks nothing.
void ZDCREAPGNRDA(registry::WorkingState& state, ui::Ui& ui);
void ZDCREAPGN(registry::WorkingState& state);
void ZDCREAPGNJUG(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::pgn
