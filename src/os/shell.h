// The Windows shell: starting documents and programs, change notifications and broadcasts,
// the system's icon lists, file operations with the recycle bin and the Control Panel folder.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace os {

class Registry;

struct ShellExecuteCall {
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int show = 1;
};

// An item of a shell folder as the shell shows it.
struct ShellFolderItem {
  std::string displayName;
  int iconIndex = -1;  // in the system's small or large image list, as asked
};

// Gets each item of a folder enumeration in the shell's order; returns false to stop there.
using ShellItemVisitor = std::function<bool(const ShellFolderItem& item)>;

enum class RecycleResult {
  Done,       // every file went to the recycle bin
  Cancelled,  // the user said no in the shell's own confirmation
  Failed,     // the shell reported an error (it showed its own message)
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to open a file or start a program; false when it could not.
  virtual bool Execute(const ShellExecuteCall& call) = 0;
  // The index of a file's icon in the system's image lists (-1 when unknown).
  virtual int SystemIconIndex(const std::string& path, bool small) = 0;
  // How many icons a file holds (ExtractIconEx with index -1); 0 for a missing file or one
  // without icons.
  virtual int IconCount(const std::string& path) = 0;
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
  // Enumerates the Control Panel folder (folders and applets) through the shell's folder
  // interfaces; items without a display name are left out. Returns false when the folder could
  // not be opened or enumerated (the items visited so far stand).
  virtual bool EnumControlPanel(bool largeIcons, const ShellItemVisitor& visit) = 0;
  // Opens the first Control Panel item with that display name as the folder's own default
  // command does; false when there is none or the shell failed.
  virtual bool OpenControlPanelItem(const std::string& displayName) = 0;
  // The system's own format dialog for a drive (0 = A:), owned by the active window; it
  // reports to the user itself.
  virtual void FormatDrive(int drive) = 0;
};

// An applet of the in-memory Control Panel: what the shell shows and the CPL file it comes from.
struct MemoryApplet {
  std::string displayName;
  std::string cplFile;  // empty for a folder such as the printers
  int smallIcon = -1;
  int largeIcon = -1;
};

// A shell that records what it was asked.
class MemoryShell : public Shell {
 public:
  bool Execute(const ShellExecuteCall& call) override {
    executed.push_back(call);
    return !unstartable.contains(call.file);
  }
  int SystemIconIndex(const std::string& path, bool) override {
    iconQueries.push_back(path);
    return iconIndex;
  }
  // Files not set up in iconCounts hold no icons.
  int IconCount(const std::string& path) override;
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
  // Leaves out the applets whose CPL file is named in the user's don't-load key (when a
  // registry is given), as the system does, and runs duringEnumeration after each visit.
  bool EnumControlPanel(bool largeIcons, const ShellItemVisitor& visit) override;
  bool OpenControlPanelItem(const std::string& displayName) override;
  void FormatDrive(int drive) override { formatted.push_back(drive); }

  std::vector<ShellExecuteCall> executed;
  std::vector<int> formatted;
  std::set<std::string> unstartable;  // files the shell cannot open
  std::vector<std::string> iconQueries;
  std::map<std::string, std::string> displayNames;
  std::map<std::string, int> iconCounts;  // by path, compared regardless of case
  int iconIndex = 3;
  std::vector<std::vector<std::string>> recycled;
  RecycleResult recycleResult = RecycleResult::Done;
  std::map<int, std::string> specialFolders = {
      {0x10, "C:\\Documents and Settings\\Anwender\\Desktop"}};
  std::vector<std::pair<long, unsigned>> notifications;
  std::vector<std::pair<unsigned, std::string>> broadcasts;

  std::vector<MemoryApplet> controlPanel;
  bool controlPanelFails = false;
  Registry* registry = nullptr;
  // What the shell may do while it enumerates (applets that pump messages): gets the number of
  // items visited so far.
  std::function<void(int visited)> duringEnumeration;
  int enumerations = 0;
  int itemsVisited = 0;
  std::vector<std::string> opened;
};

}  // namespace os
