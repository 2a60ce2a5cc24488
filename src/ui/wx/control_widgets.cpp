// The widget of each control kind: how it is created at the control's place, how it
// follows the model's properties, and which of its events reach the model.

#include <wx/artprov.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/grid.h>
#include <wx/hyperlink.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include <algorithm>
#include <cstring>

#include "storage/value.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/names.h"
#include "ui/ui.h"
#include "ui/wx/form_window.h"
#include "ui/wx/grid_table.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

namespace {

// Room for one option of a radio group, as the dialogs' layouts assume.
constexpr int kRadioSpacing = 25;
// Room a grid's column header leaves around its text.
constexpr int kHeaderMargin = 10;

// The pictures of the picture buttons are resources the program does not ship; the
// toolkit's stock images stand in for the ones with an obvious equivalent.
wxArtID ArtFor(const std::string& picture) {
  static const struct {
    const char* picture;
    const char* art;
  } kArt[] = {
      {"ok", wxART_TICK_MARK},       {"aceptar", wxART_TICK_MARK}, {"salir", wxART_QUIT},
      {"grabar", wxART_FILE_SAVE},   {"guardar", wxART_FILE_SAVE}, {"nuevo", wxART_NEW},
      {"borrar", wxART_DELETE},      {"arriba", wxART_GO_UP},      {"abajo", wxART_GO_DOWN},
      {"izquierda", wxART_GO_BACK},  {"derecha", wxART_GO_FORWARD}, {"cancelar", wxART_CROSS_MARK},
      {"izda", wxART_GO_BACK},       {"dcha", wxART_GO_FORWARD},
      {"imprimir", wxART_PRINT},     {"buscar", wxART_FIND},       {"abrir", wxART_FILE_OPEN},
      {"ayuda", wxART_HELP},         {"editar", wxART_EDIT},       {"tq", wxART_INFORMATION},
      {"nuevos", wxART_NEW_DIR},     {"deshacer", wxART_UNDO},
  };
  for (const auto& entry : kArt) {
    if (SameName(picture, entry.picture)) return entry.art;
  }
  return wxArtID();
}

wxBitmap PictureBitmap(const std::string& picture) {
  wxArtID art = ArtFor(picture);
  if (art.empty()) return wxNullBitmap;
  return wxArtProvider::GetBitmap(art, wxART_BUTTON, wxSize(16, 16));
}

wxSize SizeOf(const Control& control) {
  return wxSize(control.width() > 0 ? control.width() : -1, control.height() > 0 ? control.height() : -1);
}

// Only all-digit masks ("99") restrict typing; the dialogs use no other kind.
bool DigitsMask(const std::string& mask) {
  return !mask.empty() && std::all_of(mask.begin(), mask.end(), [](char c) { return c == '9'; });
}


wxDateTime ToWxDate(const storage::Date& date) {
  if (date.empty() || date.month < 1 || date.month > 12) return wxInvalidDateTime;
  return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day), static_cast<wxDateTime::Month>(date.month - 1),
                    date.year);
}

storage::Date FromWxDate(const wxDateTime& date) {
  if (!date.IsValid()) return {};
  return {date.GetYear(), static_cast<int>(date.GetMonth()) + 1, date.GetDay()};
}

int WxAlignment(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::kRight: return wxALIGN_RIGHT;
    case ui::Alignment::kCenter: return wxALIGN_CENTRE;
    case ui::Alignment::kLeft: break;
  }
  return wxALIGN_LEFT;
}

}  // namespace

wxWindow* FormWindow::ParentFor(const Control& control) {
  if (control.tab_name().empty()) return panel_;
  Control* tab = form_->Find(control.tab_name());
  const Widget* widget = tab != nullptr ? WidgetOf(*tab) : nullptr;
  if (widget == nullptr) return panel_;
  auto* notebook = static_cast<wxNotebook*>(widget->window);
  const int page = control.tab_page() - 1;
  if (page < 0 || page >= static_cast<int>(notebook->GetPageCount())) return panel_;
  return notebook->GetPage(page);
}

