#pragma once
// The page a printed document is drawn on, toolkit-neutral. Documents (the result slips)
// draw on a PrintPage; its implementations are the PDF writer (src/ui/pdf), the printer
// and preview of the GUI (src/ui/wx/wx_print) and the recording below, which tests read
// and the GUI replays page by page.
//
// Units and axes: millimetres on an A4 portrait sheet, positions given as (row, column)
// from the top-left corner of the printable page, row downwards, column rightwards. A
// text's position is the top-left corner of its line (the top of the font's ascent).
// Text is Windows-1252 bytes. Rectangles and lines use the default pen (thin, black);
// rectangles are filled with the default brush (white), so a rectangle drawn later covers
// what lies inside it.

#include <cassert>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace movarel::ui {

inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;

struct PrintFont {
  std::string face;  // "Arial", "Times New Roman" ...
  double points = 12;
  bool bold = false;

  bool operator==(const PrintFont&) const = default;
};

class PrintPage {
 public:
  virtual ~PrintPage() = default;

  // A font known by `name` from now on; drawing with a name never defined is a bug.
  virtual void DefineFont(const std::string& name, const PrintFont& font) = 0;
  // Page brackets: every drawing call lies between a StartPage and its EndPage.
  virtual void StartPage() = 0;
  virtual void EndPage() = 0;

  virtual void Text(double row, double column, std::string_view text, const std::string& font) = 0;
  virtual void Line(double row1, double column1, double row2, double column2) = 0;
  // Given by its top-left and bottom-right corners.
  virtual void Rectangle(double top, double left, double bottom, double right) = 0;
};

// A whole document: draws its pages, bracketed, on the page it is given. It may be run
// more than once (a preview draws it again), so it must hold its own data.
using PrintDocument = std::function<void(PrintPage&)>;

// One drawing call as recorded.
struct PrintOp {
  enum class Kind { kText, kLine, kRectangle };
  Kind kind = Kind::kText;
  double row1 = 0, column1 = 0;  // text position, line start or rectangle top-left
  double row2 = 0, column2 = 0;  // line end or rectangle bottom-right; 0 for text
  std::string text;              // text only
  std::string font;              // text only

  bool operator==(const PrintOp&) const = default;
};

// A PrintPage that keeps what is drawn: the fonts and, page by page, the drawing calls in
// their order. Replaying a page onto another PrintPage draws it again there.
class PrintRecording : public PrintPage {
 public:
  void DefineFont(const std::string& name, const PrintFont& font) override { fonts_[name] = font; }
  void StartPage() override {
    assert(!page_open_ && "a page is already started");
    pages_.emplace_back();
    page_open_ = true;
  }
  void EndPage() override {
    assert(page_open_ && "no page to end");
    page_open_ = false;
  }
  void Text(double row, double column, std::string_view text, const std::string& font) override {
    assert(fonts_.count(font) != 0 && "text in a font never defined");
    Add({PrintOp::Kind::kText, row, column, 0, 0, std::string(text), font});
  }
  void Line(double row1, double column1, double row2, double column2) override {
    Add({PrintOp::Kind::kLine, row1, column1, row2, column2, {}, {}});
  }
  void Rectangle(double top, double left, double bottom, double right) override {
    Add({PrintOp::Kind::kRectangle, top, left, bottom, right, {}, {}});
  }

  const std::map<std::string, PrintFont>& fonts() const { return fonts_; }
  const std::vector<std::vector<PrintOp>>& pages() const { return pages_; }
  bool page_open() const { return page_open_; }

  // Defines every font on `to`, then draws page `index` (from 0) between its brackets.
  void ReplayPage(std::size_t index, PrintPage& to) const {
    assert(index < pages_.size());
    for (const auto& [name, font] : fonts_) to.DefineFont(name, font);
    to.StartPage();
    for (const PrintOp& op : pages_[index]) {
      switch (op.kind) {
        case PrintOp::Kind::kText:
          to.Text(op.row1, op.column1, op.text, op.font);
          break;
        case PrintOp::Kind::kLine:
          to.Line(op.row1, op.column1, op.row2, op.column2);
          break;
        case PrintOp::Kind::kRectangle:
          to.Rectangle(op.row1, op.column1, op.row2, op.column2);
          break;
      }
    }
    to.EndPage();
  }

 private:
  void Add(PrintOp op) {
    assert(page_open_ && "drawing outside a page");
    pages_.back().push_back(std::move(op));
  }

  std::map<std::string, PrintFont> fonts_;
  std::vector<std::vector<PrintOp>> pages_;
  bool page_open_ = false;
};

// The print-target token of a GUI's system printer, as Backend::ChoosePrintTarget returns
// it when the user chose a printer rather than a PDF file. Never a file name: "<" and ">"
// are not allowed in Windows file names.
inline constexpr std::string_view kSystemPrinterTarget = "<impresora>";

}  // namespace movarel::ui
