// The pages as a browser shows them: headless Chromium reads the pages written by the program
// and the rendered text must carry the Spanish letters, show names as text rather than
// markup, and keep the columns of the fixed-width listings aligned.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "hand_tournament.h"
#include "reports/pairing_report.h"
#include "reports/score_groups_report.h"
#include "reports/seeding_report.h"
#include "reports/standings_report.h"
#include "reports/tournament_list.h"
#include "reports/tournament_pages.h"
#include "small_tournament.h"
#include "support/program_session.h"

namespace movarel::reports {
namespace {

constexpr char kChromium[] = "/usr/bin/chromium";

std::string RenderedDom(const std::string& page, const std::string& profile) {
  const std::string command = std::string(kChromium) +
                              " --headless --no-sandbox --disable-gpu --no-first-run"
                              " --disable-background-networking --disable-component-update --disable-sync"
                              " --user-data-dir='" +
                              profile + "' --dump-dom 'file://" + page + "' 2>/dev/null";
  return movarel::testing::CommandOutput(command);
}

// Characters, not bytes, of UTF-8 text with the serialiser's entities read back.
size_t RenderedWidth(std::string text) {
  for (const auto& [entity, c] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, entity.size(), c);
    }
  }
  size_t width = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++width;
  }
  return width;
}


// The lines of the first fixed-width block, rules left out.
std::vector<std::string> PreLines(const std::string& dom) {
  std::vector<std::string> lines;
  const size_t pre = dom.find("<pre>");
  const size_t end = dom.find("</pre>");
  if (pre == std::string::npos || end == std::string::npos || end < pre) return lines;
  std::string rest = dom.substr(pre + 5, end - pre - 5);
  for (size_t hr = rest.find("<hr>"); hr != std::string::npos; hr = rest.find("<hr>")) rest.erase(hr, 4);
  for (size_t start = 0; start < rest.size();) {
    size_t eol = rest.find('\n', start);
    if (eol == std::string::npos) eol = rest.size();
    if (eol > start) lines.push_back(rest.substr(start, eol - start));
    start = eol + 1;
  }
  return lines;
}

// The column where `marker` starts on each line that holds it, in characters.
std::vector<size_t> ColumnsOf(const std::vector<std::string>& lines, const std::string& marker) {
  std::vector<size_t> columns;
  for (const std::string& line : lines) {
    const size_t at = line.find(marker);
    if (at != std::string::npos) columns.push_back(RenderedWidth(line.substr(0, at)));
  }
  return columns;
}

TEST(RenderedPage, StandingsShowSpanishLettersAndAlignedColumnsInChromium) {
  if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "chromium is not installed";
  testing::SmallTournament t;
  ASSERT_TRUE(LISHTMCLAS(t.state, 3, "zendral", false));
  const std::string profile = t.folder.file("chromium-profile");
  std::filesystem::create_directories(profile);

  const std::string dom = RenderedDom(t.folder.file("zendral.htm"), profile);
  ASSERT_FALSE(dom.empty()) << "chromium rendered nothing";
  EXPECT_NE(dom.find("Clasificaci\xC3\xB3n final"), std::string::npos) << dom;
  EXPECT_NE(dom.find("MU\xC3\x91OZ, PEPE"), std::string::npos);
  // The club "Club <A&B>" is text, not markup.
  EXPECT_NE(dom.find("Club &lt;A&amp;B&gt;"), std::string::npos);
  // The category stands under "Cat", the rating under "FIDE".
  const std::vector<std::string> table = PreLines(dom);
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(ColumnsOf(table, "A   2100"), ColumnsOf(table, "Cat")) << table[0];

  const std::vector<std::string> lines = PreLines(dom);
  ASSERT_EQ(lines.size(), 7u);  // the header and six players
  const size_t header_width = RenderedWidth(lines[0]);
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(RenderedWidth(lines[i]), header_width) << lines[i];
  }
}

// The other pages of the hand-checked tournament, each rendered the same way.
class RenderedHandPages : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "chromium is not installed";
    profile_ = t_.folder.file("chromium-profile");
    std::filesystem::create_directories(profile_);
  }
  std::string Render(const std::string& page) {
    const std::string dom = RenderedDom(t_.folder.file(page), profile_);
    EXPECT_FALSE(dom.empty()) << "chromium rendered nothing of " << page;
    return dom;
  }

  testing::HandTournament t_;
  std::string profile_;
};

