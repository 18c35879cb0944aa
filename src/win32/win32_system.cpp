#include "win32/win32_system.h"

#include <windows.h>

#include "win32/unique_handle.h"

namespace win32 {

uint32_t Win32System::GetVersion() const {
  return ::GetVersion();
}

os::PrivilegeResult Win32System::EnableShutdownPrivilege() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                        token.receive())) {
    return os::PrivilegeResult::TokenNotOpened;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
  return GetLastError() == ERROR_SUCCESS ? os::PrivilegeResult::Enabled
                                         : os::PrivilegeResult::NotEnabled;
}

}  // namespace win32
