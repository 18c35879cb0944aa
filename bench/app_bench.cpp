// Start-up and page changes of the real program, measured from outside through its windows, in a
// prepared prefix (scripts/sandbox):
// - start-up: process start until its main window is visible and the process waits for input,
//   taken in turns with the empty-window program of the same build, so both see the same
//   machine; printed as medians and as the ratio of the two; with --same-windows=<exe>
//   (bench/same_windows.cpp) also against the main window's windows made without the program;
// - page changes: every node of the tree, each selected from the root page (once that has
//   painted) as a click selects it; "shown" is the selection until the program has built the page
//   (its paint follows), "stall" the longest the window then kept a message waiting while it
//   painted and filled the page (probed for kProbeMs). Pages that opened a message box are marked
//   and left out of the slowest.
// Asserts nothing.
//
// usage: app_bench [--same-windows=<exe>] <program.exe> <empty-window.exe>
//                  [rounds [--start-up | --pages <text>]]
// (--pages: only the nodes whose text holds <text>, or one of "<text>|<text>...")
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/app_gui/remote_process.h"

namespace {

using app_gui::MessageBoxCloser;
using app_gui::Start;
using app_gui::Started;
using app_gui::Stop;
using Clock = std::chrono::steady_clock;

constexpr double kProbeMs = 250;
constexpr int kPageRounds = 3;

double MillisecondsSince(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Narrow(const std::wstring& text) {
  std::string bytes(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr,
                                                            0, nullptr, nullptr)),
                    '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  if (!bytes.empty()) bytes.pop_back();
  return bytes;
}

// True when the node's text holds one of the texts of `only` ("a|b"), or `only` is empty.
bool Wanted(const std::string& node, const std::string& only) {
  if (only.empty()) return true;
  size_t begin = 0;
  while (begin <= only.size()) {
    const size_t end = std::min(only.find('|', begin), only.size());
    const std::string part = only.substr(begin, end - begin);
    if (!part.empty() && node.find(part) != std::string::npos) return true;
    begin = end + 1;
  }
  return false;
}

struct PageChange {
  double shown = 0;
  double stall = 0;
};

// Selects the item as a click does and waits until the page is built; then probes how long the
// window keeps a message waiting while it paints and fills.
PageChange Change(HWND window, HWND tree, HTREEITEM item) {
  PageChange change;
  const auto begin = Clock::now();
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  change.shown = MillisecondsSince(begin);
  const auto since = Clock::now();
  while (MillisecondsSince(since) < kProbeMs) {
    const auto probe = Clock::now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    change.stall = std::max(change.stall, MillisecondsSince(probe));
    Sleep(1);
  }
  return change;
}

struct PageFigure {
  std::string node;
  double first = 0;
  double shown = 0;  // median of the rounds, the first visit included
  double stall = 0;  // median of the rounds
  bool messageBox = false;
};

std::vector<PageFigure> MeasurePages(Started& app, const std::string& only) {
  std::vector<PageFigure> figures;
  HWND tree = app_gui::FindChild(app.window, L"SysTreeView32");
  if (!tree) return figures;
  const std::vector<HTREEITEM> items = app_gui::TreeItems(tree);
  if (items.empty()) return figures;
  const HTREEITEM home = items.front();
  for (size_t i = 1; i < items.size(); ++i) {
    PageFigure figure;
    figure.node = Narrow(app_gui::TreeItemText(app.process.hProcess, tree, items[i]));
    if (!Wanted(figure.node, only)) continue;
    std::vector<double> shown;
    std::vector<double> stalls;
    for (int round = 0; round < kPageRounds; ++round) {
      const MessageBoxCloser closer(app.process.dwProcessId);
      // The root page is left to paint before the change is timed: a selection sent while the
      // window still paints it waits for that paint, which is the root page's time, not this one's.
      Change(app.window, tree, home);
      const PageChange change = Change(app.window, tree, items[i]);
      if (closer.Answered() > 0) figure.messageBox = true;
      if (round == 0) figure.first = change.shown;
      shown.push_back(change.shown);
      stalls.push_back(change.stall);
    }
    figure.shown = Median(shown);
    figure.stall = Median(stalls);
    figures.push_back(figure);
  }
  return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring sameWindows;
  constexpr std::wstring_view kSameWindows = L"--same-windows=";
  if (argc > 1 && std::wstring_view(argv[1]).substr(0, kSameWindows.size()) == kSameWindows) {
    sameWindows = argv[1] + kSameWindows.size();
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: app_bench [--same-windows=<exe>] <program.exe> <empty-window.exe> "
                 "[rounds [--start-up | --pages a|b]]\n");
    return 2;
  }
  const std::wstring program = argv[1];
  const std::wstring empty = argv[2];
  const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
  const wchar_t* version = _wgetenv(L"KALMORA_WINDOWS");
  const std::string system = version ? Narrow(version) : "?";

