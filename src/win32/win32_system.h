// The running system's version and privileges through kernel32 and advapi32.
#pragma once

#include "os/system.h"

namespace win32 {

class Win32System : public os::System {
 public:
  uint32_t GetVersion() const override;
  os::PrivilegeResult EnableShutdownPrivilege() override;
};

}  // namespace win32
