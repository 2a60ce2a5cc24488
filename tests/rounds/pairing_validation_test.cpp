#include "rounds/pairing_validation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "register/file_names.h"
#include "rounds/pairing_editor.h"
#include "rounds_test_support.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;
using testing::SetRound;

// Opens round `round` under `ronda` and writes its boards (White, Black), appending boards
// the table lacks and emptying the rest.
void SetBoards(OpenTournament& t, int round, const std::vector<std::pair<int, int>>& boards) {
  auto ronda = t.state.workspace.Use(t.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", false);
  ASSERT_TRUE(ronda.ok());
  storage::Table& table = **ronda;
  table.GoTop();
  for (const auto& [white, black] : boards) {
    if (table.Eof()) {
      ASSERT_TRUE(table.Append().ok());
    }
    EXPECT_TRUE(table.Put("JUG_B", static_cast<double>(white)).ok());
    EXPECT_TRUE(table.Put("JUG_N", static_cast<double>(black)).ok());
    table.Skip();
  }
  for (; !table.Eof(); table.Skip()) {
    EXPECT_TRUE(table.Put("JUG_B", 0.0).ok());
    EXPECT_TRUE(table.Put("JUG_N", 0.0).ok());
  }
  EXPECT_TRUE(table.Commit().ok());
}

void SetCurrentRound(OpenTournament& t, int round) {
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", static_cast<double>(round)).ok());
  EXPECT_TRUE(t.torneos().Commit().ok());
}

// "opponent|colour|float" of every player for that round.
std::vector<std::string> RoundOf(OpenTournament& t, int round) {
  std::vector<std::string> rows;
  storage::Table& c = t.cuadro();
  for (c.GoTop(); !c.Eof(); c.Skip()) {
    rows.push_back(std::to_string(static_cast<int>(c.GetNumber(registry::RoundFieldName(round, 'J')))) + "|" +
                   c.GetText(registry::RoundFieldName(round, 'C')) + "|" +
                   c.GetText(registry::RoundFieldName(round, 'F')));
  }
  return rows;
}

std::string Messages(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

// Round 1 of a ten-player tournament, with its results: 1-6 won by White, 7-2 won by Black by
// forfeit, 3-8 drawn (this system's half byte for 3, the DOS one for 8), 9-4 won by White, 5
// with the bye, 10 withdrawn and unpaired.
void PlayRoundOne(OpenTournament& t) {
  SetRound(t, 1, 1, 6, "B", "1");
  SetRound(t, 6, 1, 1, "N", "0");
  SetRound(t, 7, 1, 2, "B", "0", "i");
  SetRound(t, 2, 1, 7, "N", "1", "i");
  SetRound(t, 3, 1, 8, "B", "\xBD");
  SetRound(t, 8, 1, 3, "N", "\xAB");
  SetRound(t, 9, 1, 4, "B", "1");
  SetRound(t, 4, 1, 9, "N", "0");
  SetRound(t, 5, 1, 0, "D", "1");
  t.cuadro().GoTo(10);
  EXPECT_TRUE(t.cuadro().Put("BAJA", true).ok());
  EXPECT_TRUE(t.cuadro().Commit().ok());
}

TEST(PairingValidation, EveryBreachOfRoundTwoIsListedInOrderAndTheRestIsWritten) {
  OpenTournament t(10, 3);
  PlayRoundOne(t);
  SetCurrentRound(t, 2);
  // A result already entered for round 2 survives validation.
  SetRound(t, 1, 2, 0, " ", "1");
  SetBoards(t, 2, {{1, 6}, {7, 9}, {3, 10}, {4, 3}, {5, 0}, {2, 0}, {1, 8}});

  storage::Result<std::string> errors = VALIDARPAREO(t.state, 2);
  ASSERT_TRUE(errors.ok()) << errors.status().message();
  const std::string expected = Messages({
      "El jugador n\xBA 10 es baja pero ha sido emparejado",
      "El jugador n\xBA 3 aparece dos veces",
      "El jugador n\xBA 1 aparece dos veces",
      "El jugador n\xBA 1 ya ha jugado con el n\xBA 6 en la ronda 1",
      "El jugador n\xBA 2 descansa y ha ganado por incomparecencia en la ronda 1",
      "El jugador n\xBA 5 ya ha descansado en la ronda 1",
      "El jugador n\xBA 6 ya ha jugado con el n\xBA 1 en la ronda 1",
      "El jugador n\xBA 8 no ha sido emparejado",
  });
  EXPECT_EQ(*errors, expected);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0],
            testing::ScriptedDialogs::Line("EXCLAMATION", "Hay errores en el emparejamiento", expected));
  // Points before the round: 1, 2, 5, 9 one; 3 and 8 a half (both half bytes); the rest 0.
  EXPECT_EQ(RoundOf(t, 2), (std::vector<std::string>{"6|B|v", "0|D| ", "10|B|v", "3|B|^", "0|D| ", "1|N|^",
                                                     "9|B|^", "0| | ", "7|N|v", "0| | "}));
  t.cuadro().GoTo(1);
  EXPECT_EQ(t.cuadro().GetText("R2P"), "1");
  EXPECT_EQ(t.state.NRONDASEL, 2);
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 2);
}

