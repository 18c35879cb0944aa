#include "tweaks/page_table.h"

#include "tools/tool_pages.h"
#include "tweaks/branches.h"

namespace tweaks {

void RegisterAllPages(PageTable& table) {
  (void)table;
  tools::RegisterAutoStartPages(table);
  tools::RegisterUninstallPages(table);
  tools::RegisterSharedDllPages(table);
  RegisterDesktopPages(table);
  RegisterExplorerPages(table);
}

}  // namespace tweaks
