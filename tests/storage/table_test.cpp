// An opened table as the tournament code uses it: navigation over hidden deleted records,
// searches, changes that indexes follow, pack and zap, and the bulk copies.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/files.h"
#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

const std::vector<FieldDef> kFields = {
    {"NUM", 'N', 3, 0}, {"JUG", 'C', 10, 0}, {"ELO", 'N', 4, 0}, {"BAJA", 'L', 1, 0}, {"FECHA", 'D', 8, 0}};

struct Player {
  const char* name;
  double elo;
};
// Record numbers 1..5.
const std::vector<Player> kPlayers = {{"lopez", 1500}, {"GARCIA", 1800}, {"PEREZ", 1600}, {"DIAZ", 1700}, {"ALONSO", 1500}};

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateTable(folder_.file("jugs.dbf"), kFields).ok());
    Table* t = Open(false);
    for (size_t i = 0; i < kPlayers.size(); ++i) {
      ASSERT_TRUE(t->Append().ok());
      ASSERT_TRUE(t->Put("NUM", static_cast<double>(i + 1)).ok());
      ASSERT_TRUE(t->Put("JUG", std::string(kPlayers[i].name)).ok());
      ASSERT_TRUE(t->Put("ELO", kPlayers[i].elo).ok());
    }
  }

  Table* Open(bool shared, bool read_only = false) {
    auto t = ws_.Use(folder_.file("jugs"), "jugs", shared, read_only);
    EXPECT_TRUE(t.ok()) << t.status().message();
    return t.ok() ? *t : nullptr;
  }
  Table& table() { return *ws_.Find("jugs"); }

  // Record numbers in navigation order, from the top.
  std::vector<uint32_t> Order() {
    std::vector<uint32_t> order;
    for (table().GoTop(); !table().Eof(); table().Skip()) order.push_back(table().RecNo());
    return order;
  }
  void DeleteRecord(uint32_t recno) {
    table().GoTo(recno);
    ASSERT_TRUE(table().Delete().ok());
  }
  std::vector<std::string> Names(Table& t) {
    std::vector<std::string> names;
    for (t.GoTop(); !t.Eof(); t.Skip()) names.push_back(std::string(RTrim(t.GetText("JUG"))));
    return names;
  }

  ScratchFolder folder_;
  Workspace ws_;
};

using Recnos = std::vector<uint32_t>;
using NameList = std::vector<std::string>;

TEST_F(TableTest, DeletedRecordsAreHiddenButStillCountInLastRec) {
  DeleteRecord(2);
  DeleteRecord(5);
  EXPECT_EQ(Order(), (Recnos{1, 3, 4}));
  EXPECT_EQ(table().LastRec(), 5u);
  table().GoBottom();
  EXPECT_EQ(table().RecNo(), 4u);
  table().GoTo(2);  // a record number reaches a deleted record all the same
  EXPECT_EQ(table().RecNo(), 2u);
  EXPECT_TRUE(table().Deleted());
  ws_.settings().hide_deleted = false;
  EXPECT_EQ(Order(), (Recnos{1, 2, 3, 4, 5}));
}

TEST_F(TableTest, SkippingPastEitherEndStopsThere) {
  table().GoBottom();
  table().Skip();
  EXPECT_TRUE(table().Eof());
  EXPECT_EQ(table().RecNo(), 6u);
  EXPECT_EQ(table().GetText("JUG"), std::string(10, ' '));  // the end reads as blanks
  EXPECT_EQ(table().GetNumber("ELO"), 0);
  table().Skip(-1);
  EXPECT_FALSE(table().Eof());
  EXPECT_EQ(table().RecNo(), 5u);
  table().GoTop();
  table().Skip(-1);
  EXPECT_TRUE(table().Bof());
  EXPECT_EQ(table().RecNo(), 1u);
  table().Skip(3);
  EXPECT_FALSE(table().Bof());
  EXPECT_EQ(table().RecNo(), 4u);
  table().GoTo(99);
  EXPECT_TRUE(table().Eof());
  EXPECT_EQ(table().RecNo(), 6u);
}

