#include "ui/wx/wx_probe.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/grid.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "storage/value.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/wx/form_window.h"
#include "ui/wx/grid_table.h"
#include "ui/wx/wx_backend.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

namespace {

FormWindow* WindowOf(const Form& form) {
  WxBackend* backend = WxBackend::Active();
  return backend != nullptr ? backend->WindowOf(form) : nullptr;
}

const Widget* WidgetOf(const Control& control) {
  FormWindow* window = WindowOf(control.form());
  return window != nullptr ? window->WidgetOf(control) : nullptr;
}

void Send(wxWindow* window, wxEventType type, int selection) {
  wxCommandEvent event(type, window->GetId());
  event.SetEventObject(window);
  event.SetInt(selection);
  window->ProcessWindowEvent(event);
}

}  // namespace

std::string ShownText(const Control& control) {
  const Widget* widget = WidgetOf(control);
  if (widget == nullptr) return "<none>";
  wxWindow* window = widget->window;
  switch (control.kind()) {
    case ControlKind::kTextBox: return FromWx(static_cast<wxTextCtrl*>(window)->GetValue());
    case ControlKind::kComboBox:
    case ControlKind::kListBox: return FromWx(dynamic_cast<wxControlWithItems*>(window)->GetStringSelection());
    case ControlKind::kRadioGroup:
      for (wxRadioButton* radio : widget->radios) {
        if (radio->GetValue()) return FromWx(radio->GetLabel());
      }
      return "";
    case ControlKind::kCheckBox: return static_cast<wxCheckBox*>(window)->GetValue() ? "true" : "false";
    case ControlKind::kDatePicker: {
      wxDateTime date = static_cast<wxDatePickerCtrl*>(window)->GetValue();
      if (!date.IsValid()) return "";
      return storage::Dtoc({date.GetYear(), static_cast<int>(date.GetMonth()) + 1, date.GetDay()});
    }
    case ControlKind::kLabel: return FromWx(static_cast<wxStaticText*>(window)->GetLabelText());
    case ControlKind::kGrid: {
      auto* grid = static_cast<wxGrid*>(window);
      std::string text = std::to_string(widget->table->RecnoOfRow(grid->GetGridCursorRow()));
      for (int row = 0; row < grid->GetNumberRows(); ++row) {
        text += "|";
        for (int col = 0; col < grid->GetNumberCols(); ++col) {
          if (col > 0) text += ",";
          text += FromWx(grid->GetCellValue(row, col));
        }
      }
      return text;
    }
    case ControlKind::kStatusBar: {
      std::string text;
      for (int i = 0; i < widget->status_bar->GetFieldsCount(); ++i) {
        if (i > 0) text += "|";
        text += FromWx(widget->status_bar->GetStatusText(i));
      }
      return text;
    }
    default: return FromWx(window->GetLabel());
  }
}

bool ShownEnabled(const Control& control) {
  const Widget* widget = WidgetOf(control);
  return widget != nullptr && widget->window->IsThisEnabled();
}

bool ShownVisible(const Control& control) {
  const Widget* widget = WidgetOf(control);
  return widget != nullptr && widget->window->IsShown();
}

std::string ShownMenuItem(const MenuItem& item) {
  FormWindow* window = WindowOf(item.form());
  wxMenuItem* wx_item = window != nullptr ? window->MenuItemOf(item) : nullptr;
  if (wx_item == nullptr) return "<none>";
  return FromWx(wx_item->GetItemLabel()) + (wx_item->IsEnabled() ? "" : " (disabled)");
}

std::string ShownTitle(const Form& form) {
  FormWindow* window = WindowOf(form);
  return window != nullptr ? FromWx(window->window()->GetTitle()) : "<none>";
}

bool ShownModal(const Form& form) {
  FormWindow* window = WindowOf(form);
  return window != nullptr && window->dialog() != nullptr && window->dialog()->IsModal();
}

