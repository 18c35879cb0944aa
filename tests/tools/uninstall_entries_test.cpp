// The uninstall entries page: listing the registrations and removing orphaned ones by name and
// command.
#include <array>

#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;

constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class UninstallEntriesTest : public ToolTest {
 protected:
  void SetUp() override { Start(); }
  // Subkeys given as name, display name (none: "-") and command (none: "-").
  void Register(const std::vector<std::array<const char*, 3>>& entries) {
    std::string seed;
    for (const auto& [key, name, command] : entries) {
      seed += "[HKEY_LOCAL_MACHINE\\" + std::string(kUninstall) + "\\" + key + "]\n";
      if (std::string(name) != "-") seed += "\"DisplayName\"=\"" + std::string(name) + "\"\n";
      if (std::string(command) != "-") {
        seed += "\"UninstallString\"=\"" + std::string(command) + "\"\n";
      }
    }
    Seed(seed);
    Select("Uninstaller");
  }
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
  Register({{"Zip", "Packer", "C:\\\\Packer\\\\uninst.exe"},
            {"KB123456", "-", "spuninst.exe"},
            {"Editor", "Editor 2", "-"}});
  EXPECT_EQ(Captions(), (Texts{"Editor 2", "Packer"}));
  EXPECT_EQ(Column(0), (Texts{"", "C:\\Packer\\uninst.exe"}));
  EXPECT_TRUE(form->Panel5->Visible()) << "the apply button removes";
  EXPECT_EQ(form->PageBuilding, 1);
}

TEST_F(UninstallEntriesTest, RemovingDeletesTheWholeSubkeyAndNothingElse) {
  Register({{"Alt", "Altes Spiel", "a.exe"}, {"Neu", "Neues Spiel", "n.exe"}});
  registry.CreateKey(RegRoot::LocalMachine, std::string(kUninstall) + "\\Alt\\Teile\\Mehr");
  Remove({0}, false);
  EXPECT_TRUE(Registered("Alt"));
  Remove({0});
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie markierten Einträge wirklich entfernen ?\nHinweis : Es wird nur der "
            "Programmeintrag entfernt, nicht das Programm\n auf der Festplatte.\nDeinstallieren "
            "Sie zuerst das Programm durch den Windows-Uninstaller !");
  EXPECT_FALSE(Registered("Alt"));
  EXPECT_TRUE(Registered("Neu"));
  EXPECT_EQ(Captions(), (Texts{"Neues Spiel"}));
  EXPECT_EQ(Status(), "") << "no status text";
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UninstallEntriesTest, NameAndCommandTogetherTellRegistrationsApart) {
  Register({{"Eins", "Treiber", "eins.exe"},
            {"Ohne", "Treiber", "-"},
            {"Zwei", "Treiber", "zwei.exe"},
            {"Kopie", "Treiber", "zwei.exe"}});
  ASSERT_EQ(Column(0), (Texts{"eins.exe", "zwei.exe", "", "zwei.exe"}));
  Remove({1});
  EXPECT_TRUE(Registered("Eins"));
  EXPECT_TRUE(Registered("Ohne")) << "a registration without command is another one";
  EXPECT_FALSE(Registered("Zwei"));
  EXPECT_FALSE(Registered("Kopie")) << "an identical one goes with it";
  EXPECT_EQ(Column(0), (Texts{"eins.exe", "", "zwei.exe"}))
      << "but its row stays until the page is built anew";
}

TEST_F(UninstallEntriesTest, ARowWithoutCommandStandsForEveryRegistrationOfItsName) {
  Register({{"Anders", "werkzeug", "-"},
            {"Mit", "Werkzeug", "w.exe"},
            {"Ohne", "Werkzeug", "-"},
            {"Update", "-", "w.exe"}});
  ASSERT_EQ(Column(0), (Texts{"", "w.exe", ""}));
  Remove({2});  // "Ohne"
  EXPECT_FALSE(Registered("Ohne"));
  EXPECT_FALSE(Registered("Mit"));
  EXPECT_TRUE(Registered("Anders")) << "names compare case-sensitively";
  EXPECT_TRUE(Registered("Update")) << "registrations without a name are never touched";
  EXPECT_EQ(Captions(), (Texts{"werkzeug", "Werkzeug"}));
}

TEST_F(UninstallEntriesTest, RegistrationsTheUserMayNotDeleteStayAndAreNamed) {
  Register({{"Alt", "Altes Spiel", "a.exe"},
            {"Neu", "Neues Spiel", "n.exe"},
            {"Tief", "Treiber", "t.exe"},
            {"Zwilling", "Treiber", "t.exe"}});
  registry.CreateKey(RegRoot::LocalMachine, std::string(kUninstall) + "\\Tief\\Teil");
  registry.DenyChanges(RegRoot::LocalMachine, std::string(kUninstall) + "\\Alt");
  registry.DenyChanges(RegRoot::LocalMachine, std::string(kUninstall) + "\\Tief\\Teil");
  ASSERT_EQ(Captions(), (Texts{"Altes Spiel", "Neues Spiel", "Treiber", "Treiber"}));
  Remove({0, 1, 2});
  EXPECT_TRUE(Registered("Alt"));
  EXPECT_FALSE(Registered("Neu"));
  EXPECT_TRUE(Registered("Tief")) << "a key below it may not go";
  EXPECT_FALSE(Registered("Zwilling"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_EQ(Messages()[0].text,
            "Folgende Einträge konnten nicht entfernt werden:\nAltes Spiel\nTreiber\n\n"
            "Möglicherweise fehlen Ihnen die Rechte, die Registrierung an dieser Stelle zu "
            "ändern.");
  EXPECT_EQ(Captions(), (Texts{"Altes Spiel", "Treiber"})) << "the registrations left";
}

TEST_F(UninstallEntriesTest, ANameThatIsNoStringEndsTheListWithTheRegistryError) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\B]
"DisplayName"=dword:00000002
)");
  Register({{"A", "Erstes", "-"}, {"C", "Drittes", "-"}});
  EXPECT_EQ(Captions(), (Texts{"Erstes"}));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
}

TEST_F(UninstallEntriesTest, AMissingKeyIsAnEmptyListAndTheButtonOpensTheSoftwareApplet) {
  Select("Uninstaller");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
  ClickButton(0);
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].verb, "open");
  EXPECT_EQ(shell.executed[0].file, "rundll32");
  EXPECT_EQ(shell.executed[0].parameters, "shell32.dll,Control_RunDLL appwiz.cpl,,0");
  EXPECT_EQ(shell.executed[0].show, 1);
}

}  // namespace
