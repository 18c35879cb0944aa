// The pages of the "Explorer" branch: hidden drives, context-menu entries, folder options,
// tool-bar background, the colour of compressed files and Explorer restrictions.
#include "tweaks/explorer_pages.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "access/binary_text.h"
#include "base/convert.h"
#include "icons/rebuild_icons.h"
#include "os/file_system.h"
#include "page/page_context.h"
#include "page/shapes.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kPoliciesExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

ui::ListView* List(page::PageContext& form) {
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

void BuildNoDrives(page::PageContext& form) {
  BeginPage(form, 15,
            "Markieren Sie die Laufwerke, die im Explorer und im Arbeitsplatz nicht mehr "
            "angezeigt werden sollen, und klicken Sie auf \"Übernehmen\". Die Laufwerke bleiben "
            "erreichbar, wenn man ihren Pfad eingibt.");
  AddLabel(form, 0, 20, 35,
           "Falls Sie Laufwerke im Explorer ausblenden möchten, können Sie das hier tun");
  ui::ListView* list = form.Create(form.ListViews, 0);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetCheckBoxes(true);
  list->SetRowSelect(true);
  list->AddColumn("Laufwerk", 170);
  list->AddColumn("Datenträgerbezeichnung", 140);
  list->AddColumn("Dateisystem", 90);
  form.ListView(0, 20, 55, 420, 160);
  Quietly(form, [&] {
    InitNoDrives(form);
    GetNoDrives(form);
  });
  BindWriter(form, WriteNoDrives);
}

// --- 16 Dateien optional mit Notepad öffnen ----------------------------------------------------

constexpr const char* kNotepadCommand = "NOTEPAD.EXE %1";
constexpr const char* kUnknownNotepad = "\\Unknown\\shell\\Öffnen mit Notepad\\command";

void BuildMausNotepad(page::PageContext& form) {
  BeginPage(form, 16,
            "Fügt dem Kontextmenü (rechte Maustaste) von Dateien einen Eintrag hinzu, der die "
            "Datei mit Notepad (Editor) öffnet: für alle Dateien oder nur für Dateien, deren "
            "Typ Windows nicht kennt. Klicken Sie auf \"Übernehmen\".");
  AddCheckBox(form, 0, 20, 40, 450,
              "Alle Dateien durch rechten Mausbutton mit Notepad(Editor) öffnen.");
  AddCheckBox(form, 1, 20, 60, 450,
              "Nur unbekannte Dateitypen durch rechten Mausbutton mit Notepad(Editor) öffnen.");
  Quietly(form, [&] { GetMausNotepad(form); });
  BindWriter(form, WriteMausNotepad);
}

// --- 55 Datei öffnen Dialog --------------------------------------------------------------------

std::vector<CheckSetting> OpenFileSettings(const page::PageContext& form) {
  const std::string key =
      form.UserKeyName + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Comdlg32";
  return {
      NumberCheck("Spezialordner nicht anzeigen", {3, key, "NoPlacesBar"}),
      NumberCheck("Zurück Button nicht anzeigen", {3, key, "NoBackButton"}),
      NumberCheck("Recent nicht anzeigen", {3, key, "NoFileMRU"}),
  };
}

void BuildOpenFile(page::PageContext& form) {
  BeginPage(form, 55,
            "Legen Sie fest, welche Teile der Dialoge \"Öffnen\" und \"Speichern unter\" "
            "angezeigt werden: die Leiste mit den Spezialordnern links, die Schaltfläche "
            "\"Zurück\" und die Liste der zuletzt benutzten Dateien. Klicken Sie auf "
            "\"Übernehmen\".");
  const auto settings = OpenFileSettings(form);
  for (size_t i = 0; i < settings.size(); ++i) {
    AddCheckBox(form, static_cast<int>(i), 20, 40 + 20 * static_cast<int>(i), 300,
                settings[i].caption);
  }
  Quietly(form, [&] { GetOpenFile(form); });
  BindWriter(form, WriteOpenFile);
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
  setting.read = [entry](page::PageContext& form) {
    return !form.ReadReg(0, entry, "", "s").empty();
  };
  setting.write = [shell, entry](page::PageContext& form, bool checked) {
    if (!checked) {
      form.DeleteReg(0, shell, "Eingabeaufforderung", "k");
      return;
    }
    form.WriteReg(0, entry, "", "Eingabeaufforderung", "s");
    form.WriteReg(0, entry + "\\Command", "",
                  form.WindowsVersion == 0 ? "command.com /k cd \"%1\"" : "cmd.exe /k cd \"%1\"",
                  "s");
  };
  return setting;
}

std::vector<CheckSetting> ContextSettings() {
  CheckSetting newEntry;
  newEntry.caption = "Kontextmenüeintrag \"NEU\" anzeigen";
  newEntry.read = [](page::PageContext& form) {
    return !form.ReadReg(0, kNewHandler, "", "s").empty();
  };
  newEntry.write = [](page::PageContext& form, bool checked) {
    form.WriteReg(0, kNewHandler, "", checked ? kNewHandlerId : "", "s");
  };
  CheckSetting openWith;
  openWith.caption = "Im Kontextmenü \"Öffnen mit...\" für jede Datei aktivieren";
  openWith.read = [](page::PageContext& form) {
    return !form.ReadReg(2, kOpenAs, "", "s").empty();
  };
  openWith.write = [](page::PageContext& form, bool checked) {
    if (!checked) {
      form.DeleteReg(2, "\\SOFTWARE\\Classes\\*\\shell", "openas", "k");
      return;
    }
    form.WriteReg(2, kOpenAs, "", "Datei öffnen mit ...", "s");
    form.WriteReg(2, std::string(kOpenAs) + "\\command", "",
                  "rundll32.exe shell32.dll,OpenAs_RunDLL \"%1\"", "s");
  };
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
  setting.read = [](page::PageContext& form) {
    return ReadsSet(form.ReadReg(1, kAdvanced, "ShowAttribCol", "i"));
  };
  setting.write = [](page::PageContext& form, bool checked) {
    form.WriteReg(1, kAdvanced, "ShowAttribCol", checked ? "1" : "0", "i");
    if (!checked) {
      form.DeleteReg(2, kAttributeOptionParent, "ShowAttribCol", "k");
      return;
    }
    const std::string option = std::string(kAttributeOptionParent) + "\\ShowAttribCol";
    form.WriteReg(2, option, "Type", "checkbox", "s");
    form.WriteReg(2, option, "Text", "Dateiattribute in der Detailansicht anzeigen", "s");
    form.WriteReg(2, option, "HKeyRoot", "2147483649", "i");  // HKEY_CURRENT_USER
    form.WriteReg(2, option, "RegPath", kAdvanced, "s");
    form.WriteReg(2, option, "ValueName", "ShowAttribCol", "s");
    form.WriteReg(2, option, "CheckedValue", "1", "i");
    form.WriteReg(2, option, "UncheckedValue", "0", "i");
    form.WriteReg(2, option, "DefaultValue", "0", "i");
    form.WriteReg(2, option, "HelpID", "update.hlp#51071", "s");
  };
  return setting;
}

// A file type whose icon is the file's own picture ("%1") when checked.
CheckSetting OwnIcon(std::string caption, std::string key,
                     std::function<std::string(page::PageContext&)> usualIcon,
                     std::function<void(page::PageContext&)> alsoWhenChecked = {}) {
  CheckSetting setting;
  setting.caption = std::move(caption);
  setting.read = [key](page::PageContext& form) { return form.ReadReg(0, key, "", "s") == "%1"; };
  setting.write = [key, usualIcon, alsoWhenChecked](page::PageContext& form, bool checked) {
    form.WriteReg(0, key, "", checked ? std::string("%1") : usualIcon(form), "s");
    if (checked && alsoWhenChecked) alsoWhenChecked(form);
  };
  return setting;
}

std::vector<CheckSetting> ExplorerSettings() {
  return {
      AttributeColumn(),
      OwnIcon(
          "BMP-Dateien im Explorer als Thumbnails anzeigen", "\\Paint.Picture\\DefaultIcon",
          [](page::PageContext&) { return std::string("mspaint.exe, 1"); },
          [](page::PageContext& form) { form.WriteReg(0, "\\.bmp", "", "Paint.Picture", "s"); }),
      NumberCheck("Eigenen Adressraum für den Explorer zuweisen", {1, kExplorer, "DesktopProcess"}),
      NumberCheck("Diverse Desktoperweiterungen ausschalten(Alte Desktopoberfläche)",
                  {1, kExplorer, "ClassicShell"}),
      OwnIcon("DLL-Dateien mit eigenem Icon als Bild anzeigen", "\\dllfile\\DefaultIcon",
              [](page::PageContext& form) {
                return form.WindowsDir + (form.WindowsVersion == 0 ? "\\System" : "\\System32") +
                       "\\shell32.dll,-154";
              }),
      TextCheck("Verzeichnisse weich aufblenden", {1, "\\Control Panel\\Desktop", "SmoothScroll"},
                "b", "01 00 00 00", "01 00 00 00", "00 00 00 00"),
      NumberCheck("Ordnerfenster im eigenen Prozess starten", {1, kAdvanced, "SeparateProcess"}),
      NumberCheck("Komprimierte Dateien und Ordner in anderer Farbe anzeigen",
                  {1, kAdvanced, "ShowCompColor"}),
  };
}

// --- 65 Symbolleiste ---------------------------------------------------------------------------

EditSetting ToolbarBitmap() {
  return {{1, "\\Software\\Microsoft\\Internet Explorer\\Toolbar", "BackBitmapShell"}, "s", true};
}

void BuildSymbolleiste(page::PageContext& form) {
  BeginPage(form, 65,
            "Wählen Sie ein Bild, das als Hintergrund der Symbolleiste des Explorers angezeigt "
            "wird, und klicken Sie auf \"Übernehmen\". Ist das Feld leer, zeigt der Explorer "
            "wieder seinen normalen Hintergrund.");
  AddLabel(form, 0, 20, 40, "Pfadname für Hintergrundbild");
  AddEdit(form, 0, 20, 60, 350);
  AddButton(form, 0, 375, 60, 25, 21, "...")->OnClick = Action(form, SymbolleisteDia);
  Quietly(form, [&] { GetSymbolleiste(form); });
  BindWriter(form, WriteSymbolleiste);
}

// --- 66 Anzeigefarbe für komprimierte Dateien --------------------------------------------------

constexpr const char* kAltColorKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

void BuildColorCompress(page::PageContext& form) {
  BeginPage(form, 66,
            "Komprimierte Dateien und Ordner zeigt der Explorer in einer eigenen Farbe an "
            "(Standard : Blau), wenn das unter \"Explorer - Einstellungen\" eingeschaltet ist. "
            "Klicken Sie auf die Farbfläche, wählen Sie eine Farbe und klicken Sie auf "
            "\"Übernehmen\".");
  AddLabel(form, 0, 20, 40, "Bestimmen Sie die Anzeigefarbe von komprimierten Dateien");
  AddLabel(form, 1, 20, 70, "Aktuelle Anzeigefarbe für komprimierte Dateien");
  ui::Panel* swatch = form.Create(form.ColourPanels, 0);
  swatch->SetCaption("");
  swatch->SetBevelOuter(ui::BevelCut::Lowered);
  swatch->SetColor(ui::clBlue);
  swatch->SetCursor(ui::Cursor::HandPoint);
  form.Panels(0, 20, 90, 80, 25);
  swatch->OnClick = Action(form, ColorCompress);
  AddButton(form, 0, 105, 90, 25, 25, "...")->OnClick = Action(form, ColorCompress);
  Quietly(form, [&] { GetColorCompress(form); });
  BindWriter(form, WriteColorCompress);
}

// --- 79 Dateien & Ordner -----------------------------------------------------------------------

std::vector<CheckSetting> FolderOptions(const page::PageContext& form) {
  const std::string advanced = form.UserKeyName + "\\" + kAdvanced;
  const std::string cabinet =
      form.UserKeyName + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
  const std::string desktop = form.UserKeyName + "\\Control Panel\\Desktop";
  return {
      NumberCheck("Ansichtoptionen für jeden Ordner speichern", {3, advanced, "ClassicViewState"},
                  "i", true),
      NumberCheck("Dateinamenerweiterung bei bekannten Datentypen ausblenden",
                  {3, advanced, "HideFileExt"}),
      NumberCheck("Namen in Großbuchstaben ermöglichen", {3, advanced, "DontPrettyPath"}),
      NumberCheck("Popupinformationen für Objekte in Ordnern und auf dem Desktop anzeigen",
                  {3, advanced, "ShowInfoTip"}),
      NumberCheck("Schaltfläche für Netzlaufwerkzuordnung in der Symbolleiste anzeigen",
                  {3, advanced, "MapNetDrvBtn"}),
      NumberCheck("Vollständigen Pfad in Titelleiste anzeigen", {3, cabinet, "FullPath"}),
      NumberCheck("Vollständigen Pfad in Adressleiste anzeigen", {3, cabinet, "FullPathAddress"}),
      NumberCheck("Geschützte Systemdateien ausblenden", {3, advanced, "ShowSuperHidden"}, "i",
                  true),
      NumberCheck("Fensterinhalt beim Verschieben anzeigen", {3, desktop, "DragFullWindows"}, "s"),
      NumberCheck("Kanten der Bildschirmzeichensätze glätten", {3, desktop, "FontSmoothing"}, "s"),
      NumberCheck("Symbole ausblenden, wenn der Desktop als Webseite angezeigt wird",
                  {3, advanced, "HideIcons"}),
  };
}

RadioSetting HiddenFiles(const page::PageContext& form) {
  return {{3, form.UserKeyName + "\\" + kAdvanced, "Hidden"}, "i", {"1", "2"}};
}

std::vector<CheckSetting> ExplorerRestrictions() {
  return PairedChecks(
      {"Datei-Menü im Explorer entfernen",
       "Kontext-Menü in der Taskbar, Start-Button und Uhr ausblenden",
       "Kontext-Menü im Explorer und Desktop ausblenden",
       "Keine Einträge in den Ordner \"Dokumente\" einfügen"},
      1, kPoliciesExplorer,
      {"NoFileMenu", "NoTrayContextMenu", "NoViewContextMenu", "NoRecentDocsHistory"});
}

constexpr int kFolderBoxesOnPage = 8;

void BuildOrdneroptionen(page::PageContext& form) {
  BuildFlag building(form);
  BeginPage(form, 79,
            "Diese Einstellungen entsprechen den Ordneroptionen des Explorers. Markieren Sie "
            "die gewünschten Optionen und klicken Sie auf \"Übernehmen\"; die Änderungen "
            "wirken in neu geöffneten Explorer-Fenstern.");
  AddLabel(form, 0, 20, 8, "Bestimmen Sie wie Ordner und Dateien dargestellt werden sollen");
  const auto settings = FolderOptions(form);
  for (int i = 0; i < kFolderBoxesOnPage; ++i) {
    AddCheckBox(form, i, 20, 25 + 15 * i, 450, settings[static_cast<size_t>(i)].caption);
  }
  ui::GroupBox* hidden = AddGroupBox(form, 0, 20, 145, 450, 33, "Versteckte Dateien");
  AddRadioButton(form, 0, 10, 14, 210, "Alle Dateien und Ordner anzeigen", hidden);
  AddRadioButton(form, 1, 225, 14, 215, "Versteckte Dateien und Ordner ausblenden", hidden);
  ui::GroupBox* visual = AddGroupBox(form, 1, 20, 180, 450, 48, "Visuelle Einstellungen");
  AddCheckBox(form, 8, 10, 14, 210, settings[8].caption, visual);
  AddCheckBox(form, 9, 225, 14, 215, settings[9].caption, visual);
  AddCheckBox(form, 10, 10, 30, 430, settings[10].caption, visual);
  Quietly(form, [&] { GetOrdneroptionen(form); });
  BindWriter(form, WriteOrdneroptionen);
}

}  // namespace

