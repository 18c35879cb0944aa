// The support information of the system properties: maker, model, addresses and support text in
// OEMINFO.INI, the maker's picture in OEMLOGO.BMP, both in the system folder. Files, not
// registry values, so the page is all hooks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "base/utf.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kInfoFile = "\\OEMINFO.INI";
constexpr const char* kLogoFile = "\\OEMLOGO.BMP";

enum EditSlot { kMaker, kModel, kSupportUrl, kLocalFile, kPicture };

std::string SystemFolder(const PageContext& form) {
  return form.WindowsDir + (form.WindowsVersion == 0 ? "\\System" : "\\System32");
}

ui::Memo& SupportText(PageContext& form) {
  return *form.RichEdits[0];
}

void MakeSupportText(PageContext& form) {
  AddLabel(form, 5, 20, 190, "Tragen Sie hier den Text ein");
  ui::RichEdit* memo = form.Create(form.RichEdits, 0);
  form.WorkText.clear();
  form.RichEdit(0, 20, 210, 420, 110);
  // The factory makes a text to read; this one is typed into.
  memo->SetColor(ui::clWindow);
  memo->SetBorder(ui::BorderStyle::Single);
  memo->SetWordWrap(false);
  memo->SetScrollBars(ui::ScrollBars::Both);
}

void GetOEMBmp(PageContext& form) {
  ui::FileDialogOptions options;
  options.title = "OEM-Bild suchen";
  options.filter = "Programmdateien (*.bmp)|*.BMP";
  options.picture = true;
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (path && !path->empty()) form.Edits[kPicture]->SetText(*path);
}

// The file's lines, ended by CR LF, LF or CR.
std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

// The text after the first "=".
std::string ValueOf(const std::string& line) {
  const size_t equals = line.find('=');
  return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

void GetOEMInf(PageContext& form) {
  const std::string folder = SystemFolder(form);
  std::string bytes;
  if (!form.services.files.ReadFile(folder + kInfoFile, bytes)) return;
  std::vector<std::string> support;
  // An 8-bit file in the system's code page.
  for (const std::string& line : Lines(base::Cp1252ToUtf8(bytes))) {
    const std::string upper = base::UpperCase(line);
    const auto starts = [&upper](std::string_view start) { return upper.rfind(start, 0) == 0; };
    if (starts("MANU")) {
      form.Edits[kMaker]->SetText(ValueOf(line));
    } else if (starts("MODE")) {
      form.Edits[kModel]->SetText(ValueOf(line));
    } else if (starts("SUPPORTURL")) {
      form.Edits[kSupportUrl]->SetText(ValueOf(line));
    } else if (starts("LOCA")) {
      form.Edits[kLocalFile]->SetText(ValueOf(line));
    } else if (starts("LINE")) {
      support.push_back(ValueOf(line));
    }
  }
  SupportText(form).SetLines(std::move(support));
  if (form.services.files.Exists(folder + kLogoFile)) {
    form.Edits[kPicture]->SetText(folder + kLogoFile);
  }
}

std::string InfoFileText(PageContext& form) {
  std::string text = "[General]\r\n";
  text += "Manufacturer=" + form.Edits[kMaker]->Text() + "\r\n";
  text += "Model=" + form.Edits[kModel]->Text() + "\r\n";
  text += "SupportURL=" + form.Edits[kSupportUrl]->Text() + "\r\n";
  text += "LocalFile=" + form.Edits[kLocalFile]->Text() + "\r\n";
  text += "[Support Information]\r\n";
  int64_t number = 0;
  for (const std::string& line : SupportText(form).Lines()) {
    if (line.empty()) continue;
    text += "Line" + base::IntToStr(++number) + "=" + line + "\r\n";
  }
  return text;
}

// The picture is copied over the old one in one step; one that cannot be read or written is
// left out, the text file is written all the same.
void CopyLogo(PageContext& form, const std::string& target) {
  const std::string& source = form.Edits[kPicture]->Text();
  if (source.empty() || base::UpperCase(source) == base::UpperCase(target)) return;
  std::string picture;
  if (!form.services.files.ReadFile(source, picture) ||
      !form.services.files.WriteAtomically(target, picture)) {
    form.Trace().Failure("WriteOEMInf", "picture not copied: " + source);
  }
}

// Without a maker's name both files go: that is how the support information is taken away.
void WriteOEMInf(PageContext& form) {
  const std::string folder = SystemFolder(form);
  os::FileSystem& files = form.services.files;
  if (form.Edits[kMaker]->Text().empty()) {
    files.RemoveFile(folder + kInfoFile);
    files.RemoveFile(folder + kLogoFile);
    form.ReportApplied();
    return;
  }
  // The old file stays whole when the new one cannot be written.
  if (!files.WriteAtomically(folder + kInfoFile, base::Utf8ToCp1252(InfoFileText(form)))) {
    form.MessageDlg("Die Datei \"" + folder + kInfoFile +
                        "\" konnte nicht geschrieben werden. Die bisherigen Angaben bleiben "
                        "erhalten.",
                    "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  CopyLogo(form, folder + kLogoFile);
  form.ReportApplied();
}

}  // namespace

SettingsPage OemInfoPage() {
  const int rows[] = {40, 65, 90, 115, 140};
  const char* const labels[] = {"OEM Name ", "Computermodell", "URL Support", "Lokale HTML-Datei",
                                "OEM Bild"};
  std::vector<Control> controls;
  for (int slot = kMaker; slot <= kPicture; ++slot) {
    controls.push_back(Label{slot, 20, rows[slot] + 3, labels[slot]});
    controls.push_back(Edit{.slot = slot, .left = 140, .top = rows[slot], .width = 270});
  }
  controls.push_back(Button{0, {415, rows[kPicture], 25, 21}, "...", {"GetOEMBmp", GetOEMBmp}});
  return {
      .pageId = 57,
      .description =
          "Tragen Sie die Angaben ein, die Windows in den Systemeigenschaften unter "
          "\"Allgemein\" und \"Support-Informationen\" zeigt, und wählen Sie ein Bild "
          "(BMP, höchstens 180 x 114 Punkte). Ohne \"OEM Name\" werden die Angaben "
          "und das Bild entfernt. Klicken Sie auf \"Übernehmen\".",
      .controls = std::move(controls),
      .readerName = "GetOEMInf",
      .writerName = "WriteOEMInf",
      .afterBuild = MakeSupportText,
      .reader = GetOEMInf,
      .writer = WriteOEMInf,
      .reportsApplied = false,
  };
}

}  // namespace tweaks
