#include "ui/pdf/pdf_page.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <map>
#include <memory>

#include "storage/files.h"
#include "ui/cp1252.h"

namespace movarel::ui {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
// The default pen of a printer is one device dot; a quarter point reads the same on paper.
constexpr double kPenPoints = 0.25;

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Draws on one cairo PDF surface; cairo measures in points from the top-left corner, with
// the row growing downwards as on the page.
class PdfPage : public PrintPage {
 public:
  explicit PdfPage(cairo_t* cr) : cr_(cr) {}

  void DefineFont(const std::string& name, const PrintFont& font) override { fonts_[name] = font; }
  void StartPage() override {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_set_line_width(cr_, kPenPoints);
    ++pages_;
  }
  void EndPage() override { cairo_show_page(cr_); }

  void Text(double row, double column, std::string_view text, const std::string& font) override {
    auto it = fonts_.find(font);
    if (it == fonts_.end()) return;
    const PrintFont& f = it->second;
    cairo_select_font_face(cr_, f.face.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           f.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, f.points);
    cairo_font_extents_t extents;
    cairo_font_extents(cr_, &extents);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, column * kPointsPerMm, row * kPointsPerMm + extents.ascent);
    const std::string utf8 = Cp1252ToUtf8(text);
    cairo_show_text(cr_, utf8.c_str());
  }

  void Line(double row1, double column1, double row2, double column2) override {
    cairo_move_to(cr_, column1 * kPointsPerMm, row1 * kPointsPerMm);
    cairo_line_to(cr_, column2 * kPointsPerMm, row2 * kPointsPerMm);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_stroke(cr_);
  }

  void Rectangle(double top, double left, double bottom, double right) override {
    cairo_rectangle(cr_, left * kPointsPerMm, top * kPointsPerMm, (right - left) * kPointsPerMm,
                    (bottom - top) * kPointsPerMm);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_stroke(cr_);
  }

  int pages() const { return pages_; }

 private:
  cairo_t* cr_;
  std::map<std::string, PrintFont> fonts_;
  int pages_ = 0;
};

}  // namespace

storage::Status WritePdf(const std::string& path, const PrintDocument& document) {
  std::string bytes;
  {
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_pdf_surface_create_for_stream(
        AppendBytes, &bytes, kA4WidthMm * kPointsPerMm, kA4HeightMm * kPointsPerMm));
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
    PdfPage page(cr.get());
    document(page);
    if (page.pages() == 0) {
      // A PDF file without pages is not a PDF file; an empty document prints one blank page.
      page.StartPage();
      page.EndPage();
    }
    cr.reset();
    cairo_surface_finish(surface.get());
    const cairo_status_t status = cairo_surface_status(surface.get());
    if (status != CAIRO_STATUS_SUCCESS) {
      return storage::Status::IoError(path + ": " + cairo_status_to_string(status));
    }
  }
  return storage::WriteFileAtomically(path, bytes);
}

}  // namespace movarel::ui
