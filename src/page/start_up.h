// What start-up learns about the system and the user and every page may use: the Windows
// version, the environment's folders, the user's key below HKEY_USERS, the Windows and system
// folders and the program's folder.
#pragma once

namespace page {

class PageContext;

// ALLUSERSPROFILE, USERPROFILE and APPDATA from the environment block.
void ReadEnvironment(PageContext& form);
// The current user's key below HKEY_USERS, upper-cased (".DEFAULT" outside the NT family).
void ReadUserKeyName(PageContext& form);
// All of it, reading only (a run without the window: no message, nothing written).
void ReadSharedState(PageContext& form);

}  // namespace page
