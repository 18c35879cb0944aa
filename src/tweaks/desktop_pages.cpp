// The pages of the "Desktop" branch: context-menu entries of folders, desktop appearance, icons
// and the Start menu, as page records; what a record cannot say is in the hooks below it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "icons/icon_location.h"
#include "icons/icon_viewer.h"
#include "os/file_system.h"
#include "page/engine.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kPoliciesExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kWindowMetrics = "\\Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kDesktop = "\\Control Panel\\Desktop";
constexpr const char* kDesktopNoSlash = "Control Panel\\Desktop";
constexpr const char* kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return base::UpperCase(text).find(base::UpperCase(part)) != std::string::npos;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return base::UpperCase(a) == base::UpperCase(b);
}

ui::ListView* List(PageContext& form) {
  return form.ListViews[0];
}

// --- 17 Schnellstartleiste bearbeiten ----------------------------------------------------------

constexpr const char* kFolderShell = "\\Folder\\shell";

void GetRightClickFolder(PageContext& form) {
  ui::ListView* list = List(form);
  if (!list) return;
  list->Clear();
  std::vector<std::string> names;
  WithExistingKey(
      form, Root::ClassesRoot, kFolderShell,
      [&](sysaccess::TRegistry& reg) { names = reg.GetKeyNames(); }, kReadOnlyKey);
  for (const std::string& name : names) {
    ui::ListItem* item = list->Add(name);
    item->AddSubItem(form.ReadReg(Root::ClassesRoot,
                                  std::string(kFolderShell) + "\\" + name + "\\command", "",
                                  Kind::String));
  }
}

void AppRightClickFolder(PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Alle Dateien (*.*)|*.*";
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (!path || path->empty()) return;
  const size_t slash = path->rfind('\\');
  std::string name = slash == std::string::npos ? *path : path->substr(slash + 1);
  name = name.substr(0, name.find('.'));
  // A file name that starts with a dot leaves no entry name.
  if (name.empty()) return;
  form.WriteReg(Root::ClassesRoot, std::string(kFolderShell) + "\\" + name + "\\command", "", *path,
                Kind::String);
  GetRightClickFolder(form);
}

void RemoveRightClickFolder(PageContext& form) {
  ui::ListView* list = List(form);
  const ui::ListItem* item = list ? list->Selected() : nullptr;
  if (!item) return;
  const std::string name = item->Caption();
  if (!form.Confirm(
          "Wollen Sie die Anwendung\n" + name + "\nwirklich aus der Schnellstartleiste entfernen ?",
          "Änderung bestätigen")) {
    return;
  }
  form.DeleteReg(Root::ClassesRoot, kFolderShell, name, Removal::Subkey);
  GetRightClickFolder(form);
}

void MakeRightClickList(PageContext& form) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetRowSelect(true);
  list->SetReadOnly(true);
  list->AddColumn("Anwendungsname", 150);
  list->AddColumn("Auszuführende Datei", 265);
  form.ListView(0, 20, 60, 420, 120);
}

// --- 31 Darstellung des Hintergrundbildes ------------------------------------------------------

struct WallpaperStyle {
  const char* style;
  const char* tile;
};
constexpr std::array<WallpaperStyle, 3> kWallpaperStyles = {{{"0", "0"}, {"0", "1"}, {"2", "0"}}};