TEST_F(TableTest, AnEmptyTableIsAtBothEnds) {
  ASSERT_TRUE(table().Zap().ok());
  table().GoTop();
  EXPECT_TRUE(table().Eof());
  EXPECT_TRUE(table().Bof());
  EXPECT_EQ(table().LastRec(), 0u);
  EXPECT_EQ(table().RecNo(), 1u);
  EXPECT_FALSE(table().Put("JUG", std::string("X")).ok());
}

TEST_F(TableTest, IndexOrderHidesDeletedRecordsToo) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre"), "upper(jugs->jug)").ok());
  EXPECT_EQ(Order(), (Recnos{5, 4, 2, 1, 3}));  // ALONSO DIAZ GARCIA lopez PEREZ
  DeleteRecord(4);
  EXPECT_EQ(Order(), (Recnos{5, 2, 1, 3}));
  table().GoBottom();
  table().Skip(-2);
  EXPECT_EQ(table().RecNo(), 2u);
  EXPECT_TRUE(FileExists(folder_.file("NOMBRE.NTX")));  // ".ntx" added, found without regard to case
}

struct SeekCase {
  const char* name;
  const char* key;
  bool soft;
  bool found;
  uint32_t recno;  // 6 = end of table
};

class TableSeek : public TableTest, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(TableSeek, LandsWhereXbaseLands) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  DeleteRecord(4);  // DIAZ
  auto found = table().Seek(std::string(GetParam().key), GetParam().soft);
  ASSERT_TRUE(found.ok()) << found.status().message();
  EXPECT_EQ(*found, GetParam().found);
  EXPECT_EQ(table().Found(), GetParam().found);
  EXPECT_EQ(table().RecNo(), GetParam().recno);
  EXPECT_EQ(table().Eof(), GetParam().recno == 6);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TableSeek,
    ::testing::Values(SeekCase{"ExactWholeKey", "GARCIA", false, true, 2},
                      SeekCase{"PrefixOfPaddedKey", "GAR", false, true, 2},
                      SeekCase{"ExactAbsentGoesToEnd", "GOMEZ", false, false, 6},
                      SeekCase{"SoftAbsentStopsOnNextGreater", "GOMEZ", true, false, 1},
                      SeekCase{"SoftBeyondLastGoesToEnd", "ZZ", true, false, 6},
                      SeekCase{"DeletedKeyIsNotFound", "DIAZ", false, false, 6},
                      SeekCase{"SoftOnDeletedKeyStopsOnNextLive", "DIAZ", true, false, 2},
                      SeekCase{"CaseMattersInTheKey", "lopez", true, false, 6}),
    [](const ::testing::TestParamInfo<SeekCase>& info) { return info.param.name; });

TEST_F(TableTest, SeekFollowsTheSoftSettingAndNeedsAnIndex) {
  EXPECT_FALSE(table().Seek(std::string("GARCIA")).ok());
  ASSERT_TRUE(table().CreateIndex(folder_.file("elo.ntx"), "jugs->elo").ok());
  auto found = table().Seek(1500.0);
  ASSERT_TRUE(found.ok());
  EXPECT_TRUE(*found);
  EXPECT_EQ(table().RecNo(), 1u);  // equal keys in record order
  EXPECT_FALSE(*table().Seek(1650.0));
  EXPECT_EQ(table().RecNo(), 4u);  // soft by default: 1700
  ws_.settings().soft_seek = false;
  EXPECT_FALSE(*table().Seek(1650.0));
  EXPECT_TRUE(table().Eof());
  EXPECT_FALSE(table().Seek(std::string("1500")).ok());  // wrong type for a numeric key
}

TEST_F(TableTest, AppendsAndFieldChangesKeepIndexesInStepAndReachTheFile) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  ASSERT_TRUE(table().Append().ok());
  ASSERT_TRUE(table().Put("JUG", std::string("BLANCO")).ok());
  table().GoTo(1);
  ASSERT_TRUE(table().Put("JUG", std::string("ZAPATA")).ok());
  EXPECT_EQ(Order(), (Recnos{5, 6, 4, 2, 3, 1}));
  ws_.CloseAll();

  Table* t = Open(true);
  ASSERT_TRUE(t->OrdListAdd(folder_.file("NOMBRE")).ok());
  EXPECT_EQ(Order(), (Recnos{5, 6, 4, 2, 3, 1}));
}

