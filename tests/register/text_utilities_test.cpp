#include "register/text_utilities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "storage/table.h"
#include "test_support.h"

namespace movarel::registry {
namespace {

using testing::RecordingDialogs;
using testing::ScratchFolder;

struct MayminsCase {
  const char* input;
  const char* expected;
};

class MayminsExamples : public ::testing::TestWithParam<MayminsCase> {};

TEST_P(MayminsExamples, CapitalisesEachWord) { EXPECT_EQ(MAYMINS(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    HandWorked, MayminsExamples,
    ::testing::Values(MayminsCase{"PEREZ,JUAN", "Perez, Juan"},
                      MayminsCase{"LOPEZ DE LA FUENTE.CLUB", "Lopez De La Fuente. Club"},
                      MayminsCase{"O'NEILL", "O'neill"},  // an apostrophe starts no word
                      MayminsCase{"a.b", "A. B"}, MayminsCase{"a. b", "A. B"},  // no second blank
                      MayminsCase{"  ana", "  Ana"}, MayminsCase{"", ""},
                      MayminsCase{"ruiz,\tana", "Ruiz,\tAna"},  // a tab is a blank
                      MayminsCase{"x,", "X,"},                  // nothing follows the comma
                      MayminsCase{"1A.2B", "1a. 2b"},
                      // Accented capitals pass unchanged: GARCÍA -> GarcÍa (Windows-1252 bytes).
                      MayminsCase{"GARC\xCD"
                                  "A",
                                  "Garc\xCD"
                                  "a"},
                      MayminsCase{"\xD1"
                                  "U\xD1"
                                  "EZ",
                                  "\xD1"
                                  "u\xD1"
                                  "ez"}));

TEST(NohbOemToAnsiTest, DosTextComesOutAsWindowsTextAndTypedTextAsItIs) {
  // IBAÑEZ, JOSÉ ½ in code page 850, then as typed here.
  EXPECT_EQ(NOHB_OEMTOANSI("IBA\xA5" "EZ, JOS\x90 \xAB"), "IBA\xD1" "EZ, JOS\xC9 \xBD");
  EXPECT_EQ(NOHB_OEMTOANSI("IBA\xD1" "EZ, JOS\xC9"), "IBA\xD1" "EZ, JOS\xC9");
}

class FileReadTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }
  ScratchFolder folder_;
  RecordingDialogs dialogs_;
  WorkingState state_;
  void SetUp() override { state_.dialogs = &dialogs_; }
};

TEST_F(FileReadTest, ReadsAFileOfExactlyTwoBlocks) {
  std::string bytes;
  for (int i = 0; i < 1024; ++i) bytes += static_cast<char>(i * 7 % 256);  // NULs and 0x1A included
  WriteFile(folder_.file("ronda4.txt"), bytes);
  EXPECT_EQ(FILEREAD(folder_.file("ronda4.txt"), state_), bytes);
  EXPECT_TRUE(dialogs_.stops.empty());
}

TEST_F(FileReadTest, ReadsAShortLastBlockWithOnlyItsBytes) {
  const std::string bytes(513, 'x');
  WriteFile(folder_.file("a.txt"), bytes);
  EXPECT_EQ(FILEREAD(folder_.file("a.txt"), state_), bytes);
}

TEST_F(FileReadTest, ReadsAReadOnlyFile) {
  const std::string path = folder_.file("listado.txt");
  WriteFile(path, "Ronda 4\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  EXPECT_EQ(FILEREAD(path, state_), "Ronda 4\r\n");
  EXPECT_TRUE(dialogs_.stops.empty());
}

// Permission bits do not stop root, who runs CI; a file of the kernel's read-only folder
// refuses a read-write open to everybody, as a read-only file refused the DOS-era open.
TEST_F(FileReadTest, ReadsAFileNobodyMayOpenForWriting) {
  const std::string path = "/proc/version";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no " << path << " on this system";
  EXPECT_NE(FILEREAD(path, state_).find("Linux"), std::string::npos);
  EXPECT_TRUE(dialogs_.stops.empty());
}

TEST_F(FileReadTest, MissingFileShowsTheStopMessageAndGivesEmptyText) {
  EXPECT_EQ(FILEREAD(folder_.file("no_existe.txt"), state_), "");
  ASSERT_EQ(dialogs_.stops.size(), 1u);
  EXPECT_EQ(dialogs_.stops[0], "Error en la apertura del fichero");
}

TEST_F(FileReadTest, FolderInsteadOfFileShowsTheStopMessage) {
  EXPECT_EQ(FILEREAD(folder_.path(), state_), "");
  EXPECT_EQ(dialogs_.stops.size(), 1u);
}

TEST_F(FileReadTest, EmptyPathGivesEmptyTextWithoutMessage) {
  EXPECT_EQ(FILEREAD("", state_), "");
  EXPECT_TRUE(dialogs_.stops.empty());
}

TEST(FieldInFileTest, ComparesNamesWithoutRegardToCase) {
  ScratchFolder folder;
  const std::string path = folder.file("cuAB.dbf");
  ASSERT_TRUE(storage::CreateTable(path, {{"JUG", 'C', 30, 0}, {"SEXO", 'C', 1, 0}}).ok());
  WorkingState state;
  ASSERT_TRUE(state.workspace.Use(path, "cuadro", /*shared=*/false).ok());
  EXPECT_TRUE(FIELDINFILE("sexo", "cuadro", state));
  EXPECT_TRUE(FIELDINFILE("SEXO", "CUADRO", state));
  EXPECT_TRUE(FIELDINFILE("Jug", "Cuadro", state));
  EXPECT_FALSE(FIELDINFILE("PREMIOS", "cuadro", state));
  EXPECT_FALSE(FIELDINFILE("SEX", "cuadro", state));    // no prefix match
  EXPECT_FALSE(FIELDINFILE("sexo", "premios", state));  // nothing open under that alias
}

}  // namespace
}  // namespace movarel::registry
