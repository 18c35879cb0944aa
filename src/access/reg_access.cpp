#include "access/reg_access.h"

#include <cstdio>

#include "access/binary_text.h"
#include "base/convert.h"
#include "base/text.h"

namespace sysaccess {
namespace {

std::string TextOf(const std::vector<uint8_t>& data) {
  std::string text(data.begin(), data.end());
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

}  // namespace

void RegistryAccess::SelectRoot(int root) {
  if (const auto selected = RegRootOfSelector(root)) SharedRegistry.SetRootKey(*selected);
}

std::string RegistryAccess::ReadReg(int root, std::string_view key, std::string_view name,
                                    std::string_view kind) {
  try {
    SelectRoot(root);
    // Reading needs no write access: a key the user may only read still shows its values.
    work_.KeyOpened = SharedRegistry.OpenKeyReadOnly(key) ? 1 : 0;
    if (!work_.KeyOpened) {
      SharedRegistry.CloseKey();
      return "";
    }
    std::string result = ReadOpenValue(name, kind);
    SharedRegistry.CloseKey();
    return result;
  } catch (const std::exception& error) {
    trace_.Failure("ReadReg", error.what());
    SharedRegistry.CloseKey();
    return "";
  }
}

std::string RegistryAccess::ReadOpenValue(std::string_view name, std::string_view kind) {
  if (kind == "s") {
    if (!SharedRegistry.ValueExists(name)) return "";
    return SharedRegistry.ReadString(name);
  }
  if (kind == "i") {
    if (!SharedRegistry.ValueExists(name)) return "";
    work_.WorkNumber = SharedRegistry.ReadInteger(name);
    return base::IntToStr(work_.WorkNumber);
  }
  if (kind == "z") return ReadMultiString(name);
  if (kind == "b") {
    if (!SharedRegistry.ValueExists(name)) return "";
    if (SharedRegistry.GetDataSize(name) <= 0) return "";
    return FormatBinaryText(SharedRegistry.ReadBinaryData(name));
  }
  return "";
}

std::string RegistryAccess::ReadMultiString(std::string_view name) {
  // The data is taken whatever the value's type, as the 8-bit query did; a value that cannot
  // be queried reads as empty and leaves the working members alone.
  std::vector<uint8_t> data;
  if (!SharedRegistry.ReadRaw(name, data)) return "";
  work_.WorkText.clear();
  work_.WorkList.clear();
  work_.WorkNumber = 0;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = start;
    while (end < data.size() && data[end] != 0) ++end;
    if (end == start) break;
    std::string item(data.begin() + static_cast<std::ptrdiff_t>(start),
                     data.begin() + static_cast<std::ptrdiff_t>(end));
    work_.WorkText += item + "\n";
    work_.WorkList.push_back(std::move(item));
    ++work_.WorkNumber;
    start = end + 1;
  }
  return work_.WorkText;
}

void RegistryAccess::WriteReg(int root, std::string_view key, std::string_view name,
                              std::string_view value, std::string_view kind) {
  try {
    SelectRoot(root);
    work_.KeyOpened = SharedRegistry.OpenKey(key, true) ? 1 : 0;
    if (!work_.KeyOpened) {
      SharedRegistry.CloseKey();
      return;
    }
    if (kind == "s") {
      SharedRegistry.WriteString(name, value);
    } else if (kind == "i") {
      SharedRegistry.WriteInteger(name, base::TruncToInt32(base::StrToFloat(value)));
    } else if (kind == "b") {
      std::vector<uint8_t> bytes;
      if (ParseBinaryText(value, bytes)) SharedRegistry.WriteBinaryData(name, bytes);
    }
    SharedRegistry.CloseKey();
  } catch (const std::exception& error) {
    // Silent for the user; the key stays open until the next operation opens another one.
    trace_.Failure("WriteReg", error.what());
  }
}

void RegistryAccess::DeleteReg(int root, std::string_view key, std::string_view name,
                               std::string_view kind) {
  try {
    SelectRoot(root);
    work_.KeyOpened = SharedRegistry.OpenKey(key, false) ? 1 : 0;
    if (work_.KeyOpened) {
      if (kind == "k") {
        if (SharedRegistry.KeyExists(name)) SharedRegistry.DeleteKey(name);
      } else if (kind == "v") {
        if (SharedRegistry.ValueExists(name)) SharedRegistry.DeleteValue(name);
      }
    }
    SharedRegistry.CloseKey();
  } catch (const std::exception& error) {
    trace_.Failure("DeleteReg", error.what());
  }
}

void RegistryAccess::CheckValue(const std::vector<uint8_t>& data, uint32_t type,
                                std::string_view searchText) {
  if (type == os::kRegSz || type == os::kRegExpandSz) {
    work_.WorkText = TextOf(data);
  } else if (type == os::kRegMultiSz) {
    work_.WorkText.clear();
    work_.WorkNumber = 0;
    for (const auto& item : os::RegValue{os::kRegMultiSz, data}.AsMultiString()) {
      work_.WorkText += item + "\n";
      ++work_.WorkNumber;
    }
  } else {
    return;
  }
  if (base::UpperCase(work_.WorkText).find(searchText) != std::string::npos) {
    work_.WorkList.push_back(work_.WorkText);
  }
}

std::string RegistryAccess::GetWindowsVersion() {
  const uint32_t version = system_.GetVersion();
  const unsigned major = version & 0xFF;
  const unsigned minor = (version >> 8) & 0xFF;
  unsigned build = version >> 16;
  const char* family = nullptr;
  if ((version & 0x80000000u) == 0) {
    family = "Microsoft Windows NT";
    work_.WindowsVersion = major < 5 ? 1 : (minor >= 1 ? 3 : 2);
  } else {
    build &= 0x7FFF;
    if (major >= 4) {
      family = "Microsoft Windows 95";
      work_.WindowsVersion = 0;
    } else {
      family = "Microsoft Win32s";
    }
  }
  char line[96];
  std::snprintf(line, sizeof line, "%s %u.%u (Build: %u)", family, major, minor, build);
  work_.WorkText = line;
  return work_.WorkText;
}

int RegistryAccess::CheckNT() {
  return system_.EnableShutdownPrivilege() == os::PrivilegeResult::Enabled ? 1 : 0;
}

}  // namespace sysaccess
