#include "storage/value.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::storage {
namespace {

struct StrCase {
  double value;
  int width;
  int decimals;
  const char* str;
  const char* strzero;
};

class StrRule : public ::testing::TestWithParam<StrCase> {};

TEST_P(StrRule, RoundsHalfAwayFromZeroAndPads) {
  const StrCase& c = GetParam();
  EXPECT_EQ(Str(c.value, c.width, c.decimals), c.str);
  EXPECT_EQ(StrZero(c.value, c.width, c.decimals), c.strzero);
}

// Worked by hand, as a person rounds the decimal number written in the source.
INSTANTIATE_TEST_SUITE_P(
    HandWorked, StrRule,
    ::testing::Values(StrCase{7.25, 4, 1, " 7.3", "07.3"},        // binary 7.25 is exact; half goes up
                      StrCase{1234, 3, 0, "***", "***"},          // does not fit
                      StrCase{2.675, 5, 2, " 2.68", "02.68"},     // binary 2.67499999...
                      StrCase{1.005, 4, 2, "1.01", "1.01"},       // binary 1.00499999...
                      StrCase{-2.5, 4, 0, "  -3", "-003"},        // away from zero, not to even
                      StrCase{2.5, 3, 0, "  3", "003"},
                      StrCase{-7.25, 5, 1, " -7.3", "-07.3"},
                      StrCase{-0.04, 4, 1, " 0.0", "00.0"},       // no negative zero
                      StrCase{0, 4, 0, "   0", "0000"},
                      StrCase{0.5, 1, 0, "1", "1"},
                      StrCase{9.96, 4, 1, "10.0", "10.0"},        // carry into a new digit
                      StrCase{99.96, 4, 1, "****", "****"},       // the carry no longer fits
                      StrCase{-5, 2, 0, "-5", "-5"},
                      StrCase{-10, 2, 0, "**", "**"},
                      StrCase{2150, 4, 0, "2150", "2150"},
                      StrCase{9999999, 8, 0, " 9999999", "09999999"},
                      StrCase{10000000 - 250.0, 8, 0, " 9999750", "09999750"},
                      StrCase{0.1 + 0.2, 5, 2, " 0.30", "00.30"},
                      StrCase{123456789012.0, 12, 0, "123456789012", "123456789012"}));

TEST(Str, NonPositiveWidthGivesEmptyText) { EXPECT_EQ(Str(5, 0), ""); }

struct ValCase {
  const char* text;
  double value;
};
class ValRule : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValRule, ReadsLeadingNumberAndStops) { EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(HandWorked, ValRule,
                         ::testing::Values(ValCase{"  2150", 2150}, ValCase{"-12.5abc", -12.5},
                                           ValCase{"+3", 3}, ValCase{"", 0}, ValCase{"   ", 0},
                                           ValCase{"abc", 0}, ValCase{"-", 0}, ValCase{".5", 0.5},
                                           ValCase{"1.2.3", 1.2}, ValCase{"12 34", 12},
                                           ValCase{" 7.3", 7.3}, ValCase{"1e5", 1}));

TEST(Descend, ComplementsEveryByteAndKeepsZero) {
  std::string in("\x01\x30\x41\xFF\x00", 5);
  std::string expected("\xFF\xD0\xBF\x01\x00", 5);
  EXPECT_EQ(Descend(in), expected);
}

TEST(Descend, ReversesTheOrderOfTexts) {
  EXPECT_LT(Descend("2100"), Descend("2050"));
  EXPECT_LT(Descend("B"), Descend("A"));
}

TEST(Upper, ChangesOnlyAsciiLetters) {
  // 0xF1 (n with tilde) and 0xE9 (e acute) stay as they are.
  EXPECT_EQ(Upper("p\xE9rez nu\xF1o {z}"), "P\xE9REZ NU\xF1O {Z}");
}

struct EqualsCase {
  const char* left;
  const char* right;
  bool equal;
};
class NonExactEquals : public ::testing::TestWithParam<EqualsCase> {};
TEST_P(NonExactEquals, ComparesOverTheRightLength) {
  EXPECT_EQ(TextEquals(GetParam().left, GetParam().right), GetParam().equal);
}
INSTANTIATE_TEST_SUITE_P(HandWorked, NonExactEquals,
                         ::testing::Values(EqualsCase{"ABC", "AB", true}, EqualsCase{"AB", "ABC", false},
                                           EqualsCase{"ABC", "", true}, EqualsCase{"", "", true},
                                           EqualsCase{"", "A", false}, EqualsCase{"ABC", "ABD", false},
                                           EqualsCase{"AB ", "AB", true}));

TEST(Contains, FindsNeedleInHaystack) {
  EXPECT_TRUE(Contains("B", "ABC"));
  EXPECT_TRUE(Contains("", "ABC"));
  EXPECT_FALSE(Contains("ABC", "B"));
  EXPECT_FALSE(Contains("d", "ABC"));
}

TEST(Trim, RemovesBlanksOnTheNamedSides) {
  EXPECT_EQ(RTrim("  a b  "), "  a b");
  EXPECT_EQ(LTrim("  a b  "), "a b  ");
  EXPECT_EQ(AllTrim("  a b  "), "a b");
  EXPECT_EQ(AllTrim("    "), "");
}

TEST(Dates, DtocWritesDayMonthFourDigitYear) {
  EXPECT_EQ(Dtoc(Date{2024, 3, 5}), "05-03-2024");
  EXPECT_EQ(Dtoc(Date{}), "  -  -    ");
}

struct CtodCase {
  const char* text;
  Date date;
};
class CtodRule : public ::testing::TestWithParam<CtodCase> {};
TEST_P(CtodRule, ReadsWithEpoch1950) { EXPECT_EQ(Ctod(GetParam().text), GetParam().date); }
INSTANTIATE_TEST_SUITE_P(
    HandWorked, CtodRule,
    ::testing::Values(CtodCase{"05-03-2024", {2024, 3, 5}}, CtodCase{"05-03-49", {2049, 3, 5}},
                      CtodCase{"05-03-50", {1950, 3, 5}}, CtodCase{"31-12-99", {1999, 12, 31}},
                      CtodCase{"29-02-2023", {}}, CtodCase{"29-02-2024", {2024, 2, 29}},
                      CtodCase{"29-02-1900", {}}, CtodCase{"29-02-2000", {2000, 2, 29}},
                      CtodCase{"  -  -    ", {}}, CtodCase{"", {}}, CtodCase{"32-01-2024", {}},
                      CtodCase{"01-13-2024", {}}, CtodCase{"ab-cd-efgh", {}}));

TEST(Dates, DtosAndStodRoundTrip) {
  EXPECT_EQ(Dtos(Date{1987, 11, 9}), "19871109");
  EXPECT_EQ(Dtos(Date{}), "        ");
  EXPECT_EQ(Stod("19871109"), (Date{1987, 11, 9}));
  EXPECT_EQ(Stod("        "), Date{});
  EXPECT_EQ(Stod("19870231"), Date{});
  EXPECT_EQ(Stod("1987110"), Date{});
}

}  // namespace
}  // namespace movarel::storage
