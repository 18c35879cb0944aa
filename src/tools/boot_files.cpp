// The boot and system text files: the read-only views of "Systemdateien" and the start-up page,
// which edits C:\Boot.ini and the crash-control settings. Boot.ini decides whether the machine
// starts, so it is changed line by line, written in one step and its old version kept.
#include <optional>
#include <string>
#include <vector>

#include "access/boot_ini.h"
#include "base/convert.h"
#include "base/utf.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
using page::Kind;
using page::Root;

namespace {

using sysaccess::kBootIniBackupPath;
using sysaccess::kBootIniPath;

constexpr int kStartPageId = 163;
constexpr const char* kCrashKey = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
constexpr const char* kCrashValues[] = {"LogEvent", "SendAlert", "AutoReboot"};
constexpr const char* kCrashCaptions[] = {"Eintrag im Systemprotokoll vornehmen",
                                          "Administratorwarnmeldung senden",
                                          "Automatisch neu starten"};
constexpr const char* kStartDescription =
    "1) Legen Sie das Standardbetriebssystem fest\n2 )Bestimmen Sie, wie lange die Liste der "
    "verfügbaren Betriebssystem beim Systemstart angezeigt wird\n3 ) Bestimmen Sie,  ob bei "
    "Systemfehlern ein Eintrag im Systemprotokoll vorgenommen wird, ob 4).eine "
    "Administratorwarnmeldung gesendet wird und 5) das System Automatisch neu gestartet wird";
constexpr const char* kNotFound = " Die Datei Boot.ini wurde nicht gefunden !";

// --- file views ---------------------------------------------------------------------------------

struct FileView {
  int pageId;
  const char* path;   // below the Windows folder when relative
  bool systemFolder;  // below System32 on the NT family (the program runs on no other)
};

constexpr FileView kFileViews[] = {
    {91, "System.ini", false},      {92, "Win.ini", false},          {93, "C:\\Boot.ini", false},
    {94, "c:\\Bootlog.txt", false}, {95, "c:\\Netlog.txt", false},   {96, "C:\\Config.sys", false},
    {97, "Config.nt", true},        {98, "c:\\Autoexec.bat", false}, {99, "Autoexec.nt", true},
    {100, "c:\\Msdos.sys", false},
};

std::string ViewPath(const page::PageContext& form, const FileView& view) {
  const std::string name = view.path;
  if (name.size() > 1 && name[1] == ':') return name;
  if (!view.systemFolder) return form.WindowsDir + "\\" + name;
  return form.WindowsVersion >= 1 ? form.WindowsDir + "\\System32\\" + name : "C:\\" + name;
}

void BuildFileView(page::PageContext& form, const FileView& view) {
  const std::string path = ViewPath(form, view);
  page::BeginPage(form, view.pageId, "");
  form.WorkText = path;
  form.HeadLine(path);
  ui::RichEdit* edit = form.Create(form.RichEdits, 0);
  if (!edit) return;
  form.WorkText.clear();
  form.RichEdit(0, 4, 40, 450, 320);
  edit->SetColor(ui::clWhite);
  edit->SetBorder(ui::BorderStyle::Single);
  edit->SetScrollBars(ui::ScrollBars::Both);
  edit->SetWordWrap(false);
  // A file that cannot be read leaves the view empty.
  std::string bytes;
  if (form.services.files.ReadFile(path, bytes)) edit->SetText(base::Cp1252ToUtf8(bytes));
}

// --- start-up page ------------------------------------------------------------------------------

enum : int { kEntriesCombo = 0, kTimeoutSpin = 0, kCrashGroup = 0 };

// The page's Boot.ini lines, or none (with the message) when there is no Boot.ini.
std::optional<std::vector<sysaccess::TextLine>> LoadBootIni(page::PageContext& form) {
  std::string bytes;
  if (!form.services.files.Exists(kBootIniPath) ||
      !form.services.files.ReadFile(kBootIniPath, bytes)) {
    form.MessageDlg(kNotFound, "Hinweis");
    return std::nullopt;
  }
  return sysaccess::SplitTextLines(bytes);
}

void ReadBootIniPage(page::PageContext& form) {
  os::FileSystem& files = form.services.files;
  if (files.Exists(kBootIniPath)) files.SetAttributes(kBootIniPath, os::kAttrNormal);
  const auto lines = LoadBootIni(form);
  if (!lines) return;
  const sysaccess::BootIniView view = sysaccess::ReadBootIni(*lines);
  if (ui::ComboBox* entries = form.ComboBoxes[kEntriesCombo]) {
    entries->SetItems(view.entries);
    if (!view.entries.empty()) entries->SetItemIndex(0);
  }
  if (view.timeoutText && form.SpinEdits[kTimeoutSpin]) {
    form.SpinEdits[kTimeoutSpin]->SetValue(base::TruncToInt32(base::StrToFloat(*view.timeoutText)));
  }
}

void ReadCrashControl(page::PageContext& form) {
  for (int i = 0; i < 3; ++i) {
    if (ui::CheckBox* box = form.CheckBoxes[static_cast<size_t>(i)]) {
      box->SetChecked(form.ReadReg(Root::LocalMachine, kCrashKey, kCrashValues[i], Kind::Integer) ==
                      "1");
    }
  }
}

void ShowWriteError(page::PageContext& form, const std::string& text) {
  form.MessageDlg(text, "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
}

// Clears read-only, hidden and archive and keeps the system bit.
void SetDelAttributes(os::FileSystem& files, const std::string& path) {
  if (const auto attributes = files.GetAttributes(path)) {
    files.SetAttributes(path,
                        *attributes & ~(os::kAttrReadOnly | os::kAttrHidden | os::kAttrArchive));
  }
}

// Returns whether Boot.ini holds the page's state now; on any failure the file as it was stays,
// protected again as the loader's file.
bool WriteBootIniFile(page::PageContext& form) {
  os::FileSystem& files = form.services.files;
  constexpr uint32_t kBootAttributes =
      os::kAttrReadOnly | os::kAttrHidden | os::kAttrSystem | os::kAttrArchive;
  SetDelAttributes(files, kBootIniPath);
  std::string before;
  if (!files.Exists(kBootIniPath) || !files.ReadFile(kBootIniPath, before)) {
    form.MessageDlg(kNotFound, "Hinweis");
    return false;
  }
  std::vector<sysaccess::TextLine> lines = sysaccess::SplitTextLines(before);
  const ui::ComboBox* entries = form.ComboBoxes[kEntriesCombo];
  const ui::SpinEdit* timeout = form.SpinEdits[kTimeoutSpin];
  if (!entries || !timeout) return false;
  sysaccess::EditBootIni(lines, timeout->Value(), entries->Items(), entries->ItemIndex());
  const std::string after = sysaccess::JoinTextLines(lines);

  SetDelAttributes(files, kBootIniBackupPath);
  if (!files.WriteAtomically(kBootIniBackupPath, before)) {
    files.SetAttributes(kBootIniPath, kBootAttributes);
    ShowWriteError(form, std::string("Die Sicherungskopie \"") + kBootIniBackupPath +
                             "\" konnte nicht geschrieben werden. Boot.ini wurde nicht geändert.");
    return false;
  }
  const bool written = files.WriteAtomically(kBootIniPath, after);
  files.SetAttributes(kBootIniPath, kBootAttributes);
  if (!written) {
    ShowWriteError(form, "Die Datei Boot.ini konnte nicht geschrieben werden und ist unverändert.");
  }
  return written;
}

void WriteBootIni(page::PageContext& form) {
  if (!WriteBootIniFile(form)) return;
  for (int i = 0; i < 3; ++i) {
    const ui::CheckBox* box = form.CheckBoxes[static_cast<size_t>(i)];
    if (box)
      form.WriteReg(Root::LocalMachine, kCrashKey, kCrashValues[i], box->Checked() ? "1" : "0",
                    Kind::Integer);
  }
  form.ReportApplied();
}

void BuildStartPage(page::PageContext& form) {
  page::BeginPage(form, kStartPageId, kStartDescription);
  page::AddLabel(form, 0, 20, 40, "Standardbetriebssystem festlegen");
  if (ui::ComboBox* entries = form.Create(form.ComboBoxes, kEntriesCombo)) {
    form.WorkText.clear();
    form.ComboBox(kEntriesCombo, 20, 60, 400, 21);
    entries->SetStyle(ui::ComboStyle::DropDownList);
  }
  page::AddLabel(form, 1, 20, 90, "Liste der Betriebssysteme anzeigen für (Sek) : ");
  if (ui::SpinEdit* spin = form.Create(form.SpinEdits, kTimeoutSpin)) {
    form.SpinEdit(kTimeoutSpin, 250, 90, 60, 22);
    spin->SetRange(0, 999);
    spin->SetValue(30);
  }
  ui::GroupBox* group = page::AddGroupBox(form, kCrashGroup, 20, 130, 400, 70, "Bei Systemfehlern");
  if (group) group->SetColor(ui::clWhite);
  for (int i = 0; i < 3; ++i)
    page::AddCheckBox(form, i, 20, 15 + 15 * i, 230, kCrashCaptions[i], group);
  Reported(form, [&form] { ReadBootIniPage(form); });
  Reported(form, [&form] { ReadCrashControl(form); });
  form.BindApply([&form] { Reported(form, [&form] { WriteBootIni(form); }); });
}

}  // namespace

void RegisterBootFilePages(page::PageTable& table) {
  for (const FileView& view : kFileViews) {
    table.Register(view.pageId, [view](page::PageContext& form) { BuildFileView(form, view); });
  }
  table.Register(kStartPageId, BuildStartPage);
}

}  // namespace tools
