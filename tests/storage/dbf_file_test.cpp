// The on-disk dBase III layout: what this layer writes, byte for byte, and what it makes of
// files that are damaged or written by other xBase programs.

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::Descriptor;
using testing::Header;
using testing::Le16;
using testing::Le32;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// NUM N3, JUG C10, FECHA D, BAJA L, PTOS N4.1: records of 27 bytes, a header of 193.
std::string Descriptors() {
  return Descriptor("NUM", 'N', 3) + Descriptor("JUG", 'C', 10) + Descriptor("FECHA", 'D', 8) +
         Descriptor("BAJA", 'L', 1) + Descriptor("PTOS", 'N', 4, 1);
}
const std::string kRecord1 = std::string(" ") + "  1" + "GARCIA    " + "20040305" + "T" + " 2.5";
const std::string kRecord2 = std::string("*") + "  2" + "LOPEZ     " + "        " + "F" + " 0.0";

std::string GoodTable() { return Header(2, 193, 27) + Descriptors() + "\x0D" + kRecord1 + kRecord2 + "\x1A"; }

TEST(DbfFile, WritesTheDbaseThreeLayoutByteForByte) {
  ScratchFolder folder;
  ASSERT_TRUE(CreateTable(folder.file("t.dbf"), {{"num", 'N', 3, 0},
                                                 {"JUG", 'C', 10, 0},
                                                 {"FECHA", 'D', 8, 0},
                                                 {"BAJA", 'L', 1, 0},
                                                 {"PTOS", 'N', 4, 1}})
                  .ok());
  {
    Workspace ws;
    auto t = ws.Use(folder.file("t"), "t", false);
    ASSERT_TRUE(t.ok()) << t.status().message();
    ASSERT_TRUE((*t)->Append().ok());
    ASSERT_TRUE((*t)->Put("NUM", 1.0).ok());
    ASSERT_TRUE((*t)->Put("jug", std::string("GARCIA")).ok());
    ASSERT_TRUE((*t)->Put("FECHA", Date{2004, 3, 5}).ok());
    ASSERT_TRUE((*t)->Put("BAJA", true).ok());
    ASSERT_TRUE((*t)->Put("PTOS", 2.5).ok());
    ASSERT_TRUE((*t)->Append().ok());  // a blank record: every byte a space
  }
  std::string bytes = ReadBytes(folder.file("t.dbf"));
  std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  std::string header = Header(2, 193, 27);
  header[1] = static_cast<char>(today.tm_year);
  header[2] = static_cast<char>(today.tm_mon + 1);
  header[3] = static_cast<char>(today.tm_mday);
  EXPECT_EQ(bytes, header + Descriptors() + "\x0D" + kRecord1 + " " + std::string(26, ' ') + "\x1A");
}

TEST(DbfFile, ReadsRecordsWithTheDeletionFlag) {
  ScratchFolder folder;
  WriteBytes(folder.file("t.dbf"), GoodTable());
  Workspace ws;
  ws.settings().hide_deleted = false;
  auto t = ws.Use(folder.file("t.dbf"), "t", true);
  ASSERT_TRUE(t.ok()) << t.status().message();
  Table& table = **t;
  EXPECT_EQ(table.LastRec(), 2u);
  ASSERT_EQ(table.fields().size(), 5u);
  EXPECT_EQ(table.fields()[4].decimals, 1);
  EXPECT_EQ(table.GetNumber("NUM"), 1);
  EXPECT_EQ(table.GetText("JUG"), "GARCIA    ");
  EXPECT_EQ(table.GetDate("FECHA"), (Date{2004, 3, 5}));
  EXPECT_TRUE(table.GetLogical("BAJA"));
  EXPECT_DOUBLE_EQ(table.GetNumber("PTOS"), 2.5);
  EXPECT_FALSE(table.Deleted());
  table.Skip();
  EXPECT_TRUE(table.Deleted());
  EXPECT_TRUE(table.GetDate("FECHA").empty());
  EXPECT_FALSE(table.GetLogical("BAJA"));
}

TEST(DbfFile, ExtraZeroAfterTheTerminatorIsHonouredThroughTheHeaderLength) {
  // Some xBase programs write 0x0D 0x00 and count both in the header length.
  ScratchFolder folder;
  WriteBytes(folder.file("t.dbf"), Header(1, 194, 27) + Descriptors() + std::string("\x0D\x00", 2) + kRecord1 + "\x1A");
  Workspace ws;
  auto t = ws.Use(folder.file("t.dbf"), "t", true);
  ASSERT_TRUE(t.ok()) << t.status().message();
  EXPECT_EQ((*t)->LastRec(), 1u);
  EXPECT_EQ((*t)->GetText("JUG"), "GARCIA    ");
  EXPECT_DOUBLE_EQ((*t)->GetNumber("PTOS"), 2.5);
}

