// The system-file backup: candidates by version, the floppy menu and the two batch files byte for
// byte, and the checks that stop it before anything is written.
#include "tool_fixture.h"

namespace {

using testing_support::ToolTest;
using Texts = std::vector<std::string>;

constexpr const char* kInstall = "C:\\Programme\\Kalmora2x\\";
const Texts kSupportFiles = {"Attrib.exe", "Command.com", "Choice.com",
                             "Xcopy.exe",  "Xcopy32.exe", "Xcopy32.mod",
                             "Msdos.sys",  "Io.sys",      "Drvspace.bin"};

class SystemBackupTest : public ToolTest {
 protected:
  SystemBackupTest() {
    files.AddDrive({'C', os::DriveType::Fixed, "", "FAT32", 1, 4ull << 30, 1ull << 30});
    files.AddDrive({'A', os::DriveType::Removable, "", "FAT", 2, 1474560, 1457664});
    for (const std::string& name : kSupportFiles) files.AddFile(kInstall + name, name);
    files.SetShortName("C:\\Programme", "PROGRA~1");
  }
  // Answers the question "Systemdateien sichern" with one of its two choices.
  void AnswerQuestion(bool makeFloppy) {
    backend.OnNextModal([makeFloppy](ui::Form& dialog) {
      EXPECT_EQ(dialog.Caption(), "Systemdateien sichern");
      if (!makeFloppy)
        static_cast<ui::RadioButton*>(dialog.FindByName("RadioButton1"))->UserClick();
      static_cast<ui::Button*>(dialog.FindByName("Button1"))->UserClick();
    });
  }
  bool NothingWritten() {
    return !files.Exists("A:\\Autoexec.bat") && !files.Exists("A:\\Command.com") &&
           !files.Exists("C:\\Programme\\Backup");
  }
};

TEST_F(SystemBackupTest, WritesTheFloppyMenuAndBothBatchFilesForTheCheckedFiles) {
  files.AddFile("C:\\NtLdr", "ldr", os::kAttrReadOnly | os::kAttrHidden | os::kAttrSystem);
  files.AddFile("C:\\boot.ini", "ini");
  files.AddFile("C:\\Documents and Settings\\Default User\\ntuser.dat", "1234", os::kAttrNormal);
  files.AddFile("C:\\Documents and Settings\\Administrator\\ntuser.dat", "12", os::kAttrNormal);
  files.AddFile("C:\\WINNT\\Win.ini", "[windows]", os::kAttrNormal);
  files.SetShortName("C:\\Documents and Settings", "DOCUME~1");
  files.SetShortName("C:\\Documents and Settings\\Default User", "DEFAUL~1");
  files.SetShortName("C:\\Documents and Settings\\Administrator", "ADMINI~1");
  Start();
  Select("Systemdateien sichern");
  EXPECT_EQ(form->Edits[0]->Text(), "C:\\Programme\\Backup");
  EXPECT_EQ(
      Column(0),
      (Texts{"C:\\NtLdr", "C:\\boot.ini", "C:\\Documents and Settings\\Default User\\ntuser.dat",
             "C:\\Documents and Settings\\Administrator\\ntuser.dat", "C:\\WINNT\\Win.ini"}));
  EXPECT_EQ(Column(1), (Texts{"3", "3", "4", "2", "9"}));

  List().UserToggleCheck(1);
  files.RemoveFile("C:\\WINNT\\Win.ini");
  AnswerQuestion(true);
  ClickApply();

  EXPECT_EQ(FileBytes("A:\\Autoexec.bat"),
            "  @echo off \r\n"
            "ECHO ****************************************************** \r\n"
            "ECHO Kalmora2x Dateien sichern/herstellen\r\n"
            "ECHO (S) - Dateien in den Ordner C:\\PROGRA~1\\Backup sichern\r\n"
            "ECHO (B) - Dateien vom Ordner C:\\PROGRA~1\\Backup aus wieder herstellen\r\n"
            "ECHO (Q) - Programm beenden\r\n"
            "ECHO ****************************************************** \r\n"
            "echo Waehlen Sie (S) fuer Sichern, (B) fuer Wiederherstellen oder (Q) Programm "
            "beeenden\r\n"
            "CHOICE /C:SBQ\r\n"
            "IF ERRORLEVEL 3 GOTO quit \r\n"
            "IF ERRORLEVEL 2 GOTO RESTORE\r\n"
            "IF ERRORLEVEL 1 GOTO BACKUP \r\n"
            ":BACKUP\r\n"
            "C:\r\n"
            "cd C:\\PROGRA~1\\Backup\r\n"
            "Backup.bat\r\n"
            ":RESTORE\r\n"
            "C:\r\n"
            "cd C:\\PROGRA~1\\Backup\r\n"
            "Restore.bat\r\n"
            ":quit \r\n"
            "goto end \r\n"
            ":end \r\n");
  EXPECT_EQ(FileBytes("C:\\Programme\\Backup\\Backup.bat"),
            "@echo off\r\n"
            "attrib *.* -s -h -r\r\n"
            " attrib C:\\NTLDR -r  -h  -s \r\n"
            " copy C:\\NTLDR  C:\\PROGRA~1\\Backup\\NTLDR\r\n"
            " attrib C:\\NTLDR +r  +h  +s \r\n"
            " copy C:\\DOCUME~1\\DEFAUL~1\\NTUSER.DAT  C:\\PROGRA~1\\Backup\\DEF_NTUSER.DAT\r\n"
            " copy C:\\DOCUME~1\\ADMINI~1\\NTUSER.DAT  C:\\PROGRA~1\\Backup\\ADM_NTUSER.DAT\r\n");
  EXPECT_EQ(FileBytes("C:\\Programme\\Backup\\Restore.bat"),
            "@echo off\r\n"
            "attrib *.* -s -h -r\r\n"
            " attrib C:\\NTLDR -r  -h  -s \r\n"
            " copy C:\\PROGRA~1\\Backup\\NTLDR  C:\\NTLDR\r\n"
            " attrib C:\\NTLDR +r  +h  +s \r\n"
            " copy C:\\PROGRA~1\\Backup\\DEF_NTUSER.DAT  C:\\DOCUME~1\\DEFAUL~1\\NTUSER.DAT\r\n"
            " copy C:\\PROGRA~1\\Backup\\ADM_NTUSER.DAT  C:\\DOCUME~1\\ADMINI~1\\NTUSER.DAT\r\n");
  for (const char* copied :
       {"A:\\Command.com", "A:\\Choice.com", "A:\\Msdos.sys", "A:\\Io.sys", "A:\\Drvspace.bin",
        "C:\\Programme\\Backup\\Attrib.exe", "C:\\Programme\\Backup\\Xcopy.exe",
        "C:\\Programme\\Backup\\Xcopy32.exe", "C:\\Programme\\Backup\\Xcopy32.mod"}) {
    EXPECT_TRUE(files.Exists(copied)) << copied;
  }
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "SYSTEMDATEIEN GESICHERT");
}

