#include "app/all_pages.h"

#include "display/display_page.h"
#include "icons/icon_pages.h"
#include "nettune/tcpip_page.h"
#include "nettune/tcpip_profile.h"
#include "profile/record_page.h"
#include "sysinfo/sysinfo_pages.h"
#include "tools/tool_pages.h"
#include "tweaks/branches.h"

namespace app {

page::PageTable ToolPages() {
  page::PageTable table;
  tools::RegisterAutoStartPages(table);
  tools::RegisterUninstallPages(table);
  tools::RegisterSharedDllPages(table);
  tools::RegisterDirectXPage(table);
  tools::RegisterPagingFilePage(table);
  tools::RegisterControlPanelPages(table);
  tools::RegisterBootFilePages(table);
  tools::RegisterIniListPage(table);
  tools::RegisterBackupPage(table);
  tools::RegisterBootFloppyPage(table);
  return table;
}

page::PageTable AllPages() {
  page::PageTable table = ToolPages();
  tweaks::RegisterDesktopPages(table);
  tweaks::RegisterExplorerPages(table);
  tweaks::RegisterHardwarePages(table);
  tweaks::RegisterWindowsPages(table);
  tweaks::RegisterInternetPages(table);
  tweaks::RegisterSecurityPages(table);
  display::RegisterDisplayPages(table);
  icons::RegisterIconPages(table);
  nettune::RegisterTcpIpPages(table);
  sysinfo::RegisterSysInfoPages(table);
  sysinfo::RegisterDrivePage(table);
  sysinfo::RegisterGraphicsPage(table);
  return table;
}

std::vector<const page::SettingsPage*> AllSettingsPages() {
  std::vector<const page::SettingsPage*> pages;
  for (const auto* branch :
       {&tweaks::DesktopPages(), &tweaks::ExplorerPages(), &tweaks::HardwarePages(),
        &tweaks::WindowsPages(), &tweaks::InternetPages(), &tweaks::SecurityPages()}) {
    for (const page::SettingsPage& record : *branch) pages.push_back(&record);
  }
  return pages;
}

std::vector<std::unique_ptr<profile::ProfilePage>> ProfilePages() {
  std::vector<std::unique_ptr<profile::ProfilePage>> pages;
  for (const page::SettingsPage* record : AllSettingsPages()) {
    pages.push_back(std::make_unique<profile::RecordPage>(*record));
  }
  pages.push_back(nettune::MakeTcpIpProfilePage());
  return pages;
}

}  // namespace app
