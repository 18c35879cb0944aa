// The pages of the "Explorer" branch, built against a seeded registry: what each shows and what
// its apply button and actions store.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Texts = std::vector<std::string>;
using Marks = std::vector<bool>;

constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

class ExplorerPagesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(ExplorerPagesTest, HiddenDrivesAreBitsOfTheirLetters) {
  files.AddDrive({'A', os::DriveType::Removable, "", ""});
  files.AddDrive({'E', os::DriveType::CdRom, "TREIBER", "CDFS"});
  files.AddDrive({'Z', os::DriveType::Remote, "daten", "NTFS"});
  Seed("[HKEY_CURRENT_USER\\" + std::string(kPolicies) + "]\n\"NoDrives\"=dword:02000001\n");
  Open(15);
  const Texts captions = Captions();
  ASSERT_EQ(captions.size(), 4u);
  EXPECT_EQ(captions[0], "DRIVE_REMOVABLE (A:\\)");
  EXPECT_EQ(captions[2], "DRIVE_CDROM (E:\\)");
  EXPECT_EQ(List().Item(2)->SubItems(), (Texts{"TREIBER", "CDFS"}));
  EXPECT_EQ(List().Item(0)->SubItems(), (Texts{"", ""})) << "no medium, empty cells";
  EXPECT_EQ(Checks(), (Marks{true, false, false, true}));

  SetChecks({false, true, true, false});
  const size_t notifications = shell.notifications.size();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoDrives"), 20u) << "C and E";
  EXPECT_GT(shell.notifications.size(), notifications) << "the shell is told";
  SetChecks({false, false, false, false});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoDrives"), 0u);
}

TEST_F(ExplorerPagesTest, NotepadEntriesUncheckedRemoveTheirWholeShellKey) {
  Seed(R"(
[HKEY_CLASSES_ROOT\*\shell\open\command]
@="NOTEPAD.EXE %1"
[HKEY_CLASSES_ROOT\*\shell\print\command]
@="print.exe %1"
)");
  Open(16);
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  EXPECT_FALSE(form->CheckBoxes[1]->Checked());
  form->CheckBoxes[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "Unknown\\shell\\Öffnen mit Notepad\\command", ""),
            "NOTEPAD.EXE %1");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "*\\shell\\open", ""), "Öffnen mit Notepad");
  form->CheckBoxes[0]->UserClick();
  form->CheckBoxes[1]->UserClick();
  ClickApply();
  EXPECT_FALSE(KeyExists(RegRoot::ClassesRoot, "*\\shell"));
  EXPECT_TRUE(KeyExists(RegRoot::ClassesRoot, "*"));
  EXPECT_FALSE(KeyExists(RegRoot::ClassesRoot, "Unknown\\shell\\Öffnen mit Notepad"));
}

TEST_F(ExplorerPagesTest, OpenFileDialogSettingsLiveBelowTheUsersKey) {
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Comdlg32";
  Seed("[HKEY_CURRENT_USER\\" + key + "]\n\"NoFileMRU\"=dword:00000001\n");
  Open(55);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  EXPECT_TRUE(form->CheckBoxes[2]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::Users, form->UserKeyName + "\\" + key, "NoPlacesBar"), 1u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, key, "NoBackButton"), 0u);
}

TEST_F(ExplorerPagesTest, ContextMenuEntriesAreWrittenAndRemoved) {
  const std::string driveKey = "Drive\\shell\\Eingabeaufforderung";
  Seed(R"(
[HKEY_CLASSES_ROOT\Directory\Background\shellex\ContextMenuHandlers\New]
@="{D969A300-E7FF-11d0-A93B-00A0C90F2719}"
)");
  Open(60);
  EXPECT_EQ(Checks(), (Marks{true, false, false, false}));
  SetChecks({false, true, true, true});
  ClickApply();
  EXPECT_EQ(
      Str(RegRoot::ClassesRoot, "Directory\\Background\\shellex\\ContextMenuHandlers\\New", ""),
      "");
  EXPECT_EQ(Str(RegRoot::LocalMachine, "SOFTWARE\\Classes\\*\\shell\\openas\\command", ""),
            "rundll32.exe shell32.dll,OpenAs_RunDLL \"%1\"");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, driveKey, ""), "Eingabeaufforderung");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, driveKey + "\\Command", ""), "cmd.exe /k cd \"%1\"");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "Directory\\shell\\Eingabeaufforderung\\Command", ""),
            "cmd.exe /k cd \"%1\"");
  Open(60);
  EXPECT_EQ(Checks(), (Marks{false, true, true, true}));
  SetChecks({false, false, false, true});
  ClickApply();
  EXPECT_FALSE(KeyExists(RegRoot::ClassesRoot, driveKey));
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, "SOFTWARE\\Classes\\*\\shell\\openas"));
  EXPECT_TRUE(KeyExists(RegRoot::ClassesRoot, "Directory\\shell\\Eingabeaufforderung"));
}

TEST_F(ExplorerPagesTest, ExplorerSettingsKeepTheirOwnStoredForms) {
  const std::string option = std::string(kAdvanced) + "\\Folder\\ShowAttribCol";
  Seed(R"(
[HKEY_CLASSES_ROOT\dllfile\DefaultIcon]
@="%1"
[HKEY_CURRENT_USER\Control Panel\Desktop]
"SmoothScroll"=hex:01,00,00,00
)");
  Open(63);
  EXPECT_EQ(Checks(), (Marks{false, false, false, false, true, true, false, false}));
  SetChecks({true, true, false, false, false, false});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kAdvanced, "ShowAttribCol"), 1u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, option, "HKeyRoot"), 0x80000001u);
  EXPECT_EQ(Str(RegRoot::LocalMachine, option, "RegPath"), kAdvanced);
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "Paint.Picture\\DefaultIcon", ""), "%1");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, ".bmp", ""), "Paint.Picture");
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "dllfile\\DefaultIcon", ""),
            "C:\\WINNT\\System32\\shell32.dll,-154");
  EXPECT_EQ(Bytes(RegRoot::CurrentUser, "Control Panel\\Desktop", "SmoothScroll"),
            (std::vector<uint8_t>{0, 0, 0, 0}));
  Open(63);
  EXPECT_EQ(Checks(), (Marks{true, true, false, false, false, false, false, false}));
  SetChecks({false, false});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kAdvanced, "ShowAttribCol"), 0u);
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, option));
  EXPECT_EQ(Str(RegRoot::ClassesRoot, "Paint.Picture\\DefaultIcon", ""), "mspaint.exe, 1");
}

TEST_F(ExplorerPagesTest, CompressedColourShowsTheStoredBytesAsAColourText) {
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  Seed("[HKEY_CURRENT_USER\\" + key + "]\n\"AltColor\"=hex:00,00,ff,00\n");
  Open(66);
  EXPECT_EQ(form->ColourPanels[0]->GetColor(), 0x020000FFu) << "$02 before 00 00 FF";

  ClickApply();  // the swatch's red, green and blue, as it holds them
  EXPECT_EQ(Bytes(RegRoot::CurrentUser, key, "AltColor"), (std::vector<uint8_t>{0xFF, 0x00, 0x00}));

  backend.Dialogs().AnswerColor(ui::Rgb(0x12, 0x34, 0x56));
  form->ColourPanels[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Bytes(RegRoot::CurrentUser, key, "AltColor"), (std::vector<uint8_t>{0x12, 0x34, 0x56}));

  backend.Dialogs().AnswerColor(std::nullopt);  // cancelled: the swatch stays
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(form->ColourPanels[0]->GetColor(), ui::Rgb(0x12, 0x34, 0x56));
}

}  // namespace
