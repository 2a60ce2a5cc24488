#include "tiebreaks/value.h"

namespace movarel::tiebreaks {

std::string FormatValue(const Value& value, int decimals) {
  int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const bool negative = value.numerator < 0;
  const int64_t magnitude = negative ? -value.numerator : value.numerator;
  const int64_t scaled = (2 * magnitude * scale + value.denominator) / (2 * value.denominator);
  std::string digits = std::to_string(scaled / scale);
  if (decimals > 0) {
    std::string fraction = std::to_string(scaled % scale);
    digits += '.' + std::string(static_cast<size_t>(decimals) - fraction.size(), '0') + fraction;
  }
  return (negative && scaled != 0 ? "-" : "") + digits;
}

}  // namespace movarel::tiebreaks
