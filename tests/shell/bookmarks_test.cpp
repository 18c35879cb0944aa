// The bookmarks window: the store's order, duplicates, jumping to a page, dragging from the tree.
#include "shell/bookmarks.h"

#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

constexpr const char* kStore = "Software\\Kalmora\\Bookmarks";

class BookmarksTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }

  shell::TForm9& OpenWindow() {
    form->ToolButton20->UserClick();
    EXPECT_TRUE(form->BookmarkWindow());
    return *form->BookmarkWindow();
  }
  // The next bookmark dialog gets this description and "weiter", or is cancelled.
  void AnswerDialog(std::optional<std::string> description, std::string* shownNode = nullptr) {
    backend.OnNextModal([description, shownNode](ui::Form& dialog) {
      if (shownNode) *shownNode = static_cast<ui::Edit*>(dialog.FindByName("Edit1"))->Text();
      if (!description) return;
      static_cast<ui::Edit*>(dialog.FindByName("Edit2"))->UserType(*description);
      static_cast<ui::Button*>(dialog.FindByName("BitBtn1"))->UserClick();
    });
  }
  static void Choose(shell::TForm9& window, const char* caption) {
    window.PopupMenu1.Items().Find(caption)->UserChoose();
  }
  static std::vector<std::pair<std::string, std::string>> Rows(shell::TForm9& window) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < window.ListView1->Count(); ++i) {
      rows.emplace_back(window.ListView1->Item(i)->Caption(),
                        window.ListView1->Item(i)->SubItem(0));
    }
    return rows;
  }
  std::vector<std::pair<std::string, std::string>> Stored() {
    std::vector<std::pair<std::string, std::string>> values;
    auto key = registry.OpenKey(os::RegRoot::CurrentUser, kStore, os::RegAccess::Read);
    if (!key) return values;
    for (const std::string& name : key->ValueNames()) {
      os::RegValue value;
      key->QueryValue(name, value);
      values.emplace_back(name, value.AsString());
    }
    return values;
  }
  using Pairs = std::vector<std::pair<std::string, std::string>>;
};

TEST_F(BookmarksTest, ListsTheStoreInItsOrderAndWritesItBackWhole) {
  Seed(
      "[HKEY_CURRENT_USER\\Software\\Kalmora\\Bookmarks]\n\"Maus\"=\"Zeiger\"\n"
      "\"Tastatur\"=\"Tippen\"\n");
  auto& window = OpenWindow();
  EXPECT_EQ(Rows(window), (Pairs{{"Maus", "Zeiger"}, {"Tastatur", "Tippen"}}));

  // The same node twice: the store keeps the later description.
  Select("Sound");
  std::string shownNode;
  AnswerDialog("erste", &shownNode);
  Choose(window, "&Hinzufügen");
  EXPECT_EQ(shownNode, "Sound");
  AnswerDialog("zweite");
  Choose(window, "&Hinzufügen");
  AnswerDialog(std::nullopt);  // "Abbrechen" adds nothing
  Choose(window, "&Hinzufügen");
  EXPECT_EQ(window.ListView1->Count(), 4);
  EXPECT_EQ(Stored(), (Pairs{{"Maus", "Zeiger"}, {"Tastatur", "Tippen"}})) << "stored on close";

  Choose(window, "&Schließen");
  EXPECT_FALSE(form->BookmarkWindow());
  EXPECT_EQ(Stored(), (Pairs{{"Maus", "Zeiger"}, {"Tastatur", "Tippen"}, {"Sound", "zweite"}}));
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_FALSE(form->BookmarkDragEnabled);
}

