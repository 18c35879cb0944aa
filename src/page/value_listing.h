// What a page changes, as the user sees it: every registry value of the page's record with its
// root, key (the user's key put in), name, kind and what the registry holds now.
#pragma once

#include <string>
#include <vector>

#include "os/registry.h"
#include "page/settings_page.h"

namespace page {

struct ValueRow {
  std::string root;  // "HKEY_CURRENT_USER"
  std::string key;
  std::string name;     // "(Standard)" for the key's default value
  std::string kind;     // "REG_SZ", "REG_DWORD", "REG_BINARY", "REG_MULTI_SZ"
  std::string current;  // the stored value as text, or "(nicht vorhanden)"
  bool operator==(const ValueRow&) const = default;
};

inline constexpr const char* kDefaultValueName = "(Standard)";
inline constexpr const char* kValueAbsent = "(nicht vorhanden)";
// A page that works on whatever values or subkeys it finds.
inline constexpr const char* kAllValues = "(alle Werte)";
inline constexpr const char* kAnySubKey = "*";

// "REG_SZ" and so on for a registry type number.
std::string RegTypeName(uint32_t type);
// The stored value as text: strings as they are, a multi-string's parts joined by " | ", a
// DWORD as its decimal number, anything else as hexadecimal bytes ("01 00 FF"); a value of
// another type than the page writes is followed by its type.
std::string ValueText(const os::RegValue& value, Kind kind);

// One row per value the page reads or writes, each once, in the order of the record.
// userKeyName replaces the user's placeholder at the start of a key.
std::vector<ValueRow> ListPageValues(const SettingsPage& record, os::Registry& registry,
                                     const std::string& userKeyName);

}  // namespace page
