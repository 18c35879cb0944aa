#include "win32/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "os/reg_values.h"
#include "win32/wide.h"

namespace win32 {
namespace {

using os::RegStatus;

// Owns an open HKEY.
class UniqueHkey {
 public:
  explicit UniqueHkey(HKEY key = nullptr) : key_(key) {}
  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;
  ~UniqueHkey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

HKEY RootHandle(os::RegRoot root) {
  switch (root) {
    case os::RegRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case os::RegRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case os::RegRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case os::RegRoot::Users:
      return HKEY_USERS;
    case os::RegRoot::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case os::RegRoot::DynData:
      return HKEY_DYN_DATA;
  }
  return HKEY_CURRENT_USER;
}

RegStatus StatusOf(LONG error) {
  switch (error) {
    case ERROR_SUCCESS:
      return RegStatus::Ok;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return RegStatus::NotFound;
    case ERROR_ACCESS_DENIED:
      return RegStatus::AccessDenied;
    case ERROR_KEY_DELETED:
      return RegStatus::KeyDeleted;
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
      return RegStatus::InvalidName;
    default:
      return RegStatus::Failed;
  }
}

REGSAM SamOf(os::RegAccess access) {
  return access == os::RegAccess::ReadWrite ? KEY_READ | KEY_WRITE : KEY_READ;
}

void Report(RegStatus* status, RegStatus value) {
  if (status) *status = value;
}

// String data travels as UTF-16 at the API and as UTF-8 inside.
std::vector<uint8_t> ToInternal(DWORD type, const std::vector<BYTE>& raw) {
  if (!os::IsStringType(type)) return {raw.begin(), raw.end()};
  std::u16string units(raw.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
  }
  const std::string text = base::Utf16ToUtf8(units);
  return {text.begin(), text.end()};
}

std::vector<BYTE> ToApi(const os::RegValue& value) {
  if (!os::IsStringType(value.type)) return {value.data.begin(), value.data.end()};
  const std::u16string units = base::Utf8ToUtf16(
      std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
  std::vector<BYTE> raw;
  raw.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    raw.push_back(static_cast<BYTE>(unit & 0xFF));
    raw.push_back(static_cast<BYTE>(unit >> 8));
  }
  return raw;
}

// RegDeleteTree does not exist before Vista, so the walk is ours.
LONG DeleteTree(HKEY parent, const std::wstring& name, int depth) {
  if (depth > os::kMaxRegistryDepth) return ERROR_ACCESS_DENIED;
  HKEY raw = nullptr;
  LONG error = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &raw);
  if (error != ERROR_SUCCESS) return error;
  {
    UniqueHkey key(raw);
    wchar_t buffer[MAX_PATH + 1];
    // Always take index 0: each deletion shifts the rest down.
    DWORD skipped = 0;
    for (;;) {
      DWORD length = MAX_PATH + 1;
      if (RegEnumKeyExW(key.get(), skipped, buffer, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      if (DeleteTree(key.get(), std::wstring(buffer, length), depth + 1) != ERROR_SUCCESS) {
        ++skipped;
      }
    }
  }
  return RegDeleteKeyW(parent, name.c_str());
}

// Deletes path (relative to from) with everything below it.
RegStatus DeleteTreeAt(HKEY from, std::string_view path) {
  std::string trimmed(path);
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  if (trimmed.empty() || trimmed.front() == '\\') return RegStatus::AccessDenied;
  const size_t slash = trimmed.rfind('\\');
  const std::string parentPath = slash == std::string::npos ? "" : trimmed.substr(0, slash);
  const std::string name = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
  HKEY parent = nullptr;
  const LONG error =
      RegOpenKeyExW(from, Wide(parentPath).c_str(), 0, KEY_READ | KEY_WRITE, &parent);
  if (error != ERROR_SUCCESS) return StatusOf(error);
  UniqueHkey owner(parent);
  return StatusOf(DeleteTree(parent, Wide(name), 0));
}

class Win32Key : public os::RegKey, public os::ValueLister {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}

  RegStatus QueryValue(std::string_view name, os::RegValue& value) const override {
    const std::wstring wideName = Wide(name);
    // The size can change between the two calls; try again when it grew.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD size = 0;
      LONG error = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
      if (error != ERROR_SUCCESS) return StatusOf(error);
      std::vector<BYTE> raw(size);
      error = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                               raw.empty() ? nullptr : raw.data(), &size);
      if (error == ERROR_MORE_DATA) continue;
      if (error != ERROR_SUCCESS) return StatusOf(error);
      raw.resize(size);
      value.type = type;
      value.data = ToInternal(type, raw);
      return RegStatus::Ok;
    }
    return RegStatus::Failed;
  }

