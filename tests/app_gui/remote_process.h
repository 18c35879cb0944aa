// Reading the state of another process's common controls: their messages take pointers, so the
// buffers live in that process's memory.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace app_gui {

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  void* address() const { return address_; }
  bool Write(const void* data, size_t size, size_t offset = 0);
  bool Read(void* data, size_t size, size_t offset = 0) const;

 private:
  HANDLE process_;
  void* address_;
  size_t size_;
};

// Text of a tree item, read through TVM_GETITEMW.
std::wstring TreeItemText(HANDLE process, HWND tree, HTREEITEM item);
// Text of a status bar part, read through SB_GETTEXTW.
std::wstring StatusText(HANDLE process, HWND statusBar, int part);
// The text of a list view's cell (column 0 is the caption).
std::wstring ListItemText(HANDLE process, HWND list, int row, int column);
// Every item of the tree in tree order; opens every branch on the way (a branch has its items
// once it was opened).
std::vector<HTREEITEM> TreeItems(HWND tree);
// The first child window of a class (depth first).
HWND FindChild(HWND parent, const wchar_t* className);
// The first child window whose control has that designer name (depth first; visible only, if
// asked).
HWND FindNamed(HWND parent, const wchar_t* name, bool visibleOnly = false);
// The first child window of a class with that window text.
HWND FindChildWithText(HWND parent, const wchar_t* className, const std::wstring& text);
// Sets the check box of a list view row, as a click on it does.
void CheckListRow(HANDLE process, HWND list, int row, bool checked);
// A visible top-level window of the process with that title (and that class, when one is given).
HWND FindProcessWindow(DWORD processId, const wchar_t* title, const wchar_t* className = nullptr);
// Its visible top-level windows as "class \"title\"", one per line: what a failed wait saw.
std::wstring ProcessWindows(DWORD processId);
// The visible menu of the process opened last (a submenu lies above its menu).
HWND FindProcessMenu(DWORD processId);
// Saves what the screen shows of the window as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::wstring& path);

// A program started from here.
struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double milliseconds = 0;  // from its start until it waited for input with its window visible
};
// Starts a program and waits (at most 30 s) until it waits for input with its visible window of
// that title.
Started Start(const std::wstring& commandLine, const wchar_t* title);
// Closes its window and waits (at most 10 s) for it to end, or ends it.
void Stop(Started& started);

// Answers the system message boxes the program shows (a drive that does not fit a page, no
// disk in A:) as the user would, Cancel where there is one, so that what the driver waits for
// returns; runs on a thread of its own while the driver waits in SendMessage.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(DWORD processId);
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  // How many it answered.
  LONG Answered() const { return InterlockedCompareExchange(&answered_, 0, 0); }

 private:
  static DWORD WINAPI Run(void* self);
  static BOOL CALLBACK Close(HWND window, LPARAM self);

  DWORD processId_;
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
  mutable volatile LONG answered_ = 0;
};

}  // namespace app_gui
