// DirectX removal: lists the DirectX keys and files it finds and deletes the checked ones, for
// old games that need an older DirectX than the one installed. Deleting is the most destructive
// thing the program does, so everything checked is saved first and the user is told where.
#include "tools/directx.h"

#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "os/reg_file.h"
#include "page/after_shown.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr int kPageId = 27;
constexpr const char* kMicrosoft = "\\Software\\Microsoft\\";
constexpr const char* kCaptionRoot = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\";
constexpr const char* kDescription =
    "Laut Angaben von MS läßt dich DirectX nicht mehr deinstallieren. Es gibt aber ältere Spiele "
    "die mit der neueren  DirectX Version nicht zurechtkommen. Da man aber keine ältere Version "
    "über eine neuere Installieren kann, muss man das DirectX selbst entfernen.";

const char* const kKeys[] = {"Direct3D", "DirectDraw", "DirectPlay", "DirectX"};
// In this order; one name twice, as the list has always shown it.
const char* const kFixedFiles[] = {"dplayx.dll",   "dpmodemx.dll", "dpwsockx.dll",
                                   "directx.cpl",  "vjoyd.vxd",    "joy.cpl",
                                   "dpwsockx.dll", "dplaysvr.exe", "dpwsock.dll"};
const char* const kSystemParts[] = {"D3D", "DDHELP.EXE", "DDRAW", "DSOUND", "DINPUT"};
const char* const kBackupParts[] = {"D3D",    "DPWSOCKX.DLL", "DPMODEMX.DLL", "DPLAYX.DLL",
                                    "DINPUT", "DSOUND",       "DDRAW",        "DDHELP.EXE"};

constexpr int kKeyImage = 8;
constexpr int kFileImage = 9;
constexpr int kScannedImage = 51;

enum ListSlot { kKeyList, kFileList };

std::string SystemFolder(const page::PageContext& form) {
  return form.WindowsDir + (form.WindowsVersion != 0 ? "\\System32\\" : "\\System\\");
}

