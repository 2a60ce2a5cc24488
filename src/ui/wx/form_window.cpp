#include "ui/wx/form_window.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

FormWindow::FormWindow(Form& form, wxWindow* parent) : form_(&form) {
  const wxString caption = ToWx(form.caption());
  const wxPoint position(form.col(), form.row());
  if (form.kind() == FormKind::kMain) {
    frame_ = new wxFrame(parent, wxID_ANY, caption, position, wxDefaultSize);
    top_ = frame_;
  } else {
    dialog_ = new wxDialog(parent, wxID_ANY, caption, position, wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
    top_ = dialog_;
  }
  panel_ = new wxPanel(top_, wxID_ANY);
  if (frame_ != nullptr) BuildMenuBar();
  if (dialog_ != nullptr) BuildMenuStrip();
  // Titled boxes and tab controls first: widgets created later are drawn above them, and
  // the controls placed on a tab page need the page to exist.
  for (const auto& control : form.controls()) {
    if (control->kind() == ControlKind::kFrame || control->kind() == ControlKind::kTab) CreateWidget(*control);
  }
  for (const auto& control : form.controls()) {
    if (control->kind() != ControlKind::kFrame && control->kind() != ControlKind::kTab) CreateWidget(*control);
  }
  // The sizes the forms are defined with are the room their controls need, so they are
  // taken as the client area (the menu bar, a dialog's menu strip and the status bar come on
  // top), grown where the toolkit needs more.
  built_ = true;
  FitToContent();
  if (form.centered()) top_->Centre();
  top_->Bind(wxEVT_CLOSE_WINDOW, &FormWindow::OnClose, this);
}

FormWindow::~FormWindow() {
  timer_.Stop();
  top_->Unbind(wxEVT_CLOSE_WINDOW, &FormWindow::OnClose, this);
  // Deleted at once rather than at the next idle time: its widgets point into the Form,
  // which the operation that showed it may destroy as soon as Activate returns.
  widgets_.clear();
  top_->Hide();
  delete top_;
}

void FormWindow::Start(std::function<void()> tick, int interval_ms) {
  timer_.tick = std::move(tick);
  // A dialog is shown by ShowModal, which must find it hidden to make it modal.
  if (frame_ != nullptr && form_->visible()) top_->Show();
  timer_.Start(interval_ms);
}

void FormWindow::StopTimer() { timer_.Stop(); }

const Widget* FormWindow::WidgetOf(const Control& control) const {
  auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : &it->second;
}

wxMenuItem* FormWindow::MenuItemOf(const MenuItem& item) const {
  auto it = menu_items_.find(&item);
  return it == menu_items_.end() ? nullptr : it->second;
}

int FormWindow::MenuIdOf(const MenuItem& item) const {
  for (const auto& [id, menu_item] : menu_by_id_) {
    if (menu_item == &item) return id;
  }
  return wxID_NONE;
}

void FormWindow::BuildMenuBar() {
  if (form_->menu().empty()) return;
  auto* bar = new wxMenuBar();
  for (const auto& popup : form_->menu()) {
    auto* menu = new wxMenu();
    AppendMenuItems(menu, *popup);
    bar->Append(menu, ToWx(popup->caption()));
  }
  frame_->SetMenuBar(bar);
  for (size_t i = 0; i < form_->menu().size(); ++i) {
    if (!form_->menu()[i]->enabled()) bar->EnableTop(i, false);
  }
  frame_->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnMenu(event.GetId()); });
}

void FormWindow::BuildMenuStrip() {
  // wxDialog has no menu bar; the modal forms that have a menu show it as a row of buttons.
  if (form_->menu().empty()) return;
  menu_strip_ = new wxPanel(top_, wxID_ANY);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  for (const auto& popup : form_->menu()) {
    auto menu = std::make_unique<wxMenu>();
    AppendMenuItems(menu.get(), *popup);
    auto* button = new wxButton(menu_strip_, wxID_ANY, ToWx(popup->caption()), wxDefaultPosition, wxDefaultSize,
                                wxBU_EXACTFIT | wxBORDER_NONE);
    button->Enable(popup->enabled());
    wxMenu* dropped = menu.get();
    button->Bind(wxEVT_BUTTON,
                 [button, dropped](wxCommandEvent&) { button->PopupMenu(dropped, 0, button->GetSize().GetHeight()); });
    row->Add(button, 0, wxALL, 1);
    strip_buttons_.push_back(button);
    strip_menus_.push_back(std::move(menu));
  }
  menu_strip_->SetSizer(row);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(menu_strip_, 0, wxEXPAND);
  column->Add(panel_, 1, wxEXPAND);
  top_->SetSizer(column);
  // The chosen item's event climbs from the button to the dialog.
  top_->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnMenu(event.GetId()); });
}

