#pragma once
// The pairings of a round, with or without the results: one line per board in board order,
// each player with the points he had before the round.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

// The opening tag and the column header, written as one fragment without a line end.
std::string PairingColumnHeader();

// The line of the current board of `ronda` (whose JUG_B is not 0); `cuadro` is moved to the
// players. Points are written with one decimal in NDIGRONDAS + 2.
std::string PROCLINPAREO(const storage::Table& ronda, storage::Table& cuadro, bool with_results,
                         int ndigrondas);

// Writes the page named `page_name` for `round`. Takes the player table's lock (refused: an
// information box and nothing written), computes the standings of the rounds before this one
// (NRONDASEL stays at round − 1), reads the round table "r" + round + key. Returns false when
// nothing usable was written (lock refused, standings or round table unreadable, page not
// saved), after telling the user why.
bool LISHTMPAREO(registry::WorkingState& state, int round, const std::string& page_name, bool with_results,
                 bool open_afterwards);

}  // namespace movarel::reports
