// Imports registry files into the real registry with the program's own reader: used to seed the
// demo prefix. Files may be UTF-8, so German names arrive intact whatever the code page.
//
// usage: reg_import.exe <file.reg> ...
#include <windows.h>

#include <cstdio>
#include <string>

#include "os/reg_file.h"
#include "win32/wide.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"

int wmain(int argc, wchar_t** argv) {
  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  int failures = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string path = win32::Narrow(argv[i]);
    std::string bytes;
    if (!files.ReadFile(path, bytes)) {
      std::fprintf(stderr, "%s: kann nicht gelesen werden\n", path.c_str());
      ++failures;
      continue;
    }
    os::RegFileError error;
    if (!os::ImportRegFile(registry, bytes, error)) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), error.message.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
