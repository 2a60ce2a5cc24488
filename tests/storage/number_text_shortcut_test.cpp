// Str, StrZero and Val take a shortcut for whole and one-decimal numbers. These tests walk
// many such values, their neighbours one binary step away and random ones, and require the
// bytes of the general conversion (for Val: of strtod, an independent reader).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "storage/value.h"

namespace movarel::storage {
namespace {

struct Shape {
  int width;
  int decimals;
};
// The shapes of the tables' numeric fields and of the standings key, plus tight and odd ones.
const Shape kShapes[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0},  {4, 1}, {5, 1}, {6, 1}, {6, 2},
                         {7, 2}, {8, 3}, {10, 0}, {12, 4}, {3, 1}, {2, 1}, {20, 0}, {19, 15}};

void ExpectSameAsGeneral(double value) {
  for (const Shape& s : kShapes) {
    ASSERT_EQ(Str(value, s.width, s.decimals), FormatGeneral(value, s.width, s.decimals, ' '))
        << value << " width " << s.width << " decimals " << s.decimals;
    ASSERT_EQ(StrZero(value, s.width, s.decimals), FormatGeneral(value, s.width, s.decimals, '0'))
        << value << " width " << s.width << " decimals " << s.decimals;
  }
}

TEST(NumberTextShortcut, TenthsFromMinusTwoThousandToTwentyThousandMatchTheGeneralConversion) {
  // Step 7 (prime to 10) meets every last digit in every decade.
  for (int tenths = -20000; tenths <= 200000; tenths += 7) {
    const double value = tenths / 10.0;
    ExpectSameAsGeneral(value);
    // One binary step either way is no longer a tenth: the general path takes it.
    ExpectSameAsGeneral(std::nextafter(value, 1e300));
    ExpectSameAsGeneral(std::nextafter(value, -1e300));
  }
}

TEST(NumberTextShortcut, HalvesRoundAwayFromZeroAndZeroesHaveNoSign) {
  EXPECT_EQ(Str(2.5, 3), "  3");
  EXPECT_EQ(Str(-2.5, 3), " -3");
  EXPECT_EQ(Str(-0.4, 3), "  0");
  EXPECT_EQ(Str(-0.0, 4, 1), " 0.0");
  EXPECT_EQ(StrZero(-0.5, 4, 1), "-0.5");
  EXPECT_EQ(Str(99.5, 2), "**");
  EXPECT_EQ(Str(1000.0 - 7, 3), "993");
}

TEST(NumberTextShortcut, LargeAndRandomValuesMatchTheGeneralConversion) {
  std::mt19937_64 random(7);
  std::vector<double> values = {1e14 - 0.1, 1e14, 1e14 + 1, 999999999999999.0, 1e15, 1e15 + 2, 4503599627370495.5,
                                9007199254740993.0, 1e300, 5e-324, 0.05, 0.95, 0.25, 1.15, 2.675, 1234.45};
  std::uniform_real_distribution<double> any(-1e6, 1e6);
  std::uniform_int_distribution<long long> whole(-1000000000000000LL, 1000000000000000LL);
  for (int i = 0; i < 5000; ++i) {
    values.push_back(any(random));
    values.push_back(static_cast<double>(whole(random)));
    values.push_back(static_cast<double>(whole(random) / 100) / 10.0);
  }
  for (double v : values) {
    ExpectSameAsGeneral(v);
    ExpectSameAsGeneral(-v);
  }
}

TEST(NumberTextShortcut, ValReadsWhatStrtodReads) {
  std::vector<std::string> texts = {"0", "-0", "5.", ".5", "-.5", "  12.5", "007", "123456789012345",
                                    "1234567890123456", "0.000000000000001", "99999999999999.9", "-1.05",
                                    "2.675", "12.3.4", "1e5"};
  std::mt19937 random(11);
  for (int i = 0; i < 50000; ++i) {
    std::string text = std::to_string(static_cast<int>(random() % 2000000) - 1000000);
    const int point = static_cast<int>(random() % (text.size() + 1));
    if (point > (text[0] == '-' ? 1 : 0)) text.insert(static_cast<size_t>(point), ".");
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    // strtod reads exponents, which VAL stops at; compare on the part VAL reads.
    const std::string readable = text.substr(0, text.find_first_of("e"));
    const std::string first_point = readable.substr(0, readable.find('.', readable.find('.') + 1));
    EXPECT_EQ(Val(text), std::strtod(first_point.c_str(), nullptr)) << text;
  }
}

}  // namespace
}  // namespace movarel::storage
