// Entry point: composes the Win32 services and either runs a profile command without a window
// (/save, /compare, /apply) or creates the main window and runs the message loop.
// The Win32 headers come first: the backend's header keeps their A/W macros off the toolkit's
// member names.
#include "win32/ui/win32_backend.h"

#include "app/all_pages.h"
#include "app/record_layouts.h"
#include "headless/headless_backend.h"
#include "journal/journal_store.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "profile/command_line.h"
#include "profile/profiles.h"
#include "profile/unattended.h"
#include "shell/category_tree.h"
#include "shell/main_window.h"
#include "win32/debugger_trace.h"
#include "win32/wide.h"
#include "win32/win32_display.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"

namespace {

constexpr const char* kVersion = KALMORA_VERSION;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  const profile::Command command =
      profile::ParseCommandLine(profile::SplitCommandLine(win32::Narrow(commandLine)));
  if (command.action == profile::Action::Usage) {
    win32::Win32Backend backend;
    backend.GetDialogs().ShowMessage(profile::kUsage, "Kalmora 2x", ui::MsgButtons::Ok,
                                     ui::MsgIcon::Information);
    return profile::kExitMatches;
  }

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

  // Profiles build their pages on a toolkit without windows.
  headless::HeadlessBackend windowless;
  page::Services pageless{
      windowless, journaledRegistry, system, journaledShell, journaledFiles, trace, display};
  const page::PageTable pages = app::AllPages();
  profile::PageHost host(pageless, pages);

  if (command.action != profile::Action::Window) {
    host.ReadState();
    profile::Profiles profiles(host, app::ProfilePages(),
                               shell::PagesOfferedOn(host.WindowsVersion));
    journal.SetOrigin([&] {
      return journal::Origin{profile::HeaderOf(host, kVersion).time, "Profil anwenden",
                             system.UserName()};
    });
    std::unique_ptr<journal::JournalStore> store;
    const std::string folder =
        journal::JournalFolder(shell.SpecialFolderPath(0x1A), host.InstallDir);
    if (journal::MakeFolders(files, folder)) {
      store = std::make_unique<journal::JournalStore>(files, folder);
      journal.SetStore(store.get(), trace);
    }
    profile::Unattended run{profiles, files, &journal, kVersion};
    return profile::Run(command, run);
  }

  win32::Win32Backend backend;
  page::Services services{backend, journaledRegistry, system, journaledShell, journaledFiles, trace,
                          display};
  shell::TForm1 mainWindow(services, app::AllPages());
  mainWindow.AttachJournal(journal);
  mainWindow.FormCreate();
  if (backend.Terminated()) return 0;  // refused to start; the reason was shown

  profile::Profiles profiles(host, app::ProfilePages(),
                             shell::PagesOfferedOn(mainWindow.WindowsVersion));
  mainWindow.AttachProfiles(profiles, kVersion);
  mainWindow.Form().Show();
  // The tree takes the focus; with nothing selected it selects the root, which builds the first
  // page.
  mainWindow.TreeView1->SetFocus();
  return backend.Run();
}
