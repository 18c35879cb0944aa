#include "os/file_system.h"

#include <algorithm>

#include "base/text.h"

namespace os {
namespace {

// A medium holds what it has room for: a write that would grow the drive's files beyond its free
// bytes fails as on a full disk, and deleting gives the room back.
bool TakeRoom(std::vector<DriveInfo>& drives, const std::string& key, int64_t growth) {
  for (DriveInfo& drive : drives) {
    if (key.empty() || base::UpperCase(std::string(1, drive.letter)) != key.substr(0, 1)) continue;
    if (growth > 0 && drive.freeBytes < static_cast<uint64_t>(growth)) return false;
    drive.freeBytes = static_cast<uint64_t>(static_cast<int64_t>(drive.freeBytes) - growth);
  }
  return true;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  while (!name.empty() && (name.front() == '\\' || name.front() == '/')) name.remove_prefix(1);
  path += name;
  return path;
}

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::optional<DriveInfo> FileSystem::Medium(char drive) {
  const std::optional<DiskSpace> space = DiskSpaceOf(drive);
  if (!space) return std::nullopt;
  DriveInfo info;
  info.letter = drive;
  info.type = DriveKind(drive);
  if (const std::optional<VolumeInfo> volume = VolumeOf(drive)) {
    info.volumeName = volume->label;
    info.fileSystem = volume->fileSystem;
    info.serialNumber = volume->serialNumber;
  }
  info.totalBytes = space->totalBytes;
  info.freeBytes = space->freeBytes;
  return info;
}

bool FileSystem::ReplaceKeepingAttributes(std::string_view path, std::string_view bytes) {
  const std::optional<uint32_t> attributes = GetAttributes(path);
  if (attributes && (*attributes & kAttrReadOnly) &&
      !SetAttributes(path, *attributes & ~kAttrReadOnly)) {
    return false;
  }
  const bool replaced = WriteAtomically(path, bytes);
  // The new file, or the old one when it stayed, takes the attributes the file had; a file
  // whose attributes cannot be set back still holds the new content.
  if (attributes) SetAttributes(path, *attributes);
  return replaced;
}

MemoryFileSystem::MemoryFileSystem(std::string drives) {
  for (const char drive : drives) {
    AddDrive({drive, DriveType::Fixed, "", "NTFS", 0x1234ABCD, 4ull << 30, 1ull << 30});
  }
}

void MemoryFileSystem::AddDrive(const DriveInfo& drive) {
  // A letter names one drive: a test's drive takes the place of the default one.
  std::erase_if(drives_, [&](const DriveInfo& known) { return known.letter == drive.letter; });
  drives_.push_back(drive);
  std::sort(drives_.begin(), drives_.end(),
            [](const DriveInfo& a, const DriveInfo& b) { return a.letter < b.letter; });
  if (drive.fileSystem.empty()) return;  // no medium, no root folder
  const std::string root = std::string(1, drive.letter) + ":";
  entries_[base::UpperCase(root)] = {root, kAttrDirectory, {}};
}

const DriveInfo* MemoryFileSystem::FindDrive(char letter) const {
  for (const DriveInfo& drive : drives_) {
    if (base::UpperCase(std::string(1, drive.letter)) == base::UpperCase(std::string(1, letter))) {
      return &drive;
    }
  }
  return nullptr;
}

std::vector<DriveInfo> MemoryFileSystem::DriveKinds() {
  std::vector<DriveInfo> kinds;
  for (const DriveInfo& drive : drives_) {
    DriveInfo kind;
    kind.letter = drive.letter;
    kind.type = drive.type;
    kinds.push_back(kind);
  }
  return kinds;
}

DriveType MemoryFileSystem::DriveKind(char letter) {
  const DriveInfo* drive = FindDrive(letter);
  return drive ? drive->type : DriveType::NoRootDir;
}

std::optional<DiskSpace> MemoryFileSystem::DiskSpaceOf(char letter) {
  const DriveInfo* drive = FindDrive(letter);
  if (!drive || drive->fileSystem.empty()) return std::nullopt;
  constexpr uint64_t kCluster = 8 * 512;
  return DiskSpace{8,
                   512,
                   static_cast<uint32_t>(drive->freeBytes / kCluster),
                   static_cast<uint32_t>(drive->totalBytes / kCluster),
                   drive->totalBytes,
                   drive->freeBytes};
}

std::optional<VolumeInfo> MemoryFileSystem::VolumeOf(char letter) {
  const DriveInfo* drive = FindDrive(letter);
  if (!drive || drive->fileSystem.empty()) return std::nullopt;
  return VolumeInfo{drive->volumeName, drive->fileSystem, drive->serialNumber};
}

std::optional<std::string> MemoryFileSystem::Key(std::string_view path) {
  std::string key;
  for (const char c : path) key += c == '/' ? '\\' : c;
  // Doubled separators count once, a trailing one not at all.
  std::string collapsed;
  for (const char c : key) {
    if (c == '\\' && !collapsed.empty() && collapsed.back() == '\\') continue;
    collapsed += c;
  }
  while (collapsed.size() > 2 && collapsed.back() == '\\') collapsed.pop_back();
  if (collapsed.size() < 2 || collapsed[1] != ':') return std::nullopt;
  if (collapsed.size() == 3) collapsed.pop_back();  // "C:\" is the root "C:"
  if (collapsed.size() > 2 && collapsed[2] != '\\') return std::nullopt;
  return base::UpperCase(collapsed);
}

std::string MemoryFileSystem::ParentKey(const std::string& key) {
  const size_t slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

bool MemoryFileSystem::ReadFile(std::string_view path, std::string& bytes) {
  const auto key = Key(path);
  if (!key) return false;
  const auto it = entries_.find(*key);
  if (it == entries_.end() || (it->second.attributes & kAttrDirectory)) return false;
  bytes = it->second.data;
  return true;
}

bool MemoryFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  const auto key = Key(path);
  if (!key || ParentKey(*key).empty()) return false;
  const auto parent = entries_.find(ParentKey(*key));
  if (parent == entries_.end() || !(parent->second.attributes & kAttrDirectory)) return false;
  auto it = entries_.find(*key);
  if (it != entries_.end()) {
    if (it->second.attributes & (kAttrDirectory | kAttrReadOnly) || it->second.inUse) {
      return false;
    }
    const int64_t growth =
        static_cast<int64_t>(bytes.size()) - static_cast<int64_t>(it->second.data.size());
    if (!TakeRoom(drives_, *key, growth)) return false;
    it->second.data = std::string(bytes);
    return true;
  }
  if (!TakeRoom(drives_, *key, static_cast<int64_t>(bytes.size()))) return false;
  const std::string full(path);
  const size_t slash = full.find_last_of("\\/");
  entries_[*key] = {full.substr(slash + 1), kAttrArchive, std::string(bytes)};
  return true;
}

bool MemoryFileSystem::WriteAtomically(std::string_view path, std::string_view bytes) {
  const auto key = Key(path);
  if (!key) return false;
  const auto it = entries_.find(*key);
  // The move over the old file fails where deleting it would.
  if (it != entries_.end() && (it->second.attributes & kAttrReadOnly || it->second.inUse)) {
    return false;
  }
  if (!WriteFile(path, bytes)) return false;
  // What takes the old file's place is the new file, with the attributes of a new file.
  entries_[*key].attributes = kAttrArchive;
  ++replacements_;
  return true;
}

bool MemoryFileSystem::RemoveFile(std::string_view path) {
  const auto key = Key(path);
  if (!key) return false;
  const auto it = entries_.find(*key);
  if (it == entries_.end() || (it->second.attributes & (kAttrDirectory | kAttrReadOnly)) ||
      it->second.inUse) {
    return false;
  }
  TakeRoom(drives_, *key, -static_cast<int64_t>(it->second.data.size()));
  entries_.erase(it);
  return true;
}

bool MemoryFileSystem::MakeDirectory(std::string_view path) {
  const auto key = Key(path);
  if (!key || ParentKey(*key).empty() || entries_.count(*key)) return false;
  const auto parent = entries_.find(ParentKey(*key));
  if (parent == entries_.end() || !(parent->second.attributes & kAttrDirectory)) return false;
  std::string full(path);
  while (!full.empty() && (full.back() == '\\' || full.back() == '/')) full.pop_back();
  entries_[*key] = {full.substr(full.find_last_of("\\/") + 1), kAttrDirectory, {}};
  return true;
}

bool MemoryFileSystem::RemoveEmptyDirectory(std::string_view path) {
  const auto key = Key(path);
  if (!key || ParentKey(*key).empty()) return false;
  const auto it = entries_.find(*key);
  if (it == entries_.end() || !(it->second.attributes & kAttrDirectory)) return false;
  const std::string prefix = *key + "\\";
  const auto child = entries_.lower_bound(prefix);
  if (child != entries_.end() && child->first.compare(0, prefix.size(), prefix) == 0) return false;
  entries_.erase(it);
  return true;
}

std::optional<std::vector<DirEntry>> MemoryFileSystem::ListDirectory(std::string_view path) {
  const auto key = Key(path);
  if (!key) return std::nullopt;
  const auto it = entries_.find(*key);
  if (it == entries_.end() || !(it->second.attributes & kAttrDirectory)) return std::nullopt;
  std::vector<DirEntry> list;
  if (!ParentKey(*key).empty()) {
    list.push_back({".", kAttrDirectory, 0});
    list.push_back({"..", kAttrDirectory, 0});
  }
  const std::string prefix = *key + "\\";
  for (auto child = entries_.lower_bound(prefix);
       child != entries_.end() && child->first.compare(0, prefix.size(), prefix) == 0; ++child) {
    if (child->first.find('\\', prefix.size()) != std::string::npos) continue;
    list.push_back({child->second.name, child->second.attributes, child->second.data.size()});
  }
  return list;
}

std::optional<uint32_t> MemoryFileSystem::GetAttributes(std::string_view path) {
  const auto key = Key(path);
  if (!key) return std::nullopt;
  const auto it = entries_.find(*key);
  if (it == entries_.end()) return std::nullopt;
  return it->second.attributes;
}

bool MemoryFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  const auto key = Key(path);
  if (!key) return false;
  const auto it = entries_.find(*key);
  if (it == entries_.end()) return false;
  it->second.attributes = (it->second.attributes & kAttrDirectory) | (attributes & ~kAttrDirectory);
  return true;
}

void MemoryFileSystem::AddDirectory(std::string_view path) {
  const auto key = Key(path);
  if (!key) return;
  std::string full(path);
  for (auto& c : full) c = c == '/' ? '\\' : c;
  size_t pos = 3;
  while (pos <= full.size()) {
    size_t end = full.find('\\', pos);
    if (end == std::string::npos) end = full.size();
    if (end > pos) MakeDirectory(full.substr(0, end));
    pos = end + 1;
  }
}

void MemoryFileSystem::AddFile(std::string_view path, std::string_view bytes, uint32_t attributes) {
  std::string full(path);
  const size_t slash = full.find_last_of("\\/");
  if (slash != std::string::npos && slash > 2) AddDirectory(full.substr(0, slash));
  const auto key = Key(path);
  if (!key) return;
  entries_[*key] = {full.substr(slash + 1), attributes, std::string(bytes)};
}

bool MemoryFileSystem::Copy(std::string_view from, std::string_view to) {
  std::string bytes;
  if (!ReadFile(from, bytes)) return false;
  const auto key = Key(to);
  const auto existing = key ? entries_.find(*key) : entries_.end();
  if (existing != entries_.end() && existing->second.inUse) return false;
  const uint32_t attributes = *GetAttributes(from);
  if (!WriteFile(to, bytes)) return false;
  // A copy carries the source's attributes, as CopyFile does.
  entries_[*key].attributes = attributes & ~kAttrDirectory;
  return true;
}

std::string MemoryFileSystem::ShortPath(std::string_view path) {
  const auto key = Key(path);
  if (!key || !entries_.count(*key)) return {};
  std::string full(path);
  for (auto& c : full) c = c == '/' ? '\\' : c;
  std::string result = full.substr(0, 2);
  size_t pos = 2;
  while (pos < full.size()) {
    if (full[pos] == '\\') {
      result += '\\';
      ++pos;
      continue;
    }
    size_t end = full.find('\\', pos);
    if (end == std::string::npos) end = full.size();
    const auto entry = entries_.find(*Key(full.substr(0, end)));
    const std::string& shortName = entry->second.shortName;
    result += shortName.empty() ? full.substr(pos, end - pos) : shortName;
    pos = end;
  }
  return result;
}

void MemoryFileSystem::SetShortName(std::string_view path, std::string shortName) {
  const auto key = Key(path);
  if (!key) return;
  if (const auto it = entries_.find(*key); it != entries_.end()) {
    it->second.shortName = std::move(shortName);
  }
}

void MemoryFileSystem::SetInUse(std::string_view path, bool inUse) {
  const auto key = Key(path);
  if (!key) return;
  if (const auto it = entries_.find(*key); it != entries_.end()) it->second.inUse = inUse;
}

}  // namespace os
