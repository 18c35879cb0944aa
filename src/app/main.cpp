// Entry point: composes the Win32 services and either runs a profile command without a window
// (/save, /compare, /apply) or creates the main window and runs the message loop.
// The Win32 headers come first: the backend's header keeps their A/W macros off the toolkit's
// member names.
#include "win32/ui/win32_backend.h"

#include <memory>
#include <string>

#include "app/all_pages.h"
#include "app/record_layouts.h"
#include "app/win32_program.h"
#include "headless/headless_backend.h"
#include "journal/journal_store.h"
#include "profile/command_line.h"
#include "profile/profiles.h"
#include "profile/unattended.h"
#include "shell/category_tree.h"
#include "shell/main_window.h"
#include "win32/wide.h"

namespace {

constexpr const char* kVersion = KALMORA_VERSION;

// Profiles build their pages on a toolkit without windows, over the same journaled services.
struct Pageless {
  explicit Pageless(app::Win32Services& real) : services(real.With(windowless)) {}

  headless::HeadlessBackend windowless;
  page::Services services;
  const page::PageTable pages = app::AllPages();
  profile::PageHost host{services, pages};
};

// /save, /compare, /apply: no window, never a message box.
int RunUnattended(const profile::Command& command) {
  app::Win32Services real;
  Pageless pageless(real);
  profile::PageHost& host = pageless.host;
  host.ReadState();
  profile::Profiles profiles(host, app::ProfilePages(), shell::PagesOfferedOn(host.WindowsVersion));
  real.journal.SetOrigin([&] {
    return journal::Origin{profile::HeaderOf(host, kVersion).time, "Profil anwenden",
                           real.system.UserName()};
  });
  std::unique_ptr<journal::JournalStore> store;
  const std::string folder =
      journal::JournalFolder(real.shell.SpecialFolderPath(0x1A), host.InstallDir);
  if (journal::MakeFolders(real.files, folder)) {
    store = std::make_unique<journal::JournalStore>(real.files, folder);
    real.journal.SetStore(store.get(), real.trace);
  }
  profile::Unattended run{profiles, real.files, &real.journal, kVersion};
  return profile::Run(command, run);
}

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
  if (command.action != profile::Action::Window) return RunUnattended(command);

  app::Win32Program program;
  win32::Win32Backend& backend = program.backend;
  shell::TForm1 mainWindow(program.services, app::AllPages());
  mainWindow.AttachJournal(program.journal);
  mainWindow.FormCreate();
  if (backend.Terminated()) return 0;  // refused to start; the reason was shown

  // Built when the user first picks a profile item: a start-up without them is shorter.
  std::unique_ptr<Pageless> pageless;
  std::unique_ptr<profile::Profiles> profiles;
  mainWindow.AttachProfiles(
      [&]() -> profile::Profiles& {
        pageless = std::make_unique<Pageless>(program.real);
        profiles = std::make_unique<profile::Profiles>(
            pageless->host, app::ProfilePages(), shell::PagesOfferedOn(mainWindow.WindowsVersion));
        return *profiles;
      },
      kVersion);
  mainWindow.Form().Show();
  // The tree takes the focus; with nothing selected it selects the root, which builds the first
  // page.
  mainWindow.TreeView1->SetFocus();
  return backend.Run();
}
