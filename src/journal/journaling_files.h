// A file system and a shell that report every file they are about to write, replace, delete,
// copy over or move to the recycle bin to the journal, with its content and attributes.
// Reading passes straight through.
#pragma once

#include "journal/journal.h"
#include "os/file_system.h"
#include "os/shell.h"

namespace journal {

class JournalingFileSystem : public os::FileSystem {
 public:
  JournalingFileSystem(os::FileSystem& inner, Journal& journal)
      : inner_(inner), journal_(journal) {}

  bool ReadFile(std::string_view path, std::string& bytes) override {
    return inner_.ReadFile(path, bytes);
  }
  bool WriteFile(std::string_view path, std::string_view bytes) override;
  bool WriteAtomically(std::string_view path, std::string_view bytes) override;
  bool RemoveFile(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveEmptyDirectory(std::string_view path) override;
  std::optional<std::vector<os::DirEntry>> ListDirectory(std::string_view path) override {
    return inner_.ListDirectory(path);
  }
  std::optional<uint32_t> GetAttributes(std::string_view path) override {
    return inner_.GetAttributes(path);
  }
  bool SetAttributes(std::string_view path, uint32_t attributes) override;
  std::vector<os::DriveInfo> Drives() override { return inner_.Drives(); }
  std::vector<os::DriveInfo> DriveKinds() override { return inner_.DriveKinds(); }
  bool Copy(std::string_view from, std::string_view to) override;
  std::string ShortPath(std::string_view path) override { return inner_.ShortPath(path); }
  os::DriveType DriveKind(char letter) override { return inner_.DriveKind(letter); }
  std::optional<os::DiskSpace> DiskSpaceOf(char letter) override {
    return inner_.DiskSpaceOf(letter);
  }
  std::optional<os::VolumeInfo> VolumeOf(char letter) override { return inner_.VolumeOf(letter); }

 private:
  // The file's state before, unless the open set has it already; noted only once the change
  // succeeded.
  std::optional<Change> Before(std::string_view path);

  os::FileSystem& inner_;
  Journal& journal_;
};

class JournalingShell : public os::Shell {
 public:
  JournalingShell(os::Shell& inner, Journal& journal) : inner_(inner), journal_(journal) {}

  bool Execute(const os::ShellExecuteCall& call) override { return inner_.Execute(call); }
  int SystemIconIndex(const std::string& path, bool small) override {
    return inner_.SystemIconIndex(path, small);
  }
  int IconCount(const std::string& path) override { return inner_.IconCount(path); }
  std::string DisplayName(const std::string& path) override { return inner_.DisplayName(path); }
  // The files are backed up before they go: the recycle bin is not part of the journal.
  os::RecycleResult RecycleFiles(const std::vector<std::string>& paths) override;
  std::string SpecialFolderPath(int csidl) override { return inner_.SpecialFolderPath(csidl); }
  void ChangeNotify(long event, unsigned flags) override { inner_.ChangeNotify(event, flags); }
  void BroadcastSettingChange(unsigned wParam, const std::string& section, int timeoutMs) override {
    inner_.BroadcastSettingChange(wParam, section, timeoutMs);
  }
  bool EnumControlPanel(bool largeIcons, const os::ShellItemVisitor& visit) override {
    return inner_.EnumControlPanel(largeIcons, visit);
  }
  bool OpenControlPanelItem(const std::string& displayName) override {
    return inner_.OpenControlPanelItem(displayName);
  }
  void FormatDrive(int drive) override { inner_.FormatDrive(drive); }

 private:
  os::Shell& inner_;
  Journal& journal_;
};

}  // namespace journal
