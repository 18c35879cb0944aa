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
  // The registrations still there, in the registry's order.
  Texts Left() {
    auto key = registry.OpenKey(RegRoot::LocalMachine, kUninstall, os::RegAccess::Read);
    return key ? key->SubKeyNames() : Texts{};
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
}

TEST_F(UninstallEntriesTest, RemovingDeletesTheWholeSubkeyAndNothingElse) {
  Register({{"Alt", "Altes Spiel", "a.exe"}, {"Neu", "Neues Spiel", "n.exe"}});
  registry.CreateKey(RegRoot::LocalMachine, std::string(kUninstall) + "\\Alt\\Teile\\Mehr");
  Remove({0}, false);
  EXPECT_EQ(Left(), (Texts{"Alt", "Neu"}));
  Remove({0});
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie markierten Einträge wirklich entfernen ?\nHinweis : Es wird nur der "
            "Programmeintrag entfernt, nicht das Programm\n auf der Festplatte.\nDeinstallieren "
            "Sie zuerst das Programm durch den Windows-Uninstaller !");
  EXPECT_EQ(Left(), (Texts{"Neu"})) << "the subkey goes with everything below it";
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
  // An identical one goes with it; one without command is another registration.
  EXPECT_EQ(Left(), (Texts{"Eins", "Ohne"}));
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
  // Names compare case-sensitively; registrations without a name are never touched.
  EXPECT_EQ(Left(), (Texts{"Anders", "Update"}));
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
  EXPECT_EQ(Left(), (Texts{"Alt", "Tief"})) << "Tief has a key below it that may not go";
  EXPECT_EQ(
      Shown(),
      (Texts{"Fehler: Folgende Einträge konnten nicht entfernt werden:\nAltes Spiel\nTreiber\n\n"
             "Möglicherweise fehlen Ihnen die Rechte, die Registrierung an dieser Stelle zu "
             "ändern."}));
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
  EXPECT_EQ(shell.executed[0].file, "rundll32");
  EXPECT_EQ(shell.executed[0].parameters, "shell32.dll,Control_RunDLL appwiz.cpl,,0");
}

}  // namespace
