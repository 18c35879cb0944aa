// DirectX removal: the keys and files listed, the backup made before anything is deleted, and
// what is deleted and reported.
#include "os/reg_file.h"
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;
using Texts = std::vector<std::string>;

constexpr const char* kAppData = "C:\\Documents and Settings\\Anwender\\Anwendungsdaten";
constexpr const char* kBackup =
    "C:\\Documents and Settings\\Anwender\\Anwendungsdaten\\Kalmora2x\\DirectX-Sicherung 1";

class DirectXTest : public ToolTest {
 protected:
  void SetUp() override {
    Start();
    Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\DirectX]
"Version"="4.08.01.0881"
[HKEY_LOCAL_MACHINE\Software\Microsoft\DirectX\Sub]
"Wert"=dword:00000001
[HKEY_LOCAL_MACHINE\Software\Microsoft\Direct3D]
)");
    files.AddDirectory(kAppData);
    files.AddFile("C:\\WINNT\\System32\\dpwsockx.dll", "dp", os::kAttrReadOnly | os::kAttrSystem);
    files.AddFile("C:\\WINNT\\System32\\ddraw.dll", "dd");
    files.AddFile("C:\\WINNT\\System32\\kernel32.dll", "k");
    files.AddDirectory("C:\\WINNT\\Sysbckup");
    files.AddFile("C:\\WINNT\\Sysbckup\\ddraw.dll", "old dd");
    files.AddFile("C:\\WINNT\\Sysbckup\\dplayx.dll", "old dp");
  }
  ui::ListView& Files() { return *form->ListViews[1]; }
  Texts FileCaptions() {
    Texts captions;
    for (int i = 0; i < Files().Count(); ++i) captions.push_back(Files().Item(i)->Caption());
    return captions;
  }
};

TEST_F(DirectXTest, ListsTheKeysAndFilesThatExistAllChecked) {
  Select("DirectX deinstallieren");
  EXPECT_EQ(Captions(), (Texts{"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Direct3D",
                               "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\DirectX"}));
  EXPECT_EQ(FileCaptions(),
            (Texts{"C:\\WINNT\\System32\\dpwsockx.dll", "C:\\WINNT\\System32\\dpwsockx.dll",
                   "C:\\WINNT\\System32\\ddraw.dll", "C:\\WINNT\\Sysbckup\\ddraw.dll",
                   "C:\\WINNT\\Sysbckup\\dplayx.dll"}));
  EXPECT_TRUE(List().Item(0)->Checked());
  EXPECT_TRUE(Files().Item(4)->Checked());
}

TEST_F(DirectXTest, TheCheckedKeysAndFilesGoAfterTheyWereSavedAndOnlyOnYes) {
  Select("DirectX deinstallieren");
  AnswerConfirmKeeping(false);
  ClickApply();
  EXPECT_NE(confirmMessage.find("2 Registrierungsschlüssel und 5 Dateien"), std::string::npos)
      << confirmMessage;
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX"));
  EXPECT_EQ(FileBytes("C:\\WINNT\\System32\\ddraw.dll"), "dd");
  EXPECT_FALSE(files.Exists(kBackup));

  List().UserToggleCheck(0);   // Direct3D stays
  Files().UserToggleCheck(3);  // so does the old ddraw.dll
  AnswerConfirm(true);
  ClickApply();

  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\Direct3D"));
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX"));
  EXPECT_EQ(FileBytes("C:\\WINNT\\System32\\dpwsockx.dll"), "<missing>")
      << "read-only and system too";
  EXPECT_EQ(FileBytes("C:\\WINNT\\System32\\ddraw.dll"), "<missing>");
  EXPECT_EQ(FileBytes("C:\\WINNT\\Sysbckup\\ddraw.dll"), "old dd");
  EXPECT_EQ(FileBytes("C:\\WINNT\\System32\\kernel32.dll"), "k");
  EXPECT_EQ(Status(), "Änderungen übernommen");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find(kBackup), std::string::npos) << Messages()[0].text;

  // The backup brings everything back.
  EXPECT_EQ(FileBytes(std::string(kBackup) + "\\System32\\dpwsockx.dll"), "dp");
  EXPECT_EQ(FileBytes(std::string(kBackup) + "\\System32\\ddraw.dll"), "dd");
  EXPECT_EQ(FileBytes(std::string(kBackup) + "\\Sysbckup\\dplayx.dll"), "old dp");
  EXPECT_EQ(FileBytes(std::string(kBackup) + "\\Sysbckup\\ddraw.dll"), "<missing>")
      << "not checked";
  os::RegFileError error;
  ASSERT_TRUE(os::ImportRegFile(
      registry, FileBytes(std::string(kBackup) + "\\DirectX-Registrierung.reg"), error))
      << error.message;
  EXPECT_EQ(Value(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX", "Version")->AsString(),
            "4.08.01.0881");
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX\\Sub"));
}

TEST_F(DirectXTest, WithoutABackupNothingIsDeletedAndWhatStaysIsNamed) {
  files.RemoveEmptyDirectory(kAppData);
  files.RemoveEmptyDirectory("C:\\Documents and Settings\\Anwender");
  Select("DirectX deinstallieren");
  AnswerConfirm(true);
  ClickApply();
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX"));
  EXPECT_EQ(FileBytes("C:\\WINNT\\System32\\ddraw.dll"), "dd");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_NE(Status(), "Änderungen übernommen");

  files.AddDirectory(kAppData);
  files.SetInUse("C:\\WINNT\\System32\\ddraw.dll");
  AnswerConfirm(true);
  ClickApply();
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\DirectX"));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_NE(Messages()[1].text.find("C:\\WINNT\\System32\\ddraw.dll"), std::string::npos);
  EXPECT_NE(Messages()[1].text.find(kBackup), std::string::npos);
  EXPECT_NE(Status(), "Änderungen übernommen");
}

}  // namespace
