// The running system through kernel32, advapi32 and user32.
#pragma once

#include "os/system.h"

namespace win32 {

class Win32System : public os::System {
 public:
  uint32_t GetVersion() const override;
  os::PrivilegeResult EnableShutdownPrivilege() override;
  bool RequestExit(unsigned flags) override;
  std::vector<std::string> EnvironmentBlock() const override;
  std::string WindowsDirectory() const override;
};

}  // namespace win32
