// The maintenance tools' pages: each tool registers its builders with the page table.
#pragma once

namespace tweaks {
class PageTable;
}

namespace tools {

// The autostart manager: the seven Run-key pages, the Win.ini page and the Autostart folders.
void RegisterAutoStartPages(tweaks::PageTable& table);
// Orphaned uninstall registrations.
void RegisterUninstallPages(tweaks::PageTable& table);
// The shared-DLL reference counts.
void RegisterSharedDllPages(tweaks::PageTable& table);

}  // namespace tools
