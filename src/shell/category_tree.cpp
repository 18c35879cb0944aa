#include "shell/category_tree.h"

#include "page/images.h"

#include "base/text.h"

namespace shell {

const std::vector<CategoryNode>& CategoryNodes() {
  static const std::vector<CategoryNode> kNodes = {
      {0, "Kalmora", 1},
      {1, "Bootvorgang", 2},
      {2, "Automatischer Login", 64},
      {2, "Bootdiskette erstellen", 5},
      {2, "CHKDSK", 128},
      {2, "Optionen", 129},
      {2, "Systemstart", 163},
      {1, "Desktop", 8},
      {2, "Restriktionen", 76},
      {2, "Schnellstartleiste bearbeiten", 17},
      {2, "Desktop-Darstellung", 33},
      {3, "Abstand der Desktopicons", 75},
      {3, "Active Desktop", 53},
      {3, "Darstellung des Hintergrundbildes", 31},
      {3, "Einstellungen", 42},
      {3, "Hintergrundbild positionieren", 30},
      {3, "Icons umbenennen", 49},
      {3, "Quickinfo für Icons", 29},
      {3, "Systemordner auf Desktop", 50},
      {3, "Tool Tips", 34},
      {3, "Verknüfungspfeil", 162},
      {3, "Windows Versionsnummer anzeigen", 32},
      {2, "Icons", 6},
      {3, "Farbanzahl bei Icons", 28},
      {3, "Iconbug beheben", 43},
      {3, "Iconeinstellungen", 77},
      {3, "Icongröße auf Desktop", 146},
      {3, "ShellIcon ändern", 7},
      {2, "StartMenü", 71},
      {3, "Aufklappzeit von Fenstern", 74},
      {3, "Einstellungen", 72},
      {3, "Systemordner ins Startmenü einfügen", 73},
      {1, "Explorer", 58},
      {2, "Anzeigefarbe für komprimierte Dateien", 66},
      {2, "Dateien & Ordner", 79},
      {2, "Dateien optional mit Notepad öffnen", 16},
      {2, "Einstellungen", 63},
      {2, "KontextMenü", 60},
      {2, "Laufwerke ausblenden", 15},
      {2, "Laufwerkssymbol ändern", 78},
      {2, "Symbolleiste", 65},
      {2, "Explorereinstellungen", 54},
      {3, "Datei öffnen Dialog", 55},
      {2, "Restriktionen", 67},
      {3, "Explorer/Desktop", 68},
      {1, "Hardware", 130},
      {2, "Tastatur", 127},
      {2, "Drucker", 132},
      {3, "Ausgeschaltete Netzwerkdrucker", 138},
      {3, "Druckeroptionen", 131},
      {3, "Restriktionen", 133},
      {3, "Priorität beim Druck", 134},
      {4, "Priorität Drucker Spooler ", 137},
      {4, "Verarbeitungspriorität", 135},
      {4, "Zeitplandienst", 136},
      {2, "Maus", 44},
      {3, "Blinkgeschwindigkeit des Mauszeigers", 45},
      {3, "Doppelklickempfindlichkeit", 47},
      {3, "Drag&Drop Einstellungen", 46},
      {3, "Mauseigenschaften", 48},
      {3, "PS/2 Mausabfrage beschleunigen", 114},
      {2, "Monitor", 144},
      {3, "Bildschirmauflösung", 9},
      {3, "Kompatibilität", 145},
      {2, "Sound", 139},
      {3, "Allgemein", 140},
      {3, "Programme Kläne zuweisen", 141},
      {2, "Speichermedien", 80},
      {3, "DMA-Modus", 103},
      {3, "Speicherplatz", 82},
      {3, "CD-Autostart", 10},
      {4, "AutoStart Audio-CD", 12},
      {4, "AutoStart CD_Player", 13},
      {4, "Autostart Data-CD", 11},
      {1, "Internet", 102},
      {2, "DFUe-Verbindung optimieren", 101},
      {2, "InternetExplorer", 59},
      {3, "Hintergrund Symbolleiste", 109},
      {3, "Titel im Internet Explorer-Fenster ", 110},
      {3, "TypedURLs", 107},
      {3, "Restriktionen", 104},
      {4, "Allgemein", 105},
      {4, "Internetoptionen", 106},
      {2, "OutlookExpress", 115},
      {3, "Einstellungen", 117},
      {3, "OutlookTitle", 116},
      {1, "Sicherheitseinstellungen", 41},
      {2, "Sicherheitseinstellungen Anzeige", 37},
      {2, "Sicherheitseinstellungen - Drucker", 39},
      {2, "Sicherheitseinstellungen - Kennwörter", 40},
      {2, "Sicherheitseinstellungen - Netzwerk", 38},
      {2, "Systemdateien sichern", 165},
      {1, "Systeminformationen", 83},
      {2, "AdvancedPowerManagement", 159},
      {2, "Allgemeine Infos", 84},
      {2, "Desktop", 88},
      {2, "Eingabegeräte", 87},
      {2, "Geräte-Manager", 154},
      {2, "Grafikkarte", 152},
      {2, "Laufwerke", 85},
      {2, "Netzwerk", 161},
      {2, "Umgebungsvariablen", 86},
      {2, "Zeitzone", 89},
      {2, "Systemdateien", 90},
      {3, "Auflistung aller Ini-Dateien", 148},
      {3, "Autoexec.bat", 98},
      {3, "Autoexec.nt", 99},
      {3, "Boot.ini", 93},
      {3, "Bootlog.txt", 94},
      {3, "Config.nt", 97},
      {3, "Config.sys", 96},
      {3, "Msdos.sys", 100},
      {3, "Netlog.txt", 95},
      {3, "System.ini", 91},
      {3, "Win.ini", 92},
      {3, "Gemeinsame DLL-Dateien", 151},
      {1, "Windowseinstellungen", 81},
      {2, "Anwendung ohne Nachfrage schließen", 111},
      {2, "CMD-Kommandozeile)", 164},
      {2, "Digitale Signatur", 51},
      {2, "DirectX deinstallieren", 27},
      {2, "Einträge in Systemsteuerung", 35},
      {2, "Focus(Win2000)", 147},
      {2, "OEM-Info in der Systemsteuerung", 57},
      {2, "ShutDown", 112},
      {2, "Systemdateienüberprüfung deaktivieren", 113},
      {2, "Systemsteuerung", 36},
      {2, "Uninstaller", 143},
      {2, "Willkommen Dialog", 56},
      {2, "AutoRun", 18},
      {3, "AutoRun Programe", 19},
      {3, "AutoRun Programme(Current User)", 20},
      {3, "AutoRunonce(HKLM)", 21},
      {3, "AutoRunonce(HKCU)", 22},
      {3, "AutoRunOnceEx", 23},
      {3, "AutoRun Services", 24},
      {3, "AutoRun Services (Current User)", 25},
      {3, "AutoRun Win.ini", 26},
      {3, "Autostart", 142},
      {2, "Installation", 149},
      {3, "Benutzerdaten", 150},
      {2, "Optimieren", 118},
      {3, "Auslagerungsdatei", 122},
      {3, "Dateisystem", 124},
      {4, "Dateisystemoperationen", 125},
      {3, "Speichermanagment", 119},
      {4, "Dll-Dateien im Speicher", 126},
      {4, "Ein-/Ausgabeoperationen ", 123},
      {4, "SecondLevelDataCache", 121},
      {4, "SystemCache ", 120},
  };
  return kNodes;
}

void BuildCategoryTree(ui::TreeView& tree) {
  const auto& nodes = CategoryNodes();
  std::vector<ui::TreeNode*> path;  // the last node of each level
  tree.BeginUpdate();
  for (size_t i = 0; i < nodes.size(); ++i) {
    const CategoryNode& entry = nodes[i];
    path.resize(static_cast<size_t>(entry.level));
    const bool hasChildren = i + 1 < nodes.size() && nodes[i + 1].level > entry.level;
    const int selectedIndex = entry.level == 0
                                  ? kRootSelectedIndex
                                  : (hasChildren ? kGroupSelectedIndex : kLeafSelectedIndex);
    path.push_back(
        tree.Add(path.empty() ? nullptr : path.back(), entry.text, entry.pageId, selectedIndex));
  }
  tree.EndUpdate();
}

std::vector<std::string_view> NodesRemovedOn(int windowsVersion) {
  std::vector<std::string_view> texts = {"Programme Kläne zuweisen"};
  if (windowsVersion == 3) {
    for (std::string_view text :
         {"DMA-Modus", "Dateien & Ordner", "Shellicon ändern", "Tool Tips",
          "Systemordner ins Startmenü einfügen", "Systemdateien sichern", "Laufwerkssymbol ändern",
          "Icons umbenennen", "Bootdiskette erstellen"}) {
      texts.push_back(text);
    }
  } else if (windowsVersion == 1) {
    texts.push_back("Auslagerungsdatei");
    texts.push_back("OEM-Info in der Systemsteuerung");
  }
  return texts;
}

std::map<int, std::string> PagesOfferedOn(int windowsVersion) {
  std::vector<std::string> removed;
  for (const std::string_view text : NodesRemovedOn(windowsVersion)) {
    removed.push_back(base::UpperCase(text));
  }
  std::vector<bool> gone(CategoryNodes().size(), false);
  // As start-up removes them: the first node with the text, and everything below it.
  for (const std::string& text : removed) {
    const auto& nodes = CategoryNodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
      if (gone[i] || base::UpperCase(nodes[i].text) != text) continue;
      for (size_t j = i; j < nodes.size() && (j == i || nodes[j].level > nodes[i].level); ++j) {
        gone[j] = true;
      }
      break;
    }
  }
  std::map<int, std::string> pages;
  for (size_t i = 0; i < gone.size(); ++i) {
    if (!gone[i]) pages.emplace(CategoryNodes()[i].pageId, CategoryNodes()[i].text);
  }
  return pages;
}

