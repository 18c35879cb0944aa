// The pages of the "Desktop" branch: context-menu entries of folders, desktop appearance, icons
// and the Start menu.
#include "tweaks/desktop_pages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "os/file_system.h"
#include "page/page_context.h"
#include "page/shapes.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kPoliciesExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kWindowMetrics = "\\Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kDesktop = "\\Control Panel\\Desktop";
constexpr const char* kRecycleBinId = "{645FF040-5081-101B-9F08-00AA002F954E}";

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return base::UpperCase(text).find(base::UpperCase(part)) != std::string::npos;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return base::UpperCase(a) == base::UpperCase(b);
}

ui::ListView* List(page::PageContext& form) {
  return form.ListViews[0];
}

// --- 17 Schnellstartleiste bearbeiten ----------------------------------------------------------

constexpr const char* kFolderShell = "\\Folder\\shell";

void BuildRightClickFolder(page::PageContext& form) {
  BeginPage(form, 17,
            "Hier können Sie dem Kontextmenü von Ordnern (rechte Maustaste) eigene Anwendungen "
            "hinzufügen oder wieder entfernen. Die Anwendung erhält beim Aufruf den Ordner als "
            "Parameter.");
  AddLabel(form, 0, 20, 40,
           "Klicken Sie auf \"Anwendung hinzufügen\" und wählen Sie dann die Datei aus.");
  ui::ListView* list = form.Create(form.ListViews, 0);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetRowSelect(true);
  list->SetReadOnly(true);
  list->AddColumn("Anwendungsname", 150);
  list->AddColumn("Auszuführende Datei", 265);
  form.ListView(0, 20, 60, 420, 120);
  AddButton(form, 0, 20, 190, 150, 25, "Anwendung hinzufügen")->OnClick =
      Action(form, AppRightClickFolder);
  AddButton(form, 1, 180, 190, 150, 25, "Anwendung entfernen")->OnClick =
      Action(form, RemoveRightClickFolder);
  Quietly(form, [&] { GetRightClickFolder(form); });
}

// --- 28 Farbanzahl bei Icons -------------------------------------------------------------------

constexpr std::array<const char*, 4> kIconBits = {"4", "8", "16", "24"};

void BuildMaxIconColors(page::PageContext& form) {
  BuildFlag building(form);
  BeginPage(form, 28,
            "Legen Sie fest, mit wie vielen Farben Windows die Icons darstellt. Mehr Farben "
            "brauchen mehr Speicher für den Icon-Cache. Klicken Sie auf \"Übernehmen\"; die "
            "Änderung wird nach dem nächsten Anmelden sichtbar.");
  ui::GroupBox* group = AddGroupBox(form, 0, 20, 40, 320, 90, "Iconoptionen");
  const std::array<const char*, 4> captions = {"4 Bit = 16 Farben", "8 Bit = 256 Farben",
                                               "16 Bit = 65000 Farben (High Color)",
                                               "24 Bit = 16000000 Farben (True Color)"};
  for (int i = 0; i < 4; ++i) {
    AddRadioButton(form, i, 15, 20 + 15 * i, 290, captions[static_cast<size_t>(i)], group);
  }
  Quietly(form, [&] { GetMaxIconColors(form); });
  BindWriter(form, MaxIconColor);
}

// --- 29 Quickinfo für Icons --------------------------------------------------------------------

CheckSetting InfoTipSetting() {
  return NumberCheck(
      "Quickinfo-Infotexte bei Icons auf Desktop anzeigen",
      {1, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "ShowInfoTip"});
}

void BuildInfoTip(page::PageContext& form) {
  BuildFlag building(form);
  BeginPage(form, 29,
            "Zeigt beim Überfahren eines Icons auf dem Desktop mit der Maus einen kurzen "
            "Infotext an. Klicken Sie auf \"Übernehmen\", um die Einstellung zu speichern.");
  const CheckSetting setting = InfoTipSetting();
  AddCheckBox(form, 0, 20, 40, 350, setting.caption);
  ReadCheckBoxes(form, 0, {setting});
  BindWriter(form, RegInfoTip);
}

// --- 30 Hintergrundbild positionieren ----------------------------------------------------------

std::string WallpaperKey(const page::PageContext& form) {
  const std::string user = form.WindowsVersion < 1 ? ".DEFAULT" : form.UserKeyName;
  return user + "\\Control Panel\\Desktop";
}

void BuildWallpaperOrigin(page::PageContext& form) {
  BeginPage(form, 30,
            "Legen Sie fest, wie viele Pixel das Hintergrundbild vom linken und vom oberen "
            "Bildschirmrand entfernt angezeigt wird.\n"
            "Die Änderungen können Sie erst nach einem Neustart bzw. erneutem Einloggen sehen\n"
            "Um die Änderungen rückgängig zu machen, löschen Sie den Text und klicken auf "
            "\"Übernehmen\"");
  AddLabel(form, 0, 20, 43, "Abstand von der linken Bildschirmseite");
  AddEdit(form, 0, 250, 40, 80);
  AddLabel(form, 1, 20, 73, "Abstand von der oberen Bildschirmseite");
  AddEdit(form, 1, 250, 70, 80);
  const std::string key = WallpaperKey(form);
  ReadEdit(form, 0, {{3, key, "WallpaperOriginX"}});
  ReadEdit(form, 1, {{3, key, "WallpaperOriginY"}});
  BindWriter(form, WriteWallpaperOrigin);
}

// --- 31 Darstellung des Hintergrundbildes ------------------------------------------------------

struct WallpaperStyle {
  const char* caption;
  const char* style;
  const char* tile;
};
constexpr std::array<WallpaperStyle, 3> kWallpaperStyles = {{
    {"Hintergrundbild zentriert anzeigen", "0", "0"},
    {"Hintergrundbild nebeneinander anzeigen", "0", "1"},
    {"Hintergrundbild gestreckt anzeigen", "2", "0"},
}};

void BuildWallpaperStyle(page::PageContext& form) {
  BeginPage(form, 31,
            "Bestimmen Sie, wie das Hintergrundbild auf dem Desktop angezeigt wird: zentriert, "
            "nebeneinander (gekachelt) oder auf die Bildschirmgröße gestreckt. Klicken Sie auf "
            "\"Übernehmen\".");
  for (int i = 0; i < 3; ++i) {
    AddRadioButton(form, i, 40, 40 + 15 * i, 300, kWallpaperStyles[static_cast<size_t>(i)].caption);
  }
  Quietly(form, [&] { GEtWallpaperStyle(form); });
  BindWriter(form, WriteWallpaperStyle);
}

