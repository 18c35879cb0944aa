// Walking a folder tree below "Arbeitsplatz" as the user does: each node on the way is opened.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "ui/tree_view.h"

namespace testing_support {

// The node of a path ("C:" for the drive, "C:\Daten\Alt"), found regardless of case and opened,
// as is every node on the way.
inline ui::TreeNode* FolderNode(ui::TreeView& tree, const std::string& path) {
  ui::TreeNode* node = tree.Root(0);
  size_t at = 0;
  while (node && at < path.size()) {
    const size_t end = std::min(path.find('\\', at), path.size());
    const std::string part = base::UpperCase(path.substr(at, end - at));
    node->Expand();
    ui::TreeNode* next = nullptr;
    for (int i = 0; i < node->Count() && !next; ++i) {
      const std::string text = base::UpperCase(node->Child(i)->Text());
      // Drives show as the shell names them: "C:\", or "Lokaler Datenträger (C:)".
      const bool drive = at == 0 && (text == part + "\\" || text.ends_with("(" + part + ")"));
      if (text == part || drive) next = node->Child(i);
    }
    node = next;
    at = end + 1;
  }
  EXPECT_TRUE(node) << "no node " << path;
  if (node) node->Expand();
  return node;
}

inline std::vector<std::string> ChildTexts(const ui::TreeNode* node) {
  std::vector<std::string> texts;
  for (int i = 0; i < node->Count(); ++i) texts.push_back(node->Child(i)->Text());
  return texts;
}

}  // namespace testing_support
