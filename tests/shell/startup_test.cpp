// Start-up of the main window under each Windows version.
#include "shell/settings.h"
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

class StartupTest : public ShellTest {};

std::vector<std::string> TextsOf(const ui::TreeView& tree) {
  std::vector<std::string> texts;
  for (ui::TreeNode* node : tree.AllNodes()) texts.push_back(node->Text());
  return texts;
}

struct VersionCase {
  uint32_t word;
  int windowsVersion;
  std::vector<std::string> removed;
  friend std::ostream& operator<<(std::ostream& out, const VersionCase& c) {
    return out << "WindowsVersion " << c.windowsVersion;
  }
};

class VersionNodes : public StartupTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionNodes, RemovesTheNodesOfOtherSystems) {
  auto& main = Start(GetParam().word);
  EXPECT_EQ(main.WindowsVersion, GetParam().windowsVersion);
  const auto texts = TextsOf(*main.TreeView1);
  EXPECT_EQ(texts.size(), 150 - GetParam().removed.size());
  for (const auto& text : GetParam().removed) {
    EXPECT_EQ(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  EXPECT_FALSE(backend.Terminated());
  EXPECT_EQ(main.SelectedNode, main.TreeView1->Root(0));
  EXPECT_TRUE(main.TreeView1->Root(0)->Expanded());
  EXPECT_EQ(main.TreeView1->Selected(), nullptr) << "start-up builds no page";
}

INSTANTIATE_TEST_SUITE_P(
    Systems, VersionNodes,
    ::testing::Values(VersionCase{os::MemorySystem::kNt4,
                                  1,
                                  {"Programme Kläne zuweisen", "Auslagerungsdatei",
                                   "OEM-Info in der Systemsteuerung"}},
                      VersionCase{os::MemorySystem::kWindows2000, 2, {"Programme Kläne zuweisen"}},
                      VersionCase{
                          os::MemorySystem::kWindowsXp,
                          3,
                          {"Programme Kläne zuweisen", "DMA-Modus", "Dateien & Ordner",
                           "ShellIcon ändern", "Tool Tips", "Systemordner ins Startmenü einfügen",
                           "Systemdateien sichern", "Laufwerkssymbol ändern", "Icons umbenennen",
                           "Bootdiskette erstellen"}}));

TEST_F(StartupTest, RefusesSystemsOutsideTheNtFamily) {
  Start(0xC0000A04u);  // Windows 98
  ASSERT_FALSE(Shown().empty());
  EXPECT_EQ(Shown()[0],
            "Hinweis: Dieses Programm läuft nur unter NT, Windows2000, XP oder höher!\nStart wird "
            "abgebrochen !");
  EXPECT_TRUE(backend.Terminated());
  EXPECT_EQ(form->UserKeyName, ".DEFAULT") << "the remaining steps still run";
  EXPECT_EQ(form->SystemDir, "C:\\WINNT\\System\\");
}

TEST_F(StartupTest, EndsWithoutTheInstallationKey) {
  registry.DeleteKeyTree(os::RegRoot::CurrentUser, "Software\\Kalmora2x");
  Start();
  EXPECT_EQ(Shown(), std::vector<std::string>{
                         "Fehler: Schlüssel des Installationsordners kann nicht ermittelt werden "
                         "!\nInstallieren Sie das Programm neu.\nDas Programm wird beendet !"});
  EXPECT_TRUE(backend.Terminated());
}

TEST_F(StartupTest, ReadsTheFoldersAndTheUserKey) {
  registry.CreateKey(os::RegRoot::Users, "S-1-5-21-0-0-0-1000_Classes");
  system.environment.push_back("=C:=C:\\");
  auto& main = Start();
  EXPECT_EQ(main.InstallDir, "C:\\Programme\\Kalmora2x");
  EXPECT_EQ(main.WindowsDir, "C:\\WINNT");
  EXPECT_EQ(main.SystemDir, "C:\\WINNT\\System32\\");
  EXPECT_EQ(main.AllUsersProfileDir, "C:\\Documents and Settings\\All Users");
  EXPECT_EQ(main.AppDataDir, "C:\\Documents and Settings\\Anwender\\Anwendungsdaten");
  EXPECT_EQ(main.UserKeyName, "S-1-5-21-0-0-0-1000");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(StartupTest, MarksCoolDllExceptOnXp) {
  Start(os::MemorySystem::kWindows2000);
  EXPECT_EQ(Value(os::RegRoot::LocalMachine, "Software\\Microsoft\\Plus!\\Setup", "COOL.DLL"),
            os::RegValue::String("1"));
  registry.DeleteKeyTree(os::RegRoot::LocalMachine, "Software\\Microsoft\\Plus!");
  Start(os::MemorySystem::kWindowsXp);
  EXPECT_FALSE(Value(os::RegRoot::LocalMachine, "Software\\Microsoft\\Plus!\\Setup", "COOL.DLL"));
}

TEST_F(StartupTest, RestoresTheStoredWindowSettings) {
  Seed(
      "[HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options\\ScreenSettings]\n"
      "\"status\"=\"0\"\n\"left\"=\"10\"\n\"top\"=\"20\"\n\"width\"=\"800\"\n"
      "\"height\"=\"600\"\n\"treewidth\"=\"900\"\n");
  auto& restarted = Start();
  EXPECT_FALSE(restarted.Statusleiste1->Checked());
  EXPECT_FALSE(restarted.StatusBar1->Visible());
  EXPECT_EQ(restarted.Form().Bounds(), (ui::Rect{10, 20, 800, 600}));
  EXPECT_EQ(restarted.Panel2->Width(), 260) << "a tree wider than the window is cut back";
}

TEST_F(StartupTest, ASettingThatIsNotANumberEndsTheLoadingThere) {
  Seed(
      "[HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options\\ScreenSettings]\n"
      "\"left\"=\"15\"\n\"top\"=\"oben\"\n\"width\"=\"700\"\n");
  auto& main = Start();
  EXPECT_EQ(main.Form().Left(), 15);
  EXPECT_EQ(main.Form().Width(), 751);
  EXPECT_TRUE(Shown().empty());
  ExpectTraced("LoadWindowSettings: 'oben'");
}

TEST_F(StartupTest, ClosingSavesTheWindowSettings) {
  auto& main = Start();
  main.Statusleiste1->UserChoose();
  main.Form().SetBounds({1, 2, 700, 500});
  main.ToolButton16->UserClick();
  EXPECT_TRUE(backend.Terminated());
  const std::string key = "Software\\Kalmora2x\\Options\\ScreenSettings";
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "status"), os::RegValue::String("0"));
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "height"), os::RegValue::String("500"));
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "treewidth"), os::RegValue::String("257"));
}

