// The name index of the player database, whichever program made it: every stored name is
// found by the search box's upper-cased text and by a tournament's capitalised name.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playerbase/player_database.h"
#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "storage/files.h"
#include "storage/table.h"
#include "storage/value.h"
#include "support/program_session.h"

namespace movarel::playerbase {
namespace {

class DatabaseIndex : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    state_.CCARPINI = root_.path();
    ASSERT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(root_.path())).ok());
  }
  // The database as another program left it: names as typed, an index over `key`.
  void WriteDatabase(const std::string& key) {
    const std::string path = DatabasePath(state_);
    ASSERT_TRUE(storage::CreateTable(path, registry::BasejugsFields()).ok());
    auto opened = state_.workspace.Use(path, "bjugs", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    for (const char* name : {"Perez, Juan", "GARCIA, ANA", "romero, luis", "Garcia, Ana Maria"}) {
      ASSERT_TRUE((*opened)->Append().ok());
      ASSERT_TRUE((*opened)->Put("JUG", std::string(name)).ok());
    }
    ASSERT_TRUE((*opened)->CreateIndex(path.substr(0, path.size() - 4) + ".ntx", key).ok());
    state_.workspace.Close("bjugs");
  }

  movarel::testing::ScratchFolder root_{"movarel-bjugs"};
  registry::WorkingState state_;
};

TEST_P(DatabaseIndex, EveryNameIsFoundTypedInAnyCapitals) {
  WriteDatabase(GetParam());
  auto opened = OpenDatabase(state_);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  storage::Table& bjugs = **opened;
  struct Case {
    const char* typed;
    uint32_t recno;  // 0: not found
  };
  for (const Case& c : std::vector<Case>{{"PEREZ, JUAN", 1},
                                         {"Perez, Juan", 1},
                                         {"Garcia, Ana", 2},  // whole names: not "Garcia, Ana Maria"
                                         {"GARCIA, ANA MARIA", 4},
                                         {"Romero, Luis", 3},
                                         {"ROMERO", 0},
                                         {"", 0}}) {
    auto found = FindName(bjugs, c.typed);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*found ? bjugs.RecNo() : 0U, c.recno) << c.typed;
  }
  // The browser's search: the first name that begins with the typed capitals.
  auto soft = bjugs.Seek(std::string("GARCIA"), /*soft=*/true);
  ASSERT_TRUE(soft.ok());
  EXPECT_EQ(bjugs.RecNo(), 2U);
  EXPECT_EQ(bjugs.ControllingIndex()->expression().text(), "upper(bjugs->jug)");
}

INSTANTIATE_TEST_SUITE_P(MadeBy, DatabaseIndex,
                         ::testing::Values("bjugs->jug",          // a database the older program created
                                           "upper(bjugs->jug)"));  // one whose index it rebuilt

TEST(DatabaseFile, AMissingDatabaseIsCreatedFromItsTemplateWithTheNameIndex) {
  movarel::testing::ScratchFolder root{"movarel-bjugs"};
  registry::WorkingState state;
  state.CCARPINI = root.path();
  ASSERT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(root.path())).ok());
  auto opened = OpenDatabase(state);
  ASSERT_TRUE(opened.ok()) << opened.status().message();
  EXPECT_EQ((*opened)->LastRec(), 0U);
  EXPECT_EQ((*opened)->fields().size(), registry::BasejugsFields().size());
  state.workspace.Close("bjugs");
  EXPECT_TRUE(storage::FileExists(root.file("zd/basejugs.ntx")));
}

}  // namespace
}  // namespace movarel::playerbase
