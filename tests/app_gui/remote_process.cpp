#include "remote_process.h"

#include <chrono>
#include <cstdio>

namespace app_gui {

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
      size_(size) {}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(const void* data, size_t size, size_t offset) {
  if (!address_ || offset + size > size_) return false;
  SIZE_T written = 0;
  return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                            &written) &&
         written == size;
}

bool RemoteBuffer::Read(void* data, size_t size, size_t offset) const {
  if (!address_ || offset + size > size_) return false;
  SIZE_T read = 0;
  return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) &&
         read == size;
}

std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item) {
  constexpr int kChars = 512;
  RemoteBuffer remote(process, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
  TVITEMW query{};
  query.mask = TVIF_TEXT | TVIF_HANDLE;
  query.hItem = item;
  query.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof query);
  query.cchTextMax = kChars;
  if (!remote.Write(&query, sizeof query)) return L"";
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.address()));
  wchar_t text[kChars] = {};
  remote.Read(text, sizeof text - sizeof(wchar_t), sizeof query);
  return text;
}

std::wstring ListItemText(HANDLE process, HWND list, int row, int column) {
  constexpr int kChars = 512;
  RemoteBuffer remote(process, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
  LVITEMW query{};
  query.iSubItem = column;
  query.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.address()) + sizeof query);
  query.cchTextMax = kChars;
  if (!remote.Write(&query, sizeof query)) return L"";
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.address()));
  wchar_t text[kChars] = {};
  remote.Read(text, sizeof text - sizeof(wchar_t), sizeof query);
  return text;
}

std::wstring StatusText(HANDLE process, HWND statusBar, int part) {
  const LRESULT info = SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0);
  const size_t length = LOWORD(info);
  RemoteBuffer remote(process, (length + 1) * sizeof(wchar_t));
  SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(remote.address()));
  std::wstring text(length, L'\0');
  if (length) remote.Read(text.data(), length * sizeof(wchar_t));
  return text;
}

std::vector<HTREEITEM> TreeItems(HWND tree) {
  std::vector<HTREEITEM> items;
  auto next = [&](HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  };
  HTREEITEM item = next(nullptr, TVGN_ROOT);
  while (item) {
    items.push_back(item);
    // A branch gets its items when it first opens: open it, as a user looking through would.
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    if (HTREEITEM child = next(item, TVGN_CHILD)) {
      item = child;
      continue;
    }
    while (item && !next(item, TVGN_NEXT)) item = next(item, TVGN_PARENT);
    if (item) item = next(item, TVGN_NEXT);
  }
  return items;
}