TEST(DbfFile, TruncatedTrailingRecordIsIgnoredAndTheNextAppendReplacesIt) {
  ScratchFolder folder;
  // The header already counts record 2, of which only 10 bytes reached the disk.
  WriteBytes(folder.file("t.dbf"), Header(2, 193, 27) + Descriptors() + "\x0D" + kRecord1 + kRecord2.substr(0, 10));
  {
    Workspace ws;
    auto t = ws.Use(folder.file("t.dbf"), "t", false);
    ASSERT_TRUE(t.ok()) << t.status().message();
    EXPECT_EQ((*t)->LastRec(), 1u);
    ASSERT_TRUE((*t)->Append().ok());
    ASSERT_TRUE((*t)->Put("NUM", 7.0).ok());
  }
  std::string bytes = ReadBytes(folder.file("t.dbf"));
  ASSERT_EQ(bytes.size(), 193u + 2 * 27 + 1);
  EXPECT_EQ(bytes.substr(4, 4), Le32(2));
  EXPECT_EQ(bytes.substr(193 + 27, 4), "   7");
  EXPECT_EQ(bytes.back(), '\x1A');
}

struct Damage {
  const char* name;
  std::string bytes;
  const char* message;  // part of the error text
};

class DamagedTable : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedTable, OpenFailsWithCorruptNamingTheFile) {
  ScratchFolder folder;
  std::string path = folder.file("CUXX.DBF");
  WriteBytes(path, GetParam().bytes);
  Workspace ws;
  auto t = ws.Use(path, "cuadro", false);
  ASSERT_FALSE(t.ok());
  EXPECT_EQ(t.status().code(), Status::Code::kCorrupt) << t.status().message();
  EXPECT_NE(t.status().message().find("CUXX.DBF"), std::string::npos) << t.status().message();
  EXPECT_NE(t.status().message().find(GetParam().message), std::string::npos) << t.status().message();
  EXPECT_FALSE(ws.NetErr());
  EXPECT_EQ(ws.Find("cuadro"), nullptr);
}

std::string WithByte(std::string bytes, size_t at, char value) {
  bytes[at] = value;
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, DamagedTable,
    ::testing::Values(
        Damage{"EmptyFile", "", "truncado"},
        Damage{"HeaderCutShort", GoodTable().substr(0, 20), "truncado"},
        Damage{"DescriptorsCutShort", GoodTable().substr(0, 100), "truncado"},
        Damage{"RecordCountLargerThanFile", Header(5, 193, 27) + Descriptors() + "\x0D" + kRecord1 + kRecord2 + "\x1A",
               "declara 5 registros"},
        Damage{"RecordCountSmallerThanFile", Header(1, 193, 27) + Descriptors() + "\x0D" + kRecord1 + kRecord2 + "\x1A",
               "declara 1 registros y el archivo contiene 2"},
        Damage{"RecordsMissingEntirely", Header(3, 193, 27) + Descriptors() + "\x0D" + kRecord1 + kRecord2,
               "declara 3 registros"},
        Damage{"RecordLengthDisagreesWithFields", Header(2, 193, 30) + Descriptors() + "\x0D" + kRecord1 + kRecord2,
               "longitud de registro 30"},
        Damage{"HeaderLengthCutsADescriptor", Header(0, 180, 27) + Descriptors() + "\x0D\x1A", "longitud de cabecera"},
        Damage{"HeaderLengthLeavesNoTerminator", Header(0, 192, 27) + Descriptors() + "\x0D\x1A", "0x0D"},
        Damage{"UnknownFieldType", WithByte(GoodTable(), 32 + 32 + 11, 'X'), "tipo desconocido"},
        Damage{"MemoFieldType", WithByte(GoodTable(), 32 + 32 + 11, 'M'), "tipo desconocido"},
        Damage{"DateFieldOfWrongLength", WithByte(GoodTable(), 32 + 64 + 16, 6), "longitud"},
        Damage{"ZeroFields", Header(0, 33, 1) + "\x0D\x1A", "no tiene campos"},
        Damage{"NotATable", "%PDF-1.4 this is not a table at all, not at all", "no es una tabla dBase III"},
        Damage{"EmptyFieldName", WithByte(GoodTable(), 32, '\0'), "nombre de campo"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return info.param.name; });

}  // namespace
}  // namespace movarel::storage
