// Runs the real program as an installer would (movarel --make-templates DIR) and checks the
// folder it writes with python3-dbf and by reading the index bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "test_support.h"

namespace movarel::registry {
namespace {

using testing::DumpedTable;
using testing::RunCommand;
using testing::ScratchFolder;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t U16(const std::string& b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::vector<std::string> FieldNames(const DumpedTable& table) {
  std::vector<std::string> names;
  for (const std::string& f : table.fields) names.push_back(f.substr(0, f.find(' ')));
  return names;
}

class MakeTemplatesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    zd_ = folder_->file("inst/zd");  // the folder does not exist yet
    const auto run = RunCommand(std::string("'") + MOVAREL_BINARY + "' --make-templates '" + zd_ + "' 2>&1");
    status_ = run.status;
    output_ = run.output;
    std::vector<std::string> paths;
    for (const char* f :
         {"torneos.mod", "cuadrow.mod", "ronda.mod", "premios.mod", "desempsw.mod", "basejugs.mod",
          "ZdFIDE.mod", "ZdFEDA.mod", "ZdFVA.mod", "ZdFVANue.mod", "t14.dbf", "cclas.dbf"}) {
      paths.push_back(zd_ + "/" + f);
    }
    tables_ = testing::DumpTables(paths, &dump_output_);
  }
  static void TearDownTestSuite() { delete folder_; }

  const DumpedTable& Table(const std::string& name) {
    static const DumpedTable kNone;
    const auto it = tables_.find(name);
    EXPECT_NE(it, tables_.end()) << name << " not read by python3-dbf:\n" << dump_output_;
    return it == tables_.end() ? kNone : it->second;
  }

  static ScratchFolder* folder_;
  static std::string zd_;
  static int status_;
  static std::string output_;
  static std::map<std::string, DumpedTable> tables_;
  static std::string dump_output_;
};

ScratchFolder* MakeTemplatesTest::folder_ = nullptr;
std::string MakeTemplatesTest::zd_;
int MakeTemplatesTest::status_ = -1;
std::string MakeTemplatesTest::output_;
std::map<std::string, DumpedTable> MakeTemplatesTest::tables_;
std::string MakeTemplatesTest::dump_output_;

TEST_F(MakeTemplatesTest, ProgramSucceedsAndWritesEveryFile) {
  ASSERT_EQ(status_, 0) << output_;
  for (const char* f : {"torneos.mod", "cuadrow.mod", "ronda.mod", "premios.mod", "desempsw.mod",
                        "basejugs.mod", "ZdFIDE.mod", "ZdFEDA.mod", "ZdFVA.mod", "ZdFVANue.mod", "t14.dbf",
                        "t14d.ntx", "cclas.dbf", "Ayuda_Premios.html"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(zd_ + "/" + f)) << f;
  }
  // Nothing else: no temporary file left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(zd_), std::filesystem::directory_iterator()),
            14);
}

struct EmptyTemplate {
  const char* file;
  size_t field_count;
  std::vector<std::string> some_fields;  // "NAME T length decimals"
};

