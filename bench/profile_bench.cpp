// Profile figures with the demo data of sandbox/registry loaded: save, compare and apply of a
// profile of every page, each timed as a whole, and the time the same registry calls take
// alone (recorded during the run, then replayed straight on the registry). The applies: every
// check box turned over, then the saved profile back, then the saved profile once more (nothing
// differs). Natively on the in-memory registry; built for Windows and run under Wine, on the
// real registry of the prefix.
//
// usage: profile_bench [sandbox/registry folder]
#include <cstdio>
#include <string>
#include <vector>

#include "app/all_pages.h"
#include "bench_support.h"
#include "headless/headless_backend.h"
#include "os/display.h"
#include "os/recording_registry.h"
#include "profile/profiles.h"
#include "shell/category_tree.h"

#ifdef KALMORA_BENCH_WIN32
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"
#else
#include "os/file_system.h"
#include "os/memory_registry.h"
#include "os/shell.h"
#include "os/system.h"
#endif

namespace {

struct Figure {
  const char* what;
  double run;     // microseconds
  double replay;  // microseconds
  size_t calls;
  size_t rows;
};

profile::Profile TurnedOver(profile::Profile profile) {
  for (profile::Section& section : profile.sections) {
    for (profile::Entry& entry : section.entries) {
      if (entry.value == profile::kChecked) {
        entry.value = profile::kUnchecked;
      } else if (entry.value == profile::kUnchecked) {
        entry.value = profile::kChecked;
      }
    }
  }
  return profile;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "sandbox/registry";
#ifdef KALMORA_BENCH_WIN32
  win32::Win32Registry registry;
  win32::Win32System system;
  win32::Win32Shell shell;
  win32::Win32FileSystem files;
  const char* where = "real registry (Wine)";
#else
  os::MemoryRegistry registry;
  os::MemorySystem system;
  os::MemoryShell shell;
  os::MemoryFileSystem files;
  const char* where = "in-memory registry";
#endif
  bench::Seed(registry, folder);
  os::RecordingRegistry recording(registry);
  base::TraceLog trace;
  os::MemoryDisplay display;
  headless::HeadlessBackend windowless;
  page::Services services{windowless, recording, system, shell, files, trace, display};
  const page::PageTable pages = app::AllPages();
  profile::PageHost host(services, pages);
  host.ReadState();
  profile::Profiles profiles(host, app::ProfilePages(), shell::PagesOfferedOn(host.WindowsVersion));

  std::vector<Figure> figures;
  const auto measure = [&](const char* what, const std::function<size_t()>& work) {
    recording.Clear();
    size_t rows = 0;
    const double run = bench::MicrosecondsOf([&] { rows = work(); });
    const std::vector<os::RegEvent> calls = recording.Events();
    const double replay = bench::MicrosecondsOf([&] { os::Replay(registry, calls); });
    figures.push_back({what, run, replay, calls.size(), rows});
  };

  profile::Profile saved;
  measure("save (every page)", [&] {
    saved.sections = profiles.Save({});
    size_t settings = 0;
    for (const profile::Section& section : saved.sections) settings += section.entries.size();
    return settings;
  });
  measure("compare", [&] { return profiles.Compare(saved).size(); });
  const profile::Profile turned = TurnedOver(saved);
  measure("apply, every check turned over",
          [&] { return profiles.Apply(turned, profile::Scope::All).size(); });
  measure("apply, the saved profile back",
          [&] { return profiles.Apply(saved, profile::Scope::All).size(); });
  measure("apply, nothing differs",
          [&] { return profiles.Apply(saved, profile::Scope::All).size(); });

  std::printf("profiles, %s, %zu pages\n", where, saved.sections.size());
  std::printf("%-34s %10s %12s %10s %9s\n", "", "run ms", "calls alone", "reg calls", "settings");
  for (const Figure& figure : figures) {
    std::printf("%-34s %10.1f %12.1f %10zu %9zu\n", figure.what, figure.run / 1000,
                figure.replay / 1000, figure.calls, figure.rows);
  }
  return 0;
}
