#pragma once
// The pairing engine's input from a TRF tournament: the round to pair is the one after the last
// round in which anybody has an opponent.

#include <string>

#include "pairing/round_input.h"
#include "trf/tournament.h"

namespace movarel::pairing {

struct TrfRoundInput {
  RoundInput input;
  std::string error;  // Spanish, Windows-1252; empty when `input` is complete
};

// Players who already have a block for the round to pair (`0000 - H`, `0000 - Z` ...), or who
// are named in an XXZ line or a TRF26 240 record for that round, sit it out. XXP lines and
// TRF26 260 records in force for the round forbid pairs. Without 142/XXR the number of rounds
// is unknown and the last-round rules are never applied.
TrfRoundInput round_input_from_trf(const trf::Tournament& tournament);

}  // namespace movarel::pairing