TEST_F(MakeTemplatesTest, StructureTemplatesOpenInAnIndependentReaderWithoutRecords) {
  const EmptyTemplate expected[] = {
      {"torneos.mod", 13, {"FICHERO C 8 0", "N_R_ACTUAL N 2 0", "ARBIT_AUX C 30 0"}},
      {"cuadrow.mod",
       111,
       {"NUM N 3 0", "JUG C 30 0", "PTOS N 4 1", "SEXO C 1 0", "R10J N 3 0", "R15F C 1 0", "PREMIOS C 15 0",
        "BUC_B N 6 1"}},
      {"ronda.mod", 3, {"JUG_B N 3 0", "JUG_N N 3 0", "RDO C 5 0"}},
      {"premios.mod",
       10,
       {"PREMIO C 30 0", "ORDEN C 2 0", "ID_CATEGOR C 1 0", "CANTIDAD N 8 0", "ACUMULABLE L 1 0",
        "JUGADOR C 30 0", "PREMIOS C 15 0"}},
      {"basejugs.mod", 12, {"JUG C 30 0", "COD_FIDE C 8 0", "FECHA_NAC D 8 0"}},
      {"ZdFIDE.mod",
       9,
       {"ID_CODE C 8 0", "NAME C 32 0", "SEX C 1 0", "COUNTRY C 3 0", "BIRTHDATE D 8 0", "W N 4 1", "N N 2 0",
        "RC N 4 0", "N_RANKING N 3 0"}},
      {"ZdFEDA.mod", 9, {"ID_CODE C 8 0", "AUTONOMIA C 3 0", "W N 4 1"}},
      {"ZdFVA.mod",
       8,
       {"TORNEO C 40 0", "LICENCIA C 6 0", "PUNTOS N 4 1", "PARTIDAS N 2 0", "ELORIVALES N 4 0"}},
      {"ZdFVANue.mod", 18, {"LICENCIA C 6 0", "JUG C 30 0", "COD_FEDA C 8 0", "FECHA_NAC D 8 0"}},
  };
  for (const EmptyTemplate& t : expected) {
    SCOPED_TRACE(t.file);
    const DumpedTable& table = Table(t.file);
    EXPECT_EQ(table.fields.size(), t.field_count);
    EXPECT_TRUE(table.records.empty());
    for (const std::string& field : t.some_fields) {
      EXPECT_NE(std::find(table.fields.begin(), table.fields.end(), field), table.fields.end()) << field;
    }
  }
}

TEST_F(MakeTemplatesTest, TieBreakTemplateOffersEveryComputedFieldWithThreeInUse) {
  const DumpedTable& table = Table("desempsw.mod");
  EXPECT_EQ(FieldNames(table), (std::vector<std::string>{"ORDEN", "SISTEMA"}));
  const std::vector<std::vector<std::string>> expected = {
      {"99", "ACUM"},  {"99", "ACU_1"}, {"99", "ACU_2"}, {"99", "ACU_3"}, {"99", "ACU_4"}, {"99", "ACU_5"},
      {"99", "ACU_6"}, {"99", "ACU_7"}, {"99", "ACU_8"}, {"99", "ACU_9"}, {"02", "BUC_T"}, {"01", "BUC_R"},
      {"99", "BUC_B"}, {"03", "SONEN"}, {"99", "ELO_M"}, {"99", "N_VIC"}};
  EXPECT_EQ(table.records, expected);
}

TEST_F(MakeTemplatesTest, StandingsColumnTableHasSixteenColumnsInListingOrder) {
  const DumpedTable& table = Table("cclas.dbf");
  EXPECT_EQ(table.fields, (std::vector<std::string>{"SN L 1 0", "DATO C 25 0", "CAMPO C 1 0"}));
  ASSERT_EQ(table.records.size(), 16u);
  EXPECT_EQ(table.records[0],
            (std::vector<std::string>{"T", "N\xC3\xBAmero", ""}));  // Número, read as cp1252
  EXPECT_EQ(table.records[5][2], "j");                              // record 6: the opponent
  EXPECT_EQ(table.records[7][2], "p");                              // record 8: the points
  EXPECT_EQ(table.records[15][1], "Variaci\xC3\xB3n Elo");
  for (int r = 5; r < 10; ++r) EXPECT_FALSE(table.records[r][2].empty()) << "per-round record " << r + 1;
}

