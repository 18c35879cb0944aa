#include "win32/debugger_trace.h"

#include <windows.h>

#include "win32/wide.h"

namespace win32 {

void DebuggerTrace::Failure(std::string_view where, std::string_view what) {
  std::string line = "Kalmora2x: ";
  line += where;
  line += ": ";
  line += what;
  line += "\n";
  OutputDebugStringW(Wide(line).c_str());
}

}  // namespace win32