std::string NameAfterLastBackslash(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

ui::ListView* MakeCheckList(page::PageContext& form, int slot, int top, int height,
                            const char* column) {
  ui::ListView* list = form.Create(form.ListViews, slot);
  if (!list) return nullptr;
  form.ListView(slot, 10, top, 420, height);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetGridLines(true);
  list->SetCheckBoxes(true);
  list->SetHideSelection(false);
  list->SetSmallImages(&form.ImageList4);
  list->AddColumn(column, 400);
  return list;
}

void AddChecked(ui::ListView& list, const std::string& caption, int image) {
  ui::ListItem* item = list.Add(caption);
  item->SetChecked(true);
  item->SetImageIndex(image);
}

bool NameContainsAny(const std::string& name, const char* const* parts, size_t count) {
  const std::string upper = base::UpperCase(name);
  for (size_t i = 0; i < count; ++i) {
    if (upper.find(parts[i]) != std::string::npos) return true;
  }
  return false;
}

template <size_t N>
void AddFilesOf(page::PageContext& form, ui::ListView& list, const std::string& folder,
                const char* const (&parts)[N], int image) {
  const auto entries = form.services.files.ListDirectory(folder);
  if (!entries) return;
  // The list is on show: it draws once, not for every file (a system folder has hundreds).
  const ui::ListUpdate update(list);
  for (const os::DirEntry& entry : *entries) {
    if (!entry.IsDirectory() && NameContainsAny(entry.name, parts, N)) {
      AddChecked(list, folder + entry.name, image);
    }
  }
}

std::vector<std::string> CheckedCaptions(const ui::ListView* list) {
  std::vector<std::string> captions;
  for (int i = 0; list && i < list->Count(); ++i) {
    if (list->Item(i)->Checked()) captions.push_back(list->Item(i)->Caption());
  }
  return captions;
}

// --- the backup
// ------------------------------------------------------------------------------------

// A new folder below the user's application data (or the program's folder where a system has
// none), numbered so an older backup is never overwritten.
std::string MakeBackupFolder(page::PageContext& form) {
  os::FileSystem& files = form.services.files;
  std::string base = form.AppDataDir.empty() ? form.InstallDir : form.AppDataDir + "\\Kalmora2x";
  if (!files.DirectoryExists(base) && !files.MakeDirectory(base)) return "";
  for (int64_t number = 1; number < 1000; ++number) {
    const std::string folder = base + "\\DirectX-Sicherung " + base::IntToStr(number);
    if (files.Exists(folder)) continue;
    return files.MakeDirectory(folder) ? folder : "";
  }
  return "";
}

std::string KeysAsRegFile(page::PageContext& form, const std::vector<std::string>& keys) {
  const os::RegFileFormat format =
      form.WindowsVersion == 1 ? os::RegFileFormat::Regedit4 : os::RegFileFormat::Regedit5;
  std::string text;
  for (const std::string& caption : keys) {
    const std::string path = "Software\\Microsoft\\" + NameAfterLastBackslash(caption);
    std::string part =
        os::ExportRegText(form.services.registry, os::RegRoot::LocalMachine, path, format);
    // One header for the whole file.
    if (!text.empty()) part.erase(0, part.find("\r\n") + 2);
    text += part;
  }
  return os::EncodeRegFile(text, format);
}

// The file's copy in the backup: by the name of the folder it came from, so files of the same
// name from the system folder and from Sysbckup keep apart.
std::string BackupPathOf(const std::string& folder, const std::string& path) {
  const std::string parent = path.substr(0, path.rfind('\\'));
  return folder + "\\" + NameAfterLastBackslash(parent) + "\\" + NameAfterLastBackslash(path);
}

// Saves the keys as a registry file and copies the files; false (with what failed) when
// anything could not be saved.
bool SaveBackup(page::PageContext& form, const std::string& folder,
                const std::vector<std::string>& keys, const std::vector<std::string>& paths,
                std::string& failed) {
  os::FileSystem& files = form.services.files;
  if (!keys.empty() &&
      !files.WriteAtomically(folder + "\\DirectX-Registrierung.reg", KeysAsRegFile(form, keys))) {
    failed = folder + "\\DirectX-Registrierung.reg";
    return false;
  }
  for (const std::string& path : paths) {
    const std::string copy = BackupPathOf(folder, path);
    if (files.Exists(copy) || !files.Exists(path)) continue;  // listed twice, or gone already
    const std::string parent = copy.substr(0, copy.rfind('\\'));
    std::string bytes;
    if ((!files.DirectoryExists(parent) && !files.MakeDirectory(parent)) ||
        !files.ReadFile(path, bytes) || !files.WriteFile(copy, bytes)) {
      failed = path;
      return false;
    }
  }
  return true;
}

// --- deleting
// --------------------------------------------------------------------------------------

// Deletes the keys with everything below them; returns the captions of those still there.
std::vector<std::string> DeleteKeys(page::PageContext& form, const std::vector<std::string>& keys) {
  std::vector<std::string> left;
  sysaccess::TRegistry& registry = form.SharedRegistry;
  registry.SetRootKey(os::RegRoot::LocalMachine);
  if (!registry.OpenKey(kMicrosoft, false)) {
    registry.CloseKey();
    return keys;
  }
  for (const std::string& caption : keys) {
    const std::string name = NameAfterLastBackslash(caption);
    if (registry.KeyExists(name)) registry.DeleteKey(name);
    if (registry.KeyExists(name)) left.push_back(caption);
  }
  registry.CloseKey();
  return left;
}

// Read-only, hidden and system files are deleted too; returns the files still there.
std::vector<std::string> DeleteFiles(page::PageContext& form,
                                     const std::vector<std::string>& paths) {
  os::FileSystem& files = form.services.files;
  std::vector<std::string> left;
  for (const std::string& path : paths) {
    if (!files.Exists(path)) continue;  // the second entry of a name listed twice
    files.SetAttributes(path, os::kAttrNormal);
    if (!files.RemoveFile(path) && files.Exists(path)) left.push_back(path);
  }
  return left;
}

std::string Count(size_t count, const char* one, const char* many) {
  return base::IntToStr(static_cast<int64_t>(count)) + " " + (count == 1 ? one : many);
}

std::string Listed(const std::vector<std::string>& entries) {
  std::string text;
  for (size_t i = 0; i < entries.size() && i < 10; ++i) text += "\n" + entries[i];
  if (entries.size() > 10) text += "\n...";
  return text;
}

}  // namespace

