#include "os/registry.h"

#include "base/text.h"

namespace os {

bool IsStringType(uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

RegValue RegValue::String(std::string_view text, uint32_t type) {
  RegValue value;
  value.type = type;
  value.data.assign(text.begin(), text.end());
  value.data.push_back(0);
  return value;
}

RegValue RegValue::Dword(uint32_t number) {
  RegValue value;
  value.type = kRegDword;
  for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<uint8_t>(number >> (8 * i)));
  return value;
}

std::optional<uint32_t> RegValue::AsDword() const {
  if (type != kRegDword || data.size() != 4) return std::nullopt;
  uint32_t number = 0;
  for (int i = 0; i < 4; ++i) number |= static_cast<uint32_t>(data[i]) << (8 * i);
  return number;
}

RegValue RegValue::Binary(std::vector<uint8_t> bytes) {
  RegValue value;
  value.type = kRegBinary;
  value.data = std::move(bytes);
  return value;
}

RegValue RegValue::MultiString(const std::vector<std::string>& strings) {
  RegValue value;
  value.type = kRegMultiSz;
  for (const auto& s : strings) {
    value.data.insert(value.data.end(), s.begin(), s.end());
    value.data.push_back(0);
  }
  value.data.push_back(0);
  return value;
}

std::string RegValue::AsString() const {
  std::string text(data.begin(), data.end());
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

std::vector<std::string> RegValue::AsMultiString() const {
  std::vector<std::string> strings;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = start;
    while (end < data.size() && data[end] != 0) ++end;
    if (end == start) break;  // the empty string ends the list
    strings.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(start),
                         data.begin() + static_cast<std::ptrdiff_t>(end));
    start = end + 1;
  }
  return strings;
}

std::string_view RootName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RegRoot::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case RegRoot::Users:
      return "HKEY_USERS";
    case RegRoot::CurrentConfig:
      return "HKEY_CURRENT_CONFIG";
    case RegRoot::DynData:
      return "HKEY_DYN_DATA";
  }
  return "";
}

std::optional<RegRoot> ParseRootName(std::string_view name) {
  const std::string upper = base::UpperCase(name);
  struct Entry {
    const char* full;
    const char* shortName;
    RegRoot root;
  };
  static constexpr Entry kRoots[] = {
      {"HKEY_CLASSES_ROOT", "HKCR", RegRoot::ClassesRoot},
      {"HKEY_CURRENT_USER", "HKCU", RegRoot::CurrentUser},
      {"HKEY_LOCAL_MACHINE", "HKLM", RegRoot::LocalMachine},
      {"HKEY_USERS", "HKU", RegRoot::Users},
      {"HKEY_CURRENT_CONFIG", "HKCC", RegRoot::CurrentConfig},
      {"HKEY_DYN_DATA", "HKDD", RegRoot::DynData},
  };
  for (const auto& entry : kRoots) {
    if (upper == entry.full || upper == entry.shortName) return entry.root;
  }
  return std::nullopt;
}

}  // namespace os