// --- 15 ------------------------------------------------------------------------------------------

void InitNoDrives(page::PageContext& form) {
  ui::ListView& list = *List(form);
  for (const os::DriveInfo& drive : form.services.files.Drives()) {
    ui::ListItem* item =
        list.Add(std::string(DriveTypeName(drive.type)) + " (" + drive.letter + ":\\)");
    // A drive without medium or name keeps its cells empty, as the Explorer shows it.
    item->AddSubItem(drive.volumeName);
    item->AddSubItem(drive.fileSystem);
  }
}

void GetNoDrives(page::PageContext& form) {
  const std::string text = form.ReadReg(1, kPoliciesExplorer, "NoDrives", "i");
  if (text.empty()) return;
  const uint32_t mask = static_cast<uint32_t>(base::StrToInt(text));
  ui::ListView& list = *List(form);
  for (int i = 0; i < list.Count(); ++i) {
    const int bit = DriveBit(list.Item(i)->Caption());
    if (bit >= 0 && (mask >> bit) & 1u) list.Item(i)->SetChecked(true);
  }
}

void WriteNoDrives(page::PageContext& form) {
  uint32_t mask = 0;
  const ui::ListView& list = *List(form);
  for (int i = 0; i < list.Count(); ++i) {
    const int bit = DriveBit(list.Item(i)->Caption());
    if (bit >= 0 && list.Item(i)->Checked()) mask |= 1u << bit;
  }
  form.WriteReg(1, kPoliciesExplorer, "NoDrives", base::IntToStr(mask), "i");
  icons::RebuildIcons(form);
  form.ReportApplied();
}

