// Tables written here are read by Debian's python3-dbf, tables it writes are read here, and
// the DOS program's own files open with the values checked by hand and with python3-dbf.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::RunPython;
using testing::ScratchFolder;

TEST(DbfInterop, TableWrittenHereReadsTheSameInPythonDbf) {
  ScratchFolder folder;
  ASSERT_TRUE(CreateTable(folder.file("jugs.dbf"), {{"NUM", 'N', 3, 0},
                                                    {"JUG", 'C', 20, 0},
                                                    {"FECHA_NAC", 'D', 8, 0},
                                                    {"BAJA", 'L', 1, 0},
                                                    {"PTOS", 'N', 5, 1},
                                                    {"VAR_ELO", 'N', 6, 1}})
                  .ok());
  {
    Workspace ws;
    Table* t = *ws.Use(folder.file("jugs"), "cuadro", false);
    ASSERT_TRUE(t->Append().ok());
    ASSERT_TRUE(t->Put("NUM", 1.0).ok());
    ASSERT_TRUE(t->Put("JUG", std::string("MU\xD1OZ, PEDRO")).ok());  // Windows-1252 Ñ
    ASSERT_TRUE(t->Put("FECHA_NAC", Date{1987, 11, 30}).ok());
    ASSERT_TRUE(t->Put("BAJA", true).ok());
    ASSERT_TRUE(t->Put("PTOS", 2.5).ok());
    ASSERT_TRUE(t->Put("VAR_ELO", -12.25).ok());
    ASSERT_TRUE(t->Append().ok());
    ASSERT_TRUE(t->Put("NUM", 2.0).ok());
    ASSERT_TRUE(t->Put("JUG", std::string("BORRADO")).ok());
    ASSERT_TRUE(t->Delete().ok());
    ASSERT_TRUE(t->Append().ok());  // blank: empty date, false, zeros
    ASSERT_TRUE(t->Put("NUM", 3.0).ok());
  }
  auto result = RunPython(folder.path(), R"(
import dbf
t = dbf.Table('jugs.dbf', codepage='cp1252')
t.open(dbf.READ_ONLY)
print(t.field_names)
for r in t:
    print(dbf.is_deleted(r), r.num, repr(r.jug.rstrip()), r.fecha_nac, r.baja, r.ptos, r.var_elo)
)");
  ASSERT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output,
            "['num', 'jug', 'fecha_nac', 'baja', 'ptos', 'var_elo']\n"
            "False 1 'MUÑOZ, PEDRO' 1987-11-30 True 2.5 -12.3\n"
            // A blank record is all spaces, as xBase appends it; python3-dbf reads blanks as None.
            "True 2 'BORRADO' None None None None\n"
            "False 3 '' None None None None\n");
}

TEST(DbfInterop, TableWrittenByPythonDbfReadsTheSameHere) {
  ScratchFolder folder;
  auto result = RunPython(folder.path(), R"(
import dbf, datetime
t = dbf.Table('PY.DBF', 'NUM N(3,0); JUG C(20); FECHA D; BAJA L; PTOS N(5,1)', dbf_type='db3', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append((1, 'PE\u00d1A, ANA', datetime.date(2004, 3, 5), True, 3.5))
t.append((2, 'SIN FECHA', None, False, -1.5))
t.append((3, 'BORRADO', datetime.date(1999, 12, 31), None, 0))
dbf.delete(t[2])
t.close()
)");
  ASSERT_EQ(result.status, 0) << result.output;
  Workspace ws;
  ws.settings().hide_deleted = false;
  auto opened = ws.Use(folder.file("py"), "py", true);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  Table& t = **opened;
  ASSERT_EQ(t.LastRec(), 3u);
  ASSERT_EQ(t.fields().size(), 5u);
  EXPECT_EQ(t.fields()[1].name, "JUG");
  EXPECT_EQ(t.fields()[4].decimals, 1);
  t.GoTop();
  EXPECT_EQ(t.GetNumber("NUM"), 1);
  EXPECT_EQ(t.GetText("JUG"), "PE\xD1" "A, ANA           ");
  EXPECT_EQ(t.GetDate("FECHA"), (Date{2004, 3, 5}));
  EXPECT_TRUE(t.GetLogical("BAJA"));
  EXPECT_EQ(t.GetNumber("PTOS"), 3.5);
  t.Skip();
  EXPECT_TRUE(t.GetDate("FECHA").empty());
  EXPECT_FALSE(t.GetLogical("BAJA"));
  EXPECT_EQ(t.GetNumber("PTOS"), -1.5);
  t.Skip();
  EXPECT_TRUE(t.Deleted());
  EXPECT_EQ(t.GetDate("FECHA"), (Date{1999, 12, 31}));
  ws.settings().hide_deleted = true;
  t.GoBottom();
  EXPECT_EQ(t.RecNo(), 2u);
}

class DosFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"CUOP.DBF", "R1OP.DBF"}) {
      std::filesystem::path to = folder_.file(name);
      std::filesystem::copy_file(std::filesystem::path(MOVAREL_FIXTURES_DIR) / "dos-old-format" / name, to);
      std::filesystem::permissions(to, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    }
  }
  ScratchFolder folder_;
  Workspace ws_;
};

