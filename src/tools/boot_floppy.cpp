// The NT boot floppy: empties the floppy in A: and copies the boot loader's files from C:\ onto
// it, with an animation, a progress bar and a status line, letting the window run between steps.
#include <cstdint>
#include <string>

#include "base/convert.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr int kPageId = 5;
constexpr const char* kNoDisk = "Legen Sie eine Diskette in Lauferk A ein";
enum LabelSlot { kDeleteLabel = 0, kStatusLabel = 1, kPercentLabel = 2 };

struct BootFile {
  const char* from;
  const char* to;
  const char* status;
};

constexpr BootFile kBootFiles[] = {
    {"c:\\NTDETECT.COM", "a:\\NTDETECT.COM", "Übertrage NTDETECT.COM . . ."},
    {"c:\\NTLDR", "a:\\NTLDR", "Übertrage NTLDR  . . ."},
    {"c:\\NTBOOTDD.SYS", "a:\\NTBOOTDD.SYS", "Übertrage NTBOOTDD.SYS . . ."},
    {"c:\\BOOT.INI", "a:\\BOOT.INI", "Übertrage BOOT.INI  . . ."},
};

// The byte count behind the progress bar; lives while the floppy is made.
class FloppyWork {
 public:
  FloppyWork(page::PageContext& form, ui::Panel* page) : form_(form), page_(page) {}

  // The page the work started on is still on show.
  bool PageStays() const { return form_.PagePanel == page_; }

  // Deletes everything on A:; false (after telling the user) when something stays.
  bool ReadDirectoryA(const std::string& dir) {
    form_.ProcessMessages();
    if (!PageStays()) return false;
    const auto entries = form_.services.files.ListDirectory(dir);
    if (!entries) return true;
    if (!ReadFilesA(dir + "\\", *entries)) return false;
    for (const os::DirEntry& entry : *entries) {
      if (!entry.IsDirectory() || entry.name.starts_with(".")) continue;
      form_.ProcessMessages();
      if (!PageStays() || !ReadDirectoryA(dir + "\\" + entry.name)) return false;
    }
    if (dir != "A:" && !form_.services.files.RemoveEmptyDirectory(dir)) {
      return Refuse("Die Datei " + dir +
                    "\nkann nicht gelöscht werden, da der Pfad nicht gefunden wurde. Überprüfen "
                    "Sie die Pfadangabe\nund wiederholen Sie den Vorgang !");
    }
    return true;
  }

  void CountFile(const std::string& path) { total_ += SizeOf(path); }
  void StartCount(uint64_t total) {
    total_ = total;
    counter_ = 0;
  }

  void Progression(const std::string& path) {
    counter_ += SizeOf(path);
    // Nothing to do counts as done.
    const int position = total_ == 0 ? 100 : static_cast<int>(counter_ * 100 / total_);
    if (ui::Gauge* bar = form_.Gauges[0]) bar->SetProgress(position);
    SetLabel(kPercentLabel, "insgesamt " + base::IntToStr(position) + " %");
  }

  void SetLabel(int slot, const std::string& text) {
    if (ui::Label* label = form_.Labels[static_cast<size_t>(slot)]) label->SetCaption(text);
  }

 private:
  bool ReadFilesA(const std::string& folder, const std::vector<os::DirEntry>& entries) {
    os::FileSystem& files = form_.services.files;
    for (const os::DirEntry& entry : entries) {
      if (entry.IsDirectory()) continue;
      const std::string path = folder + entry.name;
      files.SetAttributes(path, os::kAttrNormal);
      form_.ProcessMessages();
      if (!PageStays()) return false;
      SetLabel(kStatusLabel, "Lösche " + entry.name + " . . .");
      Progression(path);
      form_.ProcessMessages();
      if (!PageStays()) return false;
      if (!files.RemoveFile(path)) {
        return Refuse("Die Datei " + entry.name +
                      " \nkann nicht gelöscht werden, da sie \ngeöffnet ist. Schliessen Sie die "
                      "Datei\nund wiederholen Sie den Vorgang !");
      }
    }
    return true;
  }

  bool Refuse(const std::string& text) {
    form_.MessageDlg(text, "FEHLER", ui::MsgButtons::Ok, ui::MsgIcon::Error);
    form_.MessageDlg(
        "Startdiskette kann nicht erstellt werden !\nÜberprüfen Sie, ob die Diskette "
        "schreibgeschützt ist.\nEntfernen Sie den Schreibschutz und wiederholen Sie den Vorgang .",
        "Hinweis");
    return false;
  }

  uint64_t SizeOf(const std::string& path) {
    std::string bytes;
    return form_.services.files.ReadFile(path, bytes) ? bytes.size() : 0;
  }

