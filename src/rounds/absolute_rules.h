#pragma once
// The rules no pairing of the Dutch system breaks, checked on boards placed by hand: two
// players meet once, nobody's colour difference goes beyond 2 nor does anybody get a colour
// three games running, and nobody gets the pairing bye twice, nor after a win by forfeit. In
// the last round a board with a topscorer (more than half the points so far) may break the
// colour rules, as the system itself allows.

#include <string>
#include <vector>

#include "pairing/round_input.h"
#include "storage/table.h"

namespace movarel::rounds {

// One sentence per breach, in board order, naming the players by number; `boards` are those
// of round `round` (a Black of 0 is the bye) of a tournament of `total_rounds` rounds, and
// `cuadro` holds rounds 1 .. round - 1 with their results.
std::vector<std::string> AbsoluteRuleBreaches(storage::Table& cuadro, const std::vector<pairing::Board>& boards,
                                              int round, int total_rounds);

}  // namespace movarel::rounds
