// Process and system services: the version word and the shutdown privilege.
#pragma once

#include <cstdint>

namespace os {

enum class PrivilegeResult {
  TokenNotOpened,  // the process token could not be opened for adjusting
  Enabled,         // adjusted, and the last error afterwards was 0
  NotEnabled,      // adjusted, but the system reported an error
};

class System {
 public:
  virtual ~System() = default;

  // The packed version word: major version in the lowest byte, minor in the next, build number
  // in the high word; the high bit is set outside the NT family.
  virtual uint32_t GetVersion() const = 0;

  virtual PrivilegeResult EnableShutdownPrivilege() = 0;
};

// A system whose answers the tests choose.
class MemorySystem : public System {
 public:
  static constexpr uint32_t kNt4 = 4 | (0 << 8) | (1381u << 16);
  static constexpr uint32_t kWindows2000 = 5 | (0 << 8) | (2195u << 16);
  static constexpr uint32_t kWindowsXp = 5 | (1 << 8) | (2600u << 16);

  uint32_t GetVersion() const override { return version; }
  PrivilegeResult EnableShutdownPrivilege() override { return privilege; }

  uint32_t version = kWindows2000;
  PrivilegeResult privilege = PrivilegeResult::Enabled;
};

}  // namespace os
