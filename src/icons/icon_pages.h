// The icon changer's pages: "ShellIcon ändern" (the shell's standard icons and the desktop
// classes) and "Laufwerkssymbol ändern" (the icon of one drive letter).
#pragma once

#include "page/page_table.h"

namespace icons {

void RegisterIconPages(page::PageTable& table);
void RegisterShellIconPage(page::PageTable& table);
void RegisterDriveIconPage(page::PageTable& table);

// Makes sure every icon the shell-icon page shows is stored, so the page and the shell read
// the same icons (run at start-up).
void CheckExistShellIconReg(page::PageContext& form);

}  // namespace icons
