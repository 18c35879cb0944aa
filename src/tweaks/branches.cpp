#include "tweaks/page_table.h"

#include "tools/tool_pages.h"

namespace tweaks {

void RegisterAllPages(PageTable& table) {
  (void)table;
  tools::RegisterAutoStartPages(table);
  tools::RegisterUninstallPages(table);
  tools::RegisterSharedDllPages(table);
}

}  // namespace tweaks
