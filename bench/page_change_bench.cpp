// Page change figures for every page of the tree, with the demo data of sandbox/registry loaded:
// the time of the page change (teardown, build, readers), the time the same registry calls take
// alone (recorded during the change, then replayed straight on the registry) and the number of
// windows the page made. Natively on the in-memory toolkit and registry; built for Windows and
// run under Wine, on real windows and the real registry.
//
// usage: page_change_bench [sandbox/registry folder]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#ifdef KALMORA_BENCH_WIN32
#include "win32/ui/win32_backend.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_system.h"
#else
#include "headless/headless_backend.h"
#include "os/file_system.h"
#include "os/memory_registry.h"
#include "os/shell.h"
#include "os/system.h"
#endif

#include "app/all_pages.h"
#include "bench_support.h"
#include "os/display.h"
#include "os/recording_registry.h"
#include "os/reg_file.h"
#include "shell/main_window.h"

namespace {

using bench::MicrosecondsOf;

int WindowsBelow(const ui::Control* control) {
  const auto* container = dynamic_cast<const ui::Container*>(control);
  if (!container) return 1;
  int count = 1;
  for (const auto& child : container->Children()) count += WindowsBelow(child.get());
  return count;
}

struct Figure {
  int pageId;
  std::string node;
  double change;  // best of the rounds, microseconds
  double replay;
  int windows;
  size_t calls;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "sandbox/registry";
#ifdef KALMORA_BENCH_WIN32
  win32::Win32Backend backend;
  win32::Win32Registry registry;
  win32::Win32System system;
  win32::Win32Shell shell;
  win32::Win32FileSystem files;
  constexpr int kRounds = 3;
  const char* where = "Win32 windows, real registry";
#else
  headless::HeadlessBackend backend;
  os::MemoryRegistry registry;
  os::MemorySystem system;
  os::MemoryShell shell;
  os::MemoryFileSystem files;
  files.AddFile("C:\\WINNT\\win.ini", "[windows]\r\nload=\r\nrun=C:\\x.exe\r\n");
  constexpr int kRounds = 20;
  const char* where = "in-memory toolkit and registry";
#endif
  registry.CreateKey(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Options")
      ->SetValue("InstallDir", os::RegValue::String("C:\\Programme\\Kalmora2x"));
  bench::Seed(registry, folder);
  os::RecordingRegistry recording(registry);
  base::TraceLog trace;
  os::MemoryDisplay display;
  page::Services services{backend, recording, system, shell, files, trace, display};
  shell::TForm1 form(services, app::AllPages());
  form.FormCreate();
  form.Form().Show();

  std::vector<Figure> figures;
  for (ui::TreeNode* node : form.TreeView1->AllNodes()) {
    if (!page::FindPageRow(node->ImageIndex())) continue;
    ui::TreeNode* elsewhere =
        form.TreeView1->Root(0) == node ? node->Next() : form.TreeView1->Root(0);
    Figure figure{node->ImageIndex(), node->Text(), 1e12, 1e12, 0, 0};
    for (int round = 0; round < kRounds; ++round) {
      form.TreeView1->SetSelected(elsewhere);
      recording.Clear();
      figure.change =
          std::min(figure.change, MicrosecondsOf([&] { form.TreeView1->SetSelected(node); }));
      const std::vector<os::RegEvent> calls = recording.Events();
      figure.calls = calls.size();
      figure.replay = std::min(figure.replay, MicrosecondsOf([&] { os::Replay(registry, calls); }));
    }
    figure.windows = form.PagePanel ? WindowsBelow(form.PagePanel) : 0;
    figures.push_back(figure);
  }

  double change = 0;
  double replay = 0;
  for (const Figure& figure : figures) {
    change += figure.change;
    replay += figure.replay;
  }
  std::printf(
      "page changes of %zu nodes on %s (best of %d): mean %.1f us, registry alone %.1f us\n",
      figures.size(), where, kRounds, change / static_cast<double>(figures.size()),
      replay / static_cast<double>(figures.size()));
  std::printf("%6s %10s %10s %6s %8s  %s\n", "PageId", "change us", "registry", "calls", "windows",
              "node");
  for (const Figure& figure : figures) {
    std::printf("%6d %10.1f %10.1f %6zu %8d  %s\n", figure.pageId, figure.change, figure.replay,
                figure.calls, figure.windows, figure.node.c_str());
  }
  for (const std::string& entry : trace.Entries()) std::printf("trace: %s\n", entry.c_str());
  return 0;
}
