// Page change times on the in-memory toolkit: teardown, build and readers of every page of the
// tree, with the demo data of sandbox/registry loaded.
//
// usage: page_change_bench [sandbox/registry folder]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "headless/headless_backend.h"
#include "os/file_system.h"
#include "os/memory_registry.h"
#include "os/reg_file.h"
#include "os/shell.h"
#include "os/system.h"
#include "app/all_pages.h"
#include "shell/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

void Seed(os::Registry& registry, const std::string& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".reg") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    os::RegFileError failure;
    if (!os::ImportRegFile(registry, bytes.str(), failure)) {
      std::fprintf(stderr, "%s: %s\n", entry.path().string().c_str(), failure.message.c_str());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "sandbox/registry";
  headless::HeadlessBackend backend;
  os::MemoryRegistry registry;
  os::MemorySystem system;
  os::MemoryShell shell;
  os::MemoryFileSystem files;
  files.AddFile("C:\\WINNT\\win.ini", "[windows]\r\nload=\r\nrun=C:\\x.exe\r\n");
  registry.CreateKey(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Options")
      ->SetValue("InstallDir", os::RegValue::String("C:\\Programme\\Kalmora2x"));
  Seed(registry, folder);
  base::TraceLog trace;
  page::Services services{backend, registry, system, shell, files, trace};
  shell::TForm1 form(services, app::AllPages());
  form.FormCreate();

  struct Timing {
    std::string node;
    double microseconds;
  };
  std::vector<Timing> timings;
  constexpr int kRounds = 20;
  for (ui::TreeNode* node : form.TreeView1->AllNodes()) {
    double best = 1e12;
    for (int round = 0; round < kRounds; ++round) {
      form.TreeView1->SetSelected(form.TreeView1->Root(0) == node ? node->Next()
                                                                  : form.TreeView1->Root(0));
      const auto begin = Clock::now();
      form.TreeView1->SetSelected(node);
      best =
          std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - begin).count());
    }
    timings.push_back({node->Text(), best});
  }
  std::sort(timings.begin(), timings.end(),
            [](const Timing& a, const Timing& b) { return a.microseconds > b.microseconds; });
  double total = 0;
  for (const auto& timing : timings) total += timing.microseconds;
  std::printf("page changes of %zu nodes (best of %d): mean %.1f us, slowest:\n", timings.size(),
              kRounds, total / static_cast<double>(timings.size()));
  for (size_t i = 0; i < timings.size() && i < 10; ++i) {
    std::printf("  %8.1f us  %s\n", timings[i].microseconds, timings[i].node.c_str());
  }
  std::printf("  fastest: %.1f us  %s\n", timings.back().microseconds, timings.back().node.c_str());
  return 0;
}
