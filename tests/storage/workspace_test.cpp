// Work areas: opening under aliases, the network-error flag, and what a refused open leaves.

#include <gtest/gtest.h>

#include <string>

#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::ScratchFolder;

class WorkspaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateTable(folder_.file("CUOP.DBF"), {{"NUM", 'N', 3, 0}}).ok());
    ASSERT_TRUE(CreateTable(folder_.file("r1OP.dbf"), {{"JUG_B", 'N', 3, 0}}).ok());
    ASSERT_TRUE(CreateTable(folder_.file("r2OP.dbf"), {{"JUG_B", 'N', 3, 0}}).ok());
  }
  ScratchFolder folder_;
  Workspace ws_;
};

TEST_F(WorkspaceTest, UseAddsTheExtensionFindsNamesInAnyCaseAndSelects) {
  auto t = ws_.Use(folder_.file("cuOP"), "cuadro", false);
  ASSERT_TRUE(t.ok()) << t.status().message();
  EXPECT_EQ((*t)->alias(), "CUADRO");
  EXPECT_EQ((*t)->path(), folder_.file("CUOP.DBF"));
  EXPECT_EQ(ws_.Selected(), *t);
  EXPECT_EQ(ws_.Find("Cuadro"), *t);
  EXPECT_FALSE(ws_.NetErr());
}

TEST_F(WorkspaceTest, MissingFileIsNotFoundWithoutNetErr) {
  auto t = ws_.Use(folder_.file("cuXX"), "cuadro", false);
  EXPECT_EQ(t.status().code(), Status::Code::kNotFound);
  EXPECT_FALSE(ws_.NetErr());
}

TEST_F(WorkspaceTest, RefusedOpenLeavesTheAliasAndSelectionAsTheyWere) {
  Table* ronda = *ws_.Use(folder_.file("r2op"), "ronda", false);
  Table* cuadro = *ws_.Use(folder_.file("cuop"), "cuadro", false);
  Workspace other;  // a second open description conflicts like a second program
  ASSERT_TRUE(other.Use(folder_.file("r1op"), "held", false).ok());
  ws_.Select("ronda");
  auto t = ws_.Use(folder_.file("r1op"), "cuadro", true);
  EXPECT_EQ(t.status().code(), Status::Code::kLocked);
  EXPECT_TRUE(ws_.NetErr());
  EXPECT_EQ(ws_.Find("cuadro"), cuadro);
  EXPECT_EQ(ws_.Selected(), ronda);
  EXPECT_EQ(cuadro->path(), folder_.file("CUOP.DBF"));
  other.CloseAll();
  EXPECT_TRUE(ws_.Use(folder_.file("r1op"), "cuadro", true).ok());
  EXPECT_FALSE(ws_.NetErr());
}

TEST_F(WorkspaceTest, ReopeningTheSameFileUnderItsAliasSucceeds) {
  ASSERT_TRUE(ws_.Use(folder_.file("cuop"), "cuadro", false).ok());
  auto again = ws_.Use(folder_.file("CUOP.DBF"), "cuadro", false);
  EXPECT_TRUE(again.ok()) << again.status().message();
}

TEST_F(WorkspaceTest, CloseForgetsTheAliasAndTheSelection) {
  ASSERT_TRUE(ws_.Use(folder_.file("cuop"), "cuadro", false).ok());
  ws_.Close("CUADRO");
  EXPECT_EQ(ws_.Find("cuadro"), nullptr);
  EXPECT_EQ(ws_.Selected(), nullptr);
  EXPECT_EQ(ws_.Select("cuadro"), nullptr);
  // Closed means unlocked: another work area may now have it exclusively.
  Workspace other;
  EXPECT_TRUE(other.Use(folder_.file("cuop"), "cuadro", false).ok());
}

}  // namespace
}  // namespace movarel::storage
