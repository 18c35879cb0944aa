// The emergency floppy for the system files: two batch files in a backup folder on the hard
// disk and a menu Autoexec.bat on a DOS floppy, which after booting from it saves the checked
// files into the folder or copies them back. DOS reads only FAT drives, so the page offers
// itself only there.
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/shared_dlls.h"
#include "tools/system_backup_batch.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"
#include "ui/form.h"

namespace tools {
namespace {

constexpr int kPageId = 165;
constexpr int kFolderEdit = 0;
enum Column { kPathColumn = 0, kSizeColumn = 1 };

struct SupportFile {
  const char* name;
  const char* target;  // "a:\..." on the floppy, or a name in the backup folder
  bool onFloppy;
};

constexpr SupportFile kSupportFiles[] = {
    {"Attrib.exe", "Attrib.exe", false},        {"Command.com", "a:\\Command.com", true},
    {"Choice.com", "a:\\Choice.com", true},     {"Xcopy.exe", "Xcopy.exe", false},
    {"Xcopy32.exe", "Xcopy32.exe", false},      {"Xcopy32.mod", "Xcopy32.mod", false},
    {"Msdos.sys", "a:\\Msdos.sys", true},       {"Io.sys", "a:\\Io.sys", true},
    {"Drvspace.bin", "A:\\Drvspace.bin", true},
};

constexpr const char* kHiveNames[] = {"Default",     "Default.log",  "Default.sav", "Sam",
                                      "Sam.log",     "Security.log", "Security",    "Software.log",
                                      "Software",    "Software.sav", "system",      "system.alt",
                                      "Userdiff.log"};

std::vector<std::string> Candidates(const page::PageContext& form) {
  const int version = form.WindowsVersion;
  if (version != 1 && version != 2) return {};
  std::vector<std::string> paths = {"C:\\Ntdetect.com", "C:\\NtLdr", "C:\\boot.ini"};
  const std::string config = form.WindowsDir + "\\SYSTEM32\\Config\\";
  for (const char* hive : kHiveNames) {
    if (version == 1 && std::string(hive) == "Userdiff.log") continue;
    paths.push_back(config + hive);
  }
  paths.push_back(config + "Userdiff");
  const std::string& allUsers = form.AllUsersProfileDir;
  const std::string profiles = version == 2 ? allUsers.substr(0, allUsers.rfind('\\') + 1)
                                            : form.WindowsDir + "\\Profiles\\";
  paths.push_back(profiles + "Default User\\ntuser.dat");
  paths.push_back(profiles + "Administrator\\ntuser.dat");
  for (const char* name :
       {"\\System32\\Autoexec.nt", "\\System32\\Config.nt", "\\System.ini", "\\Win.ini"}) {
    paths.push_back(form.WindowsDir + name);
  }
  return paths;
}

std::optional<uint64_t> FileSize(page::PageContext& form, const std::string& path) {
  const size_t slash = path.rfind('\\');
  const auto entries = form.services.files.ListDirectory(path.substr(0, slash));
  if (!entries) return std::nullopt;
  const std::string name = path.substr(slash + 1);
  for (const os::DirEntry& entry : *entries) {
    if (base::SameText(entry.name, name) && !entry.IsDirectory()) return entry.size;
  }
  return std::nullopt;
}

void AddCandidate(page::PageContext& form, ui::ListView& list, const std::string& path) {
  const auto size = FileSize(form, path);
  if (!size) return;
  ui::ListItem* item = list.Add("");
  item->AddSubItem(path);
  item->AddSubItem(base::IntToStr(static_cast<int64_t>(*size)));
  item->SetChecked(true);
  item->SetImageIndex(form.services.shell.SystemIconIndex(path, true));
}

void MoreSichernDatei(page::PageContext& form) {
  const auto path = form.Backend().GetDialogs().OpenFile(
      {.title = "Dateien suchen", .filter = "alle Dateien (*.*)|*.*"});
  if (path && PageList(form)) AddCandidate(form, *PageList(form), *path);
}

void PickFolder(page::PageContext& form) {
  if (form.Edits[kFolderEdit]) form.Dialog(*form.Edits[kFolderEdit]);
}

// --- the question before the work ----------------------------------------------------------------

// "Systemdateien sichern": returns 2 to go on, 0 to stop.
int AskToContinue(page::PageContext& form) {
  ui::Form dialog(form.Backend(), &form.OwnerForm());
  dialog.SetName("TForm16");
  dialog.SetBorder(ui::FormBorder::Dialog);
  dialog.SetPosition(ui::FormPosition::MainFormCenter);
  dialog.SetCaption("Systemdateien sichern");
  dialog.SetClientSize(360, 150);
  auto* text = dialog.Add<ui::Label>();
  text->SetName("Label1");
  text->SetAutoSize(false);
  text->SetBounds({16, 12, 330, 30});
  text->SetWordWrap(true);
  text->SetCaption(
      "Es wird eine Notfalldiskette erstellt, die bei Bedarf die noch zu sichernden Dateien "
      "zurückkopiert");
  auto* stop = dialog.Add<ui::RadioButton>();
  stop->SetName("RadioButton1");
  stop->SetBounds({16, 50, 300, 17});
  stop->SetCaption("Vorgang abbrechen");
  auto* go = dialog.Add<ui::RadioButton>();
  go->SetName("RadioButton2");
  go->SetBounds({16, 72, 300, 17});
  go->SetCaption("Notfalldiskette erstellen");
  go->SetChecked(true);
  auto* next = dialog.Add<ui::Button>();
  next->SetName("Button1");
  next->SetBounds({140, 110, 80, 25});
  next->SetCaption("&Weiter");
  next->SetDefault(true);
  form.ConfirmResult = 0;
  next->OnClick = [&](ui::Control&) {
    form.ConfirmResult = go->Checked() ? 2 : 0;
    dialog.SetModalResult(ui::mrOk);
  };
  dialog.ShowModal();
  return form.ConfirmResult;
}

// --- the work ------------------------------------------------------------------------------------

bool FloppyPresent(page::PageContext& form) {
  while (!form.services.files.Medium('A')) {
    if (form.MessageDlg("Legen Sie eine Diskette in Lauferk A ein", "Hinweis",
                        ui::MsgButtons::OkCancel, ui::MsgIcon::Warning) != ui::mrOk) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> MissingSupportFiles(page::PageContext& form) {
  std::vector<std::string> missing;
  for (const SupportFile& file : kSupportFiles) {
    if (!form.services.files.Exists(form.InstallDir + "\\" + file.name)) {
      missing.push_back(file.name);
    }
  }
  return missing;
}

// Every level of the folder, from the drive down.
bool MakeFolder(os::FileSystem& files, const std::string& folder) {
  for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
    if (!files.DirectoryExists(folder.substr(0, at))) files.MakeDirectory(folder.substr(0, at));
  }
  if (!files.DirectoryExists(folder)) files.MakeDirectory(folder);
  return files.DirectoryExists(folder);
}

void ShowError(page::PageContext& form, const std::string& text) {
  form.MessageDlg(text, "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
}

bool Save(page::PageContext& form, const std::string& path, const std::string& text) {
  if (form.services.files.WriteFile(path, text)) return true;
  ShowError(form, "Die Datei " + path + " konnte nicht geschrieben werden.");
  return false;
}

void Backup(page::PageContext& form) {
  os::FileSystem& files = form.services.files;
  std::string folder = form.Edits[kFolderEdit] ? form.Edits[kFolderEdit]->Text() : "";
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  if (AskToContinue(form) != 2) return;
  if (!FloppyPresent(form)) return;
  // The DOS programs are not ours to ship; without all of them the floppy would not work.
  if (const auto missing = MissingSupportFiles(form); !missing.empty()) {
    std::string names;
    for (const std::string& name : missing) names += "\n" + name;
    ShowError(form, "Im Programmordner " + form.InstallDir +
                        " fehlen die DOS-Dateien, die auf die Notfalldiskette gehören:" + names +
                        "\n\nEs wurde nichts geschrieben.");
    return;
  }
  if (folder.size() < 3 || folder[1] != ':' || !MakeFolder(files, folder)) {
    ShowError(form, "Der Sicherungsordner " + folder + " kann nicht angelegt werden.");
    return;
  }
  // The short form exists only once the folder does.
  const std::string shortFolder = files.ShortPath(folder);
  for (const SupportFile& file : kSupportFiles) {
    files.Copy(form.InstallDir + "\\" + file.name,
               file.onFloppy ? std::string(file.target) : folder + "\\" + file.target);
  }
  if (!Save(form, "A:\\Autoexec.bat", FloppyMenu(shortFolder))) return;
  BatchFiles batch;
  const ui::ListView* list = PageList(form);
  for (int i = 0; list && i < list->Count(); ++i) {
    const ui::ListItem* item = list->Item(i);
    if (item->Checked()) AddBatchLines(files, shortFolder, item->SubItem(kPathColumn), batch);
  }
  if (!Save(form, folder + "\\Backup.bat", BatchText(batch.backup)) ||
      !Save(form, folder + "\\Restore.bat", BatchText(batch.restore))) {
    return;
  }
  form.MessageDlg(
      "Notwendige Dateien wurden auf die Diskette kopiert !\nZum Herstellen der Notfalldiskette "
      "booten Sie mit dieser Diskette und folgen den Anweisungen",
      "SYSTEMDATEIEN GESICHERT");
}

bool WindowsDriveIsFat(page::PageContext& form) {
  const char drive = form.WindowsDir.empty() ? 'C' : form.WindowsDir[0];
  const auto medium = form.services.files.Medium(drive);
  return medium && base::UpperCase(medium->fileSystem).find("FAT") != std::string::npos;
}

void BuildBackupPage(page::PageContext& form) {
  if (!WindowsDriveIsFat(form)) {
    form.ShowInformationArea(page::InfoArea::Hidden);
    form.MessageDlg("Diese Option ist nur für FAT/FAT32 verfügbar !", "Hinweis");
    return;
  }
  const std::string folder = form.WindowsDir.substr(0, 3) + "Programme\\Backup";
  page::BeginPage(
      form, kPageId,
      "Um die Systemdateien zu sichern legen Sie eine leere Windows9x(DOS) formatierte Diskette "
      "(diese Diskette sollte keine Dateien enthalten) in Laufwerk A und klicken auf "
      "'Übernehmen'.\nEs wird eine Batchdatei auf der Diskette erstellt. Booten Sie dann das "
      "System mit dieser Dos-Diskette. Die Batchdatei sichert die markierten Dateien  in den "
      "Ordner " +
          folder +
          ".\nFalls Sie die Systemdateien zurückkopieren möchten, booten Sie mit dieser  "
          "Notfalldiskette  und kopieren diese Dateien zurück");
  page::AddLabel(form, 0, 20, 10, "Sicherungsordner");
  if (form.Create(form.Edits, kFolderEdit)) {
    form.WorkText = folder;
    form.Edit(kFolderEdit, 10, 24, 300, 23);
  }
  MakeButton(form, 0, "...", {320, 24, 20, 20}, [&form] { PickFolder(form); });
  MakeButton(form, 1, "Dateien hinzufügen", {350, 24, 100, 20},
             [&form] { MoreSichernDatei(form); });
  if (ui::ListView* list = MakeList(form, {10, 50, 440, 200}, ui::ViewStyle::Report)) {
    list->SetCheckBoxes(true);
    list->SetSmallImages(&ui::SystemSmallIcons());
    list->AddColumn("", 50);
    list->AddColumn("Sichern folgender markierter Dateien", 270);
    list->AddColumn("Größe", 90);
    for (const std::string& path : Candidates(form)) AddCandidate(form, *list, path);
  }
  form.BindApply([&form] { Reported(form, [&form] { Backup(form); }); });
}

}  // namespace

void RegisterBackupPage(page::PageTable& table) {
  table.Register(kPageId, BuildBackupPage);
}

}  // namespace tools
