// The drive icon page on the prefix's real shell and registry: the viewer extracts the icons of
// the real shell32.dll, and the drive's icon picked there is written and taken away again.
#include "base/text.h"
#include "support/real_shell_fixture.h"

namespace {

using os::RegRoot;
using testing_support::RealShellTest;

constexpr const char* kMachineDrives =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons";
constexpr const char* kUserDrives = "Applications\\Explorer.exe";
// The key the icon rebuild writes its icon size to.
constexpr const char* kMetrics = "ControlPanel";
constexpr const char* kViewerSettings = "Software\\Kalmora2x\\Options\\IconScreenSettings";

ui::TreeNode* ChildNamed(ui::TreeNode* node, const std::string& name) {
  node->Expand();
  for (int i = 0; i < node->Count(); ++i) {
    const std::string text = base::UpperCase(node->Child(i)->Text());
    // Drives show as the shell names them: "C:", "C:\\" or "Lokaler Datenträger (C:)".
    const std::string wanted = base::UpperCase(name);
    if (text == wanted || text == wanted + "\\" ||
        text.find("(" + wanted + ")") != std::string::npos) {
      return node->Child(i);
    }
  }
  return nullptr;
}

class RealIconPages : public RealShellTest {
 protected:
  void SetUp() override {
    Start();
    form->SystemDir = form->WindowsDir + "\\System32\\";
    for (const auto& [root, path] : {std::pair{RegRoot::LocalMachine, kMachineDrives},
                                     {RegRoot::CurrentUser, kUserDrives},
                                     {RegRoot::CurrentUser, kMetrics},
                                     {RegRoot::CurrentUser, kViewerSettings}}) {
      if (!registry.OpenKey(root, path, os::RegAccess::Read)) made_.push_back({root, path});
    }
  }
  void TearDown() override {
    for (const auto& [root, path] : made_) registry.DeleteKeyTree(root, path);
  }
  std::string Default(RegRoot root, const std::string& path) {
    auto key = registry.OpenKey(root, path, os::RegAccess::Read);
    os::RegValue value;
    if (!key || key->QueryValue("", value) != os::RegStatus::Ok) return "<none>";
    return value.AsString();
  }

  // Goes to the system folder in the viewer's tree, clicks shell32.dll and picks icon `index`;
  // returns how many icons the list showed.
  int PickFromShellLibrary(ui::Form& viewer, int index) {
    auto& tree = *static_cast<ui::TreeView*>(viewer.FindByName("TreeView1"));
    ui::TreeNode* node = ChildNamed(tree.Root(0), form->WindowsDir.substr(0, 2));
    for (const std::string& part : {form->WindowsDir.substr(3), std::string("system32")}) {
      node = node ? ChildNamed(node, part) : nullptr;
    }
    EXPECT_TRUE(node) << "no system folder in the tree";
    if (!node) return 0;
    tree.UserClickNode(node);
    auto& fileList = *static_cast<ui::ListView*>(viewer.FindByName("ListView1"));
    auto& icons = *static_cast<ui::ListView*>(viewer.FindByName("ListView3"));
    for (int i = 0; i < fileList.Count(); ++i) {
      if (base::UpperCase(fileList.Item(i)->Caption()) == "SHELL32.DLL") fileList.UserClickItem(i);
    }
    if (icons.Count() > index) icons.UserDoubleClickItem(index);
    return icons.Count();
  }

  std::vector<std::pair<RegRoot, const char*>> made_;
};

TEST_F(RealIconPages, ADriveIconPickedFromTheRealShellLibraryIsWrittenAndTakenAway) {
  const std::string library = form->SystemDir + "shell32.dll";
  const int count = shell.IconCount(library);
  ASSERT_GT(count, 8);
  const std::string letter = form->WindowsDir.substr(0, 1);
  Select("Laufwerkssymbol ändern");
  int row = -1;
  for (int i = 0; i < List().Count(); ++i) {
    if (List().Item(i)->Caption().find("(" + letter + ":)") != std::string::npos) row = i;
  }
  ASSERT_GE(row, 0);
  List().UserClickItem(row);
  int shown = 0;
  backend.OnNextModal([&](ui::Form& viewer) { shown = PickFromShellLibrary(viewer, 8); });
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(shown, count) << "the viewer lists every icon of the library";
  const std::string machine = std::string(kMachineDrives) + "\\" + letter + "\\DefaultIcon";
  const std::string user = std::string(kUserDrives) + "\\Drives\\DriveIcons\\" + letter;
  EXPECT_EQ(base::UpperCase(Default(RegRoot::LocalMachine, machine)),
            base::UpperCase(library + ",8"));
  EXPECT_EQ(Default(RegRoot::CurrentUser, user + "\\DefaultIcon"),
            Default(RegRoot::LocalMachine, machine));
  EXPECT_EQ(Status(), "Änderungen übernommen");

  form->BitBtns[1]->UserClick();
  EXPECT_FALSE(registry.OpenKey(RegRoot::LocalMachine, std::string(kMachineDrives) + "\\" + letter,
                                os::RegAccess::Read));
  EXPECT_FALSE(registry.OpenKey(RegRoot::CurrentUser, user, os::RegAccess::Read));
}

}  // namespace
