#include "sysinfo/info_list.h"

#include "page/page_context.h"

namespace sysinfo {

ui::ListView* AddInfoList(page::PageContext& form) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  if (!list) return nullptr;
  form.ListView(0, 10, 50, 420, 330);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetReadOnly(true);
  list->SetRowSelect(true);
  list->SetCheckBoxes(false);
  list->SetFlatScrollBars(true);
  list->SetSmallImages(&form.ImageList7);
  list->AddColumn("Bereich", 200);
  list->AddColumn("Wert", 200);
  return list;
}

void AddGroupRow(ui::ListView& list, const std::string& caption) {
  list.Add(caption)->SetImageIndex(kGroupImage);
}

void AddValueRow(ui::ListView& list, const std::string& caption, const std::string& value,
                 int image) {
  ui::ListItem* item = list.Add(caption);
  item->AddSubItem(value);
  item->SetImageIndex(image);
}

void AddBlankRow(ui::ListView& list) {
  list.Add(" ")->SetImageIndex(-1);
}

}  // namespace sysinfo