void FormWindow::CreateWidget(Control& control) {
  if (widgets_.count(&control) != 0) return;
  wxWindow* parent = ParentFor(control);
  const wxPoint pos(control.col(), control.row());
  const wxSize size = SizeOf(control);
  Widget widget;
  switch (control.kind()) {
    case ControlKind::kLabel:
      widget.window = new wxStaticText(parent, wxID_ANY, wxString(), pos, size, wxST_NO_AUTORESIZE);
      break;
    case ControlKind::kTextBox: {
      auto* text = new wxTextCtrl(parent, wxID_ANY, wxString(), pos, size,
                                  control.text_kind() == TextKind::kNumber ? wxTE_RIGHT : 0);
      if (control.max_length() > 0) text->SetMaxLength(control.max_length());
      if (DigitsMask(control.input_mask())) {
        text->SetValidator(wxTextValidator(wxFILTER_DIGITS));
        if (control.max_length() <= 0) text->SetMaxLength(control.input_mask().size());
      }
      widget.window = text;
      break;
    }
    case ControlKind::kComboBox: widget.window = new wxChoice(parent, wxID_ANY, pos, size); break;
    case ControlKind::kCheckBox: widget.window = new wxCheckBox(parent, wxID_ANY, wxString(), pos, size); break;
    case ControlKind::kRadioGroup: widget.window = new wxPanel(parent, wxID_ANY, pos, size); break;
    case ControlKind::kDatePicker:
      widget.window = new wxDatePickerCtrl(parent, wxID_ANY, wxInvalidDateTime, pos, size,
                                           wxDP_DROPDOWN | wxDP_SHOWCENTURY | wxDP_ALLOWNONE);
      break;
    case ControlKind::kListBox:
      widget.window = new wxListBox(parent, wxID_ANY, pos, size, 0, nullptr, wxLB_SINGLE);
      break;
    case ControlKind::kFrame:
      if (IsRule(control)) {
        const bool horizontal = control.height() <= control.width();
        widget.window = new wxStaticLine(parent, wxID_ANY, pos, size, horizontal ? wxLI_HORIZONTAL : wxLI_VERTICAL);
      } else {
        widget.window = new wxStaticBox(parent, wxID_ANY, wxString(), pos, size);
      }
      break;
    case ControlKind::kGrid: {
      auto* grid = new wxGrid(parent, wxID_ANY, pos, size);
      widget.table = new GridTable(control, form_->ui().workspace());
      grid->SetTable(widget.table, true, wxGrid::wxGridSelectRows);
      grid->SetRowLabelSize(0);
      grid->SetColLabelSize(22);
      grid->DisableDragRowSize();
      ApplyGridColumns(control, *grid);
      widget.window = grid;
      break;
    }
    case ControlKind::kButton:
      // Exact fit: the toolkit's standard button width would be the least room of a one-digit
      // button; the form's own width is the least instead.
      widget.window = new wxButton(parent, wxID_ANY, wxString(), pos, size, wxBU_EXACTFIT);
      break;
    case ControlKind::kPictureButton: {
      wxBitmap bitmap = PictureBitmap(control.picture());
      if (bitmap.IsOk()) {
        widget.window = new wxBitmapButton(parent, wxID_ANY, bitmap, pos, size);
      } else {
        widget.window = new wxButton(parent, wxID_ANY, wxString(), pos, size, wxBU_EXACTFIT);
      }
      break;
    }
    case ControlKind::kHyperlink: {
      std::string label = control.caption().empty() ? control.target() : control.caption();
      std::string url = control.target().empty() ? label : control.target();
      if (label.empty()) label = url = " ";
      widget.window = new wxHyperlinkCtrl(parent, wxID_ANY, ToWx(label), ToWx(url), pos, size,
                                          wxHL_ALIGN_LEFT | wxNO_BORDER);
      break;
    }
    case ControlKind::kTab: widget.window = new wxNotebook(parent, wxID_ANY, pos, size); break;
    case ControlKind::kStatusBar:
      if (frame_ != nullptr) {
        widget.status_bar = frame_->CreateStatusBar(1);
      } else {
        widget.status_bar = new wxStatusBar(panel_, wxID_ANY);
        widget.status_bar->SetSize(0, form_->height() - 22, form_->width(), 22);
      }
      widget.window = widget.status_bar;
      break;
  }
  widgets_[&control] = widget;
  BindEvents(control, widgets_[&control]);
  ++quiet_;
  ApplyAll(control);
  --quiet_;
}

void FormWindow::ApplyGridColumns(Control& control, wxGrid& grid) {
  const auto& columns = control.columns();
  for (size_t i = 0; i < columns.size(); ++i) {
    const int col = static_cast<int>(i);
    int header_width = 0;
    const wxFont font = grid.GetLabelFont();
    grid.GetTextExtent(ToWx(columns[i].header), &header_width, nullptr, nullptr, nullptr, &font);
    grid.SetColSize(col, std::max(columns[i].width, header_width + kHeaderMargin));
    auto* attr = new wxGridCellAttr();
    attr->SetAlignment(WxAlignment(columns[i].alignment), wxALIGN_CENTRE);
    attr->SetReadOnly(!columns[i].editable);
    if (!columns[i].picture_true.empty() || !columns[i].picture_false.empty()) {
      attr->SetRenderer(new wxGridCellBoolRenderer());
      attr->SetAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    }
    grid.SetColAttr(col, attr);
  }
}

