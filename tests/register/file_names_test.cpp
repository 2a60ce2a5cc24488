#include "register/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace movarel::registry {
namespace {

struct NameCase {
  std::string built;
  std::string expected;
};

class TournamentFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TournamentFileNames, AreBuiltWithoutBlanksOrLeadingZeros) {
  EXPECT_EQ(GetParam().built, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Builders, TournamentFileNames,
    ::testing::Values(NameCase{PlayerTableName("OP"), "cuOP"}, NameCase{RoundTableName(1, "OP"), "r1OP"},
                      NameCase{RoundTableName(9, "AB"), "r9AB"}, NameCase{RoundTableName(10, "AB"), "r10AB"},
                      NameCase{RoundTableName(15, "AB"), "r15AB"}, NameCase{PrizeTableName("AB"), "prAB"},
                      NameCase{PrizeAmountIndexName("AB"), "prAB_c"},
                      NameCase{TieBreakTableName("AB"), "dsAB"}, NameCase{RoundFieldName(1, 'J'), "R1J"},
                      NameCase{RoundFieldName(9, 'P'), "R9P"}, NameCase{RoundFieldName(10, 'J'), "R10J"},
                      NameCase{RoundFieldName(10, 'C'), "R10C"}, NameCase{RoundFieldName(15, 'F'), "R15F"},
                      // A key beginning with a digit makes two tournaments' rounds coincide.
                      NameCase{RoundTableName(11, "AB"), RoundTableName(1, "1AB")}));

struct PathCase {
  const char* path;
  const char* key;
  const char* folder;
};

class PlayerTablePaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(PlayerTablePaths, GiveKeyAndFolder) {
  EXPECT_EQ(KeyOfPlayerTablePath(GetParam().path), GetParam().key);
  EXPECT_EQ(FolderOfPath(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, PlayerTablePaths,
    ::testing::Values(PathCase{"/home/arbitro/torneos/cuOP.dbf", "OP", "/home/arbitro/torneos"},
                      PathCase{"/home/arbitro/torneos/CUOP.DBF", "OP", "/home/arbitro/torneos"},
                      PathCase{"/home/arbitro/torneos/Cuop.Dbf", "op", "/home/arbitro/torneos"},
                      PathCase{"C:\\TORNEOS\\2004\\cuVAL04.dbf", "VAL04", "C:\\TORNEOS\\2004"},
                      PathCase{"/mixto\\sub/cuAB.dbf", "AB", "/mixto\\sub"}, PathCase{"cuAB.dbf", "AB", ""},
                      PathCase{"/cuAB.dbf", "AB", "/"},
                      // A folder named like a player table does not confuse the key.
                      PathCase{"/datos/cuXX.dbf/cuAB.dbf", "AB", "/datos/cuXX.dbf"},
                      // Nothing is cut that is not there: the DOS code cut 2 and 4 bytes blindly.
                      PathCase{"/datos/op.dbf", "op", "/datos"}, PathCase{"/datos/cuAB", "AB", "/datos"}));

TEST(TemplatesFolderTest, LiesUnderTheStartFolderWhateverItsTrailingSeparator) {
  EXPECT_EQ(TemplatesFolder("/opt/movarel"), "/opt/movarel/zd/");
  EXPECT_EQ(TemplatesFolder("/opt/movarel/"), "/opt/movarel/zd/");
  EXPECT_EQ(TemplatesFolder("/"), "/zd/");
}

}  // namespace
}  // namespace movarel::registry
