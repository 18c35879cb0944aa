// The Control Panel item manager on the in-memory shell, which, like the system, leaves out the
// applets whose CPL file is named in the user's don't-load key.
#include "tools/control_panel.h"

#include "tool_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;

constexpr const char* kDontLoad = "Control Panel\\don't load";

class ControlPanelTest : public ToolTest {
 protected:
  void SetUp() override {
    Start();
    shell.registry = &registry;
    shell.controlPanel = {
        {"Anzeige", "desk.cpl", 11, 21},
        {"Datum/Uhrzeit", "timedate.cpl", 12, 22},
        {"Drucker", "", 13, 23},
        {"Maus", "main.cpl", 14, 24},
        {"Tastatur", "main.cpl", 15, 25},
        {"Software", "appwiz.cpl", 16, 26},
        {"Ländereinstellungen", "intl.cpl", 17, 27},
    };
    recording.Clear();  // the start-up's own writes
  }
  // Opens page 35 anew (a click on the node on show changes nothing).
  void OpenItemsPage() {
    if (form->ListViews[0]) Select("Gemeinsame DLL-Dateien");
    Select("Einträge in Systemsteuerung");
  }
  void Toggle(const std::string& caption) {
    for (int i = 0; i < List().Count(); ++i) {
      if (List().Item(i)->Caption() == caption) return List().UserClickItem(i);
    }
    ADD_FAILURE() << "no row " << caption;
  }
  std::optional<RegValue> DontLoad(const std::string& name) {
    return Value(RegRoot::CurrentUser, kDontLoad, name);
  }
  // The changes since the last Clear, as "name=data" or "name deleted".
  Texts Changes() {
    Texts texts;
    for (const os::RegEvent& event : recording.Changes()) {
      EXPECT_EQ(event.path, "Control Panel\\don't load");
      texts.push_back(
          event.op == os::RegEvent::Op::SetValue
              ? event.name + "=" + event.written->AsString()
              : event.name + (event.op == os::RegEvent::Op::DeleteValue ? " deleted" : " other"));
    }
    return texts;
  }
};

TEST(ControlPanelCpl, GermanDisplayNamesNameTheirFilesInTheTablesOrder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Modems", "modem.cpl"},
      {"Modems und Telefon", "telephon.cpl"},  // only the whole name is the modem applet
      {"Netzwerk", "netcpl.cpl"},
      {"Netzwerk- und DFÜ-Verbindungen", ""},
      {"Benutzer und Kennwörter", "password.cpl"},  // before "BENUTZ"
      {"Benutzer", "inetcpl.cpl"},
      {"Multimedia-System", "mmsys.cpl"},  // before "SYSTEM"
      {"System", "sysdm.cpl"},
      {"Ländereinstellungen", "intl.cpl"},
      {"Drucker", ""},
      {"Mouse", ""},
      {"", ""},
  };
  for (const auto& [name, file] : cases) EXPECT_EQ(tools::GetCPL(name), file) << name;
}

