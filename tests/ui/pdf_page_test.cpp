// The printing layer: the recording page, the PDF writer (read back with poppler's own
// tools, pdfinfo and pdftotext) and the choice between a PDF file and the system printer.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "ui/pdf/pdf_page.h"
#include "ui/pdf/print_target.h"
#include "ui/print_page.h"
#include "ui/script/script_backend.h"
#include "ui/script_driver.h"
#include "ui/transcript.h"
#include "support/program_session.h"

// cairo finds its faces through fontconfig, which keeps its configuration and caches for the
// life of the process; the leak checker of the sanitizer build is told so. Only that system
// library is named. (One definition per test binary: the leak checker looks it up by name.)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace movarel::ui {
namespace {

using testing::TempFolder;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// `pages` pages, each with its number as text and a framed heading.
PrintDocument NumberedPages(int pages) {
  return [pages](PrintPage& page) {
    page.DefineFont("Tit", {"Arial", 20, true});
    page.DefineFont("Txt", {"Times New Roman", 12, false});
    for (int i = 1; i <= pages; ++i) {
      page.StartPage();
      page.Rectangle(25, 15, 70, 195);
      page.Text(30, 20, "Clasificaci\xF3n", "Tit");
      page.Line(41, 20, 41, 190);
      page.Text(100, 50, "P\xE1gina" + std::to_string(i), "Txt");
      page.EndPage();
    }
  };
}

struct PdfInfo {
  int pages = 0;
  std::string page_size;
};

PdfInfo ReadPdfInfo(const std::string& path) {
  PdfInfo info;
  std::istringstream lines(movarel::testing::CommandOutput("pdfinfo '" + path + "'"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("Pages:", 0) == 0) info.pages = std::stoi(line.substr(6));
    if (line.rfind("Page size:", 0) == 0) info.page_size = line.substr(10);
  }
  return info;
}

class PdfPageCount : public ::testing::TestWithParam<int> {};

TEST_P(PdfPageCount, EveryStartedPageIsAnA4PortraitPage) {
  TempFolder folder;
  const std::string path = folder / "doc.pdf";
  ASSERT_TRUE(WritePdf(path, NumberedPages(GetParam())).ok());
  const PdfInfo info = ReadPdfInfo(path);
  EXPECT_EQ(info.pages, GetParam());
  // A4 is 210 x 297 mm = 595.28 x 841.89 points.
  EXPECT_NE(info.page_size.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info.page_size;
}

INSTANTIATE_TEST_SUITE_P(Pages, PdfPageCount, ::testing::Values(1, 2, 5));

TEST(PdfPage, DocumentWithoutPagesStillGivesOneBlankPage) {
  TempFolder folder;
  const std::string path = folder / "empty.pdf";
  ASSERT_TRUE(WritePdf(path, [](PrintPage&) {}).ok());
  EXPECT_EQ(ReadPdfInfo(path).pages, 1);
}

// pdftotext -bbox gives each word's box in points from the top-left corner of the page.
struct WordBox {
  std::string word;
  double x_min = 0, y_min = 0, x_max = 0, y_max = 0;
};

std::vector<WordBox> WordBoxes(const std::string& path, int page) {
  const std::string html =
      movarel::testing::CommandOutput("pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + path + "' -");
  std::vector<WordBox> words;
  size_t at = 0;
  while ((at = html.find("<word ", at)) != std::string::npos) {
    WordBox w;
    std::sscanf(html.c_str() + at, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">", &w.x_min,
                &w.y_min, &w.x_max, &w.y_max);
    const size_t open = html.find('>', at) + 1;
    w.word = html.substr(open, html.find("</word>", open) - open);
    words.push_back(w);
    at = open;
  }
  return words;
}

TEST(PdfPage, TextStandsAtItsMillimetrePositionInUtf8) {
  TempFolder folder;
  const std::string path = folder / "doc.pdf";
  ASSERT_TRUE(WritePdf(path, NumberedPages(2)).ok());
  const std::vector<WordBox> words = WordBoxes(path, 2);
  ASSERT_EQ(words.size(), 2u);
  // Windows-1252 "ó" and "á" reach the PDF as the characters themselves.
  EXPECT_EQ(words[0].word, "Clasificación");
  EXPECT_EQ(words[1].word, "Página2");
  // Column 20 mm = 56.69 pt; column 50 mm = 141.73 pt. The top of the line is row 30 mm =
  // 85.04 pt and row 100 mm = 283.46 pt; poppler's box starts at the font's ascent, a
  // little below the line's top for these faces, never above it.
  EXPECT_NEAR(words[0].x_min, 56.69, 1.0);
  EXPECT_NEAR(words[1].x_min, 141.73, 1.0);
  EXPECT_GE(words[0].y_min, 85.04 - 0.5);
  EXPECT_LE(words[0].y_min, 85.04 + 4.0);
  EXPECT_GE(words[1].y_min, 283.46 - 0.5);
  EXPECT_LE(words[1].y_min, 283.46 + 3.0);
  // A 20-point line is about 20 points high.
  EXPECT_NEAR(words[0].y_max - words[0].y_min, 20 * 1.15, 4.0);
}

TEST(PdfPage, UnwritablePathIsRefusedByNameAndEarlierFileStays) {
  TempFolder folder;
  const std::string path = folder / "doc.pdf";
  ASSERT_TRUE(WritePdf(path, NumberedPages(1)).ok());
  const std::string before = ReadFile(path);
  const std::string missing = folder / "no-such-folder/doc.pdf";
  const storage::Status status = WritePdf(missing, NumberedPages(3));
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("no-such-folder"), std::string::npos) << status.message();
  EXPECT_EQ(ReadFile(path), before);
}

TEST(PrintRecording, KeepsPagesInOrderAndReplaysOnePageElsewhere) {
  PrintRecording recording;
  NumberedPages(2)(recording);
  ASSERT_EQ(recording.pages().size(), 2u);
  EXPECT_FALSE(recording.page_open());
  EXPECT_EQ(recording.fonts().at("Tit"), (PrintFont{"Arial", 20, true}));

  PrintRecording copy;
  recording.ReplayPage(1, copy);
  ASSERT_EQ(copy.pages().size(), 1u);
  EXPECT_EQ(copy.pages()[0], recording.pages()[1]);
  EXPECT_EQ(copy.fonts(), recording.fonts());
  const PrintOp expected_line{PrintOp::Kind::kLine, 41, 20, 41, 190, {}, {}};
  EXPECT_EQ(copy.pages()[0][2], expected_line);
  EXPECT_EQ(copy.pages()[0][3].text, "P\xE1gina2");
}

// A headless backend whose system printer, when it has one, records what it was given.
class PreviewBackend : public ScriptBackend {
 public:
  explicit PreviewBackend(ScriptDriver& driver, bool has_printer) : ScriptBackend(driver), has_printer_(has_printer) {}
  bool PrintOnSystemPrinter(const std::string& title, const PrintRecording& document) override {
    seen_title = title;
    seen_pages = document.pages().size();
    return has_printer_;
  }
  std::string seen_title;
  size_t seen_pages = 0;

 private:
  bool has_printer_;
};

TEST(PrintToTarget, SystemPrinterTokenGoesToTheBackendsPrinterOrFails) {
  std::ostringstream out;
  Transcript transcript(out);
  ScriptDriver driver(std::move(ScriptReader::FromText("").value()), transcript);
  PreviewBackend none(driver, false);
  EXPECT_FALSE(PrintToTarget(none, std::string(kSystemPrinterTarget), "t", NumberedPages(1)).ok());

  PreviewBackend printer(driver, true);
  EXPECT_TRUE(PrintToTarget(printer, std::string(kSystemPrinterTarget), "Papeletas", NumberedPages(3)).ok());
  EXPECT_EQ(printer.seen_title, "Papeletas");
  EXPECT_EQ(printer.seen_pages, 3u);
}

TEST(PrintToTarget, AnyOtherTargetIsAPdfPath) {
  TempFolder folder;
  const std::string path = folder / "slips.pdf";
  std::ostringstream out;
  Transcript transcript(out);
  ScriptDriver driver(std::move(ScriptReader::FromText("").value()), transcript);
  ScriptBackend backend(driver);
  ASSERT_TRUE(PrintToTarget(backend, path, "t", NumberedPages(2)).ok());
  EXPECT_EQ(ReadPdfInfo(path).pages, 2);
}

}  // namespace
}  // namespace movarel::ui