TEST_F(TableTest, UniqueIndexKeepsTheFirstRecordOfEachKey) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("elo.ntx"), "str(jugs->elo,4)", true).ok());
  EXPECT_EQ(Order(), (Recnos{1, 3, 4, 2}));  // ALONSO (5) shares 1500 with lopez (1)
}

TEST_F(TableTest, OrdSetFocusChoosesTheControllingOrderByName) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  ASSERT_TRUE(table().OrdListAdd(folder_.file("nombre.ntx")).ok());
  ASSERT_TRUE(table().CreateIndex(folder_.file("elo.ntx"), "jugs->elo").ok());  // closes nombre
  ASSERT_TRUE(table().OrdListAdd(folder_.file("nombre.ntx")).ok());
  EXPECT_EQ(Order(), (Recnos{1, 5, 3, 4, 2}));
  ASSERT_TRUE(table().OrdSetFocus("nombre").ok());
  EXPECT_EQ(Order(), (Recnos{5, 4, 2, 1, 3}));
  ASSERT_TRUE(table().OrdSetFocus("").ok());
  EXPECT_EQ(Order(), (Recnos{1, 2, 3, 4, 5}));
  EXPECT_FALSE(table().OrdSetFocus("otro").ok());
  ASSERT_TRUE(table().OrdListClear().ok());
  EXPECT_EQ(table().ControllingIndex(), nullptr);
}

TEST_F(TableTest, LocateScansFromTheTopAndSetsFound) {
  table().GoBottom();
  EXPECT_TRUE(table().Locate([](Table& t) { return t.GetNumber("ELO") == 1500; }));
  EXPECT_EQ(table().RecNo(), 1u);
  EXPECT_TRUE(table().Found());
  DeleteRecord(1);
  EXPECT_TRUE(table().Locate([](Table& t) { return t.GetNumber("ELO") == 1500; }));
  EXPECT_EQ(table().RecNo(), 5u);
  EXPECT_FALSE(table().Locate([](Table& t) { return t.GetNumber("ELO") == 2000; }));
  EXPECT_TRUE(table().Eof());
  EXPECT_FALSE(table().Found());
}

TEST_F(TableTest, EvalRunsOnLiveRecordsThatMeetTheCondition) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  DeleteRecord(2);
  std::vector<uint32_t> seen;
  Status s = table().Eval(
      [&](Table& t) {
        seen.push_back(t.RecNo());
        return t.Put("BAJA", true);
      },
      [](Table& t) { return t.GetNumber("ELO") < 1750; });
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(seen, (Recnos{5, 4, 1, 3}));
  table().GoTo(2);
  EXPECT_FALSE(table().GetLogical("BAJA"));
}

TEST_F(TableTest, PutRefusesWrongTypesAndUnknownFields) {
  table().GoTop();
  EXPECT_EQ(table().Put("ELO", std::string("1500")).code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().Put("JUG", 1.0).code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().Put("NOEXISTE", 1.0).code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().GetNumber("ELO"), 1500);
  ASSERT_TRUE(table().Put("ELO", 12345.0).ok());  // does not fit: asterisks, read back as 0
  EXPECT_EQ(table().GetText("ELO"), "****");
  EXPECT_EQ(table().GetNumber("ELO"), 0);
  ASSERT_TRUE(table().Put("JUG", std::string("UN NOMBRE MUY LARGO")).ok());
  EXPECT_EQ(table().GetText("JUG"), "UN NOMBRE ");
  ASSERT_TRUE(table().Put("FECHA", Date{1999, 12, 31}).ok());
  EXPECT_EQ(table().GetDate("fecha"), (Date{1999, 12, 31}));
  EXPECT_FALSE(table().Put("FECHA", Date{1999, 2, 30}).ok());
}

