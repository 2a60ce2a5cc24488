#include "tiebreaks/rating_tables.h"

#include <array>
#include <cstddef>

namespace movarel::tiebreaks {

namespace {

// dp for p = 0.50, 0.51, ... 1.00.
constexpr std::array<int, 51> kDp = {
    0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
    125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
    284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800};

// Upper bound of each class of differences; the higher-rated side expects 0.50, 0.51 ...
// 0.99 in them, and 1.00 beyond the last.
constexpr std::array<int, 50> kClassEnd = {
    3,   10,  17,  25,  32,  39,  46,  53,  61,  68,  76,  83,  91,  98,  106, 113, 121,
    129, 137, 145, 153, 162, 170, 179, 188, 197, 206, 215, 225, 235, 245, 256, 267, 278,
    290, 302, 315, 328, 344, 357, 374, 391, 411, 432, 456, 484, 517, 559, 619, 735};

}  // namespace

int RatingDifference(int p_hundredths) {
  if (p_hundredths < 0) p_hundredths = 0;
  if (p_hundredths > 100) p_hundredths = 100;
  return p_hundredths >= 50 ? kDp[static_cast<size_t>(p_hundredths - 50)]
                            : -kDp[static_cast<size_t>(50 - p_hundredths)];
}

int ExpectedScore(int difference) {
  const int distance = difference < 0 ? -difference : difference;
  int higher = 100;
  for (size_t i = 0; i < kClassEnd.size(); ++i) {
    if (distance <= kClassEnd[i]) {
      higher = 50 + static_cast<int>(i);
      break;
    }
  }
  return difference >= 0 ? higher : 100 - higher;
}

}  // namespace movarel::tiebreaks