// --- 16 ------------------------------------------------------------------------------------------

void GetMausNotepad(page::PageContext& form) {
  if (form.ReadReg(0, "\\*\\shell\\open\\command", "", "s") == kNotepadCommand) {
    form.CheckBoxes[0]->SetChecked(true);
  }
  if (form.ReadReg(0, kUnknownNotepad, "", "s") == kNotepadCommand) {
    form.CheckBoxes[1]->SetChecked(true);
  }
}

void WriteMausNotepad(page::PageContext& form) {
  if (form.CheckBoxes[0]->Checked()) {
    form.WriteReg(0, "\\*\\shell\\open", "", "Öffnen mit Notepad", "s");
    form.WriteReg(0, "\\*\\shell\\open\\command", "", kNotepadCommand, "s");
  } else {
    form.DeleteReg(0, "\\*", "shell", "k");
  }
  if (form.CheckBoxes[1]->Checked()) {
    form.WriteReg(0, kUnknownNotepad, "", kNotepadCommand, "s");
  } else {
    form.DeleteReg(0, "\\Unknown\\shell", "Öffnen mit Notepad", "k");
  }
  form.ReportApplied();
}

// --- 55 ------------------------------------------------------------------------------------------

void GetOpenFile(page::PageContext& form) {
  ReadCheckBoxes(form, 0, OpenFileSettings(form));
}

