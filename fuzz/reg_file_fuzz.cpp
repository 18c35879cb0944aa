// Any bytes as a registry file: parsing must not crash or hang, a file that parses must import
// into a new registry, and exporting what was imported must import to the same text again.
#include <cstdlib>
#include <string_view>

#include "os/memory_registry.h"
#include "os/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  os::RegFile file;
  os::RegFileError error;
  if (!os::ParseRegFile(bytes, file, error)) {
    if (error.line < 1 || error.message.empty()) std::abort();
    return 0;
  }
  os::MemoryRegistry registry;
  if (!os::ImportRegFile(registry, bytes, error)) return 0;  // e.g. a key name too long
  for (const auto root : {os::RegRoot::LocalMachine, os::RegRoot::Users, os::RegRoot::DynData}) {
    const std::string text = os::ExportRegText(registry, root, "");
    // Imported over the registry it came from, the export changes nothing: every key and value
    // reads back as written. A fresh registry would not do: it starts with the system's keys,
    // which the file may have deleted.
    if (!os::ImportRegFile(registry, os::EncodeRegFile(text, os::RegFileFormat::Regedit5), error)) {
      std::abort();
    }
    if (os::ExportRegText(registry, root, "") != text) std::abort();
  }
  return 0;
}
