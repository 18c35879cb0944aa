#include "win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "win32/wide.h"

namespace win32 {

void Win32Shell::Execute(const os::ShellExecuteCall& call) {
  const std::wstring verb = Wide(call.verb);
  const std::wstring file = Wide(call.file);
  const std::wstring parameters = Wide(call.parameters);
  const std::wstring directory = Wide(call.directory);
  ShellExecuteW(GetForegroundWindow(), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                parameters.empty() ? nullptr : parameters.c_str(),
                directory.empty() ? nullptr : directory.c_str(), call.show);
}

int Win32Shell::SystemIconIndex(const std::string& path, bool small) {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | (small ? SHGFI_SMALLICON : 0);
  if (!SHGetFileInfoW(Wide(path).c_str(), 0, &info, sizeof info, flags)) return -1;
  return info.iIcon;
}

std::string Win32Shell::DisplayName(const std::string& path) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(Wide(path).c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return path;
  return Narrow(info.szDisplayName);
}

os::RecycleResult Win32Shell::RecycleFiles(const std::vector<std::string>& paths) {
  // One double-NUL-terminated list, so the shell asks once for all files.
  std::wstring list;
  for (const auto& path : paths) {
    list += Wide(path);
    list += L'\0';
  }
  list += L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = GetForegroundWindow();
  operation.wFunc = FO_DELETE;
  operation.pFrom = list.c_str();
  operation.fFlags = FOF_ALLOWUNDO;
  const int result = SHFileOperationW(&operation);
  if (operation.fAnyOperationsAborted) return os::RecycleResult::Cancelled;
  return result == 0 ? os::RecycleResult::Done : os::RecycleResult::Failed;
}

std::string Win32Shell::SpecialFolderPath(int csidl) {
  LPITEMIDLIST list = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK || !list) return "";
  wchar_t path[MAX_PATH + 1] = {};
  const bool found = SHGetPathFromIDListW(list, path) != FALSE;
  CoTaskMemFree(list);
  return found ? Narrow(path) : "";
}

void Win32Shell::ChangeNotify(long event, unsigned flags) {
  SHChangeNotify(event, flags, nullptr, nullptr);
}

void Win32Shell::BroadcastSettingChange(unsigned wParam, const std::string& section,
                                        int timeoutMs) {
  const std::wstring text = Wide(section);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, wParam,
                      reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      static_cast<UINT>(timeoutMs), &result);
}

}  // namespace win32