// --- 32 Windows Versionsnummer anzeigen --------------------------------------------------------

CheckSetting BuildNumberSetting() {
  return NumberCheck("Anzeigen der Versionsnummer auf dem Desktop",
                     {1, kDesktop, "PaintDesktopVersion"});
}

void BuildShowBuildNumber(page::PageContext& form) {
  BeginPage(form, 32,
            "Blendet die Windows-Versionsnummer mit der Build-Nummer unten rechts auf dem "
            "Desktop ein. Klicken Sie auf \"Übernehmen\"; die Änderung wird nach dem nächsten "
            "Anmelden sichtbar.");
  AddLabel(form, 0, 20, 40,
           "Aktuelle Versionsnummer unten rechts auf den Desktop einblenden lassen");
  const CheckSetting setting = BuildNumberSetting();
  AddCheckBox(form, 0, 20, 65, 350, setting.caption);
  ReadCheckBoxes(form, 0, {setting});
  BindWriter(form, ShowBuildNumber);
}

// --- check-box list pages ----------------------------------------------------------------------

std::vector<CheckSetting> DesktopSettings() {
  return PairedChecks(
      {"Einstellungen des Desktops beim Verlassen nicht speichern", "Alle Desktopicons verstecken",
       "Icon Netzwerk auf dem Desktop nicht mehr angezeien",
       "Display-Menü auf Desktop oder Explorer deaktivieren",
       "keine Active-Desktop Einstellungen benutzen (HTML-Seiten) ",
       "Einstellungsmöglichkeiten vom Active-Desktop deaktiviert"},
      1, kPoliciesExplorer,
      {"NoSaveSettings", "NoDesktop", "NoNetHood", "NoViewContextMenu", "NoInternetIcon",
       "NoDesktopUpdate"});
}

// The first two settings of the Active Desktop page live in the Explorer policies, the others
// in the Active Desktop policies.
constexpr size_t kActiveDesktopExplorerItems = 2;

std::vector<CheckSetting> ActiveDesktopSettings() {
  std::vector<CheckSetting> settings =
      PairedChecks({"Active Desktop deaktivieren", "Änderungen am Active Desktop verhindern"}, 1,
                   kPoliciesExplorer, {"NoActiveDesktop", "NoActiveDesktopChanges"});
  for (CheckSetting& setting : PairedChecks(
           {"Alle Desktopelemente deaktivieren", "Hinzufügen von Desktopelementen verhindern",
            "Löschen von Desktopelementen verhindern", "Bearbeiten von Desktopelementen verhindern",
            "Schließen von Desktopelementen verhindern", "Nur Bitmaps als Hintergrundbild zulassen",
            "Ändern des Hintergrundbildes verhindern",
            "Schließen von Symbolleisten auf dem Desktop verhindern",
            "Verschieben von Symbolleisten verhindern"},
           1, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop",
           {"NoComponents", "NoAddingComponents", "NoDeletingComponents", "NoEditingComponents",
            "NoClosingComponents", "NoHTMLWallpaper", "NoChangingWallpaper", "NoCloseDragDropBands",
            "NoMovingBands"})) {
    settings.push_back(std::move(setting));
  }
  return settings;
}

std::vector<CheckSetting> StartMenuSettings() {
  const std::string advanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
  const std::string menuOrder =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
  // Windows keeps the user's own order of the Start menu in "Order"; without it the menu is
  // sorted, so "sorted" means the value is gone.
  CheckSetting sorted;
  sorted.caption = "Einträge im Startmenü sortieren";
  sorted.read = [menuOrder](page::PageContext& form) {
    return form.ReadReg(1, menuOrder, "Order", "b").empty();
  };
  sorted.write = [menuOrder](page::PageContext& form, bool checked) {
    if (checked) form.DeleteReg(1, menuOrder, "Order", "v");
  };
  return {
      TextCheck("Startmenüeinträge zum Scrollen anzeigen", {1, advanced, "StartMenuScrollPrograms"},
                "s", "YES", "YES", "NO"),
      NumberCheck("Eintrag \"Username abmelden\" im Startmenü anzeigen",
                  {1, advanced, "StartMenuLogoff"}),
      NumberCheck("Favoriten Menü im Startmenü anzeigen / 2000",
                  {1, advanced, "StartMenuFavorites"}),
      TextCheck("Selten gebrauchten Menüpunkte anzeigen/ 2000", {1, advanced, "IntelliMenus"}, "s",
                "YES", "YES", "NO"),
      sorted,
      NumberCheck("Ordner \"Dokumente\" beim Herunterfahren leeren",
                  {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                   "ClearRecentDocsOnExit"}),
  };
}

std::vector<CheckSetting> DesktopRestrictions() {
  return PairedChecks(
      {"Suchen im Startmenü nicht angezeigen", "Ausführen im Startmenü nicht angezeigen",
       "Systemsteuerung und Drucker im Startmenü nicht angezeigen",
       "Beenden im Startmenü nicht angezeigen", "Unterordner im Startmenü nicht angezeigen",
       "Einstellungen -> Task-Leiste im Startmenü nicht angezeigen",
       "Allgemeine Programmgruppen im Startmenü nicht angezeigen /NT", "Startbanner deaktivieren",
       "Kein animierter Startbutton (Klicken Sie hier....)",
       "Ordneroptionen in Start ->Einstellungen verbergen", "Dokumente nicht angezeigen",
       "Favoriten im Startmenü verbergen", "START-Menu verbergen", "Windows Update verbergen",
       "USER Abmelden verbergen", "Hilfe verbergen", "Eigenschaften im Kontextmenü verbergen",
       "Dokumente verbergen", "Eigene Dateien in Start -> Dokumente verbergen / Win2000"},
      1, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
      {"NoFind", "NoRun", "NoSetFolders", "NoClose", "NoStartMenuSubFolders", "NoSetTaskbar",
       "NoCommonGroups", "NoBanner", "NoStartBanner", "NoFolderOptions", "NoRecentDocsMenu",
       "NoFavoritesMenu", "NoChangeStartMenu", "NoWindowsUpdate", "NoLogoff", "NoSMHelp",
       "NoControlPanel", "NoRecentDocsHistory", "NoSMMyDocs"});
}

// --- 43 Iconbug beheben ------------------------------------------------------------------------

constexpr const char* kExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer";
constexpr int kMinCachedIcons = 512;

