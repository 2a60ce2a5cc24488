#include "storage/key_expression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace movarel::storage {
namespace {

// A record made of field texts already in their stored form (the deletion flag first).
std::string Record(const RecordLayout& layout, const std::vector<std::string>& stored) {
  std::string record(static_cast<size_t>(layout.record_length()), ' ');
  for (size_t i = 0; i < stored.size(); ++i) {
    const FieldDef& f = layout.fields()[i];
    EXPECT_EQ(stored[i].size(), static_cast<size_t>(f.length)) << f.name;
    record.replace(static_cast<size_t>(layout.offset(static_cast<int>(i))), stored[i].size(), stored[i]);
  }
  return record;
}

std::string Pad(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

RecordLayout Cuadro() {
  return RecordLayout({{"NUM", 'N', 3, 0},
                       {"JUG", 'C', 30, 0},
                       {"ELO", 'N', 4, 0},
                       {"ELOFIDE", 'N', 4, 0},
                       {"ELOFEDA", 'N', 4, 0},
                       {"CAT", 'C', 3, 0},
                       {"PTOS", 'N', 4, 1},
                       {"FECHA_NAC", 'D', 8, 0},
                       {"PAGADO", 'L', 1, 0}});
}

std::string Player(const std::string& num, const std::string& jug, const std::string& elo,
                   const std::string& fide, const std::string& feda, const std::string& cat,
                   const std::string& ptos = " 0.0", const std::string& born = "19871109",
                   const std::string& paid = "T") {
  return Record(Cuadro(), {num, Pad(jug, 30), elo, fide, feda, cat, ptos, born, paid});
}

const char kSeeding[] =
    "descend(str(cuadro->elofide,4)+str(cuadro->elofeda,4)+str(cuadro->elo,4))+cuadro->cat+cuadro->jug";

struct SizeCase {
  const char* text;
  char type;
  int size;
  int decimals;
};
class KeySize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(KeySize, IsDerivedFromTheExpression) {
  Result<KeyExpression> e = KeyExpression::Compile(GetParam().text, "cuadro", Cuadro());
  ASSERT_TRUE(e.ok()) << e.status().message();
  EXPECT_EQ(e->type(), GetParam().type);
  EXPECT_EQ(e->size(), GetParam().size);
  EXPECT_EQ(e->decimals(), GetParam().decimals);
}

INSTANTIATE_TEST_SUITE_P(
    HandCounted, KeySize,
    ::testing::Values(SizeCase{kSeeding, 'C', 45, 0}, SizeCase{"cuadro->jug", 'C', 30, 0},
                      SizeCase{"upper(cuadro->jug)", 'C', 30, 0}, SizeCase{"str(cuadro->elo,4)", 'C', 4, 0},
                      SizeCase{"str(cuadro->ptos,4,1)", 'C', 4, 0}, SizeCase{"cuadro->num", 'N', 3, 0},
                      SizeCase{"cuadro->ptos", 'N', 4, 1}, SizeCase{"str(cuadro->elo)", 'C', 4, 0},
                      SizeCase{"strzero(10000000-cuadro->elo,8)", 'C', 8, 0},
                      SizeCase{"descend(cuadro->cat)", 'C', 3, 0}, SizeCase{"dtos(cuadro->fecha_nac)", 'C', 8, 0},
                      SizeCase{"cuadro->fecha_nac", 'D', 8, 0}, SizeCase{"cuadro->pagado", 'L', 1, 0},
                      SizeCase{"'A'+cuadro->cat+\"xy\"", 'C', 6, 0},
                      SizeCase{"descend(str(cuadro->ptos,4,1)+str(1000-cuadro->num,3))", 'C', 7, 0}));

struct KeyCase {
  const char* text;
  std::string record;
  std::string key;
};
class KeyBytes : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyBytes, MatchHandWorkedBytes) {
  Result<KeyExpression> e = KeyExpression::Compile(GetParam().text, "CUADRO", Cuadro());
  ASSERT_TRUE(e.ok()) << e.status().message();
  EXPECT_EQ(e->Evaluate(GetParam().record.data()), GetParam().key);
}

const std::string kAna = Player("  7", "Garc\xED" "a, ana", "1850", "2100", "   0", "SUB", " 3.5", "20010230", "f");

INSTANTIATE_TEST_SUITE_P(
    HandWorked, KeyBytes,
    ::testing::Values(
        KeyCase{"upper(cuadro->jug)", kAna, Pad("GARC\xED" "A, ANA", 30)},
        KeyCase{"Cuadro->CAT+cuadro->jug", kAna, "SUB" + Pad("Garc\xED" "a, ana", 30)},
        // "2100" complemented: '2'=0x32 -> 0xCE, '1'=0x31 -> 0xCF, '0'=0x30 -> 0xD0; blank 0x20 -> 0xE0.
        KeyCase{"descend(str(cuadro->elofide,4)+str(cuadro->elofeda,4))", kAna,
                "\xCE\xCF\xD0\xD0\xE0\xE0\xE0\xD0"},
        KeyCase{"str(cuadro->ptos,4,1)+str(1000-cuadro->num,3)", kAna, " 3.5993"},
        KeyCase{"strzero(10000000-cuadro->elo,8)", kAna, "09998150"},
        KeyCase{"cuadro->num", kAna, "007"},
        KeyCase{"cuadro->ptos", kAna, "03.5"},
        KeyCase{"cuadro->num - 10", Player("  7", "", "   0", "   0", "   0", "   "), "000000000)"},
        KeyCase{"cuadro->pagado", kAna, "F"},
        // An impossible stored date (30 February) reads as the empty date.
        KeyCase{"dtos(cuadro->fecha_nac)", kAna, "        "},
        KeyCase{"dtos(cuadro->fecha_nac)", Player("  1", "", "   0", "   0", "   0", "   ", " 0.0", "19871109"),
                "19871109"},
        // A numeric field holding garbage reads by the VAL rule.
        KeyCase{"str(cuadro->elo,4)", Player("  1", "", "12x4", "   0", "   0", "   "), "  12"}));

struct NumericCase {
  double value;
  int width;
  int decimals;
  std::string key;
};
class NumericKey : public ::testing::TestWithParam<NumericCase> {};
TEST_P(NumericKey, WritesBlanksAsZerosAndComplementsNegativeDigits) {
  EXPECT_EQ(EncodeNumericKey(GetParam().value, GetParam().width, GetParam().decimals), GetParam().key);
}
INSTANTIATE_TEST_SUITE_P(HandWorked, NumericKey,
                         ::testing::Values(NumericCase{250, 4, 0, "0250"}, NumericCase{0, 3, 0, "000"},
                                           NumericCase{-5, 4, 0, "000'"},  // 44 - 5 = 39 = '\''
                                           NumericCase{-15, 4, 0, "00+'"}, NumericCase{-100, 4, 0, "0+,,"},
                                           NumericCase{2.5, 5, 1, "002.5"}, NumericCase{-2.5, 5, 1, "00*.'"}));

TEST(NumericKey, SortsInNumericOrder) {
  std::vector<double> values = {-100, -15, -5, -0.5, 0, 0.5, 5, 15, 100, 999.9};
  std::vector<std::string> keys;
  for (double v : values) keys.push_back(EncodeNumericKey(v, 6, 1));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

TEST(SeedingKey, OrdersByRatingsDescendingThenCategoryAndNameAscending) {
  Result<KeyExpression> e = KeyExpression::Compile(kSeeding, "cuadro", Cuadro());
  ASSERT_TRUE(e.ok()) << e.status().message();
  // Expected order worked out by hand: FIDE rating descending; equal ratings by category,
  // then by name.
  std::vector<std::string> expected_order = {"Zeta", "Beta", "Alfa", "Gamma", "Delta", "Unrated"};
  std::vector<std::string> records = {
      Player("  1", "Unrated", "   0", "   0", "   0", "   "),
      Player("  2", "Alfa", "2000", "2100", "2050", "SUB"),
      Player("  3", "Delta", "1500", "1500", "   0", "   "),
      Player("  4", "Beta", "2000", "2100", "2050", "ABS"),
      Player("  5", "Zeta", "2000", "2200", "   0", "VET"),
      Player("  6", "Gamma", "2000", "2100", "2049", "ABS"),
  };
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const std::string& r : records) {
    keyed.emplace_back(e->Evaluate(r.data()), std::string(RTrim(r.substr(4, 30))));
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string> order;
  for (const auto& k : keyed) order.push_back(k.second);
  EXPECT_EQ(order, expected_order);
}

TEST(EvaluateValue, GivesTheTypedValue) {
  RecordLayout layout = Cuadro();
  auto value = [&](const char* text) {
    Result<KeyExpression> e = KeyExpression::Compile(text, "cuadro", layout);
    EXPECT_TRUE(e.ok()) << e.status().message();
    return e->EvaluateValue(kAna.data());
  };
  EXPECT_EQ(std::get<double>(value("cuadro->ptos + 1")), 4.5);
  EXPECT_EQ(std::get<std::string>(value("cuadro->cat")), "SUB");
  EXPECT_EQ(std::get<bool>(value("cuadro->pagado")), false);
  EXPECT_EQ(std::get<Date>(value("cuadro->fecha_nac")), Date{});
}

TEST(EncodeSearch, LeavesTextUnpaddedAndEncodesNumbersLikeKeys) {
  Result<KeyExpression> text = KeyExpression::Compile("cuadro->jug", "cuadro", Cuadro());
  Result<KeyExpression> number = KeyExpression::Compile("cuadro->num", "cuadro", Cuadro());
  ASSERT_TRUE(text.ok() && number.ok());
  EXPECT_EQ(text->EncodeSearch(std::string("GAR")), "GAR");
  EXPECT_EQ(number->EncodeSearch(7.0), "007");
}

struct BadCase {
  const char* text;
  const char* quoted_word;
};
class BadExpression : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadExpression, IsAnInvalidArgumentQuotingTheText) {
  Result<KeyExpression> e = KeyExpression::Compile(GetParam().text, "cuadro", Cuadro());
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.status().code(), Status::Code::kInvalidArgument);
  EXPECT_NE(e.status().message().find(std::string("\"") + GetParam().text + "\""), std::string::npos)
      << e.status().message();
  EXPECT_NE(e.status().message().find(GetParam().quoted_word), std::string::npos) << e.status().message();
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadExpression,
    ::testing::Values(BadCase{"soundex(cuadro->jug)", "soundex"}, BadCase{"cuadro->nombre", "nombre"},
                      BadCase{"premios->orden", "premios"}, BadCase{"str(cuadro->jug,4)", "str"},
                      BadCase{"upper(cuadro->elo)", "upper"}, BadCase{"cuadro->jug+cuadro->elo", "sumar"},
                      BadCase{"cuadro->jug-cuadro->cat", "restar"}, BadCase{"str(cuadro->elo,4", ")"},
                      BadCase{"cuadro->jug)", ")"}, BadCase{"'abc", "comillas"},
                      BadCase{"str(cuadro->elo,cuadro->num)", "constante"}, BadCase{"", "operando"},
                      BadCase{"cuadro->jug+cuadro->jug+cuadro->jug+cuadro->jug+cuadro->jug+cuadro->jug+"
                              "cuadro->jug+cuadro->jug+cuadro->jug",
                              "270"},
                      BadCase{"cuadro->", "campo"}, BadCase{"#", "#"}, BadCase{"strzero(cuadro->elo)", "longitud"}));

// A foreign index may carry any key text: nesting deep enough to exhaust the stack is refused.
TEST(BadExpression, DeepNestingIsRefusedNotFollowed) {
  for (const std::string& text : {std::string(100000, '-') + "cuadro->elo",
                                  std::string(100000, '(') + "cuadro->elo" + std::string(100000, ')'),
                                  std::string(70, '-') + "cuadro->elo"}) {
    Result<KeyExpression> e = KeyExpression::Compile(text, "cuadro", Cuadro());
    ASSERT_FALSE(e.ok());
    EXPECT_NE(e.status().message().find("anidada"), std::string::npos);
  }
  EXPECT_TRUE(KeyExpression::Compile(std::string(20, '-') + "cuadro->elo", "cuadro", Cuadro()).ok());
}

}  // namespace
}  // namespace movarel::storage
