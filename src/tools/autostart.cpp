#include "tools/autostart.h"

#include <memory>
#include <stdexcept>

#include "base/text.h"
#include "base/utf.h"
#include "os/file_system.h"
#include "page/page_context.h"
#include "page/page_table.h"
#include "tools/not_removed.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr int kRegistryEntryImage = 6;
constexpr int kWinIniEntryImage = 7;

constexpr const char* kWinIniTitle = "AutoRun-Einträge in der Win.ini ";
constexpr const char* kNoWinIniEntries = "Keine Einträge vorhanden";
constexpr const char* kAutoStartTitle = "Programme im Autostart Ordner";
constexpr const char* kWinIniNotWritten =
    "Die Datei \"Win.ini\" konnte nicht geschrieben werden. Möglicherweise wird sie gerade "
    "verwendet, oder Ihnen fehlen die Rechte, sie zu ändern.";

// The shell's folder numbers of the Autostart folders.
constexpr int kCommonStartupFolder = 0x18;
constexpr int kStartupFolder = 0x07;
// Where a German Start menu keeps them below a profile folder.
constexpr const char* kGermanAutoStart = "\\Startmenü\\Programme\\Autostart";

// The descriptions of the registry pages; each ends with how to remove an entry.
constexpr const char* kD1 =
    "Diese Programme werden immer beim Start des Computers ausgeführt. \nUm ein Programm zu "
    "entfernen, markieren Sie den Eintrag und klicken\ndann auf \"Entfernen\"";
constexpr const char* kD2 =
    "Diese Programme werden nur beim Login des Benutzers ausgeführt. \nUm ein Programm zu "
    "entfernen, markieren Sie den Eintrag und klicken\ndann auf \"Entfernen\"";
constexpr const char* kD3 =
    "Diese Systemprogramme werden immer beim Start des Computers ausgeführt. \nUm ein Programm "
    "zu entfernen, markieren Sie den Eintrag und klicken\ndann auf \"Entfernen\"";
constexpr const char* kD4 =
    "Diese Systemprogramme werden nur beim Login des Benutzers ausgeführt. \nUm ein Programm zu "
    "entfernen, markieren Sie den Eintrag und klicken\ndann auf \"Entfernen\"";

constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Runonce";
constexpr const char* kRunOnceEx = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunonceEx";
constexpr const char* kRunServices = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";

// Drops the first n characters of UTF-8 text.
std::string DropChars(const std::string& text, size_t n) {
  size_t pos = 0;
  for (size_t i = 0; i < n && pos < text.size(); ++i) base::DecodeUtf8(text, pos);
  return text.substr(pos);
}

// The line as the page compares it: upper-cased by the Windows-1252 rules.
std::string UpperLine(const std::string& line) {
  return base::UpperCase(base::Cp1252ToUtf8(line));
}

std::string WinIniPath(const page::PageContext& form, const std::string& fileName) {
  return form.WindowsDir + "\\" + fileName;
}

std::vector<std::string> LoadLines(page::PageContext& form, const std::string& path) {
  std::string bytes;
  if (!form.services.files.ReadFile(path, bytes)) {
    throw std::runtime_error("Die Datei " + path + " kann nicht geöffnet werden.");
  }
  return SplitLines(bytes);
}

void AddWinIniItem(ui::ListView& list, std::string caption) {
  list.Add(std::move(caption))->SetImageIndex(kWinIniEntryImage);
}

}  // namespace

const std::vector<AutoRunPage>& AutoRunPages() {
  constexpr sysaccess::Root kMachine = sysaccess::Root::LocalMachine;
  constexpr sysaccess::Root kUser = sysaccess::Root::CurrentUser;
  static const std::vector<AutoRunPage> kPages = {
      {19, kD1, kMachine, kRun},       {20, kD2, kUser, kRun},
      {21, kD2, kMachine, kRunOnce},   {22, kD2, kUser, kRunOnce},
      {23, kD2, kMachine, kRunOnceEx}, {24, kD3, kMachine, kRunServices},
      {25, kD4, kUser, kRunServices},
  };
  return kPages;
}

// --- the registry pages
// ---------------------------------------------------------------------------

