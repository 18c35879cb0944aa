#include "win32/win32_system.h"

#include <windows.h>

#include "win32/unique_handle.h"
#include "win32/wide.h"

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

bool Win32System::RequestExit(unsigned flags) {
  return ExitWindowsEx(flags, 0) != FALSE;
}

std::vector<std::string> Win32System::EnvironmentBlock() const {
  std::vector<std::string> entries;
  wchar_t* block = GetEnvironmentStringsW();
  if (!block) return entries;
  for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
    entries.push_back(Narrow(entry));
  }
  FreeEnvironmentStringsW(block);
  return entries;
}

std::string Win32System::WindowsDirectory() const {
  wchar_t buffer[MAX_PATH + 1];
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return "C:\\WINDOWS";
  std::string path = Narrow(std::wstring_view(buffer, length));
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace win32
