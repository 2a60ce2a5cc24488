#pragma once
// The main window's menu bar: popups holding items, submenus and separators. Captions keep
// the "&" before the shortcut letter exactly as the menu tree writes them; a name is
// optional and is what the enabling rule uses ("mnuRdos"). Nodes are owned by their parent
// and never move, so references stay valid while the form lives.

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace movarel::ui {

class Form;

enum class MenuKind { kPopup, kItem, kSeparator };

class MenuItem {
 public:
  MenuItem(Form* form, MenuKind kind, std::string caption, std::string name, Action action);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  // Building (popups and submenus only).
  MenuItem& AddPopup(std::string caption, std::string name = "");  // a submenu
  MenuItem& AddItem(std::string caption, std::string name, Action action);
  void AddSeparator();

  MenuKind kind() const { return kind_; }
  const std::string& caption() const { return caption_; }
  const std::string& name() const { return name_; }
  bool enabled() const { return enabled_; }
  // Enabled, and so is every popup above it (a disabled submenu blocks its items).
  bool reachable() const;
  MenuItem* parent() const { return parent_; }  // nullptr for a top-level popup
  const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }
  Form& form() const { return *form_; }

  // The item that ends the program, which a script's end or `quit` chooses as the user would.
  MenuItem& MarkEndsProgram() {
    ends_program_ = true;
    return *this;
  }
  bool ends_program() const { return ends_program_; }

  void SetEnabled(bool on);               // tells the backend once the form is shown
  void SetCaption(std::string caption);

  // What the user did: runs the action when reachable; returns false (and does nothing)
  // when the item or a popup above it is disabled.
  bool UserChoose();

 private:
  Form* form_;
  MenuItem* parent_ = nullptr;
  MenuKind kind_;
  std::string caption_;
  std::string name_;
  Action action_;
  bool enabled_ = true;
  bool ends_program_ = false;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

}  // namespace movarel::ui