TEST(PairingValidation, RematchAfterAForfeitIsAcceptedAndACleanRoundShowsNoBox) {
  OpenTournament t(10, 3);
  PlayRoundOne(t);
  SetCurrentRound(t, 1);
  // 7 and 2 met only by forfeit; 4 gets the bye, 10 (withdrawn) stays out.
  SetBoards(t, 2, {{2, 7}, {1, 9}, {3, 5}, {6, 8}, {4, 0}});
  storage::Result<std::string> errors = VALIDARPAREO(t.state, 2);
  ASSERT_TRUE(errors.ok());
  EXPECT_EQ(*errors, "");
  EXPECT_TRUE(t.dialogs.shown.empty());
  EXPECT_EQ(RoundOf(t, 2), (std::vector<std::string>{"9|B| ", "7|B|v", "5|B|^", "0|D| ", "3|N|v", "8|B|^",
                                                     "2|N|^", "6|N|v", "1|N| ", "0| | "}));
  // The current round follows the validated one, here forward.
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 2);
}

TEST(PairingValidation, RoundOneGivesNoFloatsAndClearsOldOnes) {
  OpenTournament t(4, 3);
  SetCurrentRound(t, 1);
  t.cuadro().GoTo(2);
  EXPECT_TRUE(t.cuadro().Put("R1F", std::string("v")).ok());
  EXPECT_TRUE(t.cuadro().Put("R1J", 9.0).ok());
  SetBoards(t, 1, {{1, 3}, {4, 2}});
  ASSERT_TRUE(VALIDARPAREO(t.state, 1).ok());
  EXPECT_EQ(RoundOf(t, 1), (std::vector<std::string>{"3|B| ", "4|N| ", "1|N| ", "2|B| "}));
}

TEST(PairingValidation, EarlierRoundKeepsFloatMarksOfPlayersWithoutANewOne) {
  OpenTournament t(4, 3);
  SetCurrentRound(t, 3);
  t.cuadro().GoTo(4);
  EXPECT_TRUE(t.cuadro().Put("R1F", std::string("^")).ok());
  t.cuadro().GoTo(1);
  EXPECT_TRUE(t.cuadro().Put("R1F", std::string("v")).ok());
  SetBoards(t, 1, {{1, 3}, {4, 0}});
  storage::Result<std::string> errors = VALIDARPAREO(t.state, 1);
  ASSERT_TRUE(errors.ok());
  EXPECT_EQ(*errors, "El jugador n\xBA 2 no ha sido emparejado");
  // 4 has the bye: no new mark, the old one stays; 1 gets a new one (" ", all on 0 points).
  EXPECT_EQ(RoundOf(t, 1), (std::vector<std::string>{"3|B| ", "0| | ", "1|N| ", "0|D|^"}));
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 1);
}

TEST(PairingValidation, BoardWithoutWhiteIsIgnoredAndItsBlackReportedUnpaired) {
  OpenTournament t(4, 3);
  SetBoards(t, 1, {{0, 2}, {1, 3}, {4, 0}});
  storage::Result<std::string> errors = VALIDARPAREO(t.state, 1);
  ASSERT_TRUE(errors.ok());
  EXPECT_EQ(*errors, "El jugador n\xBA 2 no ha sido emparejado");
}

