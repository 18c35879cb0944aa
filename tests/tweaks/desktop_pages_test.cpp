// The pages of the "Desktop" branch, built against a seeded registry and file system: what
// each shows, what its apply button and actions store.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Texts = std::vector<std::string>;
using Marks = std::vector<bool>;

constexpr const char* kMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kDesktop = "Control Panel\\Desktop";

class DesktopPagesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }
};

// --- lists and folders ---------------------------------------------------------------------------

TEST_F(DesktopPagesTest, FolderContextEntriesAreListedAddedAndRemoved) {
  Seed("[HKEY_CLASSES_ROOT\\Folder\\shell\\Editor\\command]\n@=\"notepad.exe %1\"\n");
  Open(17);
  EXPECT_FALSE(form->Panel5->Visible());
  EXPECT_EQ(Captions(), Texts{"Editor"});
  EXPECT_EQ(List().Item(0)->SubItem(0), "notepad.exe %1");

  backend.Dialogs().AnswerOpenFile("C:\\Tools\\my.app.exe");
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "Folder\\shell\\my\\command", ""), "C:\\Tools\\my.app.exe");
  EXPECT_EQ(Captions(), (Texts{"Editor", "my"}));
  form->BitBtns[0]->UserClick();  // dialog cancelled
  EXPECT_EQ(List().Count(), 2);

  form->BitBtns[1]->UserClick();  // nothing selected: no question
  EXPECT_EQ(Modals(), 0);
  List().UserClickItem(1);
  AnswerConfirmKeeping(false);
  form->BitBtns[1]->UserClick();
  EXPECT_EQ(confirmCaption, "Änderung bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie die Anwendung\nmy\nwirklich aus der Schnellstartleiste entfernen ?");
  EXPECT_TRUE(KeyExists(RegRoot::ClassesRoot, "Folder\\shell\\my"));
  AnswerConfirm(true);
  form->BitBtns[1]->UserClick();
  EXPECT_FALSE(KeyExists(RegRoot::ClassesRoot, "Folder\\shell\\my"));
  EXPECT_EQ(Captions(), Texts{"Editor"});
}