void FormWindow::User(Control& control, const std::function<void()>& action) {
  if (quiet_ > 0 || !control.enabled()) return;
  action();
}

void FormWindow::BindEvents(Control& control, Widget& widget) {
  Control* c = &control;
  switch (control.kind()) {
    case ControlKind::kTextBox:
      widget.window->Bind(wxEVT_TEXT, [this, c](wxCommandEvent& event) {
        User(*c, [&] {
          typing_ = c;
          c->UserSetValue(FromWx(event.GetString()));
          typing_ = nullptr;
        });
      });
      break;
    case ControlKind::kComboBox:
      widget.window->Bind(wxEVT_CHOICE, [this, c](wxCommandEvent& event) {
        User(*c, [&] { c->UserSetValue(static_cast<double>(event.GetSelection() + 1)); });
      });
      break;
    case ControlKind::kCheckBox:
      widget.window->Bind(wxEVT_CHECKBOX, [this, c](wxCommandEvent& event) {
        User(*c, [&] { c->UserSetValue(event.IsChecked()); });
      });
      break;
    case ControlKind::kDatePicker:
      widget.window->Bind(wxEVT_DATE_CHANGED, [this, c](wxDateEvent& event) {
        User(*c, [&] { c->UserSetValue(FromWxDate(event.GetDate())); });
      });
      break;
    case ControlKind::kListBox:
      widget.window->Bind(wxEVT_LISTBOX, [this, c](wxCommandEvent& event) {
        User(*c, [&] { c->UserSetValue(static_cast<double>(event.GetSelection() + 1)); });
      });
      widget.window->Bind(wxEVT_LISTBOX_DCLICK, [this, c](wxCommandEvent&) { User(*c, [&] { c->UserDoubleClick(); }); });
      break;
    case ControlKind::kGrid: {
      auto* grid = static_cast<wxGrid*>(widget.window);
      GridTable* table = widget.table;
      grid->Bind(wxEVT_GRID_SELECT_CELL, [this, c, table](wxGridEvent& event) {
        event.Skip();
        const uint32_t recno = table->RecnoOfRow(event.GetRow());
        if (recno != 0 && recno != c->recno()) User(*c, [&] { c->UserSetValue(static_cast<double>(recno)); });
      });
      grid->Bind(wxEVT_GRID_CELL_LEFT_DCLICK, [this, c, table](wxGridEvent& event) {
        const int col = event.GetCol();
        const auto& columns = c->columns();
        // A double click on an editable cell also opens its editor.
        if (col >= 0 && col < static_cast<int>(columns.size()) && columns[col].editable) event.Skip();
        const uint32_t recno = table->RecnoOfRow(event.GetRow());
        User(*c, [&] {
          if (recno != 0 && recno != c->recno()) c->UserSetValue(static_cast<double>(recno));
          c->UserDoubleClick();
        });
      });
      grid->Bind(wxEVT_GRID_LABEL_LEFT_CLICK, [this, c](wxGridEvent& event) {
        if (event.GetRow() != -1 || event.GetCol() < 0) {
          event.Skip();
          return;
        }
        User(*c, [&] { c->UserHeaderClick(event.GetCol() + 1); });
      });
      grid->Bind(wxEVT_GRID_CELL_CHANGING, [this, c, grid, table](wxGridEvent& event) {
        // The model writes the field under a record lock and re-reads the rows; the
        // editor's own copy of the text is dropped.
        event.Veto();
        if (quiet_ > 0) return;
        const uint32_t recno = table->RecnoOfRow(event.GetRow());
        const int column = event.GetCol() + 1;
        const std::string text = FromWx(event.GetString());
        if (recno == 0) return;
        grid->CallAfter([c, recno, column, text] { c->UserEditCell(recno, column, text); });
      });
      break;
    }
    case ControlKind::kButton:
    case ControlKind::kPictureButton:
      widget.window->Bind(wxEVT_BUTTON, [this, c](wxCommandEvent&) { User(*c, [&] { c->UserClick(); }); });
      break;
    case ControlKind::kHyperlink:
      // Not skipped: the model decides what a click opens (through OpenDocument).
      widget.window->Bind(wxEVT_HYPERLINK, [this, c](wxHyperlinkEvent&) { User(*c, [&] { c->UserClick(); }); });
      break;
    case ControlKind::kTab:
      widget.window->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this, c](wxBookCtrlEvent& event) {
        User(*c, [&] { c->UserSetValue(static_cast<double>(event.GetSelection() + 1)); });
      });
      break;
    case ControlKind::kRadioGroup:  // its buttons are bound as ApplyItems creates them
    case ControlKind::kLabel:
    case ControlKind::kFrame:
    case ControlKind::kStatusBar: break;
  }
}

