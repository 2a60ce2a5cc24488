#include "reports/standings_report.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "report_test_support.h"
#include "small_tournament.h"
#include "storage/file_lock.h"

namespace movarel::reports {
namespace {

using testing::ReadBytes;
using testing::SmallTournament;

std::string B(int blanks) { return std::string(static_cast<size_t>(blanks), ' '); }

const std::string kHead =
    "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>Abierto de Sueca</TITLE><link rel=\"stylesheet\" href=\"zendral.css\" "
    "type=\"text/css\">"
    "</HEAD><BODY>\r\n<H1 Align=Center>Abierto de Sueca</H1>"
    "<H2 Align=Center>Sueca, del 01-07-2024 al 03-07-2024</H2><BR>\r\n";
const std::string kTail =
    "</pre><table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td class=\"pie\">"
    "Club d'Escacs Sueca</td><td class=\"pie\"><div align=\"right\">J. Marti</div></td></tr></table>"
    "<center>Movarel v3.0-beta3 - <a href=https://www.movarel.example>www.movarel.example</a></center>"
    "</BODY></HTML>";

// Place, number, name (30 + 1), club (15 + 1), category (1 + 3), FIDE (4 + 1), points (4 + 1),
// per round opponent (3), colour, result, forfeit; BUC_T (6), ELO_M (1 + 6), slot 3 blank
// (6), rating variation (6).
const std::string kHeader = B(5) + "   # " + "Jugador" + B(24) + "Procedencia     " + "Cat " + "FIDE " +
                            "Ptos " + " 1\xAAR  " + " 2\xAAR  " + " 3\xAAR  " + " BUC_T" + "  ELO_M" + B(6) +
                            "  +ELO";

// Each player's line without its place and points, cut there: the columns before the points
// and those after them, worked out by hand from the tournament's results.
struct HandLine {
  std::string before_points;
  std::string points;
  std::string after_points;
};
const HandLine kPlayer[7] = {
    {},
    {"(  1)GARCIA, ANA" + B(20) + "Club &lt;A&amp;B&gt;" + B(6) + "A   " + "2100 ", " 1.5 ",
     "  4b+ "
     "  2n= "
     "  5b- "
     "   4.0"
     " 1750.0" +
         B(6) + "   0.0"},
    {"(  2)LOPEZ, LUIS" + B(20) + "Sueca" + B(11) + "    " + B(5), " 1.5 ",
     "  5n+ "
     "  1b= "
     "  3n-i"
     "   4.5"
     " 1850.0" +
         B(6) + "   0.0"},
    {"(  3)MU\xD1OZ, PEPE" + B(20) + "Valencia" + B(8) + "B   " + "1950 ", " 0.5 ",
     "  6b= "
     "  4n-i"
     "  2b-i"
     "   4.5"
     " 1600.0" +
         B(6) + "   0.0"},
    {"(  4)PEREZ, EVA" + B(21) + B(16) + "C   " + B(5), " 1.0 ",
     "  1n- "
     "  3b+i"
     "  6n- "
     "   5.0"
     " 1800.0" +
         B(6) + "   0.0"},
    {"(  5)RUIZ, JOSE" + B(21) + "Alzira" + B(10) + "A   " + "1700 ", " 2.0 ",
     "  2b- "
     "   d+ "
     "  1n+ "
     "   5.0"
     " 1900.0" +
         B(6) + "   0.0"},
    {"(  6)SANZ, MARIA" + B(20) + "Gandia" + B(10) + "S   " + "1650 ", " 1.5 ",
     "  3n= " + B(6) +
         "  4b+ "
         "   3.5"
         " 1900.0" +
         B(6) + "   0.0"},
};
const std::string kDitto = "  \"  ";

std::string Line(const std::string& place, int player, bool ditto) {
  const HandLine& line = kPlayer[player];
  return place + line.before_points + (ditto ? kDitto : line.points) + line.after_points + "\r\n";
}

class StandingsReportTest : public ::testing::Test {
 protected:
  SmallTournament t;
};

TEST_F(StandingsReportTest, StandingsPageAfterTheLastRoundHoldsTheHandWorkedBytes) {
  ASSERT_TRUE(LISHTMCLAS(t.state, 3, "zendral", true));
  // Points equal to the line above print as a ditto; every line keeps its own place number.
  const std::string expected = kHead + "<p class=\"updated\">Clasificaci\xF3n final<BR>\r\n<HR>\r\n<pre>" +
                               kHeader + "\r\n<HR>\r\n" + Line("  1. ", 5, false) + Line("  2. ", 2, false) +
                               Line("  3. ", 1, true) + Line("  4. ", 6, true) + Line("  5. ", 4, false) +
                               "<HR>\r\n" + Line("  6. ", 3, false) + "<HR>\r\n" + kTail;
  EXPECT_EQ(ReadBytes(t.folder.file("zendral.htm")), expected);
  ASSERT_EQ(t.dialogs.opened.size(), 1u);
  EXPECT_EQ(std::filesystem::weakly_canonical(t.dialogs.opened[0]),
            std::filesystem::weakly_canonical(t.folder.file("zendral.htm")));
  EXPECT_TRUE(t.dialogs.stops.empty());
  EXPECT_TRUE(t.dialogs.infos.empty());
  // The third slot that printed blanks still holds an unused system's name in the list.
  EXPECT_FALSE(t.state.ADESEMPATES[2].empty());
  // The standings order does not stay attached: the player table walks in number order again.
  t.cuadro->GoTop();
  EXPECT_EQ(t.cuadro->RecNo(), 1u);
}

TEST_F(StandingsReportTest, CrosstableListsPlayersByNumberWithEveryPointsValue) {
  ASSERT_TRUE(LISHTMCU(t.state, 3, "zdabcu", false));
  const std::string expected = kHead + "<p class=\"updated\">Cuadro del torneo<BR>\r\n<HR>\r\n<pre>" +
                               kHeader + "\r\n<HR>\r\n" + Line("  1. ", 1, false) + Line("  2. ", 2, false) +
                               Line("  3. ", 3, false) + Line("  4. ", 4, false) + Line("  5. ", 5, false) +
                               "<HR>\r\n" + Line("  6. ", 6, false) + "<HR>\r\n" + kTail;
  EXPECT_EQ(ReadBytes(t.folder.file("zdabcu.htm")), expected);
  EXPECT_TRUE(t.dialogs.opened.empty());
}

TEST_F(StandingsReportTest, EarlierRoundNamesTheRoundAndCountsOnlyItsRounds) {
  ASSERT_TRUE(LISHTMCLAS(t.state, 2, "zdabc2", false));
  ASSERT_TRUE(LISHTMCU(t.state, 2, "zdabcu2", false));
  const std::string header2 = B(5) + "   # " + "Jugador" + B(24) + "Procedencia     " + "Cat " + "FIDE " +
                              "Ptos " + " 1\xAAR  " + " 2\xAAR  " + " BUC_T" + "  ELO_M" + B(6) + "  +ELO";
  const std::string standings = ReadBytes(t.folder.file("zdabc2.htm"));
  EXPECT_NE(standings.find("<p class=\"updated\">Clasificaci\xF3n tras la 2\xAA ronda<BR>\r\n<HR>\r\n<pre>" +
                           header2 + "\r\n<HR>\r\n"),
            std::string::npos);
  // After two rounds players 2 and 1 share 1.5 and total Buchholz 2.0 (the absent opponent
  // counts R / 2 = 1); the opponents' average puts 2 (1850) ahead of 1 (1800, one rated opponent).
  EXPECT_NE(standings.find("  1. (  2)LOPEZ, LUIS" + B(20) + "Sueca" + B(11) + "    " + B(5) + " 1.5 " +
                           "  5n+   1b= " + "   2.0 1850.0" + B(6) + "   0.0\r\n" + "  2. (  1)GARCIA, ANA" +
                           B(20) + "Club &lt;A&amp;B&gt;" + B(6) + "A   2100 " + "  \"  " +
                           "  4b+   2n= " + "   2.0 1800.0" + B(6) + "   0.0\r\n"),
            std::string::npos);
  const std::string crosstable = ReadBytes(t.folder.file("zdabcu2.htm"));
  EXPECT_NE(crosstable.find("<p class=\"updated\">Cuadro del torneo tras la 2\xAA ronda<BR>\r\n"),
            std::string::npos);
}

TEST_F(StandingsReportTest, ColumnsSwitchedOffLeaveNoTraceInHeaderOrLines) {
  // Only the name and the points; no round columns, no tie-breaks, no rating variation.
  t.WriteColumns({false, true, false, false, true, false, false, false, false, false, false, false, false,
                  false, false, false},
                 {" ", " ", " ", " ", " ", "j", "c", "p", "i", "f", " ", " ", " ", " ", " ", " "});
  ASSERT_TRUE(LISHTMCLAS(t.state, 3, "zendral", false));
  const std::string page = ReadBytes(t.folder.file("zendral.htm"));
  const std::string body = "<pre>" + B(5) + "Jugador" + B(24) + "Cat Ptos\r\n<HR>\r\n" + "  1. RUIZ, JOSE" +
                           B(21) + "A    2.0\r\n" + "  2. LOPEZ, LUIS" + B(20) + "     1.5\r\n" +
                           "  3. GARCIA, ANA" + B(20) + "A     \"\r\n";
  EXPECT_NE(page.find(body), std::string::npos) << page;
}

TEST_F(StandingsReportTest, MissingColumnTableIsNamedAndNoPageIsWritten) {
  std::filesystem::remove(t.folder.file("cclas.dbf"));
  EXPECT_FALSE(LISHTMCLAS(t.state, 3, "zendral", true));
  ASSERT_EQ(t.dialogs.stops.size(), 1u);
  EXPECT_NE(t.dialogs.stops[0].find("cclas.dbf"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("zendral.htm")));
  EXPECT_TRUE(t.dialogs.opened.empty());
}

TEST_F(StandingsReportTest, PageThatCannotBeWrittenIsNamedAndNotOpened) {
  // A folder where the page should go: the save is refused.
  std::filesystem::create_directory(t.folder.file("zendral.htm"));
  EXPECT_FALSE(LISHTMCU(t.state, 3, "zendral", true));
  ASSERT_EQ(t.dialogs.stops.size(), 1u);
  EXPECT_NE(t.dialogs.stops[0].find("zendral.htm"), std::string::npos);
  EXPECT_TRUE(t.dialogs.opened.empty());
  EXPECT_TRUE(t.dialogs.infos.empty());
}

TEST_F(StandingsReportTest, PlayerTableLockedByAnotherProgramStopsBeforeAnythingIsWritten) {
  // Shared, the player table cannot be locked whole while another program holds a record.
  ASSERT_TRUE(t.state.workspace.Use(t.folder.file("cuAB.dbf"), "cuadro", /*shared=*/true).ok());
  const int other = open(t.folder.file("cuAB.dbf").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_TRUE(storage::TryLockRange(other, storage::kRecordBase + 1, 1, storage::LockKind::kWrite));
  EXPECT_FALSE(LISHTMCLAS(t.state, 3, "zendral", true));
  close(other);
  EXPECT_EQ(t.dialogs.infos,
            (std::vector<std::string>{"El Cuadro de jugadores est\xE1 siendo utiliado por otro "
                                      "programa\r\nNo se puede hacer el listado"}));
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("zendral.htm")));
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("suclas.tmp")));
  EXPECT_TRUE(t.dialogs.opened.empty());
}