TEST_F(DesktopPagesTest, DesktopLinksAreFoldersOfExactlyTheirItemsName) {
  const std::string desktop = shell.specialFolders[0x10];
  const std::string printers = desktop + "\\Meine Drucker.{2227a280-3aea-1069-a2de-08002b30309d}";
  files.AddDirectory(printers);
  files.AddFile(desktop + "\\Papierkorb.{645FF040-5081-101B-9F08-00AA002F954E}\\x.txt", "x");
  Open(50);
  ASSERT_EQ(List().Count(), 11);
  // Any entry whose name holds the identifier checks the item.
  EXPECT_EQ(Checks(),
            (Marks{false, true, false, false, false, true, false, false, false, false, false}));
  // Arbeitsplatz on, Papierkorb off, Drucker stays on.
  SetChecks({false, true, false, true, false, false});
  ClickApply();
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_TRUE(
      files.DirectoryExists(desktop + "\\Arbeitsplatz.{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
  EXPECT_TRUE(files.DirectoryExists(desktop + "\\Drucker.{2227A280-3AEA-1069-A2DE-08002B30309D}"))
      << "a checked item makes its own folder name, whatever else is there";
  EXPECT_TRUE(files.Exists(desktop + "\\Papierkorb.{645FF040-5081-101B-9F08-00AA002F954E}"))
      << "a folder with contents is never removed";
  Open(50);
  List().UserToggleCheck(1);
  ClickApply();
  EXPECT_FALSE(files.Exists(desktop + "\\Drucker.{2227A280-3AEA-1069-A2DE-08002B30309D}"));
  EXPECT_TRUE(files.Exists(printers)) << "only the item's own name is removed";
}

TEST_F(DesktopPagesTest, StartMenuFoldersAreMadeInTheAllUsersMenuItemByItem) {
  const std::string menu = "C:\\Documents and Settings\\All Users\\Startmenü";
  files.AddDirectory(menu + "\\Drucker.{2227A280-3AEA-1069-A2DE-08002B30309D}");
  Open(73);
  EXPECT_EQ(Checks(), (Marks{false, true, false, false, false, false}));
  SetChecks({true, false, false, false, true, false});
  ClickApply();
  EXPECT_TRUE(
      files.DirectoryExists(menu + "\\Arbeitsplatz.{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
  EXPECT_FALSE(files.Exists(menu + "\\Drucker.{2227A280-3AEA-1069-A2DE-08002B30309D}"));
  // The fifth item stands for the fifth folder of the list.
  EXPECT_TRUE(
      files.DirectoryExists(menu + "\\Systemsteuerung.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
  Open(73);
  EXPECT_EQ(Checks(), (Marks{true, false, false, false, true, false}));
}

TEST_F(DesktopPagesTest, StartMenuFoldersOnNt4LiveInTheProfilesAndAMissingMenuIsSaid) {
  Start(os::MemorySystem::kNt4);
  Open(73);
  EXPECT_EQ(Checks(), Marks(6, false));
  ASSERT_TRUE(form->Labels[1]);
  EXPECT_NE(form->Labels[1]->Caption().find("C:\\WINNT\\Profiles\\All Users\\Startmenü"),
            std::string::npos);
  files.AddDirectory("C:\\WINNT\\Profiles\\All Users\\Startmenü");
  Open(73);
  SetChecks({false, false, true});
  ClickApply();
  EXPECT_TRUE(files.DirectoryExists(
      "C:\\WINNT\\Profiles\\All Users\\Startmenü\\Schriftarten.{BD84B380-8CA2-1069-AB1D-"
      "08000948F534}"));
}

// --- check settings ------------------------------------------------------------------------------

TEST_F(DesktopPagesTest, StartMenuSettingsKnowYesNoAndTheSortOrder) {
  const std::string advanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
  const std::string order =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
  Seed(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced]
"StartMenuScrollPrograms"="YES"
"IntelliMenus"="yes"
"StartMenuLogoff"=dword:00000001
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\MenuOrder\Start Menu]
"Order"=hex:08,00,00,00
)");
  Open(72);
  EXPECT_EQ(Checks(), (Marks{true, true, false, false, false, false}));
  ClickApply();  // unsorted stays unsorted
  EXPECT_TRUE(Value(RegRoot::CurrentUser, order, "Order"));
  EXPECT_EQ(Str(RegRoot::CurrentUser, advanced, "IntelliMenus"), "NO");
  EXPECT_EQ(Str(RegRoot::CurrentUser, advanced, "StartMenuScrollPrograms"), "YES");
  List().UserToggleCheck(4);
  ClickApply();
  EXPECT_FALSE(Value(RegRoot::CurrentUser, order, "Order"));
  Open(72);
  EXPECT_TRUE(Checks()[4]);
}

// --- radio pages ---------------------------------------------------------------------------------

TEST_F(DesktopPagesTest, WallpaperStyleReadsThePairOnlyOnWindows2000) {
  Seed(
      "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"WallpaperStyle\"=\"2\"\n"
      "\"TileWallpaper\"=\"0\"\n");
  Open(31);
  EXPECT_TRUE(form->RadioButtons[2]->Checked());
  form->RadioButtons[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "WallpaperStyle"), "0");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "TileWallpaper"), "1");

  Start(os::MemorySystem::kWindowsXp);  // elsewhere the tile value alone decides
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"TileWallpaper\"=\"0\"\n");
  Open(31);
  EXPECT_TRUE(form->RadioButtons[0]->Checked());
  EXPECT_FALSE(form->RadioButtons[2]->Checked());
}

