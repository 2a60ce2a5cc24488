#pragma once
// The TRF files of tests/data/trf, read whole.

#include <fstream>
#include <sstream>
#include <string>

namespace movarel::trf::testing {

inline std::string TrfFixture(const std::string& name) {
  std::ifstream in(std::string(MOVAREL_FIXTURES_DIR) + "/trf/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace movarel::trf::testing
