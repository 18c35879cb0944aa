#include "icons/folder_tree.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/text.h"
#include "icons/hour_glass.h"
#include "os/file_system.h"
#include "page/page_context.h"

namespace icons {

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

FolderTree::FolderTree(page::PageContext& main, ui::TreeView& tree)
    : main_(main), tree_(tree), images_(ui::ImageList::SystemSmall()) {
  tree_.SetImages(&images_);
  tree_.OnExpanding = [this](ui::TreeView&, ui::TreeNode* node, bool&) { FillTreeView(node); };
  tree_.OnCollapsing = [this](ui::TreeView&, ui::TreeNode* node, bool&) { Empty(node); };
  InitTree();
}

std::string FolderTree::PathOf(const ui::TreeNode* node) const {
  const auto it = folders_.find(node);
  return it == folders_.end() ? std::string() : it->second;
}

void FolderTree::InitTree() {
  ui::TreeNode* computer = tree_.Add(nullptr, "Arbeitsplatz");
  const int icon = main_.services.shell.SystemIconIndex("", true);
  computer->SetImageIndex(icon);
  computer->SetSelectedIndex(icon);
  computer->SetHasChildren(true);
  folders_[computer] = "";
}

void FolderTree::FillTreeView(ui::TreeNode* node) {
  if (node->Count() > 0) return;
  HourGlass busy(main_.Backend());
  const std::string folder = PathOf(node);
  std::vector<std::pair<std::string, std::string>> children;  // caption, path
  if (folder.empty()) {
    for (const os::DriveInfo& drive : main_.services.files.DriveKinds()) {
      const std::string root = std::string(1, drive.letter) + ":\\";
      children.emplace_back(main_.services.shell.DisplayName(root), root);
    }
  } else if (const auto entries = main_.services.files.ListDirectory(folder)) {
    for (const os::DirEntry& entry : *entries) {
      if (entry.IsDirectory() && entry.name != "." && entry.name != "..") {
        children.emplace_back(entry.name, InFolder(folder, entry.name));
      }
    }
    std::sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
      return base::UpperCase(a.first) < base::UpperCase(b.first);
    });
  }
  tree_.BeginUpdate();
  for (const auto& [caption, path] : children) {
    ui::TreeNode* child = tree_.Add(node, caption);
    const int icon = main_.services.shell.SystemIconIndex(path, true);
    child->SetImageIndex(icon);
    child->SetSelectedIndex(icon);
    // Whether a folder has sub-folders shows when it is opened.
    child->SetHasChildren(true);
    folders_[child] = path;
  }
  tree_.EndUpdate();
  if (children.empty()) node->SetHasChildren(false);
}

void FolderTree::Forget(const ui::TreeNode* node) {
  for (int i = 0; i < node->Count(); ++i) Forget(node->Child(i));
  folders_.erase(node);
}

void FolderTree::Empty(ui::TreeNode* node) {
  while (node->Count() > 0) {
    // A freed node's address may come back for a new one: nothing of it may stay behind.
    Forget(node->Child(0));
    tree_.Delete(node->Child(0));
  }
  node->SetHasChildren(true);
}

}  // namespace icons
