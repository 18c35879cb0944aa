// The Windows shell through shell32 and user32.
#pragma once

#include "os/shell.h"

namespace win32 {

class Win32Shell : public os::Shell {
 public:
  bool Execute(const os::ShellExecuteCall& call) override;
  int SystemIconIndex(const std::string& path, bool small) override;
  int IconCount(const std::string& path) override;
  void FormatDrive(int drive) override;
  std::string DisplayName(const std::string& path) override;
  os::RecycleResult RecycleFiles(const std::vector<std::string>& paths) override;
  std::string SpecialFolderPath(int csidl) override;
  void ChangeNotify(long event, unsigned flags) override;
  void BroadcastSettingChange(unsigned wParam, const std::string& section, int timeoutMs) override;
  bool EnumControlPanel(bool largeIcons, const os::ShellItemVisitor& visit) override;
  bool OpenControlPanelItem(const std::string& displayName) override;
};

}  // namespace win32
