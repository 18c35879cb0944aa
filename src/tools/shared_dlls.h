// The shared-DLL cleaner: the reference counts that installers keep for shared files, and the
// removal of counts, alone or together with their files (to the recycle bin).
#pragma once

#include <string>

namespace page {
class PageContext;
}

namespace ui {
struct ImageList;
}

namespace tools {

inline constexpr const char* kSharedDllsKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

void BuildSharedDllPage(page::PageContext& form);
void GetSharedDLL(page::PageContext& form);
// "Eintrag löschen...": deletes the selected counts after asking; files stay.
void DelDLLEintrag(page::PageContext& form);
// "Datei löschen...": the selected files go to the recycle bin in one shell operation, then
// their counts; nothing goes when the shell fails or the user cancels there.
void DelDLLDatei(page::PageContext& form);

}  // namespace tools