void BuildMaxCachedIcons(page::PageContext& form) {
  BeginPage(form, 43,
            "Werden Icons falsch oder vertauscht angezeigt, ist oft der Icon-Cache zu klein. "
            "Stellen Sie mit dem Schieberegler ein, wie viele Icons Windows zwischenspeichert "
            "(Standard : 512), und klicken Sie auf \"Übernehmen\".");
  AddSlider(form, 0, kMinCachedIcons, 8192, kMinCachedIcons, 30, 120, 340, 23);
  AddLabel(form, 0, 30, 143, "512");
  AddLabel(form, 1, 180, 143, kNoValue);
  AddLabel(form, 2, 340, 143, "8192");
  AddDeleteBox(form, 0, 70, 170, 340, "IconCache-Eintrag aus Registrierung entfernen",
               DelRegIconCache);
  Quietly(form, [&] { GetMaxCachedIcons(form); });
  BindWriter(form, WriteMaxCachedIcons);
  form.Sliders[0]->OnChange = Action(form, TrackMaxCachedIcons);
}

// --- 49 Icons umbenennen -----------------------------------------------------------------------

std::string RecycleBinMachineKey() {
  return std::string("SOFTWARE\\Classes\\CLSID\\") + kRecycleBinId;
}
std::string RecycleBinUserKey(const page::PageContext& form) {
  return form.UserKeyName + "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" +
         kRecycleBinId;
}
constexpr const char* kPrinterNameKey =
    "SOFTWARE\\Classes\\CLSID\\{2227A280-3AEA-1069-A2DE-08002B30309D}";
constexpr const char* kControlPanelNameKey =
    "SOFTWARE\\Classes\\CLSID\\{21EC2020-3AEA-1069-A2DD-08002B30309D}";
constexpr const char* kRecycleBinFolderKey =
    "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder";
constexpr const char* kRenameAllowed = "70 01 00 20";
constexpr const char* kRenameDenied = "40 01 00 20";

void BuildDesktopIconNames(page::PageContext& form) {
  BeginPage(form, 49,
            "Geben Sie neue Namen für die Desktopicons Papierkorb und Drucker ein und klicken "
            "Sie auf \"Übernehmen\". Ein leeres Feld lässt den bisherigen Namen stehen. Mit der "
            "Option unten kann der Papierkorb direkt auf dem Desktop umbenannt werden.");
  AddLabel(form, 0, 20, 43, "Papierkorb");
  AddEdit(form, 0, 130, 40, 250);
  AddLabel(form, 1, 20, 73, "Drucker");
  AddEdit(form, 1, 130, 70, 250);
  AddLabel(form, 2, 20, 103, "Systemsteuerung");
  AddEdit(form, 2, 130, 100, 250)->SetReadOnly(true);
  AddCheckBox(form, 0, 20, 140, 350, "Papierkorb auf dem Desktop direkt umbenennen");
  Quietly(form, [&] { GetDesktopIconNames(form); });
  BindWriter(form, WriteDesktopIconNames);
}

// --- 50 Systemordner auf Desktop ---------------------------------------------------------------

