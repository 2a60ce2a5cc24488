#include "register/table_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "register/working_state.h"
#include "storage/field.h"
#include "test_support.h"

namespace movarel::registry {
namespace {

using storage::FieldDef;

std::string Describe(const FieldDef& f) {
  return f.name + " " + f.type + " " + std::to_string(f.length) + " " + std::to_string(f.decimals);
}

// The DOS program's tables, read by python3-dbf: every field it has keeps its type and width in
// our layout, so values pass between the programs unchanged.
struct DosTable {
  const char* file;
  std::vector<FieldDef> (*layout)();
};

class DosFieldsKeepTheirWidths : public ::testing::TestWithParam<DosTable> {};

TEST_P(DosFieldsKeepTheirWidths, InOurLayout) {
  const std::string fixture = std::string(MOVAREL_FIXTURES_DIR) + "/dos-old-format/" + GetParam().file;
  std::string raw;
  const auto dumped = testing::DumpTables({fixture}, &raw);
  ASSERT_EQ(dumped.count(GetParam().file), 1u) << raw;
  const auto& dos_fields = dumped.at(GetParam().file).fields;
  ASSERT_FALSE(dos_fields.empty());

  std::map<std::string, std::string> ours;
  for (const FieldDef& f : GetParam().layout()) ours[f.name] = Describe(f);
  for (const std::string& dos : dos_fields) {
    const std::string name = dos.substr(0, dos.find(' '));
    ASSERT_EQ(ours.count(name), 1u) << name << " is missing";
    EXPECT_EQ(ours[name], dos);
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DosFieldsKeepTheirWidths,
                         ::testing::Values(DosTable{"CUOP.DBF", &CuadroFields},
                                           DosTable{"R1OP.DBF", &RondaFields},
                                           DosTable{"TORNEOS.DBF", &TorneosFields},
                                           DosTable{"CCLAS.DBF", &CclasFields}));

struct NamedLayout {
  const char* name;
  std::vector<FieldDef> (*layout)();
};

class EveryLayout : public ::testing::TestWithParam<NamedLayout> {};

TEST_P(EveryLayout, IsAValidDbaseThreeStructure) {
  const std::vector<FieldDef> fields = GetParam().layout();
  EXPECT_TRUE(storage::ValidateFields(fields).ok());
  EXPECT_LE(fields.size(), 128u);  // dBase III's limit
  std::set<std::string> names;
  for (const FieldDef& f : fields) {
    EXPECT_LE(f.name.size(), 10u) << f.name;
    EXPECT_TRUE(names.insert(f.name).second) << f.name << " twice";
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, EveryLayout,
    ::testing::Values(NamedLayout{"torneos", &TorneosFields}, NamedLayout{"cuadro", &CuadroFields},
                      NamedLayout{"ronda", &RondaFields}, NamedLayout{"premios", &PremiosFields},
                      NamedLayout{"desemps", &DesempsFields}, NamedLayout{"cats", &CatsFields},
                      NamedLayout{"cclas", &CclasFields}, NamedLayout{"basejugs", &BasejugsFields},
                      NamedLayout{"t14", &T14Fields}, NamedLayout{"zdfide", &ZdFideFields},
                      NamedLayout{"zdfeda", &ZdFedaFields}, NamedLayout{"zdfva", &ZdFvaFields},
                      NamedLayout{"zdfvanue", &ZdFvaNueFields}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CuadroLayoutTest, RoundGroupsFollowSexoAndTheNewFieldsComeLast) {
  const std::vector<FieldDef> fields = CuadroFields();
  std::vector<std::string> names;
  for (const FieldDef& f : fields) names.push_back(f.name);
  const auto at = [&](const std::string& name) {
    return std::find(names.begin(), names.end(), name) - names.begin();
  };
  EXPECT_EQ(at("R1J"), at("SEXO") + 1);
  EXPECT_EQ(at("R10J"), at("R9F") + 1);
  EXPECT_EQ(at("ACUM"), at("R15F") + 1);
  const std::vector<std::string> tail = {"N_VIC", "PREMIOS", "ACU_7", "ACU_8", "ACU_9", "BUC_B"};
  EXPECT_EQ(std::vector<std::string>(names.end() - 6, names.end()), tail);
  EXPECT_EQ(Describe(fields[at("R12J")]), "R12J N 3 0");
  EXPECT_EQ(Describe(fields[at("R12P")]), "R12P C 1 0");
  EXPECT_EQ(Describe(fields[at("BUC_B")]), "BUC_B N 6 1");
  EXPECT_EQ(Describe(fields[at("FECHA_NAC")]), "FECHA_NAC D 8 0");
}

TEST(CuadroLayoutTest, EveryTieBreakSystemIsAFieldOfThePlayerTable) {
  const std::vector<FieldDef> fields = CuadroFields();
  for (std::string_view system : kTieBreakFields) {
    const auto it =
        std::find_if(fields.begin(), fields.end(), [&](const FieldDef& f) { return f.name == system; });
    ASSERT_NE(it, fields.end()) << system;
    EXPECT_EQ(it->type, 'N');
  }
}

// Every field the federation exchange files assign exists in its template.
TEST(ExchangeLayoutTest, HoldEveryFieldTheExchangeFilesWrite) {
  const auto has = [](const std::vector<FieldDef>& fields, const std::vector<std::string>& wanted) {
    for (const std::string& name : wanted) {
      EXPECT_TRUE(std::any_of(fields.begin(), fields.end(), [&](const FieldDef& f) {
        return f.name == name;
      })) << name;
    }
  };
  has(ZdFideFields(), {"ID_CODE", "NAME", "SEX", "COUNTRY", "BIRTHDATE", "W", "N", "RC", "N_RANKING"});
  has(ZdFedaFields(), {"ID_CODE", "NAME", "SEX", "AUTONOMIA", "BIRTHDATE", "W", "N", "RC", "N_RANKING"});
  has(ZdFvaFields(),
      {"TORNEO", "LOCALIDAD", "FECHA_INI", "FECHA_FIN", "LICENCIA", "PUNTOS", "PARTIDAS", "ELORIVALES"});
  has(ZdFvaNueFields(), {"LICENCIA", "PUNTOS", "PARTIDAS", "ELORIVALES", "JUG", "ELOFIDE", "ELOFEDA", "ELO",
                         "CLUB", "CAT", "COD_PAIS", "COD_FIDE", "COD_FEDA", "FECHA_NAC"});
  // The rating bodies' report widths.
  const std::vector<FieldDef> fide = ZdFideFields();
  EXPECT_EQ(Describe(fide[0]), "ID_CODE C 8 0");
  EXPECT_EQ(Describe(fide[1]), "NAME C 32 0");
  EXPECT_EQ(Describe(fide[5]), "W N 4 1");
}

TEST(ArdosTest, HoldsTheNineBoardResultsWithTheWindowsHalfSign) {
  ASSERT_EQ(WorkingState::ARDOS.size(), 9u);
  for (std::string_view code : WorkingState::ARDOS) EXPECT_EQ(code.size(), 5u);
  EXPECT_EQ(WorkingState::ARDOS[1], std::string_view(" \xBD-\xBD "));
  EXPECT_EQ(WorkingState::ARDOS[6], std::string_view("i\xBD-\xBDi"));
  EXPECT_EQ(WorkingState::ARDOS[8], std::string_view("     "));
}

}  // namespace
}  // namespace movarel::registry
