// The system file views and the start-up page: Boot.ini edited line by line (every other byte
// kept), written in one step with its old version beside it, its attributes put back, and the
// crash-control values.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;
using Texts = std::vector<std::string>;

constexpr const char* kCrash = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
constexpr uint32_t kBootAttributes = 0x27;  // read-only, hidden, system, archive

class BootFilesTest : public ToolTest {
 protected:
  std::string Headline() { return form->Labels[10] ? form->Labels[10]->Caption() : "<none>"; }
  std::string ViewText() { return form->RichEdits[0] ? form->RichEdits[0]->Text() : "<none>"; }
  void OpenStartPage() { Select("Systemstart"); }
  std::vector<uint8_t> Crash(const std::string& name) {
    const auto value = Value(RegRoot::LocalMachine, kCrash, name);
    return value && value->type == os::kRegDword ? value->data : std::vector<uint8_t>{};
  }
  ui::ComboBox& Entries() { return *form->ComboBoxes[0]; }
  ui::SpinEdit& Timeout() { return *form->SpinEdits[0]; }
};

TEST_F(BootFilesTest, FileViewsShowTheirFileByVersionAndStayEmptyWhenUnreadable) {
  files.AddFile("C:\\WINNT\\System32\\Config.nt", "dos=high, umb\r\nfiles=40\r\n");
  files.AddFile("C:\\Config.nt", "falsch");
  files.AddFile("C:\\WINNT\\Win.ini", "[windows]\r\nload=\xE4\r\n");
  Start(os::MemorySystem::kNt4);
  Select("Config.nt");
  EXPECT_EQ(Headline(), "C:\\WINNT\\System32\\Config.nt");
  EXPECT_EQ(ViewText(), "dos=high, umb\r\nfiles=40");
  Select("Win.ini");
  EXPECT_EQ(Headline(), "C:\\WINNT\\Win.ini");
  EXPECT_EQ(ViewText(), "[windows]\r\nload=ä");
  Select("Msdos.sys");
  EXPECT_EQ(Headline(), "c:\\Msdos.sys");
  EXPECT_EQ(ViewText(), "");
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(form->Panel4->Visible());
}

