#pragma once
// The Dutch system from the pairing editor. The history comes from the player table exactly
// as the TRF export writes it, so that another program given that file pairs the round the
// same way; the arbiter names who sits the round out.

#include <set>

#include "pairing/round_input.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::rounds {

// Players (numbers of the player table) who are not paired this round, besides the
// withdrawn: absent with no points, or on a bye they asked for, worth half a point.
struct SitOuts {
  std::set<int> absent;
  std::set<int> half_bye;
};

// The pairing of `round` from the register record under `torneos` and every player of
// `cuadro`. Refused, with a sentence naming the player and round: a game of an earlier round
// without its result or with a result the opponent's record contradicts, an earlier round not
// paired, or a round no pairing can satisfy (players meeting twice, colours, a second bye).
storage::Result<pairing::RoundPairing> PairByDutchSystem(storage::Table& torneos, storage::Table& cuadro, int round,
                                                         const SitOuts& sit_outs);

}  // namespace movarel::rounds
