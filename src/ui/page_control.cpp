#include "ui/page_control.h"

#include <algorithm>

namespace ui {

void TabSheet::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Pages()) Pages()->Changed(Change::kItems);
}

void TabSheet::Reveal() {
  if (revealed_) return;
  revealed_ = true;
  CreateChildPeers();
}

PageControl* TabSheet::Pages() const {
  return dynamic_cast<PageControl*>(Parent());
}

int TabSheet::PageIndex() const {
  const PageControl* pages = Pages();
  if (!pages) return -1;
  const auto it = std::find(pages->sheets_.begin(), pages->sheets_.end(), this);
  return it == pages->sheets_.end() ? -1 : static_cast<int>(it - pages->sheets_.begin());
}

TabSheet* PageControl::AddSheet(std::string caption) {
  auto* sheet = Add<TabSheet>();
  sheet->SetAlign(Align::Client);
  sheets_.push_back(sheet);
  sheet->SetCaption(std::move(caption));
  Changed(Change::kItems);
  if (!active_) SetActivePage(sheet);
  return sheet;
}

TabSheet* PageControl::Sheet(int index) const {
  if (index < 0 || index >= SheetCount()) return nullptr;
  return sheets_[static_cast<size_t>(index)];
}

void PageControl::SetActivePage(TabSheet* sheet) {
  if (sheet == active_) return;
  if (active_) active_->Hide();
  active_ = sheet;
  if (active_) {
    active_->Reveal();
    active_->Show();
  }
  Changed(Change::kState);
}

void PageControl::SetTabWidth(int width) {
  tabWidth_ = width;
  Changed(Change::kStyle);
}

void PageControl::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  Changed(Change::kStyle);
}

Rect PageControl::ClientRect() const {
  return {4, kTabHeight + 2, std::max(0, Width() - 8), std::max(0, Height() - kTabHeight - 6)};
}

void PageControl::UserSelectTab(int index) {
  TabSheet* sheet = Sheet(index);
  if (!sheet || sheet == active_) return;
  bool allow = true;
  Fire(OnChanging, *this, allow);
  if (!allow) return;
  SetActivePage(sheet);
  Fire(OnChange, *this);
}

}  // namespace ui
