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
// The read-only views of the system text files and the start-up page (Boot.ini, crash control).
void RegisterBootFilePages(page::PageTable& table);
// Every .ini file of the Windows drive.
void RegisterIniListPage(page::PageTable& table);
// The emergency floppy that saves and restores the system files.
void RegisterBackupPage(page::PageTable& table);
// The NT boot floppy.
void RegisterBootFloppyPage(page::PageTable& table);

}  // namespace tools
