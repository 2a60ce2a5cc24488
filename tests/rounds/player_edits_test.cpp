#include "rounds/player_edits.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "rounds_test_support.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;

constexpr char kBoardAdded[] =
    "INFO|\xA1"
    "Hecho!|Se ha a\xF1"
    "adido un registro a cada fichero de ronda";

TEST(AddPlayer, EleventhPlayerAddsABoardToEveryRoundTableTwelfthAddsNone) {
  OpenTournament t(10, 3);
  std::filesystem::remove(t.Path("r2AB.dbf"));  // a round table missing from the folder stays missing
  NUEVOJUGCUADRO(t.state, nullptr);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 11);
  EXPECT_EQ(t.cuadro().LastRec(), 11u);
  EXPECT_EQ(t.cuadro().RecNo(), 11u);
  EXPECT_EQ(t.cuadro().GetNumber("NUM"), 0);  // numbered only by the next seeding rebuild
  EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{kBoardAdded});
  EXPECT_EQ(t.Boards(1), 6u);
  EXPECT_EQ(t.Boards(3), 6u);
  EXPECT_FALSE(std::filesystem::exists(t.Path("r2AB.dbf")));

  NUEVOJUGCUADRO(t.state, nullptr);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 12);
  EXPECT_EQ(t.cuadro().LastRec(), 12u);
  EXPECT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.Boards(1), 6u);
  EXPECT_EQ(t.state.workspace.Selected(), t.state.workspace.Find("cuadro"));
}

class DeletePlayer : public ::testing::Test {
 protected:
  DeletePlayer() : t(10, 2) {
    for (uint32_t r = 1; r <= 10; ++r) t.SetPlayer(r, {"JUGADOR " + std::to_string(r)});
    t.cuadro().GoTo(3);
  }
  OpenTournament t;
};

TEST_F(DeletePlayer, ThirdOfTenLeavesNumbersAndRoundTablesAsTheyWere) {
  t.dialogs.answers = {true};
  BORRJUGCUADRO(t.state, nullptr);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0],
            "YESNO|Atenci\xF3n|\xBF"
            "Borrar el jugador JUGADOR 3?\\nRecuerde que una vez metido alg\xFAn "
            "emparejamiento\\nno debe borrar jugadores sino darlos de baja|yes");
  EXPECT_EQ(t.cuadro().LastRec(), 9u);  // removed physically at once
  EXPECT_EQ(t.cuadro().RecNo(), 1u);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 9);
  t.cuadro().GoTo(3);
  EXPECT_EQ(storage::RTrim(t.cuadro().GetText("JUG")), "JUGADOR 4");
  EXPECT_EQ(t.cuadro().GetNumber("NUM"), 4);
  EXPECT_EQ(t.Numbers(), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(t.Boards(1), 5u);
  auto ronda = t.state.workspace.Use(t.Path("r1AB.dbf"), "ronda", true);
  ASSERT_TRUE(ronda.ok());
  (*ronda)->GoBottom();  // the fixture wrote a reference to player 1 on the last board
  EXPECT_EQ((*ronda)->GetNumber("JUG_B"), 1);
}

TEST_F(DeletePlayer, AnsweringNoKeepsThePlayer) {
  const std::string before = testing::ReadBytes(t.player_table());
  t.dialogs.answers = {false};
  BORRJUGCUADRO(t.state, nullptr);
  EXPECT_EQ(testing::ReadBytes(t.player_table()), before);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 10);
}

}  // namespace
}  // namespace movarel::rounds