TEST_F(DesktopPagesTest, ShortcutArrowsKnowTheirFilesAndCompleteCustomIcons) {
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
  Open(162);
  EXPECT_TRUE(form->RadioButtons[0]->Checked()) << "nothing stored: the Windows arrow";
  EXPECT_FALSE(form->Edits[0]->Enabled());
  EXPECT_EQ(form->PageBuilding, 0);
  form->RadioButtons[2]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "29"), "C:\\Programme\\Kalmora2x\\NoShortCut.Ico,0");

  form->RadioButtons[3]->UserClick();
  EXPECT_TRUE(form->Edits[0]->Enabled());
  EXPECT_TRUE(form->BitBtns[0]->Enabled());
  // "..." picks the arrow in the icon viewer.
  files.AddFile("C:\\WINNT\\System32\\pfeile.dll", "MZ");
  shell.iconCounts["C:\\WINNT\\System32\\pfeile.dll"] = 3;
  backend.OnNextModal([](ui::Form& viewer) {
    auto* tree = static_cast<ui::TreeView*>(viewer.FindByName("TreeView1"));
    ASSERT_TRUE(tree);
    tree->Root(0)->Expand();
    ui::TreeNode* node = tree->Root(0)->Child(0);
    for (const std::string part : {"WINNT", "System32"}) {
      node->Expand();
      ui::TreeNode* next = nullptr;
      for (int i = 0; i < node->Count(); ++i) {
        if (node->Child(i)->Text() == part) next = node->Child(i);
      }
      ASSERT_TRUE(next) << part;
      node = next;
    }
    tree->UserClickNode(node);
    static_cast<ui::ListView*>(viewer.FindByName("ListView1"))->UserClickItem(0);
    static_cast<ui::ListView*>(viewer.FindByName("ListView3"))->UserDoubleClickItem(2);
  });
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(form->Edits[0]->Text(), "C:\\WINNT\\System32\\pfeile.dll,2");
  EXPECT_EQ(form->SharedIcon, ui::Picture::Icon("C:\\WINNT\\System32\\pfeile.dll", 2));
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "29"), "C:\\WINNT\\System32\\pfeile.dll,2");
  form->Edits[0]->UserType("");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "29"), ",0") << "an empty edit is icon 0 of nothing";
  form->Edits[0]->UserType("D:\\Icons\\pfeile.dll,4");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "29"), "D:\\Icons\\pfeile.dll,4");
  Open(162);
  EXPECT_TRUE(form->RadioButtons[3]->Checked());
  EXPECT_EQ(form->Edits[0]->Text(), "D:\\Icons\\pfeile.dll,4");

  Seed("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"29\"=\"c:\\\\winnt\\\\system32\\\\shell32.dll,29\"\n");
  Open(162);
  EXPECT_TRUE(form->RadioButtons[0]->Checked()) << "paths compare without case";
  EXPECT_FALSE(form->Edits[0]->Enabled());
}

// --- edits ---------------------------------------------------------------------------------------

TEST_F(DesktopPagesTest, WallpaperOriginIsWrittenForTheUserAndRemovedWhenBothAreEmpty) {
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"WallpaperOriginX\"=\"10\"\n");
  Open(30);
  EXPECT_EQ(form->Edits[0]->Text(), "10");
  EXPECT_EQ(form->Edits[1]->Text(), "");
  form->Edits[1]->UserType("20");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "WallpaperOriginY"), "20");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "TileWallpaper"), "0");
  form->Edits[0]->UserType("");
  form->Edits[1]->UserType("");
  ClickApply();
  EXPECT_FALSE(Value(RegRoot::CurrentUser, kDesktop, "WallpaperOriginX"));
  EXPECT_FALSE(Value(RegRoot::CurrentUser, kDesktop, "WallpaperOriginY"));
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(DesktopPagesTest, IconNamesOnWindows2000BelongToTheUser) {
  const std::string machine = "SOFTWARE\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
  const std::string user =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\{645FF040-5081-101B-9F08-"
      "00AA002F954E}";
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}]
@="Papierkorb"
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\CLSID\{2227A280-3AEA-1069-A2DE-08002B30309D}]
@="Drucker"
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\CLSID\{21EC2020-3AEA-1069-A2DD-08002B30309D}]
@="Systemsteuerung"
[HKEY_CLASSES_ROOT\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}\ShellFolder]
"Attributes"=hex:70,01,00,20
)");
  Open(49);
  EXPECT_EQ(form->Edits[0]->Text(), "Papierkorb") << "the machine's name while the user has none";
  EXPECT_EQ(form->Edits[2]->Text(), "Systemsteuerung");
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  form->Edits[0]->UserType("Müll");
  form->Edits[1]->UserType("");
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, user, ""), "Müll");
  EXPECT_EQ(Str(RegRoot::LocalMachine, machine, ""), "Papierkorb");
  EXPECT_EQ(Str(RegRoot::LocalMachine,
                "SOFTWARE\\Classes\\CLSID\\{2227A280-3AEA-1069-A2DE-08002B30309D}", ""),
            "");
  EXPECT_EQ(Bytes(RegRoot::ClassesRoot,
                  "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder", "Attributes"),
            (std::vector<uint8_t>{0x40, 0x01, 0x00, 0x20}));
  Open(49);
  EXPECT_EQ(form->Edits[0]->Text(), "Müll");
  form->Edits[0]->UserType("");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, user, ""), "") << "an empty edit writes an empty name";
}

