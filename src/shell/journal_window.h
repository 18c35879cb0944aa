// The "Änderungsprotokoll" window: the journal's change sets, newest first, each opening to its
// changes; the chosen set can be undone, or exported as a registry file that makes the same
// changes or one that puts the earlier values back.
#pragma once

#include <vector>

#include "journal/change_set.h"
#include "journal/journal.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/tree_view.h"

namespace shell {

class TForm1;

class JournalWindow {
 public:
  JournalWindow(TForm1& main, journal::Journal& journal);
  JournalWindow(const JournalWindow&) = delete;
  JournalWindow& operator=(const JournalWindow&) = delete;

  ui::Form& Form() { return form_; }
  void Execute();

  ui::TreeView* TreeView1 = nullptr;
  ui::Button* UndoButton = nullptr;
  ui::Button* ExportButton = nullptr;
  ui::Button* ExportPreviousButton = nullptr;
  ui::Button* CloseButton = nullptr;

  // Fills the tree from the stored journal.
  void Reload();
  void UndoClick();
  // previous: the file puts back the values from before the set, instead of making its changes.
  void ExportClick(bool previous);

 private:
  // The set of the selected node (a set or one of its changes); none when nothing is selected.
  const journal::ChangeSet* SelectedSet() const;

  TForm1& main_;
  journal::Journal& journal_;
  ui::Form form_;
  std::vector<journal::ChangeSet> sets_;
};

}  // namespace shell
