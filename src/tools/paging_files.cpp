// The paging files: per fixed disk whether one exists, in which folder, and its initial and
// maximum size in MB, kept in the "PagingFiles" multi-string the system reads at start.
#include "tools/paging_files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
using page::Root;

namespace {

constexpr int kPageId = 122;
constexpr const char* kMemoryKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kPagingFiles = "PagingFiles";
constexpr const char* kDescription =
    " Bestimmen Sie den Ort der Auslagerungsdatei. Sie können die Datei auch auf mehrere "
    "Laufwerke aufteilen. Legen  Sie die Anfangsgröße und die maximale Größe der Datei.  Die "
    "Auslagerungsdatei können Sie auch in einen Ordner Ihrer Wahl legen";
constexpr uint64_t kBytesPerMb = 1024 * 1024;

enum Column { kFolderColumn = 0, kSizeColumn = 1 };
enum EditSlot { kInitialEdit, kMaximumEdit, kFolderEdit };

// "C:" from a shell name such as "System (C:)"; empty when it has none.
std::string DriveOf(const std::string& caption) {
  const size_t open = caption.rfind('(');
  if (open == std::string::npos || open + 2 >= caption.size() || caption[open + 2] != ':') {
    return "";
  }
  return caption.substr(open + 1, 2);
}

// The folder part of a path, without its trailing backslash unless it is a drive's root.
std::string FolderOf(const std::string& path) {
  std::string folder = path.substr(0, path.rfind('\\') + 1);
  if (folder.size() > 3) folder.pop_back();
  return folder;
}

std::string Before(const std::string& text, char separator) {
  return text.substr(0, text.find(separator));
}
std::string After(const std::string& text, char separator) {
  const size_t at = text.find(separator);
  return at == std::string::npos ? std::string() : text.substr(at + 1);
}

std::string AsNumberText(const std::string& text) {
  return base::FloatToStr(base::StrToFloat(text));
}

ui::ListItem* SelectedDrive(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  return list ? list->Selected() : nullptr;
}

void ShowError(page::PageContext& form, const std::string& text) {
  form.MessageDlg(text, "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
}

// A size the user typed: a number of MB, not negative.
bool ReadSize(page::PageContext& form, const std::string& text, double& size) {
  if (base::TryStrToFloat(text, size) && size >= 0) return true;
  ShowError(form,
            "\"" + text + "\" ist keine gültige Größe. Geben Sie die Größe in MB als Zahl ein.");
  return false;
}

uint64_t DriveMegabytes(page::PageContext& form, const std::string& drive) {
  for (const os::DriveInfo& info : form.services.files.Drives()) {
    if (!drive.empty() &&
        base::UpperCase(std::string(1, info.letter)) == base::UpperCase(drive.substr(0, 1))) {
      return info.totalBytes / kBytesPerMb;
    }
  }
  return 0;
}

// The size column's text for the edits, or false (with a message) when they are no sizes the
// drive can hold.
bool SizeText(page::PageContext& form, const std::string& drive, std::string& text) {
  const std::string initialText = form.Edits[kInitialEdit]->Text();
  const std::string maximumText = form.Edits[kMaximumEdit]->Text();
  // Two equal fields (both empty, say) mean no paging file on this drive.
  if (initialText == maximumText) {
    text.clear();
    return true;
  }
  double initial = 0;
  double maximum = 0;
  if (!ReadSize(form, initialText, initial) || !ReadSize(form, maximumText, maximum)) return false;
  if (maximum < initial) {
    ShowError(form, "Die maximale Größe darf nicht kleiner als die Anfangsgröße sein.");
    return false;
  }
  const uint64_t capacity = DriveMegabytes(form, drive);
  if (capacity > 0 && maximum > static_cast<double>(capacity)) {
    ShowError(form, "Laufwerk " + drive + " fasst nur " +
                        base::IntToStr(static_cast<int64_t>(capacity)) +
                        " MB; so groß kann die Auslagerungsdatei nicht werden.");
    return false;
  }
  text = base::FloatToStr(initial) + "-" + base::FloatToStr(maximum);
  return true;
}

}  // namespace

void GetOnlyHDPidls(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  list->Clear();
  for (const os::DriveInfo& drive : form.services.files.DriveKinds()) {
    if (drive.type != os::DriveType::Fixed) continue;
    const std::string root = std::string(1, drive.letter) + ":\\";
    ui::ListItem* item = list->Add(form.services.shell.DisplayName(root));
    item->SetImageIndex(form.services.shell.SystemIconIndex(root, true));
    item->AddSubItem("");
    item->AddSubItem("");
  }
}

void GetAuslagerungsdatei(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  std::vector<std::string> entries;
  WithExistingKey(
      form, Root::LocalMachine, kMemoryKey,
      [&](sysaccess::TRegistry& key) {
        std::vector<uint8_t> data;
        if (!key.ReadRaw(kPagingFiles, data)) return;
        std::string entry;
        for (uint8_t byte : data) {
          if (byte != 0) {
            entry += static_cast<char>(byte);
            continue;
          }
          if (entry.empty()) break;
          entries.push_back(entry);
          entry.clear();
        }
        if (!entry.empty()) entries.push_back(entry);
      },
      page::kReadOnlyKey);
  for (const std::string& entry : entries) {
    const std::string drive = base::UpperCase(entry.substr(0, 2));
    for (int i = 0; i < list->Count(); ++i) {
      ui::ListItem* item = list->Item(i);
      if (base::UpperCase(item->Caption()).find(drive) == std::string::npos) continue;
      const std::string path = Before(entry, ' ');
      const std::string sizes = After(entry, ' ');
      item->SetSubItem(kFolderColumn, FolderOf(path));
      item->SetSubItem(kSizeColumn,
                       AsNumberText(Before(sizes, ' ')) + "-" + AsNumberText(After(sizes, ' ')));
    }
  }
}

void GetSwapData(page::PageContext& form) {
  const ui::ListItem* item = SelectedDrive(form);
  if (!item) return;
  const std::string sizes = item->SubItem(kSizeColumn);
  form.Edits[kInitialEdit]->SetText(Before(sizes, '-'));
  form.Edits[kMaximumEdit]->SetText(After(sizes, '-'));
  form.Edits[kFolderEdit]->SetText(item->SubItem(kFolderColumn));
}

void FillListSwapData(page::PageContext& form) {
  ui::ListItem* item = SelectedDrive(form);
  if (!item) return;
  std::string sizes;
  if (!SizeText(form, DriveOf(item->Caption()), sizes)) return;
  item->SetSubItem(kSizeColumn, sizes);
  item->SetSubItem(kFolderColumn, form.Edits[kFolderEdit]->Text());
}

void GetSwapPath(page::PageContext& form) {
  const ui::ListItem* item = SelectedDrive(form);
  if (!item) return;
  const std::string drive = DriveOf(item->Caption());
  const std::optional<std::string> path =
      form.Backend().GetDialogs().BrowseFolder("Ordner für die Auslagerungsdatei");
  if (!path) return;
  if (base::SameText(path->substr(0, 2), drive)) {
    form.Edits[kFolderEdit]->SetText(*path);
  } else {
    form.MessageDlg("Bestimmen einen Ordner auf Laufwerk " + drive, "Hinweis");
  }
}

std::vector<std::string> PagingFileEntries(page::PageContext& form) {
  std::vector<std::string> entries;
  const ui::ListView* list = PageList(form);
  for (int i = 0; list && i < list->Count(); ++i) {
    const ui::ListItem* item = list->Item(i);
    const std::string sizes = item->SubItem(kSizeColumn);
    if (sizes.empty()) continue;
    const std::string folder = item->SubItem(kFolderColumn);
    const std::string path = folder + (folder.size() < 4 ? "pagefile.sys " : "\\pagefile.sys ");
    entries.push_back(path + Before(sizes, '-') + " " + After(sizes, '-'));
  }
  return entries;
}

void WriteAuslagerungsdatei(page::PageContext& form) {
  const std::vector<std::string> entries = PagingFileEntries(form);
  // Only into the existing key, with full access; without it nothing is written.
  WithExistingKey(form, Root::LocalMachine, kMemoryKey, [&entries](sysaccess::TRegistry& key) {
    key.WriteMultiString(kPagingFiles, entries);
  });
  form.ReportApplied();
}

void BuildPagingFilePage(page::PageContext& form) {
  page::BeginPage(form, kPageId, kDescription);
  if (ui::ListView* list = MakeList(form, {5, 40, 440, 100}, ui::ViewStyle::Report)) {
    list->SetSmallImages(&ui::SystemSmallIcons());
    list->AddColumn("Laufwerk", 140);
    list->AddColumn("Ordner", 180);
    list->AddColumn("Größe(MB)", 70);
    list->OnClick = [&form](ui::Control&) { GetSwapData(form); };
  }
  page::AddLabel(form, 0, 10, 150, "Anfangsgröße (MB)");
  page::AddLabel(form, 1, 10, 175, "Maximale Größe (MB)");
  page::AddLabel(form, 2, 2, 200, "Ordner Auslagerungsdatei");
  const int tops[] = {150, 175, 200};
  const int widths[] = {50, 50, 280};
  for (int slot = kInitialEdit; slot <= kFolderEdit; ++slot) {
    form.Create(form.Edits, slot);
    form.WorkText.clear();
    form.Edit(slot, 130, tops[slot], widths[slot], 20);
  }
  MakeButton(form, 0, "Festlegen", {300, 150, 100, 25}, [&form] { FillListSwapData(form); });
  MakeButton(form, 1, "...", {420, 200, 20, 20}, [&form] { GetSwapPath(form); });
  GetOnlyHDPidls(form);
  Reported(form, [&form] { GetAuslagerungsdatei(form); });
  form.BindApply([&form] { Reported(form, [&form] { WriteAuslagerungsdatei(form); }); });
}

void RegisterPagingFilePage(page::PageTable& table) {
  table.Register(kPageId, BuildPagingFilePage);
}

}  // namespace tools
