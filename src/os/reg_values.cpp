#include "os/reg_values.h"

namespace os {

NamedValues ValuesOf(const RegKey& key) {
  if (const auto* lister = dynamic_cast<const ValueLister*>(&key)) return lister->AllValues();
  NamedValues values;
  for (std::string& name : key.ValueNames()) {
    RegValue value;
    if (key.QueryValue(name, value) == RegStatus::Ok) {
      values.emplace_back(std::move(name), std::move(value));
    }
  }
  return values;
}

}  // namespace os
