// The program's services on the real system, composed as the program runs on them: every change
// goes through the journal, which reads the state before on the plain services. wWinMain and the
// start-up benchmark both build on it; the profile commands use the services without the toolkit.
#pragma once

#include "win32/ui/win32_backend.h"

#include "journal/journal.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "page/services.h"
#include "win32/debugger_trace.h"
#include "win32/win32_display.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"

namespace app {

// The real system without a toolkit: what the unattended profile commands run on, and what the
// window adds its toolkit to.
struct Win32Services {
  page::Services With(ui::Backend& ui) {
    return page::Services{ui,     journaledRegistry, system, journaledShell, journaledFiles, trace,
                          display};
  }

  win32::Win32Registry registry;
  win32::Win32System system;
  win32::Win32Shell shell;
  win32::Win32FileSystem files;
  win32::DebuggerTrace trace;
  win32::Win32Display display;
  journal::Journal journal{registry, files};
  journal::JournalingRegistry journaledRegistry{registry, journal};
  journal::JournalingFileSystem journaledFiles{files, journal};
  journal::JournalingShell journaledShell{shell, journal};
};

struct Win32Program {
  // The main window is built out of sight, its windows taking their state when it shows.
  Win32Program() { backend.DeferUntilShown(); }

  win32::Win32Backend backend;
  Win32Services real;
  journal::Journal& journal = real.journal;
  page::Services services = real.With(backend);
};

}  // namespace app
