#pragma once
// The checks that catch almost every broken export: unique starting ranks, opponents who
// exist and name the player back, one pairing-allocated bye per round, points that add up.

#include <optional>
#include <vector>

#include "trf/reader.h"
#include "trf/tournament.h"

namespace movarel::trf {

// `players` sorted by starting rank; `lines[i]` is the file line of players[i]. Returns the
// first breach; repeated meetings at the board go to `warnings`.
std::optional<Error> CheckConsistency(const Tournament& tournament, const std::vector<int>& lines,
                                      bool check_points, std::vector<Error>& warnings);

}  // namespace movarel::trf
