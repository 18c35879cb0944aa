// Files and folders through kernel32's W functions.
#pragma once

#include "os/file_system.h"

namespace win32 {

class Win32FileSystem : public os::FileSystem {
 public:
  bool ReadFile(std::string_view path, std::string& bytes) override;
  bool WriteFile(std::string_view path, std::string_view bytes) override;
  bool WriteAtomically(std::string_view path, std::string_view bytes) override;
  bool RemoveFile(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveEmptyDirectory(std::string_view path) override;
  std::optional<std::vector<os::DirEntry>> ListDirectory(std::string_view path) override;
  std::optional<uint32_t> GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, uint32_t attributes) override;
  std::vector<os::DriveInfo> Drives() override;
  std::vector<os::DriveInfo> DriveKinds() override;
  bool Copy(std::string_view from, std::string_view to) override;
  std::string ShortPath(std::string_view path) override;
  os::DriveType DriveKind(char letter) override;
  std::optional<os::DiskSpace> DiskSpaceOf(char letter) override;
  std::optional<os::VolumeInfo> VolumeOf(char letter) override;
};

}  // namespace win32
