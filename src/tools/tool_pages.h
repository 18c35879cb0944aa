// The maintenance tools' pages: each tool registers its builders with the page table.
#pragma once

#include "page/page_table.h"

namespace tools {

// The autostart manager: the seven Run-key pages, the Win.ini page and the Autostart folders.
void RegisterAutoStartPages(page::PageTable& table);
// Orphaned uninstall registrations.
void RegisterUninstallPages(page::PageTable& table);
// The shared-DLL reference counts.
void RegisterSharedDllPages(page::PageTable& table);
// Removing DirectX by hand.
void RegisterDirectXPage(page::PageTable& table);
// The paging files of the fixed disks.
void RegisterPagingFilePage(page::PageTable& table);
// The Control Panel's applets: hiding them and opening them.
void RegisterControlPanelPages(page::PageTable& table);

}  // namespace tools
