// Field bytes: numbers are written and read through a direct path for the plain cases, which
// must give exactly what STR and VAL give; dates and logicals in their stored forms.

#include <gtest/gtest.h>

#include <string>

#include "storage/field.h"

namespace movarel::storage {
namespace {

std::string Encode(const FieldDef& field, const Value& value) {
  std::string bytes(field.length, '?');
  Status s = EncodeField(field, value, bytes.data());
  return s.ok() ? bytes : "error: " + s.message();
}

struct NumberCase {
  double value;
  int length;
  int decimals;
  const char* bytes;  // worked by hand
};

class NumberField : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberField, IsWrittenAsStrWritesItAndReadBack) {
  const NumberCase& c = GetParam();
  FieldDef field{"N", 'N', c.length, c.decimals};
  EXPECT_EQ(Encode(field, c.value), c.bytes);
  EXPECT_EQ(Encode(field, c.value), Str(c.value, c.length, c.decimals));
  Value read = DecodeField(field, c.bytes);
  EXPECT_EQ(std::get<double>(read), Val(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(HandWorked, NumberField,
                         ::testing::Values(NumberCase{1500, 4, 0, "1500"}, NumberCase{7, 3, 0, "  7"},
                                           NumberCase{0, 3, 0, "  0"}, NumberCase{2.5, 4, 1, " 2.5"},
                                           NumberCase{0.5, 4, 1, " 0.5"}, NumberCase{-2.5, 6, 1, "  -2.5"},
                                           NumberCase{-0.5, 4, 1, "-0.5"}, NumberCase{-12.25, 6, 1, " -12.3"},
                                           NumberCase{7.25, 4, 1, " 7.3"}, NumberCase{0.1, 6, 1, "   0.1"},
                                           NumberCase{3.3, 6, 2, "  3.30"}, NumberCase{12345, 4, 0, "****"},
                                           NumberCase{-100, 3, 0, "***"}, NumberCase{99.96, 4, 1, "****"},
                                           NumberCase{-0.04, 4, 1, " 0.0"}, NumberCase{1e20, 6, 0, "******"},
                                           NumberCase{9999999, 8, 0, " 9999999"}));

TEST(Field, NumbersReadLikeValWhateverTheBytes) {
  for (const char* bytes : {"    ", "  12", " -3.", "1.25", "-.5 ", "1x2 ", "abcd", " + 4", "1e3 ", "-   ", "12.3.4"}) {
    FieldDef field{"N", 'N', static_cast<int>(std::string(bytes).size()), 0};
    EXPECT_EQ(std::get<double>(DecodeField(field, bytes)), Val(bytes)) << '"' << bytes << '"';
  }
}

TEST(Field, DatesAndLogicalsUseTheirStoredForms) {
  FieldDef date{"D", 'D', 8, 0};
  EXPECT_EQ(Encode(date, Date{2004, 3, 5}), "20040305");
  EXPECT_EQ(Encode(date, Date{}), "        ");
  EXPECT_EQ(std::get<Date>(DecodeField(date, "20040230")), Date{});  // no such day
  EXPECT_EQ(std::get<Date>(DecodeField(date, "2004 3 5")), Date{});
  FieldDef logical{"L", 'L', 1, 0};
  EXPECT_EQ(Encode(logical, true), "T");
  EXPECT_EQ(Encode(logical, false), "F");
  for (char c : std::string("TtYy")) EXPECT_TRUE(std::get<bool>(DecodeField(logical, &c)));
  for (char c : std::string("FfNn ?")) EXPECT_FALSE(std::get<bool>(DecodeField(logical, &c)));
  FieldDef text{"C", 'C', 4, 0};
  EXPECT_EQ(Encode(text, std::string("\xD1" "u")), "\xD1u  ");
  EXPECT_EQ(Encode(text, std::string("ABCDEF")), "ABCD");
}

TEST(Field, LayoutFindsNamesWithoutRegardToCase) {
  RecordLayout layout({{"NUM", 'N', 3, 0}, {"JUG", 'C', 30, 0}, {"R10J", 'N', 3, 0}, {"AUTONOMIA", 'C', 3, 0}});
  EXPECT_EQ(layout.record_length(), 40);
  EXPECT_EQ(layout.Find("jug"), 1);
  EXPECT_EQ(layout.offset(1), 4);
  EXPECT_EQ(layout.Find("r10j"), 2);
  EXPECT_EQ(layout.Find("R1J"), -1);
  EXPECT_EQ(layout.Find("Autonomia"), 3);
  EXPECT_EQ(layout.Find("AUTONOMIAS"), -1);
  EXPECT_EQ(layout.Find(""), -1);
}

}  // namespace
}  // namespace movarel::storage
