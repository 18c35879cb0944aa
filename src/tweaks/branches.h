// The registration functions of the tree branches whose pages live in src/tweaks/; each puts
// the builders of its branch into the page table.
#pragma once

#include "tweaks/page_table.h"

namespace tweaks {

// "Desktop" with its groups "Desktop-Darstellung", "Icons" and "StartMenü" (the tool tips page
// included).
void RegisterDesktopPages(PageTable& table);
// "Explorer" with its groups "Explorereinstellungen" and "Restriktionen".
void RegisterExplorerPages(PageTable& table);

}  // namespace tweaks
