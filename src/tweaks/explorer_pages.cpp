// The pages of the "Explorer" branch: hidden drives, context-menu entries, folder options,
// tool-bar background, the colour of compressed files and Explorer restrictions, as page
// records; what a record cannot say is in the hooks below it.
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "access/binary_text.h"
#include "base/convert.h"
#include "icons/rebuild_icons.h"
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
constexpr const char* kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

ui::ListView* List(PageContext& form) {
  return form.ListViews[0];
}

// --- 15 Laufwerke ausblenden -------------------------------------------------------------------

const char* DriveTypeName(os::DriveType type) {
  switch (type) {
    case os::DriveType::Removable:
      return "DRIVE_REMOVABLE";
    case os::DriveType::Fixed:
      return "DRIVE_FIXED";
    case os::DriveType::Remote:
      return "DRIVE_REMOTE";
    case os::DriveType::CdRom:
      return "DRIVE_CDROM";
    case os::DriveType::RamDisk:
      return "DRIVE_RAMDISK";
    case os::DriveType::NoRootDir:
      return "DRIVE_NO_ROOT_DIR";
    default:
      return "DRIVE_UNKNOWN";
  }
}

// The bit of a drive in "NoDrives" ("A" is bit 0), from the letter after the first "(" of the
// item's caption; -1 when the caption holds none.
int DriveBit(const std::string& caption) {
  const size_t open = caption.find('(');
  if (open == std::string::npos || open + 1 >= caption.size()) return -1;
  const char letter =
      static_cast<char>(std::toupper(static_cast<unsigned char>(caption[open + 1])));
  return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}

void InitNoDrives(PageContext& form) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetCheckBoxes(true);
  list->SetRowSelect(true);
  list->AddColumn("Laufwerk", 170);
  list->AddColumn("Datenträgerbezeichnung", 140);
  list->AddColumn("Dateisystem", 90);
  form.ListView(0, 20, 55, 420, 160);
  for (const os::DriveInfo& drive : form.services.files.Drives()) {
    ui::ListItem* item =
        list->Add(std::string(DriveTypeName(drive.type)) + " (" + drive.letter + ":\\)");
    // A drive without medium or name keeps its cells empty, as the Explorer shows it.
    item->AddSubItem(drive.volumeName);
    item->AddSubItem(drive.fileSystem);
  }
}

void GetNoDrives(PageContext& form) {
  const std::string text =
      form.ReadReg(Root::CurrentUser, kPoliciesExplorer, "NoDrives", Kind::Integer);
  if (text.empty()) return;
  const uint32_t mask = static_cast<uint32_t>(base::StrToInt(text));
  ui::ListView& list = *List(form);
  for (int i = 0; i < list.Count(); ++i) {
    const int bit = DriveBit(list.Item(i)->Caption());
    if (bit >= 0 && (mask >> bit) & 1u) list.Item(i)->SetChecked(true);
  }
}

void WriteNoDrives(PageContext& form) {
  uint32_t mask = 0;
  const ui::ListView& list = *List(form);
  for (int i = 0; i < list.Count(); ++i) {
    const int bit = DriveBit(list.Item(i)->Caption());
    if (bit >= 0 && list.Item(i)->Checked()) mask |= 1u << bit;
  }
  form.WriteReg(Root::CurrentUser, kPoliciesExplorer, "NoDrives", base::IntToStr(mask),
                Kind::Integer);
  icons::RebuildIcons(form);
}

// --- 16 Dateien optional mit Notepad öffnen ----------------------------------------------------

constexpr const char* kNotepadCommand = "NOTEPAD.EXE %1";
constexpr const char* kAllNotepad = "\\*\\shell\\open\\command";
constexpr const char* kUnknownNotepad = "\\Unknown\\shell\\Öffnen mit Notepad\\command";

