// The uninstall entries page: listing the registrations and removing orphaned ones by name and
// command.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;

constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UninstallEntriesTest : public ToolTest {
 protected:
  void SetUp() override { Start(); }
  bool Registered(const std::string& subKey) {
    return KeyExists(RegRoot::LocalMachine, std::string(kUninstall) + "\\" + subKey);
  }
  void Remove(const std::vector<int>& rows, bool yes = true) {
    SelectRows(rows);
    AnswerConfirmKeeping(yes);
    ClickApply();
  }
};

TEST_F(UninstallEntriesTest, ListsRegistrationsWithADisplayNameInKeyOrder) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Zip]
"DisplayName"="Packer"
"UninstallString"="C:\\Packer\\uninst.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\KB123456]
"UninstallString"="C:\\WINNT\\$NtUninstallKB123456$\\spuninst.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Editor]
"DisplayName"="Editor 2"
)");
  Select("Uninstaller");
  EXPECT_EQ(Captions(), (Texts{"Editor 2", "Packer"}));
  EXPECT_EQ(Column(0), (Texts{"", "C:\\Packer\\uninst.exe"}));
  EXPECT_EQ(form->Labels[10]->Caption(), "Uninstaller");
  EXPECT_EQ(form->RichEdit2->Lines().size(), 3u);
  EXPECT_EQ(form->RichEdit2->Lines()[0].rfind("Falls bei der Deinstalltion", 0), 0u);
  EXPECT_TRUE(form->Panel5->Visible()) << "the apply button removes";
  EXPECT_EQ(List().Bounds(), (ui::Rect{10, 40, 420, 140}));
  EXPECT_TRUE(List().MultiSelect());
  ASSERT_EQ(List().Columns().size(), 2u);
  EXPECT_EQ(List().Columns()[1].caption, "Uninstallstring");
  EXPECT_EQ(form->BitBtns[0]->Caption(), "Windows Uninstaller");
  EXPECT_EQ(form->PageBuilding, 1);
}

TEST_F(UninstallEntriesTest, RemovingDeletesTheWholeSubkeyAndNothingElse) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Alt]
"DisplayName"="Altes Spiel"
"UninstallString"="C:\\Spiel\\uninst.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Alt\Teile\Mehr]
"x"="y"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Neu]
"DisplayName"="Neues Spiel"
"UninstallString"="C:\\Neu\\uninst.exe"
)");
  files.AddFile("C:\\Spiel\\uninst.exe", "MZ");
  Select("Uninstaller");
  Remove({0});
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie markierten Einträge wirklich entfernen ?\nHinweis : Es wird nur der "
            "Programmeintrag entfernt, nicht das Programm\n auf der Festplatte.\nDeinstallieren "
            "Sie zuerst das Programm durch den Windows-Uninstaller !");
  EXPECT_FALSE(Registered("Alt"));
  EXPECT_TRUE(Registered("Neu"));
  EXPECT_TRUE(files.Exists("C:\\Spiel\\uninst.exe")) << "files stay";
  EXPECT_EQ(Captions(), (Texts{"Neues Spiel"}));
  EXPECT_EQ(Status(), "") << "no status text";
}

TEST_F(UninstallEntriesTest, SeveralSelectedRegistrationsGoTogether) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\A]
"DisplayName"="A"
"UninstallString"="a"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\B]
"DisplayName"="B"
"UninstallString"="b"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\C]
"DisplayName"="C"
"UninstallString"="c"
)");
  Select("Uninstaller");
  Remove({0, 2});
  EXPECT_FALSE(Registered("A"));
  EXPECT_TRUE(Registered("B"));
  EXPECT_FALSE(Registered("C"));
  EXPECT_EQ(Captions(), (Texts{"B"}));
}

TEST_F(UninstallEntriesTest, TheCommandTellsRegistrationsOfTheSameNameApart) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Eins]
"DisplayName"="Treiber"
"UninstallString"="eins.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Zwei]
"DisplayName"="Treiber"
"UninstallString"="zwei.exe"
)");
  Select("Uninstaller");
  ASSERT_EQ(Column(0), (Texts{"eins.exe", "zwei.exe"}));
  Remove({1});
  EXPECT_TRUE(Registered("Eins"));
  EXPECT_FALSE(Registered("Zwei"));
  EXPECT_EQ(Column(0), (Texts{"eins.exe"}));
}

