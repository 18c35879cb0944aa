// The shared-DLL cleaner: the reference counts that installers keep for shared files, and the
// removal of counts, alone or together with their files (to the recycle bin).
#pragma once

#include <string>

namespace shell {
class TForm1;
}

namespace ui {
struct ImageList;
}

namespace tools {

inline constexpr const char* kSharedDllsKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

void BuildSharedDllPage(shell::TForm1& form);
void GetSharedDLL(shell::TForm1& form);
// "Eintrag löschen...": deletes the selected counts after asking; files stay.
void DelDLLEintrag(shell::TForm1& form);
// "Datei löschen...": the selected files go to the recycle bin in one shell operation, then
// their counts; nothing goes when the shell fails or the user cancels there.
void DelDLLDatei(shell::TForm1& form);

// The system's small file icons, shared by every list of files.
const ui::ImageList& SystemSmallIcons();

}  // namespace tools