std::vector<CheckSetting> NotepadSettings() {
  CheckSetting all;
  all.caption = "Alle Dateien durch rechten Mausbutton mit Notepad(Editor) öffnen.";
  all.read = [](PageContext& form) {
    return form.ReadReg(Root::ClassesRoot, kAllNotepad, "", Kind::String) == kNotepadCommand;
  };
  all.write = [](PageContext& form, bool checked) {
    if (!checked) {
      form.DeleteReg(Root::ClassesRoot, "\\*", "shell", Removal::Subkey);
      return;
    }
    form.WriteReg(Root::ClassesRoot, "\\*\\shell\\open", "", "Öffnen mit Notepad", Kind::String);
    form.WriteReg(Root::ClassesRoot, kAllNotepad, "", kNotepadCommand, Kind::String);
  };
  all.touches = {{Root::ClassesRoot, "\\*\\shell\\open", "", Kind::String},
                 {Root::ClassesRoot, kAllNotepad, "", Kind::String}};
  CheckSetting unknown;
  unknown.caption =
      "Nur unbekannte Dateitypen durch rechten Mausbutton mit Notepad(Editor) öffnen.";
  unknown.read = [](PageContext& form) {
    return form.ReadReg(Root::ClassesRoot, kUnknownNotepad, "", Kind::String) == kNotepadCommand;
  };
  unknown.write = [](PageContext& form, bool checked) {
    if (checked) {
      form.WriteReg(Root::ClassesRoot, kUnknownNotepad, "", kNotepadCommand, Kind::String);
    } else {
      form.DeleteReg(Root::ClassesRoot, "\\Unknown\\shell", "Öffnen mit Notepad", Removal::Subkey);
    }
  };
  unknown.touches = {{Root::ClassesRoot, kUnknownNotepad, "", Kind::String}};
  return {all, unknown};
}

// --- 60 KontextMenü ----------------------------------------------------------------------------

constexpr const char* kNewHandler = "\\Directory\\Background\\shellex\\ContextMenuHandlers\\New";
constexpr const char* kNewHandlerId = "{D969A300-E7FF-11d0-A93B-00A0C90F2719}";
constexpr const char* kOpenAs = "\\SOFTWARE\\Classes\\*\\shell\\openas";

// A "Eingabeaufforderung" entry of the context menu below "\<kind>\shell".
CheckSetting PromptHere(std::string caption, const std::string& kind) {
  const std::string shell = "\\" + kind + "\\shell";
  const std::string entry = shell + "\\Eingabeaufforderung";
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [entry](PageContext& form) {
    return !form.ReadReg(Root::ClassesRoot, entry, "", Kind::String).empty();
  };
  setting.write = [shell, entry](PageContext& form, bool checked) {
    if (!checked) {
      form.DeleteReg(Root::ClassesRoot, shell, "Eingabeaufforderung", Removal::Subkey);
      return;
    }
    form.WriteReg(Root::ClassesRoot, entry, "", "Eingabeaufforderung", Kind::String);
    form.WriteReg(Root::ClassesRoot, entry + "\\Command", "",
                  form.WindowsVersion == 0 ? "command.com /k cd \"%1\"" : "cmd.exe /k cd \"%1\"",
                  Kind::String);
  };
  setting.touches = {{Root::ClassesRoot, entry, "", Kind::String},
                     {Root::ClassesRoot, entry + "\\Command", "", Kind::String}};
  return setting;
}

