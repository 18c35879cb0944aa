#include "sysinfo/info_list.h"

#include "page/page_frame.h"

namespace sysinfo {

InfoList::InfoList(page::PageContext& form, const ui::Rect& bounds) {
  list_ = form.Create(form.ListViews, 0);
  if (!list_) return;
  form.ListView(0, bounds.left, bounds.top, bounds.width, bounds.height);
  list_->SetStyle(ui::ViewStyle::Report);
  list_->SetReadOnly(true);
  list_->SetRowSelect(true);
  list_->SetCheckBoxes(false);
  list_->SetFlatScrollBars(true);
  list_->SetSmallImages(&form.ImageList7);
  list_->AddColumn("Bereich", 200);
  list_->AddColumn("Wert", 200);
  batch_.emplace(*list_);
}

void InfoList::Group(const std::string& caption) {
  if (!list_) return;
  list_->Add(caption)->SetImageIndex(kGroupIcon);
}

void InfoList::Value(const std::string& caption, const std::string& value, int icon) {
  if (!list_) return;
  ui::ListItem* item = list_->Add(caption);
  item->AddSubItem(value);
  item->SetImageIndex(icon);
}

void InfoList::Blank() {
  if (list_) list_->Add(" ");
}

}  // namespace sysinfo
