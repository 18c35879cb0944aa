#include "page/value_listing.h"

#include <algorithm>

#include "access/binary_text.h"
#include "base/convert.h"
#include "base/text.h"

namespace page {
namespace {

uint32_t TypeOf(Kind kind) {
  switch (kind) {
    case Kind::String:
      return os::kRegSz;
    case Kind::Integer:
      return os::kRegDword;
    case Kind::Binary:
      return os::kRegBinary;
    case Kind::MultiString:
      return os::kRegMultiSz;
  }
  return os::kRegSz;
}

std::string KeyPath(const std::string& key, const std::string& userKeyName) {
  std::string path = key;
  const std::string_view user = kUserKey;
  if (path.compare(0, user.size(), user) == 0) path.replace(0, user.size(), userKeyName);
  if (!path.empty() && path.front() == '\\') path.erase(0, 1);
  const std::string_view any = kAnyKey;
  for (size_t at = path.find(any); at != std::string::npos; at = path.find(any, at)) {
    path.replace(at, any.size(), kAnySubKey);
  }
  return path;
}

std::string CurrentText(const RegBinding& value, const std::string& path, os::Registry& registry) {
  if (path.find(kAnySubKey) != std::string::npos) return "";
  const auto key = registry.OpenKey(sysaccess::RegRootOf(value.root), path, os::RegAccess::Read);
  if (!key) return kValueAbsent;
  if (value.name == kAnyKey) {
    const size_t count = key->ValueNames().size();
    return base::IntToStr(static_cast<int64_t>(count)) + (count == 1 ? " Wert" : " Werte");
  }
  os::RegValue stored;
  if (key->QueryValue(value.name, stored) != os::RegStatus::Ok) return kValueAbsent;
  return ValueText(stored, value.kind);
}

}  // namespace

std::string RegTypeName(uint32_t type) {
  static constexpr const char* kNames[] = {"REG_NONE",
                                           "REG_SZ",
                                           "REG_EXPAND_SZ",
                                           "REG_BINARY",
                                           "REG_DWORD",
                                           "REG_DWORD_BIG_ENDIAN",
                                           "REG_LINK",
                                           "REG_MULTI_SZ",
                                           "REG_RESOURCE_LIST",
                                           "REG_FULL_RESOURCE_DESCRIPTOR",
                                           "REG_RESOURCE_REQUIREMENTS_LIST",
                                           "REG_QWORD"};
  if (type < std::size(kNames)) return kNames[type];
  return "Typ " + base::IntToStr(static_cast<int64_t>(type));
}

std::string ValueText(const os::RegValue& value, Kind kind) {
  std::string text;
  if (value.type == os::kRegSz || value.type == os::kRegExpandSz) {
    text = value.AsString();
  } else if (value.type == os::kRegMultiSz) {
    for (const std::string& part : value.AsMultiString()) {
      if (!text.empty()) text += " | ";
      text += part;
    }
  } else if (const std::optional<uint32_t> number = value.AsDword()) {
    text = base::IntToStr(static_cast<int64_t>(*number));
  } else {
    text = sysaccess::FormatBinaryText(value.data);
  }
  const bool expected =
      value.type == TypeOf(kind) || (kind == Kind::String && value.type == os::kRegExpandSz);
  if (!expected) text += " (" + RegTypeName(value.type) + ")";
  return text;
}

std::vector<ValueRow> ListPageValues(const SettingsPage& record, os::Registry& registry,
                                     const std::string& userKeyName) {
  std::vector<ValueRow> rows;
  for (const RegBinding& value : PageValues(record)) {
    const std::string path = KeyPath(value.key, userKeyName);
    ValueRow row{RootName(value.root), path,
                 value.name.empty()      ? kDefaultValueName
                 : value.name == kAnyKey ? kAllValues
                                         : value.name,
                 RegTypeName(TypeOf(value.kind)), ""};
    // Two controls on one value (a check box and its delete box) list it once.
    const bool listed = std::any_of(rows.begin(), rows.end(), [&](const ValueRow& other) {
      return other.root == row.root && base::SameText(other.name, row.name) &&
             base::SameText(other.key, row.key);
    });
    if (listed) continue;
    row.current = CurrentText(value, path, registry);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace page
