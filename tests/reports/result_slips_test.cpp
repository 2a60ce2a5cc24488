// Result slips: what is read from the tables, where every element of a slip is drawn (the
// millimetre positions below were checked by hand against the slip's layout), how slips
// fill pages, and the whole road from the menu through the round chooser and the print
// dialog to a PDF file read back with poppler's pdfinfo and pdftotext.

#include "reports/result_slips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "report_test_support.h"
#include "storage/table.h"
#include "storage/workspace.h"
#include "support/one_item_menu.h"
#include "support/program_session.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/pdf/pdf_page.h"
#include "ui/pdf/print_target.h"
#include "ui/print_page.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"

// cairo finds its faces through fontconfig, which keeps its configuration and caches for the
// life of the process; the leak checker of the sanitizer build is told so. Only that system
// library is named. (One definition per test binary: the leak checker looks it up by name.)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace movarel::reports {
namespace {

using testing::CurrentScratchFolder;
using testing::RecordingDialogs;
using ui::PrintOp;

// A tournament "Open de Sueca" in Sueca, 1 to 3 July 2024, with nine players (record
// number = NUM) and two rounds:
//   round 1: boards 1-2, 3-4, 5-6, 7-8 and 9 with the bye (five slips)
//   round 2: board 1 unused, board 2 2-1, board 3 only a black player (unused), board 4
//            4-3, board 5 6 with the bye
class SlipTournament : public ::testing::Test {
 protected:
  void SetUp() override {
    state.dialogs = &dialogs;
    state.CCLAVE = "AB";
    state.CCARPINI = folder.path();
    ASSERT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(folder.path())).ok());
    WriteRegister(storage::Date{2024, 7, 1}, storage::Date{2024, 7, 3});
    WritePlayers();
    WriteRound(1, {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 0}});
    WriteRound(2, {{0, 0}, {2, 1}, {0, 7}, {4, 3}, {6, 0}});
  }
  void TearDown() override { state.workspace.CloseAll(); }

  void WriteRegister(storage::Date start, storage::Date end) {
    ASSERT_TRUE(storage::CreateTable(folder.file("torneos.dbf"), registry::TorneosFields()).ok());
    auto opened = state.workspace.Use(folder.file("torneos.dbf"), "torneos", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    storage::Table& t = **opened;
    ASSERT_TRUE(t.Append().ok());
    EXPECT_TRUE(t.Put("FICHERO", std::string("AB")).ok());
    EXPECT_TRUE(t.Put("TORNEO", std::string("  Open de Sueca")).ok());
    EXPECT_TRUE(t.Put("LOCALIDAD", std::string("Sueca")).ok());
    EXPECT_TRUE(t.Put("FECHA_INI", start).ok());
    EXPECT_TRUE(t.Put("FECHA_FIN", end).ok());
    EXPECT_TRUE(t.Put("N_JUGS", 9.0).ok());
    EXPECT_TRUE(t.Put("N_RONDAS", 2.0).ok());
    EXPECT_TRUE(t.Put("N_R_ACTUAL", 2.0).ok());
    ASSERT_TRUE(t.Commit().ok());
  }

  void WritePlayers() {
    ASSERT_TRUE(storage::CreateTable(folder.file("cuAB.dbf"), registry::CuadroFields()).ok());
    auto opened = state.workspace.Use(folder.file("cuAB.dbf"), "cuadro", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    const char* names[] = {
        "Garc\xED"
        "a, Ana",
        "L\xF3pez, Luis",
        "Mart\xEDn, Eva",
        "Ruiz, Pau",
        "Sanz, Mar\xED"
        "a",
        "Soler, Joan",
        "Vidal, Rosa",
        "Vila, Pere",
        "Pe\xF1"
        "a, Toni"};
    double num = 0;
    for (const char* name : names) {
      ASSERT_TRUE((*opened)->Append().ok());
      EXPECT_TRUE((*opened)->Put("NUM", ++num).ok());
      EXPECT_TRUE((*opened)->Put("JUG", std::string(name)).ok());
    }
    ASSERT_TRUE((*opened)->Commit().ok());
    (*opened)->GoTop();
  }

  void WriteRound(int round, const std::vector<std::pair<double, double>>& boards) {
    const std::string file = folder.file(registry::RoundTableName(round, "AB") + ".dbf");
    ASSERT_TRUE(storage::CreateTable(file, registry::RondaFields()).ok());
    storage::Workspace workspace;
    auto opened = workspace.Use(file, "ronda", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    for (const auto& [white, black] : boards) {
      ASSERT_TRUE((*opened)->Append().ok());
      EXPECT_TRUE((*opened)->Put("JUG_B", white).ok());
      EXPECT_TRUE((*opened)->Put("JUG_N", black).ok());
    }
  }

  ResultSlipRound Read(int round) {
    auto opened = state.workspace.Use(registry::RoundTableName(round, "AB"), "ronda", true, true);
    EXPECT_TRUE(opened.ok());
    ResultSlipRound slips = ReadResultSlips(state, round);
    state.workspace.Close("ronda");
    return slips;
  }

  CurrentScratchFolder folder;
  RecordingDialogs dialogs;
  registry::WorkingState state;
};

std::string Padded(const std::string& name) { return name + std::string(30 - name.size(), ' '); }

TEST_F(SlipTournament, SlipsCarryTheBoardsOwnNumberAndSkipUnusedBoards) {
  const ResultSlipRound slips = Read(2);
  EXPECT_EQ(slips.tournament, "Open de Sueca");
  EXPECT_EQ(slips.place_and_dates, "Sueca, del 01-07-2024 al 03-07-2024");
  EXPECT_EQ(slips.round, 2);
  ASSERT_EQ(slips.slips.size(), 3u);
  // Boards 1 and 3 have no white player: no slip, but boards 2, 4 and 5 keep their numbers
  // as the pairing list shows them.
  EXPECT_EQ(slips.slips[0].board, 2);
  EXPECT_EQ(slips.slips[1].board, 4);
  EXPECT_EQ(slips.slips[2].board, 5);
  EXPECT_EQ(slips.slips[0].white, "(  2) " + Padded("L\xF3pez, Luis"));
  EXPECT_EQ(slips.slips[0].black, "(  1) " + Padded("Garc\xED"
                                                    "a, Ana"));
  EXPECT_EQ(slips.slips[1].white, "(  4) " + Padded("Ruiz, Pau"));
  EXPECT_EQ(slips.slips[1].black, "(  3) " + Padded("Mart\xEDn, Eva"));
  // The bye: number 0 in width 3 and a blank name.
  EXPECT_EQ(slips.slips[2].white, "(  6) " + Padded("Soler, Joan"));
  EXPECT_EQ(slips.slips[2].black, "(  0) " + std::string(30, ' '));
}

TEST(SlipDateText, OneDayShowsOneDateSeveralShowTheSpan) {
  EXPECT_EQ(SlipDateText({2024, 7, 1}, {2024, 7, 1}), "01-07-2024");
  EXPECT_EQ(SlipDateText({2024, 7, 1}, {2024, 7, 3}), "del 01-07-2024 al 03-07-2024");
  EXPECT_EQ(SlipDateText({2023, 12, 30}, {2024, 1, 2}), "del 30-12-2023 al 02-01-2024");
}

PrintOp Text(double row, double column, const std::string& text, const std::string& font) {
  return {PrintOp::Kind::kText, row, column, 0, 0, text, font};
}
PrintOp Line(double r1, double c1, double r2, double c2) {
  return {PrintOp::Kind::kLine, r1, c1, r2, c2, {}, {}};
}
PrintOp Box(double r1, double c1, double r2, double c2) {
  return {PrintOp::Kind::kRectangle, r1, c1, r2, c2, {}, {}};
}

TEST_F(SlipTournament, EveryElementOfASlipStandsAtItsMillimetrePosition) {
  ui::PrintRecording recording;
  DrawResultSlips(recording, Read(2));
  ASSERT_EQ(recording.pages().size(), 1u);
  const std::vector<PrintOp>& ops = recording.pages()[0];
  ASSERT_EQ(ops.size(), 3u * 16);

  const std::string place = "Sueca, del 01-07-2024 al 03-07-2024";
  // The first slip (board 2), top of the page.
  const std::vector<PrintOp> first = {
      Box(25, 15, 70, 195),
      Text(26.5, 20, "Open de Sueca", "FontTit"),
      Text(34.5, 20, place, "FontTit2"),
      Line(42, 20, 42, 190),
      Text(49, 20, "Ronda:", "FontText1"),
      Box(46, 35, 56, 50),
      Text(49, 40, " 2", "FontTextRes1"),
      Text(59, 20, "Mesa:", "FontText1"),
      Box(56, 35, 66, 50),
      Text(59, 38, "  2", "FontTextRes1"),
      Text(49, 55, "Blancas:", "FontText1"),
      Text(49, 70, "(  2) " + Padded("L\xF3pez, Luis"), "FontTextRes1"),
      Text(59, 55, "Negras:", "FontText1"),
      Text(59, 70,
           "(  1) " + Padded("Garc\xED"
                             "a, Ana"),
           "FontTextRes1"),
      Text(48, 165, "Resultado:", "FontText1"),
      Box(53, 165, 63, 190),
  };
  EXPECT_EQ(std::vector<PrintOp>(ops.begin(), ops.begin() + 16), first);

  // The third slip (board 5, the bye) is 130 mm lower: it starts at row 155.
  const std::vector<PrintOp> third = {
      Box(155, 15, 200, 195),
      Text(156.5, 20, "Open de Sueca", "FontTit"),
      Text(164.5, 20, place, "FontTit2"),
      Line(172, 20, 172, 190),
      Text(179, 20, "Ronda:", "FontText1"),
      Box(176, 35, 186, 50),
      Text(179, 40, " 2", "FontTextRes1"),
      Text(189, 20, "Mesa:", "FontText1"),
      Box(186, 35, 196, 50),
      Text(189, 38, "  5", "FontTextRes1"),
      Text(179, 55, "Blancas:", "FontText1"),
      Text(179, 70, "(  6) " + Padded("Soler, Joan"), "FontTextRes1"),
      Text(189, 55, "Negras:", "FontText1"),
      Text(189, 70, "(  0) " + std::string(30, ' '), "FontTextRes1"),
      Text(178, 165, "Resultado:", "FontText1"),
      Box(183, 165, 193, 190),
  };
  EXPECT_EQ(std::vector<PrintOp>(ops.begin() + 32, ops.end()), third);

  EXPECT_EQ(recording.fonts().at("FontTit"), (ui::PrintFont{"Arial", 20, true}));
  EXPECT_EQ(recording.fonts().at("FontTit2"), (ui::PrintFont{"Arial", 14, false}));
  EXPECT_EQ(recording.fonts().at("FontText1"), (ui::PrintFont{"Times New Roman", 12, false}));
  EXPECT_EQ(recording.fonts().at("FontTextRes1"), (ui::PrintFont{"Arial", 14, true}));
}

TEST_F(SlipTournament, OneDayTournamentShowsOnlyItsDate) {
  state.workspace.CloseAll();
  std::filesystem::remove(folder.file("torneos.dbf"));
  WriteRegister(storage::Date{2024, 7, 1}, storage::Date{2024, 7, 1});
  WritePlayers();
  EXPECT_EQ(Read(1).place_and_dates, "Sueca, 01-07-2024");
}

struct PageCase {
  int slips;
  std::vector<size_t> slips_per_page;
};

class SlipPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(SlipPages, FourSlipsToAPageAndNoBlankPageAfterAFullOne) {
  ResultSlipRound round;
  round.tournament = "T";
  round.round = 1;
  for (int i = 1; i <= GetParam().slips; ++i) round.slips.push_back({i, "(  1) A", "(  2) B"});
  ui::PrintRecording recording;
  DrawResultSlips(recording, round);
  ASSERT_EQ(recording.pages().size(), GetParam().slips_per_page.size());
  for (size_t p = 0; p < recording.pages().size(); ++p) {
    EXPECT_EQ(recording.pages()[p].size(), GetParam().slips_per_page[p] * 16) << "page " << p + 1;
  }
  if (GetParam().slips > 4) {
    // The fifth slip stands at the top of the second page, with its own board number.
    const std::vector<PrintOp>& second = recording.pages()[1];
    EXPECT_EQ(second[0], Box(25, 15, 70, 195));
    EXPECT_EQ(second[9], Text(59, 38, "  5", "FontTextRes1"));
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, SlipPages,
                         ::testing::Values(PageCase{0, {0}}, PageCase{1, {1}}, PageCase{4, {4}},
                                           PageCase{5, {4, 1}}, PageCase{8, {4, 4}}, PageCase{9, {4, 4, 1}}));

int PdfPages(const std::string& path) {
  std::istringstream lines(movarel::testing::CommandOutput("pdfinfo '" + path + "' 2>/dev/null"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

// The program's menu entry over the script backend, as the shell wires it.
std::string RunSlips(registry::WorkingState& state, const std::string& script) {
  return movarel::testing::RunOverOneItemMenu(
             state, {"&Listados", "Papeletas de recogida de &resultados", "mnuPapeletas"},
             [&](ui::Ui& ui) { LISPAPRDOS(state, ui); }, script)
      .transcript;
}

TEST_F(SlipTournament, FiveBoardsPrintIntoATwoPagePdf) {
  const std::string pdf = folder.file("papeletas.pdf");
  const std::string transcript =
      RunSlips(state, "menu mnuPapeletas\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nprint " + pdf + "\n");
  EXPECT_NE(transcript.find("PRINT|Papeletas de recogida de resultados|" + pdf), std::string::npos)
      << transcript;
  EXPECT_EQ(PdfPages(pdf), 2);
  EXPECT_EQ(state.NRONDASEL, 1);
  EXPECT_EQ(state.workspace.Find("ronda"), nullptr);
  // The second page holds one slip: board 5, player 9 with the bye.
  const std::string second = movarel::testing::CommandOutput("pdftotext -f 2 -l 2 -layout '" + pdf + "' -");
  EXPECT_NE(second.find("Open de Sueca"), std::string::npos) << second;
  // (pdftotext shows runs of blanks as one.)
  EXPECT_NE(second.find("9) Pe\xC3\xB1"
                        "a, Toni"),
            std::string::npos)
      << second;
  EXPECT_EQ(second.find("Garc"), std::string::npos) << second;
  const std::string first = movarel::testing::CommandOutput("pdftotext -f 1 -l 1 -layout '" + pdf + "' -");
  EXPECT_NE(first.find("8) Vila, Pere"), std::string::npos) << first;
  EXPECT_EQ(first.find("Toni"), std::string::npos) << first;
  EXPECT_NE(first.find("Sueca, del 01-07-2024 al 03-07-2024"), std::string::npos) << first;
}

// The words of one page of a PDF with their boxes in points, as poppler's pdftotext lays
// them out from the fonts' own metrics.
struct WordBox {
  std::string word;
  double top = 0, bottom = 0;
};
std::vector<WordBox> PdfWords(const std::string& pdf) {
  std::vector<WordBox> words;
  const std::string html = movarel::testing::CommandOutput("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -");
  for (size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
    const size_t close = html.find('>', at);
    const size_t end = html.find("</word>", close);
    auto attribute = [&](const std::string& name) {
      const size_t value = html.find(name + "=\"", at) + name.size() + 2;
      return std::stod(html.substr(value, html.find('"', value) - value));
    };
    words.push_back({html.substr(close + 1, end - close - 1), attribute("yMin"), attribute("yMax")});
  }
  return words;
}

TEST_F(SlipTournament, TitleSubtitleAndRuleDoNotOverlap) {
  const std::string pdf = folder.file("papeletas.pdf");
  const ResultSlipRound slips = Read(1);
  ASSERT_TRUE(ui::WritePdf(pdf, [&slips](ui::PrintPage& page) { DrawResultSlips(page, slips); }).ok());
  ui::PrintRecording recording;
  DrawResultSlips(recording, slips);
  const double rule = recording.pages()[0][3].row1 * 72 / 25.4;  // the first slip's rule, in points
  // The first slip: the title's words, then the subtitle's ("Sueca, del 01-07-2024 al ...").
  const std::vector<WordBox> words = PdfWords(pdf);
  ASSERT_GE(words.size(), 8u);
  ASSERT_EQ(words[0].word, "Open");
  ASSERT_EQ(words[3].word, "Sueca,");
  double title_bottom = 0, subtitle_top = 1e9, subtitle_bottom = 0;
  for (size_t i = 0; i < 3; ++i) title_bottom = std::max(title_bottom, words[i].bottom);
  for (size_t i = 3; i < 8; ++i) {
    subtitle_top = std::min(subtitle_top, words[i].top);
    subtitle_bottom = std::max(subtitle_bottom, words[i].bottom);
  }
  EXPECT_LE(title_bottom, subtitle_top);
  EXPECT_LT(subtitle_bottom, rule);
}

TEST_F(SlipTournament, CancelledPrintDialogStopsWithoutPrinting) {
  const std::string transcript = RunSlips(state, "menu mnuPapeletas\nform FrmElegRda\nclick btnOk\nprint\n");
  EXPECT_NE(transcript.find("STOP||\xC2\xA1Impresi\xC3\xB3n cancelada!"), std::string::npos) << transcript;
  EXPECT_EQ(state.workspace.Find("ronda"), nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()) ||
              !std::filesystem::exists(folder.file("papeletas.pdf")));
}

TEST_F(SlipTournament, UnwritablePdfIsNamedInAStopBox) {
  const std::string pdf = folder.file("no-such-folder/papeletas.pdf");
  const std::string transcript =
      RunSlips(state, "menu mnuPapeletas\nform FrmElegRda\nclick btnOk\nprint " + pdf + "\n");
  EXPECT_NE(transcript.find("STOP||No se han podido imprimir las papeletas: " + pdf), std::string::npos)
      << transcript;
}

// The road through the real program, headless and through the real windows under a virtual
// display: the tournament opened from the menu, the slips asked for from "&Listados", the
// round chosen and the print dialog answered with a PDF file.
class SlipsThroughTheProgram : public SlipTournament, public ::testing::WithParamInterface<bool> {
 protected:
  std::string RunProgram(const std::string& script, bool gui) {
    state.workspace.CloseAll();
    const auto run = movarel::testing::RunScriptIn(folder.path(), folder.file("windows"), script, gui);
    EXPECT_EQ(run.status, 0) << run.transcript;
    return run.transcript;
  }
};

TEST_P(SlipsThroughTheProgram, MenuChooserAndPrintDialogGiveTheSlipsPdf) {
  const bool gui = GetParam();
  if (gui && !movarel::testing::CanRunWindowed()) GTEST_SKIP() << "no windows or no virtual display";
  const std::string pdf = folder.file("ronda1.pdf");
  const std::string transcript = RunProgram(
      "menu \"&Torneo\" \"&Elegir torneo\"\nfile cuAB.dbf\n"
      "menu mnuLisPapRdos\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nprint " +
          pdf +
          "\n"
          "menu mnuLisPapRdos\nform FrmElegRda\nclick btnOk\nprint\nquit\n",
      gui);
  EXPECT_NE(transcript.find("FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
                            "PRINT|Papeletas de recogida de resultados|" +
                            pdf + "\n"),
            std::string::npos)
      << transcript;
  EXPECT_EQ(PdfPages(pdf), 2);
  EXPECT_NE(transcript.find(
                "PRINT|Papeletas de recogida de resultados|\nSTOP||\xC2\xA1Impresi\xC3\xB3n cancelada!\n"),
            std::string::npos)
      << transcript;
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindows, SlipsThroughTheProgram, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Windows" : "Headless";
                         });

}  // namespace
}  // namespace movarel::reports
