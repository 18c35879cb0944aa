// The registration functions of the tree branches whose pages live in src/tweaks/; each puts
// the builders of its branch into the page table.
#pragma once

#include "page/page_table.h"

namespace tweaks {

// "Desktop" with its groups "Desktop-Darstellung", "Icons" and "StartMenü" (the tool tips page
// included).
void RegisterDesktopPages(page::PageTable& table);
// "Explorer" with its groups "Explorereinstellungen" and "Restriktionen".
void RegisterExplorerPages(page::PageTable& table);

}  // namespace tweaks
