// The whole of an in-memory registry and file system as text, to compare a state before with one
// after, byte for byte: every key, value type and byte, every file's attributes and content.
#pragma once

#include <map>
#include <string>

#include "base/hex.h"
#include "base/text.h"
#include "os/file_system.h"
#include "os/memory_registry.h"

namespace testing_support {

// Values sorted by name: the registry promises no order of values, and one put back comes last.
inline void KeySnapshot(const os::RegKey& key, const std::string& path, std::string& out) {
  out += "[" + path + "]\n";
  std::map<std::string, std::string> values;
  for (const std::string& name : key.ValueNames()) {
    os::RegValue value;
    key.QueryValue(name, value);
    std::string line = name + "=" + std::to_string(value.type) + ":";
    for (const uint8_t byte : value.data) line += base::HexByte(byte);
    values[base::UpperCase(name)] = line;
  }
  for (const auto& [upper, line] : values) out += line + "\n";
  for (const std::string& name : key.SubKeyNames()) {
    if (auto sub = key.OpenSubKey(name, os::RegAccess::Read))
      KeySnapshot(*sub, path + "\\" + name, out);
  }
}

inline std::string RegistrySnapshot(os::Registry& registry) {
  std::string out;
  for (const os::RegRoot root : {os::RegRoot::LocalMachine, os::RegRoot::Users}) {
    KeySnapshot(*registry.OpenKey(root, "", os::RegAccess::Read), std::string(os::RootName(root)),
                out);
  }
  return out;
}

// Every file and folder below the folder, except the one given (the journal's own).
inline std::string FilesSnapshot(os::FileSystem& files, const std::string& folder,
                                 const std::string& except = "") {
  std::string out;
  for (const os::DirEntry& entry :
       files.ListDirectory(folder).value_or(std::vector<os::DirEntry>{})) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string path = os::JoinPath(folder, entry.name);
    if (path == except) continue;
    out += path + " " + std::to_string(files.GetAttributes(path).value_or(0)) + "\n";
    if (entry.IsDirectory()) {
      out += FilesSnapshot(files, path, except);
    } else {
      std::string bytes;
      files.ReadFile(path, bytes);
      out += bytes + "\n";
    }
  }
  return out;
}

}  // namespace testing_support
