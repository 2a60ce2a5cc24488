#include "ui/wx/wx_print.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/print.h>
#include <wx/printdlg.h>

#include <cmath>
#include <map>
#include <memory>

#include "ui/wx/standard_dialogs.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

namespace {

// Drawing is done in tenths of a millimetre, so positions keep their decimals on any DC.
constexpr double kUnitsPerMm = 10.0;
// The line height of the Arial and Times faces (and their metric twins) is 1.15 em.
constexpr double kLineHeightPerEm = 1.15;

int Units(double mm) { return static_cast<int>(std::lround(mm * kUnitsPerMm)); }

// The printer last chosen in the print dialog; the preview prints there.
wxPrintData& ChosenPrintData() {
  static wxPrintData data;
  return data;
}

// A PrintPage on a wxDC whose logical unit is a tenth of a millimetre, origin at the top
// left of the printable page. The page brackets belong to the printout, not to the DC.
class DcPage : public PrintPage {
 public:
  explicit DcPage(wxDC& dc) : dc_(dc) {}

  void DefineFont(const std::string& name, const PrintFont& font) override { defined_[name] = font; }
  void StartPage() override {
    dc_.SetPen(*wxBLACK_PEN);
    dc_.SetBrush(*wxWHITE_BRUSH);
    dc_.SetTextForeground(*wxBLACK);
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  }
  void EndPage() override {}

  void Text(double row, double column, std::string_view text, const std::string& font) override {
    const wxFont* f = Font(font);
    if (f == nullptr) return;
    dc_.SetFont(*f);
    dc_.DrawText(ToWx(std::string(text)), Units(column), Units(row));
  }
  void Line(double row1, double column1, double row2, double column2) override {
    dc_.DrawLine(Units(column1), Units(row1), Units(column2), Units(row2));
  }
  void Rectangle(double top, double left, double bottom, double right) override {
    dc_.DrawRectangle(Units(left), Units(top), Units(right) - Units(left), Units(bottom) - Units(top));
  }

 private:
  // How many logical units a point of font size takes differs between a printer DC, a
  // preview and a memory DC, so each font is measured once on this DC and resized until
  // its line is as high as the size asks.
  const wxFont* Font(const std::string& name) {
    auto made = made_.find(name);
    if (made != made_.end()) return &made->second;
    auto it = defined_.find(name);
    if (it == defined_.end()) return nullptr;
    const PrintFont& f = it->second;
    wxFont font(wxFontInfo(f.points).FaceName(ToWx(f.face)).Bold(f.bold));
    dc_.SetFont(font);
    const double wanted = f.points * 25.4 / 72.0 * kUnitsPerMm * kLineHeightPerEm;
    const int measured = dc_.GetCharHeight();
    if (measured > 0) font.SetFractionalPointSize(f.points * wanted / measured);
    return &made_.emplace(name, font).first->second;
  }

  wxDC& dc_;
  std::map<std::string, PrintFont> defined_;
  std::map<std::string, wxFont> made_;
};

void DrawPage(const PrintRecording& document, std::size_t index, wxDC& dc) {
  DcPage page(dc);
  document.ReplayPage(index, page);
}

class RecordingPrintout : public wxPrintout {
 public:
  RecordingPrintout(const std::string& title, std::shared_ptr<const PrintRecording> document)
      : wxPrintout(ToWx(title)), document_(std::move(document)) {}

  bool HasPage(int page) override { return page >= 1 && page <= Pages(); }
  void GetPageInfo(int* min_page, int* max_page, int* from, int* to) override {
    *min_page = 1;
    *max_page = Pages();
    *from = 1;
    *to = Pages();
  }
  bool OnPrintPage(int page) override {
    wxDC* dc = GetDC();
    if (dc == nullptr || !HasPage(page)) return false;
    // The whole A4 sheet in tenths of a millimetre, then the origin moved to the corner of
    // the printable page, where the positions are measured from.
    FitThisSizeToPaper(wxSize(Units(kA4WidthMm), Units(kA4HeightMm)));
    const wxRect printable = GetLogicalPageRect();
    dc->SetLogicalOrigin(dc->GetLogicalOrigin().x - printable.x, dc->GetLogicalOrigin().y - printable.y);
    DrawPage(*document_, static_cast<std::size_t>(page - 1), *dc);
    return true;
  }

 private:
  int Pages() const { return static_cast<int>(document_->pages().size()); }

  std::shared_ptr<const PrintRecording> document_;
};

}  // namespace

bool ShowPrintPreview(const std::string& title, const PrintRecording& document) {
  auto shared = std::make_shared<const PrintRecording>(document);
  wxPrintDialogData data(ChosenPrintData());
  data.GetPrintData().SetPaperId(wxPAPER_A4);
  data.GetPrintData().SetOrientation(wxPORTRAIT);
  data.GetPrintData().SetBin(wxPRINTBIN_DEFAULT);
  auto* preview =
      new wxPrintPreview(new RecordingPrintout(title, shared), new RecordingPrintout(title, shared), &data);
  if (!preview->IsOk()) {
    delete preview;
    return false;
  }
  auto* frame = new wxPreviewFrame(preview, wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr,
                                   ToWx(title), wxDefaultPosition, wxSize(800, 900));
  frame->InitializeWithModality(wxPreviewFrame_AppModal);
  frame->Centre(wxBOTH);
  frame->Show();
  return true;
}

std::string ChoosePrinterOrPdf(wxWindow* parent, const std::string& title) {
  wxMessageDialog choice(parent,
                         ToWx("\xBF"
                              "Imprimir las p\xE1ginas o guardarlas en un fichero PDF?"),
                         ToWx(title), wxYES_NO | wxCANCEL | wxICON_QUESTION);
  choice.SetYesNoCancelLabels(ToWx("&Imprimir..."), ToWx("Guardar en &PDF..."), ToWx("Cancelar"));
  const int answer = choice.ShowModal();
  if (answer == wxID_NO) return ChoosePdfFile(parent, title);
  if (answer != wxID_YES) return std::string();

  wxPrintDialogData data(ChosenPrintData());
  data.GetPrintData().SetPaperId(wxPAPER_A4);
  data.GetPrintData().SetOrientation(wxPORTRAIT);
  data.GetPrintData().SetBin(wxPRINTBIN_DEFAULT);
  wxPrintDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return std::string();
  ChosenPrintData() = dialog.GetPrintDialogData().GetPrintData();
  return std::string(kSystemPrinterTarget);
}

bool SavePrintedPageImage(const PrintRecording& document, std::size_t index, double dots_per_mm,
                          const std::string& png_path) {
  if (index >= document.pages().size()) return false;
  wxBitmap bitmap(static_cast<int>(kA4WidthMm * dots_per_mm), static_cast<int>(kA4HeightMm * dots_per_mm),
                  24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetUserScale(dots_per_mm / kUnitsPerMm, dots_per_mm / kUnitsPerMm);
    DrawPage(document, index, dc);
  }
  wxInitAllImageHandlers();
  return bitmap.ConvertToImage().SaveFile(ToWx(png_path), wxBITMAP_TYPE_PNG);
}

}  // namespace movarel::ui