TEST_F(UninstallEntriesTest, IdenticalRegistrationsGoTogetherButOnlyOneRowDoes) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Kopie1]
"DisplayName"="Doppelt"
"UninstallString"="d.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Kopie2]
"DisplayName"="Doppelt"
"UninstallString"="d.exe"
)");
  Select("Uninstaller");
  ASSERT_EQ(Captions(), (Texts{"Doppelt", "Doppelt"}));
  Remove({0});
  EXPECT_FALSE(Registered("Kopie1"));
  EXPECT_FALSE(Registered("Kopie2"));
  EXPECT_EQ(Captions(), (Texts{"Doppelt"})) << "the other row stays until the page is opened again";
  Select("AutoRun");
  Select("Uninstaller");
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(UninstallEntriesTest, ARowWithoutCommandStandsForEveryRegistrationOfItsName) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Ohne]
"DisplayName"="Werkzeug"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Mit]
"DisplayName"="Werkzeug"
"UninstallString"="w.exe"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Anders]
"DisplayName"="werkzeug"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Update]
"UninstallString"="w.exe"
)");
  Select("Uninstaller");
  ASSERT_EQ(Captions(), (Texts{"werkzeug", "Werkzeug", "Werkzeug"}));
  ASSERT_EQ(Column(0), (Texts{"", "w.exe", ""}));
  Remove({2});  // the row of "Ohne", without a command
  EXPECT_FALSE(Registered("Ohne"));
  EXPECT_FALSE(Registered("Mit"));
  EXPECT_TRUE(Registered("Anders")) << "names compare case-sensitively";
  EXPECT_TRUE(Registered("Update")) << "registrations without a name are never touched";
  EXPECT_EQ(Captions(), (Texts{"werkzeug", "Werkzeug"}));
}

TEST_F(UninstallEntriesTest, ARowWithACommandLeavesRegistrationsWithoutOne) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Ohne]
"DisplayName"="Werkzeug"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Mit]
"DisplayName"="Werkzeug"
"UninstallString"="w.exe"
)");
  Select("Uninstaller");
  Remove({0});  // "Mit" sorts first
  EXPECT_TRUE(Registered("Ohne"));
  EXPECT_FALSE(Registered("Mit"));
}

TEST_F(UninstallEntriesTest, NothingGoesWithoutSelectionOrAgreement) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\A]
"DisplayName"="A"
)");
  Select("Uninstaller");
  ClickApply();
  EXPECT_EQ(Confirmations(), 0);
  Remove({0}, false);
  EXPECT_TRUE(Registered("A"));
  EXPECT_EQ(Captions(), (Texts{"A"}));
}

TEST_F(UninstallEntriesTest, ARegistrationGoneMeanwhileKeepsItsRow) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\A]
"DisplayName"="A"
)");
  Select("Uninstaller");
  registry.DeleteKeyTree(RegRoot::LocalMachine, std::string(kUninstall) + "\\A");
  Remove({0});
  EXPECT_EQ(Captions(), (Texts{"A"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UninstallEntriesTest, AMissingUninstallKeyIsAnEmptyList) {
  Select("Uninstaller");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, kUninstall));
}

TEST_F(UninstallEntriesTest, ANameThatIsNoStringEndsTheListWithTheRegistryError) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\A]
"DisplayName"="Erstes"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\B]
"DisplayName"=dword:00000002
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\C]
"DisplayName"="Drittes"
)");
  Select("Uninstaller");
  EXPECT_EQ(Captions(), (Texts{"Erstes"}));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
  EXPECT_TRUE(form->BitBtns[0]) << "the page is complete";
}

TEST_F(UninstallEntriesTest, ACommandThatIsNoStringStopsTheRemovalWithTheRegistryError) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\A]
"DisplayName"="Eins"
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\B]
"DisplayName"="Eins"
"UninstallString"="b.exe"
)");
  Select("Uninstaller");
  ASSERT_EQ(List().Count(), 2);
  registry.CreateKey(RegRoot::LocalMachine, std::string(kUninstall) + "\\B")
      ->SetValue("UninstallString", os::RegValue::Dword(7));
  Remove({0});  // "A", without a command, would match "B" too
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
  EXPECT_TRUE(Registered("B"));
}

TEST_F(UninstallEntriesTest, TheButtonOpensTheSystemsSoftwareApplet) {
  Select("Uninstaller");
  ClickButton(0);
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].verb, "open");
  EXPECT_EQ(shell.executed[0].file, "rundll32");
  EXPECT_EQ(shell.executed[0].parameters, "shell32.dll,Control_RunDLL appwiz.cpl,,0");
  EXPECT_EQ(shell.executed[0].directory, "");
  EXPECT_EQ(shell.executed[0].show, 1);
}

}  // namespace
