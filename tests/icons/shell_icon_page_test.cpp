// "ShellIcon ändern": the entries per system and tab, what start-up stores, and what changing
// and restoring write.
#include "icon_fixture.h"

#include "ui/page_control.h"

namespace {

using os::RegRoot;
using Texts = std::vector<std::string>;

constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
const std::string kRecycleBin = std::string(
    "S-1-5-21-0-0-0-1000\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
    "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon");

class ShellIconPageTest : public testing_support::IconTest {
 protected:
  void Tab(int index) {
    form->PageControls[0]->UserSelectTab(index);
    FinishFilling();
  }
  void Choose(const std::string& caption) { List().UserClickItem(Row(List(), caption)); }
  void ClickButton(int slot) {
    form->BitBtns[slot]->UserClick();
    FinishFilling();
  }
  // "name=value" of every value written since the last Clear, outside the icon-size rebuild
  // and the viewer's window settings.
  Texts Written() {
    Texts written;
    for (const os::RegEvent& event : recording.Changes()) {
      if (event.op != os::RegEvent::Op::SetValue || event.name == "Shell Icon Size" ||
          event.path.find("IconScreenSettings") != std::string::npos) {
        continue;
      }
      written.push_back(event.name + "=" + event.written->AsString());
    }
    return written;
  }
};

TEST_F(ShellIconPageTest, TabsShowTheirEntriesWithTheirCaptionsOnWindows2000) {
  Start();
  Open(7);
  EXPECT_EQ(Captions(), (Texts{"PC-PC Verbindung (Netzwerk)", "Papierkorb leer", "Papierkorb voll",
                               "Arbeitsplatz", "Eigene Dateien"}));
  Tab(1);
  EXPECT_EQ(Captions(),
            (Texts{"Laufwerk 5,25", "Laufwerk 3,5", "Entfernbares Laufwerk ", "Festplatte",
                   "Netzlaufwerk", "Netzlaufwerk gesperrt", "CD-ROM normal", "RAM Drive"}));
  Tab(4);
  const Texts more = Captions();
  ASSERT_EQ(more.size(), 10u + 69u) << "ten named ones, then 39 to 107";
  EXPECT_EQ(more[0], "Standard Icon für Datei");
  EXPECT_EQ(more[5], "Docking Sation");
  EXPECT_EQ(more[10], "Task-Leiste im Start Menü");
  EXPECT_EQ(more[11], "CD-ROM Musik-CD eingelegt");
  EXPECT_EQ(more[12], "41");
  EXPECT_EQ(more.back(), "107");
}

TEST_F(ShellIconPageTest, EntriesShowAtOnceAndTheirIconsFollowForTheTabOnShowOnly) {
  Start();
  Open(7);
  ui::PageControl& tabs = *form->PageControls[0];
  tabs.UserSelectTab(1);
  EXPECT_EQ(List().Count(), 8);
  EXPECT_EQ(List().LargeImages(), nullptr) << "no icon read yet";
  tabs.UserSelectTab(4);  // before the drives' icons came
  FinishFilling();
  ASSERT_NE(List().LargeImages(), nullptr);
  const auto& pictures = List().LargeImages()->pictures;
  ASSERT_EQ(pictures.size(), 79u) << "the tab on show, not the one left";
  EXPECT_EQ(pictures[0], ui::Picture::Icon("C:\\WINNT\\SYSTEM32\\SHELL32.DLL", 0));
  EXPECT_EQ(pictures.back(), ui::Picture::Icon("C:\\WINNT\\SYSTEM32\\SHELL32.DLL", 107));
}

// Nothing on the first window shows them: the entries are stored once the window has painted
// (its timer), or before a leaf page that may read them, and only once.
TEST_F(ShellIconPageTest, StartUpStoresTheIconsOnceTheWindowHasPainted) {
  system.version = os::MemorySystem::kWindows2000;
  form = std::make_unique<shell::TForm1>(services, app::AllPages());
  form->FormCreate();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "3"), "<none>") << "not before the paint";
  EXPECT_EQ(backend.TickTimers(), 1);
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "3"), "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,3");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, "full"), "shell32.dll,32");
  EXPECT_EQ(backend.TickTimers(), 0) << "once";
}

TEST_F(ShellIconPageTest, ALeafPageBeforeThePaintFindsTheIconsAGroupPageLeavesThem) {
  system.version = os::MemorySystem::kWindows2000;
  form = std::make_unique<shell::TForm1>(services, app::AllPages());
  form->FormCreate();
  form->TreeView1->UserClickNode(form->FindNodeRoot("Icons"));
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "29"), "<none>") << "a group page";
  form->TreeView1->UserClickNode(form->FindNodeRoot("Verknüfungspfeil"));
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "29"), "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,29");
  EXPECT_EQ(backend.TickTimers(), 0) << "start-up has nothing left for its timer";
}

TEST_F(ShellIconPageTest, NT4KnowsShellIconsUpTo77) {
  Start(os::MemorySystem::kNt4);
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "77"), "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,77");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "78"), "<none>");
  Open(7);
  Tab(4);
  EXPECT_EQ(Captions().size(), 10u + 39u);
  EXPECT_EQ(Captions().back(), "77");
}

