// Entry point: composes the Win32 services, creates the main window and runs the message loop.
// The Win32 headers come first: the backend's header keeps their A/W macros off the toolkit's
// member names.
#include "win32/ui/win32_backend.h"

#include "app/all_pages.h"
#include "app/record_layouts.h"
#include "app/win32_program.h"
#include "shell/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  app::Win32Program program;
  win32::Win32Backend& backend = program.backend;

  shell::TForm1 mainWindow(program.services, app::AllPages());
  mainWindow.AttachJournal(program.journal);
  mainWindow.FormCreate();
  if (backend.Terminated()) return 0;  // refused to start; the reason was shown

  mainWindow.Form().Show();
  // The tree takes the focus; with nothing selected it selects the root, which builds the first
  // page.
  mainWindow.TreeView1->SetFocus();
  return backend.Run();
}
