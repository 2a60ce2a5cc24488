// Which stored texts are the DOS program's code page 850 and which were typed here in
// Windows-1252. The stored bytes were written out from the two code pages' charts (code page
// 850: Ñ A5, ñ A4, Á B5, á A0, É 90, é 82, Í D6, í A1, Ó E0, ó A2, Ú E9, ú A3, Ü 9A, ü 81,
// Ç 80, ç 87, ª A6, º A7); the expectations are what a reader sees, in UTF-8.

#include "ui/dos_text.h"

#include <gtest/gtest.h>

#include "ui/cp1252.h"

namespace movarel::ui {
namespace {

struct Shown {
  const char* stored;
  const char* utf8;
};

class DosText : public ::testing::TestWithParam<Shown> {};

TEST_P(DosText, StoredBytesShowAsTheLettersTheirWriterMeant) {
  EXPECT_EQ(Cp1252ToUtf8(DosTextAsCp1252(GetParam().stored)), GetParam().utf8) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    WrittenByTheDosProgram, DosText,
    ::testing::Values(Shown{"MU\xA5OZ,PEDRO", "MU\xC3\x91OZ,PEDRO"}, Shown{"G\xE0MEZ,LAURA", "G\xC3\x93MEZ,LAURA"},
                      Shown{"MART\xD6NEZ,CARMEN", "MART\xC3\x8DNEZ,CARMEN"},
                      Shown{"FERN\xB5NDEZ,ANA", "FERN\xC3\x81NDEZ,ANA"},
                      Shown{"IBA\xA5" "EZ, JOS\x90", "IBA\xC3\x91" "EZ, JOS\xC3\x89"},
                      Shown{"\xE9" "BEDA G\x9A" "ELL FRAN\x80OIS", "\xC3\x9A" "BEDA G\xC3\x9C" "ELL FRAN\xC3\x87OIS"},
                      Shown{"Mu\xA4oz G\xA2mez P\x82rez D\xA1" "az", "Mu\xC3\xB1oz G\xC3\xB3mez P\xC3\xA9rez D\xC3\xAD" "az"},
                      Shown{"\xB5lvarez Fern\xA0ndez \xA3ltimo G\x81" "ell Fran\x87" "ois",
                            "\xC3\x81lvarez Fern\xC3\xA1ndez \xC3\xBAltimo G\xC3\xBC" "ell Fran\xC3\xA7ois"},
                      Shown{"M\xA6 Jos\x82, 1\xA7", "M\xC2\xAA Jos\xC3\xA9, 1\xC2\xBA"}));

INSTANTIATE_TEST_SUITE_P(
    TypedHere, DosText,
    ::testing::Values(Shown{"MU\xD1OZ Mu\xF1oz", "MU\xC3\x91OZ Mu\xC3\xB1oz"},
                      Shown{"\xC1LVAREZ \xE1lvarez", "\xC3\x81LVAREZ \xC3\xA1lvarez"},
                      Shown{"P\xC9REZ", "P\xC3\x89REZ"}, Shown{"P\xE9rez", "P\xC3\xA9rez"},
                      Shown{"Jos\xE9", "Jos\xC3\xA9"}, Shown{"D\xCD" "AZ", "D\xC3\x8D" "AZ"},
                      Shown{"D\xED" "az", "D\xC3\xAD" "az"}, Shown{"G\xD3MEZ", "G\xC3\x93MEZ"},
                      Shown{"G\xF3mez", "G\xC3\xB3mez"}, Shown{"\xDA" "BEDA", "\xC3\x9A" "BEDA"},
                      Shown{"\xFA" "ltimo", "\xC3\xBAltimo"}, Shown{"G\xDC" "ELL", "G\xC3\x9C" "ELL"},
                      Shown{"G\xFC" "ell", "G\xC3\xBC" "ell"}, Shown{"FRAN\xC7OIS", "FRAN\xC3\x87OIS"},
                      Shown{"Fran\xE7ois", "Fran\xC3\xA7ois"}, Shown{"M\xAA Jos\xE9", "M\xC2\xAA Jos\xC3\xA9"},
                      Shown{"1\xBA", "1\xC2\xBA"}, Shown{"Ib\xE1\xF1" "ez", "Ib\xC3\xA1\xC3\xB1" "ez"},
                      Shown{"PLAIN, ASCII", "PLAIN, ASCII"}));

// The case the rule cannot tell apart, as its comment says: an upper-case Ö typed here alone.
INSTANTIATE_TEST_SUITE_P(Limit, DosText, ::testing::Values(Shown{"SCHR\xD6" "DER", "SCHR\xC3\x8D" "DER"}));

TEST(DosText, DrawCodesHaveNoLettersAndStayAsStored) {
  EXPECT_EQ(DosTextAsCp1252(" \xAB-\xAB "), " \xAB-\xAB ");
  EXPECT_EQ(DosTextAsCp1252(" \xBD-\xBD "), " \xBD-\xBD ");
}

TEST(DosText, ShownSpanishLettersReadAsWindowsText) {
  const std::string shown = DosTextAsCp1252("IBA\xA5" "EZ, JOS\x90 G\xE0MEZ \xB5NGEL Mu\xA4oz");
  EXPECT_FALSE(IsDosText(shown));
  EXPECT_EQ(DosTextAsCp1252(shown), shown);
}

}  // namespace
}  // namespace movarel::ui
