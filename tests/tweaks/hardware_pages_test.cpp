// The pages of the "Hardware" branch, built against a seeded registry: what each shows and what
// its apply button and delete boxes store.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Marks = std::vector<bool>;

constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kNetPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kPrint = "System\\CurrentControlSet\\Control\\Print";

class HardwarePagesTest : public PageTest {
 protected:
  void SetUp() override { Start(); }

  Marks Boxes(int count) {
    Marks marks;
    for (int i = 0; i < count; ++i) marks.push_back(form->CheckBoxes[i]->Checked());
    return marks;
  }
};

// --- pages of plain records: one setting each, as the user changes it ---------------------------

TEST_F(HardwarePagesTest, PlainPagesStoreTheirOwnValues) {
  Start(os::MemorySystem::kWindowsXp);
  Seed(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer]
"NoAddPrinter"=dword:00000001
"NoWinKeys"=dword:00000001
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print]
"PortThreadPriority"=dword:ffffffff
"SpoolerPriority"=dword:00000007
[HKEY_CURRENT_USER\Control Panel\Sound]
"Beep"="NO"
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Mouclass]
"Start"=dword:00000001
)");
  Open(133);  // restrictions in both roots
  EXPECT_EQ(Checks(), (Marks{false, false, false, false, true, false}));
  SetChecks({true, false, true, false, true, true});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kNetPolicies, "NoPrintSharing"), 1u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoFileSharingControl"), 0u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoPrinterTabs"), 1u);
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kNetPolicies, "NoPrintSharingControl"), 1u);
  Open(135);  // priorities are -1, 0 and 1
  EXPECT_TRUE(form->RadioButtons[0]->Checked());
  form->RadioButtons[2]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kPrint, "PortThreadPriority"), 1u);
  Open(137);
  form->RadioButtons[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kPrint, "SpoolerPriority"), 0xFFFFFFFFu);
  Open(145);  // a code stored as text, nothing while nothing is chosen
  ClickApply();
  const std::string controls =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Display";
  EXPECT_EQ(Str(RegRoot::CurrentUser, controls, "DynaSettingsChange"), "<none>");
  form->RadioButtons[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, controls, "DynaSettingsChange"), "1");
  Open(127);  // a number where a text belongs reads empty
  ExpectTraced("NoWinKeys");
  form->CheckBoxes[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kPolicies, "NoWinKeys"), "1");
  EXPECT_EQ(Str(RegRoot::CurrentUser, "Control Panel\\Keyboard", "InitialKeyboardIndicators"), "0");
  Open(140);
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, "Control Panel\\Sound", "Beep"), "YES");
  Open(48);
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Mouclass", "Start"),
            0u);
  Open(45);
  EXPECT_EQ(form->Sliders[0]->Value(), 530);
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "CursorBlinkRate"), "530");
  Open(82);
  form->Sliders[0]->UserSetValue(25);
  ClickApply();
  Open(82);
  EXPECT_EQ(form->Labels[1]->Caption(), "25 %");
  EXPECT_EQ(
      Dword(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\LanmanServer\\Parameters",
            "DiskSpaceThreshold"),
      25u);
}

// --- check boxes and lists -----------------------------------------------------------------------

TEST_F(HardwarePagesTest, DriveAutostartBoxesAreClearBitsAndWritesStartFrom189) {
  Open(11);
  EXPECT_EQ(Boxes(4), (Marks{false, false, false, false})) << "nothing stored";
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoDriveTypeAutorun"), 189u);
  EXPECT_EQ(Status(), "Änderungen übernommen");

  // 0x91: unknown, network and bit 7 set; removable, hard disk and CD clear.
  Seed("[HKEY_CURRENT_USER\\" + std::string(kPolicies) +
       "]\n\"NoDriveTypeAutorun\"=dword:00000091\n");
  Open(11);
  EXPECT_EQ(Boxes(4), (Marks{true, true, true, false}));
  form->CheckBoxes[3]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoDriveTypeAutorun"), 129u);
  form->CheckBoxes[1]->UserClick();
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::CurrentUser, kPolicies, "NoDriveTypeAutorun"), 161u) << "CD bit set";
}

TEST_F(HardwarePagesTest, AudioCdPlaysWhenItsVerbIsPlayInAnyCase) {
  const std::string key = "SOFTWARE\\Classes\\AudioCD\\shell";
  Seed("[HKEY_LOCAL_MACHINE\\" + key + "]\n@=\"Play\"\n");
  Open(12);
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, ""), "");
  Open(12);
  EXPECT_FALSE(form->CheckBoxes[0]->Checked());
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, key, ""), "play");
}

TEST_F(HardwarePagesTest, PrinterOptionsInvertNetPopupAndTheBeep) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print\Providers]
"NetPopup"=dword:00000000
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print]
"DisableServerThread"=dword:00000001
"BeepEnabled"=dword:00000001
)");
  Open(131);
  ASSERT_EQ(List().Count(), 4);
  EXPECT_EQ(List().Item(1)->Caption(), "Print Info auf dem Server ausschalten");
  EXPECT_EQ(Checks(), (Marks{false, true, true, false}));
  SetChecks({true, false, false, true});
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\WOW", "LPT_timeout"),
            "1");
  EXPECT_EQ(Dword(RegRoot::LocalMachine, std::string(kPrint) + "\\Providers", "NetPopup"), 1u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kPrint, "DisableServerThread"), 0u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kPrint, "BeepEnabled"), 0u) << "beep switched off";
  SetChecks({true, true, false, true});
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, std::string(kPrint) + "\\Providers", "NetPopup"), 0u);
}

