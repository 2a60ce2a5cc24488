#include "standings/field_bytes.h"

#include <cmath>
#include <cstring>

#include "storage/value.h"

namespace movarel::standings {
namespace {

// Right-aligns the `n` characters of `text`, stored last character first, in `width` bytes.
void RightAligned(const char* text, int n, int width, char* out) {
  if (n > width) {
    std::memset(out, '*', static_cast<size_t>(width));
    return;
  }
  std::memset(out, ' ', static_cast<size_t>(width - n));
  for (int i = 0; i < n; ++i) out[width - 1 - i] = text[i];
}

}  // namespace

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
      long long units = static_cast<long long>(std::floor(std::fabs(scaled) + 0.5));
      const bool negative = value < 0 && units != 0;
      char text[24];
      int n = 0;
      do {
        if (decimals > 0 && n == decimals) text[n++] = '.';
        text[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
      } while (units > 0 || n <= decimals);
      if (negative) text[n++] = '-';
      RightAligned(text, n, width, out);
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