TEST_F(BookmarksTest, DeletingEveryRowLeavesAnEmptyStore) {
  Seed("[HKEY_CURRENT_USER\\Software\\Kalmora\\Bookmarks]\n\"Maus\"=\"Zeiger\"\n");
  auto& window = OpenWindow();
  window.ListView1->UserClickItem(0);
  AnswerConfirmKeeping(false);
  Choose(window, "&Löschen");
  EXPECT_EQ(window.ListView1->Count(), 1);
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie markierten Einträge wirklich entfernen ?");
  AnswerConfirm(true);
  Choose(window, "&Löschen");
  EXPECT_EQ(window.ListView1->Count(), 0);
  window.Form().Close();
  EXPECT_TRUE(KeyExists(os::RegRoot::CurrentUser, kStore));
  EXPECT_TRUE(Stored().empty());
}

TEST_F(BookmarksTest, JumpsToTheFirstNodeWithTheText) {
  Seed(
      "[HKEY_CURRENT_USER\\Software\\Kalmora\\Bookmarks]\n\"Restriktionen\"=\"\"\n"
      "\"Entfernt\"=\"\"\n");
  auto& window = OpenWindow();
  window.ListView1->UserDoubleClickItem(0);
  ASSERT_TRUE(form->SelectedNode);
  EXPECT_EQ(form->SelectedNode->Text(), "Restriktionen");
  EXPECT_EQ(form->SelectedNode->Parent()->Text(), "Desktop");
  EXPECT_TRUE(form->BackList.empty()) << "a jump is no click in the tree";
  // A node that is gone leaves the page on show.
  window.ListView1->UserClickItem(1);
  Choose(window, "zur Baumansicht &wechseln");
  EXPECT_EQ(Status(1), "Restriktionen");
}

TEST_F(BookmarksTest, ATreeNodeDroppedOnTheListBecomesABookmark) {
  Select("Maus");
  EXPECT_FALSE(form->TreeView1->Dragging()) << "no drag while the window is closed";
  auto& window = OpenWindow();
  EXPECT_TRUE(form->BookmarkDragEnabled);
  Select("Monitor");
  EXPECT_TRUE(form->TreeView1->Dragging());
  EXPECT_FALSE(window.ListView1->UserDragOver(window.ListView1, 5, 5));
  ASSERT_TRUE(window.ListView1->UserDragOver(form->TreeView1, 5, 5));
  AnswerDialog("Bildschirm");
  window.ListView1->UserDragDrop(form->TreeView1, 5, 5);
  EXPECT_EQ(Rows(window), (Pairs{{"Monitor", "Bildschirm"}}));

  // Changing the description through the change dialog.
  window.ListView1->UserClickItem(0);
  std::string shownNode;
  AnswerDialog("Anzeige", &shownNode);
  Choose(window, "&Ändern");
  EXPECT_EQ(backend.ModalCaptions().back(), "Bookmarkeintrag ändern");
  EXPECT_EQ(shownNode, "Monitor");
  EXPECT_EQ(Rows(window), (Pairs{{"Monitor", "Anzeige"}}));

  // Ending the program with the window open keeps the list.
  form->ToolButton16->UserClick();
  EXPECT_EQ(Stored(), (Pairs{{"Monitor", "Anzeige"}}));
}

TEST_F(BookmarksTest, GeometryIsRestoredAndTheListFollowsTheSize) {
  Seed(
      "[HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options\\BookmarkSettings]\n"
      "\"left\"=\"5\"\n\"top\"=\"6\"\n\"width\"=\"500\"\n\"height\"=\"300\"\n");
  auto& window = OpenWindow();
  EXPECT_EQ(window.Form().Bounds(), (ui::Rect{5, 6, 500, 300}));
  EXPECT_EQ(window.ListView1->Width(), 490);
  EXPECT_EQ(window.ListView1->Columns()[1].width, 240);
  window.Form().SetBounds({7, 8, 600, 400});
  window.Form().Close();
  const std::string key = "Software\\Kalmora2x\\Options\\BookmarkSettings";
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "left"), os::RegValue::String("7"));
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, key, "height"), os::RegValue::String("400"));
}

}  // namespace