TEST_F(DesktopPagesTest, IconNamesOnNt4AreTheMachines) {
  Start(os::MemorySystem::kNt4);
  Open(49);
  form->Edits[0]->UserType("Abfall");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine,
                "SOFTWARE\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", ""),
            "Abfall");
}

TEST_F(DesktopPagesTest, IconSettingsFontLinkTextAndShowDesktopFile) {
  const std::string quickLaunch =
      "C:\\Documents and Settings\\Anwender\\Anwendungsdaten\\Microsoft\\Internet "
      "Explorer\\Quick Launch";
  files.AddDirectory(quickLaunch);
  Seed(R"(
[HKEY_CURRENT_USER\Control Panel\Desktop]
"IconTitleSize"="9"
"IconTitleWrap"="1"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer]
"Link"=hex:01,00,00,00
)");
  Open(77);
  EXPECT_EQ(form->Edits[0]->Text(), "MS Sans Serif, 9");
  EXPECT_EQ(Checks(), (Marks{true, false, true, false}));

  backend.Dialogs().AnswerFont(ui::Font::Of("Verdana", 12));
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(form->Edits[0]->Text(), "Verdana, 12");
  List().UserToggleCheck(3);
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "IconTitleFaceName"), "Verdana");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "IconTitleSize"), "12");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "IconTitleStyle"), "0");
  EXPECT_EQ(
      Bytes(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "Link"),
      (std::vector<uint8_t>{0, 0, 0, 0}));
  std::string scf;
  ASSERT_TRUE(files.ReadFile(quickLaunch + "\\Desktop anzeigen.SCF", scf));
  EXPECT_EQ(scf,
            "[Shell]\r\nCommand=2\r\nIconFile=explorer.exe,3\r\n[Taskbar]\r\nCommand="
            "ToggleDesktop\r\n");

  form->Edits[0]->UserType("Arial Narrow");  // a name alone keeps the stored size
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "IconTitleFaceName"), "Arial Narrow");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "IconTitleSize"), "12");
}

// --- sliders -------------------------------------------------------------------------------------

TEST_F(DesktopPagesTest, IconSpacingConvertsTwipsAndPixels) {
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]\n\"IconSpacing\"=\"-1125\"\n");
  Open(75);
  EXPECT_FALSE(form->Panel4->Visible());
  EXPECT_EQ(form->PageBuilding, 0);
  EXPECT_EQ(form->Sliders[1]->Value(), 43);
  EXPECT_EQ(form->Sliders[0]->Value(), 42) << "missing: the Windows standard";

  const int column1 = form->Images[1]->Left();
  form->Sliders[1]->UserSetValue(63);
  EXPECT_EQ(form->Images[1]->Left(), column1 + 20);
  EXPECT_EQ(form->Images[2]->Left(), form->Images[0]->Left() + 2 * (63 + 30));

  form->Sliders[1]->UserSetValue(66);
  AnswerConfirm(false);
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kMetrics, "IconSpacing"), "-1125");
  AnswerConfirmKeeping(true);
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(confirmMessage, "Wollen Sie die Icongröße wirklich verändern ?");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kMetrics, "IconSpacing"), "-1478");
  EXPECT_EQ(Status(), "Änderungen übernommen");
  Open(75);
  EXPECT_EQ(form->Sliders[1]->Value(), 66);
  EXPECT_EQ(form->Sliders[0]->Value(), 42);

  // 2730 twips are 150 pixels beyond the 495-twip base.
  Seed(
      "[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]\n"
      "\"IconVerticalSpacing\"=\"-2730\"\n");
  Open(75);
  EXPECT_EQ(form->Sliders[0]->Value(), 151);
}

}  // namespace
