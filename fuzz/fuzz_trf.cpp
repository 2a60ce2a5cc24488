// Arbitrary bytes as a Tournament Report File: reading must end in a tournament or an error
// naming a line, never in a crash; what was read writes back and reads again to the same data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "trf/reader.h"
#include "trf/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  movarel::trf::ReadResult read = movarel::trf::Read(bytes);
  if (!read.ok()) {
    if (read.error->line < 1 || read.error->message.empty()) std::abort();
    return 0;
  }
  movarel::trf::ReadResult again = movarel::trf::Read(movarel::trf::Write(read.tournament));
  if (!again.ok()) std::abort();
  return 0;
}
