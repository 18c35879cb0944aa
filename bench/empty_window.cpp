// The floor for start-up: a program that opens one empty window of the main window's size and
// does nothing else. Built with the program's flags, so what the program takes more than this is
// its own work.
#include "floor_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  if (!floor_window::RegisterPlainClass(instance, L"KalmoraEmptyWindow")) return 1;
  HWND window = CreateWindowExW(0, L"KalmoraEmptyWindow", L"Leeres Fenster", WS_OVERLAPPEDWINDOW,
                                269, 226, 751, 461, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  return floor_window::RunMessageLoop();
}
