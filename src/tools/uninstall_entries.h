// The uninstall entries manager: the programs registered for removal below HKEY_LOCAL_MACHINE,
// and the removal of registrations left behind by programs deleted without their uninstaller.
#pragma once

#include <string>
#include <vector>

namespace page {
class PageContext;
}

namespace tools {

inline constexpr const char* kUninstallKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UninstallEntries {
 public:
  // The subkey names of the Uninstall key, read anew by every listing and every removal. The
  // list items do not keep them: a removal finds its subkeys again by name and command.
  std::vector<std::string> KeyNames;

  void BuildPage(page::PageContext& form);
  void GetUninstallProgramms(page::PageContext& form);
  // The apply button: deletes the subkeys of the selected registrations after asking.
  void DoUninstallProgramms(page::PageContext& form);
};

// Opens the system's own "Software" applet.
void WindowsUninstaller(page::PageContext& form);

}  // namespace tools
