// The registry implementations the shared registry tests run against: the in-memory one
// everywhere, and under Windows (Wine) the real one as well.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "os/registry.h"

namespace testing_support {

struct RegistryBackend {
  std::string name;
  std::function<std::unique_ptr<os::Registry>()> make;
};

std::vector<RegistryBackend> RegistryBackends();

inline std::ostream& operator<<(std::ostream& out, const RegistryBackend& backend) {
  return out << backend.name;
}

inline std::string BackendName(const RegistryBackend& backend) {
  return backend.name;
}

}  // namespace testing_support
