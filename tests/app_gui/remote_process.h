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
// Every item of the tree in tree order.
std::vector<HTREEITEM> TreeItems(HWND tree);
// The first child window of a class (depth first).
HWND FindChild(HWND parent, const wchar_t* className);
// The first child window whose control has that designer name (depth first).
HWND FindNamed(HWND parent, const wchar_t* name);
// The first child window of a class with that window text.
HWND FindChildWithText(HWND parent, const wchar_t* className, const std::wstring& text);
// Sets the check box of a list view row, as a click on it does.
void CheckListRow(HANDLE process, HWND list, int row, bool checked);
// A visible top-level window of the process with that title.
HWND FindProcessWindow(DWORD processId, const wchar_t* title);
// The visible menu of the process opened last (a submenu lies above its menu).
HWND FindProcessMenu(DWORD processId);
// Saves what the screen shows of the window as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::wstring& path);

}  // namespace app_gui
