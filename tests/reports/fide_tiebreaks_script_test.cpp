// FIDE tie-breaks chosen from the "&Configurar" menu and shown in the standings and the
// crosstable, through the real program (headless and through the real windows), on the
// hand-worked six-player tournament. Under the 2024 rules (it started on 1 July 2024):
//
//   player  pts  BH/C1  WIN   (BH/C1: 1 cuts Dorn-like 1.0; 2 and 6 lose their voluntary
//     1     1.5   3.5    1     unplayed round first, 2's forfeit dummy 1.5, 6's absence 1.5;
//     2     1.5   3.5    1     3 loses one of its two forfeit dummies 0.5; 4 and 5 their
//     3     0.5   2.0    0     lowest 1.0 and 1.5)
//     4     1.0   3.0    1
//     5     2.0   3.5    2
//     6     1.5   1.5    1
//
// With "BH/C1,DE,WIN": 5 first on points; 1 and 2 equal on BH/C1, drew their game (DE 0
// for both) and have one win each: they share 2-3; 6 fourth, 4 fifth, 3 sixth.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hand_tournament.h"
#include "report_test_support.h"
#include "reports/tournament_pages.h"
#include "small_tournament.h"
#include "support/program_session.h"

namespace movarel::reports {
namespace {

using testing::ReadBytes;

std::vector<std::string> PageLines(const std::string& page) {
  std::vector<std::string> lines;
  const size_t start = page.find("<pre>");
  const size_t end = page.find("</pre>");
  if (start == std::string::npos || end == std::string::npos) return lines;
  const std::string body = page.substr(start + 5, end - start - 5);
  for (size_t at = 0; at < body.size();) {
    size_t next = body.find("\r\n", at);
    if (next == std::string::npos) next = body.size();
    const std::string line = body.substr(at, next - at);
    if (!line.empty() && line != "<HR>") lines.push_back(line);
    at = next + 2;
  }
  return lines;
}

class FideTieBreaksScript : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam() && !movarel::testing::CanRunWindowed()) GTEST_SKIP() << "no windows or no virtual display";
  }
  movarel::testing::ScriptRun Run(const std::string& script) {
    t.state.workspace.CloseAll();
    return movarel::testing::RunScriptIn(t.folder.path(), t.folder.file("windows"), script, GetParam());
  }
  std::string Page() const { return ReadBytes(t.folder.file("zendral.htm")); }

  static constexpr char kOpen[] = "menu \"&Torneo\" \"&Elegir torneo\"\nfile cuAB.dbf\n";
  static constexpr char kStandings[] = "menu mnuLisHtmC\nform FrmElegRda\nclick btnOk\n";
  testing::SmallTournament t;
};

TEST_P(FideTieBreaksScript, ChosenListGivesItsColumnsAndSharedPlacesAndClassicalComesBackUnchanged) {
  movarel::testing::ScriptRun run = Run(std::string(kOpen) + kStandings + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::string classical = Page();

  run = Run(std::string(kOpen) +
            "menu mnuCfgDsFide\nform FrmCfgDsFide\nset rdgSistema 2\n"
            // A wrong list is named and the dialog stays open.
            "set txtDsFide BH/C1,SB/M1\nclick btnDsFideGrabar\n"
            "set txtDsFide bh/c1, de ,WIN\nclick btnDsFideGrabar\n" +
            kStandings + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("FORM|FrmCfgDsFide|Desempates FIDE de este torneo\n"
                                "STOP||El modificador /M1 no vale para SB\n"
                                "RELEASE|FrmCfgDsFide\n"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(ReadBytes(t.folder.file("dsAB.fid")), "BH/C1,DE,WIN\r\n");

  const std::vector<std::string> lines = PageLines(Page());
  ASSERT_EQ(lines.size(), 7u) << Page();
  // Header: the place column, then the FIDE codes right-aligned over their values.
  EXPECT_EQ(lines[0].substr(0, 5), "     ");
  EXPECT_TRUE(lines[0].ends_with(" BH/C1 DE WIN  +ELO")) << lines[0];
  // Place, number ... and the FIDE values before the rating variation.
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"  1. (  5)", "   3.5  -   2   0.0"}, {"2-3. (  1)", "   3.5  0   1   0.0"},
      {"2-3. (  2)", "   3.5  0   1   0.0"}, {"  4. (  6)", "   1.5  -   1   0.0"},
      {"  5. (  4)", "   3.0  -   1   0.0"}, {"  6. (  3)", "   2.0  -   0   0.0"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(lines[i + 1].starts_with(expected[i].first)) << lines[i + 1];
    EXPECT_TRUE(lines[i + 1].ends_with(expected[i].second)) << lines[i + 1];
  }

  // The crosstable keeps player-number order and shows the same values.
  run = Run(std::string(kOpen) + "menu mnuLisHtmCu\nform FrmElegRda\nclick btnOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::vector<std::string> cross = PageLines(Page());
  ASSERT_EQ(cross.size(), 7u);
  EXPECT_TRUE(cross[1].starts_with("  1. (  1)")) << cross[1];
  EXPECT_TRUE(cross[1].ends_with("   3.5  0   1   0.0")) << cross[1];
  EXPECT_TRUE(cross[6].ends_with("   1.5  -   1   0.0")) << cross[6];

  // Back to the classical systems: the file goes and the page is today's, byte for byte.
  run = Run(std::string(kOpen) + "menu mnuCfgDsFide\nform FrmCfgDsFide\nset rdgSistema 1\nclick btnDsFideGrabar\n" +
            kStandings + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("dsAB.fid")));
  EXPECT_EQ(Page(), classical);
}

// The full tournament pages write the same listings for every round. The hand tournament
// after round 3 on "WIN": 1, 4 and 5 have 2.5 points and two wins each (4's bye and 5's bye
// and forfeit win count): they share 1-3; 2 (withdrawn, 0.5) is fourth, 3 fifth.
TEST(FideTournamentPages, EveryRoundsStandingsShowsTheFideColumnsAndSharedPlaces) {
  testing::HandTournament t;
  movarel::testing::WriteBytes(t.folder.file("dsAB.fid"), "WIN\r\n");
  ASSERT_TRUE(LISHTMPAG(t.state));
  const std::vector<std::string> lines = PageLines(t.Page("zdabc3.htm"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_NE(lines[0].find(" WIN"), std::string::npos) << lines[0];
  const std::vector<std::string> places = {"1-3. ", "1-3. ", "1-3. ", "  4. ", "  5. "};
  for (size_t i = 0; i < places.size(); ++i) EXPECT_TRUE(lines[i + 1].starts_with(places[i])) << lines[i + 1];
  EXPECT_NE(PageLines(t.Page("zdabcu.htm")).at(0).find(" WIN"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, FideTieBreaksScript, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Windowed" : "Headless"; });

}  // namespace
}  // namespace movarel::reports
