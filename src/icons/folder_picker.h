// The folder picker TForm15 ("Ordner bestimmen"): the user chooses a folder below My Computer,
// and may make a new folder (its caption edited in the tree) or move one to the recycle bin.
#pragma once

#include <memory>
#include <string>

#include "icons/folder_tree.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/tree_view.h"

namespace page {
class PageContext;
}

namespace icons {

class TForm15 {
 public:
  // chosenFolder receives the choice ("C:\" for a drive); it is left alone on cancel.
  TForm15(page::PageContext& main, std::string& chosenFolder);
  TForm15(const TForm15&) = delete;
  TForm15& operator=(const TForm15&) = delete;

  ui::Form& Form() { return form_; }
  int ShowModal() { return form_.ShowModal(); }

  ui::Label* Label1;
  ui::TreeView* TreeView1;
  ui::Button* BitBtn1;  // "&Weiter"
  ui::Button* BitBtn2;  // "&Abbrechen"

 private:
  void TreeView1Change(ui::TreeNode* node);
  void BitBtn1Click();
  void NeuerOrdner1Click();
  void TreeView1Edited(ui::TreeNode* node, const std::string& caption);
  void Ordnerlschen1Click();
  // Re-reads the level the node is in (its parent closes) and selects the parent.
  void Reread(ui::TreeNode* node);

  page::PageContext& main_;
  std::string& chosenFolder_;
  ui::Form form_;
  ui::PopupMenu menu_;
  std::unique_ptr<FolderTree> tree_;
  std::string folder_;  // the path of the selected node
};

}  // namespace icons
