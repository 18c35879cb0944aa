// The operating system's registry as the program sees it: six roots, keys opened by path,
// typed values. Text inside values and names is UTF-8; string-typed data (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ) is held in its 8-bit form: each string followed by one NUL byte,
// a multi-string ended by one more NUL. Every other type is kept byte for byte.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum class RegRoot : uint8_t {
  ClassesRoot,
  CurrentUser,
  LocalMachine,
  Users,
  CurrentConfig,
  DynData,
};

// Registry value types, numbered as Windows numbers them.
enum RegType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegDwordBigEndian = 5,
  kRegLink = 6,
  kRegMultiSz = 7,
  kRegResourceList = 8,
  kRegFullResourceDescriptor = 9,
  kRegResourceRequirementsList = 10,
  kRegQword = 11,
};

bool IsStringType(uint32_t type);

struct RegValue {
  uint32_t type = kRegNone;
  std::vector<uint8_t> data;

  static RegValue String(std::string_view text, uint32_t type = kRegSz);
  static RegValue Dword(uint32_t number);
  static RegValue Binary(std::vector<uint8_t> bytes);
  static RegValue MultiString(const std::vector<std::string>& strings);

  // The text of a string value up to its first NUL.
  std::string AsString() const;
  // The strings of a multi-string up to the first empty one.
  std::vector<std::string> AsMultiString() const;
  // The number of a REG_DWORD of four bytes; none for any other value.
  std::optional<uint32_t> AsDword() const;

  bool operator==(const RegValue&) const = default;
};

enum class RegStatus {
  Ok,
  NotFound,
  AccessDenied,
  KeyDeleted,  // the key behind an open handle was deleted
  InvalidName,
  Failed,
};

enum class RegAccess { Read, ReadWrite };

// An open key. Closing happens when the object is destroyed.
class RegKey {
 public:
  virtual ~RegKey() = default;

  virtual RegStatus QueryValue(std::string_view name, RegValue& value) const = 0;
  // The empty name is the key's default value.
  virtual RegStatus SetValue(std::string_view name, const RegValue& value) = 0;
  virtual RegStatus DeleteValue(std::string_view name) = 0;

  // Enumerations stop at the first error of any kind, not only at the end of the list.
  virtual std::vector<std::string> SubKeyNames() const = 0;
  virtual std::vector<std::string> ValueNames() const = 0;
  virtual bool HasSubKeys() const = 0;

  // Opens or creates a key below this one (the path is relative to it).
  virtual std::unique_ptr<RegKey> OpenSubKey(std::string_view path, RegAccess access,
                                             RegStatus* status = nullptr) const = 0;
  virtual std::unique_ptr<RegKey> CreateSubKey(std::string_view path,
                                               RegStatus* status = nullptr) = 0;
  // Deletes the key at path below this one with everything below it; the empty path is refused.
  virtual RegStatus DeleteSubKeyTree(std::string_view path) = 0;
};

// Paths are relative to the root, separated by backslashes, without a leading backslash.
class Registry {
 public:
  virtual ~Registry() = default;

  virtual std::unique_ptr<RegKey> OpenKey(RegRoot root, std::string_view path, RegAccess access,
                                          RegStatus* status = nullptr) = 0;
  // Creates the key and any missing parents; opens it for reading and writing.
  virtual std::unique_ptr<RegKey> CreateKey(RegRoot root, std::string_view path,
                                            RegStatus* status = nullptr) = 0;
  // Deletes the key with everything below it.
  virtual RegStatus DeleteKeyTree(RegRoot root, std::string_view path) = 0;
};

// Walks stop descending below this depth, whatever the registry holds.
inline constexpr int kMaxRegistryDepth = 512;

std::string_view RootName(RegRoot root);
std::optional<RegRoot> ParseRootName(std::string_view name);

}  // namespace os
