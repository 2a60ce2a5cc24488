// Plain files: names from DOS in any case, renames that never overwrite, atomic writes and
// DOS wildcards.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/byte_file.h"
#include "storage/files.h"
#include "storage/os_file.h"
#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using Names = std::vector<std::string>;

TEST(Files, ExistingNamesAreFoundWithoutRegardToCase) {
  ScratchFolder folder;
  WriteBytes(folder.file("CUOP.DBF"), "x");
  EXPECT_EQ(ResolvePath(folder.file("cuop.dbf")), folder.file("CUOP.DBF"));
  EXPECT_TRUE(FileExists(folder.file("CuOp.Dbf")));
  EXPECT_EQ(ResolvePath(folder.file("nuevo.dbf")), folder.file("nuevo.dbf"));  // new names as given
  EXPECT_FALSE(FileExists(folder.file("nuevo.dbf")));
  EXPECT_FALSE(FileExists(folder.path()));  // a folder is not a file
  auto bytes = ReadWholeFile(folder.file("cuop.DBF"));
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, "x");
  ASSERT_TRUE(EraseFile(folder.file("cuop.dbf")).ok());
  EXPECT_FALSE(FileExists(folder.file("CUOP.DBF")));
  EXPECT_EQ(EraseFile(folder.file("cuop.dbf")).code(), Status::Code::kNotFound);
  EXPECT_EQ(ReadWholeFile(folder.file("cuop.dbf")).status().code(), Status::Code::kNotFound);
}

TEST(Files, RenameRefusesToOverwriteButMayChangeCase) {
  ScratchFolder folder;
  WriteBytes(folder.file("CUOP.DBF"), "tabla");
  WriteBytes(folder.file("cuOP.bak"), "copia");
  EXPECT_EQ(RenameFile(folder.file("cuop.dbf"), folder.file("cuop.BAK")).code(), Status::Code::kIoError);
  EXPECT_EQ(ReadBytes(folder.file("cuOP.bak")), "copia");
  ASSERT_TRUE(RenameFile(folder.file("cuop.dbf"), folder.file("cuop.dbf")).ok());
  EXPECT_EQ(ListFiles(folder.path(), "*.dbf"), (Names{"cuop.dbf"}));
  ASSERT_TRUE(RenameFile(folder.file("CUOP.DBF"), folder.file("cuop.old")).ok());
  EXPECT_EQ(ReadBytes(folder.file("cuop.old")), "tabla");
  EXPECT_EQ(RenameFile(folder.file("nada"), folder.file("algo")).code(), Status::Code::kNotFound);
}

TEST(Files, CopyAndAtomicWriteReplaceTheExistingSpellingAndLeaveNoTemporary) {
  ScratchFolder folder;
  WriteBytes(folder.file("ZD.HTM"), "viejo");
  ASSERT_TRUE(WriteFileAtomically(folder.file("zd.htm"), std::string("nuevo\0\xF3", 7)).ok());
  EXPECT_EQ(ReadBytes(folder.file("ZD.HTM")), std::string("nuevo\0\xF3", 7));
  ASSERT_TRUE(CopyFile(folder.file("zd.htm"), folder.file("otro.htm")).ok());
  EXPECT_EQ(ReadBytes(folder.file("otro.htm")), std::string("nuevo\0\xF3", 7));
  EXPECT_EQ(ListFiles(folder.path(), "*"), (Names{"ZD.HTM", "otro.htm"}));
  EXPECT_FALSE(WriteFileAtomically(folder.file("no/existe.htm"), "x").ok());
}

TEST(Files, ListFilesMatchesTheTournamentPatterns) {
  ScratchFolder folder;
  for (const char* name : {"CUAB.DBF", "prAB.dbf", "r1AB.dbf", "r10AB.dbf", "CUXAB.DBF", "cuab.bak", "AB", "LEEME"}) {
    WriteBytes(folder.file(name), "");
  }
  EXPECT_EQ(ListFiles(folder.path(), "??AB.*"), (Names{"CUAB.DBF", "cuab.bak", "prAB.dbf", "r1AB.dbf"}));
  EXPECT_EQ(ListFiles(folder.path(), "???ab.*"), (Names{"CUXAB.DBF", "r10AB.dbf"}));
  EXPECT_EQ(ListFiles(folder.path(), "*.dbf").size(), 5u);
}

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

class Wildcard : public ::testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, MatchesAsDosDoes) {
  EXPECT_EQ(WildcardMatch(GetParam().pattern, GetParam().name), GetParam().matches)
      << GetParam().pattern << " / " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Patterns, Wildcard,
                         ::testing::Values(WildcardCase{"*.*", "LEEME", true},  // DOS: no extension matches .*
                                           WildcardCase{"*.*", "a.b", true},
                                           WildcardCase{"*.dbf", "CUOP.DBF", true},
                                           WildcardCase{"*.dbf", "CUOP.DBFX", false},
                                           WildcardCase{"??OP.*", "R1OP.DBF", true},
                                           WildcardCase{"??OP.*", "R10OP.DBF", false},
                                           WildcardCase{"cu*.dbf", "cu.dbf", true},
                                           WildcardCase{"r?op.dbf", "rop.dbf", false},
                                           WildcardCase{"*a*b", "xaxxb", true},
                                           WildcardCase{"*a*b", "xaxxbc", false}));

