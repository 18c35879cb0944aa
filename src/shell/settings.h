// The program's own settings below "Software\Kalmora2x" of the current user, and the start-up
// steps that read the environment and the user's key.
#pragma once

namespace shell {

class TForm1;

// The user's font from "Software\Kalmora2x\Font" ("Font" record and "Color"), for the window
// and the tree. A missing key keeps the designed font.
void ApplyStoredFont(TForm1& form);
// Stores UserFont there.
void WriteFont(TForm1& form);

// "Software\Kalmora2x\Options\ScreenSettings": status bar, window position and size, tree width.
void LoadWindowSettings(TForm1& form);
void StoreWindowSettings(TForm1& form);

// ALLUSERSPROFILE, USERPROFILE and APPDATA from the environment block.
void ReadEnvironment(TForm1& form);
// The current user's key below HKEY_USERS, upper-cased (".DEFAULT" outside the NT family).
void ReadUserKeyName(TForm1& form);

}  // namespace shell
