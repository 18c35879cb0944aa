// The settings search window and "Was ändert diese Seite?" on the running main window.
#include <string>
#include <vector>

#include "page/page_table.h"
#include "shell/page_values_window.h"
#include "shell/settings_search_window.h"
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

struct Row {
  std::string page;
  std::string where;
  bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.page << " / " << row.where;
}

class SettingsSearchTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }

  shell::SettingsSearchWindow& Search() {
    form->SearchSettings1->UserChoose();
    return *form->SearchWindow();
  }

  std::vector<Row> Found(const std::string& query) {
    shell::SettingsSearchWindow& window = Search();
    window.Edit1->UserType(query);
    std::vector<Row> rows;
    for (int i = 0; i < window.ListView1->Count(); ++i) {
      const ui::ListItem* item = window.ListView1->Item(i);
      rows.push_back({item->Caption(), item->SubItem(2)});
    }
    return rows;
  }
};

TEST_F(SettingsSearchTest, FindsPagesByHeadlineCaptionKeyAndValueName) {
  const std::vector<std::pair<std::string, Row>> cases = {
      {"Prozessorzeit für Threads",
       {"Zeitplandienst", "Überschrift: Drucker - Prozessorzeit für Threads"}},
      {"Numlock", {"Tastatur", "Schalter: Numlock-Taste beim Starten aktivieren"}},
      {"CursorBlinkRate", {"Blinkgeschwindigkeit des Mauszeigers", "Wert: CursorBlinkRate"}},
      {"DynaSettingsChange", {"Kompatibilität", "Wert: DynaSettingsChange"}},
      {"i8042prt",
       {"PS/2 Mausabfrage beschleunigen",
        "Schlüssel: SYSTEM\\CurrentControlSet\\Services\\i8042prt\\Parameters"}},
      {"Spooler", {"Priorität Drucker Spooler ", "Seite"}},  // the node ends in a blank
  };
  for (const auto& [query, first] : cases) {
    const std::vector<Row> rows = Found(query);
    ASSERT_FALSE(rows.empty()) << query;
    EXPECT_EQ(rows.front(), first) << query;
  }
  EXPECT_EQ(Found("DynaSettingsChange").size(), 1u) << "one page has that value";
  EXPECT_EQ(Found("drucker spooler"), Found("spooler drucker")) << "every word, in any order";
  for (const Row& row : Found("zeitplandienst SchedulerThreadPriority")) {
    EXPECT_EQ(row.page, "Zeitplandienst");
  }
}

TEST_F(SettingsSearchTest, EveryNodeIsFoundByItsTextAndItsHeadline) {
  const auto lists = [](const std::vector<Row>& rows, const std::string& page) {
    for (const Row& row : rows) {
      if (row.page == page) return true;
    }
    return false;
  };
  for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
    EXPECT_TRUE(lists(Found(node->Text()), node->Text())) << node->Text();
    const page::PageRow* row = page::FindPageRow(node->ImageIndex());
    if (row && row->headline && *row->headline) {
      EXPECT_TRUE(lists(Found(row->headline), node->Text())) << row->headline;
    }
  }
}

TEST_F(SettingsSearchTest, UmlautsAndSharpSFoldAsInGermanText) {
  const std::vector<Row> expected = Found("Kompatibilität");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Found("KOMPATIBILITÄT"), expected);
  EXPECT_EQ(Found("kompatibilitÄt"), expected);
  EXPECT_NE(Found("kompatibilitat"), expected) << "a is not ä";
  EXPECT_EQ(Found("ICONGRÖSSE").front().page, "Icongröße auf Desktop");
  EXPECT_EQ(Found("grösse der icons").front(),
            (Row{"Icongröße auf Desktop", "Überschrift: Größe der Icons auf dem Desktop"}));
  EXPECT_EQ(Found("Ü").size(), Found("ü").size());
}