void FormWindow::ApplyAll(Control& control) {
  ApplyItems(control);
  ApplyCaption(control);
  ApplyValue(control);
  ApplyEnabled(control);
  Widget& widget = widgets_[&control];
  if (!control.tooltip().empty()) widget.window->SetToolTip(ToWx(control.tooltip()));
  if (control.font_size() > 0) {
    widget.window->SetFont(wxFont(wxFontInfo(control.font_size())));
  }
  if (!control.visible()) widget.window->Hide();
}

void FormWindow::Apply(Control& control, Property property, int) {
  Widget& widget = widgets_[&control];
  switch (property) {
    case Property::kValue:
      ApplyValue(control);
      if (control.kind() == ControlKind::kLabel) FitToContent();
      break;
    case Property::kEnabled: ApplyEnabled(control); break;
    case Property::kVisible: widget.window->Show(control.visible()); break;
    case Property::kCaption:
    case Property::kTitle:
      ApplyCaption(control);
      FitToContent();
      break;
    case Property::kRow:
    case Property::kCol:
    case Property::kHeight:
    case Property::kWidth: ApplyGeometry(control); break;
    case Property::kItem:
    case Property::kItems:
      ApplyItems(control);
      ApplyValue(control);
      if (control.kind() != ControlKind::kGrid) FitToContent();
      break;
    case Property::kTooltip: widget.window->SetToolTip(ToWx(control.tooltip())); break;
    case Property::kPicture:
      if (auto* button = dynamic_cast<wxBitmapButton*>(widget.window)) {
        wxBitmap bitmap = PictureBitmap(control.picture());
        if (bitmap.IsOk()) button->SetBitmap(bitmap);
      } else {
        ApplyCaption(control);
      }
      break;
    case Property::kItemCount: break;
  }
}

void FormWindow::ApplyGeometry(Control& control) {
  if (control.kind() == ControlKind::kStatusBar) return;
  FitToContent();
}

void FormWindow::ApplyItems(Control& control) {
  Widget& widget = widgets_[&control];
  const std::vector<std::string>& items = control.items();
  switch (control.kind()) {
    case ControlKind::kComboBox:
    case ControlKind::kListBox: {
      auto* list = static_cast<wxItemContainer*>(dynamic_cast<wxControlWithItems*>(widget.window));
      wxArrayString texts;
      for (const std::string& item : items) texts.Add(ToWx(item));
      list->Set(texts);
      break;
    }
    case ControlKind::kRadioGroup: {
      const int width = control.width() > 0 ? control.width() : 120;
      if (widget.radios.size() != items.size()) {
        for (wxRadioButton* radio : widget.radios) radio->Destroy();
        widget.radios.clear();
        Control* c = &control;
        for (size_t i = 0; i < items.size(); ++i) {
          auto* radio = new wxRadioButton(widget.window, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                          i == 0 ? wxRB_GROUP : 0);
          radio->Bind(wxEVT_RADIOBUTTON, [this, c, i](wxCommandEvent&) {
            User(*c, [&] { c->UserSetValue(static_cast<double>(i + 1)); });
          });
          widget.radios.push_back(radio);
        }
      }
      for (size_t i = 0; i < items.size(); ++i) widget.radios[i]->SetLabel(ToWx(items[i]));
      const int height = std::max(control.height(), static_cast<int>(items.size()) * kRadioSpacing);
      widget.window->SetSize(width, height);
      LayOutRadios(control, widget);
      break;
    }
    case ControlKind::kTab: {
      auto* notebook = static_cast<wxNotebook*>(widget.window);
      while (notebook->GetPageCount() < items.size()) notebook->AddPage(new wxPanel(notebook), wxString());
      for (size_t i = 0; i < items.size(); ++i) notebook->SetPageText(i, ToWx(items[i]));
      break;
    }
    case ControlKind::kStatusBar: {
      wxStatusBar* bar = widget.status_bar;
      const int count = std::max<int>(1, static_cast<int>(items.size()));
      std::vector<int> widths(count, -1);
      for (int i = 0; i < count && i < static_cast<int>(control.item_widths().size()); ++i) {
        widths[i] = control.item_widths()[i];
      }
      bar->SetFieldsCount(count, widths.data());
      for (size_t i = 0; i < items.size(); ++i) bar->SetStatusText(ToWx(items[i]), static_cast<int>(i));
      break;
    }
    case ControlKind::kGrid: widget.table->Reload(); break;
    default: break;
  }
}

