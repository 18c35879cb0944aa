// The category tree: its 150 nodes, the nodes removed on some Windows versions, and the
// look-up of a node by its text.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/picture.h"
#include "ui/tree_view.h"

namespace shell {

struct CategoryNode {
  int level;         // 0 is the root
  const char* text;  // exactly as shown, trailing blanks included
  int pageId;        // also the node's icon
};

const std::vector<CategoryNode>& CategoryNodes();

// SelectedIndex of the root, of group nodes and of leaves.
inline constexpr int kRootSelectedIndex = 1;
inline constexpr int kGroupSelectedIndex = 0;
inline constexpr int kLeafSelectedIndex = 153;

// The tree's icons: entry PageId is the icon of that node.
ui::ImageList CategoryTreeIcons();

// Fills the tree with every node, in order.
void BuildCategoryTree(ui::TreeView& tree);

// The texts start-up removes for a Windows version (1 NT 4, 2 Windows 2000, 3 XP), in the order
// they are removed; "Programme Kläne zuweisen" goes on every version.
std::vector<std::string_view> NodesRemovedOn(int windowsVersion);

// The PageIds of the nodes a version's tree keeps (a removed node takes its children along),
// each with the text of its first node.
std::map<int, std::string> PagesOfferedOn(int windowsVersion);

// The first node in tree order whose text equals text when both are upper-cased.
ui::TreeNode* FindNodeRoot(const ui::TreeView& tree, std::string_view text);

// Root and group nodes show the group page.
inline bool IsGroupPage(const ui::TreeNode& node) {
  return node.SelectedIndex() <= 1;
}

}  // namespace shell
