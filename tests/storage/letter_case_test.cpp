#include "storage/letter_case.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::storage {
namespace {

struct MayminsCase {
  const char* input;
  const char* expected;
};

class MayminsExamples : public ::testing::TestWithParam<MayminsCase> {};

TEST_P(MayminsExamples, CapitalisesEachWord) { EXPECT_EQ(MAYMINS(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    HandWorked, MayminsExamples,
    ::testing::Values(MayminsCase{"PEREZ,JUAN", "Perez, Juan"},
                      MayminsCase{"LOPEZ DE LA FUENTE.CLUB", "Lopez De La Fuente. Club"},
                      MayminsCase{"O'NEILL", "O'neill"},  // an apostrophe starts no word
                      MayminsCase{"a.b", "A. B"}, MayminsCase{"a. b", "A. B"},  // no second blank
                      MayminsCase{"  ana", "  Ana"}, MayminsCase{"", ""},
                      MayminsCase{"ruiz,\tana", "Ruiz,\tAna"},  // a tab is a blank
                      MayminsCase{"x,", "X,"},                  // nothing follows the comma
                      MayminsCase{"1A.2B", "1a. 2b"},
                      // Accented capitals pass unchanged: GARCÍA -> GarcÍa (Windows-1252 bytes).
                      MayminsCase{"GARC\xCD"
                                  "A",
                                  "Garc\xCD"
                                  "a"},
                      MayminsCase{"\xD1"
                                  "U\xD1"
                                  "EZ",
                                  "\xD1"
                                  "u\xD1"
                                  "ez"}));

// The user's locale never changes a byte: in a Latin-1 locale std::toupper would turn á into
// Á, and in a Turkish one i into İ.
TEST(LetterCase, AsciiFormsChangeOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii("cuab.dbf \xE1\xF1\xFF"), "CUAB.DBF \xE1\xF1\xFF");
  EXPECT_EQ(LowerAscii("ZDAB.HTM \xC1\xD1"), "zdab.htm \xC1\xD1");
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Upper", "uPPER"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xE1", "\xC1"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("jug", "jugs"));
}

TEST(LetterCase, Cp1252FormTurnsAccentedLettersIntoCapitals) {
  EXPECT_EQ(UpperCp1252("Alcal\xE1 de Henares"), "ALCAL\xC1 DE HENARES");
  EXPECT_EQ(UpperCp1252("\xF1\xE7\xFC\xE9\xF3\x9A\xFF"), "\xD1\xC7\xDC\xC9\xD3\x8A\x9F");
  EXPECT_EQ(UpperCp1252("\xDF\xB5\xF7\xAA"), "\xDF\xB5\xF7\xAA");
}

}  // namespace
}  // namespace movarel::storage
