// "Laufwerkssymbol ändern": a drive letter's icon written to both places Explorer reads and
// taken away again.
#include "icon_fixture.h"

namespace {

using os::RegRoot;

constexpr const char* kMachine =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\D\\DefaultIcon";
constexpr const char* kUser = "Applications\\Explorer.exe\\Drives\\DriveIcons\\D\\DefaultIcon";

class DriveIconPageTest : public testing_support::IconTest {
 protected:
  void SetUp() override {
    files.AddDrive({'D', os::DriveType::CdRom, "", "CDFS", 2, 1ull << 30, 0});
    shell.displayNames["D:\\"] = "CD-Laufwerk (D:)";
    Start();
  }
};

TEST_F(DriveIconPageTest, AnIconIsGivenToOneDriveAndTakenAwayAgain) {
  Open(78);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Lokaler Datenträger (C:)", "CD-Laufwerk (D:)"}));
  form->BitBtns[0]->UserClick();
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u) << "no drive chosen";
  EXPECT_EQ(backend.Dialogs().Messages()[0].text, "Markieren Sie zuerst einen Eintrag !");
  EXPECT_EQ(Modals(), 0);

  List().UserClickItem(1);
  PickNext(kSystem32, "pfeil.dll", 2);
  form->BitBtns[0]->UserClick();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kMachine, ""), "C:\\WINNT\\System32\\pfeil.dll,2");
  EXPECT_EQ(Str(RegRoot::CurrentUser, kUser, ""), "C:\\WINNT\\System32\\pfeil.dll,2");
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(shell.notifications.size(), 2u);

  form->BitBtns[1]->UserClick();
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\D"));
  EXPECT_FALSE(
      KeyExists(RegRoot::CurrentUser, "Applications\\Explorer.exe\\Drives\\DriveIcons\\D"));
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons"));
}

TEST_F(DriveIconPageTest, ClosingTheViewerWithoutAPickWritesNothing) {
  Open(78);
  List().UserClickItem(0);
  recording.Clear();
  backend.OnNextModal([](ui::Form& viewer) { viewer.Close(); });
  form->BitBtns[0]->UserClick();
  for (const os::RegEvent& event : recording.Changes()) {
    EXPECT_NE(event.path.find("IconScreenSettings"), std::string::npos) << event.path;
  }
  EXPECT_TRUE(shell.notifications.empty());
}

}  // namespace
