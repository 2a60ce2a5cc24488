#include "reports/html_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "register/table_layouts.h"
#include "register/working_state.h"
#include "report_test_support.h"
#include "storage/table.h"
#include "storage/value.h"

namespace movarel::reports {
namespace {

using testing::CurrentScratchFolder;
using testing::ReadBytes;
using testing::RecordingDialogs;

constexpr char kFooterTail[] =
    "<center>Movarel v3.0-beta3 - <a href=https://www.movarel.example>www.movarel.example</a></center>";

class HtmlWriterTest : public ::testing::Test {
 protected:
  HtmlWriterTest() { state.dialogs = &dialogs; }

  // The folder's register with one tournament record, open under `torneos`.
  storage::Table& OpenRegister(const std::string& torneo, const std::string& localidad, storage::Date start,
                               storage::Date end, const std::string& pie, const std::string& arbiter) {
    EXPECT_TRUE(storage::CreateTable(folder.file("torneos.dbf"), registry::TorneosFields()).ok());
    auto opened = state.workspace.Use(folder.file("torneos.dbf"), "torneos", false);
    EXPECT_TRUE(opened.ok());
    storage::Table& torneos = **opened;
    EXPECT_TRUE(torneos.Append().ok());
    EXPECT_TRUE(torneos.Put("TORNEO", torneo).ok());
    EXPECT_TRUE(torneos.Put("LOCALIDAD", localidad).ok());
    EXPECT_TRUE(torneos.Put("FECHA_INI", start).ok());
    EXPECT_TRUE(torneos.Put("FECHA_FIN", end).ok());
    EXPECT_TRUE(torneos.Put("PIE_PAG", pie).ok());
    EXPECT_TRUE(torneos.Put("ARBIT_PPAL", arbiter).ok());
    return torneos;
  }

