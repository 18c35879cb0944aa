// Files and folders with Windows path rules: drive letters, backslashes (slashes are accepted
// too), names that ignore case, attributes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum FileAttribute : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
};

enum class DriveType {
  Unknown = 0,
  NoRootDir = 1,
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6
};

struct DriveInfo {
  char letter = 'C';
  DriveType type = DriveType::Fixed;
  std::string volumeName;  // empty when the drive has no medium or no name
  std::string fileSystem;
  uint32_t serialNumber = 0;
  uint64_t totalBytes = 0;
  uint64_t freeBytes = 0;
};

// A drive's size as GetDiskFreeSpace reports it (clusters) and as the byte totals.
struct DiskSpace {
  uint32_t sectorsPerCluster = 0;
  uint32_t bytesPerSector = 0;
  uint32_t freeClusters = 0;
  uint32_t totalClusters = 0;
  uint64_t totalBytes = 0;
  uint64_t freeBytes = 0;
};

struct VolumeInfo {
  std::string label;
  std::string fileSystem;
  uint32_t serialNumber = 0;
};

struct DirEntry {
  std::string name;
  uint32_t attributes = 0;
  uint64_t size = 0;
  bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool ReadFile(std::string_view path, std::string& bytes) = 0;
  // Creates or overwrites the file.
  virtual bool WriteFile(std::string_view path, std::string_view bytes) = 0;
  // Replaces the file without any moment at which it is missing or half written: the new
  // content goes to a file next to it, which then takes the old one's place in one step. The
  // new file keeps the old one's access rights where the file system has them, but is a new
  // file with the attributes of one; a read-only file is not replaced.
  virtual bool WriteAtomically(std::string_view path, std::string_view bytes) = 0;
  // Deletes permanently (not to the recycle bin).
  virtual bool RemoveFile(std::string_view path) = 0;
  // Creates one folder (its parent must exist); removes an empty folder.
  virtual bool MakeDirectory(std::string_view path) = 0;
  virtual bool RemoveEmptyDirectory(std::string_view path) = 0;
  // The entries of a folder, "." and ".." included as the C runtime lists them; none when the
  // folder cannot be opened.
  virtual std::optional<std::vector<DirEntry>> ListDirectory(std::string_view path) = 0;
  virtual std::optional<uint32_t> GetAttributes(std::string_view path) = 0;
  virtual bool SetAttributes(std::string_view path, uint32_t attributes) = 0;
  // Every drive letter that exists, A to Z.
  virtual std::vector<DriveInfo> Drives() = 0;
  // The same drives with their letters and kinds only: nothing is asked of a drive's medium,
  // which takes long for CD and network drives.
  virtual std::vector<DriveInfo> DriveKinds() = 0;
  // Copies a file, replacing what is at `to` unless it is read-only or in use.
  virtual bool Copy(std::string_view from, std::string_view to) = 0;
  // The 8.3 form of an existing path (what DOS sees); empty when the path does not exist.
  virtual std::string ShortPath(std::string_view path) = 0;

  // One drive letter at a time, each asking the drive only what it names. A drive without a
  // medium or not ready answers nothing; it never makes the system ask for a disk.
  virtual DriveType DriveKind(char letter) = 0;
  virtual std::optional<DiskSpace> DiskSpaceOf(char letter) = 0;
  virtual std::optional<VolumeInfo> VolumeOf(char letter) = 0;

  // Kind, size, free bytes and volume of the medium in a drive, without asking the user for
  // one; none when the drive has no medium or cannot be read (an empty floppy drive).
  std::optional<DriveInfo> Medium(char drive);

  // WriteAtomically, and the file keeps its attributes (read-only, hidden, system, archive). A
  // read-only file is writable only for the moment it is replaced.
  bool ReplaceKeepingAttributes(std::string_view path, std::string_view bytes);

  bool Exists(std::string_view path) { return GetAttributes(path).has_value(); }
  bool DirectoryExists(std::string_view path) {
    const auto attributes = GetAttributes(path);
    return attributes && (*attributes & kAttrDirectory);
  }
};

// Joins a folder and a name with one backslash.
std::string JoinPath(std::string_view folder, std::string_view name);
// The last part of a path, after its last backslash or slash.
std::string_view FileNameOf(std::string_view path);

// Files in memory. Paths are absolute ("C:\..."); a file or folder can only be made where its
// parent folder exists, as on Windows. Drive roots exist for the drives given.
class MemoryFileSystem : public FileSystem {
 public:
  explicit MemoryFileSystem(std::string drives = "C");

  bool ReadFile(std::string_view path, std::string& bytes) override;
  bool WriteFile(std::string_view path, std::string_view bytes) override;
  bool WriteAtomically(std::string_view path, std::string_view bytes) override;
  bool RemoveFile(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveEmptyDirectory(std::string_view path) override;
  std::optional<std::vector<DirEntry>> ListDirectory(std::string_view path) override;
  std::optional<uint32_t> GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, uint32_t attributes) override;
  std::vector<DriveInfo> Drives() override { return drives_; }
  std::vector<DriveInfo> DriveKinds() override;
  bool Copy(std::string_view from, std::string_view to) override;
  // Each folder or file name with a short name set by SetShortName takes it; the others stay
  // as given (as names that already are 8.3 do).
  std::string ShortPath(std::string_view path) override;
  // Sizes in clusters of 8 sectors of 512 bytes; a drive without a file system has no medium.
  DriveType DriveKind(char letter) override;
  std::optional<DiskSpace> DiskSpaceOf(char letter) override;
  std::optional<VolumeInfo> VolumeOf(char letter) override;

  // Test set-up: the 8.3 name of an existing file or folder ("PROGRA~1").
  void SetShortName(std::string_view path, std::string shortName);
  // Test set-up: makes the file and every missing folder above it.
  void AddFile(std::string_view path, std::string_view bytes, uint32_t attributes = kAttrArchive);
  void AddDirectory(std::string_view path);
  // Adds a drive, or replaces the one of that letter (with its root folder when it has a medium).
  void AddDrive(const DriveInfo& drive);
  // Test set-up: another program holds the file open without sharing it; it can be read and
  // its attributes changed, but it cannot be written, replaced or deleted.
  void SetInUse(std::string_view path, bool inUse = true);
  // How many times a file was written in place of another (WriteAtomically).
  int Replacements() const { return replacements_; }

 private:
  struct Entry {
    std::string name;  // as created
    uint32_t attributes = 0;
    std::string data;
    bool inUse = false;
    std::string shortName;  // empty: the name is its own 8.3 form
  };
  const DriveInfo* FindDrive(char letter) const;
  // Normalised key: upper-cased, backslashes, no trailing backslash ("C:" is the root).
  static std::optional<std::string> Key(std::string_view path);
  static std::string ParentKey(const std::string& key);
  std::map<std::string, Entry> entries_;
  std::vector<DriveInfo> drives_;
  int replacements_ = 0;
};

}  // namespace os