void WriteOpenFile(page::PageContext& form) {
  WriteCheckBoxes(form, 0, OpenFileSettings(form));
  form.ReportApplied();
}

// --- 60, 63, 68 ----------------------------------------------------------------------------------

void GetContextExplorer(page::PageContext& form) {
  FillChecks(form, *List(form), ContextSettings());
}

void WriteContextExplorer(page::PageContext& form) {
  ApplyChecks(form, *List(form), ContextSettings());
}

void GetExplorer(page::PageContext& form) {
  FillChecks(form, *List(form), ExplorerSettings());
}

void WriteExplorer(page::PageContext& form) {
  ApplyChecks(form, *List(form), ExplorerSettings());
}

void GetExplorer1(page::PageContext& form) {
  FillChecks(form, *List(form), ExplorerRestrictions());
}

void WriteExplorer1(page::PageContext& form) {
  ApplyChecks(form, *List(form), ExplorerRestrictions());
}

// --- 65 ------------------------------------------------------------------------------------------

void GetSymbolleiste(page::PageContext& form) {
  ReadEdit(form, 0, ToolbarBitmap());
}

void WriteSymbolleiste(page::PageContext& form) {
  WriteEdit(form, 0, ToolbarBitmap());
  form.ReportApplied();
}

void SymbolleisteDia(page::PageContext& form) {
  ui::FileDialogOptions options;
  options.filter = "Bitmaps (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*";
  options.picture = true;
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (path && !path->empty()) form.Edits[0]->SetText(*path);
}

