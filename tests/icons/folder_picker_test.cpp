// The folder picker as the backup page's "..." opens it: choosing, cancelling, a drive root, a
// new folder named in the tree, a folder sent to the recycle bin.
#include <algorithm>
#include <functional>

#include "../support/folder_walk.h"
#include "../tools/tool_fixture.h"
#include "ui/menu.h"
#include "ui/tree_view.h"

namespace {

using Texts = std::vector<std::string>;

class FolderPickerTest : public testing_support::ToolTest {
 protected:
  FolderPickerTest() {
    files.AddDrive({'C', os::DriveType::Fixed, "", "FAT32", 1, 4ull << 30, 1ull << 30});
    files.AddDrive({'D', os::DriveType::Fixed, "", "NTFS", 2, 4ull << 30, 1ull << 30});
    files.AddDirectory("C:\\Daten\\zeta");
    files.AddDirectory("C:\\Daten\\Alt");
    files.AddDirectory("C:\\Daten\\beta");
    files.AddFile("C:\\Daten\\keinordner.txt", "x");
    shell.displayNames["D:\\"] = "Daten (D:)";
  }
  void SetUp() override {
    Start();
    Select("Systemdateien sichern");
  }

  std::string FolderText() { return form->Edits[0]->Text(); }

  // Opens the picker from the page's "..." and works it as the user does.
  void Pick(const std::function<void(ui::Form&, ui::TreeView&)>& use) {
    const int before = Confirmations();
    backend.OnNextModal([use](ui::Form& window) {
      EXPECT_EQ(window.Caption(), "Ordner bestimmen");
      auto* tree = static_cast<ui::TreeView*>(window.FindByName("TreeView1"));
      ASSERT_TRUE(tree);
      use(window, *tree);
    });
    ClickButton(0);
    ASSERT_EQ(Confirmations(), before + 1) << "the picker was shown";
  }

