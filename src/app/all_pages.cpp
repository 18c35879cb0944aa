#include "app/all_pages.h"

#include "tools/tool_pages.h"
#include "tweaks/branches.h"

namespace app {

page::PageTable ToolPages() {
  page::PageTable table;
  tools::RegisterAutoStartPages(table);
  tools::RegisterUninstallPages(table);
  tools::RegisterSharedDllPages(table);
  return table;
}

page::PageTable AllPages() {
  page::PageTable table = ToolPages();
  tweaks::RegisterDesktopPages(table);
  tweaks::RegisterExplorerPages(table);
  tweaks::RegisterHardwarePages(table);
  tweaks::RegisterWindowsPages(table);
  return table;
}

std::vector<const page::SettingsPage*> AllSettingsPages() {
  std::vector<const page::SettingsPage*> pages;
  for (const auto* branch : {&tweaks::DesktopPages(), &tweaks::ExplorerPages(),
                             &tweaks::HardwarePages(), &tweaks::WindowsPages()}) {
    for (const page::SettingsPage& record : *branch) pages.push_back(&record);
  }
  return pages;
}

}  // namespace app
