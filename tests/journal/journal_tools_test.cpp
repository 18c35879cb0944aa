// The journal behind the tools: what each tool does through its page, as a user does it, is one
// change set, and undoing it puts back the registry and the files of the hard disk and the floppy
// byte for byte — values and keys it made go again, files it deleted or replaced come back with
// their attributes, files and folders it made are removed.
#include "journal_fixture.h"
#include "nettune/tcpip_frame.h"

namespace {

using os::RegRoot;
using testing_support::JournalPagesTest;

class JournalToolsTest : public JournalPagesTest {
 protected:
  JournalToolsTest() { shell.registry = &registry; }

  std::string FileBytes(const std::string& path) {
    std::string bytes;
    return files.ReadFile(path, bytes) ? bytes : "<missing>";
  }
};

TEST_F(JournalToolsTest, SharedDllCountsAndTheirRecycledFilesComeBack) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\SharedDLLs]
"C:\\Programme\\Gemeinsam\\Grafik.ocx"=hex:02,00,00,00
"C:\\WINNT\\System32\\msvbvm60.dll"=dword:00000005
"C:\\Programme\\Gemeinsam\\Rechner.dll"=dword:00000001
)");
  files.AddFile("C:\\Programme\\Gemeinsam\\Rechner.dll", std::string("MZ\0\x90", 4),
                os::kAttrArchive | os::kAttrHidden);
  StartJournaled();
  Select("Gemeinsame DLL-Dateien");
  const std::string before = State();
  List().UserClickItem(0);  // Grafik.ocx: the count alone
  AnswerConfirm(true);
  form->BitBtns[0]->UserClick();
  List().UserClickItem(1);  // Rechner.dll, now second: the file to the recycle bin and its count
  form->BitBtns[1]->UserClick();
  ASSERT_FALSE(files.Exists("C:\\Programme\\Gemeinsam\\Rechner.dll"));
  ASSERT_EQ(List().Count(), 1);

  UndoNewest();  // the file and its count
  EXPECT_EQ(FileBytes("C:\\Programme\\Gemeinsam\\Rechner.dll"), std::string("MZ\0\x90", 4));
  UndoNewest(2);  // the count alone, below the undo and the file's set
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, ControlPanelMarkersComeAndGoAndAnotherProgramsValueStays) {
  Seed(R"(
[HKEY_CURRENT_USER\Control Panel\don't load]
"timedate.cpl"="1"
"odbccp32.cpl"=dword:00000000
)");
  shell.controlPanel = {{"Anzeige", "desk.cpl", 11, 21},
                        {"Datum/Uhrzeit", "timedate.cpl", 12, 22},
                        {"Maus", "main.cpl", 14, 24},
                        {"Tastatur", "main.cpl", 15, 25}};
  StartJournaled();
  Select("Einträge in Systemsteuerung");
  const std::string before = State();
  ASSERT_EQ(List().Count(), 4) << "the hidden applet is listed for the page";
  List().UserClickItem(0);  // Anzeige: hide
  List().UserClickItem(1);  // Datum/Uhrzeit: show again
  List().UserClickItem(2);  // Maus hides Tastatur with it
  ClickApply();
  const std::string key = "Control Panel\\don't load";
  ASSERT_EQ(Str(RegRoot::CurrentUser, key, "desk.cpl"), "1");
  ASSERT_EQ(Str(RegRoot::CurrentUser, key, "main.cpl"), "1");
  ASSERT_EQ(Str(RegRoot::CurrentUser, key, "timedate.cpl"), "<none>");

  UndoNewest();
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, PagingFilesComeBackAsTheSameMultiString) {
  files.AddDrive({'D', os::DriveType::Fixed, "", "NTFS", 2, 4ull << 30, 1ull << 30});
  // Lower-case drive and two end zeros: bytes as another program left them.
  Seed(R"(
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management]
"PagingFiles"=hex(7):63,00,3a,00,5c,00,70,00,61,00,67,00,65,00,66,00,69,00,6c,00,65,00,2e,00,\
  73,00,79,00,73,00,20,00,31,00,30,00,30,00,20,00,32,00,30,00,30,00,00,00,00,00
)");
  StartJournaled();
  Select("Auslagerungsdatei");
  const std::string before = State();
  List().UserClickItem(1);
  form->Edits[0]->UserType("64");
  form->Edits[1]->UserType("128");
  form->Edits[2]->UserType("D:\\Auslagerung");
  form->BitBtns[0]->UserClick();
  ClickApply();
  ASSERT_NE(State(), before);

  UndoNewest();
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, SystemBackupFilesGoAgainAndTheReplacedOnesComeBack) {
  constexpr const char* kInstall = "C:\\Programme\\Kalmora2x\\";
  files.AddDrive({'C', os::DriveType::Fixed, "", "FAT32", 1, 4ull << 30, 1ull << 30});
  files.AddDrive({'A', os::DriveType::Removable, "", "FAT", 2, 1474560, 1457664});
  for (const char* name : {"Attrib.exe", "Command.com", "Choice.com", "Xcopy.exe", "Xcopy32.exe",
                           "Xcopy32.mod", "Msdos.sys", "Io.sys", "Drvspace.bin"}) {
    files.AddFile(kInstall + std::string(name), name);
  }
  files.SetShortName("C:\\Programme", "PROGRA~1");
  files.AddFile("C:\\NtLdr", "ldr", os::kAttrReadOnly | os::kAttrHidden | os::kAttrSystem);
  files.AddFile("C:\\boot.ini", "ini");
  // A floppy used before: its menu and a program on it are replaced.
  files.AddFile("A:\\Autoexec.bat", "@echo alt\r\n", os::kAttrHidden);
  files.AddFile("A:\\Command.com", "alt");
  StartJournaled();
  Select("Systemdateien sichern");
  const std::string before = State();
  backend.OnNextModal([](ui::Form& question) {
    static_cast<ui::Button*>(question.FindByName("Button1"))->UserClick();  // with the floppy
  });
  ClickApply();
  ASSERT_TRUE(files.Exists("C:\\Programme\\Backup\\Backup.bat"));
  ASSERT_NE(FileBytes("A:\\Autoexec.bat"), "@echo alt\r\n");
  ASSERT_EQ(FileBytes("A:\\Command.com"), "Command.com");

  UndoNewest();
  EXPECT_FALSE(files.Exists("C:\\Programme\\Backup"));
  EXPECT_EQ(files.GetAttributes("A:\\Autoexec.bat"), os::kAttrHidden);
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, TheBootFloppysDeletedFilesAndFoldersComeBackAndItsCopiesGo) {
  files.AddDrive({'A', os::DriveType::Removable, "", "FAT", 2, 1000, 850});
  files.AddFile("A:\\alt.txt", std::string(100, 'x'), os::kAttrHidden);
  files.AddFile("A:\\Ordner\\x.dat", std::string(50, 'y'), os::kAttrReadOnly);
  files.AddFile("A:\\BOOT.INI", "alt");
  files.AddFile("C:\\NTDETECT.COM", std::string(10, 'd'));
  files.AddFile("C:\\NTLDR", std::string(20, 'l'), os::kAttrReadOnly | os::kAttrHidden);
  files.AddFile("C:\\BOOT.INI", std::string(10, 'b'));
  StartJournaled();
  Select("Bootdiskette erstellen");
  const std::string before = State();
  form->BitBtns[0]->UserClick();
  form->BitBtns[0]->UserClick();
  ASSERT_FALSE(files.Exists("A:\\Ordner"));
  ASSERT_EQ(FileBytes("A:\\NTLDR"), std::string(20, 'l'));

  UndoNewest();
  EXPECT_EQ(FileBytes("A:\\Ordner\\x.dat"), std::string(50, 'y'));
  EXPECT_EQ(files.GetAttributes("A:\\Ordner\\x.dat"), os::kAttrReadOnly);
  EXPECT_FALSE(files.Exists("A:\\NTLDR"));
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, IconsGivenToTheRecycleBinAndToADriveAreTakenBack) {
  files.AddDrive({'D', os::DriveType::CdRom, "", "CDFS", 2, 1ull << 30, 0});
  StartJournaled();
  const std::string before = State();
  Open(7);  // "ShellIcon ändern": a value that stood already
  List().UserClickItem(1);
  PickNext(kSystem32, "pfeil.dll", 3);
  form->BitBtns[2]->UserClick();
  const std::string recycleBin =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
      "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
  ASSERT_EQ(Str(RegRoot::CurrentUser, recycleBin, "empty"), "C:\\WINNT\\System32\\pfeil.dll,3");
  Open(78);  // "Laufwerkssymbol ändern": keys that did not exist
  List().UserClickItem(1);
  PickNext(kSystem32, "pfeil.dll", 2);
  form->BitBtns[0]->UserClick();
  ASSERT_TRUE(KeyExists(RegRoot::CurrentUser,
                        "Applications\\Explorer.exe\\Drives\\DriveIcons\\D\\DefaultIcon"));

  UndoNewest();  // the drive
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                         "DriveIcons\\D"));
  UndoNewest(2);  // the recycle bin, below the undo and the drive's set
  EXPECT_EQ(Str(RegRoot::CurrentUser, recycleBin, "empty"), "shell32.dll,31");
  EXPECT_EQ(State(), before);
}

