// The forms are defined in pixels for the toolkit they were drawn with; another toolkit's
// fonts, borders and paddings may need more room (a GTK button cannot show "10" in 30
// pixels). Each control gets at least its defined place and at least what its content
// needs here; the form stretches where it must and grows to hold what it holds.

#include <wx/display.h>
#include <wx/grid.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include <algorithm>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/wx/form_window.h"

namespace movarel::ui {

namespace {

// What a grid shows beyond its columns: the vertical scroll bar and the border.
int GridFrameWidth() { return wxSystemSettings::GetMetric(wxSYS_VSCROLL_X) + 4; }

// A grid wider than this would leave the screen: it scrolls instead.
int WidestGrid(const Control& control) {
  const wxRect screen = wxDisplay(static_cast<unsigned>(0)).GetClientArea();
  return std::max(control.width(), screen.width - 2 * control.col() - 40);
}

}  // namespace

wxSize FormWindow::NeededSize(const Control& control) const {
  const Widget* widget = WidgetOf(control);
  if (widget == nullptr || widget->window == nullptr) return {0, 0};
  wxWindow* window = widget->window;
  switch (control.kind()) {
    case ControlKind::kLabel:
    case ControlKind::kButton:
    case ControlKind::kPictureButton:
    case ControlKind::kCheckBox:
    case ControlKind::kComboBox:
    case ControlKind::kDatePicker:
    case ControlKind::kHyperlink: return window->GetBestSize();
    // What a person types is not known beforehand: the line's height is.
    case ControlKind::kTextBox: return {0, window->GetBestSize().y};
    // Lists and titled boxes scroll or hold others: their width shows their texts.
    case ControlKind::kListBox: return {window->GetBestSize().x, 0};
    case ControlKind::kFrame:
      if (IsRule(control)) return {0, 0};
      return {window->GetBestSize().x, 0};
    case ControlKind::kRadioGroup: {
      wxSize option(0, 0);
      for (wxRadioButton* radio : widget->radios) option.IncTo(radio->GetBestSize());
      const int count = static_cast<int>(widget->radios.size());
      return {option.x, count * (option.y + 4)};
    }
    case ControlKind::kGrid: {
      // Every column in view, as far as the screen allows (ApplyGridColumns widened each to
      // its header).
      auto* grid = static_cast<wxGrid*>(window);
      int columns = 0;
      for (int col = 0; col < grid->GetNumberCols(); ++col) columns += grid->GetColSize(col);
      return {std::min(columns + GridFrameWidth(), WidestGrid(control)), 0};
    }
    case ControlKind::kTab:
    case ControlKind::kStatusBar: break;
  }
  return {0, 0};
}

void FormWindow::FitToContent() {
  if (!built_) return;
  stretches_.clear();
  for (auto& [control, widget] : widgets_) {
    if (control->kind() == ControlKind::kStatusBar) continue;
    widget.needs = NeededSize(*control);
    Axes& axes = stretches_[widget.window->GetParent()];
    axes.across.Need(control->col(), control->width(), widget.needs.x);
    axes.down.Need(control->row(), control->height(), widget.needs.y);
  }
  for (auto& [parent, axes] : stretches_) {
    axes.across.Settle();
    axes.down.Settle();
  }
  wxSize client(form_->width(), form_->height());
  if (auto it = stretches_.find(panel_); it != stretches_.end()) {
    client = wxSize(it->second.across.Map(client.x), it->second.down.Map(client.y));
  }
  for (auto& [control, widget] : widgets_) {
    if (control->kind() == ControlKind::kStatusBar) continue;
    Place(*control, widget);
    // A control the form defines beyond its own edge still shows whole; a rule is only cut.
    if (widget.window->GetParent() == panel_ && !(control->kind() == ControlKind::kFrame && IsRule(*control))) {
      const wxRect rect = widget.window->GetRect();
      client.IncTo(wxSize(rect.GetRight() + 1, rect.GetBottom() + 1));
    }
  }
  client.SetHeight(client.GetHeight() + MenuStripHeight());
  if (top_->GetClientSize() != client) top_->SetClientSize(client);
}

namespace {

// Boxes, rules and the controls that scroll span what the form puts beside them and grow
// with it; the others keep their own size and only move.
bool Spans(const Control& control) {
  switch (control.kind()) {
    case ControlKind::kFrame:
    case ControlKind::kGrid:
    case ControlKind::kListBox:
    case ControlKind::kTab: return true;
    default: return false;
  }
}

}  // namespace

void FormWindow::Place(const Control& control, Widget& widget) {
  const Axes& axes = stretches_[widget.window->GetParent()];
  const bool on_form = widget.window->GetParent() == panel_;
  const bool spans = Spans(control);
  const auto along = [on_form, spans](const Stretch& stretch, int start, int length, int needed, int extent,
                                      int& at, int& size) {
    at = stretch.Map(start);
    size = -1;  // the toolkit's own
    if (length <= 0) return;
    size = std::max(spans ? stretch.Map(start + length) - at : length, needed);
    if (on_form) at = stretch.Anchored(start, length, size, extent);
  };
  int x, y, width, height;
  along(axes.across, control.col(), control.width(), widget.needs.x, form_->width(), x, width);
  along(axes.down, control.row(), control.height(), widget.needs.y, form_->height(), y, height);
  widget.window->SetSize(x, y, width, height);
  if (control.kind() == ControlKind::kRadioGroup) LayOutRadios(control, widget);
}

}  // namespace movarel::ui
