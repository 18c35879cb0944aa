#include "shell/journal_window.h"

#include "journal/journal_store.h"
#include "journal/reg_export.h"
#include "journal/undo.h"
#include "shell/form_controls.h"
#include "shell/main_window.h"

namespace shell {
namespace {

constexpr const char* kCaption = "Änderungsprotokoll";

std::string SetLine(const journal::ChangeSet& set) {
  const size_t count = set.changes.size();
  return set.time + "   " + set.label + "   (" + std::to_string(count) +
         (count == 1 ? " Änderung)" : " Änderungen)");
}

}  // namespace

JournalWindow::JournalWindow(TForm1& main, journal::Journal& journal)
    : main_(main), journal_(journal), form_(main.Backend(), &main.Form()) {
  form_.SetName("JournalWindow");
  form_.SetCaption(kCaption);
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::OwnerFormCenter);
  form_.SetClientSize(620, 380);

  TreeView1 = form_.Add<ui::TreeView>();
  TreeView1->SetName("TreeView1");
  TreeView1->SetBounds({8, 8, 604, 326});
  TreeView1->SetReadOnly(true);
  TreeView1->SetHideSelection(false);

  UndoButton = AddButton(form_, "UndoButton", "Rückgängig machen", {8, 344, 130, 25});
  UndoButton->OnClick = [this](ui::Control&) { UndoClick(); };
  ExportButton = AddButton(form_, "ExportButton", "Als .reg exportieren", {146, 344, 150, 25});
  ExportButton->OnClick = [this](ui::Control&) { ExportClick(false); };
  ExportPreviousButton =
      AddButton(form_, "ExportPreviousButton", "Vorherige Werte als .reg", {304, 344, 150, 25});
  ExportPreviousButton->OnClick = [this](ui::Control&) { ExportClick(true); };
  CloseButton = AddButton(form_, "CloseButton", "Schließen", {512, 344, 100, 25});
  CloseButton->SetCancel(true);
  CloseButton->SetModalResult(ui::mrCancel);
}

void JournalWindow::Execute() {
  Reload();
  form_.ShowModal();
}

void JournalWindow::Reload() {
  sets_ = journal_.Store() ? journal_.Store()->Load() : std::vector<journal::ChangeSet>{};
  TreeView1->BeginUpdate();
  TreeView1->Clear();
  for (size_t i = 0; i < sets_.size(); ++i) {
    ui::TreeNode* node = TreeView1->Add(nullptr, SetLine(sets_[i]));
    node->SetData(static_cast<intptr_t>(i));
    for (const journal::Change& change : sets_[i].changes) {
      TreeView1->Add(node, journal::Describe(change))->SetData(static_cast<intptr_t>(i));
    }
  }
  TreeView1->EndUpdate();
  if (TreeView1->RootCount() > 0) TreeView1->SetSelected(TreeView1->Root(0));
}

const journal::ChangeSet* JournalWindow::SelectedSet() const {
  const ui::TreeNode* node = TreeView1->Selected();
  if (!node) return nullptr;
  const auto index = static_cast<size_t>(node->Data());
  return index < sets_.size() ? &sets_[index] : nullptr;
}

void JournalWindow::UndoClick() {
  const journal::ChangeSet* chosen = SelectedSet();
  if (!chosen) return;
  const journal::ChangeSet set = *chosen;
  const std::vector<std::string> conflicts =
      journal::FindConflicts(set, journal_.Registry(), journal_.Files());
  if (!conflicts.empty()) {
    std::string text = "Seit dieser Änderung wurde Folgendes verändert:\n";
    for (const std::string& line : conflicts) text += "\n" + line;
    text += "\n\nSollen diese Stellen trotzdem auf den früheren Stand gesetzt werden?";
    if (main_.MessageDlg(text, kCaption, ui::MsgButtons::YesNo, ui::MsgIcon::Warning) !=
        ui::mrYes) {
      return;
    }
  }
  // What is still open belongs to the action before; the undo is a set of its own.
  journal_.Close();
  const bool restored = journal::Undo(set, main_.services.registry, main_.services.files);
  journal_.Close("Rückgängig: " + set.label);
  Reload();
  if (!restored) {
    main_.MessageDlg("Nicht alles konnte auf den früheren Stand gesetzt werden.", kCaption,
                     ui::MsgButtons::Ok, ui::MsgIcon::Warning);
  }
}

void JournalWindow::ExportClick(bool previous) {
  const journal::ChangeSet* chosen = SelectedSet();
  if (!chosen) return;
  // The file is named by the set, in a folder the user picks.
  const std::optional<std::string> folder = main_.Backend().GetDialogs().BrowseFolder(
      previous ? "Ordner für die .reg-Datei mit den vorherigen Werten"
               : "Ordner für die .reg-Datei mit den Änderungen");
  if (!folder) return;
  const std::string path = os::JoinPath(*folder, "Aenderungssatz_" + std::to_string(chosen->id) +
                                                     (previous ? "_vorher" : "") + ".reg");
  // NT 4.0's regedit reads only the older format.
  const os::RegFileFormat format =
      main_.WindowsVersion == 1 ? os::RegFileFormat::Regedit4 : os::RegFileFormat::Regedit5;
  const std::string text = previous ? journal::ExportPrevious({*chosen}, format)
                                    : journal::ExportChanges({*chosen}, format);
  if (!journal_.Files().WriteAtomically(path, os::EncodeRegFile(text, format))) {
    main_.MessageDlg("Die Datei \"" + path + "\" konnte nicht geschrieben werden.", kCaption,
                     ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  main_.MessageDlg("Gespeichert als \"" + path + "\".", kCaption, ui::MsgButtons::Ok,
                   ui::MsgIcon::Information);
}

}  // namespace shell