void GetDelDirectXFiles(page::PageContext& form) {
  ui::ListView* keys = form.ListViews[kKeyList];
  ui::ListView* files = form.ListViews[kFileList];
  if (!keys || !files) return;
  keys->Clear();
  files->Clear();
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    registry.SetRootKey(os::RegRoot::LocalMachine);
    if (registry.OpenKeyReadOnly(kMicrosoft)) {
      for (const char* key : kKeys) {
        if (registry.KeyExists(key)) AddChecked(*keys, std::string(kCaptionRoot) + key, kKeyImage);
      }
    }
    registry.CloseKey();
  });
  const std::string system = SystemFolder(form);
  for (const char* name : kFixedFiles) {
    if (form.services.files.Exists(system + name)) AddChecked(*files, system + name, kFileImage);
  }
  // The two folder scans read every file of the system folder: the page is on show meanwhile,
  // and the status bar says where the page looks next.
  const std::string backup = form.WindowsDir + "\\Sysbckup\\";
  form.SetStatusText("Durchsuche " + system);
  page::AfterShown(
      form,
      [&form, files, system, backup, systemDone = false]() mutable {
        if (form.ListViews[kFileList] != files) return false;
        if (!systemDone) {
          AddFilesOf(form, *files, system, kSystemParts, kScannedImage);
          systemDone = true;
          form.SetStatusText("Durchsuche " + backup);
          return true;
        }
        AddFilesOf(form, *files, backup, kBackupParts, kFileImage);
        form.SetStatusText("");
        return false;
      },
      "GetDelDirectXFiles");
}

void DeleteDirectXFiles(page::PageContext& form) {
  const std::vector<std::string> keys = CheckedCaptions(form.ListViews[kKeyList]);
  const std::vector<std::string> paths = CheckedCaptions(form.ListViews[kFileList]);
  form.ConfirmResult = 0;
  if (!form.Confirm("Wollen Sie DirectX wirklich von Ihrem System entfernen ?\n\n" +
                    Count(keys.size(), "Registrierungsschlüssel", "Registrierungsschlüssel") +
                    " und " + Count(paths.size(), "Datei", "Dateien") +
                    " werden gelöscht, nachdem sie gesichert wurden.")) {
    return;
  }
  const std::string folder = MakeBackupFolder(form);
  std::string failed = folder.empty() ? "Sicherungsordner" : "";
  if (folder.empty() || !SaveBackup(form, folder, keys, paths, failed)) {
    form.MessageDlg(
        "Die Sicherung konnte nicht angelegt werden (" + failed + "). Es wurde nichts gelöscht.",
        "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  std::vector<std::string> left = DeleteKeys(form, keys);
  const std::vector<std::string> filesLeft = DeleteFiles(form, paths);
  left.insert(left.end(), filesLeft.begin(), filesLeft.end());
  const std::string saved = "Die Sicherung liegt in \"" + folder + "\".";
  if (!left.empty()) {
    form.MessageDlg(
        "Nicht alles konnte entfernt werden. Es bleiben:" + Listed(left) + "\n\n" + saved, "Fehler",
        ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  form.ReportApplied();
  form.MessageDlg("DirectX wurde entfernt. " + saved, "Information");
}

void BuildDirectXPage(page::PageContext& form) {
  page::BeginPage(form, kPageId, kDescription);
  MakeCheckList(form, kKeyList, 30, 80, "Zu löschende Einträge in der Registry");
  MakeCheckList(form, kFileList, 120, 120, "Zu löschende Dateien");
  GetDelDirectXFiles(form);
  form.BindApply([&form] { DeleteDirectXFiles(form); });
}

void RegisterDirectXPage(page::PageTable& table) {
  table.Register(kPageId, BuildDirectXPage);
}

}  // namespace tools