std::vector<CheckSetting> ContextSettings() {
  CheckSetting newEntry;
  newEntry.caption = "Kontextmenüeintrag \"NEU\" anzeigen";
  newEntry.read = [](PageContext& form) {
    return !form.ReadReg(Root::ClassesRoot, kNewHandler, "", Kind::String).empty();
  };
  newEntry.write = [](PageContext& form, bool checked) {
    form.WriteReg(Root::ClassesRoot, kNewHandler, "", checked ? kNewHandlerId : "", Kind::String);
  };
  newEntry.touches = {{Root::ClassesRoot, kNewHandler, "", Kind::String}};
  CheckSetting openWith;
  openWith.caption = "Im Kontextmenü \"Öffnen mit...\" für jede Datei aktivieren";
  openWith.read = [](PageContext& form) {
    return !form.ReadReg(Root::LocalMachine, kOpenAs, "", Kind::String).empty();
  };
  openWith.write = [](PageContext& form, bool checked) {
    if (!checked) {
      form.DeleteReg(Root::LocalMachine, "\\SOFTWARE\\Classes\\*\\shell", "openas",
                     Removal::Subkey);
      return;
    }
    form.WriteReg(Root::LocalMachine, kOpenAs, "", "Datei öffnen mit ...", Kind::String);
    form.WriteReg(Root::LocalMachine, std::string(kOpenAs) + "\\command", "",
                  "rundll32.exe shell32.dll,OpenAs_RunDLL \"%1\"", Kind::String);
  };
  openWith.touches = {{Root::LocalMachine, kOpenAs, "", Kind::String},
                      {Root::LocalMachine, std::string(kOpenAs) + "\\command", "", Kind::String}};
  return {
      newEntry,
      openWith,
      PromptHere("Kontextmenüeintrag \"Eingabeaufforderung\" bei Laufwerken anzeigen", "Drive"),
      PromptHere("Kontextmenüeintrag \"Eingabeaufforderung\" bei Ordnern anzeigen", "Directory"),
  };
}

// --- 63 Explorer / Einstellungen ---------------------------------------------------------------

constexpr const char* kAttributeOptionParent =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\Folder";

// Shows the attribute column and offers it in the Explorer's own folder options.
CheckSetting AttributeColumn() {
  CheckSetting setting;
  setting.caption = "Spalte Attribute in der Detailansicht anzeigen";
  setting.read = [](PageContext& form) {
    const std::string text =
        form.ReadReg(Root::CurrentUser, kAdvanced, "ShowAttribCol", Kind::Integer);
    return !text.empty() && base::StrToInt(text) != 0;
  };
  setting.write = [](PageContext& form, bool checked) {
    form.WriteReg(Root::CurrentUser, kAdvanced, "ShowAttribCol", checked ? "1" : "0",
                  Kind::Integer);
    if (!checked) {
      form.DeleteReg(Root::LocalMachine, kAttributeOptionParent, "ShowAttribCol", Removal::Subkey);
      return;
    }
    const std::string option = std::string(kAttributeOptionParent) + "\\ShowAttribCol";
    form.WriteReg(Root::LocalMachine, option, "Type", "checkbox", Kind::String);
    form.WriteReg(Root::LocalMachine, option, "Text",
                  "Dateiattribute in der Detailansicht anzeigen", Kind::String);
    form.WriteReg(Root::LocalMachine, option, "HKeyRoot", "2147483649",
                  Kind::Integer);  // HKEY_CURRENT_USER
    form.WriteReg(Root::LocalMachine, option, "RegPath", kAdvanced, Kind::String);
    form.WriteReg(Root::LocalMachine, option, "ValueName", "ShowAttribCol", Kind::String);
    form.WriteReg(Root::LocalMachine, option, "CheckedValue", "1", Kind::Integer);
    form.WriteReg(Root::LocalMachine, option, "UncheckedValue", "0", Kind::Integer);
    form.WriteReg(Root::LocalMachine, option, "DefaultValue", "0", Kind::Integer);
    form.WriteReg(Root::LocalMachine, option, "HelpID", "update.hlp#51071", Kind::String);
  };
  setting.touches = {{Root::CurrentUser, kAdvanced, "ShowAttribCol", Kind::Integer}};
  for (const char* name : {"Type", "Text", "HKeyRoot", "RegPath", "ValueName", "CheckedValue",
                           "UncheckedValue", "DefaultValue", "HelpID"}) {
    setting.touches.push_back({Root::LocalMachine,
                               std::string(kAttributeOptionParent) + "\\ShowAttribCol", name,
                               Kind::String});
  }
  return setting;
}