  CurrentScratchFolder folder;
  RecordingDialogs dialogs;
  registry::WorkingState state;
};

TEST_F(HtmlWriterTest, EveryWriterAddsItsBytesAndLineEndsOnlyWhereItShould) {
  OpenRegister("  Abierto  ", "Sueca", {2024, 7, 1}, {2024, 7, 1}, "  Pie de p\xE1gina  ", " J. Arbitro ");
  HtmlPage page = HTML_INI(folder.file("p.htm"), "T\xEDtulo", "Sub");
  HTML_LINETEXT(page, "uno   ");
  HTML_LINETEXTK(page, "     ");
  HTML_LINETEXTK(page, " dos  ");
  HTML_TEXT(page, "tres  ");
  HTML_LINE(page);
  PIEHTML(state, page);
  ASSERT_TRUE(HTML_END(page).ok());

  const std::string expected =
      std::string(
          "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>T\xEDtulo</TITLE>"
          "<link rel=\"stylesheet\" href=\"zendral.css\" type=\"text/css\"></HEAD><BODY>\r\n"
          "<H1 Align=Center>T\xEDtulo</H1><H2 Align=Center>Sub</H2><BR>\r\n"
          "uno<BR>\r\n"
          "\r\n"
          " dos\r\n"
          "tres<HR>\r\n"
          "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
          "<td class=\"pie\">Pie de p\xE1gina</td><td class=\"pie\"><div align=\"right\">"
          "J. Arbitro</div></td></tr></table>") +
      kFooterTail + "</BODY></HTML>";
  EXPECT_EQ(ReadBytes(folder.file("p.htm")), expected);
  EXPECT_TRUE(page.bytes.empty());
}

TEST_F(HtmlWriterTest, TableTextIsEscapedAndTheProgramsMarkupIsNot) {
  storage::Table& torneos =
      OpenRegister("<b>Open</b> & Co", "A<B", {2024, 7, 1}, {2024, 7, 1}, "<script>x</script>", "R&D");
  EXPECT_EQ(PageTitle(torneos), "&lt;b&gt;Open&lt;/b&gt; &amp; Co");
  EXPECT_EQ(PageSubtitle(torneos), "A&lt;B, 01-07-2024");
  HtmlPage page;
  PIEHTML(state, page);
  EXPECT_NE(page.bytes.find("<td class=\"pie\">&lt;script&gt;x&lt;/script&gt;</td>"), std::string::npos);
  EXPECT_NE(page.bytes.find("<div align=\"right\">R&amp;D</div>"), std::string::npos);
  EXPECT_EQ(page.bytes.find("<script>"), std::string::npos);
}

TEST_F(HtmlWriterTest, SubtitleNamesOneDateOrTheSpanOfTheTournament) {
  storage::Table& torneos = OpenRegister("Abierto", "  Sueca  ", {2024, 7, 1}, {2024, 7, 9}, "", "");
  EXPECT_EQ(PageSubtitle(torneos), "  Sueca, del 01-07-2024 al 09-07-2024");
  ASSERT_TRUE(torneos.Put("FECHA_FIN", storage::Date{2024, 7, 1}).ok());
  EXPECT_EQ(PageSubtitle(torneos), "  Sueca, 01-07-2024");
  EXPECT_EQ(PageTitle(torneos), "Abierto");
}

TEST_F(HtmlWriterTest, FooterWithoutRegisterHasEmptyCells) {
  HtmlPage page;
  PIEHTML(state, page);
  EXPECT_EQ(
      page.bytes,
      std::string(
          "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td class=\"pie\">"
          "</td><td class=\"pie\"><div align=\"right\"></div></td></tr></table>") +
          kFooterTail);
}

// The listing body with n lines, as the standard listing page lays it out: a rule after every
// fifth line and exactly one rule at the end.
struct ListingCase {
  int lines;
  const char* body;
};

class StandardListingTest : public HtmlWriterTest, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(StandardListingTest, RulesFollowEveryFifthLineAndCloseTheListOnce) {
  HtmlPage page = BeginListing(folder.file("l.htm"), "T", "S", "Encabezado", "Cab   ");
  for (int i = 1; i <= GetParam().lines; ++i) {
    ++page.lines;
    WriteListingLine(page, "L" + std::to_string(i) + "  ");
  }
  EndListing(state, page);
  ASSERT_TRUE(FinishPage(state, page, false));
  const std::string expected =
      std::string(
          "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>T</TITLE><link rel=\"stylesheet\" "
          "href=\"zendral.css\" "
          "type=\"text/css\"></HEAD>"
          "<BODY>\r\n<H1 Align=Center>T</H1><H2 Align=Center>S</H2><BR>\r\n"
          "<p class=\"updated\">Encabezado<BR>\r\n<HR>\r\n<pre>Cab\r\n<HR>\r\n") +
      GetParam().body +
      "</pre><table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td class=\"pie\">"
      "</td><td class=\"pie\"><div align=\"right\"></div></td></tr></table>" +
      kFooterTail + "</BODY></HTML>";
  EXPECT_EQ(ReadBytes(folder.file("l.htm")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    LineCounts, StandardListingTest,
    ::testing::Values(
        ListingCase{0, ""}, ListingCase{1, "L1\r\n<HR>\r\n"},
        ListingCase{5, "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n<HR>\r\n"},
        ListingCase{6, "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n<HR>\r\nL6\r\n<HR>\r\n"},
        ListingCase{10, "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n<HR>\r\nL6\r\nL7\r\nL8\r\nL9\r\nL10\r\n<HR>\r\n"}),
    [](const ::testing::TestParamInfo<ListingCase>& info) {
      return std::to_string(info.param.lines) + "Lines";
    });

TEST_F(HtmlWriterTest, PageOfANameLandsInTheCurrentFolder) {
  EXPECT_EQ(std::filesystem::weakly_canonical(PagePath("zendral")),
            std::filesystem::weakly_canonical(folder.file("zendral.htm")));
  EXPECT_EQ(PagePath("zendral").front(), '/');
}

struct BrowserCase {
  const char* setting;
  bool asked;
  bool opened;
};

class BrowserRuleTest : public HtmlWriterTest, public ::testing::WithParamInterface<BrowserCase> {};

TEST_P(BrowserRuleTest, PageOpensOnlyWhenAskedAndTheSettingSaysYes) {
  state.CABRIRNAV = GetParam().setting;
  HtmlPage page = HTML_INI(folder.file("b.htm"), "T", "S");
  ASSERT_TRUE(FinishPage(state, page, GetParam().asked));
  EXPECT_EQ(dialogs.opened.size(), GetParam().opened ? 1u : 0u);
  if (GetParam().opened) {
    EXPECT_EQ(dialogs.opened[0], folder.file("b.htm"));
  }
  EXPECT_TRUE(dialogs.stops.empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, BrowserRuleTest,
                         ::testing::Values(BrowserCase{"S", true, true}, BrowserCase{"si", true, true},
                                           BrowserCase{"N", true, false}, BrowserCase{"", true, false},
                                           BrowserCase{" S", true, false}, BrowserCase{"S", false, false}));

TEST_F(HtmlWriterTest, PageThatCannotBeWrittenIsNamedInAStopAndNotOpened) {
  const std::string path = folder.file("no_such_folder/zendral.htm");
  HtmlPage page = HTML_INI(path, "T", "S");
  EXPECT_FALSE(FinishPage(state, page, true));
  ASSERT_EQ(dialogs.stops.size(), 1u);
  EXPECT_NE(dialogs.stops[0].find("No se ha podido crear el fichero " + path), std::string::npos);
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(page.bytes.empty());
}

TEST_F(HtmlWriterTest, NewPageReplacesAnOlderOneWhole) {
  HtmlPage first = HTML_INI(folder.file("r.htm"), std::string(5000, 'Q'), "S");
  ASSERT_TRUE(HTML_END(first).ok());
  HtmlPage second = HTML_INI(folder.file("r.htm"), "T", "S");
  ASSERT_TRUE(HTML_END(second).ok());
  EXPECT_EQ(ReadBytes(folder.file("r.htm")).find('Q'), std::string::npos);
}

}  // namespace
}  // namespace movarel::reports
