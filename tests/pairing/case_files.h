#pragma once
// The Dutch pairing cases of tests/data/dutch read through the program's own TRF reader.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "pairing/trf_round_input.h"
#include "trf/reader.h"

namespace movarel::pairing::testing {

inline std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The input of a case; `error` says what the reader or the adapter refused.
inline TrfRoundInput read_case(const std::filesystem::path& trf_path) {
  const trf::ReadResult read = trf::Read(file_bytes(trf_path));
  if (!read.ok()) return {{}, read.error->message};
  return round_input_from_trf(read.tournament);
}

}  // namespace movarel::pairing::testing
