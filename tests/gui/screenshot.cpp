#include "screenshot.h"

#include "win32/ui/gdi_handles.h"
#include "win32/unique_handle.h"

namespace guitest {

std::wstring ArtifactsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"KALMORA_ARTIFACTS", buffer, MAX_PATH);
  std::wstring folder = length > 0 && length < MAX_PATH ? buffer : L"artifacts";
  // Under Wine a Unix path arrives as it was exported; make it a Windows one.
  if (!folder.empty() && folder[0] == L'/') folder = L"Z:" + folder;
  for (wchar_t& c : folder) {
    if (c == L'/') c = L'\\';
  }
  // Make each level that is missing.
  for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos;
       at = folder.find(L'\\', at + 1)) {
    CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

bool SaveWindowBitmap(HWND window, const std::wstring& path) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as bitmap files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueBitmap dib;
  {
    // The window's own device context, frame included.
    HDC windowDc = GetWindowDC(window);
    dib.reset(CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool copied = false;
    if (dib) {
      win32::MemoryDc memory(windowDc);
      win32::SelectGuard select(memory.get(), dib.get());
      copied = BitBlt(memory.get(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != 0;
      GdiFlush();
    }
    ReleaseDC(window, windowDc);
    if (!copied) return false;
  }
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageSize;
  info.bmiHeader.biSizeImage = imageSize;
  win32::UniqueHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return out && WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
         WriteFile(out.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
         WriteFile(out.get(), bits, imageSize, &written, nullptr);
}

}  // namespace guitest