struct FolderLink {
  const char* caption;  // also the folder's display name
  const char* id;
};
constexpr std::array<FolderLink, 11> kDesktopLinks = {{
    {"DFUe-Netzwerk", "{992CFFA0-F557-101A-88EC-00DD010CCC48}"},
    {"Drucker", "{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {"Systemsteuerung", "{21EC2020-3AEA-1069-A2DD-08002B30309D}"},
    {"Arbeitsplatz", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"Netzwerkumgebung", "{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
    {"Papierkorb", "{645FF040-5081-101B-9F08-00AA002F954E}"},
    {"Mailprogramm", "{00020D75-0000-0000-C000-000000000046}"},
    {"InternetCache", "{7BD29E00-76C1-11CF-9DD0-00A0C9034933}"},
    {"Aktenkoffer", "{85BBD920-42A0-1069-A2E4-08002B30309D}"},
    {"URL-Verlauf", "{FF393560-C2A7-11CF-BFF4-444553540000}"},
    {"Schriftarten", "{BD84B380-8CA2-1069-AB1D-08000948F534}"},
}};

constexpr int kDesktopDirectory = 0x10;

// The names of the desktop folder's entries (without "." and "..").
std::vector<std::string> DesktopEntries(page::PageContext& form, const std::string& desktop) {
  std::vector<std::string> names;
  if (desktop.empty()) return names;
  const auto entries = form.services.files.ListDirectory(desktop);
  if (!entries) return names;
  for (const os::DirEntry& entry : *entries) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  return names;
}

void BuildDesktopLinks(page::PageContext& form) {
  BeginPage(form, 50,
            "Legen Sie auf dem Desktop Verknüpfungen zu Systemordnern an: markieren Sie die "
            "gewünschten Ordner und klicken Sie auf \"Übernehmen\". Nicht markierte Ordner "
            "werden vom Desktop entfernt.");
  AddLabel(form, 0, 20, 40, "Diese Systemordner auf dem Desktop anzeigen");
  AddCheckList(form, 0, 20, 60, 420, 150);
  Quietly(form, [&] { GetDesktopLinks(form); });
  BindWriter(form, WriteDesktopLinks);
}

// --- 73 Systemordner ins Startmenü einfügen ----------------------------------------------------

constexpr std::array<const char*, 6> kStartMenuFolderItems = {
    "Arbeitsplatz ins Startmenü einfügen",  "Drucker ins Startmenü einfügen",
    "Schriftarten ins Startmenü einfügen",  "Papierkorb ins Startmenü einfügen",
    "DFUe-Netzwerk ins Startmenü einfügen", "IE-History ins Startmenü einfügen"};
// Item i stands for folder i.
constexpr std::array<const char*, 7> kStartMenuFolders = {
    "Arbeitsplatz.{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
    "Drucker.{2227A280-3AEA-1069-A2DE-08002B30309D}",
    "Schriftarten.{BD84B380-8CA2-1069-AB1D-08000948F534}",
    "Papierkorb.{645FF040-5081-101B-9F08-00AA002F954E}",
    "Systemsteuerung.{21EC2020-3AEA-1069-A2DD-08002B30309D}",
    "DFÜ Netzwerk.{992CFFA0-F557-101A-88EC-00DD010CCC48}",
    "IEHistory.{FF393560-C2A7-11CF-BFF4-444553540000}"};

std::string AllUsersStartMenu(const page::PageContext& form) {
  switch (form.WindowsVersion) {
    case 0:
      return form.WindowsDir + "\\Startmenü";
    case 1:
      return form.WindowsDir + "\\Profiles\\All Users\\Startmenü";
    default:
      return form.AllUsersProfileDir + "\\Startmenü";
  }
}

void BuildDesktopSystemordner(page::PageContext& form) {
  BeginPage(form, 73,
            "Fügen Sie Systemordner als aufklappbare Menüs in das Startmenü aller Benutzer ein: "
            "markieren Sie die Ordner und klicken Sie auf \"Übernehmen\". Nicht markierte "
            "Ordner werden wieder entfernt.");
  AddCheckList(form, 0, 20, 40, 420, 130);
  Quietly(form, [&] { GetDesktopSystemordner(form); });
  BindWriter(form, WriteDesktopSystemordner);
}

// --- 74 Aufklappzeit von Fenstern --------------------------------------------------------------

void BuildMenuDelay(page::PageContext& form) {
  BeginPage(form, 74,
            "Bestimmen Sie, wie lange Windows wartet, bis ein Untermenü (zum Beispiel im "
            "Startmenü) aufklappt. Je kleiner der Wert, desto schneller öffnen sich die Menüs. "
            "Klicken Sie auf \"Übernehmen\".");
  AddLabel(form, 0, 30, 40, "(Angaben in Millisekunden->400ms WindowsStandadard )");
  AddSlider(form, 0, 1, 2000, 100, 30, 65, 340, 23);
  AddLabel(form, 1, 180, 90, kNoValue);
  AddLabel(form, 2, 340, 90, "2000");
  AddDeleteBox(form, 0, 70, 120, 340, "Eintrag wieder löschen", DeleteMenuDelay);
  Quietly(form, [&] { FensterAufklappInit(form); });
  BindWriter(form, WriteMenuDelay);
  form.Sliders[0]->OnChange = Action(form, TrackMenuDelay);
}

// --- 75 Abstand der Desktopicons ---------------------------------------------------------------

constexpr int kPreviewLeft = 10;
constexpr int kPreviewIcon = 32;

// The registry holds the spacing as negative twips, the sliders show pixels.
int SpacingToPixels(std::string_view stored) {
  const int64_t twips = base::StrToInt(stored);
  return static_cast<int>((-twips - 495) * 150 / 2235 + 1);
}
std::string PixelsToSpacing(int pixels) {
  return base::IntToStr(-495 - (static_cast<int64_t>(pixels) * 2235) / 150);
}

void BuildAbstandIcons(page::PageContext& form) {
  BuildFlag building(form);
  BeginPage(form, 75, "");
  form.SharedIcon = ui::Picture::Icon(form.SystemDir + "shell32.dll", 3);
  ui::Panel* preview = form.PagePanel->Add<ui::Panel>();
  preview->SetName("IconPreview");
  preview->SetBevelOuter(ui::BevelCut::Lowered);
  preview->SetColor(ui::clTeal);
  preview->SetBounds({20, 40, 210, 250});
  for (int i = 0; i < 9; ++i) form.Create(form.Images, i, preview);

  AddLabel(form, 0, 250, 42, "Horizontaler Abstand (x-Achse)");
  AddSlider(form, 1, 1, 200, 66, 250, 60, 220, 23);
  AddLabel(form, 1, 250, 85, "32");
  AddLabel(form, 2, 450, 85, "200");
  AddLabel(form, 3, 250, 112, "Vertikaler Abstand (y-Achse)");
  AddSlider(form, 0, 1, 200, 42, 250, 130, 220, 23);
  AddLabel(form, 4, 250, 155, "32");
  AddLabel(form, 5, 450, 155, "200");
  AddLabel(form, 6, 20, 300, "Windows Standard -> x-Achse : 66; y-Achse : 42");
  AddButton(form, 0, 250, 190, 100, 25, "Übernehmen")->OnClick = Action(form, AbstandIcons);

  form.Sliders[0]->OnChange = Action(form, TrackBaryChange);
  form.Sliders[1]->OnChange = Action(form, TrackBarxChange);
  Quietly(form, [&] { GetAbstandIcons(form); });
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

// --- 77 Iconeinstellungen ----------------------------------------------------------------------

constexpr const char* kDesktopNoSlash = "Control Panel\\Desktop";
constexpr const char* kDefaultIconFont = "MS Sans Serif";

// The font edit shows "name, size"; a missing size shows the name alone.
std::string FontText(const std::string& name, const std::string& size) {
  return size.empty() ? name : name + ", " + size;
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// Splits "name, size" at the last comma when a number follows it.
void ParseFontText(std::string_view text, std::string& name, std::optional<int>& size) {
  size.reset();
  name = Trim(text);
  const size_t comma = text.rfind(',');
  if (comma == std::string_view::npos) return;
  int32_t number = 0;
  if (!base::TryStrToInt(Trim(text.substr(comma + 1)), number)) return;
  name = Trim(text.substr(0, comma));
  size = number;
}

std::string QuickLaunchFolder(const page::PageContext& form) {
  switch (form.WindowsVersion) {
    case 0:
      return form.WindowsDir + "\\Anwendungsdaten\\Microsoft\\Internet Explorer\\Quick Launch";
    case 1:
      return form.WindowsDir +
             "\\Profiles\\All Users\\Anwendungsdaten\\Microsoft\\Internet Explorer\\Quick Launch";
    default:
      return form.AppDataDir + "\\Microsoft\\Internet Explorer\\Quick Launch";
  }
}

constexpr const char* kShowDesktopFile =
    "[Shell]\r\nCommand=2\r\nIconFile=explorer.exe,3\r\n[Taskbar]\r\nCommand=ToggleDesktop\r\n";

std::vector<CheckSetting> IconSettings() {
  CheckSetting showDesktop;
  showDesktop.caption = "Icon \"Desktop anzeigen\" wieder herstellen";
  // A one-off repair, not a state: the item starts unchecked on every visit.
  showDesktop.read = [](page::PageContext&) { return false; };
  showDesktop.write = [](page::PageContext& form, bool checked) {
    if (!checked) return;
    form.services.files.WriteFile(QuickLaunchFolder(form) + "\\Desktop anzeigen.SCF",
                                  kShowDesktopFile);
  };
  return {
      NumberCheck("Icon-Symboltitel umbrechen", {1, kDesktopNoSlash, "IconTitleWrap"}, "s"),
      NumberCheck("Icon-Texte fett angezeigen", {1, kDesktopNoSlash, "IconTitleStyle"}, "s"),
      TextCheck("Schriftzug \"Verknüpfung mit...\" ausblenden",
                {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "Link"}, "b",
                "01 00 00 00", "00 00 00 00", "01 00 00 00"),
      showDesktop,
  };
}

void BuildIconSettings(page::PageContext& form) {
  BeginPage(form, 77,
            "Legen Sie Schriftart und Größe der Symboltitel auf dem Desktop fest und wie die "
            "Icons beschriftet werden. Klicken Sie auf \"Übernehmen\"; die Änderungen werden "
            "nach dem nächsten Anmelden sichtbar.");
  AddLabel(form, 0, 20, 40,
           "Schriftart bzw. Größe  für Symboltitel (Standard : MS Sans Serif / Größe : 8)");
  AddEdit(form, 0, 20, 60, 250);
  AddButton(form, 0, 275, 60, 25, 21, "...")->OnClick = Action(form, IconFontDia);
  AddCheckList(form, 0, 20, 95, 420, 90);
  Quietly(form, [&] { GetIconSettings_2(form); });
  BindWriter(form, WriteIconSettings);
}

// --- 146 Icongröße auf Desktop -----------------------------------------------------------------

void BuildDesktopIconSize(page::PageContext& form) {
  BeginPage(form, 146,
            "Große Icons sind leichter zu treffen, kleine lassen mehr Platz auf dem Desktop. "
            "Stellen Sie die Größe mit dem Schieberegler ein und klicken Sie auf "
            "\"Übernehmen\"; die Änderung wird nach dem nächsten Anmelden sichtbar.");
  AddLabel(form, 0, 20, 40, "Bestimmen Sie die Größe der Icons auf dem Desktop (Standard :32x32)");
  AddLabel(form, 3, 30, 70, "Größe der Icons auf dem Desktop");
  AddSlider(form, 0, 1, 100, 32, 30, 90, 340, 23);
  AddLabel(form, 1, 180, 115, "32");
  AddLabel(form, 2, 340, 115, "100");
  // The value label follows the slider from the start, so it shows the stored size too.
  form.Sliders[0]->OnChange = Action(form, TrackMenuDelay);
  Quietly(form, [&] { GetDesktopIconSize(form); });
  BindWriter(form, WriteDesktopIconSize);
}

// --- 162 Verknüpfungspfeil ---------------------------------------------------------------------

constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr int kCustomArrow = 3;

std::array<std::string, 3> ArrowValues(const page::PageContext& form) {
  return {form.WindowsDir + "\\SYSTEM32\\Shell32.dll,29", form.InstallDir + "\\SmallShortCut.Ico,0",
          form.InstallDir + "\\NoShortCut.Ico,0"};
}

void BuildShortCut(page::PageContext& form) {
  BuildFlag building(form);
  BeginPage(form, 162,
            "Bestimmen Sie, wie der kleine Pfeil auf Verknüpfungen aussieht: der Windows-Pfeil, "
            "ein kleinerer Pfeil, gar kein Pfeil oder ein Symbol Ihrer Wahl. Klicken Sie auf "
            "\"Übernehmen\"; die Änderung wird nach dem Neuaufbau der Icons sichtbar.");
  const std::array<const char*, 4> captions = {"normaler Pfeil (Standardpfeil)", "kleiner Pfeil",
                                               "kein Pfeil", "Benutzerdefinierter Pfeil"};
  for (int i = 0; i < 4; ++i) {
    // Windows shows its own arrow while nothing is stored.
    AddRadioButton(form, i, 40, 40 + 15 * i, 250, captions[static_cast<size_t>(i)], nullptr, i == 0)
        ->OnClick = Action(form, BenutzerdefPfeil);
  }
  AddEdit(form, 0, 60, 105, 300);
  AddButton(form, 0, 365, 105, 25, 21, "...")->OnClick = Action(form, PfeilDialog);
  Quietly(form, [&] { GetShortCut(form); });
  BenutzerdefPfeil(form);
  BindWriter(form, SetShortCut);
}

}  // namespace

// --- 17 ------------------------------------------------------------------------------------------

void GetRightClickFolder(page::PageContext& form) {
  ui::ListView* list = List(form);
  if (!list) return;
  list->Clear();
  std::vector<std::string> names;
  WithExistingKey(
      form, 0, kFolderShell, [&](sysaccess::TRegistry& reg) { names = reg.GetKeyNames(); },
      kReadOnlyKey);
  for (const std::string& name : names) {
    ui::ListItem* item = list->Add(name);
    item->AddSubItem(
        form.ReadReg(0, std::string(kFolderShell) + "\\" + name + "\\command", "", "s"));
  }
}

void AppRightClickFolder(page::PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Alle Dateien (*.*)|*.*";
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (!path || path->empty()) return;
  const size_t slash = path->rfind('\\');
  std::string name = slash == std::string::npos ? *path : path->substr(slash + 1);
  name = name.substr(0, name.find('.'));
  // A file name that starts with a dot leaves no entry name.
  if (name.empty()) return;
  form.WriteReg(0, std::string(kFolderShell) + "\\" + name + "\\command", "", *path, "s");
  GetRightClickFolder(form);
}

void RemoveRightClickFolder(page::PageContext& form) {
  ui::ListView* list = List(form);
  const ui::ListItem* item = list ? list->Selected() : nullptr;
  if (!item) return;
  const std::string name = item->Caption();
  if (!form.Confirm(
          "Wollen Sie die Anwendung\n" + name + "\nwirklich aus der Schnellstartleiste entfernen ?",
          "Änderung bestätigen")) {
    return;
  }
  form.DeleteReg(0, kFolderShell, name, "k");
  GetRightClickFolder(form);
}

// --- 28 ------------------------------------------------------------------------------------------

void GetMaxIconColors(page::PageContext& form) {
  WithExistingKey(
      form, 1, kWindowMetrics,
      [&](sysaccess::TRegistry& reg) {
        const std::string bits = reg.ReadString("Shell Icon BPP");
        for (size_t i = 0; i < kIconBits.size(); ++i) {
          if (bits == kIconBits[i] && form.RadioButtons[i]) form.RadioButtons[i]->SetChecked(true);
        }
      },
      kReadOnlyKey);
}

void MaxIconColor(page::PageContext& form) {
  const int checked = CheckedRadio(form, 0, static_cast<int>(kIconBits.size()));
  if (checked >= 0) {
    WithExistingKey(form, 1, kWindowMetrics, [&](sysaccess::TRegistry& reg) {
      reg.WriteString("Shell Icon BPP", kIconBits[static_cast<size_t>(checked)]);
    });
  }
  form.ReportApplied();
}

// --- 29, 32 --------------------------------------------------------------------------------------

void RegInfoTip(page::PageContext& form) {
  WriteCheckBoxes(form, 0, {InfoTipSetting()});
  form.ReportApplied();
}

void ShowBuildNumber(page::PageContext& form) {
  WriteCheckBoxes(form, 0, {BuildNumberSetting()});
  form.ReportApplied();
}

// --- 30 ------------------------------------------------------------------------------------------

void WriteWallpaperOrigin(page::PageContext& form) {
  const std::string key = WallpaperKey(form);
  const std::string x = form.Edits[0]->Text();
  const std::string y = form.Edits[1]->Text();
  if (x.empty() && y.empty()) {
    WithExistingKey(form, 3, key, [](sysaccess::TRegistry& reg) {
      for (const char* name : {"WallpaperOriginX", "WallpaperOriginY"}) {
        if (reg.ValueExists(name)) reg.DeleteValue(name);
      }
    });
  } else {
    form.WriteReg(3, key, "WallpaperOriginX", x, "s");
    form.WriteReg(3, key, "WallpaperOriginY", y, "s");
    form.WriteReg(3, key, "TileWallpaper", "0", "s");
  }
  form.ReportApplied();
}

// --- 31 ------------------------------------------------------------------------------------------

void GEtWallpaperStyle(page::PageContext& form) {
  const std::string style = form.ReadReg(1, "Control Panel\\Desktop", "WallpaperStyle", "s");
  const std::string tile = form.ReadReg(1, "Control Panel\\Desktop", "TileWallpaper", "s");
  for (size_t i = 0; i < kWallpaperStyles.size(); ++i) {
    // Windows 2000 knows the stretched picture by the style; elsewhere the tile value decides.
    const bool match = form.WindowsVersion == 2
                           ? style == kWallpaperStyles[i].style && tile == kWallpaperStyles[i].tile
                           : tile == base::IntToStr(static_cast<int64_t>(i));
    if (match) {
      form.RadioButtons[i]->SetChecked(true);
      return;
    }
  }
}

void WriteWallpaperStyle(page::PageContext& form) {
  const int checked = CheckedRadio(form, 0, static_cast<int>(kWallpaperStyles.size()));
  if (checked >= 0) {
    const WallpaperStyle& pair = kWallpaperStyles[static_cast<size_t>(checked)];
    form.WriteReg(1, "Control Panel\\Desktop", "WallpaperStyle", pair.style, "s");
    form.WriteReg(1, "Control Panel\\Desktop", "TileWallpaper", pair.tile, "s");
  }
  form.ReportApplied();
}

// --- 42, 53, 72, 76 ------------------------------------------------------------------------------

void GetDesktopEinstellungen(page::PageContext& form) {
  FillChecks(form, *List(form), DesktopSettings());
}

void WriteDesktopEinstellunen1(page::PageContext& form) {
  ApplyChecks(form, *List(form), DesktopSettings());
}

void GetActiveDesktop(page::PageContext& form) {
  const auto settings = ActiveDesktopSettings();
  AddCheckItems(*List(form), settings);
  const std::vector<CheckSetting> explorer(settings.begin(),
                                           settings.begin() + kActiveDesktopExplorerItems);
  ReadChecks(form, *List(form), explorer);
  GetActiveDesktop1(form);
}

void GetActiveDesktop1(page::PageContext& form) {
  const auto settings = ActiveDesktopSettings();
  ui::ListView& list = *List(form);
  for (size_t i = kActiveDesktopExplorerItems; i < settings.size(); ++i) {
    ui::ListItem* item = list.Item(static_cast<int>(i));
    if (!item) return;
    Quietly(form, [&] {
      if (settings[i].read(form)) item->SetChecked(true);
    });
  }
}

void WriteActiveDesktop(page::PageContext& form) {
  ApplyChecks(form, *List(form), ActiveDesktopSettings());
}

void GetStartMenu1(page::PageContext& form) {
  FillChecks(form, *List(form), StartMenuSettings());
}

void WriteStartMenu1(page::PageContext& form) {
  ApplyChecks(form, *List(form), StartMenuSettings());
}

void GetDesktopRestriction(page::PageContext& form) {
  FillChecks(form, *List(form), DesktopRestrictions());
}

void WriteDesktopRestriction(page::PageContext& form) {
  ApplyChecks(form, *List(form), DesktopRestrictions());
}

// --- 43 ------------------------------------------------------------------------------------------

void GetMaxCachedIcons(page::PageContext& form) {
  ui::Slider* slider = form.Sliders[0];
  slider->SetMin(kMinCachedIcons);
  if (ReadSlider(form, 0, {{1, kExplorerKey, "Max Cached Icons"}})) {
    form.Labels[1]->SetCaption(base::IntToStr(slider->Value()));
  }
}

void TrackMaxCachedIcons(page::PageContext& form) {
  form.Sliders[0]->SetMin(kMinCachedIcons);
  form.Labels[1]->SetCaption(base::IntToStr(form.Sliders[0]->Value()));
}

void WriteMaxCachedIcons(page::PageContext& form) {
  WriteSlider(form, 0, {{1, kExplorerKey, "Max Cached Icons"}});
  form.ReportApplied();
}

void DelRegIconCache(page::PageContext& form) {
  if (!ConfirmDelete(form, form.CheckBoxes[0])) return;
  WithExistingKey(form, 1, kExplorerKey, [](sysaccess::TRegistry& reg) {
    if (reg.ValueExists("Max Cached Icons")) reg.DeleteValue("Max Cached Icons");
  });
  form.Sliders[0]->SetValue(kMinCachedIcons);
  form.Labels[1]->SetCaption(kNoValue);
}

// --- 49 ------------------------------------------------------------------------------------------

void GetDesktopIconNames(page::PageContext& form) {
  std::string recycleBin;
  if (form.WindowsVersion == 2) recycleBin = form.ReadReg(3, RecycleBinUserKey(form), "", "s");
  if (recycleBin.empty()) recycleBin = form.ReadReg(2, RecycleBinMachineKey(), "", "s");
  form.Edits[0]->SetText(recycleBin);
  form.Edits[1]->SetText(form.ReadReg(2, kPrinterNameKey, "", "s"));
  form.Edits[2]->SetText(form.ReadReg(2, kControlPanelNameKey, "", "s"));
  if (form.ReadReg(0, kRecycleBinFolderKey, "Attributes", "b") == kRenameAllowed) {
    form.CheckBoxes[0]->SetChecked(true);
  }
}

void WriteDesktopIconNames(page::PageContext& form) {
  const std::string recycleBin = form.Edits[0]->Text();
  const std::string printer = form.Edits[1]->Text();
  if (form.WindowsVersion == 2) {
    // Without a name of its own the user sees the machine's name again.
    if (recycleBin.empty()) {
      form.DeleteReg(3, RecycleBinUserKey(form), "", "v");
    } else {
      form.WriteReg(3, RecycleBinUserKey(form), "", recycleBin, "s");
    }
  } else if (!recycleBin.empty()) {
    form.WriteReg(2, RecycleBinMachineKey(), "", recycleBin, "s");
  }
  // A nameless icon helps nobody: an empty printer name keeps the stored one.
  if (!printer.empty()) form.WriteReg(2, kPrinterNameKey, "", printer, "s");
  form.WriteReg(0, kRecycleBinFolderKey, "Attributes",
                form.CheckBoxes[0]->Checked() ? kRenameAllowed : kRenameDenied, "b");
  form.ReportApplied();
}

// --- 50 ------------------------------------------------------------------------------------------

void GetDesktopLinks(page::PageContext& form) {
  ui::ListView& list = *List(form);
  for (const FolderLink& link : kDesktopLinks) list.Add(link.caption);
  const std::string desktop = form.services.shell.SpecialFolderPath(kDesktopDirectory);
  const std::vector<std::string> entries = DesktopEntries(form, desktop);
  for (size_t i = 0; i < kDesktopLinks.size(); ++i) {
    for (const std::string& name : entries) {
      if (ContainsNoCase(name, kDesktopLinks[i].id)) {
        list.Item(static_cast<int>(i))->SetChecked(true);
        break;
      }
    }
  }
}

void WriteDesktopLinks(page::PageContext& form) {
  const ui::ListView& list = *List(form);
  const std::string desktop = form.services.shell.SpecialFolderPath(kDesktopDirectory);
  const std::vector<std::string> entries = DesktopEntries(form, desktop);
  const size_t count = std::min(kDesktopLinks.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; !desktop.empty() && i < count; ++i) {
    const FolderLink& link = kDesktopLinks[i];
    std::vector<std::string> existing;
    for (const std::string& name : entries) {
      if (ContainsNoCase(name, link.id)) existing.push_back(name);
    }
    if (list.Item(static_cast<int>(i))->Checked()) {
      // A link to the folder under another name already does the job.
      if (existing.empty()) {
        form.services.files.MakeDirectory(
            os::JoinPath(desktop, std::string(link.caption) + "." + link.id));
      }
    } else {
      // Only empty folders go: a real folder that happens to carry the identifier stays.
      for (const std::string& name : existing) {
        form.services.files.RemoveEmptyDirectory(os::JoinPath(desktop, name));
      }
    }
  }
  form.ReportApplied();
}

// --- 73 ------------------------------------------------------------------------------------------

void GetDesktopSystemordner(page::PageContext& form) {
  ui::ListView& list = *List(form);
  for (const char* caption : kStartMenuFolderItems) list.Add(caption);
  const std::string base = AllUsersStartMenu(form);
  if (!form.services.files.DirectoryExists(base)) {
    AddLabel(form, 1, 20, 180, "Der Startmenü-Ordner " + base + " wurde nicht gefunden.");
    return;
  }
  for (int i = 0; i < list.Count(); ++i) {
    if (form.services.files.DirectoryExists(
            os::JoinPath(base, kStartMenuFolders[static_cast<size_t>(i)]))) {
      list.Item(i)->SetChecked(true);
    }
  }
}

void WriteDesktopSystemordner(page::PageContext& form) {
  const ui::ListView& list = *List(form);
  const std::string base = AllUsersStartMenu(form);
  for (int i = 0; i < list.Count() && i < static_cast<int>(kStartMenuFolders.size()); ++i) {
    const std::string folder = os::JoinPath(base, kStartMenuFolders[static_cast<size_t>(i)]);
    if (list.Item(i)->Checked()) {
      form.services.files.MakeDirectory(folder);
    } else {
      form.services.files.RemoveEmptyDirectory(folder);
    }
  }
  form.ReportApplied();
}

// --- 74 ------------------------------------------------------------------------------------------

void FensterAufklappInit(page::PageContext& form) {
  const std::string delay = form.ReadReg(1, kDesktop, "MenuShowDelay", "s");
  if (delay.empty()) {
    form.Labels[1]->SetCaption("Keine Angabe");
    return;
  }
  form.Sliders[0]->SetValue(base::StrToInt(delay));
  form.Labels[1]->SetCaption(delay + " ms");
}

void WriteMenuDelay(page::PageContext& form) {
  WriteSlider(form, 0, {{1, kDesktop, "MenuShowDelay"}});
  form.ReportApplied();
}

void DeleteMenuDelay(page::PageContext& form) {
  if (!ConfirmDelete(form, form.CheckBoxes[0])) return;
  form.DeleteReg(1, kDesktop, "MenuShowDelay", "v");
  FensterAufklappInit(form);
}

// --- 75 ------------------------------------------------------------------------------------------

void GetAbstandIcons(page::PageContext& form) {
  const std::string horizontal = form.ReadReg(1, kWindowMetrics, "IconSpacing", "s");
  form.Sliders[1]->SetValue(horizontal.empty() ? 66 : SpacingToPixels(horizontal));
  const std::string vertical = form.ReadReg(1, kWindowMetrics, "IconVerticalSpacing", "s");
  form.Sliders[0]->SetValue(vertical.empty() ? 42 : SpacingToPixels(vertical));
}

void AbstandIcons(page::PageContext& form) {
  if (!form.Confirm("Wollen Sie die Icongröße wirklich verändern ?", "Änderung bestätigen")) {
    return;
  }
  form.WriteReg(1, kWindowMetrics, "IconSpacing", PixelsToSpacing(form.Sliders[1]->Value()), "s");
  form.WriteReg(1, kWindowMetrics, "IconVerticalSpacing", PixelsToSpacing(form.Sliders[0]->Value()),
                "s");
  form.ReportApplied();
}

void TrackBaryChange(page::PageContext& form) {
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

void TrackBarxChange(page::PageContext& form) {
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

// --- 77 ------------------------------------------------------------------------------------------

void GetIconSettings_2(page::PageContext& form) {
  std::string face = form.ReadReg(1, kDesktopNoSlash, "IconTitleFaceName", "s");
  if (face.empty()) face = kDefaultIconFont;
  form.Edits[0]->SetText(FontText(face, form.ReadReg(1, kDesktopNoSlash, "IconTitleSize", "s")));
  FillChecks(form, *List(form), IconSettings());
}

void WriteIconSettings(page::PageContext& form) {
  std::string face;
  std::optional<int> size;
  ParseFontText(form.Edits[0]->Text(), face, size);
  if (!face.empty()) form.WriteReg(1, kDesktopNoSlash, "IconTitleFaceName", face, "s");
  if (size) form.WriteReg(1, kDesktopNoSlash, "IconTitleSize", base::IntToStr(*size), "s");
  ApplyChecks(form, *List(form), IconSettings());
}

void IconFontDia(page::PageContext& form) {
  std::string face;
  std::optional<int> size;
  ParseFontText(form.Edits[0]->Text(), face, size);
  ui::Font font;
  if (!face.empty()) font.name = face;
  font.SetSize(size.value_or(8));
  if (!form.Backend().GetDialogs().ChooseFont(font, {})) return;
  form.Edits[0]->SetText(FontText(font.name, base::IntToStr(font.Size())));
}

// --- 146 -----------------------------------------------------------------------------------------

void GetDesktopIconSize(page::PageContext& form) {
  ReadSlider(form, 0, {{1, kWindowMetrics, "Shell Icon Size"}});
}

void WriteDesktopIconSize(page::PageContext& form) {
  WriteSlider(form, 0, {{1, kWindowMetrics, "Shell Icon Size"}});
  form.ReportApplied();
}

// --- 162 -----------------------------------------------------------------------------------------

void GetShortCut(page::PageContext& form) {
  const std::string arrow = form.ReadReg(2, kShellIcons, "29", "s");
  if (arrow.empty()) return;
  const auto values = ArrowValues(form);
  for (size_t i = 0; i < values.size(); ++i) {
    if (EqualsNoCase(arrow, values[i])) {
      form.RadioButtons[i]->SetChecked(true);
      return;
    }
  }
  form.RadioButtons[kCustomArrow]->SetChecked(true);
  form.Edits[0]->SetText(arrow);
}

void SetShortCut(page::PageContext& form) {
  const int checked = CheckedRadio(form, 0, 4);
  std::string arrow;
  if (checked == kCustomArrow) {
    arrow = form.Edits[0]->Text();
    // Without an icon number the file's first icon is meant.
    if (!arrow.empty() && arrow.find(',') == std::string::npos) arrow += ",0";
  } else if (checked >= 0) {
    arrow = ArrowValues(form)[static_cast<size_t>(checked)];
  }
  if (!arrow.empty()) form.WriteReg(2, kShellIcons, "29", arrow, "s");
  form.ReportApplied();
}

void BenutzerdefPfeil(page::PageContext& form) {
  const ui::RadioButton* custom = form.RadioButtons[kCustomArrow];
  const bool enabled = custom && custom->Checked();
  if (form.Edits[0]) form.Edits[0]->SetEnabled(enabled);
  if (form.BitBtns[0]) form.BitBtns[0]->SetEnabled(enabled);
}

void PfeilDialog(page::PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Symbole (*.ico)|*.ico|Alle Dateien (*.*)|*.*";
  options.picture = true;
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (path && !path->empty()) form.Edits[0]->SetText(*path);
}

// --- registration --------------------------------------------------------------------------------

void RegisterDesktopPages(PageTable& table) {
  table.Register(17, BuildRightClickFolder);
  table.Register(28, BuildMaxIconColors);
  table.Register(29, BuildInfoTip);
  table.Register(30, BuildWallpaperOrigin);
  table.Register(31, BuildWallpaperStyle);
  table.Register(32, BuildShowBuildNumber);
  table.Register(34, BuildToolTipsPage);
  table.Register(42, [](page::PageContext& form) {
    BuildCheckListPage(form, 42,
                       "Schränken Sie ein, was auf dem Desktop zu sehen ist und was der Benutzer "
                       "daran ändern darf. Markieren Sie die gewünschten Einschränkungen und "
                       "klicken Sie auf \"Übernehmen\".",
                       "Legen  Sie die Desktopeinstellungen fest", 40, GetDesktopEinstellungen,
                       WriteDesktopEinstellunen1);
  });
  table.Register(43, BuildMaxCachedIcons);
  table.Register(49, BuildDesktopIconNames);
  table.Register(50, BuildDesktopLinks);
  table.Register(53, [](page::PageContext& form) {
    BuildCheckListPage(form, 53,
                       "Legen Sie fest, ob der Active Desktop benutzt werden darf und was der "
                       "Benutzer an seinen Elementen und am Hintergrundbild ändern darf. Klicken "
                       "Sie auf \"Übernehmen\".",
                       "Bestimmen Sie ActiveDesktop - Einstellungen", 40, GetActiveDesktop,
                       WriteActiveDesktop);
  });
  table.Register(72, [](page::PageContext& form) {
    BuildCheckListPage(form, 72,
                       "Bestimmen Sie, welche Einträge das Startmenü zeigt und wie es sich "
                       "verhält. Einträge mit \"2000\" wirken erst ab Windows 2000. Klicken Sie "
                       "auf \"Übernehmen\".",
                       "Bestimmen Sie, was im Startmenü angezeigt wird", 40, GetStartMenu1,
                       WriteStartMenu1);
  });
  table.Register(73, BuildDesktopSystemordner);
  table.Register(74, BuildMenuDelay);
  table.Register(75, BuildAbstandIcons);
  table.Register(76, [](page::PageContext& form) {
    BuildCheckListPage(form, 76,
                       "Blenden Sie Einträge des Startmenüs und des Desktops aus, die der "
                       "Benutzer nicht sehen oder benutzen soll. Klicken Sie auf "
                       "\"Übernehmen\"; die Änderungen wirken nach dem nächsten Anmelden.",
                       "Bestimmen Sie, was auf Ihrem Desktop zu sehen ist", 15,
                       GetDesktopRestriction, WriteDesktopRestriction);
  });
  table.Register(77, BuildIconSettings);
  table.Register(146, BuildDesktopIconSize);
  table.Register(162, BuildShortCut);
}

}  // namespace tweaks