// A file type whose icon is the file's own picture ("%1") when checked.
CheckSetting OwnIcon(std::string caption, std::string key,
                     std::function<std::string(PageContext&)> usualIcon,
                     std::function<void(PageContext&)> alsoWhenChecked = {},
                     std::optional<RegBinding> alsoTouched = std::nullopt) {
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [key](PageContext& form) {
    return form.ReadReg(Root::ClassesRoot, key, "", Kind::String) == "%1";
  };
  setting.write = [key, usualIcon, alsoWhenChecked](PageContext& form, bool checked) {
    form.WriteReg(Root::ClassesRoot, key, "", checked ? std::string("%1") : usualIcon(form),
                  Kind::String);
    if (checked && alsoWhenChecked) alsoWhenChecked(form);
  };
  setting.touches = {{Root::ClassesRoot, key, "", Kind::String}};
  if (alsoTouched) setting.touches.push_back(*alsoTouched);
  return setting;
}

std::vector<CheckSetting> ExplorerSettings() {
  return {
      AttributeColumn(),
      OwnIcon(
          "BMP-Dateien im Explorer als Thumbnails anzeigen", "\\Paint.Picture\\DefaultIcon",
          [](PageContext&) { return std::string("mspaint.exe, 1"); },
          [](PageContext& form) {
            form.WriteReg(Root::ClassesRoot, "\\.bmp", "", "Paint.Picture", Kind::String);
          },
          RegBinding{Root::ClassesRoot, "\\.bmp", "", Kind::String}),
      NumberCheck("Eigenen Adressraum für den Explorer zuweisen",
                  {Root::CurrentUser, kExplorer, "DesktopProcess"}),
      NumberCheck("Diverse Desktoperweiterungen ausschalten(Alte Desktopoberfläche)",
                  {Root::CurrentUser, kExplorer, "ClassicShell"}),
      OwnIcon("DLL-Dateien mit eigenem Icon als Bild anzeigen", "\\dllfile\\DefaultIcon",
              [](PageContext& form) {
                return form.WindowsDir + (form.WindowsVersion == 0 ? "\\System" : "\\System32") +
                       "\\shell32.dll,-154";
              }),
      TextCheck("Verzeichnisse weich aufblenden",
                {Root::CurrentUser, "\\Control Panel\\Desktop", "SmoothScroll", Kind::Binary},
                "01 00 00 00", "01 00 00 00", "00 00 00 00"),
      NumberCheck("Ordnerfenster im eigenen Prozess starten",
                  {Root::CurrentUser, kAdvanced, "SeparateProcess"}),
      NumberCheck("Komprimierte Dateien und Ordner in anderer Farbe anzeigen",
                  {Root::CurrentUser, kAdvanced, "ShowCompColor"}),
  };
}

// --- 65 Symbolleiste ---------------------------------------------------------------------------