  RegStatus SetValue(std::string_view name, const os::RegValue& value) override {
    const std::vector<BYTE> raw = ToApi(value);
    return StatusOf(RegSetValueExW(key_.get(), Wide(name).c_str(), 0, value.type,
                                   raw.empty() ? nullptr : raw.data(),
                                   static_cast<DWORD>(raw.size())));
  }

  RegStatus DeleteValue(std::string_view name) override {
    return StatusOf(RegDeleteValueW(key_.get(), Wide(name).c_str()));
  }

  std::vector<std::string> SubKeyNames() const override {
    std::vector<std::string> names;
    wchar_t buffer[MAX_PATH + 1];
    for (DWORD index = 0;; ++index) {
      DWORD length = MAX_PATH + 1;
      if (RegEnumKeyExW(key_.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;  // the end, or a key that refuses enumeration: either way we stop
      }
      names.push_back(Narrow(std::wstring_view(buffer, length)));
    }
    return names;
  }

  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    std::vector<wchar_t> buffer(16384);
    for (DWORD index = 0;; ++index) {
      DWORD length = static_cast<DWORD>(buffer.size());
      if (RegEnumValueW(key_.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr,
                        nullptr) != ERROR_SUCCESS) {
        break;
      }
      names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
    }
    return names;
  }

  // One call per value: the buffers are sized once from the key's longest name and data, and
  // sized again when a value grew in between.
  os::ValueSlice ValuesFrom(size_t first, size_t count) const override {
    os::ValueSlice slice;
    DWORD maxName = 0;
    DWORD maxData = 0;
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS) {
      slice.end = true;
      return slice;
    }
    std::vector<wchar_t> name(maxName + 1);
    std::vector<BYTE> data(maxData);
    const size_t last = first + std::min(count, SIZE_MAX - first);
    for (size_t index = first; index < last;) {
      DWORD nameLength = static_cast<DWORD>(name.size());
      DWORD size = static_cast<DWORD>(data.size());
      DWORD type = 0;
      const LONG error =
          RegEnumValueW(key_.get(), static_cast<DWORD>(index), name.data(), &nameLength, nullptr,
                        &type, data.empty() ? nullptr : data.data(), &size);
      if (error == ERROR_MORE_DATA) {
        if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS ||
            (maxName + 1 <= name.size() && maxData <= data.size())) {
          slice.end = true;
          break;
        }
        name.resize(std::max<size_t>(name.size(), maxName + 1));
        data.resize(std::max<size_t>(data.size(), maxData));
        continue;
      }
      if (error != ERROR_SUCCESS) {  // the end, or an enumeration that fails: we stop
        slice.end = true;
        break;
      }
      const std::vector<BYTE> raw(data.begin(), data.begin() + size);
      slice.values.emplace_back(Narrow(std::wstring_view(name.data(), nameLength)),
                                os::RegValue{type, ToInternal(type, raw)});
      ++index;
    }
    return slice;
  }

  bool HasSubKeys() const override {
    DWORD subKeys = 0;
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    return subKeys > 0;
  }

  std::unique_ptr<os::RegKey> OpenSubKey(std::string_view path, os::RegAccess access,
                                         RegStatus* status) const override {
    HKEY key = nullptr;
    const LONG error = RegOpenKeyExW(key_.get(), Wide(path).c_str(), 0, SamOf(access), &key);
    Report(status, StatusOf(error));
    if (error != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
  }

  RegStatus DeleteSubKeyTree(std::string_view path) override {
    return DeleteTreeAt(key_.get(), path);
  }

  std::unique_ptr<os::RegKey> CreateSubKey(std::string_view path, RegStatus* status) override {
    HKEY key = nullptr;
    const LONG error = RegCreateKeyExW(key_.get(), Wide(path).c_str(), 0, nullptr, 0,
                                       KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    Report(status, StatusOf(error));
    if (error != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
  }

 private:
  UniqueHkey key_;
};

}  // namespace

std::unique_ptr<os::RegKey> Win32Registry::OpenKey(os::RegRoot root, std::string_view path,
                                                   os::RegAccess access, RegStatus* status) {
  HKEY key = nullptr;
  const LONG error = RegOpenKeyExW(RootHandle(root), Wide(path).c_str(), 0, SamOf(access), &key);
  Report(status, StatusOf(error));
  if (error != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

std::unique_ptr<os::RegKey> Win32Registry::CreateKey(os::RegRoot root, std::string_view path,
                                                     RegStatus* status) {
  HKEY key = nullptr;
  const LONG error = RegCreateKeyExW(RootHandle(root), Wide(path).c_str(), 0, nullptr, 0,
                                     KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  Report(status, StatusOf(error));
  if (error != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

RegStatus Win32Registry::DeleteKeyTree(os::RegRoot root, std::string_view path) {
  return DeleteTreeAt(RootHandle(root), path);
}

}  // namespace win32
