// DirectX removal: the DirectX keys and files found on the system, each to be checked for
// deletion; deleting saves them first.
#pragma once

#include "page/page_context.h"

namespace tools {

void BuildDirectXPage(page::PageContext& form);
// Fills both lists anew: the keys below HKEY_LOCAL_MACHINE\Software\Microsoft that exist, then
// the known files of the system folder, the DirectX files found there and in Sysbckup.
void GetDelDirectXFiles(page::PageContext& form);
// After the user's confirmation: saves the checked keys as a registry file and copies the
// checked files into a new backup folder, then deletes them and says what stayed and where the
// backup is. Nothing is deleted when the backup fails.
void DeleteDirectXFiles(page::PageContext& form);

}  // namespace tools