ui::TreeNode* FindNodeRoot(const ui::TreeView& tree, std::string_view text) {
  const std::string wanted = base::UpperCase(text);
  for (ui::TreeNode* node = tree.Root(0); node; node = node->Next()) {
    if (base::UpperCase(node->Text()) == wanted) return node;
  }
  return nullptr;
}

namespace {

// Leaves take the icon of their top-level branch.
std::string BranchIcon(const std::string& branch) {
  static const std::pair<const char*, const char*> kIcons[] = {
      {"Bootvorgang", "tree_boot"},         {"Desktop", "tree_desktop"},
      {"Explorer", "tree_explorer"},        {"Hardware", "tree_hardware"},
      {"Internet", "tree_internet"},        {"Sicherheitseinstellungen", "tree_security"},
      {"Systeminformationen", "tree_info"}, {"Windowseinstellungen", "tree_windows"},
  };
  for (const auto& [name, icon] : kIcons) {
    if (branch == name) return icon;
  }
  return "tree_page";
}

}  // namespace

ui::ImageList CategoryTreeIcons() {
  ui::ImageList list;
  list.width = list.height = 16;
  list.pictures.assign(166, page::Icon("tree_page"));
  const auto& nodes = CategoryNodes();
  std::string branch;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const CategoryNode& node = nodes[i];
    if (node.level == 1) branch = node.text;
    const bool group = i + 1 < nodes.size() && nodes[i + 1].level > node.level;
    const auto index = static_cast<size_t>(node.pageId);
    if (node.level == 0) {
      list.pictures[index] = page::Icon("tree_root");
    } else if (group) {
      list.pictures[index] = page::Icon("tree_folder");
    } else {
      list.pictures[index] = page::Icon(BranchIcon(branch));
    }
  }
  list.pictures[static_cast<size_t>(kGroupSelectedIndex)] = page::Icon("tree_folder_open");
  list.pictures[static_cast<size_t>(kLeafSelectedIndex)] = page::Icon("tree_page_selected");
  return list;
}

}  // namespace shell
