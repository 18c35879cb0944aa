// The icon viewer: which files it lists, the icons of a file, picking one, its window settings
// and a scan that the user cuts short.
#include "icons/icon_viewer.h"

#include "icon_fixture.h"

namespace {

using os::RegRoot;
using Texts = std::vector<std::string>;

constexpr const char* kSettings = "Software\\Kalmora2x\\Options\\IconScreenSettings";

class IconViewerTest : public testing_support::IconTest {
 protected:
  void SetUp() override { Start(); }
  std::unique_ptr<icons::TForm3> Viewer() {
    return std::make_unique<icons::TForm3>(
        *form, icons::IconPickMode::ShellIcon,
        [this](const std::string& location) { picks.push_back(location); });
  }
  static Texts CaptionsOf(const ui::ListView& list) {
    Texts captions;
    for (int i = 0; i < list.Count(); ++i) captions.push_back(list.Item(i)->Caption());
    return captions;
  }
  Texts picks;
};

TEST(FileEndingTest, OnlyTheFirstDotFollowedByExactlyThreeCharactersCounts) {
  const Texts endings = {"dll", "ICO"};
  EXPECT_TRUE(icons::TestFileEnding("SHELL32.DLL", endings));
  EXPECT_TRUE(icons::TestFileEnding("pfeil.ico", endings));
  EXPECT_FALSE(icons::TestFileEnding("archive.tar.ico", endings));
  EXPECT_FALSE(icons::TestFileEnding("bild.icon", endings));
  EXPECT_FALSE(icons::TestFileEnding("prog.exe", endings));
  EXPECT_FALSE(icons::TestFileEnding("dll", endings));
  EXPECT_FALSE(icons::TestFileEnding("a.dll", {}));
}

TEST_F(IconViewerTest, ListsFilesWithIconsAndExtractsAllIconsOfOne) {
  Seed("[HKEY_CURRENT_USER\\Software\\Ventrisk\\Options\\FileEnding]\n\"dll\"=\"\"\n");
  AddIconFile("C:\\WINNT\\System32\\leer.dll", 0);
  AddIconFile("C:\\WINNT\\System32\\bild.ico", 1);
  AddIconFile("C:\\WINNT\\System32\\Alt.DLL", 2);
  auto viewer = Viewer();
  EXPECT_FALSE(viewer->TreeView1->Root(0)->Expanded()) << "starts collapsed below My Computer";
  OpenFolder(viewer->Form(), kSystem32);
  EXPECT_EQ(CaptionsOf(*viewer->ListView1), (Texts{"Alt.DLL", "pfeil.dll", "shell32.dll"}));

  viewer->ListView3->UserDoubleClickItem(-1);
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u);
  EXPECT_EQ(backend.Dialogs().Messages()[0].text,
            "Sie müssen zuerst ein Icon in die untere Liste einfügen !");

  viewer->ListView1->UserClickItem(2);
  const ui::ListView& icons = *viewer->ListView3;
  ASSERT_EQ(icons.Count(), 120);
  EXPECT_EQ(icons.Item(119)->Caption(), "119");
  EXPECT_EQ(icons.LargeImages()->pictures[119],
            ui::Picture::Icon("C:\\WINNT\\System32\\shell32.dll", 119));
  EXPECT_EQ(viewer->StatusBar1->Panel(1).text,
            "Datei enthält 120 Icons. 120 Icons extrahiert . . . ");

  viewer->ListView3->UserDoubleClickItem(-1);
  ASSERT_EQ(backend.Dialogs().Messages().size(), 2u);
  EXPECT_EQ(backend.Dialogs().Messages()[1].text,
            "Sie müssen zuerst ein Icon in der unteren Liste markieren !");
  EXPECT_TRUE(picks.empty());

  viewer->ListView3->UserDoubleClickItem(31);
  EXPECT_EQ(picks, (Texts{"C:\\WINNT\\System32\\shell32.dll,31"}));
  EXPECT_EQ(viewer->PickedIcon, "C:\\WINNT\\System32\\shell32.dll,31");
}

TEST_F(IconViewerTest, WindowSettingsAreRestoredAndSavedInTheirOrder) {
  Seed(std::string("[HKEY_CURRENT_USER\\") + kSettings +
       "]\n\"left\"=\"11\"\n\"top\"=\"22\"\n\"height\"=\"400\"\n\"width\"=\"500\"\n"
       "\"view3height\"=\"90\"\n\"treewidth\"=\"150\"\n");
  auto viewer = Viewer();
  EXPECT_EQ(viewer->Form().Left(), 11);
  EXPECT_EQ(viewer->Form().Height(), 400);
  EXPECT_EQ(viewer->ListView3->Height(), 90);
  EXPECT_EQ(viewer->Panel4->Width(), 150);
  viewer->Panel4->SetWidth(170);
  recording.Clear();
  viewer->Form().Close();
  Texts written;
  for (const os::RegEvent& event : recording.Changes()) {
    if (event.op == os::RegEvent::Op::SetValue) {
      written.push_back(event.name + "=" + event.written->AsString());
    }
  }
  EXPECT_EQ(written, (Texts{"left=11", "top=22", "height=400", "width=500", "view3height=90",
                            "treewidth=170"}));
}

TEST_F(IconViewerTest, ClosingDuringAScanStopsItAndTheListStaysAsFarAsItGot) {
  for (int i = 0; i < 40; ++i) AddIconFile("C:\\Icons\\icon" + std::to_string(i + 10) + ".ico", 1);
  auto viewer = Viewer();
  std::vector<std::string> progress;
  backend.SetPendingMessages([&] {
    progress.push_back(viewer->StatusBar1->Panel(1).text);
    viewer->Form().Close();
  });
  OpenFolder(viewer->Form(), "C:\\Icons");
  backend.SetPendingMessages({});
  EXPECT_EQ(progress, (Texts{"Durchsuche Datei 17 von 40"}));
  EXPECT_EQ(viewer->ListView1->Count(), 16);
}

}  // namespace