TEST_F(HardwarePagesTest, CdPlayerIsChosenAndWrittenForAudioCdsAndTracks) {
  const std::string audio = "SOFTWARE\\Classes\\AudioCD\\shell\\play\\command";
  const std::string track = "SOFTWARE\\Classes\\cdafile\\shell\\play\\command";
  Seed("[HKEY_LOCAL_MACHINE\\" + audio + "]\n@=\"cdplayer.exe /play %1\"\n");
  Open(13);
  EXPECT_EQ(form->Edits[0]->Text(), "cdplayer.exe /play %1");
  backend.Dialogs().AnswerOpenFile("C:\\Programme\\Spieler\\spieler.exe");
  form->BitBtns[0]->UserClick();
  ASSERT_EQ(backend.Dialogs().FileDialogs().size(), 1u);
  EXPECT_EQ(backend.Dialogs().FileDialogs()[0].title, "CD-Abspielgerät suchen");
  EXPECT_EQ(backend.Dialogs().FileDialogs()[0].filter, "Programmdateien (*.exe)|*.EXE");
  EXPECT_EQ(form->Edits[0]->Text(), "C:\\Programme\\Spieler\\spieler.exe  /play %1");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, audio, ""), "C:\\Programme\\Spieler\\spieler.exe  /play %1");
  EXPECT_EQ(Str(RegRoot::LocalMachine, track, ""), "C:\\Programme\\Spieler\\spieler.exe  /play %1");
}

TEST_F(HardwarePagesTest, DmaModeFollowsTheChosenDiskAndIsRemovedForAllFour) {
  const std::string atapi = "System\\CurrentControlSet\\Services\\atapi\\Parameters";
  Seed(R"(
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\atapi\Parameters\Device0]
"DriverParameter"="DmaDetectionLevel = 0x0"
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\atapi\Parameters\Device1]
"DriverParameter"="DmaDetectionLevel = 0x1"
)");
  Open(103);
  ASSERT_TRUE(form->ComboBoxes[0]);
  EXPECT_EQ(form->ComboBoxes[0]->Items().size(), 4u);
  EXPECT_TRUE(form->RadioButtons[0]->Checked());
  form->ComboBoxes[0]->UserSelect(1);
  EXPECT_TRUE(form->RadioButtons[1]->Checked());
  form->ComboBoxes[0]->UserSelect(2);
  form->RadioButtons[2]->UserClick();
  ClickApply();
  EXPECT_EQ(Str(RegRoot::LocalMachine, atapi + "\\Device2", "DriverParameter"),
            "DmaDetectionLevel = 0x2");
  EXPECT_EQ(Str(RegRoot::LocalMachine, atapi + "\\Device0", "DriverParameter"),
            "DmaDetectionLevel = 0x0");

  AnswerConfirm(false);
  form->CheckBoxes[0]->UserClick();
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, atapi + "\\Device1"));
  AnswerConfirmKeeping(true);
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(confirmMessage, "Wollen Sie den Registrierungseintrag wirklich entfernen ?");
  for (const char* device : {"\\Device0", "\\Device1", "\\Device2", "\\Device3"}) {
    EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, atapi + device)) << device;
  }
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine, atapi));
}

// --- radio groups --------------------------------------------------------------------------------

// --- sliders -------------------------------------------------------------------------------------

TEST_F(HardwarePagesTest, DragAndDoubleClickSlidersPairWithTheirValues) {
  Seed(R"(
[HKEY_CURRENT_USER\Control Panel\Desktop]
"DragHeight"="4"
"DoubleClickWidth"="8"
"DoubleClickHeight"=dword:00000009
)");
  Open(46);
  EXPECT_EQ(form->Sliders[0]->Value(), 4);
  EXPECT_EQ(form->Sliders[1]->Value(), 2);
  EXPECT_EQ(form->Labels[4]->Caption(), "keine Angabe");
  form->Sliders[1]->UserSetValue(12);
  EXPECT_EQ(form->Labels[4]->Caption(), "12");
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DragHeight"), "4");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DragWidth"), "12");

  Open(47);
  ExpectTraced("DoubleClickHeight");
  EXPECT_EQ(form->Sliders[0]->Value(), 8);
  EXPECT_EQ(form->Sliders[1]->Value(), 2) << "a number where a text belongs reads empty";
  form->Sliders[0]->UserSetValue(30);
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DoubleClickWidth"), "30");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DoubleClickHeight"), "2");
}

TEST_F(HardwarePagesTest, MouseSampleRateAndPrinterDecayAreIntegers) {
  const std::string i8042 = "SYSTEM\\CurrentControlSet\\Services\\i8042prt\\Parameters";
  Seed(R"(
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\i8042prt\Parameters]
"SampleRate"=dword:00000064
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print]
"NetPrinterDecayPeriode"=dword:000927c0
)");
  Open(114);
  EXPECT_EQ(form->Sliders[0]->Value(), 100);
  form->Sliders[0]->UserSetValue(0);
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, i8042, "SampleRate"), 0u);

  Open(138);
  EXPECT_EQ(form->Sliders[0]->Value(), 10) << "600000 ms";
  form->Sliders[0]->UserSetValue(15);
  ClickApply();
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kPrint, "NetPrinterDecayPeriode"), 15u * 60000u);
  Seed("[HKEY_LOCAL_MACHINE\\" + std::string(kPrint) +
       "]\n\"NetPrinterDecayPeriode\"=dword:00015f90\n");
  Open(138);
  EXPECT_EQ(form->Sliders[0]->Value(), 2) << "90000 ms rounds up";
}

}  // namespace
