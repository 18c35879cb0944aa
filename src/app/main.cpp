// Entry point: composes the Win32 services, creates the main window and runs the message loop.
// The Win32 headers come first: the backend's header keeps their A/W macros off the toolkit's
// member names.
#include "win32/ui/win32_backend.h"

#include "app/all_pages.h"
#include "app/record_layouts.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "shell/main_window.h"
#include "win32/debugger_trace.h"
#include "win32/win32_display.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win32::Win32Backend backend;
  win32::Win32Registry registry;
  win32::Win32System system;
  win32::Win32Shell shell;
  win32::Win32FileSystem files;
  win32::DebuggerTrace trace;
  win32::Win32Display display;
  // Every change goes through the journal, which reads the state before on the plain services.
  journal::Journal journal(registry, files);
  journal::JournalingRegistry journaledRegistry(registry, journal);
  journal::JournalingFileSystem journaledFiles(files, journal);
  journal::JournalingShell journaledShell(shell, journal);
  page::Services services{backend, journaledRegistry, system, journaledShell, journaledFiles, trace,
                          display};

  shell::TForm1 mainWindow(services, app::AllPages());
  mainWindow.AttachJournal(journal);
  mainWindow.FormCreate();
  if (backend.Terminated()) return 0;  // refused to start; the reason was shown

  mainWindow.Form().Show();
  // The tree takes the focus; with nothing selected it selects the root, which builds the first
  // page.
  mainWindow.TreeView1->SetFocus();
  return backend.Run();
}
