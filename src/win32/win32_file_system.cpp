#include "win32/win32_file_system.h"

#include <windows.h>

#include <vector>

#include "win32/unique_handle.h"
#include "win32/wide.h"

namespace win32 {
namespace {

bool WriteAll(const std::wstring& path, std::string_view bytes, bool flush) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t offset = 0;
  while (offset < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - offset, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + offset, chunk, &written, nullptr) || !written) {
      return false;
    }
    offset += written;
  }
  return !flush || FlushFileBuffers(file.get());
}

// The old file's security descriptor with its access list, for the new file that takes its
// place; empty when there is no old file or no access list to keep (FAT keeps none).
std::vector<BYTE> AccessListOf(const std::wstring& path) {
  DWORD needed = 0;
  GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return {};
  std::vector<BYTE> descriptor(needed);
  if (!GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                        &needed)) {
    return {};
  }
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL list = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &list, &defaulted) || !present ||
      !list) {
    return {};  // none, or one that lets everybody in: the new file's own is no narrower
  }
  return descriptor;
}

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

bool Win32FileSystem::ReadFile(std::string_view path, std::string& bytes) {
  UniqueHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  bytes = std::move(content);
  return true;
}

bool Win32FileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  return WriteAll(Wide(path), bytes, false);
}

bool Win32FileSystem::WriteAtomically(std::string_view path, std::string_view bytes) {
  // ReplaceFileW is not atomic under Wine and refuses read-only targets; a move over the old
  // file is one step on both.
  const std::wstring target = Wide(path);
  const std::wstring temporary = target + L".kalmora-neu";
  if (!WriteAll(temporary, bytes, true)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  // The new file would get the folder's inherited rights; it keeps the old one's instead, or the
  // old file stays.
  std::vector<BYTE> rights = AccessListOf(target);
  if (!rights.empty() &&
      !SetFileSecurityW(temporary.c_str(), DACL_SECURITY_INFORMATION, rights.data())) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool Win32FileSystem::RemoveFile(std::string_view path) {
  return DeleteFileW(Wide(path).c_str()) != FALSE;
}

bool Win32FileSystem::MakeDirectory(std::string_view path) {
  return CreateDirectoryW(Wide(path).c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveEmptyDirectory(std::string_view path) {
  return RemoveDirectoryW(Wide(path).c_str()) != FALSE;
}

std::optional<std::vector<os::DirEntry>> Win32FileSystem::ListDirectory(std::string_view path) {
  WIN32_FIND_DATAW data{};
  FindHandle find(FindFirstFileW(Wide(os::JoinPath(path, "*")).c_str(), &data));
  if (find.get() == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<os::DirEntry> entries;
  do {
    entries.push_back({Narrow(data.cFileName), data.dwFileAttributes,
                       (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
  } while (FindNextFileW(find.get(), &data));
  return entries;
}

std::optional<uint32_t> Win32FileSystem::GetAttributes(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool Win32FileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  return SetFileAttributesW(Wide(path).c_str(), attributes & ~os::kAttrDirectory) != FALSE;
}

std::vector<os::DriveInfo> Win32FileSystem::DriveKinds() {
  std::vector<os::DriveInfo> drives;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    os::DriveInfo drive;
    drive.letter = static_cast<char>('A' + i);
    const std::wstring root = std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":\\";
    drive.type = static_cast<os::DriveType>(GetDriveTypeW(root.c_str()));
    drives.push_back(drive);
  }
  return drives;
}

std::vector<os::DriveInfo> Win32FileSystem::Drives() {
  std::vector<os::DriveInfo> drives = DriveKinds();
  for (os::DriveInfo& drive : drives) {
    // Floppy drives are not asked: an empty drive would make the system ask for a disk.
    if (drive.type == os::DriveType::Removable) continue;
    const std::wstring root = std::wstring(1, static_cast<wchar_t>(drive.letter)) + L":\\";
    wchar_t volume[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (GetVolumeInformationW(root.c_str(), volume, MAX_PATH + 1, &serial, nullptr, nullptr,
                              fileSystem, MAX_PATH + 1)) {
      drive.volumeName = Narrow(volume);
      drive.fileSystem = Narrow(fileSystem);
      drive.serialNumber = serial;
    }
    ULARGE_INTEGER freeBytes{}, totalBytes{};
    if (GetDiskFreeSpaceExW(root.c_str(), nullptr, &totalBytes, &freeBytes)) {
      drive.totalBytes = totalBytes.QuadPart;
      drive.freeBytes = freeBytes.QuadPart;
    }
    SetErrorMode(oldMode);
  }
  return drives;
}

bool Win32FileSystem::Copy(std::string_view from, std::string_view to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

std::string Win32FileSystem::ShortPath(std::string_view path) {
  const std::wstring wide = Wide(path);
  const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring shortPath(needed, L'\0');
  const DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) return {};
  shortPath.resize(length);
  return Narrow(shortPath);
}

namespace {

std::wstring DriveRoot(char letter) {
  return std::wstring(1, static_cast<wchar_t>(letter)) + L":\\";
}

// An empty drive makes the system ask for a disk in a message box unless told not to.
class NoDiskPrompts {
 public:
  NoDiskPrompts() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~NoDiskPrompts() { SetErrorMode(old_); }
  NoDiskPrompts(const NoDiskPrompts&) = delete;
  NoDiskPrompts& operator=(const NoDiskPrompts&) = delete;

 private:
  UINT old_;
};

}  // namespace

os::DriveType Win32FileSystem::DriveKind(char letter) {
  return static_cast<os::DriveType>(GetDriveTypeW(DriveRoot(letter).c_str()));
}

std::optional<os::DiskSpace> Win32FileSystem::DiskSpaceOf(char letter) {
  const std::wstring root = DriveRoot(letter);
  NoDiskPrompts quiet;
  os::DiskSpace space;
  DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceW(root.c_str(), &sectors, &bytes, &freeClusters, &totalClusters)) {
    return std::nullopt;
  }
  space.sectorsPerCluster = sectors;
  space.bytesPerSector = bytes;
  space.freeClusters = freeClusters;
  space.totalClusters = totalClusters;
  ULARGE_INTEGER freeBytes{}, totalBytes{};
  if (GetDiskFreeSpaceExW(root.c_str(), nullptr, &totalBytes, &freeBytes)) {
    space.totalBytes = totalBytes.QuadPart;
    space.freeBytes = freeBytes.QuadPart;
  } else {
    space.totalBytes = uint64_t{totalClusters} * sectors * bytes;
    space.freeBytes = uint64_t{freeClusters} * sectors * bytes;
  }
  return space;
}

std::optional<os::VolumeInfo> Win32FileSystem::VolumeOf(char letter) {
  const std::wstring root = DriveRoot(letter);
  NoDiskPrompts quiet;
  wchar_t label[MAX_PATH + 1] = {};
  wchar_t fileSystem[MAX_PATH + 1] = {};
  DWORD serial = 0;
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr,
                             fileSystem, MAX_PATH + 1)) {
    return std::nullopt;
  }
  return os::VolumeInfo{Narrow(label), Narrow(fileSystem), serial};
}

}  // namespace win32