// The road through the real program: the tournament opened from the menu, each listing asked
// for from the "&Listados" menu with the round chooser, the page handed to the browser.
class StandingsMenuScript : public StandingsReportTest {
 protected:
  std::string Run(const std::string& script) {
    t.state.workspace.CloseAll();
    std::filesystem::create_directories(t.folder.file("windows"));
    std::ofstream(t.folder.file("session.script"), std::ios::binary) << script;
    const int raw = std::system(("cd '" + t.folder.path() + "' && env MOVAREL_WINDOWS_DIR='" +
                                 t.folder.path() + "/windows' HOME='" + t.folder.path() +
                                 "' '" MOVAREL_BINARY "' --script session.script >transcript.txt 2>/dev/null")
                                    .c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    return ReadBytes(t.folder.file("transcript.txt"));
  }
};

TEST_F(StandingsMenuScript, StandingsOfAChosenRoundAndTheCrosstableOpenInTheBrowser) {
  const std::string open = "menu \"&Torneo\" \"&Elegir torneo\"\nfile cuAB.dbf\n";
  std::string transcript = Run(open + "menu mnuLisHtmC\nform FrmElegRda\nset cbxRdas 2\nclick btnOk\nquit\n");
  const std::string page = std::filesystem::weakly_canonical(t.folder.file("zendral.htm")).string();
  EXPECT_NE(transcript.find("FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\nOPEN|" + page + "\n"),
            std::string::npos)
      << transcript;
  EXPECT_NE(ReadBytes(page).find("<p class=\"updated\">Clasificaci\xF3n tras la 2\xAA ronda<BR>"),
            std::string::npos);

  // The chooser starts on the current round, the last one.
  transcript = Run(open + "menu mnuLisHtmCu\nform FrmElegRda\nclick btnOk\nquit\n");
  EXPECT_NE(transcript.find("RELEASE|FrmElegRda\nOPEN|" + page + "\n"), std::string::npos) << transcript;
  const std::string expected = kHead + "<p class=\"updated\">Cuadro del torneo<BR>\r\n<HR>\r\n<pre>" +
                               kHeader + "\r\n<HR>\r\n" + Line("  1. ", 1, false) + Line("  2. ", 2, false) +
                               Line("  3. ", 3, false) + Line("  4. ", 4, false) + Line("  5. ", 5, false) +
                               "<HR>\r\n" + Line("  6. ", 6, false) + "<HR>\r\n" + kTail;
  EXPECT_EQ(ReadBytes(page), expected);
}

}  // namespace
}  // namespace movarel::reports