TEST_F(DosFolder, PlayerTableOfTheDosProgramOpensWithItsValues) {
  auto opened = ws_.Use(folder_.file("cuOP"), "cuadro", false);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  Table& t = **opened;
  EXPECT_EQ(t.LastRec(), 10u);
  EXPECT_EQ(t.fields().size(), 100u);
  EXPECT_EQ(t.fields().back().name, "N_VIC");
  EXPECT_FALSE(t.HasField("SEXO"));  // the old format
  t.GoTo(2);
  EXPECT_EQ(t.GetText("JUG"), "MU\xA5OZ,PEDRO                   ");  // code page 850 Ñ
  EXPECT_EQ(t.GetNumber("ELOFIDE"), 1883);
  EXPECT_EQ(t.GetNumber("R2J"), 7);
  EXPECT_EQ(t.GetText("R2C"), "N");
  EXPECT_EQ(t.GetText("R2P"), "0");
  EXPECT_EQ(t.GetText("CAT"), "p");
  EXPECT_FALSE(t.GetLogical("BAJA"));
  t.GoTo(10);
  EXPECT_EQ(t.GetText("JUG").substr(0, 10), "D\xD6" "AZ,MARIA");
  EXPECT_EQ(t.GetNumber("R3J"), 6);
  std::string colours;
  for (t.GoTop(); !t.Eof(); t.Skip()) colours += t.GetText("R1C");
  EXPECT_EQ(colours, "nBnNBbbnBN");
}

TEST_F(DosFolder, RoundTableOfTheDosProgramKeepsItsDrawBytes) {
  auto opened = ws_.Use(folder_.file("r1op.dbf"), "ronda", true);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  Table& t = **opened;
  ASSERT_EQ(t.LastRec(), 5u);
  t.GoTo(2);
  EXPECT_EQ(t.GetNumber("JUG_B"), 6);
  EXPECT_EQ(t.GetNumber("JUG_N"), 4);
  EXPECT_EQ(t.GetText("RDO"), " \xAB-\xAB ");
  t.GoTo(1);
  EXPECT_EQ(t.GetText("RDO"), " 1-0i");
}

TEST_F(DosFolder, ChangesToADosTableStayReadableByPythonDbf) {
  {
    Table* t = *ws_.Use(folder_.file("CUOP"), "cuadro", false);
    t->GoTo(3);
    ASSERT_TRUE(t->Put("PTOS", 2.5).ok());
    ASSERT_TRUE(t->Append().ok());
    ASSERT_TRUE(t->Put("NUM", 11.0).ok());
    ws_.CloseAll();
  }
  auto result = RunPython(folder_.path(), R"(
import dbf
t = dbf.Table('CUOP.DBF', codepage='cp850')
t.open(dbf.READ_ONLY)
print(len(t), t[2].ptos, t[10].num, t[1].elofide)
)");
  ASSERT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output, "11 2.5 11 1883\n");
}

}  // namespace
}  // namespace movarel::storage
