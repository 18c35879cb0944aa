// The program's own settings below "Software\Kalmora2x" of the current user.
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

}  // namespace shell
