// What a page sees of the main window: the page surface with its slots and factories, the
// working members, the shared paths and flags, the registry access, the services, and a few
// requests to the window (description, information area, apply binding, status text,
// confirmation, message box). Pages and tools get nothing else; the main window implements it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "access/reg_access.h"
#include "access/registry_object.h"
#include "access/work_area.h"
#include "page/images.h"
#include "page/page_area.h"
#include "page/page_table.h"
#include "page/services.h"
#include "page/settings_page.h"
#include "ui/backend.h"
#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"

namespace page {

class PageContext : public sysaccess::WorkArea, public PageArea, public ImageLists {
 public:
  // pageHost: the panel the page fills (it is the main window's and may be made later).
  PageContext(Services& services, ui::Panel*& pageHost);
  virtual ~PageContext() = default;
  PageContext(const PageContext&) = delete;
  PageContext& operator=(const PageContext&) = delete;

  Services& services;
  sysaccess::TRegistry SharedRegistry;

  // --- shared state, set at start-up ----------------------------------------------------------
  std::string InstallDir;
  std::string WindowsDir;
  std::string SystemDir;  // with a trailing backslash
  std::string DeviceClassKey;
  std::string AllUsersProfileDir;
  std::string UserProfileDir;
  std::string AppDataDir;
  std::string UserKeyName;
  ui::Font UserFont;
  int PageBuilding = 0;
  int ConfirmResult = 0;
  bool IniScanCancel = false;
  // The folder the folder picker last gave; empty when it was cancelled.
  std::string ChosenFolder;

  // --- registry value access --------------------------------------------------------------------
  std::string ReadReg(Root root, std::string_view key, std::string_view name, Kind kind) {
    return regAccess_.ReadReg(root, key, name, kind);
  }
  void WriteReg(Root root, std::string_view key, std::string_view name, std::string_view value,
                Kind kind) {
    regAccess_.WriteReg(root, key, name, value, kind);
  }
  void DeleteReg(Root root, std::string_view key, std::string_view name, Removal removal) {
    regAccess_.DeleteReg(root, key, name, removal);
  }
  // A record's value, the user's key put in; deleting removes the value.
  std::string ReadReg(const RegBinding& value);
  void WriteReg(const RegBinding& value, std::string_view text);
  void DeleteReg(const RegBinding& value);
  void CheckValue(const std::vector<uint8_t>& data, uint32_t type, std::string_view searchText) {
    regAccess_.CheckValue(data, type, searchText);
  }
  std::string GetWindowsVersion() { return regAccess_.GetWindowsVersion(); }
  int CheckNT() { return regAccess_.CheckNT(); }

  ui::Backend& Backend() { return services.ui; }
  base::Trace& Trace() { return services.trace; }
  void ProcessMessages() { services.ui.ProcessMessages(); }

  // --- requests to the main window -------------------------------------------------------------
  // The text of the information area.
  virtual void SetDescription(const std::string& text) = 0;
  // Hides what the page's information area does not show (the apply button or all of it).
  virtual void ShowInformationArea(InfoArea area) = 0;
  // Binds the apply button's click to the page's writer.
  virtual void BindApply(std::function<void()> writer) = 0;
  virtual void SetStatusText(std::string text) = 0;
  // The status every writer ends with.
  void ReportApplied() { SetStatusText("Änderungen übernommen"); }
  // The shared confirmation dialog; sets ConfirmResult and returns whether it is 1.
  virtual bool Confirm(const std::string& message,
                       const std::string& caption = "Löschen bestätigen") = 0;
  virtual int MessageDlg(const std::string& text, const std::string& caption,
                         ui::MsgButtons buttons = ui::MsgButtons::Ok,
                         ui::MsgIcon icon = ui::MsgIcon::Information) = 0;
  // The window that owns the dialogs a page opens.
  virtual ui::Form& OwnerForm() = 0;
  // A page's folder button: the folder picker, whose choice goes into the page's edit.
  virtual void Dialog(ui::Edit& edit) = 0;

 private:
  sysaccess::RegistryAccess regAccess_;
};

}  // namespace page
