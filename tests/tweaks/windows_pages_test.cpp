// The pages of the "Windowseinstellungen" branch and the log-on and disk-check pages of
// "Bootvorgang", built against a seeded registry and file system: what each shows and what its
// apply button stores.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;

constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kWinlogon = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kDesktop = "Control Panel\\Desktop";

class WindowsPagesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  int CheckedRadio() {
    int checked = -1;
    for (int i = 0; i < 10; ++i) {
      if (form->RadioButtons[i] && form->RadioButtons[i]->Checked()) {
        EXPECT_EQ(checked, -1) << "two buttons checked";
        checked = i;
      }
    }
    return checked;
  }
  // The names of the values the last apply set or deleted, in order.
  std::vector<std::string> Written() {
    std::vector<std::string> names;
    for (const os::RegEvent& event : recording.Changes()) {
      if (event.op == os::RegEvent::Op::SetValue || event.op == os::RegEvent::Op::DeleteValue) {
        names.push_back(event.name);
      }
    }
    return names;
  }
  std::vector<std::string> MultiString(RegRoot root, const std::string& key,
                                       const std::string& name) {
    const auto value = Value(root, key, name);
    if (!value || value->type != os::kRegMultiSz) return {"<not a multi-string>"};
    return value->AsMultiString();
  }
  std::string File(const std::string& path) {
    std::string bytes;
    return files.ReadFile(path, bytes) ? bytes : "<none>";
  }
};

TEST_F(WindowsPagesTest, WelcomeFlagsLiveBelowTheUsersKeyAndFocusTimesAreSeconds) {
  const std::string tips =
      form->UserKeyName + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\tips";
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"ForegroundFlashCount\"=dword:00000007\n");
  Open(56);  // one box, two browser flags
  form->CheckBoxes[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::Users, tips, "DisableStartHtm"), 0u);
  EXPECT_EQ(Dword(RegRoot::Users, tips, "ShowIE4"), 1u);
  Open(147);  // seconds on the page, milliseconds stored
  EXPECT_EQ(form->SpinEdits[0]->Value(), 200);
  EXPECT_EQ(form->SpinEdits[1]->Value(), 7);
  form->SpinEdits[0]->UserStep(-155);
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kDesktop, "ForegroundLockTimeout"), 45000u);
}

TEST_F(WindowsPagesTest, DriverSigningIsOneBinaryByteAndTheCheckerIsStartedFromSystem32) {
  Open(51);
  EXPECT_EQ(CheckedRadio(), 2) << "built all checked, nothing stored";
  const std::string key = "Software\\Microsoft\\Driver Signing";
  Seed("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"Policy\"=hex:01\n");
  Open(51);
  EXPECT_EQ(CheckedRadio(), 1);
  form->RadioButtons[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Bytes(RegRoot::LocalMachine, key, "Policy"), (std::vector<uint8_t>{0x00}));
  EXPECT_EQ(Value(RegRoot::LocalMachine, key, "Policy")->type, os::kRegBinary);
  EXPECT_EQ(Status(), "Änderungen übernommen");

  form->BitBtns[0]->UserClick();
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].verb, "open");
  EXPECT_EQ(shell.executed[0].file, "C:\\WINNT\\System32\\sigverif.exe");
}

TEST_F(WindowsPagesTest, IoLockLimitSetsTheLargeCacheFirst) {
  Open(125);
  form->RadioButtons[3]->UserClick();  // "128  RamSpeicher"
  recording.Clear();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kMemory, "IoPageLockLimit"), 16384u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kMemory, "LargeSystemCache"), 3u);
  EXPECT_EQ(Written(), (std::vector<std::string>{"LargeSystemCache", "IoPageLockLimit"}));

  Open(125);
  EXPECT_EQ(CheckedRadio(), 3);
  form->RadioButtons[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kMemory, "IoPageLockLimit"), 0u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kMemory, "LargeSystemCache"), 0u);
}

