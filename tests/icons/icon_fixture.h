// Icon page tests: the page fixture with icon files on drive C: and a hand on the icon viewer,
// which the tests use as a user does (tree, file list, icon list).
#pragma once

#include <string>

#include "../tweaks/page_fixture.h"
#include "ui/list_view.h"
#include "ui/tree_view.h"

namespace testing_support {

class IconTest : public PageTest {
 protected:
  static constexpr const char* kSystem32 = "C:\\WINNT\\System32";

  IconTest() {
    AddIconFile(std::string(kSystem32) + "\\shell32.dll", 120);
    AddIconFile(std::string(kSystem32) + "\\pfeil.dll", 5);
  }
  void AddIconFile(const std::string& path, int icons) {
    files.AddFile(path, "MZ");
    shell.iconCounts[path] = icons;
  }

  // Opens the folder (for example "C:\\WINNT\\System32") in the viewer's tree.
  static void OpenFolder(ui::Form& viewer, const std::string& folder) {
    auto& tree = Find<ui::TreeView>(viewer, "TreeView1");
    ui::TreeNode* node = tree.Root(0);
    node->Expand();
    std::string drive = "(" + folder.substr(0, 2) + ")";
    ui::TreeNode* next = nullptr;
    for (int i = 0; i < node->Count(); ++i) {
      const std::string& text = node->Child(i)->Text();
      if (text.size() >= drive.size() && text.ends_with(drive)) next = node->Child(i);
    }
    ASSERT_TRUE(next) << "no drive " << drive;
    node = next;
    size_t at = 3;
    while (at < folder.size()) {
      const size_t end = std::min(folder.find('\\', at), folder.size());
      const std::string part = folder.substr(at, end - at);
      node->Expand();
      next = nullptr;
      for (int i = 0; i < node->Count(); ++i) {
        if (node->Child(i)->Text() == part) next = node->Child(i);
      }
      ASSERT_TRUE(next) << "no folder " << part;
      node = next;
      at = end + 1;
    }
    tree.UserClickNode(node);
  }

  static int Row(ui::ListView& list, const std::string& caption) {
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Item(i)->Caption() == caption) return i;
    }
    ADD_FAILURE() << "no row " << caption;
    return -1;
  }

  // The next viewer shown picks icon `index` of the file by double-clicking it.
  void PickNext(const std::string& folder, const std::string& file, int index) {
    backend.OnNextModal([=](ui::Form& viewer) {
      OpenFolder(viewer, folder);
      auto& list = Find<ui::ListView>(viewer, "ListView1");
      list.UserClickItem(Row(list, file));
      Find<ui::ListView>(viewer, "ListView3").UserDoubleClickItem(index);
    });
  }
};

}  // namespace testing_support
