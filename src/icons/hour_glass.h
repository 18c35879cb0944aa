// The hourglass cursor for as long as a fill of a tree level or a list runs.
#pragma once

#include "ui/backend.h"

namespace icons {

class HourGlass {
 public:
  explicit HourGlass(ui::Backend& backend) : backend_(backend), before_(backend.ScreenCursor()) {
    backend_.SetScreenCursor(ui::Cursor::HourGlass);
  }
  ~HourGlass() { backend_.SetScreenCursor(before_); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;

 private:
  ui::Backend& backend_;
  ui::Cursor before_;
};

}  // namespace icons