TEST_F(WindowsPagesTest, UnloadingDllsIsAnEmptyValueThatIsThereOrNot) {
  const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  Open(126);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "AlwaysUnloadDLL"), "");
  Open(126);
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, "AlwaysUnloadDLL"), "<none>");
}

TEST_F(WindowsPagesTest, HungProgramTimesShowSecondsAndStoreMilliseconds) {
  Seed(R"([HKEY_CURRENT_USER\Control Panel\Desktop]
"HungAppTimeout"="5000"
"WaitToKillAppTimeout"="20999"
"AutoEndTasks"="0"
)");
  Open(111);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  EXPECT_EQ(form->Sliders[0]->Value(), 5);
  EXPECT_EQ(form->Sliders[1]->Value(), 20) << "whole seconds";
  form->Sliders[0]->SetValue(12);
  EXPECT_EQ(form->Labels[1]->Caption(), "12");
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "HungAppTimeout"), "12000");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "WaitToKillAppTimeout"), "20000");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "AutoEndTasks"), "1");
}

TEST_F(WindowsPagesTest, DiskCheckRewritesBootExecuteOnlyInItsExistingKey) {
  const std::string key = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
  Open(128);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  ClickApply();
  EXPECT_FALSE(Value(RegRoot::LocalMachine, key, "BootExecute")) << "no key, no value";
  EXPECT_EQ(Dword(RegRoot::LocalMachine, key, "AutoChkTimeOut"), 10u);

  registry.CreateKey(RegRoot::LocalMachine, key)
      ->SetValue("BootExecute", os::RegValue::MultiString({"autocheck autochk /p *"}));
  Seed("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"AutoChkTimeOut\"=dword:00000005\n");
  Open(128);
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  EXPECT_EQ(form->Sliders[0]->Value(), 5);
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(MultiString(RegRoot::LocalMachine, key, "BootExecute"),
            (std::vector<std::string>{"autocheck autochk *"}));
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(MultiString(RegRoot::LocalMachine, key, "BootExecute"),
            (std::vector<std::string>{"autocheck autochk/p*"}));
}

TEST_F(WindowsPagesTest, AutomaticLogOnIsOnWithAPasswordAndOffWithout) {
  Seed(R"([HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Winlogon]
"DefaultDomainName"="BUERO"
"DefaultUserName"="Anwender"
"DefaultPassword"="geheim"
"AutoAdminLogon"="1"
)");
  Open(64);
  EXPECT_EQ(form->Edits[0]->Text(), "BUERO");
  EXPECT_EQ(form->Edits[2]->Text(), "geheim");
  EXPECT_EQ(form->Edits[2]->PasswordChar(), '*');
  form->Edits[2]->UserType("");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "DefaultPassword"), "<none>");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "AutoAdminLogon"), "<none>");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "DefaultUserName"), "Anwender");

  form->Edits[1]->UserType("Gast");
  form->Edits[2]->UserType("neu");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "DefaultUserName"), "Gast");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "DefaultPassword"), "neu");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kWinlogon, "AutoAdminLogon"), "1");
}

// --- support information files ------------------------------------------------------------------

class OemInfoTest : public WindowsPagesTest {
 protected:
  const std::string ini = "C:\\WINNT\\System32\\OEMINFO.INI";
  const std::string logo = "C:\\WINNT\\System32\\OEMLOGO.BMP";
};

