// The operating-system and window services the program runs on: real ones in Kalmora2x.exe,
// in-memory ones in the tests.
#pragma once

#include "base/trace.h"
#include "os/display.h"
#include "os/file_system.h"
#include "os/registry.h"
#include "os/shell.h"
#include "os/system.h"
#include "ui/backend.h"

namespace page {

struct Services {
  ui::Backend& ui;
  os::Registry& registry;
  os::System& system;
  os::Shell& shell;
  os::FileSystem& files;
  // Failures the program keeps from the user on purpose.
  base::Trace& trace;
  os::Display& display;
};

}  // namespace page
