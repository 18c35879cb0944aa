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

}  // namespace guitest
