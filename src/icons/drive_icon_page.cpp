// "Laufwerkssymbol ändern" (PageId 78): gives a single drive letter an icon of its own, stored
// where Explorer looks for drive icons, and takes it away again.
#include <string>

#include "icons/icon_pages.h"
#include "icons/icon_viewer.h"
#include "icons/rebuild_icons.h"
#include "os/file_system.h"
#include "page/after_shown.h"
#include "page/page_context.h"
#include "page/page_frame.h"

namespace icons {
using page::Kind;
using page::Removal;
using page::Root;

namespace {

constexpr const char* kMachineDriveIcons =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons";
constexpr const char* kApplicationDriveIcons = "\\Applications\\Explorer.exe\\Drives\\DriveIcons";

// The drive letter of the selected row, or 0.
char SelectedDrive(page::PageContext& form) {
  const ui::ListView* list = form.ListViews[0];
  const ui::ListItem* item = list ? list->Selected() : nullptr;
  if (!item) {
    form.MessageDlg("Markieren Sie zuerst einen Eintrag !", "Hinweis");
    return 0;
  }
  return static_cast<char>(item->Data());
}

void GetNewDriveIcon(page::PageContext& form, char letter, const std::string& location) {
  const std::string drive(1, letter);
  form.WriteReg(Root::LocalMachine,
                std::string(kMachineDriveIcons) + "\\" + drive + "\\DefaultIcon", "", location,
                Kind::String);
  form.WriteReg(Root::CurrentUser,
                std::string(kApplicationDriveIcons) + "\\" + drive + "\\DefaultIcon", "", location,
                Kind::String);
  RebuildIcons(form);
  form.ReportApplied();
}

void ChangeDriveSymbol(page::PageContext& form) {
  const char letter = SelectedDrive(form);
  if (!letter) return;
  ShowIconViewer(form, IconPickMode::DriveIcon, [&form, letter](const std::string& location) {
    GetNewDriveIcon(form, letter, location);
  });
}

void RedoChangeDriveSymbol(page::PageContext& form) {
  const char letter = SelectedDrive(form);
  if (!letter) return;
  const std::string drive(1, letter);
  form.DeleteReg(Root::LocalMachine, kMachineDriveIcons, drive, Removal::Subkey);
  form.DeleteReg(Root::CurrentUser, kApplicationDriveIcons, drive, Removal::Subkey);
  RebuildIcons(form);
}

void FillDrives(page::PageContext& form, ui::ListView& list) {
  list.BeginUpdate();
  for (const os::DriveInfo& drive : form.services.files.DriveKinds()) {
    const std::string root = std::string(1, drive.letter) + ":\\";
    ui::ListItem* item = list.Add(form.services.shell.DisplayName(root));
    item->SetImageIndex(form.services.shell.SystemIconIndex(root, true));
    item->SetData(drive.letter);
  }
  list.EndUpdate();
}

void BuildDriveIconPage(page::PageContext& form) {
  page::BeginPage(form, 78, "Geben Sie Ihren Laufwerken individuelle Icons");
  ui::ListView* list = form.Create(form.ListViews, 0);
  if (list) {
    form.ListView(0, 20, 40, 300, 220);
    list->SetStyle(ui::ViewStyle::Report);
    list->SetShowColumnHeaders(false);
    list->AddColumn("", 270);
    list->SetReadOnly(true);
    list->SetRowSelect(true);
    list->SetSmallImages(&ui::SystemSmallIcons());
    // The shell names every drive and finds its icon: the page shows first.
    page::AfterShown(
        form,
        [&form, list] {
          if (form.ListViews[0] == list) FillDrives(form, *list);
          return false;
        },
        "Laufwerkssymbol");
  }
  if (ui::Button* change = page::AddButton(form, 0, 335, 40, 90, 25, "Ändern")) {
    change->OnClick = page::Action(form, ChangeDriveSymbol);
  }
  if (ui::Button* undo = page::AddButton(form, 1, 335, 75, 90, 25, "Rückgängig ")) {
    undo->OnClick = page::Action(form, RedoChangeDriveSymbol);
  }
  form.PageBuilding = 0;
}

}  // namespace

void RegisterIconPages(page::PageTable& table) {
  RegisterShellIconPage(table);
  RegisterDriveIconPage(table);
}

void RegisterDriveIconPage(page::PageTable& table) {
  table.Register(78, [](page::PageContext& form) {
    page::Quietly(
        form, [&] { BuildDriveIconPage(form); }, "Laufwerkssymbol");
  });
}

}  // namespace icons