void AutoRun::BuildPage(page::PageContext& form, const AutoRunPage& page) {
  BeginPage(form, page.pageId, page.description);
  if (ui::ListView* list = MakeList(form, {10, 50, 420, 140}, ui::ViewStyle::Report)) {
    list->SetSmallImages(&form.ImageList4);
    list->SetShowColumnHeaders(true);
    list->SetMultiSelect(false);
    list->AddColumn("Programm", 200);
    list->AddColumn("Befehlszeile", 200);
  }
  MakeButton(form, 0, "Entfernen", {10, 200, 120, 25}, [this, &form] { DelRegAutoRun(form); });
  AutoRunRoot = page.root;
  AutoRunKey = page.key;
  AutoRunReg(form, AutoRunKey);
}

void AutoRun::SelectRoot(page::PageContext& form) const {
  if (AutoRunRoot) form.SharedRegistry.SetRootKey(sysaccess::RegRootOf(*AutoRunRoot));
}

void AutoRun::AutoRunReg(page::PageContext& form, const std::string& key) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  list->Clear();
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    SelectRoot(form);
    // Read-only, so that a user who may not change the machine's keys still sees them.
    if (!registry.OpenKeyReadOnly(key)) return;  // no key, no entries
    for (const std::string& name : registry.GetValueNames()) {
      ui::ListItem* item = list->Add(name);
      item->SetImageIndex(kRegistryEntryImage);
      // Only string values are commands; any other type ends the listing with the error.
      item->AddSubItem(registry.ReadString(name));
    }
    registry.CloseKey();
  });
}

void AutoRun::DelRegAutoRun(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  const ui::ListItem* item = list ? list->Selected() : nullptr;
  if (!item) return;
  const std::string name = item->Caption();
  if (!form.Confirm("Wollen Sie den Eintrag\n" + name +
                    "\nwirklich aus der Autorun-Routine entfernen?")) {
    return;
  }
  bool removed = false;
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    SelectRoot(form);
    // Only the value goes; the key stays even when it is then empty.
    if (registry.OpenKey(AutoRunKey, false) && registry.ValueExists(name)) {
      registry.DeleteValue(name);
    }
    // A key the user may only read does not even open for the deletion; what counts is whether
    // the value is gone.
    removed = !(registry.OpenKeyReadOnly(AutoRunKey) && registry.ValueExists(name));
    registry.CloseKey();
  });
  AutoRunReg(form, AutoRunKey);
  if (removed) {
    form.ReportApplied();
  } else {
    ReportNotRemoved(form, {name}, kRegistryDenied);
  }
}

// --- Win.ini
// --------------------------------------------------------------------------------------

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void BuildWinIniPage(page::PageContext& form) {
  BeginPage(form, 26, kWinIniTitle);
  if (ui::ListView* list = MakeList(form, {10, 70, 400, 80}, ui::ViewStyle::List, false)) {
    list->SetSmallImages(&form.ImageList4);
  }
  MakeButton(form, 0, "Entfernen", {10, 200, 120, 25}, [&form] { RemoveAutoWinIni(form); });
  AutoRunWinIni(form, "Win.ini");
}

void AutoRunWinIni(page::PageContext& form, const std::string& fileName) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  Reported(form, [&] {
    for (const std::string& line : LoadLines(form, WinIniPath(form, fileName))) {
      // The whole value after "load=" or "run=" is one entry, however many programs it names.
      // The key is cut off by its length from the start of the line, wherever it stands.
      std::string upper = UpperLine(line);
      if (upper.find("LOAD=") != std::string::npos) {
        upper = DropChars(upper, 5);
        if (!upper.empty()) AddWinIniItem(*list, upper);
      }
      if (upper.find("RUN=") != std::string::npos) {
        upper = DropChars(upper, 4);
        if (!upper.empty()) AddWinIniItem(*list, upper);
      }
    }
    if (list->Count() == 0) AddWinIniItem(*list, kNoWinIniEntries);
  });
}