int FormWindow::MenuStripHeight() const {
  return menu_strip_ != nullptr ? menu_strip_->GetBestSize().GetHeight() : 0;
}

void FormWindow::AppendMenuItems(wxMenu* menu, const MenuItem& popup) {
  for (const auto& child : popup.children()) {
    switch (child->kind()) {
      case MenuKind::kSeparator: menu->AppendSeparator(); break;
      case MenuKind::kPopup: {
        auto* submenu = new wxMenu();
        AppendMenuItems(submenu, *child);
        wxMenuItem* item = menu->AppendSubMenu(submenu, ToWx(child->caption()));
        menu_items_[child.get()] = item;
        item->Enable(child->enabled());
        break;
      }
      case MenuKind::kItem: {
        const int id = wxWindow::NewControlId();
        wxMenuItem* item = menu->Append(id, ToWx(child->caption()));
        menu_by_id_[id] = child.get();
        menu_items_[child.get()] = item;
        item->Enable(child->enabled());
        break;
      }
    }
  }
}

void FormWindow::OnMenu(int id) {
  auto it = menu_by_id_.find(id);
  if (it != menu_by_id_.end()) it->second->UserChoose();
}

void FormWindow::OnClose(wxCloseEvent& event) {
  if (!event.CanVeto()) {
    // The session is ending and the window cannot stay: leave as the exit command would.
    form_->Release();
    return;
  }
  event.Veto();
  form_->UserClose();
}

void FormWindow::Reflect(const Change& change) {
  ++quiet_;
  switch (change.kind) {
    case Change::Kind::kFormProperty: ReflectForm(change.property); break;
    case Change::Kind::kControlProperty:
      if (change.control != nullptr && widgets_.count(change.control) != 0) {
        Apply(*change.control, change.property, change.index);
      }
      break;
    case Change::Kind::kMenuItemProperty:
      if (change.menu_item != nullptr) ReflectMenuItem(*change.menu_item, change.property);
      break;
    case Change::Kind::kControlAdded:
      if (change.control != nullptr) {
        CreateWidget(*change.control);
        FitToContent();
      }
      break;
    case Change::Kind::kGridRefresh:
      if (change.control != nullptr) Apply(*change.control, Property::kItems, 0);
      break;
    case Change::Kind::kFocus:
      if (const Widget* widget = change.control != nullptr ? WidgetOf(*change.control) : nullptr) {
        widget->window->SetFocus();
      }
      break;
    case Change::Kind::kCenter: top_->Centre(); break;
  }
  --quiet_;
}

void FormWindow::ReflectForm(Property property) {
  switch (property) {
    case Property::kCaption:
    case Property::kTitle: top_->SetTitle(ToWx(form_->caption())); break;
    case Property::kRow:
    case Property::kCol: top_->Move(form_->col(), form_->row()); break;
    case Property::kWidth:
    case Property::kHeight: FitToContent(); break;
    case Property::kVisible: top_->Show(form_->visible()); break;
    default: break;
  }
}

void FormWindow::ReflectMenuItem(MenuItem& item, Property property) {
  if (item.parent() == nullptr) {
    // A top-level popup is a title of the menu bar, not an item.
    for (size_t i = 0; i < strip_buttons_.size() && i < form_->menu().size(); ++i) {
      if (form_->menu()[i].get() != &item) continue;
      if (property == Property::kEnabled) strip_buttons_[i]->Enable(item.enabled());
      if (property == Property::kCaption) strip_buttons_[i]->SetLabel(ToWx(item.caption()));
    }
    wxMenuBar* bar = frame_ != nullptr ? frame_->GetMenuBar() : nullptr;
    if (bar == nullptr) return;
    for (size_t i = 0; i < form_->menu().size(); ++i) {
      if (form_->menu()[i].get() != &item) continue;
      if (property == Property::kEnabled) bar->EnableTop(i, item.enabled());
      if (property == Property::kCaption) bar->SetMenuLabel(i, ToWx(item.caption()));
    }
    return;
  }
  wxMenuItem* wx_item = MenuItemOf(item);
  if (wx_item == nullptr) return;
  if (property == Property::kEnabled) wx_item->Enable(item.enabled());
  if (property == Property::kCaption) wx_item->SetItemLabel(ToWx(item.caption()));
}

}  // namespace movarel::ui
