#include "os/memory_registry.h"
#include "support/registry_backends.h"

namespace testing_support {

std::vector<RegistryBackend> RegistryBackends() {
  return {{"Memory", [] { return std::make_unique<os::MemoryRegistry>(); }}};
}

}  // namespace testing_support
