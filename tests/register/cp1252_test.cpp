#include "register/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::registry {
namespace {

struct Conversion {
  const char* utf8;
  const char* bytes;
};

class Cp1252Conversion : public ::testing::TestWithParam<Conversion> {};

// Byte values from the published Windows-1252 code chart.
TEST_P(Cp1252Conversion, MapsBothWays) {
  EXPECT_EQ(Cp1252(GetParam().utf8), GetParam().bytes);
  EXPECT_EQ(Utf8FromCp1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Chart, Cp1252Conversion,
                         ::testing::Values(Conversion{"Operaci\xC3\xB3n", "Operaci\xF3n"},  // ó
                                           Conversion{"\xC3\x91"
                                                      "and\xC3\xBA",
                                                      "\xD1"
                                                      "and\xFA"},           // Ñandú
                                           Conversion{"\xC2\xBD", "\xBD"},  // ½
                                           Conversion{"\xC2\xBF"
                                                      "S\xC3\xAD?",
                                                      "\xBFS\xED?"},            // ¿Sí?
                                           Conversion{"\xE2\x82\xAC", "\x80"},  // €
                                           Conversion{"\xE2\x80\x9C"
                                                      "x"
                                                      "\xE2\x80\x9D",
                                                      "\x93x\x94"},         // “x”
                                           Conversion{"\xC5\xBD", "\x8E"},  // Ž
                                           Conversion{"\xC5\xB8", "\x9F"},  // Ÿ
                                           Conversion{"plain ASCII 0-9", "plain ASCII 0-9"}));

TEST(Cp1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Cp1252("a\xE2\x86\x92"
                   "b"),
            "a?b");                            // → (U+2192)
  EXPECT_EQ(Cp1252("\xF0\x9F\x98\x80"), "?");  // an emoji, four bytes
  EXPECT_EQ(Cp1252("\xD0\x96"), "?");          // Cyrillic Zhe
}

TEST(Cp1252Test, MalformedUtf8BecomesQuestionMarksWithoutSwallowingText) {
  EXPECT_EQ(Cp1252("a\xC3"), "a?");  // truncated sequence at the end
  EXPECT_EQ(Cp1252("a\xC3"
                   "b"),
            "a?b");                    // lead byte followed by ASCII
  EXPECT_EQ(Cp1252("\x80x"), "?x");    // stray continuation byte
  EXPECT_EQ(Cp1252("\xC0\xA7"), "?");  // overlong form of "'"
  EXPECT_EQ(Cp1252("\xFF"), "?");
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Cp1252(Utf8FromCp1252(all)), all);
}

}  // namespace
}  // namespace movarel::registry
