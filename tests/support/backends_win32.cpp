#include "os/memory_registry.h"
#include "support/registry_backends.h"
#include "win32/win32_registry.h"

namespace testing_support {

std::vector<RegistryBackend> RegistryBackends() {
  return {{"Memory", [] { return std::make_unique<os::MemoryRegistry>(); }},
          {"Win32", [] { return std::make_unique<win32::Win32Registry>(); }}};
}

}  // namespace testing_support
