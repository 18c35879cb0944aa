// The Windows shell: starting documents and programs, change notifications and broadcasts,
// the system's icon lists and file operations with the recycle bin.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace os {

struct ShellExecuteCall {
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 1;
};

enum class RecycleResult {
  Done,       // every file went to the recycle bin
  Cancelled,  // the user said no in the shell's own confirmation
  Failed,     // the shell reported an error (it showed its own message)
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to open a file or start a program; the shell reports failures itself.
  virtual void Execute(const ShellExecuteCall& call) = 0;
  // The index of a file's icon in the system's image lists (-1 when unknown).
  virtual int SystemIconIndex(const std::string& path, bool small) = 0;
  // The name the shell shows for a file, folder or drive ("Lokaler Datenträger (C:)" for "C:\\").
  virtual std::string DisplayName(const std::string& path) = 0;
  // Moves the files to the recycle bin in one shell operation with its own confirmation.
  virtual RecycleResult RecycleFiles(const std::vector<std::string>& paths) = 0;
  // The path of a special folder (CSIDL_DESKTOPDIRECTORY = 0x10 and the like); empty when the
  // system has none.
  virtual std::string SpecialFolderPath(int csidl) = 0;
  // SHChangeNotify with an event (e.g. 0x8000 image updated, 0x08000000 associations changed)
  // and flags, without items.
  virtual void ChangeNotify(long event, unsigned flags) = 0;
  // Sends WM_SETTINGCHANGE to every top-level window, skipping hung ones, waiting at most
  // timeoutMs for each.
  virtual void BroadcastSettingChange(unsigned wParam, const std::string& section,
                                      int timeoutMs) = 0;
};

// A shell that records what it was asked.
class MemoryShell : public Shell {
 public:
  void Execute(const ShellExecuteCall& call) override { executed.push_back(call); }
  int SystemIconIndex(const std::string& path, bool) override {
    iconQueries.push_back(path);
    return iconIndex;
  }
  std::string DisplayName(const std::string& path) override {
    const auto it = displayNames.find(path);
    if (it != displayNames.end()) return it->second;
    return path.size() >= 2 && path[1] == ':' ? "Lokaler Datenträger (" + path.substr(0, 2) + ")"
                                              : path;
  }
  RecycleResult RecycleFiles(const std::vector<std::string>& paths) override {
    recycled.push_back(paths);
    return recycleResult;
  }
  std::string SpecialFolderPath(int csidl) override {
    const auto it = specialFolders.find(csidl);
    return it == specialFolders.end() ? std::string() : it->second;
  }
  void ChangeNotify(long event, unsigned flags) override {
    notifications.push_back({event, flags});
  }
  void BroadcastSettingChange(unsigned wParam, const std::string& section, int) override {
    broadcasts.push_back({wParam, section});
  }

  std::vector<ShellExecuteCall> executed;
  std::vector<std::string> iconQueries;
  std::map<std::string, std::string> displayNames;
  int iconIndex = 3;
  std::vector<std::vector<std::string>> recycled;
  RecycleResult recycleResult = RecycleResult::Done;
  std::map<int, std::string> specialFolders = {
      {0x10, "C:\\Documents and Settings\\Anwender\\Desktop"}};
  std::vector<std::pair<long, unsigned>> notifications;
  std::vector<std::pair<unsigned, std::string>> broadcasts;
};

}  // namespace os
