// The ini listing: every file of the Windows drive whose name contains ".ini", folder by folder,
// opened with its program on double-click; selecting another page stops the walk.
#include "tool_fixture.h"

namespace {

using testing_support::ToolTest;
using Texts = std::vector<std::string>;

class IniListingTest : public ToolTest {
 protected:
  IniListingTest() {
    files.AddFile("C:\\Boot.ini", "");
    files.AddFile("C:\\Daten\\boot.ini.bak", "");
    files.AddFile("C:\\Daten\\liesmich.txt", "");
    files.AddFile("C:\\WINNT\\win.ini", "");
    files.AddFile("C:\\WINNT\\System32\\a.INI", "");
    files.AddFile("D:\\anders.ini", "");
  }
  void SetUp() override { Start(); }
};

TEST_F(IniListingTest, ListsEveryIniNameOfTheWindowsDriveAndOpensOneOnDoubleClick) {
  Select("Auflistung aller Ini-Dateien");
  EXPECT_EQ(form->Labels[10]->Caption(), "Auflistung aller Ini-Dateien auf LaufwerkC:\\");
  EXPECT_EQ(Captions(), (Texts{"C:\\Boot.ini", "C:\\Daten\\boot.ini.bak", "C:\\WINNT\\win.ini",
                               "C:\\WINNT\\System32\\a.INI"}));
  EXPECT_EQ(List().Item(0)->ImageIndex(), shell.iconIndex);
  EXPECT_EQ(Status(), "4 Ini-Dateien gefunden");

  List().UserDoubleClickItem(2);
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].file, "C:\\WINNT\\win.ini");
}

TEST_F(IniListingTest, ThePageShowsBeforeTheWalkAndTheWalkRunsOnce) {
  form->TreeView1->UserClickNode(form->FindNodeRoot("Auflistung aller Ini-Dateien"));
  EXPECT_EQ(form->Labels[10]->Caption(), "Auflistung aller Ini-Dateien auf LaufwerkC:\\");
  EXPECT_EQ(List().Count(), 0) << "the walk waits until the page has shown";
  // The walk lets messages run, the page's timer among them: it does not start again.
  int ticks = 0;
  backend.SetPendingMessages([&] { ticks += backend.TickTimers(page::kAfterShownMs); });
  FinishFilling();
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(shell.iconQueries.size(), 4u) << "each file once";
  EXPECT_EQ(Status(), "4 Ini-Dateien gefunden");
}

TEST_F(IniListingTest, SelectingAnotherPageStopsTheWalk) {
  bool left = false;
  backend.SetPendingMessages([&] {
    if (!left && form->ListViews[0] && form->ListViews[0]->Count() == 2) {
      left = true;
      Select("Win.ini");
    }
  });
  Select("Auflistung aller Ini-Dateien");
  EXPECT_TRUE(left);
  EXPECT_EQ(shell.iconQueries.size(), 2u) << "nothing found after the page went";
  EXPECT_EQ(form->Labels[10]->Caption(), "C:\\WINNT\\Win.ini");
  EXPECT_EQ(Status(), "");
}

}  // namespace