TEST_F(MakeTemplatesTest, RatingDifferenceTableFollowsTheFideConversionTable) {
  const DumpedTable& table = Table("t14.dbf");
  EXPECT_EQ(table.fields, (std::vector<std::string>{"DIF N 4 0", "P N 4 2"}));
  ASSERT_GE(table.records.size(), 2u);
  double previous_dif = -1, previous_p = 0.5;
  for (const auto& record : table.records) {
    const double dif = std::stod(record[0]);
    const double p = std::stod(record[1]);
    EXPECT_GT(dif, previous_dif);
    EXPECT_GE(p, previous_p);
    EXPECT_LE(p - previous_p, 0.0100001);  // the classes step by one hundredth
    previous_dif = dif;
    previous_p = p;
  }
  EXPECT_EQ(table.records.front(), (std::vector<std::string>{"3", "0.5"}));
  EXPECT_EQ(table.records.back()[1], "1");
  // Class ends from the published table.
  const std::map<std::string, std::string> known = {{"10", "0.51"},  {"25", "0.53"},  {"61", "0.58"},
                                                    {"153", "0.7"},  {"391", "0.91"}, {"411", "0.92"},
                                                    {"456", "0.94"}, {"735", "0.99"}};
  for (const auto& [dif, p] : known) {
    const auto it = std::find_if(table.records.begin(), table.records.end(),
                                 [&](const auto& record) { return record[0] == dif; });
    ASSERT_NE(it, table.records.end()) << dif;
    EXPECT_EQ((*it)[1], p) << dif;
  }
}

// The index as other xBase programs read it: header fields, then the one leaf page's offset
// table and items (child, record number, key) in ascending key order.
TEST_F(MakeTemplatesTest, RatingDifferenceIndexIsAClipperIndexOnTheDifference) {
  const std::string ntx = ReadBytes(zd_ + "/t14d.ntx");
  ASSERT_GE(ntx.size(), 2048u);
  EXPECT_EQ(ntx.size() % 1024, 0u);
  EXPECT_EQ(U16(ntx, 0), 6u);
  EXPECT_EQ(ntx.substr(22, 9), std::string("t14->dif\0", 9));
  const uint32_t key_size = U16(ntx, 14);
  EXPECT_EQ(key_size, 4u);
  EXPECT_EQ(U16(ntx, 12), key_size + 8);

  const uint32_t root = U32(ntx, 4);
  ASSERT_LE(root + 1024, ntx.size());
  const uint32_t count = U16(ntx, root);
  const size_t rows = Table("t14.dbf").records.size();
  ASSERT_EQ(count, rows);
  std::string previous;
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t item = root + U16(ntx, root + 2 + 2 * i);
    EXPECT_EQ(U32(ntx, item), 0u);  // a leaf
    EXPECT_EQ(U32(ntx, item + 4), i + 1);
    const std::string key = ntx.substr(item + 8, key_size);
    EXPECT_GT(key, previous);
    previous = key;
  }
  // Numbers are keyed as their text with the leading blanks written as "0".
  EXPECT_EQ(ntx.substr(root + U16(ntx, root + 2) + 8, 4), "0003");
  EXPECT_EQ(previous, "9999");
}

TEST_F(MakeTemplatesTest, PrizeHelpPageIsSpanishInWindows1252) {
  const std::string page = ReadBytes(zd_ + "/Ayuda_Premios.html");
  EXPECT_NE(page.find("charset=windows-1252"), std::string::npos);
  EXPECT_NE(page.find("Ayuda sobre los premios"), std::string::npos);
  EXPECT_NE(page.find("C\xF3mo se reparten"), std::string::npos);  // ó as one byte
  EXPECT_NE(page.find("Desierto"), std::string::npos);
  EXPECT_NE(page.find("acumulable"), std::string::npos);
  EXPECT_EQ(page.find("\xC3"), std::string::npos);  // no UTF-8 sequence slipped through
  EXPECT_NE(page.find("</html>\r\n"), std::string::npos);
  for (size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1)) {
    ASSERT_GT(at, 0u);
    EXPECT_EQ(page[at - 1], '\r');
  }
}

TEST(MakeTemplatesProgramTest, FolderThatCannotBeMadeFailsWithAMessage) {
  ScratchFolder folder;
  std::ofstream(folder.file("fichero")) << "x";
  const auto run = RunCommand(std::string("'") + MOVAREL_BINARY + "' --make-templates '" +
                              folder.file("fichero/zd") + "' 2>&1");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("plantillas"), std::string::npos) << run.output;
}

TEST(MakeTemplatesProgramTest, MissingFolderArgumentIsAUsageError) {
  const auto run = RunCommand(std::string("'") + MOVAREL_BINARY + "' --make-templates 2>&1");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("--make-templates"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace movarel::registry