TEST_F(SettingsSearchTest, NoHitAndEmptyQueriesListNothing) {
  EXPECT_TRUE(Found("xyzzy").empty());
  EXPECT_TRUE(Found("").empty());
  EXPECT_TRUE(Found("   ").empty());
  // Enter with nothing listed leaves the page on show.
  Select("Tastatur");
  Search().Button1->UserClick();
  EXPECT_EQ(Status(1), "Tastatur");
}

TEST_F(SettingsSearchTest, EnterOrAClickShowsThePageInTheTree) {
  form->TreeView1->UserKeyDown('F', ui::kCtrl);
  shell::SettingsSearchWindow* window = form->SearchWindow();
  ASSERT_TRUE(window) << "Ctrl+F opens the search";
  EXPECT_TRUE(window->Form().Visible());
  window->Edit1->UserType("Spooler");
  window->ListView1->UserClickItem(0);
  EXPECT_EQ(Status(1), "Priorität Drucker Spooler ");
  EXPECT_EQ(form->Labels[10]->Caption(), "Drucker - Priorität Drucker Spooler");
  EXPECT_TRUE(window->Form().Visible()) << "a click leaves the window open";

  window->Edit1->UserType("DynaSettingsChange");
  window->Button1->UserClick();
  EXPECT_EQ(form->TreeView1->Selected()->Text(), "Kompatibilität");
  EXPECT_FALSE(window->Form().Visible()) << "Enter closes it";
  ASSERT_TRUE(form->PopupMenu2.Items().Find("Einstellungen suchen..."));
  form->PopupMenu2.Items().Find("Einstellungen suchen...")->UserChoose();
  EXPECT_EQ(form->SearchWindow(), window) << "the index and window are kept";
  EXPECT_TRUE(window->Form().Visible());
}

class PageValuesTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }

  // The rows of "Was ändert diese Seite?" on the page on show.
  std::vector<std::vector<std::string>> Listed() {
    std::vector<std::vector<std::string>> rows;
    backend.OnNextModal([&rows](ui::Form& dialog) {
      auto* list = static_cast<ui::ListView*>(dialog.FindByName("ListView1"));
      ASSERT_TRUE(list);
      for (int i = 0; i < list->Count(); ++i) {
        std::vector<std::string> row{list->Item(i)->Caption()};
        for (const std::string& sub : list->Item(i)->SubItems()) row.push_back(sub);
        rows.push_back(row);
      }
      dialog.Close();
    });
    EXPECT_TRUE(form->PageValuesButton->Visible());
    form->PageValuesButton->UserClick();
    return rows;
  }
};

TEST_F(PageValuesTest, ListsEachValueWithWhatTheRegistryHolds) {
  Seed(R"([HKEY_CURRENT_USER\Control Panel\Keyboard]
"InitialKeyboardIndicators"="2"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Winlogon]
"EnableQuickReboot"=dword:00000001
)");
  Select("Tastatur");
  ExpectTraced("EnableQuickReboot");  // the page reads it as text
  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(Listed(), (Rows{{"HKEY_CURRENT_USER", "Control Panel\\Keyboard",
                             "InitialKeyboardIndicators", "REG_SZ", "2"},
                            {"HKEY_CURRENT_USER",
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                             "NoWinKeys", "REG_SZ", "(nicht vorhanden)"},
                            {"HKEY_LOCAL_MACHINE",
                             "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                             "EnableQuickReboot", "REG_SZ", "1 (REG_DWORD)"}}));

  Seed(R"([HKEY_LOCAL_MACHINE\SOFTWARE\Classes\AudioCD\shell]
@="play"
)");
  Select("AutoStart Audio-CD");
  EXPECT_EQ(Listed(), (Rows{{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes\\AudioCD\\shell",
                             "(Standard)", "REG_SZ", "play"}}));
}

TEST_F(PageValuesTest, OnlyPagesKeptAsRecordsOfferIt) {
  Select("Tastatur");
  EXPECT_TRUE(form->PageValuesButton->Visible());
  Select("AutoRun Programe");
  EXPECT_FALSE(form->PageValuesButton->Visible()) << "a tool page";
  Select("Hardware");
  EXPECT_FALSE(form->PageValuesButton->Visible()) << "a group page";
}

}  // namespace
