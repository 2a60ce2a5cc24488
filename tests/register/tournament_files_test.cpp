// Which files belong to a tournament, and which data a new tournament may not have.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/tournament_files.h"
#include "register/tournament_key.h"

namespace movarel::registry {
namespace {

struct FileCase {
  const char* name;
  const char* key;
  int rounds;
  std::vector<std::string> other_keys;
  bool belongs;
};

class TournamentFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(TournamentFileTest, OwnFilesAreTold) {
  const FileCase& c = GetParam();
  EXPECT_EQ(IsTournamentFile(c.name, c.key, c.rounds, c.other_keys), c.belongs) << c.name << " / " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TournamentFileTest,
    ::testing::Values(
        FileCase{"cuAB.dbf", "AB", 5, {}, true}, FileCase{"CUAB.DBF", "ab", 5, {}, true},
        FileCase{"cuAB.bak", "AB", 5, {}, true}, FileCase{"prAB.dbf", "AB", 5, {}, true},
        FileCase{"prAB.ntx", "AB", 5, {}, true}, FileCase{"prAB_c.ntx", "AB", 5, {}, true},
        FileCase{"dsAB.ntx", "AB", 5, {}, true}, FileCase{"r1AB.dbf", "AB", 5, {}, true},
        FileCase{"r15AB.dbf", "AB", 5, {}, true}, FileCase{"R99AB.DBF", "AB", 5, {}, true},
        // The neighbour whose key ends with this one.
        FileCase{"cuXAB.dbf", "AB", 5, {"XAB"}, false}, FileCase{"prXAB.dbf", "AB", 5, {"XAB"}, false},
        FileCase{"dsXAB.ntx", "AB", 5, {"XAB"}, false}, FileCase{"r1XAB.dbf", "AB", 5, {"XAB"}, false},
        FileCase{"prXAB_c.ntx", "AB", 5, {"XAB"}, false},
        // Not round names: a leading zero, three digits, no digits.
        FileCase{"r01AB.dbf", "AB", 5, {}, false}, FileCase{"r100AB.dbf", "AB", 5, {}, false},
        FileCase{"rAB.dbf", "AB", 5, {}, false}, FileCase{"torneos.dbf", "AB", 5, {}, false},
        FileCase{"cclas.dbf", "AB", 5, {}, false}, FileCase{"cuABC.dbf", "AB", 5, {}, false},
        // r11AB is round 1 of 1AB as well: AB takes it only when it has eleven rounds.
        FileCase{"r11AB.dbf", "AB", 9, {"1AB"}, false}, FileCase{"r11AB.dbf", "AB", 11, {"1AB"}, true},
        FileCase{"r11AB.dbf", "AB", 9, {}, true}, FileCase{"r11AB.dbf", "1AB", 5, {"AB"}, true}));

struct DataCase {
  const char* label;
  TournamentData data;
  std::vector<std::string> registered;
  size_t breaches;
  const char* first;  // the first breach, Windows-1252
};

TournamentData Data(const char* key, storage::Date from = {2024, 5, 10}, storage::Date to = {2024, 5, 12},
                    double players = 9, double rounds = 11) {
  TournamentData data;
  data.fichero = key;
  data.fecha_ini = from;
  data.fecha_fin = to;
  data.n_jugs = players;
  data.n_rondas = rounds;
  return data;
}

class NewTournamentDataTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(NewTournamentDataTest, BreachesAreListed) {
  const DataCase& c = GetParam();
  const std::vector<std::string> breaches = CheckNewTournament(c.data, c.registered, TournamentLimits{});
  ASSERT_EQ(breaches.size(), c.breaches) << c.label;
  if (c.breaches > 0) {
    EXPECT_EQ(breaches[0], c.first) << c.label;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewTournamentDataTest,
    ::testing::Values(
        DataCase{"plain", Data("AB"), {"CD"}, 0, ""},
        DataCase{"same dates", Data("AB", {2024, 5, 10}, {2024, 5, 10}), {}, 0, ""},
        DataCase{"fifteen rounds", Data("AB", {2024, 5, 10}, {2024, 5, 12}, 999, 15), {}, 0, ""},
        DataCase{"blank", Data("   "), {}, 1, "La clave (FICHERO) est\xE1 en blanco"},
        DataCase{"blank inside", Data("A B"), {}, 1, "La clave (FICHERO) no puede contener espacios"},
        DataCase{"wildcard", Data("A*B"), {}, 1, "La clave (FICHERO) no puede contener el car\xE1" "cter \"*\""},
        DataCase{"separator", Data("A/B"), {}, 1, "La clave (FICHERO) no puede contener el car\xE1" "cter \"/\""},
        DataCase{"dot", Data("A.B"), {}, 1, "La clave (FICHERO) no puede contener el car\xE1" "cter \".\""},
        DataCase{"leading digit", Data("1AB"), {}, 1,
                 "La clave (FICHERO) no puede empezar por una cifra: los ficheros de sus rondas se confundir\xED" "an "
                 "con los de otro torneo"},
        DataCase{"too long", Data("ABCDEFGHI"), {}, 1, "La clave (FICHERO) no puede tener m\xE1s de 8 caracteres"},
        DataCase{"registered, other case", Data("ab"), {"CD      ", "AB      "}, 1,
                 "Ya hay un torneo con la clave ab en el fichero de torneos"},
        DataCase{"end before start", Data("AB", {2024, 5, 10}, {2024, 5, 9}), {}, 1,
                 "La fecha de fin (FECHA_FIN) es anterior a la de inicio (FECHA_INI)"},
        DataCase{"sixteen rounds", Data("AB", {2024, 5, 10}, {2024, 5, 12}, 9, 16), {}, 1,
                 "N_RONDAS debe ser un n\xFAmero entero entre 0 y 15"},
        DataCase{"half a player", Data("AB", {2024, 5, 10}, {2024, 5, 12}, 8.5, 5), {}, 1,
                 "N_JUGS debe ser un n\xFAmero entero entre 0 y 999"},
        DataCase{"everything at once", Data("1 B", {2024, 5, 10}, {2024, 5, 1}, -1, 20), {}, 5,
                 "La clave (FICHERO) no puede contener espacios"}));

TEST(EditedTournamentDataTest, KeyCannotChangeButItsCaseAndBlanksMay) {
  EXPECT_TRUE(CheckEditedTournament(Data("op"), "OP      ", TournamentLimits{}).empty());
  // A DOS register may hold a key that a new tournament could not have; editing keeps it.
  EXPECT_TRUE(CheckEditedTournament(Data("1AB"), "1AB", TournamentLimits{}).empty());
  const std::vector<std::string> breaches = CheckEditedTournament(Data("OQ"), "OP      ", TournamentLimits{});
  ASSERT_EQ(breaches.size(), 1u);
  EXPECT_EQ(breaches[0], "La clave (FICHERO) no se puede cambiar: los ficheros del torneo llevan la clave OP");
}

}  // namespace
}  // namespace movarel::registry
