// The values of a key with their names, for walks over many keys. A key whose registry can hand
// out name and data in one call implements ValueLister; any other key is read value by value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "os/registry.h"

namespace os {

using NamedValues = std::vector<std::pair<std::string, RegValue>>;

// Some values of a key, in the order ValueNames lists them: a walk that must answer the window
// between reads takes a key with hundreds of values in several slices.
struct ValueSlice {
  NamedValues values;
  bool end = false;  // the key has no values after these
};

class ValueLister {
 public:
  virtual ~ValueLister() = default;
  // Up to `count` values from position `first` on; stops at the first error, as every
  // enumeration does, and calls that the end.
  virtual ValueSlice ValuesFrom(size_t first, size_t count) const = 0;
};

// A value that cannot be read is left out (its position counts all the same).
NamedValues ValuesOf(const RegKey& key);
ValueSlice ValuesOf(const RegKey& key, size_t first, size_t count);

}  // namespace os
