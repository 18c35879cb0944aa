// Every .ini file of the Windows drive in one list. The walk starts once the page has shown, lets
// the window run between entries and stops as soon as the page goes, keeping what it found.
#include <string>

#include "base/convert.h"
#include "base/text.h"
#include "page/after_shown.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/shared_dlls.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr int kPageId = 148;
constexpr const char* kTitle = "Auflistung aller Ini-Dateien auf Laufwerk";
// Folders the shell links elsewhere (junctions, and Wine's links into the host) are not
// followed: they lead back into the drive or out of it.
constexpr uint32_t kAttrReparsePoint = 0x400;
constexpr int kMaxDepth = 64;

class IniScan {
 public:
  IniScan(page::PageContext& form, ui::ListView* list) : form_(form), list_(list) {}

  // Found files go into the list the scan started with; once the page has gone (or was built
  // anew) the scan ends.
  bool Cancelled() const { return form_.IniScanCancel || form_.ListViews[0] != list_; }

  void ReadIniDirectory(const std::string& dir, int depth = 0) {
    const auto entries = form_.services.files.ListDirectory(dir);
    if (!entries) return;  // a folder that cannot be searched is skipped
    form_.SetStatusText(dir + "\\");
    ReadIniFiles(dir + "\\", *entries);
    form_.ProcessMessages();
    for (const os::DirEntry& entry : *entries) {
      if (Cancelled()) return;
      form_.ProcessMessages();
      if (Cancelled()) return;
      if (entry.IsDirectory() && !entry.name.starts_with(".") &&
          !(entry.attributes & kAttrReparsePoint) && depth < kMaxDepth) {
        ReadIniDirectory(dir + "\\" + entry.name, depth + 1);
      }
    }
  }

  int Found() const { return found_; }

 private:
  void ReadIniFiles(const std::string& folder, const std::vector<os::DirEntry>& entries) {
    for (const os::DirEntry& entry : entries) {
      if (Cancelled()) return;
      form_.ProcessMessages();
      if (Cancelled()) return;
      if (base::UpperCase(entry.name).find(".INI") == std::string::npos) continue;
      const std::string path = folder + entry.name;
      ui::ListItem* item = list_->Add(path);
      item->SetImageIndex(form_.services.shell.SystemIconIndex(path, true));
      ++found_;
    }
  }

  page::PageContext& form_;
  ui::ListView* list_;
  int found_ = 0;
};

void StartIniFile(page::PageContext& form) {
  const ui::ListView* list = PageList(form);
  const ui::ListItem* item = list ? list->Selected() : nullptr;
  if (!item) return;
  form.services.shell.Execute({"Open", item->Caption(), "", "", 1});
}

void BuildIniListPage(page::PageContext& form) {
  const std::string title = kTitle + form.WindowsDir.substr(0, 3);
  page::BeginPage(form, kPageId, title);
  // The table's headline names no drive; this system's one is added.
  if (ui::Label* headline = form.Labels[10]) headline->SetCaption(title);
  ui::ListView* list = MakeList(form, {20, 40, 400, 300}, ui::ViewStyle::Report);
  if (!list) return;
  list->SetShowColumnHeaders(false);
  list->AddColumn("", 290);
  list->SetReadOnly(true);
  list->SetCheckBoxes(false);
  list->SetSmallImages(&ui::SystemSmallIcons());
  list->OnDblClick = [&form](ui::Control&) { StartIniFile(form); };
  form.IniScanCancel = false;
  // The walk covers the whole drive: the page shows first, and the status bar names the folder
  // the walk is in.
  page::AfterShown(
      form,
      [&form, list, drive = form.WindowsDir.substr(0, 2)] {
        IniScan scan(form, list);
        scan.ReadIniDirectory(drive);
        if (!scan.Cancelled()) {
          form.SetStatusText(base::IntToStr(scan.Found()) + " Ini-Dateien gefunden");
        }
        return false;
      },
      "ReadIniDirectory");
}

}  // namespace

void RegisterIniListPage(page::PageTable& table) {
  table.Register(kPageId, BuildIniListPage);
}

}  // namespace tools
