// The templates as this program itself uses them: the rating-difference lookup of the
// standings is a soft search of the absolute difference in t14 through t14d.

#include "register/templates.h"

#include <gtest/gtest.h>

#include "storage/workspace.h"
#include "test_support.h"

namespace movarel::registry {
namespace {

struct Lookup {
  double difference;
  double expected_score;
};

class ExpectedScoreLookup : public ::testing::TestWithParam<Lookup> {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testing::ScratchFolder;
    made_ = MakeTemplates(folder_->file("zd")).ok();
  }
  static void TearDownTestSuite() { delete folder_; }
  static testing::ScratchFolder* folder_;
  static bool made_;
};
testing::ScratchFolder* ExpectedScoreLookup::folder_ = nullptr;
bool ExpectedScoreLookup::made_ = false;

TEST_P(ExpectedScoreLookup, SoftSearchFindsTheClassOfTheDifference) {
  ASSERT_TRUE(made_);
  storage::Workspace workspace;
  auto t14 = workspace.Use(folder_->file("zd/t14"), "t14", /*shared=*/true, /*read_only=*/true);
  ASSERT_TRUE(t14.ok()) << t14.status().message();
  ASSERT_TRUE(t14.value()->OrdListAdd(folder_->file("zd/t14d.ntx")).ok());
  ASSERT_TRUE(t14.value()->Seek(GetParam().difference, /*soft=*/true).ok());
  ASSERT_FALSE(t14.value()->Eof());
  EXPECT_DOUBLE_EQ(t14.value()->GetNumber("P"), GetParam().expected_score);
}

// Hand-read from the FIDE conversion table: class 4-10 is 0.51, 392-411 is 0.92, and so on.
INSTANTIATE_TEST_SUITE_P(FideTable, ExpectedScoreLookup,
                         ::testing::Values(Lookup{4, 0.51}, Lookup{10, 0.51}, Lookup{11, 0.52},
                                           Lookup{100, 0.64}, Lookup{392, 0.92}, Lookup{400, 0.92},
                                           Lookup{411, 0.92}, Lookup{412, 0.93}, Lookup{620, 0.99},
                                           Lookup{735, 0.99}, Lookup{736, 1.00}, Lookup{2000, 1.00}));

TEST(TemplatesWriterTest, RewritingAnExistingFolderReplacesItsFiles) {
  testing::ScratchFolder folder;
  ASSERT_TRUE(MakeTemplates(folder.file("zd")).ok());
  ASSERT_TRUE(MakeTemplates(folder.file("zd/")).ok());
  storage::Workspace workspace;
  auto desemps = workspace.Use(folder.file("zd/desempsw.mod"), "desemps", /*shared=*/false);
  ASSERT_TRUE(desemps.ok()) << desemps.status().message();
  EXPECT_EQ(desemps.value()->LastRec(), 16u);  // not appended twice
}

TEST(TemplatesWriterTest, EmptyFolderNameIsRefused) { EXPECT_FALSE(MakeTemplates("").ok()); }

}  // namespace
}  // namespace movarel::registry
