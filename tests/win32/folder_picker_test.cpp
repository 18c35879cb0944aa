// The folder picker on the prefix's real files and shell: a folder is made through the tree,
// chosen, and removed again.
#include "base/text.h"
#include "support/folder_walk.h"
#include "support/real_shell_fixture.h"
#include "ui/menu.h"

namespace {

using testing_support::FolderNode;

class RealFolderPicker : public testing_support::RealShellTest {
 protected:
  void SetUp() override {
    Start();
    folder_ = form->WindowsDir + "\\Temp\\KalmoraPicker";
    PutDirectory(form->WindowsDir + "\\Temp");
    PutDirectory(folder_);
    // The shell's own confirmation would wait for a user: the test says yes and removes.
    shell.whenDone = [this](const std::vector<std::string>& paths) {
      for (const std::string& path : paths) files.RemoveEmptyDirectory(path);
    };
  }
  void TearDown() override { files.RemoveEmptyDirectory(folder_ + "\\Neu"); }

  static void Choose(ui::TreeView& tree, const char* item) {
    tree.GetPopupMenu()->Items().Find(item)->UserChoose();
  }

  std::string folder_;
};

TEST_F(RealFolderPicker, AFolderIsMadeChosenAndRemovedThroughTheTree) {
  ui::Form host(backend);
  auto* edit = host.Add<ui::Edit>();
  edit->SetText("unverändert");
  backend.OnNextModal([this](ui::Form& window) {
    auto& tree = *static_cast<ui::TreeView*>(window.FindByName("TreeView1"));
    ui::TreeNode* parent = FolderNode(tree, folder_);
    ASSERT_TRUE(parent);
    tree.UserClickNode(parent);
    Choose(tree, "Neuer Ordner");
    ASSERT_TRUE(tree.EditingNode());
    tree.UserEndEdit("Neu");
    EXPECT_TRUE(files.DirectoryExists(folder_ + "\\Neu"));
    EXPECT_EQ(testing_support::ChildTexts(FolderNode(tree, folder_)),
              std::vector<std::string>{"Neu"});

    tree.UserClickNode(FolderNode(tree, folder_ + "\\Neu"));
    Choose(tree, "Ordner löschen");
    EXPECT_FALSE(files.DirectoryExists(folder_ + "\\Neu"));
    EXPECT_TRUE(FolderNode(tree, folder_)->Count() == 0) << "read again without it";
    static_cast<ui::Button*>(window.FindByName("BitBtn1"))->UserClick();
  });
  form->Dialog(*edit);
  ASSERT_EQ(shell.recycled.size(), 1u);
  ASSERT_EQ(shell.recycled[0].size(), 1u);
  // The tree spells the folders as the disk does ("temp").
  EXPECT_EQ(base::UpperCase(shell.recycled[0][0]), base::UpperCase(folder_ + "\\Neu"));
  EXPECT_EQ(base::UpperCase(edit->Text()), base::UpperCase(folder_));

  // A drive root keeps its backslash.
  backend.OnNextModal([this](ui::Form& window) {
    auto& tree = *static_cast<ui::TreeView*>(window.FindByName("TreeView1"));
    tree.UserClickNode(FolderNode(tree, form->WindowsDir.substr(0, 2)));
    static_cast<ui::Button*>(window.FindByName("BitBtn1"))->UserClick();
  });
  form->Dialog(*edit);
  EXPECT_EQ(edit->Text(), form->WindowsDir.substr(0, 3));
}

}  // namespace