TEST(PairingValidation, NumbersThatAreNoPlayerAreReportedAndNeverWritten) {
  OpenTournament t(6, 3);
  SetBoards(t, 1, {{12, 3}, {4, -2}, {5, 7}, {1, 2}, {6, 0}});
  storage::Result<std::string> errors = VALIDARPAREO(t.state, 1);
  ASSERT_TRUE(errors.ok());
  EXPECT_EQ(*errors,
            Messages({"El jugador n\xBA 12 no est\xE1 en el cuadro de jugadores",
                      "El jugador n\xBA -2 no est\xE1 en el cuadro de jugadores",
                      "El jugador n\xBA 7 no est\xE1 en el cuadro de jugadores",
                      "El jugador n\xBA 3 no ha sido emparejado", "El jugador n\xBA 4 no ha sido emparejado",
                      "El jugador n\xBA 5 no ha sido emparejado"}));
  EXPECT_EQ(RoundOf(t, 1), (std::vector<std::string>{"2|B| ", "1|N| ", "0| | ", "0| | ", "0| | ", "0|D| "}));
  EXPECT_EQ(t.cuadro().LastRec(), 6u);
}

TEST(PairingValidation, MissingRatingTableLeavesThePlayerTableAsItWas) {
  OpenTournament t(4, 3);
  SetRound(t, 1, 1, 4, "B", " ");
  SetBoards(t, 1, {{1, 3}, {2, 4}});
  std::filesystem::remove(registry::TemplatesFolder(t.dir()) + "t14.dbf");
  storage::Result<std::string> errors = VALIDARPAREO(t.state, 1);
  EXPECT_FALSE(errors.ok());
  EXPECT_EQ(RoundOf(t, 1)[0], "4|B| ");
  EXPECT_EQ(t.torneos().GetNumber("N_R_ACTUAL"), 0);
}

struct AutoCase {
  const char* name;
  int players;
  bool first_white;
  int boards;  // records of the round table
  std::vector<std::pair<int, int>> expected;
};

class RoundOneAutomatic : public ::testing::TestWithParam<AutoCase> {};

TEST_P(RoundOneAutomatic, TopHalfMeetsBottomHalfWithAlternatingColours) {
  const AutoCase& c = GetParam();
  OpenTournament t(c.players, 1);
  SetBoards(t, 1, std::vector<std::pair<int, int>>(c.boards, {9, 9}));
  storage::Table& ronda = *t.state.workspace.Find("ronda");
  // Boards past the wanted count are deleted, and so hidden from every pass.
  for (uint32_t board = c.boards + 1; board <= ronda.LastRec(); ++board) {
    ronda.GoTo(board);
    ASSERT_TRUE(ronda.Delete().ok());
  }
  ASSERT_TRUE(PairRoundOne(ronda, c.players, c.first_white).ok());
  EXPECT_EQ(ronda.RecNo(), 1u);
  std::vector<std::pair<int, int>> boards;
  for (ronda.GoTop(); !ronda.Eof(); ronda.Skip()) {
    boards.emplace_back(static_cast<int>(ronda.GetNumber("JUG_B")),
                        static_cast<int>(ronda.GetNumber("JUG_N")));
  }
  EXPECT_EQ(boards, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PairingEntry, RoundOneAutomatic,
    ::testing::Values(
        AutoCase{"TenPlayersOneOnWhite", 10, true, 5, {{1, 6}, {7, 2}, {3, 8}, {9, 4}, {5, 10}}},
        AutoCase{
            "SevenPlayersOneOnBlackSpareBoardEmptied", 7, false, 5, {{4, 1}, {2, 5}, {6, 3}, {7, 0}, {0, 0}}},
        AutoCase{"MoreBoardsNeededThanTheTableHasStopsAtItsEnd", 10, true, 3, {{1, 6}, {7, 2}, {3, 8}}},
        AutoCase{"OddCountWithoutASpareBoardGivesNoBye", 5, true, 2, {{1, 3}, {4, 2}}}),
    [](const ::testing::TestParamInfo<AutoCase>& info) { return info.param.name; });

}  // namespace
}  // namespace movarel::rounds