// --- 66 ------------------------------------------------------------------------------------------

void GetColorCompress(page::PageContext& form) {
  const std::string text = form.ReadReg(1, kAltColorKey, "AltColor", "b");
  std::vector<uint8_t> bytes;
  // The first three bytes are red, green and blue, as the writer stores them.
  if (text.empty() || !sysaccess::ParseBinaryText(text.substr(0, 8), bytes)) return;
  bytes.resize(3, 0);
  form.ColourPanels[0]->SetColor(ui::Rgb(bytes[0], bytes[1], bytes[2]));
}

void WriteColorCompress(page::PageContext& form) {
  const ui::Color color = form.ColourPanels[0]->GetColor();
  if (!ui::IsSystemColor(color)) {
    const std::vector<uint8_t> rgb = {static_cast<uint8_t>(color & 0xFF),
                                      static_cast<uint8_t>((color >> 8) & 0xFF),
                                      static_cast<uint8_t>((color >> 16) & 0xFF)};
    WithExistingKey(form, 1, kAltColorKey,
                    [&](sysaccess::TRegistry& reg) { reg.WriteBinaryData("AltColor", rgb); });
  }
  form.ReportApplied();
}

void ColorCompress(page::PageContext& form) {
  ui::Panel* swatch = form.ColourPanels[0];
  ui::Color color = swatch->GetColor();
  if (form.Backend().GetDialogs().ChooseColor(color)) swatch->SetColor(color);
}

