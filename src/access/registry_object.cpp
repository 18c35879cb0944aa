#include "access/registry_object.h"

namespace sysaccess {
namespace {

RegDataType DataTypeOf(uint32_t type) {
  switch (type) {
    case os::kRegSz:
      return RegDataType::String;
    case os::kRegExpandSz:
      return RegDataType::ExpandString;
    case os::kRegDword:
      return RegDataType::Integer;
    case os::kRegBinary:
      return RegDataType::Binary;
    default:
      return RegDataType::Unknown;
  }
}

[[noreturn]] void ReadError(std::string_view name) {
  throw RegistryError("Ungültiger Datentyp für '" + std::string(name) + "'");
}

[[noreturn]] void WriteError(std::string_view name) {
  throw RegistryError("Fehler beim Setzen der Daten für '" + std::string(name) + "'");
}

bool IsRelative(std::string_view path) {
  return path.empty() || path.front() != '\\';
}

}  // namespace

std::string_view TRegistry::StripLeadingBackslash(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return path;
}

void TRegistry::SetRootKey(os::RegRoot root) {
  if (root == root_) return;
  root_ = root;
  CloseKey();
}

bool TRegistry::OpenKey(std::string_view path, bool canCreate) {
  CloseKey();
  path = StripLeadingBackslash(path);
  current_ = canCreate ? registry_.CreateKey(root_, path)
                       : registry_.OpenKey(root_, path, os::RegAccess::ReadWrite);
  return current_ != nullptr;
}

bool TRegistry::OpenKeyReadOnly(std::string_view path) {
  CloseKey();
  current_ = registry_.OpenKey(root_, StripLeadingBackslash(path), os::RegAccess::Read);
  return current_ != nullptr;
}

bool TRegistry::KeyExists(std::string_view path) const {
  if (current_ && IsRelative(path)) {
    return current_->OpenSubKey(path, os::RegAccess::Read) != nullptr;
  }
  return registry_.OpenKey(root_, StripLeadingBackslash(path), os::RegAccess::Read) != nullptr;
}

bool TRegistry::DeleteKey(std::string_view path) {
  if (current_ && IsRelative(path)) {
    return !StripLeadingBackslash(path).empty() &&
           current_->DeleteSubKeyTree(path) == os::RegStatus::Ok;
  }
  path = StripLeadingBackslash(path);
  return !path.empty() && registry_.DeleteKeyTree(root_, path) == os::RegStatus::Ok;
}

bool TRegistry::Query(std::string_view name, os::RegValue& value) const {
  return current_ && current_->QueryValue(name, value) == os::RegStatus::Ok;
}

void TRegistry::Put(std::string_view name, const os::RegValue& value) {
  if (!current_ || current_->SetValue(name, value) != os::RegStatus::Ok) WriteError(name);
}

bool TRegistry::ValueExists(std::string_view name) const {
  os::RegValue value;
  return Query(name, value);
}

int TRegistry::GetDataSize(std::string_view name) const {
  os::RegValue value;
  return Query(name, value) ? static_cast<int>(value.data.size()) : -1;
}

RegDataType TRegistry::GetDataType(std::string_view name) const {
  os::RegValue value;
  return Query(name, value) ? DataTypeOf(value.type) : RegDataType::Unknown;
}

uint32_t TRegistry::GetRawType(std::string_view name) const {
  os::RegValue value;
  return Query(name, value) ? value.type : os::kRegNone;
}

std::string TRegistry::ReadString(std::string_view name) const {
  os::RegValue value;
  if (!Query(name, value) || value.data.empty()) return "";
  if (value.type != os::kRegSz && value.type != os::kRegExpandSz) ReadError(name);
  return value.AsString();
}

int32_t TRegistry::ReadInteger(std::string_view name) const {
  os::RegValue value;
  if (!Query(name, value)) {
    throw RegistryError("Fehler beim Lesen der Daten für '" + std::string(name) + "'");
  }
  const std::optional<uint32_t> bits = value.AsDword();
  if (!bits) ReadError(name);
  return static_cast<int32_t>(*bits);
}

std::vector<uint8_t> TRegistry::ReadBinaryData(std::string_view name) const {
  os::RegValue value;
  if (!Query(name, value)) return {};
  const RegDataType type = DataTypeOf(value.type);
  if (type != RegDataType::Binary && type != RegDataType::Unknown) ReadError(name);
  return value.data;
}

bool TRegistry::ReadRaw(std::string_view name, std::vector<uint8_t>& data) const {
  os::RegValue value;
  if (!Query(name, value)) return false;
  data = std::move(value.data);
  return true;
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
  Put(name, os::RegValue::String(value));
}

void TRegistry::WriteExpandString(std::string_view name, std::string_view value) {
  Put(name, os::RegValue::String(value, os::kRegExpandSz));
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
  Put(name, os::RegValue::Dword(static_cast<uint32_t>(value)));
}

void TRegistry::WriteBinaryData(std::string_view name, const std::vector<uint8_t>& data) {
  Put(name, os::RegValue::Binary(data));
}

void TRegistry::WriteMultiString(std::string_view name, const std::vector<std::string>& strings) {
  Put(name, os::RegValue::MultiString(strings));
}

bool TRegistry::DeleteValue(std::string_view name) {
  return current_ && current_->DeleteValue(name) == os::RegStatus::Ok;
}

std::vector<std::string> TRegistry::GetKeyNames() const {
  return current_ ? current_->SubKeyNames() : std::vector<std::string>{};
}

std::vector<std::string> TRegistry::GetValueNames() const {
  return current_ ? current_->ValueNames() : std::vector<std::string>{};
}

bool TRegistry::HasSubKeys() const {
  return current_ && current_->HasSubKeys();
}

}  // namespace sysaccess
