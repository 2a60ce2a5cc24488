#include "standings/field_bytes.h"

#include <cmath>

#include "storage/value.h"

namespace movarel::standings {

std::string NumericFieldBytes(const storage::FieldDef& field, double value) {
  const int width = field.length;
  const int decimals = field.decimals;
  // Points, progressive scores and Buchholz values are multiples of 0.25, so value x 10^d x 4
  // is a whole number and value x 10^d is exact in binary: rounding half away from zero needs
  // no decimal expansion. Anything else (averages, rating changes) takes the general rule.
  if (decimals >= 0 && decimals <= 2 && std::fabs(value) < 1e9) {
    const double scale = decimals == 0 ? 1 : decimals == 1 ? 10 : 100;
    const double scaled = value * scale;
    if (scaled * 4 == std::floor(scaled * 4)) {
      long long units = static_cast<long long>(std::floor(std::fabs(scaled) + 0.5));
      const bool negative = value < 0 && units != 0;
      std::string digits = std::to_string(units);
      if (decimals > 0) {
        if (static_cast<int>(digits.size()) <= decimals) {
          digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
        }
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
      }
      if (negative) digits.insert(0, 1, '-');
      if (static_cast<int>(digits.size()) > width) return std::string(static_cast<size_t>(width), '*');
      return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
    }
  }
  std::string text = storage::Str(value, width, decimals);
  if (static_cast<int>(text.size()) != width) text = std::string(static_cast<size_t>(width), '*');
  return text;
}

}  // namespace movarel::standings
