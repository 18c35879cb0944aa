// Saves what a window shows as a .bmp file, for people to look at after a run.
#pragma once

#include <windows.h>

#include <string>

namespace guitest {

// The folder for pictures a run leaves behind: KALMORA_ARTIFACTS, or ./artifacts.
std::wstring ArtifactsFolder();
// Copies the window (frame included) from the screen into a 24-bit DIB and writes it as a
// bitmap file. Returns false when nothing could be written.
bool SaveWindowBitmap(HWND window, const std::wstring& path);

}  // namespace guitest