void GEtWallpaperStyle(PageContext& form) {
  const std::string style =
      form.ReadReg(Root::CurrentUser, kDesktopNoSlash, "WallpaperStyle", Kind::String);
  const std::string tile =
      form.ReadReg(Root::CurrentUser, kDesktopNoSlash, "TileWallpaper", Kind::String);
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

void WriteWallpaperStyle(PageContext& form) {
  const int checked = CheckedRadio(form, 0, static_cast<int>(kWallpaperStyles.size()));
  if (checked < 0) return;
  const WallpaperStyle& pair = kWallpaperStyles[static_cast<size_t>(checked)];
  form.WriteReg(Root::CurrentUser, kDesktopNoSlash, "WallpaperStyle", pair.style, Kind::String);
  form.WriteReg(Root::CurrentUser, kDesktopNoSlash, "TileWallpaper", pair.tile, Kind::String);
}

// --- 30 Hintergrundbild positionieren ----------------------------------------------------------

constexpr const char* kUserDesktop = "{user}\\Control Panel\\Desktop";

void WriteWallpaperOrigin(PageContext& form) {
  const std::string key = ResolveKey(form, kUserDesktop);
  const std::string x = form.Edits[0]->Text();
  const std::string y = form.Edits[1]->Text();
  if (x.empty() && y.empty()) {
    WithExistingKey(form, Root::Users, key, [](sysaccess::TRegistry& reg) {
      for (const char* name : {"WallpaperOriginX", "WallpaperOriginY"}) {
        if (reg.ValueExists(name)) reg.DeleteValue(name);
      }
    });
    return;
  }
  form.WriteReg(Root::Users, key, "WallpaperOriginX", x, Kind::String);
  form.WriteReg(Root::Users, key, "WallpaperOriginY", y, Kind::String);
  form.WriteReg(Root::Users, key, "TileWallpaper", "0", Kind::String);
}

// --- 49 Icons umbenennen -----------------------------------------------------------------------

constexpr const char* kRecycleBinUserKey =
    "{user}\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kRecycleBinMachineKey =
    "SOFTWARE\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kPrinterNameKey =
    "SOFTWARE\\Classes\\CLSID\\{2227A280-3AEA-1069-A2DE-08002B30309D}";

void GetDesktopIconNames(PageContext& form) {
  std::string recycleBin;
  if (form.WindowsVersion == 2) {
    recycleBin = form.ReadReg(Root::Users, ResolveKey(form, kRecycleBinUserKey), "", Kind::String);
  }
  if (recycleBin.empty())
    recycleBin = form.ReadReg(Root::LocalMachine, kRecycleBinMachineKey, "", Kind::String);
  form.Edits[0]->SetText(recycleBin);
}

// Windows 2000 keeps the recycle bin's name per user; an empty edit writes an empty name too.
void WriteRecycleBinName(PageContext& form) {
  const std::string name = form.Edits[0]->Text();
  if (form.WindowsVersion == 2) {
    form.WriteReg(Root::Users, ResolveKey(form, kRecycleBinUserKey), "", name, Kind::String);
  } else {
    form.WriteReg(Root::LocalMachine, kRecycleBinMachineKey, "", name, Kind::String);
  }
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
std::vector<std::string> DesktopEntries(PageContext& form, const std::string& desktop) {
  std::vector<std::string> names;
  if (desktop.empty()) return names;
  const auto entries = form.services.files.ListDirectory(desktop);
  if (!entries) return names;
  for (const os::DirEntry& entry : *entries) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  return names;
}

void GetDesktopLinks(PageContext& form) {
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

// Each item stands for exactly one folder name: checked makes it, unchecked removes it (only
// when empty, so a real folder of that name keeps its files).
void WriteDesktopLinks(PageContext& form) {
  const ui::ListView& list = *List(form);
  const std::string desktop = form.services.shell.SpecialFolderPath(kDesktopDirectory);
  if (desktop.empty()) return;
  const size_t count = std::min(kDesktopLinks.size(), static_cast<size_t>(list.Count()));
  for (size_t i = 0; i < count; ++i) {
    const FolderLink& link = kDesktopLinks[i];
    const std::string folder = os::JoinPath(desktop, std::string(link.caption) + "." + link.id);
    if (list.Item(static_cast<int>(i))->Checked()) {
      form.services.files.MakeDirectory(folder);
    } else {
      form.services.files.RemoveEmptyDirectory(folder);
    }
  }
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

std::string AllUsersStartMenu(const PageContext& form) {
  switch (form.WindowsVersion) {
    case 0:
      return form.WindowsDir + "\\Startmenü";
    case 1:
      return form.WindowsDir + "\\Profiles\\All Users\\Startmenü";
    default:
      return form.AllUsersProfileDir + "\\Startmenü";
  }
}

void GetDesktopSystemordner(PageContext& form) {
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

void WriteDesktopSystemordner(PageContext& form) {
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

void MakeIconPreview(PageContext& form) {
  form.SharedIcon = ui::Picture::Icon(form.SystemDir + "shell32.dll", 3);
  ui::Panel* preview = form.PagePanel->Add<ui::Panel>();
  preview->SetName("IconPreview");
  preview->SetBevelOuter(ui::BevelCut::Lowered);
  preview->SetColor(ui::clTeal);
  preview->SetBounds({20, 40, 210, 250});
  for (int i = 0; i < 9; ++i) form.Create(form.Images, i, preview);
}

void TrackBaryChange(PageContext& form) {
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

void TrackBarxChange(PageContext& form) {
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

void GetAbstandIcons(PageContext& form) {
  const std::string horizontal =
      form.ReadReg(Root::CurrentUser, kWindowMetrics, "IconSpacing", Kind::String);
  form.Sliders[1]->SetValue(horizontal.empty() ? 66 : SpacingToPixels(horizontal));
  const std::string vertical =
      form.ReadReg(Root::CurrentUser, kWindowMetrics, "IconVerticalSpacing", Kind::String);
  form.Sliders[0]->SetValue(vertical.empty() ? 42 : SpacingToPixels(vertical));
}

// The preview follows the sliders; the page's own button writes.
void ShowIconPreview(PageContext& form) {
  form.Sliders[0]->OnChange = Action(form, TrackBaryChange);
  form.Sliders[1]->OnChange = Action(form, TrackBarxChange);
  form.Image_(kPreviewLeft, kPreviewIcon, kPreviewIcon);
}

void AbstandIcons(PageContext& form) {
  if (!form.Confirm("Wollen Sie die Icongröße wirklich verändern ?", "Änderung bestätigen")) {
    return;
  }
  form.WriteReg(Root::CurrentUser, kWindowMetrics, "IconSpacing",
                PixelsToSpacing(form.Sliders[1]->Value()), Kind::String);
  form.WriteReg(Root::CurrentUser, kWindowMetrics, "IconVerticalSpacing",
                PixelsToSpacing(form.Sliders[0]->Value()), Kind::String);
  form.ReportApplied();
}

// --- 77 Iconeinstellungen ----------------------------------------------------------------------

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

std::string QuickLaunchFolder(const PageContext& form) {
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

CheckSetting ShowDesktopIcon() {
  CheckSetting check;
  check.caption = "Icon \"Desktop anzeigen\" wieder herstellen";
  check.oneOff = true;
  // A one-off repair, not a state: the item starts unchecked on every visit.
  check.read = [](PageContext&) { return false; };
  check.write = [](PageContext& form, bool checked) {
    if (!checked) return;
    form.services.files.WriteFile(QuickLaunchFolder(form) + "\\Desktop anzeigen.SCF",
                                  kShowDesktopFile);
  };
  return check;
}

void GetIconFont(PageContext& form) {
  std::string face =
      form.ReadReg(Root::CurrentUser, kDesktopNoSlash, "IconTitleFaceName", Kind::String);
  if (face.empty()) face = kDefaultIconFont;
  form.Edits[0]->SetText(FontText(
      face, form.ReadReg(Root::CurrentUser, kDesktopNoSlash, "IconTitleSize", Kind::String)));
}

void WriteIconFont(PageContext& form) {
  std::string face;
  std::optional<int> size;
  ParseFontText(form.Edits[0]->Text(), face, size);
  if (!face.empty())
    form.WriteReg(Root::CurrentUser, kDesktopNoSlash, "IconTitleFaceName", face, Kind::String);
  if (size)
    form.WriteReg(Root::CurrentUser, kDesktopNoSlash, "IconTitleSize", base::IntToStr(*size),
                  Kind::String);
}

void IconFontDia(PageContext& form) {
  std::string face;
  std::optional<int> size;
  ParseFontText(form.Edits[0]->Text(), face, size);
  ui::Font font;
  if (!face.empty()) font.name = face;
  font.SetSize(size.value_or(8));
  if (!form.Backend().GetDialogs().ChooseFont(font, {})) return;
  form.Edits[0]->SetText(FontText(font.name, base::IntToStr(font.Size())));
}

// --- 162 Verknüpfungspfeil ---------------------------------------------------------------------

constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr int kCustomArrow = 3;

std::array<std::string, 3> ArrowValues(const PageContext& form) {
  return {form.WindowsDir + "\\SYSTEM32\\Shell32.dll,29", form.InstallDir + "\\SmallShortCut.Ico,0",
          form.InstallDir + "\\NoShortCut.Ico,0"};
}

void BenutzerdefPfeil(PageContext& form) {
  const ui::RadioButton* custom = form.RadioButtons[kCustomArrow];
  const bool enabled = custom && custom->Checked();
  if (form.Edits[0]) form.Edits[0]->SetEnabled(enabled);
  if (form.BitBtns[0]) form.BitBtns[0]->SetEnabled(enabled);
}

void BindArrowRadios(PageContext& form) {
  for (size_t i = 0; i < 4; ++i) form.RadioButtons[i]->OnClick = Action(form, BenutzerdefPfeil);
}

void GetShortCut(PageContext& form) {
  const std::string arrow = form.ReadReg(Root::LocalMachine, kShellIcons, "29", Kind::String);
  if (!arrow.empty()) {
    const auto values = ArrowValues(form);
    size_t match = kCustomArrow;
    for (size_t i = 0; i < values.size(); ++i) {
      if (EqualsNoCase(arrow, values[i])) match = i;
    }
    form.RadioButtons[match]->SetChecked(true);
    if (match == kCustomArrow) form.Edits[0]->SetText(arrow);
  }
  BenutzerdefPfeil(form);
}

void SetShortCut(PageContext& form) {
  const int checked = CheckedRadio(form, 0, 4);
  if (checked < 0) return;
  std::string arrow;
  if (checked == kCustomArrow) {
    // Without an icon number the file's first icon is meant (an empty edit stores ",0").
    arrow = form.Edits[0]->Text();
    if (arrow.find(',') == std::string::npos) arrow += ",0";
  } else {
    arrow = ArrowValues(form)[static_cast<size_t>(checked)];
  }
  form.WriteReg(Root::LocalMachine, kShellIcons, "29", arrow, Kind::String);
}

void PfeilDialog(PageContext& form) {
  icons::ShowIconViewer(form, icons::IconPickMode::ShortcutArrow,
                        [&form](const std::string& pickedIcon) {
                          if (form.Edits[0]) form.Edits[0]->SetText(pickedIcon);
                          icons::ExtractTheIcon(form, pickedIcon);
                        });
}

// --- check lists ---------------------------------------------------------------------------------

std::vector<CheckSetting> ActiveDesktopSettings() {
  std::vector<CheckSetting> checks = PairedChecks(
      {"Active Desktop deaktivieren", "Änderungen am Active Desktop verhindern"}, Root::CurrentUser,
      kPoliciesExplorer, {"NoActiveDesktop", "NoActiveDesktopChanges"});
  for (CheckSetting& check : PairedChecks(
           {"Alle Desktopelemente deaktivieren", "Hinzufügen von Desktopelementen verhindern",
            "Löschen von Desktopelementen verhindern", "Bearbeiten von Desktopelementen verhindern",
            "Schließen von Desktopelementen verhindern", "Nur Bitmaps als Hintergrundbild zulassen",
            "Ändern des Hintergrundbildes verhindern",
            "Schließen von Symbolleisten auf dem Desktop verhindern",
            "Verschieben von Symbolleisten verhindern"},
           Root::CurrentUser,
           "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\ActiveDesktop",
           {"NoComponents", "NoAddingComponents", "NoDeletingComponents", "NoEditingComponents",
            "NoClosingComponents", "NoHTMLWallpaper", "NoChangingWallpaper", "NoCloseDragDropBands",
            "NoMovingBands"})) {
    checks.push_back(std::move(check));
  }
  return checks;
}

std::vector<CheckSetting> StartMenuSettings() {
  const std::string menuOrder =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
  // Windows keeps the user's own order of the Start menu in "Order"; without it the menu is
  // sorted, so "sorted" means the value is gone.
  CheckSetting sorted;
  sorted.caption = "Einträge im Startmenü sortieren";
  sorted.read = [menuOrder](PageContext& form) {
    return form.ReadReg(Root::CurrentUser, menuOrder, "Order", Kind::Binary).empty();
  };
  sorted.write = [menuOrder](PageContext& form, bool checked) {
    if (checked) form.DeleteReg(Root::CurrentUser, menuOrder, "Order", Removal::Value);
  };
  sorted.touches = {{Root::CurrentUser, menuOrder, "Order", Kind::Binary}};
  return {
      TextCheck("Startmenüeinträge zum Scrollen anzeigen",
                {Root::CurrentUser, kAdvanced, "StartMenuScrollPrograms", Kind::String}, "YES",
                "YES", "NO"),
      NumberCheck("Eintrag \"Username abmelden\" im Startmenü anzeigen",
                  {Root::CurrentUser, kAdvanced, "StartMenuLogoff"}),
      NumberCheck("Favoriten Menü im Startmenü anzeigen / 2000",
                  {Root::CurrentUser, kAdvanced, "StartMenuFavorites"}),
      TextCheck("Selten gebrauchten Menüpunkte anzeigen/ 2000",
                {Root::CurrentUser, kAdvanced, "IntelliMenus", Kind::String}, "YES", "YES", "NO"),
      sorted,
      NumberCheck(
          "Ordner \"Dokumente\" beim Herunterfahren leeren",
          {Root::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
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
      Root::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
      {"NoFind", "NoRun", "NoSetFolders", "NoClose", "NoStartMenuSubFolders", "NoSetTaskbar",
       "NoCommonGroups", "NoBanner", "NoStartBanner", "NoFolderOptions", "NoRecentDocsMenu",
       "NoFavoritesMenu", "NoChangeStartMenu", "NoWindowsUpdate", "NoLogoff", "NoSMHelp",
       "NoControlPanel", "NoRecentDocsHistory", "NoSMMyDocs"});
}

// --- the records ---------------------------------------------------------------------------------

std::vector<SettingsPage> MakeDesktopPages() {
  std::vector<SettingsPage> pages;

  pages.push_back({
      .pageId = 17,
      .description = "Hier können Sie dem Kontextmenü von Ordnern (rechte Maustaste) eigene "
                     "Anwendungen hinzufügen oder wieder entfernen. Die Anwendung erhält beim "
                     "Aufruf den Ordner als Parameter.",
      .controls = {Label{0, 20, 40,
                         "Klicken Sie auf \"Anwendung hinzufügen\" und wählen Sie dann die Datei "
                         "aus."}},
      .readerName = "GetRightClickFolder",
      .afterBuild =
          [](PageContext& form) {
            MakeRightClickList(form);
            AddButton(form, 0, 20, 190, 150, 25, "Anwendung hinzufügen")->OnClick =
                Action(form, AppRightClickFolder);
            AddButton(form, 1, 180, 190, 150, 25, "Anwendung entfernen")->OnClick =
                Action(form, RemoveRightClickFolder);
          },
      .reader = GetRightClickFolder,
      .hookTouches = {{Root::ClassesRoot, "\\Folder\\shell\\{any}\\command", "", Kind::String}},
      .hookActions = {"AppRightClickFolder", "RemoveRightClickFolder"},
  });

  pages.push_back({
      .pageId = 28,
      .description = "Legen Sie fest, mit wie vielen Farben Windows die Icons darstellt. Mehr "
                     "Farben brauchen mehr Speicher für den Icon-Cache. Klicken Sie auf "
                     "\"Übernehmen\"; die Änderung wird nach dem nächsten Anmelden sichtbar.",
      .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
      .controls = {Radios{
          .left = 15,
          .top = 20,
          .width = 290,
          .captions = {"4 Bit = 16 Farben", "8 Bit = 256 Farben",
                       "16 Bit = 65000 Farben (High Color)",
                       "24 Bit = 16000000 Farben (True Color)"},
          .value =
              RegBinding{Root::CurrentUser, kWindowMetrics, "Shell Icon BPP", Kind::String, false},
          .stored = {"4", "8", "16", "24"},
          .groupSlot = 0,
          .groupCaption = "Iconoptionen",
          .groupAt = {20, 40, 320, 90},
      }},
      .readerName = "GetMaxIconColors",
      .writerName = "MaxIconColor",
  });

  pages.push_back({
      .pageId = 29,
      .description = "Zeigt beim Überfahren eines Icons auf dem Desktop mit der Maus einen "
                     "kurzen Infotext an. Klicken Sie auf \"Übernehmen\", um die Einstellung zu "
                     "speichern.",
      .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
      .controls = {CheckBoxes{
          .checks = {NumberCheck(
              "Quickinfo-Infotexte bei Icons auf Desktop anzeigen",
              {Root::CurrentUser,
               "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
               "ShowInfoTip"})}}},
      .readerName = "ReadReg",
      .writerName = "RegInfoTip",
  });

  pages.push_back({
      .pageId = 30,
      .description = "Legen Sie fest, wie viele Pixel das Hintergrundbild vom linken und vom "
                     "oberen Bildschirmrand entfernt angezeigt wird.\n"
                     "Die Änderungen können Sie erst nach einem Neustart bzw. erneutem "
                     "Einloggen sehen\n"
                     "Um die Änderungen rückgängig zu machen, löschen Sie den Text und klicken "
                     "auf \"Übernehmen\"",
      .controls = {Label{0, 20, 43, "Abstand von der linken Bildschirmseite"},
                   Edit{0, 250, 40, 80,
                        RegBinding{Root::Users, kUserDesktop, "WallpaperOriginX", Kind::String}},
                   Label{1, 20, 73, "Abstand von der oberen Bildschirmseite"},
                   Edit{1, 250, 70, 80,
                        RegBinding{Root::Users, kUserDesktop, "WallpaperOriginY", Kind::String}}},
      .readerName = "ReadReg",
      .writerName = "WriteWallpaperOrigin",
      .writer = WriteWallpaperOrigin,
      .hookTouches = {{Root::Users, kUserDesktop, "TileWallpaper", Kind::String}},
  });

  pages.push_back({
      .pageId = 31,
      .description = "Bestimmen Sie, wie das Hintergrundbild auf dem Desktop angezeigt wird: "
                     "zentriert, nebeneinander (gekachelt) oder auf die Bildschirmgröße "
                     "gestreckt. Klicken Sie auf \"Übernehmen\".",
      .controls = {Radios{.captions = {"Hintergrundbild zentriert anzeigen",
                                       "Hintergrundbild nebeneinander anzeigen",
                                       "Hintergrundbild gestreckt anzeigen"}}},
      .readerName = "GEtWallpaperStyle",
      .writerName = "WriteWallpaperStyle",
      .reader = GEtWallpaperStyle,
      .writer = WriteWallpaperStyle,
      .hookTouches = {{Root::CurrentUser, kDesktopNoSlash, "WallpaperStyle", Kind::String},
                      {Root::CurrentUser, kDesktopNoSlash, "TileWallpaper", Kind::String}},
  });

  pages.push_back({
      .pageId = 32,
      .description = "Blendet die Windows-Versionsnummer mit der Build-Nummer unten rechts auf "
                     "dem Desktop ein. Klicken Sie auf \"Übernehmen\"; die Änderung wird nach "
                     "dem nächsten Anmelden sichtbar.",
      .controls = {Label{0, 20, 40,
                         "Aktuelle Versionsnummer unten rechts auf den Desktop einblenden lassen"},
                   CheckBoxes{.top = 65,
                              .checks = {NumberCheck(
                                  "Anzeigen der Versionsnummer auf dem Desktop",
                                  {Root::CurrentUser, kDesktop, "PaintDesktopVersion"})}}},
      .readerName = "ReadReg",
      .writerName = "ShowBuildNumber",
  });

  pages.push_back({
      .pageId = 42,
      .description = "Schränken Sie ein, was auf dem Desktop zu sehen ist und was der Benutzer "
                     "daran ändern darf. Markieren Sie die gewünschten Einschränkungen und "
                     "klicken Sie auf \"Übernehmen\".",
      .controls = CheckListControls(
          "Legen  Sie die Desktopeinstellungen fest", 40,
          PairedChecks(
              {"Einstellungen des Desktops beim Verlassen nicht speichern",
               "Alle Desktopicons verstecken", "Icon Netzwerk auf dem Desktop nicht mehr angezeien",
               "Display-Menü auf Desktop oder Explorer deaktivieren",
               "keine Active-Desktop Einstellungen benutzen (HTML-Seiten) ",
               "Einstellungsmöglichkeiten vom Active-Desktop deaktiviert"},
              Root::CurrentUser, kPoliciesExplorer,
              {"NoSaveSettings", "NoDesktop", "NoNetHood", "NoViewContextMenu", "NoInternetIcon",
               "NoDesktopUpdate"})),
      .readerName = "GetDesktopEinstellungen",
      .writerName = "WriteDesktopEinstellunen1",
  });

  pages.push_back({
      .pageId = 43,
      .description = "Werden Icons falsch oder vertauscht angezeigt, ist oft der Icon-Cache zu "
                     "klein. Stellen Sie mit dem Schieberegler ein, wie viele Icons Windows "
                     "zwischenspeichert (Standard : 512), und klicken Sie auf \"Übernehmen\".",
      .controls = {Slider{
                       .min = 512,
                       .max = 8192,
                       .start = 512,
                       .at = {30, 120, 340, 23},
                       .value = RegBinding{Root::CurrentUser,
                                           "Software\\Microsoft\\Windows\\CurrentVersion\\explorer",
                                           "Max Cached Icons", Kind::String},
                       .track = {"TrackMaxCachedIcons", {}},
                       .deleteBox = DeleteBox{.at = {70, 170, 340, 13},
                                              .caption = "IconCache-Eintrag aus Registrierung "
                                                         "entfernen",
                                              .action = {"DelRegIconCache", {}},
                                              .asksOnlyWhenChecked = true,
                                              .after = AfterDelete::ResetSlider}},
                   Label{0, 30, 143, "512"}, Label{1, 180, 143, kNoValue},
                   Label{2, 340, 143, "8192"}},
      .readerName = "GetMaxCachedIcons",
      .writerName = "WriteMaxCachedIcons",
  });

  pages.push_back({
      .pageId = 49,
      .description = "Geben Sie neue Namen für die Desktopicons Papierkorb und Drucker ein und "
                     "klicken Sie auf \"Übernehmen\". Mit der Option unten kann der Papierkorb "
                     "direkt auf dem Desktop umbenannt werden.",
      .controls =
          {Label{0, 20, 43, "Papierkorb"}, Edit{0, 130, 40, 250}, Label{1, 20, 73, "Drucker"},
           Edit{1, 130, 70, 250, RegBinding{Root::LocalMachine, kPrinterNameKey, "", Kind::String}},
           Label{2, 20, 103, "Systemsteuerung"},
           Edit{.slot = 2,
                .left = 130,
                .top = 100,
                .width = 250,
                .empty = EmptyEdit::KeepsStored,
                .readOnly = true},
           CheckBoxes{
               .top = 140,
               .checks = {TextCheck(
                   "Papierkorb auf dem Desktop direkt umbenennen",
                   {Root::ClassesRoot, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder",
                    "Attributes", Kind::Binary},
                   "70 01 00 20", "70 01 00 20", "40 01 00 20")}}},
      .readerName = "GetDesktopIconNames",
      .writerName = "WriteDesktopIconNames",
      .beforeRead = GetDesktopIconNames,
      .afterRead =
          [](PageContext& form) {
            // The control panel's name is shown, never written.
            form.Edits[2]->SetText(
                form.ReadReg(Root::LocalMachine,
                             "SOFTWARE\\Classes\\CLSID\\{21EC2020-3AEA-1069-A2DD-08002B30309D}", "",
                             Kind::String));
          },
      .beforeWrite = WriteRecycleBinName,
      .hookTouches = {{Root::Users, kRecycleBinUserKey, "", Kind::String},
                      {Root::LocalMachine, kRecycleBinMachineKey, "", Kind::String},
                      {Root::LocalMachine,
                       "SOFTWARE\\Classes\\CLSID\\{21EC2020-3AEA-1069-A2DD-08002B30309D}", "",
                       Kind::String}},
  });

  pages.push_back({
      .pageId = 50,
      .description = "Legen Sie auf dem Desktop Verknüpfungen zu Systemordnern an: markieren "
                     "Sie die gewünschten Ordner und klicken Sie auf \"Übernehmen\". Nicht "
                     "markierte Ordner werden vom Desktop entfernt.",
      .controls = {Label{0, 20, 40, "Diese Systemordner auf dem Desktop anzeigen"},
                   CheckList{0, {20, 60, 420, 150}, {}}},
      .readerName = "GetDesktopLinks",
      .writerName = "WriteDesktopLinks",
      .reader = GetDesktopLinks,
      .writer = WriteDesktopLinks,
  });

  pages.push_back({
      .pageId = 53,
      .description = "Legen Sie fest, ob der Active Desktop benutzt werden darf und was der "
                     "Benutzer an seinen Elementen und am Hintergrundbild ändern darf. Klicken "
                     "Sie auf \"Übernehmen\".",
      .controls = CheckListControls("Bestimmen Sie ActiveDesktop - Einstellungen", 40,
                                    ActiveDesktopSettings()),
      .readerName = "GetActiveDesktop",
      .writerName = "WriteActiveDesktop",
  });

  pages.push_back({
      .pageId = 72,
      .description = "Bestimmen Sie, welche Einträge das Startmenü zeigt und wie es sich "
                     "verhält. Einträge mit \"2000\" wirken erst ab Windows 2000. Klicken Sie "
                     "auf \"Übernehmen\".",
      .controls = CheckListControls("Bestimmen Sie, was im Startmenü angezeigt wird", 40,
                                    StartMenuSettings()),
      .readerName = "GetStartMenu1",
      .writerName = "WriteStartMenu1",
  });

  pages.push_back({
      .pageId = 73,
      .description = "Fügen Sie Systemordner als aufklappbare Menüs in das Startmenü aller "
                     "Benutzer ein: markieren Sie die Ordner und klicken Sie auf "
                     "\"Übernehmen\". Nicht markierte Ordner werden wieder entfernt.",
      .controls = {CheckList{0, {20, 40, 420, 130}, {}}},
      .readerName = "GetDesktopSystemordner",
      .writerName = "WriteDesktopSystemordner",
      .reader = GetDesktopSystemordner,
      .writer = WriteDesktopSystemordner,
  });

  pages.push_back({
      .pageId = 74,
      .description = "Bestimmen Sie, wie lange Windows wartet, bis ein Untermenü (zum Beispiel "
                     "im Startmenü) aufklappt. Je kleiner der Wert, desto schneller öffnen sich "
                     "die Menüs. Klicken Sie auf \"Übernehmen\".",
      .controls = {Label{0, 30, 40, "(Angaben in Millisekunden->400ms WindowsStandadard )"},
                   Slider{.min = 1,
                          .max = 2000,
                          .start = 100,
                          .at = {30, 65, 340, 23},
                          .value = RegBinding{Root::CurrentUser, kDesktop, "MenuShowDelay",
                                              Kind::String},
                          .missingText = "Keine Angabe",
                          .readSuffix = " ms",
                          .track = {"TrackMenuDelay", {}},
                          .deleteBox = DeleteBox{.at = {70, 120, 340, 13},
                                                 .caption = "Eintrag wieder löschen",
                                                 .action = {"DeleteMenuDelay", {}}}},
                   Label{1, 180, 90, kNoValue}, Label{2, 340, 90, "2000"}},
      .readerName = "FensterAufklappInit",
      .writerName = "WriteMenuDelay",
  });

  pages.push_back({
      .pageId = 75,
      .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
      .controls = {Label{0, 250, 42, "Horizontaler Abstand (x-Achse)"},
                   Slider{.slot = 1, .min = 1, .max = 200, .start = 66, .at = {250, 60, 220, 23}},
                   Label{1, 250, 85, "32"}, Label{2, 450, 85, "200"},
                   Label{3, 250, 112, "Vertikaler Abstand (y-Achse)"},
                   Slider{.slot = 0, .min = 1, .max = 200, .start = 42, .at = {250, 130, 220, 23}},
                   Label{4, 250, 155, "32"}, Label{5, 450, 155, "200"},
                   Label{6, 20, 300, "Windows Standard -> x-Achse : 66; y-Achse : 42"},
                   Button{0, {250, 190, 100, 25}, "Übernehmen", {"AbstandIcons", AbstandIcons}}},
      .readerName = "GetAbstandIcons",
      .afterBuild = MakeIconPreview,
      .reader = GetAbstandIcons,
      .afterRead = ShowIconPreview,
      .hookTouches = {{Root::CurrentUser, kWindowMetrics, "IconSpacing", Kind::String},
                      {Root::CurrentUser, kWindowMetrics, "IconVerticalSpacing", Kind::String}},
      .hookActions = {"TrackBaryChange", "TrackBarxChange"},
  });

  pages.push_back({
      .pageId = 76,
      .description = "Blenden Sie Einträge des Startmenüs und des Desktops aus, die der "
                     "Benutzer nicht sehen oder benutzen soll. Klicken Sie auf "
                     "\"Übernehmen\"; die Änderungen wirken nach dem nächsten Anmelden.",
      .controls = CheckListControls("Bestimmen Sie, was auf Ihrem Desktop zu sehen ist", 15,
                                    DesktopRestrictions()),
      .readerName = "GetDesktopRestriction",
      .writerName = "WriteDesktopRestriction",
  });

  pages.push_back({
      .pageId = 77,
      .description = "Legen Sie Schriftart und Größe der Symboltitel auf dem Desktop fest und "
                     "wie die Icons beschriftet werden. Klicken Sie auf \"Übernehmen\"; die "
                     "Änderungen werden nach dem nächsten Anmelden sichtbar.",
      .controls =
          {Label{0, 20, 40,
                 "Schriftart bzw. Größe  für Symboltitel (Standard : MS Sans Serif / Größe : 8)"},
           Edit{0, 20, 60, 250}, Button{0, {275, 60, 25, 21}, "...", {"IconFontDia", IconFontDia}},
           CheckList{0,
                     {20, 95, 420, 90},
                     {NumberCheck("Icon-Symboltitel umbrechen", {Root::CurrentUser, kDesktopNoSlash,
                                                                 "IconTitleWrap", Kind::String}),
                      NumberCheck("Icon-Texte fett angezeigen", {Root::CurrentUser, kDesktopNoSlash,
                                                                 "IconTitleStyle", Kind::String}),
                      TextCheck("Schriftzug \"Verknüpfung mit...\" ausblenden",
                                {Root::CurrentUser,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "Link",
                                 Kind::Binary},
                                "01 00 00 00", "00 00 00 00", "01 00 00 00"),
                      ShowDesktopIcon()}}},
      .readerName = "GetIconSettings_2",
      .writerName = "WriteIconSettings",
      .beforeRead = GetIconFont,
      .beforeWrite = WriteIconFont,
      .hookTouches = {{Root::CurrentUser, kDesktopNoSlash, "IconTitleFaceName", Kind::String},
                      {Root::CurrentUser, kDesktopNoSlash, "IconTitleSize", Kind::String}},
  });

  pages.push_back({
      .pageId = 146,
      .description = "Große Icons sind leichter zu treffen, kleine lassen mehr Platz auf dem "
                     "Desktop. Stellen Sie die Größe mit dem Schieberegler ein und klicken Sie "
                     "auf \"Übernehmen\"; die Änderung wird nach dem nächsten Anmelden sichtbar.",
      .controls = {Label{0, 20, 40,
                         "Bestimmen Sie die Größe der Icons auf dem Desktop (Standard :32x32)"},
                   Label{3, 30, 70, "Größe der Icons auf dem Desktop"},
                   Slider{.min = 1,
                          .max = 100,
                          .start = 32,
                          .at = {30, 90, 340, 23},
                          .value = RegBinding{Root::CurrentUser, kWindowMetrics, "Shell Icon Size",
                                              Kind::String},
                          .track = {"TrackMenuDelay", {}}},
                   Label{1, 180, 115, "32"}, Label{2, 340, 115, "100"}},
      .readerName = "GetDesktopIconSize",
      .writerName = "WriteDesktopIconSize",
  });

  pages.push_back({
      .pageId = 162,
      .description = "Bestimmen Sie, wie der kleine Pfeil auf Verknüpfungen aussieht: der "
                     "Windows-Pfeil, ein kleinerer Pfeil, gar kein Pfeil oder ein Symbol Ihrer "
                     "Wahl. Klicken Sie auf \"Übernehmen\"; die Änderung wird nach dem "
                     "Neuaufbau der Icons sichtbar.",
      .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
      // Windows shows its own arrow while nothing is stored.
      .controls = {Radios{.width = 250,
                          .captions = {"normaler Pfeil (Standardpfeil)", "kleiner Pfeil",
                                       "kein Pfeil", "Benutzerdefinierter Pfeil"},
                          .checkedAtBuild = 0},
                   Edit{0, 60, 105, 300},
                   Button{0, {365, 105, 25, 21}, "...", {"PfeilDialog", PfeilDialog}}},
      .readerName = "GetShortCut",
      .writerName = "SetShortCut",
      .afterBuild = BindArrowRadios,
      .reader = GetShortCut,
      .writer = SetShortCut,
      .hookTouches = {{Root::LocalMachine, kShellIcons, "29", Kind::String}},
      .hookActions = {"BenutzerdefPfeil"},
  });

  pages.push_back(ToolTipsPage());
  return pages;
}

}  // namespace

const std::vector<SettingsPage>& DesktopPages() {
  static const std::vector<SettingsPage> pages = MakeDesktopPages();
  return pages;
}

void RegisterDesktopPages(PageTable& table) {
  RegisterSettingsPages(table, DesktopPages());
}

}  // namespace tweaks
