#include "ui/menu.h"

#include <cassert>
#include <utility>

#include "ui/form.h"

namespace movarel::ui {

MenuItem::MenuItem(Form* form, MenuKind kind, std::string caption, std::string name, Action action)
    : form_(form), kind_(kind), caption_(std::move(caption)), name_(std::move(name)), action_(std::move(action)) {}

MenuItem& MenuItem::AddPopup(std::string caption, std::string name) {
  assert(kind_ == MenuKind::kPopup);
  children_.push_back(std::make_unique<MenuItem>(form_, MenuKind::kPopup, std::move(caption), std::move(name), nullptr));
  children_.back()->parent_ = this;
  return *children_.back();
}

MenuItem& MenuItem::AddItem(std::string caption, std::string name, Action action) {
  assert(kind_ == MenuKind::kPopup);
  children_.push_back(
      std::make_unique<MenuItem>(form_, MenuKind::kItem, std::move(caption), std::move(name), std::move(action)));
  children_.back()->parent_ = this;
  return *children_.back();
}

void MenuItem::AddSeparator() {
  assert(kind_ == MenuKind::kPopup);
  children_.push_back(std::make_unique<MenuItem>(form_, MenuKind::kSeparator, "", "", nullptr));
  children_.back()->parent_ = this;
}

bool MenuItem::reachable() const {
  for (const MenuItem* item = this; item != nullptr; item = item->parent_) {
    if (!item->enabled_) return false;
  }
  return true;
}

void MenuItem::SetEnabled(bool on) {
  enabled_ = on;
  form_->NotifyMenuItem(*this, Property::kEnabled);
}

void MenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  form_->NotifyMenuItem(*this, Property::kCaption);
}

bool MenuItem::UserChoose() {
  if (!reachable()) return false;
  if (action_) action_();
  return true;
}

}  // namespace movarel::ui