TEST_F(BootFilesTest, ChosenEntryGoesFirstAndTheFileIsReplacedWithItsOldVersionKept) {
  const std::string original =
      "[boot loader]\r\n"
      "timeout=30\r\n"
      "default=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
      "[operating systems]\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Windows XP\" /noexecute=optout "
      "/fastdetect\r\n"
      "multi(0)disk(0)rdisk(0)partition(2)\\WINNT=\"Windows 2000\" /fastdetect\r\n"
      "C:\\=\"Microsoft Windows\"\r\n";
  files.AddFile("C:\\Boot.ini", original, kBootAttributes);
  Seed("[HKEY_LOCAL_MACHINE\\" + std::string(kCrash) +
       "]\n\"LogEvent\"=dword:00000001\n\"SendAlert\"=dword:00000000\n");
  Start();
  OpenStartPage();
  EXPECT_EQ(Entries().Items(),
            (Texts{"MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINDOWS=\"WINDOWS XP\" "
                   "/NOEXECUTE=OPTOUT /FASTDETECT",
                   "MULTI(0)DISK(0)RDISK(0)PARTITION(2)\\WINNT=\"WINDOWS 2000\" /FASTDETECT"}));
  EXPECT_EQ(Entries().ItemIndex(), 0);
  EXPECT_EQ(Timeout().Value(), 30);
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  EXPECT_FALSE(form->CheckBoxes[1]->Checked());
  EXPECT_FALSE(form->CheckBoxes[2]->Checked());
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), os::kAttrNormal) << "opening makes it normal";

  Entries().UserSelect(1);
  Timeout().UserStep(-20);
  form->CheckBoxes[2]->UserClick();
  ClickApply();
  EXPECT_EQ(FileBytes("C:\\Boot.ini"),
            "[boot loader]\r\n"
            "timeout=10\r\n"
            "default=MULTI(0)DISK(0)RDISK(0)PARTITION(2)\\WINNT\r\n"
            "[operating systems]\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(2)\\WINNT=\"WINDOWS 2000\" /FASTDETECT\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINDOWS=\"WINDOWS XP\" /NOEXECUTE=OPTOUT "
            "/FASTDETECT\r\n"
            "C:\\=\"Microsoft Windows\"\r\n");
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), kBootAttributes);
  EXPECT_EQ(FileBytes("C:\\Boot.ini.bak"), original);
  EXPECT_EQ(files.Replacements(), 2) << "the backup and Boot.ini, each in one step";
  EXPECT_EQ(Crash("LogEvent"), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(Crash("SendAlert"), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Crash("AutoReboot"), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(BootFilesTest, RealWorldFormsKeepEveryByteOfTheLinesNotRewritten) {
  // Blanks around "=", duplicate ARC paths, a signature() entry ending the MULTI lines, LF and
  // CR line ends, an 8-bit comment and no line end at the end.
  files.AddFile("C:\\Boot.ini",
                "; ge\xE4ndert\n"
                "[boot loader]\r\n"
                "timeout = 5\r\n"
                "default = multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r"
                "[operating systems]\r\n"
                "multi(0)disk(0)rdisk(0)partition(1)\\WINNT = \"Windows 2000\" /fastdetect\r\n"
                "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Abgesichert\" /safeboot:minimal\n"
                "signature(8b467c12)disk(1)rdisk(0)partition(1)\\WINNT=\"SCSI\"\n"
                "C:\\ = \"MS-DOS\"",
                kBootAttributes);
  Start();
  OpenStartPage();
  EXPECT_EQ(Timeout().Value(), 5);
  ASSERT_EQ(Entries().Items().size(), 2u);
  Entries().UserSelect(1);
  ClickApply();
  EXPECT_EQ(FileBytes("C:\\Boot.ini"),
            "; ge\xE4ndert\n"
            "[boot loader]\r\n"
            "timeout=5\r\n"
            "default=MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINNT\r"
            "[operating systems]\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINNT=\"ABGESICHERT\" /SAFEBOOT:MINIMAL\r\n"
            "MULTI(0)DISK(0)RDISK(0)PARTITION(1)\\WINNT = \"WINDOWS 2000\" /FASTDETECT\n"
            "signature(8b467c12)disk(1)rdisk(0)partition(1)\\WINNT=\"SCSI\"\n"
            "C:\\ = \"MS-DOS\"");
}

TEST_F(BootFilesTest, WithoutMultiEntriesOnlyTheTimeoutChanges) {
  const std::string tail =
      "default=signature(1)disk(0)rdisk(0)partition(1)\\WINNT\r\n"
      "[operating systems]\r\n"
      "signature(1)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows\"\r\n"
      "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows\"\r\n";
  files.AddFile("C:\\Boot.ini", "[boot loader]\r\ntimeout=3\r\n" + tail);
  Start();
  OpenStartPage();
  EXPECT_TRUE(Entries().Items().empty());
  ClickApply();
  EXPECT_EQ(FileBytes("C:\\Boot.ini"), "[boot loader]\r\ntimeout=3\r\n" + tail);
}

TEST_F(BootFilesTest, MissingBootIniIsNamedAndNothingIsWritten) {
  Start();
  OpenStartPage();
  EXPECT_EQ(Shown(), (Texts{"Hinweis:  Die Datei Boot.ini wurde nicht gefunden !"}));
  EXPECT_TRUE(Entries().Items().empty());
  ClickApply();
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text, " Die Datei Boot.ini wurde nicht gefunden !");
  EXPECT_FALSE(files.Exists("C:\\Boot.ini"));
  EXPECT_FALSE(files.Exists("C:\\Boot.ini.bak"));
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, kCrash));
  EXPECT_EQ(Status(), "");
}

TEST_F(BootFilesTest, AFailedWriteLeavesTheOldFileWithItsAttributes) {
  const std::string original = "[boot loader]\r\ntimeout=30\r\n";
  files.AddFile("C:\\Boot.ini", original, kBootAttributes);
  Start();
  OpenStartPage();
  files.SetInUse("C:\\Boot.ini");
  Timeout().UserStep(1);
  ClickApply();
  EXPECT_EQ(FileBytes("C:\\Boot.ini"), original);
  EXPECT_EQ(FileBytes("C:\\Boot.ini.bak"), original);
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), kBootAttributes);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_EQ(Status(), "");

  // Without its backup the file is not touched at all.
  files.SetInUse("C:\\Boot.ini", false);
  files.SetInUse("C:\\Boot.ini.bak");
  Timeout().UserStep(1);
  ClickApply();
  EXPECT_EQ(FileBytes("C:\\Boot.ini"), original);
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), kBootAttributes);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_NE(Messages()[1].text.find("Boot.ini.bak"), std::string::npos);
}

}  // namespace
