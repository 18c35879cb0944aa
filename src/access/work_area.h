// The main window's working members through which the registry access, the control factory and
// the pages hand values to each other. Each holds the last operation's result only until the
// next one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sysaccess {

struct WorkArea {
  std::string WorkText;
  int32_t WorkNumber = 0;
  std::vector<std::string> WorkList;
  int KeyOpened = 0;
  // 0 outside the NT family, 1 NT 4, 2 Windows 2000, 3 XP and later 5.x.
  int WindowsVersion = 0;
};

}  // namespace sysaccess
