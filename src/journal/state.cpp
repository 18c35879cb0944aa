#include "journal/state.h"

namespace journal {
namespace {

KeyTree ReadTree(const os::RegKey& key, std::string name, int depth) {
  KeyTree tree;
  tree.name = std::move(name);
  for (const std::string& valueName : key.ValueNames()) {
    os::RegValue value;
    if (key.QueryValue(valueName, value) == os::RegStatus::Ok) {
      tree.values.emplace_back(valueName, std::move(value));
    }
  }
  if (depth >= os::kMaxRegistryDepth) return tree;
  for (const std::string& subName : key.SubKeyNames()) {
    if (const auto sub = key.OpenSubKey(subName, os::RegAccess::Read)) {
      tree.subKeys.push_back(ReadTree(*sub, subName, depth + 1));
    }
  }
  return tree;
}

bool WriteTree(os::RegKey& key, const KeyTree& tree, int depth) {
  bool ok = true;
  for (const auto& [name, value] : tree.values) {
    ok = key.SetValue(name, value) == os::RegStatus::Ok && ok;
  }
  if (depth >= os::kMaxRegistryDepth) return ok;
  for (const KeyTree& sub : tree.subKeys) {
    const auto subKey = key.CreateSubKey(sub.name);
    ok = subKey && WriteTree(*subKey, sub, depth + 1) && ok;
  }
  return ok;
}

bool RestoreValue(const Change& change, os::Registry& registry) {
  if (!change.valueBefore) {
    const auto key = registry.OpenKey(change.root, change.path, os::RegAccess::ReadWrite);
    if (!key) return !KeyExists(registry, change.root, change.path);
    const os::RegStatus status = key->DeleteValue(change.name);
    return status == os::RegStatus::Ok || status == os::RegStatus::NotFound;
  }
  const auto key = registry.CreateKey(change.root, change.path);
  return key && key->SetValue(change.name, *change.valueBefore) == os::RegStatus::Ok;
}

bool RestoreKey(const Change& change, os::Registry& registry) {
  // What stands there now goes first, so the key comes back exactly as it was.
  if (KeyExists(registry, change.root, change.path) &&
      registry.DeleteKeyTree(change.root, change.path) != os::RegStatus::Ok) {
    return false;
  }
  if (!change.keyBefore) return true;
  const auto key = registry.CreateKey(change.root, change.path);
  return key && WriteTree(*key, *change.keyBefore, 0);
}

bool RestoreFile(const Change& change, os::FileSystem& files) {
  const std::optional<uint32_t> now = files.GetAttributes(change.path);
  const std::optional<FileState>& before = change.fileBefore;
  if (!before) {
    if (!now) return true;
    if (*now & os::kAttrDirectory) return files.RemoveEmptyDirectory(change.path);
    if (*now & os::kAttrReadOnly) files.SetAttributes(change.path, *now & ~os::kAttrReadOnly);
    return files.RemoveFile(change.path);
  }
  if (before->attributes & os::kAttrDirectory) {
    return (now && (*now & os::kAttrDirectory)) || files.MakeDirectory(change.path);
  }
  if (now && (*now & os::kAttrReadOnly)) {
    files.SetAttributes(change.path, *now & ~os::kAttrReadOnly);
  }
  return files.WriteFile(change.path, before->content) &&
         files.SetAttributes(change.path, before->attributes);
}

}  // namespace

std::optional<os::RegValue> ReadValue(os::Registry& registry, os::RegRoot root,
                                      std::string_view path, std::string_view name) {
  const auto key = registry.OpenKey(root, path, os::RegAccess::Read);
  os::RegValue value;
  if (!key || key->QueryValue(name, value) != os::RegStatus::Ok) return std::nullopt;
  return value;
}

std::optional<KeyTree> ReadKeyTree(os::Registry& registry, os::RegRoot root,
                                   std::string_view path) {
  const auto key = registry.OpenKey(root, path, os::RegAccess::Read);
  if (!key) return std::nullopt;
  const size_t slash = path.find_last_of('\\');
  return ReadTree(*key,
                  std::string(slash == std::string_view::npos ? path : path.substr(slash + 1)), 0);
}

bool KeyExists(os::Registry& registry, os::RegRoot root, std::string_view path) {
  return registry.OpenKey(root, path, os::RegAccess::Read) != nullptr;
}

std::vector<std::string> MissingKeys(os::Registry& registry, os::RegRoot root,
                                     std::string_view path) {
  std::vector<std::string> missing;
  if (KeyExists(registry, root, path)) return missing;
  size_t end = 0;
  while (end < path.size()) {
    end = path.find('\\', end + 1);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view prefix = path.substr(0, end);
    if (prefix.empty() || prefix.back() == '\\') continue;
    // Below a missing key every key is missing.
    if (!missing.empty() || !KeyExists(registry, root, prefix)) missing.emplace_back(prefix);
  }
  return missing;
}

std::optional<FileState> ReadFileState(os::FileSystem& files, std::string_view path) {
  const std::optional<uint32_t> attributes = files.GetAttributes(path);
  if (!attributes) return std::nullopt;
  FileState state{*attributes, {}};
  if (!(*attributes & os::kAttrDirectory)) files.ReadFile(path, state.content);
  return state;
}

void ReadAfter(Change& change, os::Registry& registry, os::FileSystem& files) {
  switch (change.kind) {
    case Change::Kind::Value:
      change.valueAfter = ReadValue(registry, change.root, change.path, change.name);
      return;
    case Change::Kind::Key:
      change.keyAfter = KeyExists(registry, change.root, change.path);
      return;
    case Change::Kind::File:
      change.fileAfter = ReadFileState(files, change.path);
      return;
  }
}

bool RestoreBefore(const Change& change, os::Registry& registry, os::FileSystem& files) {
  switch (change.kind) {
    case Change::Kind::Value:
      return RestoreValue(change, registry);
    case Change::Kind::Key:
      return RestoreKey(change, registry);
    case Change::Kind::File:
      return RestoreFile(change, files);
  }
  return false;
}

}  // namespace journal
