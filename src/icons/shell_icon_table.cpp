#include "icons/shell_icon_table.h"

#include <array>

#include "base/convert.h"

namespace icons {
namespace {

constexpr std::array<const char*, 41> kShellCaptions = {
    "Standard Icon für Datei",
    "Standard Icon für Dokument",
    "Anwendung ",
    "Ordner normal ",
    "Ordner geöffnet",
    "Laufwerk 5,25",
    "Laufwerk 3,5",
    "Entfernbares Laufwerk ",
    "Festplatte",
    "Netzlaufwerk",
    "Netzlaufwerk gesperrt",
    "CD-ROM normal",
    "RAM Drive",
    "Gesamtes Netzwerk",
    "Netzwerk Workstation",
    "Arbeitsplatz",
    "Drucker",
    "PC-PC Verbindung (Netzwerk)",
    "Netzwerk-Arbeitsgruppe",
    "Startmenü Programme",
    "Startmenü Dokumente",
    "Startmenü Einstellungen",
    "Startmenü Suchen",
    "Startmenü Hilfe",
    "Startmenü Ausführen",
    "Suspend ",
    "Docking Sation",
    "Startmenü Beenden",
    "Share ",
    "Kleiner Shortcut",
    "Großer Shortcut",
    "Papierkorb leer",
    "Papierkorb voll",
    "Dial-Up Networking",
    "Desktop",
    "Systemeinstellungen",
    "Aktive Startmenü Ordner",
    "Druckereinstellungen",
    "Schriften Ordner",
    "Task-Leiste im Start Menü",
    "CD-ROM Musik-CD eingelegt",
};

constexpr const char* kRecycleBin = "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kNetwork = "{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr const char* kMyComputer = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr const char* kMyDocuments = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";

std::string ShellLibrary(int windowsVersion, const std::string& windowsDir, const char* nt,
                         const char* other) {
  return windowsDir + (windowsVersion >= 1 ? nt : other);
}

}  // namespace

int LastShellIcon(int windowsVersion) {
  return windowsVersion == 2 ? 107 : 77;
}

int EntryCount(int windowsVersion) {
  return LastShellIcon(windowsVersion) + 3;
}

std::string EntryCaption(int entry, int windowsVersion) {
  const int last = LastShellIcon(windowsVersion);
  if (entry == last + 1) return "Arbeitsplatz";
  if (entry == last + 2) return "Eigene Dateien";
  if (entry >= 0 && entry < static_cast<int>(kShellCaptions.size())) {
    return kShellCaptions[static_cast<size_t>(entry)];
  }
  return base::IntToStr(entry);
}

std::optional<ClassIcon> ClassIconOf(int entry, int windowsVersion, const std::string& windowsDir) {
  const int last = LastShellIcon(windowsVersion);
  if (entry == 31) return ClassIcon{kRecycleBin, {"", "empty"}, "shell32.dll,31"};
  if (entry == 32) return ClassIcon{kRecycleBin, {"full"}, "shell32.dll,32"};
  if (entry == 17) return ClassIcon{kNetwork, {""}, "shell32.dll,17"};
  if (entry == last + 1) return ClassIcon{kMyComputer, {""}, windowsDir + "\\EXPLORER.EXE,0"};
  if (entry == last + 2) return ClassIcon{kMyDocuments, {""}, "mydocs.dll,0"};
  return std::nullopt;
}

std::string ClassIconKey(const std::string& clsid, int windowsVersion,
                         const std::string& userKeyName) {
  if (windowsVersion == 2) {
    return userKeyName + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" +
           clsid + "\\DefaultIcon";
  }
  if (windowsVersion == 1) {
    return userKeyName + "\\Software\\Classes\\CLSID\\" + clsid + "\\DefaultIcon";
  }
  return "\\.DEFAULT\\Software\\Classes\\CLSID\\" + clsid + "\\DefaultIcon";
}

std::string StartupClassIconKey(const std::string& clsid, int windowsVersion,
                                const std::string& userKeyName) {
  if (windowsVersion >= 1) {
    return userKeyName + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" +
           clsid + "\\DefaultIcon";
  }
  return "\\.DEFAULT\\Software\\Classes\\CLSID\\" + clsid + "\\DefaultIcon";
}

std::string StoredShellDefault(int index, int windowsVersion, const std::string& windowsDir) {
  return ShellLibrary(windowsVersion, windowsDir, "\\SYSTEM32\\SHELL32.DLL,",
                      "\\SYSTEM\\SHELL32.DLL,") +
         base::IntToStr(index);
}

std::string RestoredShellDefault(int index, int windowsVersion, const std::string& windowsDir) {
  return ShellLibrary(windowsVersion, windowsDir, "\\System32\\shell32.dll,",
                      "\\System\\shell32.dll,") +
         base::IntToStr(index);
}

std::vector<int> TabEntries(IconTab tab, int windowsVersion) {
  const int last = LastShellIcon(windowsVersion);
  switch (tab) {
    case IconTab::Desktop:
      return {17, 31, 32, last + 1, last + 2};
    case IconTab::Laufwerke:
      return {5, 6, 7, 8, 9, 10, 11, 12};
    case IconTab::Ordner:
      return {3, 4, 16, 19, 33, 34, 35, 36, 38};
    case IconTab::StartMenu:
      return {19, 20, 21, 22, 23, 24, 25, 27};
    case IconTab::More: {
      std::vector<int> entries = {0, 1, 2, 14, 18, 26, 28, 29, 30, 37};
      for (int i = 39; i <= last; ++i) entries.push_back(i);
      return entries;
    }
  }
  return {};
}

}  // namespace icons
