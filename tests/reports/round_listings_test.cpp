// The seeding order, pairing and score-group pages of the hand tournament (hand_tournament.h),
// byte for byte as worked out by hand from its tables.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hand_tournament.h"
#include "listing_bytes.h"
#include "reports/pairing_report.h"
#include "reports/score_groups_report.h"
#include "reports/seeding_report.h"
#include "storage/file_lock.h"

namespace movarel::reports {
namespace {

using testing::Blanks;
using testing::HandTournament;
using testing::kHandFooter;
using testing::kHandHead;
using testing::Padded;

const std::string kGarcia = Padded(
    "Garc\xED"
    "a, Ana",
    30);
const std::string kPena =
    "Pe\xF1"
    "a &amp; Hijos" +
    Blanks(18);
const std::string kLopez = Padded("L\xF3pez, Luis", 30);
const std::string kMartin = Padded("Mart\xEDn, Eva", 30);
const std::string kRuiz = Padded("Ruiz, Pau", 30);

TEST(SeedingOrder, EveryPlayerWithdrawnOnesIncludedWithBlankRatingsForZero) {
  HandTournament t;
  ASSERT_TRUE(LISHTMOF(t.state, "Zendral", /*open_afterwards=*/true));
  const std::string expected =
      kHandHead + "<p class=\"updated\">Orden de fuerza<BR>\r\n<HR>\r\n<pre>   #  Jugador" + Blanks(24) +
      "Club/Procedencia  Cat/T\xEDt    FIDE     FEDA      Aut\r\n<HR>\r\n" + "(  1) " + kGarcia + " " +
      Padded("Sueca", 15) + "   A" + Blanks(10) + "2100" + Blanks(5) + "2050" + Blanks(5) + "2000\r\n" +
      "(  2) " + kPena + " &lt;Club&gt; Uno" + Blanks(5) + "   " + " " + Blanks(10) + Blanks(4) + Blanks(5) +
      "1800" + Blanks(5) + "1750\r\n" + "(  3) " + kLopez + " " + Padded("Sueca", 15) + "   B" + Blanks(10) +
      "1900" + Blanks(5) + Blanks(4) + Blanks(5) + "   0\r\n" + "(  4) " + kMartin + " " + Blanks(15) +
      "   " + " " + Blanks(10) + "1850" + Blanks(5) + "1850" + Blanks(5) + "1850\r\n" + "(  5) " + kRuiz +
      " " + Padded("Alzira", 15) + "   C" + Blanks(10) + Blanks(4) + Blanks(5) + Blanks(4) + Blanks(5) +
      "1500\r\n" +
      // Five lines: the rule after the fifth is the closing one.
      "<HR>\r\n</pre>" + kHandFooter;
  EXPECT_EQ(t.Page("Zendral.htm"), expected);
  ASSERT_EQ(t.dialogs.opened.size(), 1u);
  EXPECT_EQ(t.dialogs.opened[0], t.folder.file("Zendral.htm"));
}

struct PairingCase {
  const char* name;
  int round;
  bool with_results;
  std::string heading;
  std::string lines;
};

class PairingList : public ::testing::TestWithParam<PairingCase> {};

TEST_P(PairingList, BoardsInBoardOrderWithThePointsBeforeTheRound) {
  const PairingCase& c = GetParam();
  HandTournament t;
  ASSERT_TRUE(LISHTMPAREO(t.state, c.round, "zendral", c.with_results, /*open_afterwards=*/true));
  const std::string expected = kHandHead + "<p class=\"updated\">" + c.heading + "<BR>\r\n<HR>\r\n<pre>Mesa" +
                               Blanks(10) + "Blancas" + Blanks(37) + "Negras" + Blanks(35) + "Rdo<HR>\r\n" +
                               c.lines + "<HR>\r\n</pre>" + kHandFooter;
  EXPECT_EQ(t.Page("zendral.htm"), expected);
  EXPECT_EQ(t.state.NRONDASEL, c.round - 1);
  EXPECT_TRUE(t.dialogs.stops.empty());
  EXPECT_EQ(t.dialogs.opened.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    HandTournament, PairingList,
    ::testing::Values(
        // Round 2 with results: the bye board says BYE and keeps its stored code; a forfeit's
        // code goes out as stored.
        PairingCase{"ByeAndForfeitWithResults", 2, true, "Resultados de la 2\xAA ronda",
                    "  1" + Blanks(5) + "(  2) " + kPena + "(0.5) - (  1) " + kGarcia + "(1.0)" + Blanks(5) +
                        " 0-1\r\n" + "  2" + Blanks(5) + "(  3) " + kLopez + "(0.0) - (  5) " + kRuiz +
                        "(1.0)" + Blanks(5) + "i0-1\r\n" + "  3" + Blanks(5) + "(  4) " + kMartin +
                        "(0.5) - BYE" + Blanks(38) + Blanks(5) + " 1-0\r\n"},
        // Round 3 without results: board 1 is unused and takes no line; the others keep
        // their own board numbers.
        PairingCase{"UnusedBoardWithoutResults", 3, false, "Emparejamiento de la 3\xAA ronda",
                    "  2" + Blanks(5) + "(  5) " + kRuiz + "(2.0) - (  1) " + kGarcia + "(2.0)\r\n" + "  3" +
                        Blanks(5) + "(  4) " + kMartin + "(1.5) - (  3) " + kLopez + "(0.0)\r\n"}),
    [](const ::testing::TestParamInfo<PairingCase>& info) { return std::string(info.param.name); });

TEST(PairingList, PlayerTableLockedByAnotherProgramWritesNothing) {
  HandTournament t;
  // Opened exclusively the table cannot be locked by anyone else; shared, another program
  // holding one of its records refuses the whole-table lock.
  ASSERT_TRUE(t.state.workspace.Use(t.folder.file("cuAB.dbf"), "cuadro", /*shared=*/true).ok());
  const int other = open(t.folder.file("cuAB.dbf").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_TRUE(storage::TryLockRange(other, storage::kRecordBase + 1, 1, storage::LockKind::kWrite));
  EXPECT_FALSE(LISHTMPAREO(t.state, 2, "zendral", true, true));
  close(other);
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("zendral.htm")));
  EXPECT_EQ(t.dialogs.infos,
            (std::vector<std::string>{"El Cuadro de jugadores est\xE1 siendo utiliado por otro programa\r\n"
                                      "No se puede hacer el listado"}));
  EXPECT_TRUE(t.dialogs.opened.empty());
}

TEST(PairingList, PageThatCannotBeSavedIsReportedAndNotOpened) {
  HandTournament t;
  std::filesystem::create_directory(t.folder.file("zendral.htm"));  // a folder where the page should go
  EXPECT_FALSE(LISHTMPAREO(t.state, 2, "zendral", true, true));
  ASSERT_EQ(t.dialogs.stops.size(), 1u);
  EXPECT_NE(t.dialogs.stops[0].find(t.folder.file("zendral.htm")), std::string::npos) << t.dialogs.stops[0];
  EXPECT_TRUE(t.dialogs.opened.empty());
}

TEST(ScoreGroups, RoundOneListsEveryActivePlayerWithoutHistoryOrRules) {
  HandTournament t;
  ASSERT_TRUE(LISHTMGP(t.state, 1));
  const std::string tail = "   0.0" + Blanks(9) + "|\r\n";
  const std::string expected =
      kHandHead + "<p class=\"updated\">Gupos de puntuaci\xF3n de la 1\xAA ronda<BR>\r\n" +
      "<HR>\r\n<pre>   #  Jugador" + Blanks(24) + "Puntos\r\n" + "(  1) " + kGarcia + tail + "(  3) " +
      kLopez + tail + "(  4) " + kMartin + tail + "(  5) " + kRuiz + tail + "<HR>\r\n</pre>" + kHandFooter;
  EXPECT_EQ(t.Page("zendral.htm"), expected);
  EXPECT_EQ(t.state.NRONDASEL, 1);
  ASSERT_EQ(t.dialogs.infos.size(), 1u);
  EXPECT_EQ(t.dialogs.infos[0], "Fichero Zendral.htm con grupos de puntuaci\xF3n creado");
  ASSERT_EQ(t.dialogs.opened.size(), 1u);
  EXPECT_EQ(t.dialogs.opened[0], t.folder.file("zendral.htm"));
}

TEST(ScoreGroups, RoundThreeGroupsByPointsWithHistoryAndColourSummary) {
  HandTournament t;
  ASSERT_TRUE(LISHTMGP(t.state, 3));
  const std::string expected =
      kHandHead + "<p class=\"updated\">Gupos de puntuaci\xF3n de la 3\xAA ronda<BR>\r\n" +
      "<HR>\r\n<pre>   #  Jugador" + Blanks(24) + "Puntos  1\xAAR    2\xAAR\r\n" +
      // 2.0: player 1 (white then black: left of the bar, last black), player 5 (a bye and a
      // forfeit win: no colour at all). Withdrawn player 2 is absent.
      "<HR>\r\n" +
      // items per round: opponent in 3, colour, result, forfeit mark, float mark; then the
      // summary: star, black surplus, number if black-leaning, " |", number if white-leaning,
      // white surplus, star.
      "(  1) " + kGarcia + "  " + " 2.0" + "  " + "  3b+  " + "  2n+ v" + " " + "  " + "  1" + " |\r\n" +
      "(  5) " + kRuiz + "  " + " 2.0" + "  " + "   d+  " + "  3n+iv" + " " + "  " + "   " + " |\r\n" +
      "<HR>\r\n" + "(  4) " + kMartin + "  " + " 1.5" + "  " + "  2b=  " + "   d+  " + " " + "  " + "   " +
      " |" + "  4" + "+\r\n" + "<HR>\r\n" +
      // The forfeit in round 2 counts for no colour: one black game, one more than white.
      "(  3) " + kLopez + "  " + " 0.0" + "  " + "  1n-  " + "  5b-i^" + " " + " +" + "  3" + " |\r\n" +
      "<HR>\r\n</pre>" + kHandFooter;
  EXPECT_EQ(t.Page("zendral.htm"), expected);
  EXPECT_EQ(t.state.NRONDASEL, 3);
}

TEST(ScoreGroups, OrderDoesNotStayAttachedToThePlayerTable) {
  HandTournament t;
  ASSERT_TRUE(LISHTMGP(t.state, 3));
  storage::Table& cuadro = t.cuadro();
  EXPECT_EQ(cuadro.ControllingIndex(), nullptr);
  std::vector<int> numbers;
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip())
    numbers.push_back(static_cast<int>(cuadro.GetNumber("NUM")));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5}));
}