TEST_F(TableTest, PutByIndexAndRawBytesKeepIndexesInStepAndRefuseWrongWidths) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("elo.ntx"), "str(jugs->elo,4)").ok());
  table().GoTo(2);  // GARCIA 1800 goes to the bottom of the rating order
  ASSERT_TRUE(table().PutBytes(2, "1400").ok());
  table().GoTo(3);  // PEREZ 1600 goes to the top
  ASSERT_TRUE(table().Put(2, 1900.0).ok());
  EXPECT_EQ(Order(), (Recnos{2, 1, 5, 4, 3}));
  table().GoTo(1);
  EXPECT_EQ(table().PutBytes(2, "150").code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().PutBytes(9, "1500").code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().Put(-1, 1.0).code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(table().GetText("ELO"), "1500");
  ws_.CloseAll();
  Table* t = Open(true, /*read_only=*/true);
  t->GoTo(2);
  EXPECT_EQ(t->GetNumber("ELO"), 1400);
  EXPECT_EQ(t->PutBytes(2, "1300").code(), Status::Code::kIoError);
}

TEST_F(TableTest, PackRemovesDeletedRecordsAndRebuildsIndexes) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  DeleteRecord(2);
  DeleteRecord(4);
  ASSERT_TRUE(table().Pack().ok());
  EXPECT_EQ(table().LastRec(), 3u);
  EXPECT_EQ(Names(table()), (NameList{"ALONSO", "lopez", "PEREZ"}));
  ASSERT_TRUE(table().OrdSetFocus("").ok());
  EXPECT_EQ(Names(table()), (NameList{"lopez", "PEREZ", "ALONSO"}));
  ws_.CloseAll();
  EXPECT_EQ(ReadBytes(folder_.file("jugs.dbf")).size(), 32u + 5 * 32 + 1 + 3 * 27 + 1);
  EXPECT_EQ(ListFiles(folder_.path(), "*.*"), (NameList{"jugs.dbf", "nombre.ntx"}));  // no temporary left
  Table* t = Open(true);
  ASSERT_TRUE(t->OrdListAdd(folder_.file("nombre.ntx")).ok());
  EXPECT_EQ(Names(*t), (NameList{"ALONSO", "lopez", "PEREZ"}));
}

TEST_F(TableTest, PackAndZapNeedExclusiveUse) {
  ws_.CloseAll();
  Table* t = Open(true);
  t->GoTo(1);
  ASSERT_TRUE(t->Delete().ok());
  EXPECT_EQ(t->Pack().code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(t->Zap().code(), Status::Code::kInvalidArgument);
  EXPECT_EQ(t->LastRec(), 5u);
}

TEST_F(TableTest, CopyToWritesLiveRecordsInTheControllingOrder) {
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  DeleteRecord(4);
  table().GoTo(3);
  ASSERT_TRUE(table().CopyTo(folder_.file("copia")).ok());
  EXPECT_EQ(table().RecNo(), 3u);  // the pointer is where it was
  auto copy = ws_.Use(folder_.file("copia"), "copia", true);
  ASSERT_TRUE(copy.ok()) << copy.status().message();
  EXPECT_EQ((*copy)->LastRec(), 4u);
  EXPECT_EQ(Names(**copy), (NameList{"ALONSO", "GARCIA", "lopez", "PEREZ"}));
  EXPECT_EQ((*copy)->fields().size(), kFields.size());
}

TEST_F(TableTest, CopyStructureMakesAnEmptyTableWithTheSameFields) {
  ASSERT_TRUE(table().CopyStructure(folder_.file("vacia.dbf")).ok());
  auto copy = ws_.Use(folder_.file("vacia"), "vacia", true);
  ASSERT_TRUE(copy.ok());
  EXPECT_EQ((*copy)->LastRec(), 0u);
  ASSERT_EQ((*copy)->fields().size(), kFields.size());
  for (size_t i = 0; i < kFields.size(); ++i) {
    EXPECT_EQ((*copy)->fields()[i].name, kFields[i].name);
    EXPECT_EQ((*copy)->fields()[i].type, kFields[i].type);
    EXPECT_EQ((*copy)->fields()[i].length, kFields[i].length);
  }
}

TEST_F(TableTest, AppendFromMatchesFieldsByNameAndSkipsDeletedRecords) {
  // The older layout: a wider name, the number kept as text, a field the target lacks.
  ASSERT_TRUE(CreateTable(folder_.file("viejo.dbf"),
                          {{"EXTRA", 'C', 5, 0}, {"JUG", 'C', 20, 0}, {"NUM", 'C', 3, 0}, {"ELO", 'N', 6, 1}})
                  .ok());
  {
    Workspace other;
    Table* old = *other.Use(folder_.file("viejo"), "viejo", false);
    const char* names[] = {"RUIZ TORRES, MARIA", "SANZ", "BORRADO"};
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(old->Append().ok());
      ASSERT_TRUE(old->Put("JUG", std::string(names[i])).ok());
      ASSERT_TRUE(old->Put("NUM", std::string(" 1") + static_cast<char>('7' + i)).ok());
      ASSERT_TRUE(old->Put("ELO", 2000.4 + i).ok());
      ASSERT_TRUE(old->Put("EXTRA", std::string("XX")).ok());
    }
    ASSERT_TRUE(old->Delete().ok());
  }
  ASSERT_TRUE(table().CreateIndex(folder_.file("nombre.ntx"), "upper(jugs->jug)").ok());
  ASSERT_TRUE(table().AppendFrom(folder_.file("VIEJO.DBF")).ok());
  EXPECT_EQ(table().LastRec(), 7u);
  table().GoTo(6);
  EXPECT_EQ(table().GetText("JUG"), "RUIZ TORRE");
  EXPECT_EQ(table().GetText("JUG").size(), 10u);
  EXPECT_EQ(table().GetNumber("NUM"), 17);
  EXPECT_EQ(table().GetText("ELO"), "2000");
  table().GoTo(7);
  EXPECT_EQ(table().GetText("JUG"), "SANZ      ");
  EXPECT_EQ(table().GetText("ELO"), "2001");
  EXPECT_EQ(Order(), (Recnos{5, 4, 2, 1, 3, 6, 7}));  // the index took them in
}