void RemoveAutoWinIni(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  const ui::ListItem* item = list->Selected();
  if (!item) {
    form.MessageDlg("Sie müssen zuerst einen Eintrag markieren !", "Hinweis", ui::MsgButtons::Ok,
                    ui::MsgIcon::Information);
    return;
  }
  const std::string entry = item->Caption();
  if (entry == kNoWinIniEntries) return;
  if (!form.Confirm("Wollen Sie den Eintrag\n" + entry +
                    "\nwirklich aus der Datei \"Win.ini\" entfernen?")) {
    return;
  }
  Reported(form, [&] {
    const std::string path = WinIniPath(form, "Win.ini");
    std::vector<std::string> lines = LoadLines(form, path);
    const std::string wanted = base::UpperCase(entry);
    size_t i = 0;
    while (i < lines.size() && UpperLine(lines[i]).find(wanted) == std::string::npos) ++i;
    if (i == lines.size()) {
      form.MessageDlg("Fehler beim Entfernen des Eintrags !\nAktion abgebrochen.  ", "Information",
                      ui::MsgButtons::Ok, ui::MsgIcon::Information);
      return;
    }
    // Only the first line that holds the text is touched: a run or load line keeps its key with
    // an empty value, any other line stays as it is.
    const std::string upper = UpperLine(lines[i]);
    if (upper.starts_with("RUN")) {
      lines[i] = "run=";
    } else if (upper.starts_with("LOAD")) {
      lines[i] = "load=";
    }
    const bool written = form.services.files.ReplaceKeepingAttributes(path, JoinLines(lines));
    // Either way the list shows what the file now holds.
    list->Clear();
    AutoRunWinIni(form, "Win.ini");
    if (!written) {
      ReportNotRemoved(form, {entry}, kWinIniNotWritten);
      return;
    }
    form.ReportApplied();
  });
}

// --- the Autostart folders
// ------------------------------------------------------------------------

void BuildAutoStartPage(page::PageContext& form) {
  form.PageBuilding = 1;
  BeginPage(form, 142, kAutoStartTitle);
  if (ui::ListView* list = MakeList(form, {10, 40, 420, 100}, ui::ViewStyle::Report)) {
    list->SetMultiSelect(true);
    list->AddColumn("Programmname", 200);
    list->AddColumn("Pfad", 200);
  }
  GetAutoStart(form);
  form.BindApply([&form] { DeleteAutoStart(form); });
}

std::vector<std::string> AutoStartFolders(page::PageContext& form) {
  std::vector<std::string> folders;
  const auto add = [&](int csidl, const std::string& profile) {
    // The shell knows the folder under its localized name; the German names are the fallback
    // for a shell that does not.
    std::string folder = form.services.shell.SpecialFolderPath(csidl);
    if (folder.empty() && !profile.empty()) folder = profile + kGermanAutoStart;
    if (folder.empty()) return;
    for (const std::string& known : folders) {
      if (base::SameText(known, folder)) return;  // a profile without a common folder
    }
    folders.push_back(folder);
  };
  add(kCommonStartupFolder, form.AllUsersProfileDir);
  add(kStartupFolder, form.UserProfileDir);
  return folders;
}

void GetAutoStart(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  Reported(form, [&] {
    for (const std::string& folder : AutoStartFolders(form)) {
      const auto entries = form.services.files.ListDirectory(folder);
      if (!entries) continue;
      for (const os::DirEntry& entry : *entries) {
        if (entry.name == "." || entry.name == "..") continue;
        list->Add(entry.name)->AddSubItem(folder);
      }
    }
  });
}

void DeleteAutoStart(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list || list->SelCount() == 0) return;
  if (!form.Confirm("Wollen Sie markierten Einträge wirklich entfernen ?")) return;
  std::vector<std::string> kept;
  Reported(form, [&] {
    for (int i = list->Count() - 1; i >= 0; --i) {
      const ui::ListItem* item = list->Item(i);
      if (!item->Selected()) continue;
      // Permanently, not to the recycle bin. A file in use stays, and so does its row.
      const std::string path = os::JoinPath(item->SubItem(0), item->Caption());
      if (!form.services.files.RemoveFile(path) && form.services.files.Exists(path)) {
        kept.insert(kept.begin(), item->Caption());
        continue;
      }
      list->Delete(i);
    }
  });
  ReportNotRemoved(form, kept, kFilesInUse);
}

void RegisterAutoStartPages(page::PageTable& table) {
  auto autoRun = std::make_shared<AutoRun>();
  for (const AutoRunPage& page : AutoRunPages()) {
    table.Register(page.pageId,
                   [autoRun, &page](page::PageContext& form) { autoRun->BuildPage(form, page); });
  }
  table.Register(26, BuildWinIniPage);
  table.Register(142, BuildAutoStartPage);
}

}  // namespace tools
