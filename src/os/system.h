// Process and system services: the version word, the shutdown privilege and shutdown, the
// environment and the system folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
  // Logs off, shuts down or restarts (the ExitWindowsEx flags); false when refused.
  virtual bool RequestExit(unsigned flags) = 0;

  // The process environment block, entry by entry ("NAME=value"), in its own order.
  virtual std::vector<std::string> EnvironmentBlock() const = 0;
  // The Windows folder without a trailing backslash ("C:\WINNT").
  virtual std::string WindowsDirectory() const = 0;
};

// A system whose answers the tests choose.
class MemorySystem : public System {
 public:
  static constexpr uint32_t kNt4 = 4 | (0 << 8) | (1381u << 16);
  static constexpr uint32_t kWindows2000 = 5 | (0 << 8) | (2195u << 16);
  static constexpr uint32_t kWindowsXp = 5 | (1 << 8) | (2600u << 16);

  uint32_t GetVersion() const override { return version; }
  PrivilegeResult EnableShutdownPrivilege() override { return privilege; }
  bool RequestExit(unsigned flags) override {
    exitRequests.push_back(flags);
    return true;
  }
  std::vector<std::string> EnvironmentBlock() const override { return environment; }
  std::string WindowsDirectory() const override { return windowsDirectory; }

  uint32_t version = kWindows2000;
  PrivilegeResult privilege = PrivilegeResult::Enabled;
  std::vector<unsigned> exitRequests;
  std::vector<std::string> environment = {
      "ALLUSERSPROFILE=C:\\Documents and Settings\\All Users",
      "APPDATA=C:\\Documents and Settings\\Anwender\\Anwendungsdaten",
      "USERPROFILE=C:\\Documents and Settings\\Anwender",
      "windir=C:\\WINNT",
  };
  std::string windowsDirectory = "C:\\WINNT";
};

}  // namespace os
