// The display driver through user32 and gdi32.
#pragma once

#include "os/display.h"

namespace win32 {

class Win32Display : public os::Display {
 public:
  std::optional<os::DisplayMode> Mode(int n) override;
  os::DisplayMode Current() override;
  os::DisplayChange ChangeTo(int n, os::ChangeKind kind) override;
  int DeviceCaps(int index) override;
};

}  // namespace win32