  // One of each first, not counted: the files come into the cache.
  for (const auto& [path, title] :
       {std::pair{empty, L"Leeres Fenster"}, std::pair{sameWindows, L"Gleiche Fenster"},
        std::pair{program, L"Kalmora 2x"}}) {
    if (path.empty()) continue;
    Started warm = Start(L"\"" + path + L"\"", title);
    Stop(warm);
  }
  // Starts one, keeps its time and ends it; false when no window came.
  const auto timed = [](const std::wstring& path, const wchar_t* title,
                        std::vector<double>& times) {
    Started started = Start(L"\"" + path + L"\"", title);
    times.push_back(started.milliseconds);
    const bool came = started.window != nullptr;
    Stop(started);
    return came;
  };
  std::vector<double> emptyTimes;
  std::vector<double> sameTimes;
  std::vector<double> programTimes;
  for (int round = 0; round < rounds; ++round) {
    timed(empty, L"Leeres Fenster", emptyTimes);
    if (!sameWindows.empty()) timed(sameWindows, L"Gleiche Fenster", sameTimes);
    if (!timed(program, L"Kalmora 2x", programTimes)) {
      std::fprintf(stderr, "app_bench: no main window within 30 s\n");
      return 1;
    }
  }
  const double emptyMs = Median(emptyTimes);
  const double programMs = Median(programTimes);
  std::printf(
      "[%s] start-up, median of %d in turns: empty window %.0f ms, Kalmora2x %.0f ms, "
      "ratio %.2f\n",
      system.c_str(), rounds, emptyMs, programMs, programMs / emptyMs);
  if (!sameTimes.empty()) {
    const double sameMs = Median(sameTimes);
    std::printf(
        "[%s] start-up against its windows made without the program: same windows %.0f ms "
        "(%.2f of the empty window), Kalmora2x %.2f of them\n",
        system.c_str(), sameMs, sameMs / emptyMs, programMs / sameMs);
  }

  if (argc > 4 && std::wstring(argv[4]) == L"--start-up") return 0;
  const std::string only = argc > 5 && std::wstring(argv[4]) == L"--pages" ? Narrow(argv[5]) : "";
  Started app = Start(L"\"" + program + L"\"", L"Kalmora 2x");
  const std::vector<PageFigure> figures = MeasurePages(app, only);
  Stop(app);
  std::printf(
      "[%s] page changes of %zu nodes (from the root page, median of %d, first visit "
      "apart; stall: longest wait for a message while the page filled, %.0f ms probed)\n",
      system.c_str(), figures.size(), kPageRounds, kProbeMs);
  std::printf("%8s %8s %8s  %s\n", "shown", "first", "stall", "node");
  const PageFigure* slowest = nullptr;
  const PageFigure* longestStall = nullptr;
  std::vector<double> all;
  for (const PageFigure& figure : figures) {
    std::printf("%8.1f %8.1f %8.1f  %s%s\n", figure.shown, figure.first, figure.stall,
                figure.node.c_str(), figure.messageBox ? "  (message box)" : "");
    if (figure.messageBox) continue;
    all.push_back(figure.shown);
    if (!slowest || figure.shown > slowest->shown) slowest = &figure;
    if (!longestStall || figure.stall > longestStall->stall) longestStall = &figure;
  }
  if (slowest && longestStall) {
    std::printf(
        "[%s] page change: median %.1f ms; slowest \"%s\" %.1f ms (%.2f of the 50 ms "
        "budget); longest stall \"%s\" %.1f ms\n",
        system.c_str(), Median(all), slowest->node.c_str(), slowest->shown, slowest->shown / 50.0,
        longestStall->node.c_str(), longestStall->stall);
  }
  return 0;
}
