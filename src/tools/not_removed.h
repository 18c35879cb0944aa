// What the list tools tell the user when entries stay: a removal that fails is an error the user
// sees, never one reported as applied.
#pragma once

#include <string>
#include <vector>

namespace page {
class PageContext;
}

namespace tools {

// Why registry entries usually stay: the key grants the user reading alone.
inline constexpr const char* kRegistryDenied =
    "Möglicherweise fehlen Ihnen die Rechte, die Registrierung an dieser Stelle zu ändern.";
// Why files usually stay.
inline constexpr const char* kFilesInUse =
    "Dateien, die gerade verwendet werden oder für die Ihnen die Rechte fehlen, lassen sich "
    "nicht löschen.";

// A message box captioned "Fehler" that names the entries (the first few of a long list) and
// the reason; nothing when every entry went.
void ReportNotRemoved(page::PageContext& form, const std::vector<std::string>& entries,
                      const std::string& reason);

}  // namespace tools
