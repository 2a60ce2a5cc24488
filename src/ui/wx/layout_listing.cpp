#include "ui/wx/layout_listing.h"

#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include <algorithm>
#include <fstream>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/wx/form_window.h"

namespace movarel::ui {

namespace {

// The width of the widest line of a text in a window's font.
int TextWidth(const wxWindow& window, const wxString& text, const wxFont& font) {
  int widest = 0;
  wxStringTokenizer lines(text, "\r\n");
  while (lines.HasMoreTokens()) {
    int width = 0;
    window.GetTextExtent(lines.GetNextToken(), &width, nullptr, nullptr, nullptr, &font);
    widest = std::max(widest, width);
  }
  return widest;
}

wxString Caption(const Control& control, const wxWindow& window) {
  switch (control.kind()) {
    case ControlKind::kLabel: return static_cast<const wxStaticText&>(window).GetLabelText();
    case ControlKind::kComboBox: return static_cast<const wxChoice&>(window).GetStringSelection();
    case ControlKind::kGrid:
    case ControlKind::kRadioGroup: return wxString();
    default: return wxControl::RemoveMnemonics(window.GetLabel());
  }
}

void Line(std::ofstream& out, std::initializer_list<wxString> fields) {
  wxString line;
  for (const wxString& field : fields) line << (line.empty() ? "" : "|") << field;
  out << line.utf8_str() << '\n';
}

wxString Num(int value) { return wxString::Format("%d", value); }

void ControlLine(std::ofstream& out, const wxString& name, const wxRect& rect, const wxSize& needs,
                 const wxWindow& window, const wxString& text) {
  Line(out, {"control", name, Num(rect.x), Num(rect.y), Num(rect.width), Num(rect.height), Num(needs.x),
             Num(needs.y), Num(TextWidth(window, text, window.GetFont())), text});
}

}  // namespace

bool SaveLayoutListing(const FormWindow& window, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const Form& form = window.form();
  const wxSize client = window.window()->GetClientSize();
  Line(out, {"form", wxString::FromUTF8(form.name()), Num(client.x), Num(client.y)});
  for (const auto& control : form.controls()) {
    const Widget* widget = window.WidgetOf(*control);
    if (widget == nullptr || control->kind() == ControlKind::kStatusBar || control->kind() == ControlKind::kTab) {
      continue;
    }
    const wxWindow& shown = *widget->window;
    const wxString name = wxString::FromUTF8(control->name());
    ControlLine(out, name, shown.GetRect(), window.NeededSize(*control), shown, Caption(*control, shown));
    for (size_t i = 0; i < widget->radios.size(); ++i) {
      const wxRadioButton& radio = *widget->radios[i];
      ControlLine(out, name + "#" + Num(static_cast<int>(i) + 1), radio.GetRect(), radio.GetBestSize(), radio,
                  radio.GetLabel());
    }
    if (control->kind() == ControlKind::kGrid) {
      const auto& grid = static_cast<const wxGrid&>(shown);
      for (int col = 0; col < grid.GetNumberCols(); ++col) {
        const wxString header = grid.GetColLabelValue(col);
        Line(out, {"column", name, Num(grid.GetColSize(col)), Num(TextWidth(grid, header, grid.GetLabelFont())),
                   header});
      }
    }
  }
  return static_cast<bool>(out);
}

}  // namespace movarel::ui
