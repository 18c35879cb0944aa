// "Profil speichern...", "Mit Profil vergleichen..." and "Profil anwenden..." of the "&Ansicht"
// menu. The pages are read and applied on the profiles' own page host, never on the page on
// show; an apply is one change set of the journal, named after the profile.
#include "base/convert.h"
#include "journal/journal.h"
#include "os/file_system.h"
#include "profile/profiles.h"
#include "profile/unattended.h"
#include "shell/main_window.h"
#include "shell/profile_windows.h"

namespace shell {
namespace {

constexpr const char* kProfileFilter = "Kalmora-2x-Profile (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

// The rows a person needs to see: what differs, and what this system lacks.
std::vector<profile::Row> NotSame(const std::vector<profile::Row>& rows) {
  std::vector<profile::Row> shown;
  for (const profile::Row& row : rows) {
    if (row.outcome != profile::Outcome::Same) shown.push_back(row);
  }
  return shown;
}

}  // namespace

void TForm1::AttachProfiles(std::function<profile::Profiles&()> open, std::string programVersion) {
  openProfiles_ = std::move(open);
  programVersion_ = std::move(programVersion);
  auto& items = PopupMenu2.Items();
  items.Add("-");
  ProfileSave1 = items.Add("Profil speichern...", [this](ui::MenuItem&) { ProfileSave1Click(); });
  ProfileSave1->SetName("ProfileSave1");
  ProfileCompare1 =
      items.Add("Mit Profil vergleichen...", [this](ui::MenuItem&) { ProfileCompare1Click(); });
  ProfileCompare1->SetName("ProfileCompare1");
  ProfileApply1 = items.Add("Profil anwenden...", [this](ui::MenuItem&) { ProfileApply1Click(); });
  ProfileApply1->SetName("ProfileApply1");
}

profile::Profiles* TForm1::Profiles() {
  if (!profiles_ && openProfiles_) {
    profiles_ = &openProfiles_();
    profiles_->Host().CopyStateOf(*this);
  }
  return profiles_;
}

os::FileSystem& TForm1::PlainFiles() {
  return journal_ ? journal_->Files() : services.files;
}

void TForm1::GoToPage(int pageId) {
  for (ui::TreeNode* node = TreeView1->Root(0); node; node = node->Next()) {
    if (node->ImageIndex() != pageId) continue;
    SelectNode(node);
    return;
  }
}

std::optional<profile::Profile> TForm1::OpenProfile(const char* title, std::string& path) {
  ui::FileDialogOptions options;
  options.title = title;
  options.filter = kProfileFilter;
  const std::optional<std::string> chosen = Backend().GetDialogs().OpenFile(options);
  if (!chosen || chosen->empty()) return std::nullopt;
  path = *chosen;
  std::string bytes;
  if (!PlainFiles().ReadFile(path, bytes)) {
    MessageDlg("Die Datei \"" + path + "\" lässt sich nicht lesen.", "Fehler", ui::MsgButtons::Ok,
               ui::MsgIcon::Error);
    return std::nullopt;
  }
  profile::ReadError error;
  std::optional<profile::Profile> read = profile::ReadProfile(bytes, error);
  if (!read) {
    MessageDlg("Die Datei \"" + path + "\" ist kein gültiges Profil.\n" + profile::Describe(error),
               "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
  }
  return read;
}

void TForm1::ProfileSave1Click() {
  if (!Profiles()) return;
  // Only the pages that have a setting to save: lists and tools-like pages hold none.
  std::vector<int> withSettings;
  for (const profile::Section& section : profiles_->Save({})) {
    withSettings.push_back(section.pageId);
  }
  ProfilePagesWindow window(Backend(), &form_, withSettings,
                            [this](int pageId) { return profiles_->Title(pageId); });
  const std::optional<std::vector<int>> pages = window.Execute();
  if (!pages) return;
  if (pages->empty()) {
    MessageDlg("Es ist keine Seite gewählt.", "Hinweis", ui::MsgButtons::Ok,
               ui::MsgIcon::Information);
    return;
  }
  ui::FileDialogOptions options;
  options.title = "Profil speichern";
  options.filter = kProfileFilter;
  options.save = true;
  options.defaultExt = "txt";
  options.fileName = services.system.ComputerName() + ".txt";
  const std::optional<std::string> path = Backend().GetDialogs().OpenFile(options);
  if (!path || path->empty()) return;
  profile::Profile saved;
  saved.header = profile::HeaderOf(profiles_->Host(), programVersion_);
  saved.sections = profiles_->Save(*pages);
  if (!PlainFiles().WriteAtomically(*path, profile::WriteProfile(saved))) {
    MessageDlg("Das Profil konnte nicht nach \"" + *path + "\" geschrieben werden.", "Fehler",
               ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  SetStatusText("Profil gespeichert");
}

void TForm1::ProfileCompare1Click() {
  if (!Profiles()) return;
  std::string path;
  const std::optional<profile::Profile> read = OpenProfile("Mit Profil vergleichen", path);
  if (!read) return;
  const std::vector<profile::Row> rows = NotSame(profiles_->Compare(*read));
  if (rows.empty()) {
    MessageDlg("Dieser Rechner stimmt mit dem Profil \"" + std::string(os::FileNameOf(path)) +
                   "\" überein.",
               "Information", ui::MsgButtons::Ok, ui::MsgIcon::Information);
    return;
  }
  ProfileDiffWindow window(
      Backend(), &form_, "Mit Profil vergleichen",
      "Hier weicht dieser Rechner vom Profil \"" + std::string(os::FileNameOf(path)) + "\" ab:",
      rows, false);
  window.Execute([this](int pageId) { GoToPage(pageId); });
}

void TForm1::ProfileApply1Click() {
  if (!Profiles()) return;
  std::string path;
  const std::optional<profile::Profile> read = OpenProfile("Profil anwenden", path);
  if (!read) return;
  const std::vector<profile::Row> rows = NotSame(profiles_->Compare(*read));
  if (!profile::AnyDiffers(rows)) {
    MessageDlg("Dieser Rechner stimmt mit dem Profil \"" + std::string(os::FileNameOf(path)) +
                   "\" überein; es gibt nichts zu übernehmen.",
               "Information", ui::MsgButtons::Ok, ui::MsgIcon::Information);
    return;
  }
  ProfileDiffWindow window(Backend(), &form_, "Profil anwenden",
                           "Sollen diese Einstellungen aus dem Profil \"" +
                               std::string(os::FileNameOf(path)) + "\" übernommen werden?",
                           rows, true);
  if (!window.Execute([this](int pageId) { GoToPage(pageId); })) return;
  const std::vector<profile::Row> applied = profiles_->Apply(*read, profile::Scope::All);
  if (journal_) journal_->Close("Profil angewendet: " + std::string(os::FileNameOf(path)));
  int done = 0;
  std::string failed;
  bool restart = false;
  for (const profile::Row& row : applied) {
    if (row.outcome == profile::Outcome::Applied) {
      ++done;
      restart = restart || row.restart;
    }
    if (row.outcome == profile::Outcome::Failed || row.outcome == profile::Outcome::Invalid) {
      failed += "\n" + row.page + ": " + row.setting;
    }
  }
  // The page on show reads what now stands.
  TreeView1Change(TreeView1->Selected());
  std::string text = base::IntToStr(done) + " Einstellungen übernommen.";
  if (restart) text += "\nEinige wirken erst nach einem Neustart.";
  if (!failed.empty()) text += "\n\nNicht übernommen:" + failed;
  MessageDlg(text, failed.empty() ? "Information" : "Fehler", ui::MsgButtons::Ok,
             failed.empty() ? ui::MsgIcon::Information : ui::MsgIcon::Warning);
  SetStatusText("Änderungen übernommen");
}

}  // namespace shell