TEST_F(TableTest, ExportSdfWritesFixedWidthLinesWithCrLfAndAFinalEndOfFile) {
  table().GoTo(1);
  ASSERT_TRUE(table().Put("BAJA", true).ok());
  ASSERT_TRUE(table().Put("FECHA", Date{2004, 3, 5}).ok());
  DeleteRecord(3);
  DeleteRecord(4);
  DeleteRecord(5);
  ASSERT_TRUE(table().ExportSdf(folder_.file("lista.txt")).ok());
  EXPECT_EQ(ReadBytes(folder_.file("lista.txt")),
            "  1lopez     1500T20040305\r\n"
            "  2GARCIA    1800F        \r\n"
            "\x1A");
}

TEST_F(TableTest, ReadOnlyTableRefusesEveryChange) {
  ws_.CloseAll();
  std::string before = ReadBytes(folder_.file("jugs.dbf"));
  Table* t = Open(true, true);
  ASSERT_NE(t, nullptr);
  t->GoTop();
  EXPECT_FALSE(t->Put("JUG", std::string("X")).ok());
  EXPECT_FALSE(t->Append().ok());
  EXPECT_FALSE(t->Delete().ok());
  EXPECT_FALSE(t->AppendFrom(folder_.file("jugs")).ok());
  EXPECT_TRUE(t->CreateIndex(folder_.file("nombre.ntx"), "jugs->jug").ok());  // the index is another file
  ws_.CloseAll();
  EXPECT_EQ(ReadBytes(folder_.file("jugs.dbf")), before);
}

TEST(TableGarbage, NumericFieldHoldingGarbageReadsByTheValRule) {
  ScratchFolder folder;
  std::string record = std::string(" ") + "1x2 " + "abcd" + "  -7";
  testing::WriteBytes(folder.file("g.dbf"),
                      testing::Header(1, 32 + 3 * 32 + 1, 13) + testing::Descriptor("A", 'N', 4) +
                          testing::Descriptor("B", 'N', 4) + testing::Descriptor("C", 'N', 4) + "\x0D" + record + "\x1A");
  Workspace ws;
  auto t = ws.Use(folder.file("g"), "g", true);
  ASSERT_TRUE(t.ok()) << t.status().message();
  EXPECT_EQ((*t)->GetNumber("A"), 1);
  EXPECT_EQ((*t)->GetNumber("B"), 0);
  EXPECT_EQ((*t)->GetNumber("C"), -7);
}

}  // namespace
}  // namespace movarel::storage