TEST_F(RenderedHandPages, SeedingOrderAndCrosstable) {
  ASSERT_TRUE(LISHTMOF(t_.state, "orden", false));
  std::string dom = Render("orden.htm");
  std::vector<std::string> lines = PreLines(dom);
  ASSERT_EQ(lines.size(), 6u);  // the header and five players
  EXPECT_NE(dom.find("Garc\xC3\xAD" "a, Ana"), std::string::npos) << dom;
  EXPECT_NE(dom.find("&lt;Club&gt; Uno"), std::string::npos) << dom;
  // The ratings stand in one column, whatever letters the names before them hold.
  EXPECT_EQ(ColumnsOf(lines, "2100"), std::vector<size_t>(1, ColumnsOf(lines, "1900")[0]));
  for (size_t i = 2; i < lines.size(); ++i) EXPECT_EQ(RenderedWidth(lines[i]), RenderedWidth(lines[1])) << lines[i];

  ASSERT_TRUE(LISHTMCU(t_.state, 3, "cuadro", false));
  dom = Render("cuadro.htm");
  EXPECT_NE(dom.find("Cuadro del torneo"), std::string::npos) << dom;
  lines = PreLines(dom);
  ASSERT_EQ(lines.size(), 6u);
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(RenderedWidth(lines[i]), RenderedWidth(lines[0])) << lines[i];
}

TEST_F(RenderedHandPages, PairingListWithResultsAndScoreGroups) {
  ASSERT_TRUE(LISHTMPAREO(t_.state, 1, "mesas", true, false));
  std::string dom = Render("mesas.htm");
  EXPECT_NE(dom.find("L\xC3\xB3pez, Luis"), std::string::npos) << dom;
  EXPECT_NE(dom.find("Pe\xC3\xB1" "a &amp; Hijos"), std::string::npos) << dom;
  std::vector<std::string> lines = PreLines(dom);
  ASSERT_GE(lines.size(), 3u);
  // The draw's half sign is one character wide, so every board's result ends where the
  // others end, the bye's too, under "Rdo".
  EXPECT_NE(dom.find("\xC2\xBD-\xC2\xBD"), std::string::npos) << dom;
  std::vector<size_t> widths;
  for (const std::string& line : lines) {
    if (line.find(") - (") != std::string::npos || line.find(" - BYE") != std::string::npos) {
      widths.push_back(RenderedWidth(line));
    }
  }
  ASSERT_EQ(widths.size(), 3u);
  EXPECT_EQ(widths[0], widths[1]);
  EXPECT_EQ(widths[2], widths[0]);
  EXPECT_EQ(ColumnsOf(lines, "1-0").back(), ColumnsOf(lines, "Rdo")[0]);

  ASSERT_TRUE(LISHTMGP(t_.state, 3));
  dom = Render("zendral.htm");
  EXPECT_NE(dom.find("Gupos de puntuaci\xC3\xB3n de la 3"), std::string::npos) << dom;
  lines = PreLines(dom);
  ASSERT_GE(lines.size(), 2u);
  // Each player's points stand under the header's "Puntos".
  const std::vector<size_t> points = ColumnsOf(lines, "Puntos");
  ASSERT_EQ(points.size(), 1u);
  for (const std::string& line : lines) {
    if (line.find("Mart\xC3\xADn") != std::string::npos || line.find("L\xC3\xB3pez") != std::string::npos) {
      EXPECT_GT(RenderedWidth(line), points[0]) << line;
    }
  }
}

TEST_F(RenderedHandPages, FullTournamentPagesIndexLinksEveryPage) {
  ASSERT_TRUE(LISHTMPAG(t_.state));
  const std::string dom = Render("zdab.htm");
  for (const char* link : {"zdabof.htm", "zdabr1.htm", "zdabc1.htm", "zdabcu.htm"}) {
    EXPECT_NE(dom.find(std::string("href=\"") + link + "\""), std::string::npos) << link << "\n" << dom;
  }
  // Every page it links renders too, with the tournament's Spanish heading.
  for (const char* page : {"zdabof.htm", "zdabr1.htm", "zdabc1.htm", "zdabcu.htm"}) {
    EXPECT_FALSE(PreLines(Render(page)).empty()) << page;
  }
}

TEST_F(RenderedHandPages, TournamentListOfTheFolder) {
  WriteTournamentList(t_.state, t_.folder.path());
  const std::string dom = Render("ListaTorneos.htm");
  EXPECT_NE(dom.find("Lista de torneos"), std::string::npos) << dom;
  const std::vector<std::string> lines = PreLines(dom);
  ASSERT_EQ(lines.size(), 1u) << dom;
  EXPECT_EQ(lines[0].rfind("AB       - ", 0), 0u) << lines[0];
}

}  // namespace
}  // namespace movarel::reports