TEST_F(SystemBackupTest, NtFourTakesProfilesBelowTheWindowsFolderAndNoUserdiffLog) {
  for (const char* path :
       {"C:\\WINNT\\SYSTEM32\\Config\\Sam", "C:\\WINNT\\SYSTEM32\\Config\\Userdiff.log",
        "C:\\WINNT\\SYSTEM32\\Config\\Userdiff", "C:\\WINNT\\Profiles\\Default User\\ntuser.dat",
        "C:\\Documents and Settings\\Administrator\\ntuser.dat"}) {
    files.AddFile(path, "");
  }
  Start(os::MemorySystem::kNt4);
  Select("Systemdateien sichern");
  EXPECT_EQ(Column(0),
            (Texts{"C:\\WINNT\\SYSTEM32\\Config\\Sam", "C:\\WINNT\\SYSTEM32\\Config\\Userdiff",
                   "C:\\WINNT\\Profiles\\Default User\\ntuser.dat"}));
}

TEST_F(SystemBackupTest, MissingDosFilesAreNamedAndNothingIsWritten) {
  files.RemoveFile(std::string(kInstall) + "Xcopy32.mod");
  files.RemoveFile(std::string(kInstall) + "Io.sys");
  Start();
  Select("Systemdateien sichern");
  AnswerQuestion(true);
  ClickApply();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_NE(Messages()[0].text.find("\nXcopy32.mod\nIo.sys\n"), std::string::npos)
      << Messages()[0].text;
  EXPECT_TRUE(NothingWritten());
}

TEST_F(SystemBackupTest, StoppingOrNoFloppyWritesNothing) {
  files.AddDrive({'A', os::DriveType::Removable, "", "", 0, 0, 0});
  Start();
  Select("Systemdateien sichern");
  AnswerQuestion(false);
  ClickApply();
  EXPECT_TRUE(Messages().empty());

  AnswerQuestion(true);
  backend.Dialogs().AnswerMessage(ui::mrOk);
  backend.Dialogs().AnswerMessage(ui::mrCancel);
  ClickApply();
  ASSERT_EQ(Messages().size(), 2u) << "asked again after OK without a disk";
  EXPECT_EQ(Messages()[1].text, "Legen Sie eine Diskette in Lauferk A ein");
  EXPECT_EQ(Messages()[1].caption, "Hinweis");
  EXPECT_TRUE(NothingWritten());
}

TEST_F(SystemBackupTest, OnlyAFatWindowsDriveGetsThePage) {
  files.AddDrive({'C', os::DriveType::Fixed, "", "NTFS", 1, 4ull << 30, 1ull << 30});
  Start();
  Select("Systemdateien sichern");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Diese Option ist nur für FAT/FAT32 verfügbar !");
  EXPECT_FALSE(form->ListViews[0]);
}

}  // namespace
