// The pages of the "Hardware" branch, built against a seeded registry: what each shows and what
// its apply button and delete boxes store.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Marks = std::vector<bool>;

constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
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

// --- sliders -------------------------------------------------------------------------------------

// The upper slider is the horizontal distance, yet it is stored as the height.
TEST_F(HardwarePagesTest, DragSlidersStoreTheirDistancesCrosswise) {
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"DragHeight\"=\"4\"\n");
  Open(46);
  EXPECT_EQ(form->Sliders[0]->Value(), 4);
  form->Sliders[1]->UserSetValue(12);
  ClickApply();
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DragHeight"), "4");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kDesktop, "DragWidth"), "12");
}

TEST_F(HardwarePagesTest, PrinterDecayShowsWholeMinutesOfItsMilliseconds) {
  Seed("[HKEY_LOCAL_MACHINE\\" + std::string(kPrint) +
       "]\n\"NetPrinterDecayPeriode\"=dword:000927c0\n");
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
