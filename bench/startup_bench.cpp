// Where start-up goes: the program's own composition (as wWinMain makes it) timed step by step,
// from the process's creation until the main window is shown and painted and the queue is empty,
// with the steps of FormCreate as the window reports them. Run in a prepared prefix
// (scripts/sandbox); asserts nothing.
//
// usage: startup_bench
#include "app/win32_program.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/all_pages.h"
#include "shell/main_window.h"

namespace {

// Milliseconds since the process was created, on the system clock both are read from.
double SinceProcessStart() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

class StepClock {
 public:
  void Mark(std::string step) { steps_.push_back({std::move(step), SinceProcessStart()}); }
  void Print() const {
    double before = 0;
    std::printf("%10s %8s  %s\n", "since start", "step", "");
    for (const auto& [step, at] : steps_) {
      std::printf("%8.1f ms %5.1f ms  %s\n", at, at - before, step.c_str());
      before = at;
    }
  }

 private:
  std::vector<std::pair<std::string, double>> steps_;
};

// Runs what is waiting, paint messages included, until the queue is empty.
void RunUntilIdle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int wmain() {
  StepClock clock;
  clock.Mark("process start to main (loader, runtime, static objects)");
  app::Win32Program program;
  clock.Mark("toolkit (common controls, rich edit, window classes) and services");
  page::PageTable pages = app::AllPages();
  clock.Mark("page table");
  shell::TForm1 mainWindow(program.services, std::move(pages));
  clock.Mark("main window built (controls, tree, menus)");
  mainWindow.AttachJournal(program.journal);
  mainWindow.OnStartUpStep = [&clock](const char* step) {
    clock.Mark(std::string("  FormCreate: ") + step);
  };
  mainWindow.FormCreate();
  clock.Mark("FormCreate done");
  mainWindow.Form().Show();
  clock.Mark("shown (windows made)");
  mainWindow.TreeView1->SetFocus();
  clock.Mark("focus: root page built");
  RunUntilIdle();
  clock.Mark("painted, queue empty");
  clock.Print();
  mainWindow.Form().Close();
  return 0;
}