void SymbolleisteDia(PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Bitmaps (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*";
  options.picture = true;
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (path && !path->empty()) form.Edits[0]->SetText(*path);
}

// --- 66 Anzeigefarbe für komprimierte Dateien --------------------------------------------------

constexpr const char* kAltColorKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

void MakeColourSwatch(PageContext& form) {
  ui::Panel* swatch = form.Create(form.ColourPanels, 0);
  swatch->SetCaption("");
  swatch->SetBevelOuter(ui::BevelCut::Lowered);
  swatch->SetColor(ui::clBlue);
  swatch->SetCursor(ui::Cursor::HandPoint);
  form.Panels(0, 20, 90, 80, 25);
}

void ColorCompress(PageContext& form) {
  ui::Panel* swatch = form.ColourPanels[0];
  ui::Color color = swatch->GetColor();
  if (form.Backend().GetDialogs().ChooseColor(color)) swatch->SetColor(color);
}

void BindColourSwatch(PageContext& form) {
  form.ColourPanels[0]->OnClick = Action(form, ColorCompress);
}

// The stored bytes, up to three, as a colour text: "00 00 FF 00" shows as $020000FF.
void GetColorCompress(PageContext& form) {
  std::string text =
      form.ReadReg(Root::CurrentUser, kAltColorKey, "AltColor", Kind::Binary).substr(0, 8);
  if (text.empty()) return;
  std::erase(text, ' ');
  form.ColourPanels[0]->SetColor(static_cast<ui::Color>(base::StrToInt("$02" + text)));
}

// Red, green and blue of whatever the swatch holds, into an existing key only.
void WriteColorCompress(PageContext& form) {
  const ui::Color color = form.ColourPanels[0]->GetColor();
  const std::vector<uint8_t> rgb = {static_cast<uint8_t>(color & 0xFF),
                                    static_cast<uint8_t>((color >> 8) & 0xFF),
                                    static_cast<uint8_t>((color >> 16) & 0xFF)};
  WithExistingKey(form, Root::CurrentUser, kAltColorKey,
                  [&](sysaccess::TRegistry& reg) { reg.WriteBinaryData("AltColor", rgb); });
}

// --- 79 Dateien & Ordner -----------------------------------------------------------------------

constexpr const char* kUserAdvanced =
    "{user}\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr const char* kUserCabinet =
    "{user}\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
constexpr const char* kUserDesktop = "{user}\\Control Panel\\Desktop";

CheckSetting UserCheck(std::string caption, const char* key, std::string name,
                       bool inverted = false, Kind kind = Kind::Integer) {
  return NumberCheck(std::move(caption), {Root::Users, key, std::move(name), kind}, inverted);
}

std::vector<CheckSetting> FolderOptions() {
  return {
      UserCheck("Ansichtoptionen für jeden Ordner speichern", kUserAdvanced, "ClassicViewState",
                true),
      UserCheck("Dateinamenerweiterung bei bekannten Datentypen ausblenden", kUserAdvanced,
                "HideFileExt"),
      UserCheck("Namen in Großbuchstaben ermöglichen", kUserAdvanced, "DontPrettyPath"),
      UserCheck("Popupinformationen für Objekte in Ordnern und auf dem Desktop anzeigen",
                kUserAdvanced, "ShowInfoTip"),
      UserCheck("Schaltfläche für Netzlaufwerkzuordnung in der Symbolleiste anzeigen",
                kUserAdvanced, "MapNetDrvBtn"),
      UserCheck("Vollständigen Pfad in Titelleiste anzeigen", kUserCabinet, "FullPath"),
      UserCheck("Vollständigen Pfad in Adressleiste anzeigen", kUserCabinet, "FullPathAddress"),
      UserCheck("Geschützte Systemdateien ausblenden", kUserAdvanced, "ShowSuperHidden", true),
  };
}

std::vector<CheckSetting> VisualOptions() {
  return {
      UserCheck("Fensterinhalt beim Verschieben anzeigen", kUserDesktop, "DragFullWindows", false,
                Kind::String),
      UserCheck("Kanten der Bildschirmzeichensätze glätten", kUserDesktop, "FontSmoothing", false,
                Kind::String),
      UserCheck("Symbole ausblenden, wenn der Desktop als Webseite angezeigt wird", kUserAdvanced,
                "HideIcons"),
  };
}

// --- the records ---------------------------------------------------------------------------------

std::vector<SettingsPage> MakeExplorerPages() {
  std::vector<SettingsPage> pages;

  pages.push_back({
      .pageId = 15,
      .description = "Markieren Sie die Laufwerke, die im Explorer und im Arbeitsplatz nicht "
                     "mehr angezeigt werden sollen, und klicken Sie auf \"Übernehmen\". Die "
                     "Laufwerke bleiben erreichbar, wenn man ihren Pfad eingibt.",
      .controls = {Label{0, 20, 35,
                         "Falls Sie Laufwerke im Explorer ausblenden möchten, können Sie das "
                         "hier tun"}},
      .readerName = "GetNoDrives",
      .writerName = "WriteNoDrives",
      .afterBuild = InitNoDrives,
      .reader = GetNoDrives,
      .writer = WriteNoDrives,
      .hookTouches = {{Root::CurrentUser, kPoliciesExplorer, "NoDrives", Kind::Integer},
                      {Root::CurrentUser, "ControlPanel\\Desktop\\WindowMetrics", "Shell Icon Size",
                       Kind::String}},
      .hookActions = {"InitNoDrives", "RebuildIcons"},
  });

  pages.push_back({
      .pageId = 16,
      .description = "Fügt dem Kontextmenü (rechte Maustaste) von Dateien einen Eintrag hinzu, "
                     "der die Datei mit Notepad (Editor) öffnet: für alle Dateien oder nur für "
                     "Dateien, deren Typ Windows nicht kennt. Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{.width = 450, .checks = NotepadSettings()}},
      .readerName = "GetMausNotepad",
      .writerName = "WriteMausNotepad",
  });

  pages.push_back({
      .pageId = 55,
      .description = "Legen Sie fest, welche Teile der Dialoge \"Öffnen\" und \"Speichern "
                     "unter\" angezeigt werden: die Leiste mit den Spezialordnern links, die "
                     "Schaltfläche \"Zurück\" und die Liste der zuletzt benutzten Dateien. "
                     "Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{
          .width = 300,
          .checks = PairedChecks({"Spezialordner nicht anzeigen", "Zurück Button nicht anzeigen",
                                  "Recent nicht anzeigen"},
                                 Root::Users,
                                 "{user}\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies"
                                 "\\Comdlg32",
                                 {"NoPlacesBar", "NoBackButton", "NoFileMRU"})}},
      .readerName = "GetOpenFile",
      .writerName = "WriteOpenFile",
  });

  pages.push_back({
      .pageId = 60,
      .description = "Fügen Sie dem Kontextmenü des Explorers nützliche Einträge hinzu oder "
                     "entfernen Sie sie wieder: \"Neu\", \"Öffnen mit...\" für jede Datei und "
                     "eine Eingabeaufforderung im gewählten Laufwerk oder Ordner. Klicken Sie "
                     "auf \"Übernehmen\".",
      .controls = CheckListControls(
          "Bestimmen Sie das Kontextmenü(rechte Maustaste) im Explorer das Kontextmenü  ", 40,
          ContextSettings()),
      .readerName = "GetContextExplorer",
      .writerName = "WriteContextExplorer",
  });

  pages.push_back({
      .pageId = 63,
      .description = "Legen Sie fest, wie der Explorer Dateien darstellt und in welchem Prozess "
                     "er läuft. Klicken Sie auf \"Übernehmen\"; manche Einstellungen wirken "
                     "erst nach dem nächsten Anmelden.",
      .controls = CheckListControls("Legen Sie die Einstellungen des Explorers fest", 40,
                                    ExplorerSettings()),
      .readerName = "GetExplorer",
      .writerName = "WriteExplorer",
  });

  pages.push_back({
      .pageId = 65,
      .description = "Wählen Sie ein Bild, das als Hintergrund der Symbolleiste des Explorers "
                     "angezeigt wird, und klicken Sie auf \"Übernehmen\". Ist das Feld leer, "
                     "zeigt der Explorer wieder seinen normalen Hintergrund.",
      .controls = {Label{0, 20, 40, "Pfadname für Hintergrundbild"},
                   Edit{0, 20, 60, 350,
                        RegBinding{Root::CurrentUser,
                                   "\\Software\\Microsoft\\Internet Explorer\\Toolbar",
                                   "BackBitmapShell", Kind::String},
                        EmptyEdit::DeletesValue},
                   Button{0, {375, 60, 25, 21}, "...", {"SymbolleisteDia", SymbolleisteDia}}},
      .readerName = "GetSymbolleiste",
      .writerName = "WriteSymbolleiste",
  });

  pages.push_back({
      .pageId = 66,
      .description = "Komprimierte Dateien und Ordner zeigt der Explorer in einer eigenen Farbe "
                     "an (Standard : Blau), wenn das unter \"Explorer - Einstellungen\" "
                     "eingeschaltet ist. Klicken Sie auf die Farbfläche, wählen Sie eine Farbe "
                     "und klicken Sie auf \"Übernehmen\".",
      .controls = {Label{0, 20, 40, "Bestimmen Sie die Anzeigefarbe von komprimierten Dateien"},
                   Label{1, 20, 70, "Aktuelle Anzeigefarbe für komprimierte Dateien"}},
      .readerName = "GetColorCompress",
      .writerName = "WriteColorCompress",
      .afterBuild =
          [](PageContext& form) {
            MakeColourSwatch(form);
            AddButton(form, 0, 105, 90, 25, 25, "...")->OnClick = Action(form, ColorCompress);
          },
      .reader = GetColorCompress,
      .afterRead = BindColourSwatch,
      .writer = WriteColorCompress,
      .hookTouches = {{Root::CurrentUser, kAltColorKey, "AltColor", Kind::Binary, false}},
      .hookActions = {"ColorCompress"},
  });

  pages.push_back({
      .pageId = 68,
      .description = "Entfernen Sie Menüs und Kontextmenüs aus dem Explorer, der Taskleiste "
                     "und vom Desktop. Klicken Sie auf \"Übernehmen\"; die Änderungen wirken "
                     "nach dem nächsten Anmelden.",
      .controls = CheckListControls(
          "Hier können Sie Einträge im Explorer entfernen", 40,
          PairedChecks(
              {"Datei-Menü im Explorer entfernen",
               "Kontext-Menü in der Taskbar, Start-Button und Uhr ausblenden",
               "Kontext-Menü im Explorer und Desktop ausblenden",
               "Keine Einträge in den Ordner \"Dokumente\" einfügen"},
              Root::CurrentUser, kPoliciesExplorer,
              {"NoFileMenu", "NoTrayContextMenu", "NoViewContextMenu", "NoRecentDocsHistory"})),
      .readerName = "GetExplorer1",
      .writerName = "WriteExplorer1",
  });

  pages.push_back({
      .pageId = 79,
      .description = "Diese Einstellungen entsprechen den Ordneroptionen des Explorers. "
                     "Markieren Sie die gewünschten Optionen und klicken Sie auf "
                     "\"Übernehmen\"; die Änderungen wirken in neu geöffneten "
                     "Explorer-Fenstern.",
      .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
      .controls = {Label{0, 20, 8,
                         "Bestimmen Sie wie Ordner und Dateien dargestellt werden sollen"},
                   CheckBoxes{.top = 25, .width = 450, .step = 15, .checks = FolderOptions()},
                   Radios{.captions = {"Alle Dateien und Ordner anzeigen",
                                       "Versteckte Dateien und Ordner ausblenden"},
                          .value = {Root::Users, kUserAdvanced, "Hidden", Kind::Integer},
                          .stored = {"1", "2"},
                          .places = {{10, 14, 210}, {225, 14, 215}},
                          .groupSlot = 0,
                          .groupCaption = "Versteckte Dateien",
                          .groupAt = {20, 145, 450, 33}},
                   GroupBox{1, {20, 180, 450, 48}, "Visuelle Einstellungen"},
                   CheckBoxes{.firstSlot = 8,
                              .checks = VisualOptions(),
                              .places = {{10, 14, 210}, {225, 14, 215}, {10, 30, 430}},
                              .groupSlot = 1}},
      .readerName = "GetOrdneroptionen",
      .writerName = "WriteOrdneroptionen",
      .idleWhileBuilding = true,
  });

  return pages;
}

}  // namespace

const std::vector<SettingsPage>& ExplorerPages() {
  static const std::vector<SettingsPage> pages = MakeExplorerPages();
  return pages;
}

void RegisterExplorerPages(PageTable& table) {
  RegisterSettingsPages(table, ExplorerPages());
}

}  // namespace tweaks