void TypeInto(Control& control, const std::string& text) {
  const Widget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  wxWindow* window = widget->window;
  const int index = static_cast<int>(storage::Val(text));
  switch (control.kind()) {
    case ControlKind::kTextBox: static_cast<wxTextCtrl*>(window)->SetValue(ToWx(text)); break;
    case ControlKind::kComboBox:
      static_cast<wxChoice*>(window)->SetSelection(index - 1);
      Send(window, wxEVT_CHOICE, index - 1);
      break;
    case ControlKind::kListBox:
      static_cast<wxListBox*>(window)->SetSelection(index - 1);
      Send(window, wxEVT_LISTBOX, index - 1);
      break;
    case ControlKind::kCheckBox:
      static_cast<wxCheckBox*>(window)->SetValue(text == "true");
      Send(window, wxEVT_CHECKBOX, text == "true" ? 1 : 0);
      break;
    case ControlKind::kRadioGroup:
      if (index >= 1 && index <= static_cast<int>(widget->radios.size())) {
        widget->radios[index - 1]->SetValue(true);
        Send(widget->radios[index - 1], wxEVT_RADIOBUTTON, 1);
      }
      break;
    case ControlKind::kDatePicker: {
      storage::Date date = storage::Ctod(text);
      wxDateTime value = date.empty() ? wxInvalidDateTime
                                      : wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day),
                                                   static_cast<wxDateTime::Month>(date.month - 1), date.year);
      static_cast<wxDatePickerCtrl*>(window)->SetValue(value);
      wxDateEvent event(window, value, wxEVT_DATE_CHANGED);
      window->ProcessWindowEvent(event);
      break;
    }
    case ControlKind::kGrid: {
      const int row = widget->table->RowOfRecno(static_cast<uint32_t>(index));
      if (row >= 0) static_cast<wxGrid*>(window)->SetGridCursor(row, 0);
      break;
    }
    case ControlKind::kTab: static_cast<wxNotebook*>(window)->SetSelection(index - 1); break;
    default: break;
  }
}

void DoubleClickOn(Control& control) {
  const Widget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  wxWindow* window = widget->window;
  if (control.kind() == ControlKind::kListBox) {
    Send(window, wxEVT_LISTBOX_DCLICK, static_cast<wxListBox*>(window)->GetSelection());
  } else if (control.kind() == ControlKind::kGrid) {
    auto* grid = static_cast<wxGrid*>(window);
    wxGridEvent event(grid->GetId(), wxEVT_GRID_CELL_LEFT_DCLICK, grid, grid->GetGridCursorRow(), 0);
    grid->ProcessWindowEvent(event);
  }
}

void ClickHeader(Control& grid, int column) {
  const Widget* widget = WidgetOf(grid);
  if (widget == nullptr || grid.kind() != ControlKind::kGrid) return;
  wxGridEvent event(widget->window->GetId(), wxEVT_GRID_LABEL_LEFT_CLICK, widget->window, -1, column - 1);
  widget->window->ProcessWindowEvent(event);
}

void EditCell(Control& grid, uint32_t recno, int column, const std::string& text) {
  const Widget* widget = WidgetOf(grid);
  if (widget == nullptr || grid.kind() != ControlKind::kGrid) return;
  auto* wx_grid = static_cast<wxGrid*>(widget->window);
  const int row = widget->table->RowOfRecno(recno);
  if (row < 0) return;
  wx_grid->SetGridCursor(row, column - 1);
  wx_grid->EnableCellEditControl();
  wxGridCellEditor* editor = wx_grid->GetCellEditor(row, column - 1);
  if (auto* box = dynamic_cast<wxTextCtrl*>(editor->GetControl())) box->SetValue(ToWx(text));
  editor->DecRef();
  wx_grid->SaveEditControlValue();
  wx_grid->DisableCellEditControl();
  // The model takes the edit once the grid's own handling is over (control_widgets.cpp).
  wxTheApp->ProcessPendingEvents();
}

void ClickOn(Control& control) {
  const Widget* widget = WidgetOf(control);
  if (widget != nullptr) Send(widget->window, wxEVT_BUTTON, 0);
}

void ChooseFromMenu(MenuItem& item) {
  FormWindow* window = WindowOf(item.form());
  if (window == nullptr) return;
  const int id = window->MenuIdOf(item);
  if (id == wxID_NONE) return;
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(window->window());
  window->window()->ProcessWindowEvent(event);
}

void PressCloseBox(Form& form) {
  if (FormWindow* window = WindowOf(form)) window->window()->Close();
}

}  // namespace movarel::ui
