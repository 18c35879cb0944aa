#include "shell/images.h"

#include "shell/category_tree.h"

namespace shell {
namespace {

ui::Picture Icon(const std::string& name) {
  return ui::Picture::Asset(name + ".ico");
}

ui::ImageList ListOf(int size, int count, const std::string& fill) {
  ui::ImageList list;
  list.width = list.height = size;
  list.pictures.assign(static_cast<size_t>(count), Icon(fill));
  return list;
}

// Leaves take the icon of their top-level branch.
std::string BranchIcon(const std::string& branch) {
  static const std::pair<const char*, const char*> kIcons[] = {
      {"Bootvorgang", "tree_boot"},         {"Desktop", "tree_desktop"},
      {"Explorer", "tree_explorer"},        {"Hardware", "tree_hardware"},
      {"Internet", "tree_internet"},        {"Sicherheitseinstellungen", "tree_security"},
      {"Systeminformationen", "tree_info"}, {"Windowseinstellungen", "tree_windows"},
  };
  for (const auto& [name, icon] : kIcons) {
    if (branch == name) return icon;
  }
  return "tree_page";
}

ui::ImageList TreeIcons() {
  ui::ImageList list = ListOf(16, 166, "tree_page");
  const auto& nodes = CategoryNodes();
  std::string branch;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const CategoryNode& node = nodes[i];
    if (node.level == 1) branch = node.text;
    const bool group = i + 1 < nodes.size() && nodes[i + 1].level > node.level;
    const auto index = static_cast<size_t>(node.pageId);
    if (node.level == 0) {
      list.pictures[index] = Icon("tree_root");
    } else if (group) {
      list.pictures[index] = Icon("tree_folder");
    } else {
      list.pictures[index] = Icon(BranchIcon(branch));
    }
  }
  list.pictures[static_cast<size_t>(kGroupSelectedIndex)] = Icon("tree_folder_open");
  list.pictures[static_cast<size_t>(kLeafSelectedIndex)] = Icon("tree_page_selected");
  return list;
}

}  // namespace

ImageLists::ImageLists()
    : ImageList1(TreeIcons()),
      ImageList2(ListOf(24, 10, "tool_blank")),
      ImageList3(ListOf(24, 10, "tool_blank")),
      ImageList4(ListOf(16, 12, "small_page")),
      ImageList5(ListOf(16, 12, "small_page")),
      ImageList6(ListOf(32, 4, "large_info")),
      ImageList7(ListOf(16, 12, "small_page")),
      ImageList8(ListOf(16, 30, "small_page")),
      ImageList9(ListOf(32, 4, "large_info")),
      ImageList10(ListOf(32, 4, "large_info")) {
  static const char* const kToolbar[] = {"tool_back",  "tool_forward", "tool_up",    "tool_font",
                                         "tool_icons", "tool_blank",   "tool_blank", "tool_help",
                                         "tool_info",  "tool_exit"};
  for (size_t i = 0; i < std::size(kToolbar); ++i) {
    ImageList2.pictures[i] = Icon(kToolbar[i]);
    ImageList3.pictures[i] = Icon(kToolbar[i]);
  }
  ImageList4.pictures[6] = Icon("small_registry");
  ImageList4.pictures[7] = Icon("small_ini");
  ImageList4.pictures[10] = Icon("small_tip");
  ImageList6.pictures[1] = Icon("large_question");
  ImageList8.pictures[26] = Icon("kalmora");
}

}  // namespace shell
