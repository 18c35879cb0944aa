// Where the failures go that the program keeps from the user on purpose (a reader that ends
// quietly, a registry write that does nothing): the program sends them to the debugger, tests
// keep them and check that the normal paths leave none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace base {

class Trace {
 public:
  virtual ~Trace() = default;
  // where: the operation that swallowed the failure; what: the failure's own text.
  virtual void Failure(std::string_view where, std::string_view what) = 0;
};

// Keeps every failure as "where: what".
class TraceLog : public Trace {
 public:
  void Failure(std::string_view where, std::string_view what) override;
  const std::vector<std::string>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace base
