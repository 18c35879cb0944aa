// The registry search: a depth-first walk through a subtree that collects in WorkList the path
// of every value whose name contains the search text and, through CheckValue, the data of every
// string value that contains it. Case is ignored on both sides.
//
// The walk runs in steps, so a window can spread a long search over its message loop (and drop
// it when the page goes); SucheInReg runs it to its end at once.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "access/reg_access.h"
#include "os/reg_values.h"
#include "os/registry.h"

namespace sysaccess {

class RegistrySearch {
 public:
  // SearchRegistry: starts the walk of key below root for text (EnumKey of the first key). A key
  // that cannot be opened leaves nothing to walk.
  RegistrySearch(os::Registry& registry, RegistryAccess& access, WorkArea& work, os::RegRoot root,
                 std::string_view key, std::string_view text);
  RegistrySearch(const RegistrySearch&) = delete;
  RegistrySearch& operator=(const RegistrySearch&) = delete;
  ~RegistrySearch();

  // Walks on until `reads` more subkeys have been reached or values read, or the walk is over;
  // returns whether anything is left.
  bool Step(size_t reads);
  bool Done() const { return levels_.empty(); }

  // Runs before each subkey is taken up (SucheInReg lets window messages through here).
  std::function<void()> BeforeSubKey;

  // The upper-cased text searched for.
  const std::string& SearchText() const { return searchText_; }

 private:
  struct Level;
  void EnumKey(std::unique_ptr<os::RegKey> key, std::string path);
  void CheckValues(const Level& level, const os::NamedValues& values);

  RegistryAccess& access_;
  WorkArea& work_;
  std::string searchText_;
  std::vector<Level> levels_;
};

// The whole search at once, appending to WorkList (which it never clears); pending window
// messages are processed once per subkey. Closes the key of the shared registry object at the
// end.
void SucheInReg(RegistryAccess& access, WorkArea& work, os::RegRoot root, std::string_view key,
                std::string_view text, const std::function<void()>& processMessages = {});

}  // namespace sysaccess