// --- 79 ------------------------------------------------------------------------------------------

void GetOrdneroptionen(page::PageContext& form) {
  ReadCheckBoxes(form, 0, FolderOptions(form));
  ReadRadios(form, 0, HiddenFiles(form));
}

void WriteOrdneroptionen(page::PageContext& form) {
  // Check boxes changed by the builder are no choice of the user's.
  if (form.PageBuilding == 1) return;
  WriteCheckBoxes(form, 0, FolderOptions(form));
  WriteRadios(form, 0, HiddenFiles(form));
  form.ReportApplied();
}

// --- registration --------------------------------------------------------------------------------

void RegisterExplorerPages(PageTable& table) {
  table.Register(15, BuildNoDrives);
  table.Register(16, BuildMausNotepad);
  table.Register(55, BuildOpenFile);
  table.Register(60, [](page::PageContext& form) {
    BuildCheckListPage(form, 60,
                       "Fügen Sie dem Kontextmenü des Explorers nützliche Einträge hinzu oder "
                       "entfernen Sie sie wieder: \"Neu\", \"Öffnen mit...\" für jede Datei und "
                       "eine Eingabeaufforderung im gewählten Laufwerk oder Ordner. Klicken Sie "
                       "auf \"Übernehmen\".",
                       "Bestimmen Sie das Kontextmenü(rechte Maustaste) im Explorer das "
                       "Kontextmenü  ",
                       40, GetContextExplorer, WriteContextExplorer);
  });
  table.Register(63, [](page::PageContext& form) {
    BuildCheckListPage(form, 63,
                       "Legen Sie fest, wie der Explorer Dateien darstellt und in welchem Prozess "
                       "er läuft. Klicken Sie auf \"Übernehmen\"; manche Einstellungen wirken "
                       "erst nach dem nächsten Anmelden.",
                       "Legen Sie die Einstellungen des Explorers fest", 40, GetExplorer,
                       WriteExplorer);
  });
  table.Register(65, BuildSymbolleiste);
  table.Register(66, BuildColorCompress);
  table.Register(68, [](page::PageContext& form) {
    BuildCheckListPage(form, 68,
                       "Entfernen Sie Menüs und Kontextmenüs aus dem Explorer, der Taskleiste "
                       "und vom Desktop. Klicken Sie auf \"Übernehmen\"; die Änderungen wirken "
                       "nach dem nächsten Anmelden.",
                       "Hier können Sie Einträge im Explorer entfernen", 40, GetExplorer1,
                       WriteExplorer1);
  });
  table.Register(79, BuildOrdneroptionen);
}

}  // namespace tweaks