  page::PageContext& form_;
  ui::Panel* page_;
  uint64_t total_ = 0;
  uint64_t counter_ = 0;
};

bool WaitForFloppy(page::PageContext& form) {
  while (!form.services.files.Medium('A')) {
    if (form.MessageDlg(kNoDisk, "Hinweis", ui::MsgButtons::OkCancel, ui::MsgIcon::Warning) !=
        ui::mrOk) {
      return false;
    }
  }
  return true;
}

void BootA(page::PageContext& form) {
  ui::Panel* page = form.PagePanel;
  if (!page) return;
  FloppyWork work(form, page);
  page::AddLabel(form, kDeleteLabel, 10, 100, "Lösche Dateien auf Laufwerk A");
  page::AddLabel(form, kStatusLabel, 10, 114, "");
  page::AddLabel(form, kPercentLabel, 280, 114, "");
  const auto medium = form.services.files.Medium('A');
  work.StartCount(medium ? medium->totalBytes - medium->freeBytes : 0);
  auto* animation = page->Add<ui::Animation>();
  animation->SetBounds({20, 40, 272, 60});
  animation->SetCommonAvi(ui::CommonAvi::DeleteFile);
  if (form.Create(form.Gauges, 0)) {
    form.Gauge(0, 10, 140, 400, 16);
    form.Gauges[0]->SetRange(0, 100);
  }
  animation->SetActive(true);
  if (!work.ReadDirectoryA("A:")) return;
  if (form.WindowsVersion >= 1) {
    animation->SetActive(false);
    animation->SetCommonAvi(ui::CommonAvi::CopyFiles);
    animation->SetActive(true);
    work.StartCount(0);
    for (const BootFile& file : kBootFiles) work.CountFile(file.from);
    for (const BootFile& file : kBootFiles) {
      work.Progression(file.from);
      work.SetLabel(kStatusLabel, "Übertrage Dateien . . .");
      work.SetLabel(kStatusLabel, file.status);
      form.ProcessMessages();
      if (!work.PageStays()) return;
      os::FileSystem& files = form.services.files;
      // A missing source (no SCSI disk, no NTBOOTDD.SYS) is simply not copied; a file that is
      // there but does not fit or cannot be written ends the work.
      if (files.Exists(file.from) && !files.Copy(file.from, file.to)) {
        animation->SetActive(false);
        form.MessageDlg(std::string("Die Datei ") + file.from +
                            " konnte nicht auf die Diskette kopiert werden. Die Diskette ist "
                            "voll oder schreibgeschützt.\nStartdiskette kann nicht erstellt "
                            "werden !",
                        "FEHLER", ui::MsgButtons::Ok, ui::MsgIcon::Error);
        return;
      }
    }
  }
  animation->SetActive(false);
  form.MessageDlg("Startdiskette wurde erstellt !", "BOOTDISKETTE ERSTELLEN");
}

void MakeBootFloppy(page::PageContext& form) {
  form.Panel();
  if (!WaitForFloppy(form)) return;
  form.WorkText = "Bootdiskette erstellen (Win9x)";
  form.HeadLine("Bootdiskette erstellen (Win9x)");
  page::AddLabel(form, 0, 10, 160, "Alle Dateien auf der Diskette werden nun gelöscht !");
  MakeButton(form, 0, "Weiter", {10, 185, 140, 25}, [&form] { BootA(form); });
}

void BuildBootFloppyPage(page::PageContext& form) {
  page::BeginPage(
      form, kPageId,
      " Falls z.b. Boot-Dateien auf der Festplatte defekt sind ist es ratsam, eine Bootdiskette "
      "zu besitzen. Die Bootdskette muss unter NT/Win2000 formatiert sein (nicht DOS). Das "
      "Starten von NT auf  Diskette setzt  ein installiertes NT auf Festplatte voraus");
  if (ui::CheckBox* format =
          page::AddCheckBox(form, 0, 10, 140, 350, "Diskette vorher formatieren")) {
    format->OnClick = [&form](ui::Control& box) {
      if (static_cast<ui::CheckBox&>(box).Checked()) form.services.shell.FormatDrive(0);
    };
  }
  page::AddLabel(form, 0, 10, 160, "Alle Dateien auf der Diskette werden nun gelöscht !");
  MakeButton(form, 0, "Weiter", {10, 185, 140, 25},
             [&form] { Reported(form, [&form] { MakeBootFloppy(form); }); });
}

}  // namespace

void RegisterBootFloppyPage(page::PageTable& table) {
  table.Register(kPageId, BuildBootFloppyPage);
}

}  // namespace tools