struct SummaryCase {
  const char* name;
  std::vector<ScoreGroupRound> rounds;
  std::string expected_tail;  // after "(  7) " + name + "  " + points + "  "
};

class ScoreGroupLine : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(ScoreGroupLine, ColourSummaryFollowsTheGamesPlayed) {
  const SummaryCase& c = GetParam();
  ScoreGroupPlayer player;
  player.num = 7;
  player.jug = "X";
  player.ptos = 1.5;
  player.rounds = c.rounds;
  const int round = static_cast<int>(c.rounds.size()) + 1;
  EXPECT_EQ(PROCLINGP(player, round), "(  7) X   1.5  " + c.expected_tail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreGroupLine,
    ::testing::Values(
        // Black twice: two more black games, number left of the bar, a star for the run.
        SummaryCase{"BlackTwice",
                    {{3, 'N', '1', ' ', ' '}, {9, 'n', '\xAB', ' ', '^'}},
                    "  3n+  "
                    "  9n= ^"
                    "*"
                    "++"
                    "  7"
                    " |"
                    "   "
                    "  "
                    " "},
        // White twice: the mirror image.
        SummaryCase{"WhiteTwice",
                    {{3, 'B', '0', ' ', ' '}, {9, 'B', '1', ' ', 'v'}},
                    "  3b-  "
                    "  9b+ v"
                    " "
                    "  "
                    "   "
                    " |"
                    "  7"
                    "++"
                    "*"},
        // Equal games, the last one white: right of the bar, no surplus, no star.
        SummaryCase{"EqualLastWhite",
                    {{3, 'N', '1', ' ', ' '}, {9, 'B', '0', ' ', ' '}},
                    "  3n+  "
                    "  9b-  "
                    " "
                    "  "
                    "   "
                    " |"
                    "  7"
                    "  "
                    " "},
        // Equal games, the last one black: left of the bar.
        SummaryCase{"EqualLastBlack",
                    {{3, 'B', '1', ' ', ' '}, {9, 'N', '0', ' ', ' '}},
                    "  3b+  "
                    "  9n-  "
                    " "
                    "  "
                    "  7"
                    " |"
                    "   "
                    "  "
                    " "},
        // A forfeit after a black game: listed, but the player still has one black surplus.
        SummaryCase{"ForfeitDoesNotCount",
                    {{3, 'N', '1', ' ', ' '}, {9, 'B', '1', 'i', ' '}},
                    "  3n+  "
                    "  9b+i "
                    " "
                    " +"
                    "  7"
                    " |"
                    "   "
                    "  "
                    " "},
        // A bye is listed with its colour "d" and counts for no colour.
        SummaryCase{"ByeCountsForNoColour",
                    {{0, 'D', '1', ' ', ' '}, {5, 'N', '0', ' ', ' '}},
                    "   d+  "
                    "  5n-  "
                    " "
                    " +"
                    "  7"
                    " |"
                    "   "
                    "  "
                    " "},
        // One round: no star position is ever used.
        SummaryCase{"OneBlackGame",
                    {{4, 'N', '0', ' ', ' '}},
                    "  4n-  "
                    " "
                    " +"
                    "  7"
                    " |"
                    "   "
                    "  "
                    " "}),
    [](const ::testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace movarel::reports
