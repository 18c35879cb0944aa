#include "os/reg_values.h"

#include <algorithm>

namespace os {

NamedValues ValuesOf(const RegKey& key) {
  return ValuesOf(key, 0, SIZE_MAX).values;
}

ValueSlice ValuesOf(const RegKey& key, size_t first, size_t count) {
  if (const auto* lister = dynamic_cast<const ValueLister*>(&key)) {
    return lister->ValuesFrom(first, count);
  }
  ValueSlice slice;
  std::vector<std::string> names = key.ValueNames();
  const size_t begin = std::min(first, names.size());
  const size_t end = begin + std::min(count, names.size() - begin);
  for (size_t index = begin; index < end; ++index) {
    RegValue value;
    if (key.QueryValue(names[index], value) == RegStatus::Ok) {
      slice.values.emplace_back(std::move(names[index]), std::move(value));
    }
  }
  slice.end = end == names.size();
  return slice;
}

}  // namespace os
