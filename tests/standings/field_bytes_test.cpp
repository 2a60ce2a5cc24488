// The shortcut formatting of quarter-point values must give exactly the bytes the table
// layer's STR writes, or the standings would rewrite unchanged fields (or skip changed ones).

#include "standings/field_bytes.h"

#include <gtest/gtest.h>

#include <random>

#include "storage/value.h"

namespace movarel::standings {
namespace {

std::string TableBytes(const storage::FieldDef& field, double value) {
  std::string text = storage::Str(value, field.length, field.decimals);
  if (static_cast<int>(text.size()) != field.length) text = std::string(field.length, '*');
  return text;
}

TEST(NumericFieldBytes, AgreesWithTheTableLayerOnEveryComputedFieldShape) {
  const storage::FieldDef shapes[] = {
      {"PTOS", 'N', 4, 1}, {"BUC_T", 'N', 6, 1}, {"N_VIC", 'N', 2, 0}, {"PUESTO", 'N', 3, 0}, {"P", 'N', 4, 2}};
  std::mt19937 random(7);
  std::uniform_real_distribution<double> any(-2000, 2000);
  for (const storage::FieldDef& field : shapes) {
    // Every quarter and twentieth from -150 to 1200 (points, Buchholz, Sonneborn-Berger, and
    // values too wide for the field), then arbitrary averages and rating changes.
    for (int i = -600; i <= 4800; ++i) {
      const double quarter = i / 4.0;
      ASSERT_EQ(NumericFieldBytes(field, quarter), TableBytes(field, quarter)) << field.name << " " << quarter;
      const double twentieth = i / 20.0;
      ASSERT_EQ(NumericFieldBytes(field, twentieth), TableBytes(field, twentieth)) << field.name << " " << twentieth;
    }
    for (int i = 0; i < 2000; ++i) {
      const double value = any(random);
      ASSERT_EQ(NumericFieldBytes(field, value), TableBytes(field, value)) << field.name << " " << value;
    }
  }
  EXPECT_EQ(NumericFieldBytes(shapes[1], -0.0), "   0.0");
  EXPECT_EQ(NumericFieldBytes(shapes[1], 0.75), "   0.8");
  EXPECT_EQ(NumericFieldBytes(shapes[1], -0.25), "  -0.3");
  EXPECT_EQ(NumericFieldBytes(shapes[0], 100), "****");
}

}  // namespace
}  // namespace movarel::standings