  static ui::TreeNode* Node(ui::TreeView& tree, const std::string& path) {
    return testing_support::FolderNode(tree, path);
  }
  static Texts Children(const ui::TreeNode* node) { return testing_support::ChildTexts(node); }
  static void Choose(ui::TreeView& tree, const char* item) {
    ui::MenuItem* entry = tree.GetPopupMenu()->Items().Find(item);
    ASSERT_TRUE(entry) << item;
    entry->UserChoose();
  }
  static void Click(ui::Form& window, const char* button) {
    static_cast<ui::Button*>(window.FindByName(button))->UserClick();
  }
};

TEST_F(FolderPickerTest, TheChosenFolderGoesIntoThePageAndADriveRootKeepsItsBackslash) {
  Pick([](ui::Form& window, ui::TreeView& tree) {
    EXPECT_FALSE(tree.Root(0)->Expanded()) << "starts closed at My Computer";
    EXPECT_EQ(Children(Node(tree, "C:\\Daten")), (Texts{"Alt", "beta", "zeta"}));
    EXPECT_EQ(Children(tree.Root(0)), (Texts{"Lokaler Datenträger (C:)", "Daten (D:)"}));
    tree.UserClickNode(Node(tree, "C:\\Daten\\beta"));
    Click(window, "BitBtn1");
  });
  EXPECT_EQ(FolderText(), "C:\\Daten\\beta");
  EXPECT_EQ(form->ChosenFolder, "C:\\Daten\\beta");

  Pick([](ui::Form&, ui::TreeView& tree) {
    tree.UserClickNode(Node(tree, "D:"));
    Choose(tree, "Übernehmen");
  });
  EXPECT_EQ(FolderText(), "D:\\");
}

TEST_F(FolderPickerTest, CancellingLeavesThePageAsItWas) {
  for (const char* way : {"BitBtn2", "Abbrechen"}) {
    Pick([way](ui::Form& window, ui::TreeView& tree) {
      tree.UserClickNode(Node(tree, "C:\\Daten"));
      if (std::string(way) == "BitBtn2") {
        Click(window, way);
      } else {
        Choose(tree, way);
      }
    });
    EXPECT_EQ(FolderText(), "C:\\Programme\\Backup") << way;
    EXPECT_EQ(form->ChosenFolder, "") << way;
  }
  // "&Weiter" on My Computer itself names no folder.
  Pick([](ui::Form& window, ui::TreeView& tree) {
    tree.UserClickNode(tree.Root(0));
    Click(window, "BitBtn1");
  });
  EXPECT_EQ(FolderText(), "C:\\Programme\\Backup");
}

TEST_F(FolderPickerTest, ANewFolderIsMadeUnderTheCaptionItIsGiven) {
  Pick([this](ui::Form& window, ui::TreeView& tree) {
    ui::TreeNode* daten = Node(tree, "C:\\Daten");
    daten->Collapse();
    tree.UserClickNode(daten);
    EXPECT_FALSE(tree.EditCaption(Node(tree, "C:\\Daten\\Alt"))) << "only new folders";
    tree.UserClickNode(daten);
    Choose(tree, "Neuer Ordner");
    ASSERT_TRUE(tree.EditingNode());
    EXPECT_EQ(tree.EditingNode()->Parent(), daten);
    EXPECT_TRUE(daten->Expanded());
    EXPECT_EQ(Children(daten), (Texts{"Alt", "beta", "zeta", "ChildNode1"}));
    tree.UserEndEdit("Neu");
    EXPECT_TRUE(files.DirectoryExists("C:\\Daten\\Neu"));
    EXPECT_FALSE(daten->Expanded()) << "closed, so it is read again";
    EXPECT_EQ(tree.Selected(), daten);
    EXPECT_EQ(Children(Node(tree, "C:\\Daten")), (Texts{"Alt", "beta", "Neu", "zeta"}));

    // Left at its first caption, in an empty folder, made under that name.
    tree.UserClickNode(Node(tree, "C:\\Daten\\Neu"));
    Choose(tree, "Neuer Ordner");
    tree.UserEndEdit(tree.EditingNode()->Text());
    EXPECT_TRUE(files.DirectoryExists("C:\\Daten\\Neu\\ChildNode1"));

    // Abandoned: nothing is made, and the node goes with the re-read.
    tree.UserClickNode(Node(tree, "C:"));
    Choose(tree, "Neuer Ordner");
    tree.UserCancelEdit();
    EXPECT_FALSE(files.DirectoryExists("C:\\ChildNode1"));
    const Texts top = Children(Node(tree, "C:"));
    EXPECT_NE(std::find(top.begin(), top.end(), "Daten"), top.end());
    EXPECT_EQ(std::find(top.begin(), top.end(), "ChildNode1"), top.end());
    Click(window, "BitBtn2");
  });
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FolderPickerTest, AFolderThatCannotBeMadeLeavesTheTreeAsItWas) {
  Pick([this](ui::Form&, ui::TreeView& tree) {
    tree.UserClickNode(Node(tree, "C:\\Daten\\zeta"));
    Choose(tree, "Neuer Ordner");
    // The folder went meanwhile.
    ASSERT_TRUE(files.RemoveEmptyDirectory("C:\\Daten\\zeta"));
    tree.UserEndEdit("Neu");
    EXPECT_FALSE(files.Exists("C:\\Daten\\zeta\\Neu"));
    EXPECT_TRUE(Children(Node(tree, "C:\\Daten\\zeta")).empty());
  });
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FolderPickerTest, DeletingSendsTheFolderToTheRecycleBinAndReadsItsLevelAgain) {
  Pick([this](ui::Form&, ui::TreeView& tree) {
    tree.UserClickNode(Node(tree, "C:\\Daten\\Alt"));
    Choose(tree, "Ordner löschen");
    ASSERT_EQ(shell.recycled, (std::vector<Texts>{{"C:\\Daten\\Alt"}}));
    ui::TreeNode* daten = Node(tree, "C:\\Daten");
    EXPECT_EQ(tree.Selected(), daten);

    // A drive is not deleted, nor is My Computer.
    tree.UserClickNode(Node(tree, "C:"));
    Choose(tree, "Ordner löschen");
    tree.UserClickNode(tree.Root(0));
    Choose(tree, "Ordner löschen");
    EXPECT_EQ(shell.recycled.size(), 1u);
  });
}

}  // namespace