void FormWindow::LayOutRadios(const Control& control, Widget& widget) {
  const int width = widget.window->GetClientSize().x;
  const int spacing = std::max(kRadioSpacing, NeededSize(control).y / std::max<int>(1, widget.radios.size()));
  for (size_t i = 0; i < widget.radios.size(); ++i) {
    widget.radios[i]->SetSize(0, static_cast<int>(i) * spacing, width, spacing - 2);
  }
}

void FormWindow::ApplyValue(Control& control) {
  if (typing_ == &control) return;  // the widget already shows what the user typed
  Widget& widget = widgets_[&control];
  const int index = control.index();
  switch (control.kind()) {
    case ControlKind::kTextBox: static_cast<wxTextCtrl*>(widget.window)->ChangeValue(ToWx(control.text())); break;
    case ControlKind::kComboBox:
    case ControlKind::kListBox: {
      auto* list = dynamic_cast<wxControlWithItems*>(widget.window);
      const bool in_range = index >= 1 && index <= static_cast<int>(list->GetCount());
      list->SetSelection(in_range ? index - 1 : wxNOT_FOUND);
      break;
    }
    case ControlKind::kCheckBox: static_cast<wxCheckBox*>(widget.window)->SetValue(control.checked()); break;
    case ControlKind::kRadioGroup:
      if (index >= 1 && index <= static_cast<int>(widget.radios.size())) widget.radios[index - 1]->SetValue(true);
      break;
    case ControlKind::kDatePicker:
      static_cast<wxDatePickerCtrl*>(widget.window)->SetValue(ToWxDate(control.date()));
      break;
    case ControlKind::kGrid: {
      auto* grid = static_cast<wxGrid*>(widget.window);
      const int row = widget.table->RowOfRecno(control.recno());
      if (row < 0) {
        grid->ClearSelection();
        break;
      }
      grid->SetGridCursor(row, std::max(grid->GetGridCursorCol(), 0));
      grid->MakeCellVisible(row, std::max(grid->GetGridCursorCol(), 0));
      grid->SelectRow(row);
      break;
    }
    case ControlKind::kTab: {
      auto* notebook = static_cast<wxNotebook*>(widget.window);
      if (index >= 1 && index <= static_cast<int>(notebook->GetPageCount())) notebook->ChangeSelection(index - 1);
      break;
    }
    case ControlKind::kLabel:
      // A label shows its Value once one is given, else its Caption.
      if (!control.text().empty()) static_cast<wxStaticText*>(widget.window)->SetLabelText(ToWx(control.text()));
      break;
    default: break;
  }
}

void FormWindow::ApplyEnabled(Control& control) {
  Widget& widget = widgets_[&control];
  widget.window->Enable(control.enabled());
  if (control.kind() == ControlKind::kTextBox) {
    static_cast<wxTextCtrl*>(widget.window)->SetEditable(!control.read_only());
  } else if (control.kind() == ControlKind::kGrid) {
    static_cast<wxGrid*>(widget.window)->EnableEditing(!control.read_only());
  }
}

void FormWindow::ApplyCaption(Control& control) {
  Widget& widget = widgets_[&control];
  const wxString caption = ToWx(control.caption());
  switch (control.kind()) {
    case ControlKind::kLabel:
      // Shown literally: labels carry data ("Torneo A&B"), not shortcut letters.
      if (!control.caption().empty() || control.text().empty()) {
        static_cast<wxStaticText*>(widget.window)->SetLabelText(caption);
      }
      break;
    case ControlKind::kButton:
    case ControlKind::kCheckBox: widget.window->SetLabel(caption); break;
    case ControlKind::kPictureButton:
      if (dynamic_cast<wxBitmapButton*>(widget.window) == nullptr) {
        widget.window->SetLabel(control.caption().empty() ? ToWx(control.picture()) : caption);
      }
      break;
    case ControlKind::kFrame:
      if (auto* box = dynamic_cast<wxStaticBox*>(widget.window)) box->SetLabel(caption);
      break;
    case ControlKind::kHyperlink:
      if (!control.caption().empty()) static_cast<wxHyperlinkCtrl*>(widget.window)->SetLabel(caption);
      if (!control.target().empty()) static_cast<wxHyperlinkCtrl*>(widget.window)->SetURL(ToWx(control.target()));
      break;
    default: break;
  }
}

}  // namespace movarel::ui
