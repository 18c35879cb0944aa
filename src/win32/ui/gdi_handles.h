// Owners for the window-system handles the toolkit creates: windows, GDI objects, icons, image
// lists, menus, and a scoped selection of a GDI object into a device context.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

// The toolkit names members plainly (Canvas::TextOut, Dialogs::ChooseFont); the A/W macros must
// not rename them.
#undef ChooseFont
#undef ChooseColor
#undef TextOut

#include <utility>

namespace win32 {

// One owner template; Traits::Free releases a non-null handle.
template <class Handle, class Traits>
class UniqueOwner {
 public:
  UniqueOwner() = default;
  explicit UniqueOwner(Handle handle) : handle_(handle) {}
  UniqueOwner(const UniqueOwner&) = delete;
  UniqueOwner& operator=(const UniqueOwner&) = delete;
  UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueOwner() { reset(); }

  Handle get() const { return handle_; }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_) Traits::Free(handle_);
    handle_ = handle;
  }
  explicit operator bool() const { return handle_ != Handle{}; }

 private:
  Handle handle_{};
};

struct GdiObjectTraits {
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct IconTraits {
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct ImageListTraits {
  static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};
struct MenuTraits {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct WindowTraits {
  static void Free(HWND window) {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
struct ModuleTraits {
  static void Free(HMODULE module) { FreeLibrary(module); }
};

using UniqueFont = UniqueOwner<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueOwner<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueOwner<HBRUSH, GdiObjectTraits>;
using UniquePen = UniqueOwner<HPEN, GdiObjectTraits>;
using UniqueIcon = UniqueOwner<HICON, IconTraits>;
using UniqueImageList = UniqueOwner<HIMAGELIST, ImageListTraits>;
using UniqueMenu = UniqueOwner<HMENU, MenuTraits>;
using UniqueWindow = UniqueOwner<HWND, WindowTraits>;
using UniqueModule = UniqueOwner<HMODULE, ModuleTraits>;

// Selects a GDI object into a device context and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A device context of a window, released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with another, deleted at the end of the scope.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace win32
