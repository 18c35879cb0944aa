// The program's registry accessor: a chosen root, at most one open key, and typed reads and
// writes on that key. Reads of a value of another type, and writes the system refuses, raise
// RegistryError; callers that want silence catch it.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "os/registry.h"

namespace sysaccess {

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class RegDataType { Unknown, String, ExpandString, Integer, Binary };

class TRegistry {
 public:
  explicit TRegistry(os::Registry& registry) : registry_(registry) {}

  os::RegRoot RootKey() const { return root_; }
  // Changing the root closes the open key.
  void SetRootKey(os::RegRoot root);

  // Every open starts at the root (a leading backslash is optional) and closes the key that was
  // open before. OpenKey asks for read and write access.
  bool OpenKey(std::string_view path, bool canCreate);
  bool OpenKeyReadOnly(std::string_view path);
  void CloseKey() { current_.reset(); }
  bool HasOpenKey() const { return current_ != nullptr; }

  // Paths without a leading backslash are relative to the open key when one is open.
  bool KeyExists(std::string_view path) const;
  // Deletes the key with all its subkeys; the empty path (the open key itself) is refused.
  bool DeleteKey(std::string_view path);

  // Operations on the values of the open key.
  bool ValueExists(std::string_view name) const;
  int GetDataSize(std::string_view name) const;  // -1 when the value cannot be read
  RegDataType GetDataType(std::string_view name) const;
  uint32_t GetRawType(std::string_view name) const;     // kRegNone when the value cannot be read
  std::string ReadString(std::string_view name) const;  // "" when missing
  int32_t ReadInteger(std::string_view name) const;     // raises when missing
  std::vector<uint8_t> ReadBinaryData(std::string_view name) const;  // empty when missing
  // The value's data whatever its type (the multi-string access of the 8-bit API).
  bool ReadRaw(std::string_view name, std::vector<uint8_t>& data) const;
  void WriteString(std::string_view name, std::string_view value);
  void WriteExpandString(std::string_view name, std::string_view value);
  void WriteInteger(std::string_view name, int32_t value);
  void WriteBinaryData(std::string_view name, const std::vector<uint8_t>& data);
  void WriteMultiString(std::string_view name, const std::vector<std::string>& strings);
  bool DeleteValue(std::string_view name);

  std::vector<std::string> GetKeyNames() const;
  std::vector<std::string> GetValueNames() const;
  bool HasSubKeys() const;

  os::Registry& Backend() { return registry_; }

 private:
  static std::string_view StripLeadingBackslash(std::string_view path);
  bool Query(std::string_view name, os::RegValue& value) const;
  void Put(std::string_view name, const os::RegValue& value);

  os::Registry& registry_;
  os::RegRoot root_ = os::RegRoot::CurrentUser;
  std::unique_ptr<os::RegKey> current_;
};

}  // namespace sysaccess
