// The icons the shell-icon page changes: one entry per shell icon index (stored under
// "Shell Icons") and the desktop classes whose "DefaultIcon" holds theirs, with captions,
// defaults, where each is stored and which tab shows it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace icons {

// The last shell icon index this system knows.
int LastShellIcon(int windowsVersion);

// Entries are numbered 0..LastShellIcon for the shell icons, then the two classes.
int EntryCount(int windowsVersion);
std::string EntryCaption(int entry, int windowsVersion);

// HKEY_LOCAL_MACHINE key of the shell icons (values named by the index).
inline constexpr const char* kShellIconsKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

// An entry kept as a value of a class's "DefaultIcon" key below HKEY_USERS.
struct ClassIcon {
  std::string clsid;
  std::vector<std::string> valueNames;  // "" is the default value; all get the same icon
  std::string fallback;                 // the icon the class has when nothing is stored
};
std::optional<ClassIcon> ClassIconOf(int entry, int windowsVersion, const std::string& windowsDir);

// Where the page reads and writes a class's icon (HKEY_USERS).
std::string ClassIconKey(const std::string& clsid, int windowsVersion,
                         const std::string& userKeyName);
// Where start-up looks for it and materialises it (HKEY_USERS).
std::string StartupClassIconKey(const std::string& clsid, int windowsVersion,
                                const std::string& userKeyName);

// The system shell library's icon of a shell index, as start-up stores it and as restoring
// stores it.
std::string StoredShellDefault(int index, int windowsVersion, const std::string& windowsDir);
std::string RestoredShellDefault(int index, int windowsVersion, const std::string& windowsDir);

enum class IconTab { Desktop, Laufwerke, Ordner, StartMenu, More };
inline constexpr const char* kTabCaptions[] = {"Desktop", "Laufwerke", "Ordner", "Startmenü",
                                               "...mehr"};
std::vector<int> TabEntries(IconTab tab, int windowsVersion);

}  // namespace icons
