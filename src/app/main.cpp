// Entry point: composes the Win32 services and runs the message loop.
#include <windows.h>

#include "access/reg_access.h"
#include "win32/wide.h"
#include "win32/win32_registry.h"
#include "win32/win32_system.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  win32::Win32Registry registry;
  win32::Win32System system;
  sysaccess::TRegistry sharedRegistry(registry);
  sysaccess::WorkArea work;
  sysaccess::RegistryAccess regAccess(sharedRegistry, work, system);
  const std::string versionLine = regAccess.GetWindowsVersion();

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"TForm1";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"TForm1", L"Kalmora 2x", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 751, 461, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", win32::Wide(versionLine).c_str(), WS_CHILD | WS_VISIBLE, 10, 10,
                  600, 20, window, nullptr, instance, nullptr);
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
