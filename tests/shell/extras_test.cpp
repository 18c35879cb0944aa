// The "&Extras" launcher: submenus from the store, starting entries, the editor.
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

constexpr const char* kExtras = "Software\\Kalmora2x\\Options\\Extras\\";

class ExtrasTest : public ShellTest {
 protected:
  void SetUp() override {
    Seed(
        "[HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options\\Extras\\Sonstiges]\n"
        "\"Editor\"=\"notepad.exe\"\n"
        "[HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options\\Extras\\Systemprogramme]\n"
        "\"Regedit\"=\"regedit.exe\"\n\"Rechner\"=\"D:\\\\Tools\\\\calc.exe\"\n");
    Start();
  }
  ui::MenuItem& OpenMenu() {
    form->ToolButton3->UserClick();
    return form->PopupMenu3.Items();
  }
  static std::vector<std::string> Captions(const ui::MenuItem& menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Item(i)->Caption());
    return captions;
  }
  // Opens the editor and acts in it.
  void InEditor(std::function<void(ui::Form&)> act) {
    const size_t shown = backend.ModalCaptions().size();
    backend.OnNextModal(std::move(act));
    OpenMenu().Find("Extras &bearbeiten")->UserChoose();
    ASSERT_GT(backend.ModalCaptions().size(), shown);
    ASSERT_EQ(backend.ModalCaptions()[shown], "Programme unter \"Extras\"");
  }
  // The entry window that opens next gets these texts and "&OK".
  void AnswerEntry(std::string name, std::string path) {
    backend.OnNextModal([name, path](ui::Form& window) {
      Find<ui::Edit>(window, "Edit1").UserType(name);
      Find<ui::Edit>(window, "Edit2").UserType(path);
      Find<ui::Button>(window, "Button1").UserClick();
    });
  }
  std::optional<std::string> Stored(const std::string& group, const std::string& name) {
    auto value = Value(os::RegRoot::CurrentUser, kExtras + group, name);
    return value ? std::optional(value->AsString()) : std::nullopt;
  }
};

TEST_F(ExtrasTest, SubmenusListTheStoreAndStartEntriesThroughTheShell) {
  auto& menu = OpenMenu();
  EXPECT_EQ(Captions(menu),
            (std::vector<std::string>{"Systemprogramme", "Laufwerke", "Sonstiges",
                                      "Verwaltungsprogramme", "-", "Extras &bearbeiten"}));
  EXPECT_EQ(Captions(*menu.Item(0)), (std::vector<std::string>{"Regedit", "Rechner"}));
  EXPECT_EQ(menu.Item(1)->Count(), 0) << "a missing group key gives an empty submenu";

  menu.Item(2)->Find("Editor")->UserChoose();
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].file, "C:\\WINNT\\notepad.exe");
  OpenMenu().Item(0)->Find("Rechner")->UserChoose();
  EXPECT_EQ(shell.executed.back().file, "D:\\Tools\\calc.exe") << "a path with a drive stays";
  EXPECT_TRUE(Shown().empty());

  shell.unstartable.insert("D:\\Tools\\calc.exe");
  OpenMenu().Item(0)->Find("Rechner")->UserChoose();
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].rfind("Fehler: ", 0), 0u) << Shown()[0];
  EXPECT_NE(Shown()[0].find("\"D:\\Tools\\calc.exe\" konnte nicht gestartet werden"),
            std::string::npos);
}

TEST_F(ExtrasTest, CancelStoresNothingAndOkStoresEveryEntryWithItsFullPath) {
  InEditor([&](ui::Form& editor) {
    Find<ui::PageControl>(editor, "PageControl1").UserSelectTab(2);
    AnswerEntry("CD", "E:\\");
    Find<ui::Button>(editor, "Button3").UserClick();
    EXPECT_EQ(Find<ui::ListView>(editor, "ListView3").Count(), 1);
    Find<ui::Button>(editor, "Button2").UserClick();
  });
  EXPECT_FALSE(KeyExists(os::RegRoot::CurrentUser, std::string(kExtras) + "Laufwerke"));
  EXPECT_EQ(Stored("Sonstiges", "Editor"), "notepad.exe");

  InEditor([&](ui::Form& editor) {
    auto& others = Find<ui::ListView>(editor, "ListView4");
    ASSERT_EQ(others.Count(), 1);
    EXPECT_EQ(others.Item(0)->SubItem(0), "C:\\WINNT\\notepad.exe");
    Find<ui::Button>(editor, "Button1").UserClick();
  });
  EXPECT_EQ(Stored("Sonstiges", "Editor"), "C:\\WINNT\\notepad.exe");
  EXPECT_EQ(Stored("Systemprogramme", "Regedit"), "C:\\WINNT\\regedit.exe");
  EXPECT_EQ(Stored("Systemprogramme", "Rechner"), "D:\\Tools\\calc.exe");
}

TEST_F(ExtrasTest, AddingAndRemovingEntries) {
  backend.Dialogs().AnswerOpenFile("C:\\Spiele\\sol.exe");
  InEditor([&](ui::Form& editor) {
    auto& tabs = Find<ui::PageControl>(editor, "PageControl1");
    // A name twice in one tab: the later one is stored.
    tabs.UserSelectTab(1);
    AnswerEntry("Dienste", "C:\\alt.msc");
    Find<ui::Button>(editor, "Button3").UserClick();
    AnswerEntry("Dienste", "C:\\neu.msc");
    Find<ui::Button>(editor, "Button3").UserClick();
    AnswerEntry("", "C:\\ohne-name.exe");  // not added
    Find<ui::Button>(editor, "Button3").UserClick();
    // The "..." button fills the path from the file dialog.
    tabs.UserSelectTab(3);
    backend.OnNextModal([](ui::Form& window) {
      Find<ui::Edit>(window, "Edit1").UserType("Solitär");
      Find<ui::Button>(window, "Button3").UserClick();
      Find<ui::Button>(window, "Button1").UserClick();
    });
    Find<ui::Button>(editor, "Button3").UserClick();
    // Every entry of a tab removed, after the confirmation.
    tabs.UserSelectTab(0);
    auto& programs = Find<ui::ListView>(editor, "ListView1");
    programs.UserClickItem(0);
    AnswerConfirmKeeping(false);
    Find<ui::Button>(editor, "Button4").UserClick();
    EXPECT_EQ(programs.Count(), 2);
    for (int i = 0; i < 2; ++i) {
      programs.UserClickItem(0);
      AnswerConfirm(true);
      Find<ui::Button>(editor, "Button4").UserClick();
    }
    EXPECT_EQ(programs.Count(), 0);
    Find<ui::Button>(editor, "Button1").UserClick();
  });
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage, "Wollen Sie den  Eintrag wirklich entfernen ?");
  ASSERT_EQ(backend.Dialogs().FileDialogs().size(), 1u);
  EXPECT_EQ(backend.Dialogs().FileDialogs()[0].title, "Programm auswählen");
  EXPECT_EQ(backend.Dialogs().FileDialogs()[0].filter, "Alle Dateien (*.*)|*.*");

  EXPECT_EQ(Stored("Verwaltungsprogramme", "Dienste"), "C:\\neu.msc");
  EXPECT_FALSE(Stored("Verwaltungsprogramme", ""));
  EXPECT_EQ(Stored("Sonstiges", "Solitär"), "C:\\Spiele\\sol.exe");
  EXPECT_FALSE(KeyExists(os::RegRoot::CurrentUser, std::string(kExtras) + "Systemprogramme"));
  EXPECT_EQ(OpenMenu().Item(0)->Count(), 0);
}

}  // namespace
