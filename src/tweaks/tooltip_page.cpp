// The tool tips page: the pop-up texts ("InfoTip") that the shell shows for its system folders.
#include <array>
#include <string>

#include "dialogs/tip_dialog.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "page/settings_page.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kClassKey = "\\SOFTWARE\\Classes\\CLSID\\";
constexpr int kTipIcon = 10;

// The shell folders whose tips the page offers, in the order it lists them.
constexpr std::array<const char*, 16> kTipFolders = {
    "{208D2C60-3AEA-1069-A2D7-08002B30309D}", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
    "{21EC2020-3AEA-1069-A2DD-08002B30309D}", "{2227A280-3AEA-1069-A2DE-08002B30309D}",
    "{450D8FBA-AD25-11D0-98A8-0800361B1103}", "{645FF040-5081-101B-9F08-00AA002F954E}",
    "{7007ACC7-3202-11D1-AAD2-00805FC1270E}", "{7A9D77BD-5403-11d2-8785-2E0420524153}",
    "{85BBD920-42A0-1069-A2E4-08002B30309D}", "{871C5380-42A0-1069-A2EA-08002B30309D}",
    "{992CFFA0-F557-101A-88EC-00DD010CCC48}", "{BDEADF00-C265-11d0-BCED-00A0C90AB50F}",
    "{D20EA4E1-3957-11d2-A40B-0C5020524152}", "{D20EA4E1-3957-11d2-A40B-0C5020524153}",
    "{D4480A50-BA28-11d1-8E75-00C04FA31A86}", "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"};

void MakeTipList(PageContext& form);
void ChangeTip(PageContext& form);

void GetWindowsTips(PageContext& form) {
  ui::ListView& list = *form.ListViews[0];
  form.WorkList.assign(kTipFolders.begin(), kTipFolders.end());
  // Only folders that have a tip on this system are offered.
  for (size_t i = form.WorkList.size(); i-- > 0;) {
    if (form.ReadReg(Root::LocalMachine, kClassKey + form.WorkList[i], "InfoTip", Kind::String)
            .empty()) {
      form.WorkList.erase(form.WorkList.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  for (const std::string& folder : form.WorkList) {
    ui::ListItem* item =
        list.Add(form.ReadReg(Root::LocalMachine, kClassKey + folder, "", Kind::String));
    item->SetImageIndex(kTipIcon);
    item->AddSubItem(form.ReadReg(Root::LocalMachine, kClassKey + folder, "InfoTip", Kind::String));
    // The row remembers its folder, so the writer does not depend on the working list
    // staying untouched while the page is on show.
    for (size_t k = 0; k < kTipFolders.size(); ++k) {
      if (folder == kTipFolders[k]) item->SetData(static_cast<intptr_t>(k));
    }
  }
}

void MakeTipList(PageContext& form) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetRowSelect(true);
  list->SetReadOnly(true);
  list->AddColumn("Programm", 200);
  list->AddColumn("Tip", 200);
  list->SetSmallImages(&form.ImageList4);
  form.ListView(0, 10, 35, 420, 180);
  list->OnClick = Action(form, ChangeTip);
}

void ChangeTip(PageContext& form) {
  ui::ListItem* item = form.ListViews[0] ? form.ListViews[0]->Selected() : nullptr;
  if (!item) return;
  dialogs::TForm7 dialog(form.Backend(), &form.OwnerForm());
  if (form.ImageList4.Count() > kTipIcon) dialog.SetPicture(form.ImageList4.pictures[kTipIcon]);
  const std::optional<std::string> tip = dialog.Execute(item->SubItem(0));
  if (tip) item->SetSubItem(0, *tip);
}

void WriteNeueTips(PageContext& form) {
  const ui::ListView& list = *form.ListViews[0];
  for (int i = 0; i < list.Count(); ++i) {
    const ui::ListItem& item = *list.Item(i);
    const size_t folder = static_cast<size_t>(item.Data());
    if (folder >= kTipFolders.size()) continue;
    form.WriteReg(Root::LocalMachine, kClassKey + std::string(kTipFolders[folder]), "InfoTip",
                  item.SubItem(0), Kind::String);
  }
}

}  // namespace

SettingsPage ToolTipsPage() {
  SettingsPage page{
      .pageId = 34,
      .description = "Ändern Sie die Texte der Tool Tips ",
      .readerName = "GetWindowsTips",
      .writerName = "WriteNeueTips",
      .afterBuild = MakeTipList,
      .reader = GetWindowsTips,
      .writer = WriteNeueTips,
      .hookActions = {"ChangeTip"},
  };
  for (const char* folder : kTipFolders) {
    page.hookTouches.push_back(
        {Root::LocalMachine, kClassKey + std::string(folder), "InfoTip", Kind::String});
    page.hookTouches.push_back(
        {Root::LocalMachine, kClassKey + std::string(folder), "", Kind::String});
  }
  return page;
}

}  // namespace tweaks
