#include "win32/win32_display.h"

#include <windows.h>

namespace win32 {
namespace {

bool Enumerate(int n, DEVMODEW& mode) {
  mode = {};
  mode.dmSize = sizeof(mode);
  return EnumDisplaySettingsW(nullptr, static_cast<DWORD>(n), &mode) != FALSE;
}

os::DisplayChange FromResult(LONG result) {
  switch (result) {
    case DISP_CHANGE_SUCCESSFUL:
      return os::DisplayChange::Successful;
    case DISP_CHANGE_RESTART:
      return os::DisplayChange::Restart;
    case DISP_CHANGE_BADMODE:
      return os::DisplayChange::BadMode;
    case DISP_CHANGE_NOTUPDATED:
      return os::DisplayChange::NotUpdated;
    case DISP_CHANGE_BADFLAGS:
      return os::DisplayChange::BadFlags;
    case DISP_CHANGE_BADPARAM:
      return os::DisplayChange::BadParam;
    default:
      return os::DisplayChange::Failed;
  }
}

// A screen device context for as long as it is needed.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  int Caps(int index) const { return dc_ ? GetDeviceCaps(dc_, index) : 0; }

 private:
  HDC dc_;
};

}  // namespace

std::optional<os::DisplayMode> Win32Display::Mode(int n) {
  DEVMODEW mode;
  if (!Enumerate(n, mode)) return std::nullopt;
  return os::DisplayMode{static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
                         static_cast<int>(mode.dmBitsPerPel),
                         static_cast<int>(mode.dmDisplayFrequency)};
}

os::DisplayMode Win32Display::Current() {
  const ScreenDc screen;
  // The screen reports its default rate as 0 or 1; the mode list knows it only as 0.
  const int refresh = screen.Caps(VREFRESH);
  return {screen.Caps(HORZRES), screen.Caps(VERTRES), screen.Caps(BITSPIXEL),
          refresh == 1 ? 0 : refresh};
}

os::DisplayChange Win32Display::ChangeTo(int n, os::ChangeKind kind) {
  DEVMODEW mode;
  if (!Enumerate(n, mode)) return os::DisplayChange::BadParam;
  const DWORD flags = kind == os::ChangeKind::Test ? CDS_TEST : CDS_UPDATEREGISTRY;
  return FromResult(ChangeDisplaySettingsW(&mode, flags));
}

int Win32Display::DeviceCaps(int index) {
  return ScreenDc().Caps(index);
}

}  // namespace win32