TEST_F(JournalToolsTest, TheTcpIpTunersValuesInEveryControlSetComeBack) {
  std::string seed =
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]\n\"Current\"=dword:00000001\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n"
      "\"MaxConnectionsPerServer\"=dword:00000004\n";
  for (const char* set : {"ControlSet001", "ControlSet002", "CurrentControlSet"}) {
    const std::string tcpip =
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\" + std::string(set) + "\\Services\\Tcpip\\Parameters";
    seed += tcpip + "]\n\"DefaultTTL\"=dword:00000080\n\"SackOpts\"=dword:00000000\n";
    seed += tcpip + "\\Interfaces\\{AAA}]\n\"MTU\"=dword:000005dc\n";
  }
  Seed(seed);
  StartJournaled();
  Open(101);
  const std::string before = State();
  auto* frame = dynamic_cast<nettune::TFrame51*>(form->PagePanel->FindByName("TFrame51"));
  ASSERT_TRUE(frame);
  for (const char* entry : {"Optimieren DSL / Kabel", "Speichern"}) {
    ui::MenuItem* item = frame->PopupMenu1.Items().Find(entry);
    if (!item) item = frame->PopupMenu2.Items().Find(entry);
    ASSERT_TRUE(item) << entry;
    item->UserChoose();
  }
  ASSERT_EQ(Dword(RegRoot::LocalMachine,
                  "SYSTEM\\ControlSet002\\Services\\Tcpip\\Parameters\\Interfaces\\{AAA}", "MTU"),
            1492u);

  UndoNewest();
  EXPECT_EQ(State(), before);
}

}  // namespace
