#include "standings/field_bytes.h"

#include <cmath>
#include <cstring>

#include "storage/value.h"

namespace movarel::standings {

void NumericFieldBytes(const storage::FieldDef& field, double value, char* out) {
  const int width = field.length;
  const int decimals = field.decimals;
  // Points, progressive scores and Buchholz values are multiples of 0.25, so value x 10^d x 4
  // is a whole number and value x 10^d is exact in binary: rounding half away from zero needs
  // no decimal expansion. Anything else (averages, rating changes) takes the general rule.
  if (decimals >= 0 && decimals <= 2 && std::fabs(value) < 1e9) {
    const double scale = decimals == 0 ? 1 : decimals == 1 ? 10 : 100;
    const double scaled = value * scale;
    if (scaled * 4 == std::floor(scaled * 4)) {
      const auto units = static_cast<uint64_t>(std::floor(std::fabs(scaled) + 0.5));
      storage::WriteUnits(units, value < 0 && units != 0, width, decimals, out);
      return;
    }
  }
  const std::string text = storage::Str(value, width, decimals);
  if (static_cast<int>(text.size()) != width) {
    std::memset(out, '*', static_cast<size_t>(width));
  } else {
    std::memcpy(out, text.data(), static_cast<size_t>(width));
  }
}

std::string NumericFieldBytes(const storage::FieldDef& field, double value) {
  std::string bytes(static_cast<size_t>(field.length), ' ');
  NumericFieldBytes(field, value, bytes.data());
  return bytes;
}

}  // namespace movarel::standings