TEST_F(StartupTest, TheFontColourIsStoredAsWindowsNumbersColours) {
  const std::string key = "Software\\Kalmora2x\\Font";
  Start();
  form->UserFont.color = ui::clWindowText;
  shell::WriteFont(*form);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "Color"), os::RegValue::String("-2147483640"));
  form->UserFont.color = ui::Rgb(0x12, 0x34, 0x56);
  shell::WriteFont(*form);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "Color"), os::RegValue::String("5649426"));

  for (const auto& [stored, color] :
       {std::pair{"-2147483633", ui::clBtnFace}, std::pair{"255", ui::clRed}}) {
    registry.CreateKey(os::RegRoot::CurrentUser, key)
        ->SetValue("Color", os::RegValue::String(stored));
    EXPECT_EQ(Start().TreeView1->GetFont().color, color) << stored;
  }
}

TEST_F(StartupTest, TheTextAndWindowBarsFollowTheMainBarsButtonsInTheDesignedOrder) {
  auto& main = Start();
  // Left to right on the window, without overlapping.
  std::vector<std::string> order;
  int right = 0;
  for (const ui::ToolBar* bar : {main.ToolBar2, main.ToolBar1, main.ToolBar3}) {
    for (int i = 0; i < bar->ButtonCount(); ++i) {
      const ui::ToolButton& button = *bar->Button(i);
      const int left = bar->BoundsInForm().left + bar->ButtonLeft(i);
      EXPECT_GE(left, right) << button.Name();
      right = bar->BoundsInForm().left + bar->ButtonLeft(i + 1);
      if (button.Style() != ui::ToolButtonStyle::Separator) order.push_back(button.Name());
    }
    EXPECT_LE(right, bar->BoundsInForm().Right()) << bar->Name() << " shows all its buttons";
  }
  EXPECT_EQ(order,
            (std::vector<std::string>{"ToolButton4", "ToolButton5", "ToolButton6", "ToolButton9",
                                      "ToolButton18", "ToolButton2", "ToolButton20", "ToolButton3",
                                      "ToolButton12", "ToolButton14", "ToolButton16"}));
}

TEST_F(StartupTest, TheApplicationWindowIsMinimisedAndRestoredBeforeTheFormShows) {
  auto& main = Start();
  EXPECT_EQ(backend.ApplicationStates(),
            (std::vector<ui::WindowState>{ui::WindowState::Minimized, ui::WindowState::Normal}));
  EXPECT_FALSE(main.Form().Visible());
}

}  // namespace
