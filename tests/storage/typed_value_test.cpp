// Text typed for a field, read by the field's rules: what each field takes and what it
// refuses instead of storing VAL's or CTOD's reading of it.

#include "storage/typed_value.h"

#include <gtest/gtest.h>

namespace movarel::storage {
namespace {

struct Typed {
  FieldDef field;
  const char* text;
  Value value;           // when taken
  const char* refusal;   // part of the message when refused, else nullptr
};

class TypedValueTest : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedValueTest, TakesWhatTheFieldHoldsAndRefusesTheRest) {
  const Typed& c = GetParam();
  const Result<Value> read = ReadTypedValue(c.field, c.text);
  if (c.refusal == nullptr) {
    ASSERT_TRUE(read.ok()) << read.status().message();
    EXPECT_EQ(read.value(), c.value);
  } else {
    ASSERT_FALSE(read.ok()) << c.text;
    EXPECT_EQ(read.status().code(), Status::Code::kInvalidArgument);
    EXPECT_NE(read.status().message().find(c.refusal), std::string::npos) << read.status().message();
  }
}

const FieldDef kRating{"ELOFIDE", 'N', 4, 0};
const FieldDef kPoints{"PTOS", 'N', 4, 1};
const FieldDef kBirth{"FECHA_NAC", 'D', 8, 0};
const FieldDef kWithdrawn{"BAJA", 'L', 1, 0};
const FieldDef kCategory{"CAT", 'C', 1, 0};

// The refusals the player grid meets ("1.850", "12345", "31-02-2024" ...) are checked
// through the program in tests/rounds; these are the rest of the rules.
INSTANTIATE_TEST_SUITE_P(
    Fields, TypedValueTest,
    ::testing::Values(
        Typed{kRating, " 2150 ", 2150.0, nullptr}, Typed{kRating, "", 0.0, nullptr},
        Typed{kRating, "9999", 9999.0, nullptr}, Typed{kRating, "-5", {}, "no es un n\xFAmero"},
        Typed{kPoints, "2,5", 2.5, nullptr}, Typed{kPoints, "99.9", 99.9, nullptr},
        Typed{kPoints, "2.55", {}, "m\xE1s decimales"}, Typed{kPoints, "100", {}, "el m\xE1ximo es 99.9"},
        Typed{kPoints, "1,2,3", {}, "no es un n\xFAmero"},
        Typed{kBirth, "15/06/90", Date{1990, 6, 15}, nullptr}, Typed{kBirth, "  ", Date{}, nullptr},
        Typed{kBirth, "29-02-2024", Date{2024, 2, 29}, nullptr}, Typed{kBirth, "29-02-2023", {}, "no es una fecha"},
        Typed{kWithdrawn, "no", false, nullptr}, Typed{kWithdrawn, "", false, nullptr},
        Typed{kCategory, "A  ", std::string("A"), nullptr},
        Typed{FieldDef{"JUG", 'C', 30, 0}, "A\tB", {}, "caracteres de control"}));

}  // namespace
}  // namespace movarel::storage