TEST_F(OemInfoTest, ReadsTheIniByItsKeysAndWritesItBackWithCrLf) {
  files.AddFile(
      ini,
      "[general]\r\nmanufacturer=Kalmora PC M\xFCller\r\nModel=K2 = Turbo\r\nSupportURL=http://"
      "k.example\r\nLocalFile=C:\\hilfe.htm\r\n[Support Information]\r\nLine1=Hotline"
      "\r\nline2=Mo-Fr\r\n");
  files.AddFile(logo, "BM-old");
  Open(57);
  EXPECT_EQ(form->Edits[0]->Text(), "Kalmora PC Müller") << "an 8-bit file";
  EXPECT_EQ(form->Edits[1]->Text(), "K2 = Turbo") << "after the first \"=\" only";
  EXPECT_EQ(form->Edits[3]->Text(), "C:\\hilfe.htm");
  EXPECT_EQ(form->Edits[4]->Text(), logo);
  EXPECT_EQ(form->RichEdits[0]->Lines(), (std::vector<std::string>{"Hotline", "Mo-Fr"}));

  files.AddFile("C:\\bild.bmp", "BM-new");
  backend.Dialogs().AnswerOpenFile("C:\\bild.bmp");
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(backend.Dialogs().FileDialogs().at(0).title, "OEM-Bild suchen");
  EXPECT_EQ(backend.Dialogs().FileDialogs().at(0).filter, "Programmdateien (*.bmp)|*.BMP");
  form->RichEdits[0]->UserType("Hotline\r\n\r\nSa");
  ClickApply();
  EXPECT_EQ(
      File(ini),
      "[General]\r\nManufacturer=Kalmora PC M\xFCller\r\nModel=K2 = Turbo\r\nSupportURL=http://"
      "k.example\r\nLocalFile=C:\\hilfe.htm\r\n[Support Information]\r\nLine1=Hotline\r\n"
      "Line2=Sa\r\n");
  EXPECT_EQ(File(logo), "BM-new");
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(OemInfoTest, WithoutAMakerBothFilesGo) {
  files.AddFile(ini, "[General]\r\nManufacturer=Alt\r\n");
  files.AddFile(logo, "BM");
  Open(57);
  form->Edits[0]->UserType("");
  ClickApply();
  EXPECT_EQ(File(ini), "<none>");
  EXPECT_EQ(File(logo), "<none>");
}

TEST_F(OemInfoTest, AFileThatCannotBeWrittenKeepsTheOldOneAndSaysSo) {
  files.AddFile(ini, "[General]\r\nManufacturer=Alt\r\n");
  files.SetInUse(ini);
  Open(57);
  form->Edits[0]->UserType("Neu");
  form->Edits[4]->UserType("C:\\fehlt.bmp");
  ClickApply();
  EXPECT_EQ(File(ini), "[General]\r\nManufacturer=Alt\r\n");
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u);
  EXPECT_EQ(backend.Dialogs().Messages()[0].caption, "Fehler");
  EXPECT_NE(Status(), "Änderungen übernommen");

  files.SetInUse(ini, false);
  ClickApply();
  EXPECT_EQ(File(ini).substr(0, 28), "[General]\r\nManufacturer=Neu\r");
  ExpectTraced("C:\\fehlt.bmp");  // a missing picture is left out without a message
  EXPECT_EQ(File(logo), "<none>");
}

TEST_F(WindowsPagesTest, BootOptionsEachHaveTheirOwnCheckedTextAndKind) {
  const std::string windows = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
  const auto boxes = [this] {
    return std::vector<bool>{form->CheckBoxes[0]->Checked(), form->CheckBoxes[1]->Checked(),
                             form->CheckBoxes[2]->Checked()};
  };
  Open(129);
  EXPECT_EQ(boxes(), (std::vector<bool>{false, true, false})) << "a missing error mode is off";
  Seed("[HKEY_CURRENT_USER\\" + windows +
       "]\n\"NoPopUpsOnBoot\"=dword:00000001\n\"ErrorMode\"=dword:00000002\n"
       "[HKEY_CURRENT_USER\\" +
       std::string(kWinlogon) + "]\n\"ParseAutoexec\"=\"1\"\n");
  Open(129);
  EXPECT_EQ(boxes(), (std::vector<bool>{true, true, false}));
  for (int i = 0; i < 3; ++i) form->CheckBoxes[i]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, windows, "NoPopUpsOnBoot"), 0u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, windows, "ErrorMode"), 0u);
  EXPECT_EQ(Str(RegRoot::CurrentUser, kWinlogon, "ParseAutoexec"), "0");
  Open(129);
  EXPECT_EQ(boxes(), (std::vector<bool>{false, false, true}));
}

}  // namespace
