// All values of a key with their names, for walks over many keys. A key whose registry can hand
// out name and data in one call implements ValueLister; any other key is read value by value.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "os/registry.h"

namespace os {

using NamedValues = std::vector<std::pair<std::string, RegValue>>;

class ValueLister {
 public:
  virtual ~ValueLister() = default;
  // In the order ValueNames lists them; stops at the first error, as every enumeration does.
  virtual NamedValues AllValues() const = 0;
};

// A value that cannot be read is left out.
NamedValues ValuesOf(const RegKey& key);

}  // namespace os
