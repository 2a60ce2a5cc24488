// Windows-1252 <-> UTF-8 at the script and transcript boundary.

#include <gtest/gtest.h>

#include "ui/cp1252.h"

namespace movarel::ui {
namespace {

struct Pair {
  const char* cp1252;
  const char* utf8;
};

class Cp1252 : public ::testing::TestWithParam<Pair> {};

TEST_P(Cp1252, ConvertsBothWays) {
  EXPECT_EQ(Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
  EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

// UTF-8 bytes from the Unicode charts (U+00F3, U+00BD, U+20AC, U+2019, U+00D1, U+00BF).
INSTANTIATE_TEST_SUITE_P(Characters, Cp1252,
                         ::testing::Values(Pair{"Operaci\xF3n", "Operaci\xC3\xB3n"}, Pair{"\xBD", "\xC2\xBD"},
                                           Pair{"\x80", "\xE2\x82\xAC"}, Pair{"\x92", "\xE2\x80\x99"},
                                           Pair{"\xD1\xBF", "\xC3\x91\xC2\xBF"}, Pair{"plain", "plain"}));

TEST(Cp1252RoundTrip, EveryByteSurvives) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252FromUtf8, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE2\x99\x9E"), "?");        // U+265E black knight
  EXPECT_EQ(Utf8ToCp1252("a\xF0\x9F\x98\x80" "b"), "a?b");  // U+1F600
}

TEST(Cp1252FromUtf8, MalformedBytesAreTakenAsWindows1252) {
  EXPECT_EQ(Utf8ToCp1252("Jos\xE9"), "Jos\xE9");  // a Latin-1 script file
}

}  // namespace
}  // namespace movarel::ui