TEST_F(ControlPanelTest, ListsEveryAppletWithItsFileItsIconAndWhetherItCanBeHidden) {
  OpenItemsPage();
  EXPECT_EQ(Captions(), (Texts{"Anzeige", "Datum/Uhrzeit", "Drucker", "Maus", "Tastatur",
                               "Software", "Ländereinstellungen"}));
  EXPECT_EQ(Column(0), (Texts{"desk.cpl", "timedate.cpl", "kann nicht deaktiviert werden",
                              "main.cpl", "main.cpl", "appwiz.cpl", "intl.cpl"}));
  EXPECT_EQ(Column(1), (Texts{"ja", "ja", "-", "ja", "ja", "ja", "ja"}));
  EXPECT_EQ(List().Item(2)->ImageIndex(), 13) << "the system's small icon";
  EXPECT_TRUE(form->Panel5->Visible()) << "the apply button";
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(ControlPanelTest, AppletsOfOneFileTurnTogetherAndApplyMarksOnlyTheHiddenOnes) {
  Seed("[HKEY_CURRENT_USER\\Control Panel\\don't load]\n");
  OpenItemsPage();
  Toggle("Tastatur");
  Toggle("Drucker");
  Toggle("Software");
  Toggle("Software");
  EXPECT_EQ(Column(1), (Texts{"ja", "ja", "-", "nein", "nein", "ja", "ja"}));
  EXPECT_TRUE(Changes().empty()) << "nothing is written before apply";

  ClickApply();
  EXPECT_EQ(Changes(), (Texts{"main.cpl=1", "main.cpl=1"}));
  EXPECT_EQ(Status(), "Änderungen übernommen");

  // Opened again, the hidden applets are listed as hidden and stay hidden.
  recording.Clear();
  OpenItemsPage();
  EXPECT_EQ(Captions().size(), 7u);
  EXPECT_EQ(Column(1), (Texts{"ja", "ja", "-", "nein", "nein", "ja", "ja"}));
  EXPECT_EQ(Changes(), (Texts{"main.cpl deleted", "main.cpl=1"}));
  EXPECT_EQ(DontLoad("main.cpl"), RegValue::String("1"));

  Toggle("Maus");
  EXPECT_EQ(Column(1), (Texts{"ja", "ja", "-", "ja", "ja", "ja", "ja"}));
  recording.Clear();
  ClickApply();
  EXPECT_EQ(Changes(), (Texts{"main.cpl deleted"}));
  OpenItemsPage();
  EXPECT_EQ(Column(1), (Texts{"ja", "ja", "-", "ja", "ja", "ja", "ja"}));
}

TEST_F(ControlPanelTest, AnotherProgramsValuesAreNeverTouched) {
  Seed(R"([HKEY_CURRENT_USER\Control Panel\don't load]
"intl.cpl"="0"
"desk.cpl"=dword:00000001
"timedate.cpl"="1"
)");
  OpenItemsPage();
  EXPECT_EQ(Captions(), (Texts{"Datum/Uhrzeit", "Drucker", "Maus", "Tastatur", "Software"}))
      << "the system keeps hiding what another program hid";
  EXPECT_EQ(Column(1), (Texts{"nein", "-", "ja", "ja", "ja"}));
  EXPECT_EQ(Changes(), (Texts{"timedate.cpl deleted", "timedate.cpl=1"}));

  recording.Clear();
  Toggle("Datum/Uhrzeit");
  ClickApply();
  EXPECT_EQ(Changes(), (Texts{"timedate.cpl deleted"}));
  EXPECT_EQ(DontLoad("intl.cpl"), RegValue::String("0"));
  EXPECT_EQ(DontLoad("desk.cpl"), RegValue::Dword(1));
}

TEST_F(ControlPanelTest, WithoutTheKeyNothingIsMarkedAndNothingWritten) {
  OpenItemsPage();
  Toggle("Anzeige");
  EXPECT_EQ(List().Item(0)->SubItem(1), "nein");
  ClickApply();
  EXPECT_TRUE(Changes().empty());
  EXPECT_FALSE(KeyExists(RegRoot::CurrentUser, kDontLoad));
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_TRUE(Messages().empty());

  shell.controlPanelFails = true;
  OpenItemsPage();
  EXPECT_EQ(List().Count(), 0) << "a shell failure ends quietly";
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ControlPanelTest, LeavingThePageWhileTheShellEnumeratesStopsItAndKeepsTheMarkers) {
  Seed(R"([HKEY_CURRENT_USER\Control Panel\don't load]
"main.cpl"="1"
)");
  shell.duringEnumeration = [this](int visited) {
    if (visited == 2) Select("Gemeinsame DLL-Dateien");
  };
  OpenItemsPage();
  EXPECT_EQ(shell.itemsVisited, 3) << "the item after the page went ends the enumeration";
  EXPECT_EQ(form->StatusBar1->Panel(1).text, "Gemeinsame DLL-Dateien");
  EXPECT_EQ(List().Count(), 0) << "the new page's list gets nothing of the old enumeration";
  EXPECT_EQ(List().Columns()[0].caption, "Auflistung gemeinsamer DLL-Dateien");
  EXPECT_EQ(DontLoad("main.cpl"), RegValue::String("1"));
}

TEST_F(ControlPanelTest, TheControlPanelPageShowsLargeIconsAndOpensTheClickedApplet) {
  Seed(R"([HKEY_CURRENT_USER\Control Panel\don't load]
"main.cpl"="1"
)");
  Select("Systemsteuerung");
  EXPECT_EQ(Captions(),
            (Texts{"Anzeige", "Datum/Uhrzeit", "Drucker", "Software", "Ländereinstellungen"}));
  EXPECT_EQ(List().Item(0)->ImageIndex(), 21) << "the system's large icon";
  EXPECT_EQ(List().Style(), ui::ViewStyle::Icon);
  EXPECT_TRUE(recording.Changes().empty());

  List().UserClickItem(3);
  EXPECT_EQ(shell.opened, Texts{"Software"});
}

}  // namespace