// A folder and a file with accented names (UTF-8 in the program, wide on Windows): found,
// listed, renamed and read back byte for byte, with CR LF and 0x1A untranslated; a table
// there opens and takes its lock.
TEST(Files, AccentedFolderAndFileNamesWorkAndBytesAreNeverTranslated) {
  ScratchFolder scratch;
  const std::string folder = scratch.path() + "/A\xC3\xB1o \xC3\xB1" "and\xC3\xBA";
  ASSERT_TRUE(std::filesystem::create_directory(os::FileSystemPath(folder)));
  const std::string bytes = std::string("l\xEDnea\r\nfin\n\x1A", 12) + std::string(1, '\0') + "\r";
  ASSERT_TRUE(WriteFileAtomically(folder + "/Se\xC3\xB1" "AL.DBF", bytes).ok());
  EXPECT_EQ(ResolvePath(folder + "/se\xC3\xB1" "al.dbf"), folder + "/Se\xC3\xB1" "AL.DBF");
  EXPECT_EQ(ListFiles(folder, "*.dbf"), Names{"Se\xC3\xB1" "AL.DBF"});
  ASSERT_TRUE(RenameFile(folder + "/se\xC3\xB1" "al.dbf", folder + "/CU\xC3\x91" "A.TXT").ok());
  auto read = ReadWholeFile(folder + "/CU\xC3\x91" "A.TXT");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, bytes);
  EXPECT_EQ(std::filesystem::file_size(os::FileSystemPath(folder + "/CU\xC3\x91" "A.TXT")), bytes.size());

  auto copied = CopyFile(MOVAREL_FIXTURES_DIR "/dos-old-format/CUOP.DBF", folder + "/cu\xC3\xB1" "o.dbf");
  if (!copied.ok()) GTEST_SKIP() << copied.message();
  Workspace first, second;
  ASSERT_TRUE(first.Use(folder + "/CU\xC3\xB1" "O", "t", false).ok());  // case ignored as DOS did: ASCII only
  EXPECT_EQ(second.Use(folder + "/cu\xC3\xB1" "o.dbf", "t", true).status().code(), Status::Code::kLocked);
}

TEST(Files, DefaultExtensionIsAddedOnlyWhenTheNameHasNone) {
  EXPECT_EQ(WithDefaultExtension("dir.v2/cuop", ".dbf"), "dir.v2/cuop.dbf");
  EXPECT_EQ(WithDefaultExtension("cuop.tmp", ".dbf"), "cuop.tmp");
}

TEST(ByteFiles, CreatedFileAppearsOnlyWhenClosed) {
  ScratchFolder folder;
  WriteBytes(folder.file("ZDOP.PGN"), "viejo");
  {
    auto file = ByteFile::Create(folder.file("zdop.pgn"));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->Write("[Event \"Open\"]\r\n").ok());
    EXPECT_EQ(ReadBytes(folder.file("ZDOP.PGN")), "viejo");  // still the old one
    ASSERT_TRUE(file->Seek(1, ByteFile::Origin::kStart).ok());
    ASSERT_TRUE(file->Write("e").ok());
    ASSERT_TRUE(file->Close().ok());
  }
  EXPECT_EQ(ReadBytes(folder.file("ZDOP.PGN")), "[event \"Open\"]\r\n");
  {
    auto dropped = ByteFile::Create(folder.file("zdop.pgn"));
    ASSERT_TRUE(dropped->Write("a medias").ok());
  }  // dropped without Close: nothing replaced, nothing left behind
  EXPECT_EQ(ReadBytes(folder.file("ZDOP.PGN")), "[event \"Open\"]\r\n");
  EXPECT_EQ(ListFiles(folder.path(), "*.*"), (Names{"ZDOP.PGN"}));
}

TEST(ByteFiles, OpenedFileIsReadOnlyUnlessAskedAndSeeksFromEachOrigin) {
  ScratchFolder folder;
  WriteBytes(folder.file("T.TXT"), "0123456789");
  auto file = ByteFile::Open(folder.file("t.txt"));
  ASSERT_TRUE(file.ok());
  EXPECT_EQ(*file->Seek(-3, ByteFile::Origin::kEnd), 7u);
  EXPECT_EQ(*file->Read(10), "789");
  EXPECT_EQ(*file->Seek(-5, ByteFile::Origin::kCurrent), 5u);
  EXPECT_EQ(*file->Read(2), "56");
  EXPECT_FALSE(file->Write("x").ok());
  EXPECT_FALSE(file->Seek(-1, ByteFile::Origin::kStart).ok());
  ASSERT_TRUE(file->Close().ok());
  EXPECT_FALSE(file->Read(1).ok());
  EXPECT_EQ(ByteFile::Open(folder.file("no.txt")).status().code(), Status::Code::kNotFound);
  auto writable = ByteFile::Open(folder.file("t.txt"), true);
  ASSERT_TRUE(writable->Seek(0, ByteFile::Origin::kEnd).ok());
  ASSERT_TRUE(writable->Write("AB").ok());
  ASSERT_TRUE(writable->Close().ok());
  EXPECT_EQ(ReadBytes(folder.file("T.TXT")), "0123456789AB");
}

}  // namespace
}  // namespace movarel::storage
