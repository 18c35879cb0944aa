#include "win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <vector>

#include "win32/com_ptr.h"
#include "win32/wide.h"

namespace win32 {
namespace {

// The Control Panel folder bound from the desktop folder, with the shell's allocator that frees
// its item lists. Everything is released when it goes, however far opening got.
class ControlPanelFolder {
 public:
  bool Open() {
    if (FAILED(SHGetMalloc(allocator_.receive())) || !allocator_) return false;
    location_ = std::make_unique<ShellIdList>(allocator_.get());
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.receive())) || !desktop) return false;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_CONTROLS, location_->receive()) != S_OK ||
        !*location_) {
      return false;
    }
    return SUCCEEDED(desktop->BindToObject(location_->get(), nullptr, IID_IShellFolder,
                                           folder_.receiveVoid())) &&
           folder_;
  }

  // Visits each item with a display name, handing out its identifier relative to the folder;
  // false when the enumeration could not start.
  template <class F>
  bool ForEachItem(F&& visit) {
    ComPtr<IEnumIDList> items;
    const HRESULT result =
        folder_->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.receive());
    if (FAILED(result)) return false;
    if (!items) return true;  // S_FALSE: nothing to enumerate
    ShellIdList item(allocator_.get());
    ULONG fetched = 0;
    while (items->Next(1, item.receive(), &fetched) == S_OK && fetched == 1 && item) {
      const std::string name = DisplayName(item.get());
      if (name.empty()) continue;
      if (!visit(item.get(), name)) break;
    }
    return true;
  }

  // The item's absolute identifier list: the folder's own followed by the item's.
  std::vector<BYTE> Absolute(LPCITEMIDLIST item) const {
    const size_t parent = ListBytes(location_->get());
    const size_t child = ListBytes(item);
    std::vector<BYTE> bytes(parent + child + sizeof(USHORT), 0);
    memcpy(bytes.data(), location_->get(), parent);
    memcpy(bytes.data() + parent, item, child);
    return bytes;
  }

 private:
  // The bytes of an identifier list without its terminating zero.
  static size_t ListBytes(LPCITEMIDLIST list) {
    size_t size = 0;
    const BYTE* at = reinterpret_cast<const BYTE*>(list);
    for (USHORT cb; (cb = reinterpret_cast<const SHITEMID*>(at + size)->cb) != 0;) size += cb;
    return size;
  }

  std::string DisplayName(LPCITEMIDLIST item) const {
    STRRET name{};
    if (FAILED(folder_->GetDisplayNameOf(item, SHGDN_NORMAL, &name))) return "";
    switch (name.uType) {
      case STRRET_WSTR: {
        if (!name.pOleStr) return "";
        const std::string text = Narrow(name.pOleStr);
        allocator_->Free(name.pOleStr);
        return text;
      }
      case STRRET_OFFSET:
        return FromAnsi(reinterpret_cast<const char*>(item) + name.uOffset);
      case STRRET_CSTR:
        return FromAnsi(name.cStr);
      default:
        return "";
    }
  }

  static std::string FromAnsi(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return "";
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return Narrow(wide);
  }

  // Declared first so it goes last: the lists below are freed with it.
  ComPtr<IMalloc> allocator_;
  std::unique_ptr<ShellIdList> location_;
  ComPtr<IShellFolder> folder_;
};

}  // namespace

bool Win32Shell::Execute(const os::ShellExecuteCall& call) {
  const std::wstring verb = Wide(call.verb);
  const std::wstring file = Wide(call.file);
  const std::wstring parameters = Wide(call.parameters);
  const std::wstring directory = Wide(call.directory);
  // Values above 32 mean started; the rest are the shell's error codes.
  const HINSTANCE result =
      ShellExecuteW(GetForegroundWindow(), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                    parameters.empty() ? nullptr : parameters.c_str(),
                    directory.empty() ? nullptr : directory.c_str(), call.show);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

int Win32Shell::SystemIconIndex(const std::string& path, bool small) {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | (small ? SHGFI_SMALLICON : 0);
  if (!SHGetFileInfoW(Wide(path).c_str(), 0, &info, sizeof info, flags)) return -1;
  return info.iIcon;
}

int Win32Shell::IconCount(const std::string& path) {
  const UINT count = ExtractIconExW(Wide(path).c_str(), -1, nullptr, nullptr, 0);
  // Some versions answer a missing file with UINT_MAX rather than 0.
  return count > 0xFFFF ? 0 : static_cast<int>(count);
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

bool Win32Shell::EnumControlPanel(bool largeIcons, const os::ShellItemVisitor& visit) {
  ControlPanelFolder controls;
  if (!controls.Open()) return false;
  return controls.ForEachItem([&](LPCITEMIDLIST item, const std::string& name) {
    const std::vector<BYTE> absolute = controls.Absolute(item);
    SHFILEINFOW info{};
    const UINT flags =
        SHGFI_PIDL | SHGFI_SYSICONINDEX | (largeIcons ? SHGFI_LARGEICON : SHGFI_SMALLICON);
    const bool found = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute.data()), 0, &info,
                                      sizeof info, flags) != 0;
    return visit({name, found ? info.iIcon : -1});
  });
}

bool Win32Shell::OpenControlPanelItem(const std::string& displayName) {
  ControlPanelFolder controls;
  if (!controls.Open()) return false;
  std::vector<BYTE> target;
  controls.ForEachItem([&](LPCITEMIDLIST item, const std::string& name) {
    if (name != displayName) return true;
    target = controls.Absolute(item);
    return false;
  });
  if (target.empty()) return false;
  // The item's default command, as a double-click in the Control Panel runs it; trying the
  // context menu's commands by number could run another one first (paste, delete).
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_INVOKEIDLIST;
  execute.hwnd = GetForegroundWindow();
  execute.lpIDList = target.data();
  execute.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&execute) != FALSE;
}

void Win32Shell::FormatDrive(int drive) {
  // Not every shell32 of the NT 4.0 family names it in its headers; it is asked for by name.
  using FormatFunction = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);
  HMODULE shell = GetModuleHandleW(L"shell32.dll");
  if (!shell) return;
  const auto format = reinterpret_cast<FormatFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHFormatDrive")));
  if (!format) return;
  constexpr UINT kDefaultFormat = 0xFFFF;
  format(GetActiveWindow(), static_cast<UINT>(drive), kDefaultFormat, 0);
}

}  // namespace win32
