// The program's trace: failures it keeps from the user go to the debugger's output, where a
// developer (or DebugView) can read them; nothing is written to disk.
#pragma once

#include "base/trace.h"

namespace win32 {

class DebuggerTrace : public base::Trace {
 public:
  void Failure(std::string_view where, std::string_view what) override;
};

}  // namespace win32
