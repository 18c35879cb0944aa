#include "base/trace.h"

namespace base {

void TraceLog::Failure(std::string_view where, std::string_view what) {
  std::string entry(where);
  entry += ": ";
  entry += what;
  entries_.push_back(std::move(entry));
}

}  // namespace base
