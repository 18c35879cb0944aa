// What a control's real window shows, read back through the window manager.
#pragma once

#include <string>

#include "win32/ui/win32_backend.h"
#include "win32/wide.h"

namespace guitest {

inline HWND W(const ui::Control* control) {
  return win32::Win32Backend::WindowOf(*control);
}

inline std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return win32::Narrow(text);
}

// The window's rectangle in its parent's client coordinates.
inline ui::Rect RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {static_cast<int>(rect.left), static_cast<int>(rect.top),
          static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

// The text a list view shows in a row and column.
inline std::string ListText(HWND list, int row, int column) {
  wchar_t text[128] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 128;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return win32::Narrow(text);
}

// A mouse click as the system posts it.
inline void PostClick(HWND window, int x, int y) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Lets posted input and painting run for a while.
inline void Pump(win32::Win32Backend& backend, int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    backend.ProcessMessages();
    Sleep(2);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

}  // namespace guitest
