// The uninstall entries manager: the programs registered for removal below HKEY_LOCAL_MACHINE,
// and the removal of registrations left behind by programs deleted without their uninstaller.
#pragma once

#include <string>
#include <vector>

namespace shell {
class TForm1;
}

namespace tools {

inline constexpr const char* kUninstallKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UninstallEntries {
 public:
  // The subkey names of the Uninstall key, read anew by every listing and every removal. The
  // list items do not keep them: a removal finds its subkeys again by name and command.
  std::vector<std::string> KeyNames;

  void BuildPage(shell::TForm1& form);
  void GetUninstallProgramms(shell::TForm1& form);
  // The apply button: deletes the subkeys of the selected registrations after asking.
  void DoUninstallProgramms(shell::TForm1& form);
};

// Opens the system's own "Software" applet.
void WindowsUninstaller(shell::TForm1& form);

}  // namespace tools