namespace {

struct ChildSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpiW(name, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of the process, by its title or by its class (either may be left out).
struct TopSearch {
  DWORD processId;
  const wchar_t* title;
  const wchar_t* className;
  HWND found;
};

bool VisibleWindowOf(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId && IsWindowVisible(window);
}

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopSearch*>(param);
  if (!VisibleWindowOf(window, search->processId)) return TRUE;
  wchar_t text[128] = {};
  if (search->title && (!GetWindowTextW(window, text, 128) || lstrcmpW(text, search->title) != 0)) {
    return TRUE;
  }
  if (search->className &&
      (!GetClassNameW(window, text, 128) || lstrcmpW(text, search->className) != 0)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

struct NamedSearch {
  const wchar_t* name;
  const wchar_t* className;
  const std::wstring* text;
  HWND found;
  bool visibleOnly = false;
};

BOOL CALLBACK MatchNamed(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<NamedSearch*>(param);
  if (search->name) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, L"KalmoraName")));
    wchar_t name[128] = {};
    if (atom && GlobalGetAtomNameW(atom, name, 128) && lstrcmpW(name, search->name) == 0 &&
        (!search->visibleOnly || IsWindowVisible(window))) {
      search->found = window;
      return FALSE;
    }
    return TRUE;
  }
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (lstrcmpiW(className, search->className) != 0) return TRUE;
  wchar_t text[512] = {};
  // The window's own text: for another process GetWindowText gives only an edit's first text.
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  if (*search->text == text) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindNamed(HWND parent, const wchar_t* name, bool visibleOnly) {
  NamedSearch search{name, nullptr, nullptr, nullptr, visibleOnly};
  EnumChildWindows(parent, MatchNamed, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChildWithText(HWND parent, const wchar_t* className, const std::wstring& text) {
  NamedSearch search{nullptr, className, &text, nullptr};
  EnumChildWindows(parent, MatchNamed, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CheckListRow(HANDLE process, HWND list, int row, bool checked) {
  RemoteBuffer remote(process, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  remote.Write(&item, sizeof item);
  SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.address()));
}

HWND FindChild(HWND parent, const wchar_t* className) {
  ChildSearch search{className, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* title, const wchar_t* className) {
  TopSearch search{processId, title, className, nullptr};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

namespace {

struct Listing {
  DWORD processId;
  std::wstring text;
};

BOOL CALLBACK ListVisible(HWND window, LPARAM param) {
  auto* listing = reinterpret_cast<Listing*>(param);
  if (!VisibleWindowOf(window, listing->processId)) return TRUE;
  wchar_t className[64] = {};
  wchar_t title[256] = {};
  GetClassNameW(window, className, 64);
  GetWindowTextW(window, title, 256);
  listing->text += std::wstring(className) + L" \"" + title + L"\"\n";
  return TRUE;
}

}  // namespace

std::wstring ProcessWindows(DWORD processId) {
  Listing listing{processId, L""};
  EnumWindows(ListVisible, reinterpret_cast<LPARAM>(&listing));
  return listing.text;
}

HWND FindProcessMenu(DWORD processId) {
  TopSearch search{processId, nullptr, L"#32768", nullptr};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const int stride = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  bool saved = false;
  if (FILE* out = _wfopen(path.c_str(), L"wb")) {
    saved = fwrite(&file, sizeof file, 1, out) == 1 &&
            fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
            fwrite(bits, static_cast<size_t>(stride) * height, 1, out) == 1;
    fclose(out);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

}  // namespace

Started Start(const std::wstring& commandLine, const wchar_t* title) {
  Started started;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring line = commandLine;
  const auto begin = std::chrono::steady_clock::now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started.process)) {
    return started;
  }
  WaitForInputIdle(started.process.hProcess, 30000);
  while (MillisecondsSince(begin) < 30000) {
    started.window = FindProcessWindow(started.process.dwProcessId, title);
    if (started.window) break;
    Sleep(1);
  }
  started.milliseconds = MillisecondsSince(begin);
  return started;
}

void Stop(Started& started) {
  if (started.window) PostMessageW(started.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 1);
  }
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
}

MessageBoxCloser::MessageBoxCloser(DWORD processId) : processId_(processId) {
  thread_ = CreateThread(nullptr, 0, &MessageBoxCloser::Run, this, 0, nullptr);
}

MessageBoxCloser::~MessageBoxCloser() {
  InterlockedExchange(&stop_, 1);
  if (thread_) {
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
  }
}

DWORD WINAPI MessageBoxCloser::Run(void* self) {
  auto* closer = static_cast<MessageBoxCloser*>(self);
  while (InterlockedCompareExchange(&closer->stop_, 0, 0) == 0) {
    EnumWindows(&MessageBoxCloser::Close, reinterpret_cast<LPARAM>(closer));
    Sleep(20);
  }
  return 0;
}

BOOL CALLBACK MessageBoxCloser::Close(HWND window, LPARAM self) {
  auto* closer = reinterpret_cast<MessageBoxCloser*>(self);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (processId == closer->processId_ && std::wstring(className) == L"#32770" &&
      IsWindowVisible(window)) {
    const int answer = GetDlgItem(window, IDCANCEL) ? IDCANCEL : IDOK;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    InterlockedIncrement(&closer->answered_);
  }
  return TRUE;
}

}  // namespace app_gui
