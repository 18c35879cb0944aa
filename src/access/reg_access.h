// Value-level registry access for every page: values travel as text in both directions, a root
// selector (0..5) picks the root and a one-letter kind the value type. Nothing here shows a
// message; failures look like missing values to the callers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "access/reg_kinds.h"
#include "access/registry_object.h"
#include "access/work_area.h"
#include "base/trace.h"
#include "os/system.h"

namespace sysaccess {

// Root selectors: 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS,
// 4 HKEY_CURRENT_CONFIG, 5 HKEY_DYN_DATA. Any other number keeps the root as it was.
// Kinds: "s" string, "i" integer, "b" binary, "z" multi-string (read only), "k" subkey and
// "v" value (delete only).
class RegistryAccess {
 public:
  RegistryAccess(TRegistry& sharedRegistry, WorkArea& work, os::System& system, base::Trace& trace)
      : SharedRegistry(sharedRegistry), work_(work), system_(system), trace_(trace) {}

  // The value as text; the empty text when the key or value is missing or of another type.
  std::string ReadReg(int root, std::string_view key, std::string_view name, std::string_view kind);
  // Creates the key and its parents when needed; writes always, silently does nothing on failure.
  void WriteReg(int root, std::string_view key, std::string_view name, std::string_view value,
                std::string_view kind);
  // Removes the subkey ("k") or value ("v") called name below key; missing ones are no error.
  void DeleteReg(int root, std::string_view key, std::string_view name, std::string_view kind);

  // The same, for callers that name the root and kind.
  std::string ReadReg(Root root, std::string_view key, std::string_view name, Kind kind) {
    return ReadReg(RootSelector(root), key, name, KindLetter(kind));
  }
  void WriteReg(Root root, std::string_view key, std::string_view name, std::string_view value,
                Kind kind) {
    WriteReg(RootSelector(root), key, name, value, KindLetter(kind));
  }
  void DeleteReg(Root root, std::string_view key, std::string_view name, Removal removal) {
    DeleteReg(RootSelector(root), key, name, RemovalLetter(removal));
  }

  // The registry search's test of one value: string and multi-string data whose upper-cased
  // text contains searchText (already upper-cased) is added to WorkList.
  void CheckValue(const std::vector<uint8_t>& data, uint32_t type, std::string_view searchText);

  // Sets WindowsVersion and returns (and leaves in WorkText) a one-line description.
  std::string GetWindowsVersion();
  // Enables the shutdown privilege of the own process: 1 when that succeeded.
  int CheckNT();

  TRegistry& SharedRegistry;

 private:
  void SelectRoot(int root);
  std::string ReadOpenValue(std::string_view name, std::string_view kind);
  std::string ReadMultiString(std::string_view name);

  WorkArea& work_;
  os::System& system_;
  base::Trace& trace_;
};

}  // namespace sysaccess
