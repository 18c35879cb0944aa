// The lazy folder tree of the icon viewer and the folder picker: "Arbeitsplatz" with the drives
// below it, each level read when its node opens (sorted by caption, small system icons) and
// dropped when it closes, so a level opened again shows what the disk holds now.
#pragma once

#include <map>
#include <string>

#include "ui/tree_view.h"

namespace page {
class PageContext;
}

namespace icons {

// A path in a folder: "C:\" + "Daten" is "C:\Daten", "C:\Daten" + "Alt" is "C:\Daten\Alt".
std::string InFolder(const std::string& folder, const std::string& name);

class FolderTree {
 public:
  // Takes over the tree's expanding and collapsing.
  FolderTree(page::PageContext& main, ui::TreeView& tree);
  FolderTree(const FolderTree&) = delete;
  FolderTree& operator=(const FolderTree&) = delete;

  // The file-system path of a node: "C:\" for a drive, empty for "Arbeitsplatz" and for nodes
  // the tree did not read (a new folder not made yet).
  std::string PathOf(const ui::TreeNode* node) const;

 private:
  void InitTree();
  void FillTreeView(ui::TreeNode* node);
  void Empty(ui::TreeNode* node);
  void Forget(const ui::TreeNode* node);

  page::PageContext& main_;
  ui::TreeView& tree_;
  ui::ImageList images_;
  std::map<const ui::TreeNode*, std::string> folders_;
};

}  // namespace icons