TEST_F(ShellIconPageTest, StartUpStoresEveryMissingIcon) {
  Start();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "0"), "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,0");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "107"), "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,107");
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "108"), "<none>");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, ""), "shell32.dll,31");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, "empty"), "shell32.dll,31");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, "full"), "shell32.dll,32");
  const std::string classes =
      "S-1-5-21-0-0-0-1000\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";
  EXPECT_EQ(
      Str(RegRoot::Users, classes + "{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon", ""),
      "C:\\WINNT\\EXPLORER.EXE,0");
  EXPECT_EQ(
      Str(RegRoot::Users, classes + "{450D8FBA-AD25-11D0-98A8-0800361B1103}\\DefaultIcon", ""),
      "mydocs.dll,0");
}

TEST_F(ShellIconPageTest, StartUpLeavesStoredIconsAlone) {
  // With a value "3" the shell icons count as stored; a stored class icon stays.
  Seed("[HKEY_LOCAL_MACHINE\\" + std::string(kShellIcons) + "]\n\"3\"=\"x.dll,1\"\n" +
       "[HKEY_USERS\\" + kRecycleBin + "]\n@=\"mine.ico,0\"\n");
  Start();
  EXPECT_EQ(Str(RegRoot::LocalMachine, kShellIcons, "4"), "<none>");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, ""), "mine.ico,0");
  EXPECT_EQ(Str(RegRoot::Users, kRecycleBin, "empty"), "<none>");
}

TEST_F(ShellIconPageTest, ChangingAndRestoringTheEmptyRecycleBinWritesBothOfItsValues) {
  Start();
  Open(7);
  ClickButton(2);
  EXPECT_EQ(Shown(), (Texts{"Hinweis: Markieren Sie zuerst einen Eintrag !"}));

  recording.Clear();
  Choose("Papierkorb leer");
  PickNext(kSystem32, "pfeil.dll", 3);
  ClickButton(2);
  EXPECT_EQ(Written(),
            (Texts{"=C:\\WINNT\\System32\\pfeil.dll,3", "empty=C:\\WINNT\\System32\\pfeil.dll,3"}));
  EXPECT_EQ(shell.notifications.size(), 2u) << "the icons were rebuilt";
  EXPECT_EQ(List().LargeImages()->pictures[1],
            ui::Picture::Icon("C:\\WINNT\\System32\\pfeil.dll", 3))
      << "the list shows the new icon";

  recording.Clear();
  Choose("Papierkorb leer");
  AnswerConfirmKeeping(true);
  ClickButton(1);
  EXPECT_EQ(confirmCaption, "Änderung bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie das Originalicon wieder herstellen ?");
  EXPECT_EQ(Written(), (Texts{"=shell32.dll,31", "empty=shell32.dll,31"}));
}

TEST_F(ShellIconPageTest, ShellIndicesAreStoredByNumberAndRestoredToTheSystemLibrary) {
  Start();
  Open(7);
  Tab(1);
  recording.Clear();
  Choose("Festplatte");
  PickNext(kSystem32, "shell32.dll", 100);
  ClickButton(2);
  EXPECT_EQ(Written(), (Texts{"8=C:\\WINNT\\System32\\shell32.dll,100"}));

  recording.Clear();
  Choose("Festplatte");
  AnswerConfirm(false);
  ClickButton(1);
  EXPECT_TRUE(Written().empty()) << "answered no";
  Choose("Festplatte");
  AnswerConfirm(true);
  ClickButton(1);
  EXPECT_EQ(Written(), (Texts{"8=C:\\WINNT\\System32\\shell32.dll,8"}));
}

TEST_F(ShellIconPageTest, RestoringAllWritesEveryEntrysOriginal) {
  Start();
  Open(7);
  recording.Clear();
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_EQ(confirmCaption, "Änderungen bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie alle Originalicons wieder herstellen ?");
  const Texts written = Written();
  // 105 shell values, the recycle bin's three, the network's and the two other classes'.
  EXPECT_EQ(written.size(), 105u + 3u + 1u + 2u);
  EXPECT_EQ(written.front(), "0=C:\\WINNT\\System32\\shell32.dll,0");
  EXPECT_EQ(written.back(), "=mydocs.dll,0");
  EXPECT_NE(std::find(written.begin(), written.end(), "107=C:\\WINNT\\System32\\shell32.dll,107"),
            written.end());
  EXPECT_NE(std::find(written.begin(), written.end(), "full=shell32.dll,32"), written.end());
  EXPECT_NE(std::find(written.begin(), written.end(), "=C:\\WINNT\\EXPLORER.EXE,0"), written.end());
}

TEST_F(ShellIconPageTest, IconsComeFromTheirFilesAndMissingOnesShowTheDefaultIcon) {
  Seed("[HKEY_LOCAL_MACHINE\\" + std::string(kShellIcons) +
       "]\n\"3\"=\"x.dll,0\"\n\"5\"=\"D:\\\\weg.dll,2\"\n\"6\"=\"%SystemRoot%\\\\System32\\\\pfeil."
       "dll,9\"\n"
       "\"7\"=\"pfeil.dll,4\"\n");
  Start();
  Open(7);
  Tab(1);
  const auto& pictures = List().LargeImages()->pictures;
  const ui::Picture fallback = ui::Picture::Icon("C:\\WINNT\\System32\\shell32.dll", 0);
  EXPECT_EQ(pictures[0], fallback) << "the file is gone";
  EXPECT_EQ(pictures[1], fallback) << "the file has five icons";
  EXPECT_EQ(pictures[2], ui::Picture::Icon("C:\\WINNT\\System32\\pfeil.dll", 4))
      << "a bare name is found in the system folder";
  EXPECT_EQ(pictures[3], ui::Picture::Icon("C:\\WINNT\\SYSTEM32\\SHELL32.DLL", 8));
  EXPECT_TRUE(backend.Dialogs().Messages().empty());
}

}  // namespace
