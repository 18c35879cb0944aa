#include "ui/list_view.h"

#include <algorithm>

namespace ui {

int ListItem::Index() const {
  const auto& items = owner_.items_;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

void ListItem::Notify() {
  owner_.ItemChanged(*this);
}

void ListItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify();
}

void ListItem::SetImageIndex(int index) {
  imageIndex_ = index;
  Notify();
}

void ListItem::AddSubItem(std::string text) {
  subItems_.push_back(std::move(text));
  Notify();
}

void ListItem::SetSubItem(size_t i, std::string text) {
  if (subItems_.size() <= i) subItems_.resize(i + 1);
  subItems_[i] = std::move(text);
  Notify();
}

void ListItem::SetChecked(bool checked) {
  checked_ = checked;
  Notify();
}

void ListItem::SetSelected(bool selected) {
  if (selected && !owner_.multiSelect_) {
    for (const auto& other : owner_.items_) {
      if (other.get() != this && other->selected_) {
        other->selected_ = false;
        other->Notify();
      }
    }
  }
  selected_ = selected;
  Notify();
}

void ListView::ItemChanged(const ListItem& item) {
  if (GetPeer() && !updating_) GetPeer()->ItemChanged(item.Index());
}

void ListView::SetStyle(ViewStyle style) {
  style_ = style;
  Changed(Change::kStyle);
}

void ListView::AddColumn(std::string caption, int width, TextAlign alignment) {
  columns_.push_back({std::move(caption), width, alignment});
  Changed(Change::kItems);
}

void ListView::ClearColumns() {
  columns_.clear();
  Changed(Change::kItems);
}

ListItem* ListView::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

ListItem* ListView::Add(std::string caption) {
  items_.push_back(std::make_unique<ListItem>(*this, std::move(caption)));
  if (GetPeer() && !updating_) GetPeer()->ItemAdded(Count() - 1);
  return items_.back().get();
}

void ListView::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (GetPeer() && !updating_) GetPeer()->ItemRemoved(index);
}

void ListView::Clear() {
  items_.clear();
  if (!updating_) Changed(Change::kItems);
}

void ListView::BeginUpdate() {
  if (updating_++ == 0 && GetPeer()) GetPeer()->BeginUpdate();
}

void ListView::EndUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  Changed(Change::kItems);
  if (GetPeer()) GetPeer()->EndUpdate();
}

ListItem* ListView::Selected() const {
  for (const auto& item : items_) {
    if (item->Selected()) return item.get();
  }
  return nullptr;
}

int ListView::SelCount() const {
  return static_cast<int>(
      std::count_if(items_.begin(), items_.end(), [](const auto& i) { return i->Selected(); }));
}

int ListView::ItemIndex() const {
  const ListItem* item = Selected();
  return item ? item->Index() : -1;
}

void ListView::SetItemIndex(int index) {
  ClearSelection();
  if (ListItem* item = Item(index)) item->SetSelected(true);
}

void ListView::ClearSelection() {
  for (const auto& item : items_) {
    if (item->selected_) item->SetSelected(false);
  }
}

void ListView::SetMultiSelect(bool multiSelect) {
  multiSelect_ = multiSelect;
  Changed(Change::kStyle);
}

void ListView::SetCheckBoxes(bool checkBoxes) {
  checkBoxes_ = checkBoxes;
  Changed(Change::kStyle);
}

void ListView::SetGridLines(bool gridLines) {
  gridLines_ = gridLines;
  Changed(Change::kStyle);
}

void ListView::SetRowSelect(bool rowSelect) {
  rowSelect_ = rowSelect;
  Changed(Change::kStyle);
}

void ListView::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(Change::kStyle);
}

void ListView::SetHideSelection(bool hide) {
  hideSelection_ = hide;
  Changed(Change::kStyle);
}

void ListView::SetShowColumnHeaders(bool show) {
  showColumnHeaders_ = show;
  Changed(Change::kStyle);
}

void ListView::SetFlatScrollBars(bool flat) {
  flatScrollBars_ = flat;
  Changed(Change::kStyle);
}

void ListView::SetBorder(BorderStyle border) {
  border_ = border;
  Changed(Change::kStyle);
}

void ListView::SetCtl3D(bool ctl3D) {
  ctl3D_ = ctl3D;
  Changed(Change::kStyle);
}

void ListView::SetIconArrangeLeft(bool left) {
  arrangeLeft_ = left;
  Changed(Change::kStyle);
}

void ListView::SetSmallImages(const ImageList* images) {
  smallImages_ = images;
  Changed(Change::kPicture);
}

void ListView::SetLargeImages(const ImageList* images) {
  largeImages_ = images;
  Changed(Change::kPicture);
}

void ListView::UserSetSelected(int index, bool selected) {
  ListItem* item = Item(index);
  if (!item || item->Selected() == selected) return;
  item->SetSelected(selected);
  Fire(OnSelectItem, *this, *item, selected);
}

void ListView::UserClickItem(int index, bool extend) {
  if (index < 0 || index >= Count()) {
    if (!extend) {
      for (int i = 0; i < Count(); ++i) UserSetSelected(i, false);
    }
  } else if (extend && multiSelect_) {
    UserSetSelected(index, !Item(index)->Selected());
  } else {
    for (int i = 0; i < Count(); ++i) {
      if (i != index) UserSetSelected(i, false);
    }
    UserSetSelected(index, true);
  }
  Fire(OnClick, *this);
}

void ListView::UserDoubleClickItem(int index) {
  UserClickItem(index);
  Fire(OnDblClick, *this);
}

void ListView::UserToggleCheck(int index) {
  ListItem* item = Item(index);
  if (!item || !checkBoxes_) return;
  item->SetChecked(!item->Checked());
  Fire(OnItemChecked, *this, *item);
}

void ListView::UserClickColumn(int column) {
  Fire(OnColumnClick, *this, column);
}

}  // namespace ui
