#include "ui/menu.h"

#include "ui/control.h"

namespace ui {

MenuItem* MenuItem::Add(std::string caption, Handler onClick) {
  items_.push_back(std::make_unique<MenuItem>(backend_, std::move(caption)));
  items_.back()->OnClick = std::move(onClick);
  return items_.back().get();
}

MenuItem* MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

MenuItem* MenuItem::Find(std::string_view captionOrName) const {
  for (const auto& item : items_) {
    if (item->caption_ == captionOrName || item->name_ == captionOrName) return item.get();
    if (MenuItem* found = item->Find(captionOrName)) return found;
  }
  return nullptr;
}

void MenuItem::UserChoose() {
  if (!enabled_ || !OnClick) return;
  const Handler handler = OnClick;  // the handler may rebuild the menu
  RunEvent(backend_, [&] { handler(*this); });
}

void PopupMenu::Prepare() {
  if (!OnPopup) return;
  const auto handler = OnPopup;
  RunEvent(&backend_, [&] { handler(*this); });
}

void PopupMenu::Popup(Point screen) {
  Prepare();
  backend_.ShowPopupMenu(*this, screen);
}

}  // namespace ui
