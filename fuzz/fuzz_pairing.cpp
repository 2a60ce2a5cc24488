// Arbitrary bytes as the TRF given to movarel --pair: reading, building the engine's input,
// checking it and pairing must end in a pairing, "no valid pairing" or a clear refusal, never
// in a crash. Small fields only, so that each input pairs in milliseconds.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "pairing/dutch_pairing.h"
#include "pairing/trf_round_input.h"
#include "trf/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace movarel;
  const trf::ReadResult read = trf::Read(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.ok() || read.tournament.players.size() > 40) return 0;
  const pairing::TrfRoundInput round = pairing::round_input_from_trf(read.tournament);
  if (!round.error.empty() || !pairing::check_round_input(round.input).empty()) return 0;
  const auto pairing = pairing::pair_round(round.input);
  if (pairing) {
    // Every player paired at most once, nobody against himself.
    std::vector<int> seen;
    for (const auto& b : pairing->boards) {
      if (b.white == b.black) __builtin_trap();
      seen.push_back(b.white);
      seen.push_back(b.black);
    }
    if (pairing->bye != 0) seen.push_back(pairing->bye);
    std::sort(seen.begin(), seen.end());
    if (std::adjacent_find(seen.begin(), seen.end()) != seen.end()) __builtin_trap();
  }
  return 0;
}
