// "Profil speichern...", "Mit Profil vergleichen..." and "Profil anwenden..." in the "&Ansicht"
// menu of the running window, on every version: pages ticked and saved, the list of what
// differs leading to its page, an apply after "&Ja" as one change set that the journal undoes.
#include <gtest/gtest.h>

#include "../journal/journal_fixture.h"
#include "base/utf.h"
#include "journal/journal_store.h"
#include "profile/profiles.h"
#include "shell/category_tree.h"

namespace testing_support {
namespace {

constexpr const char* kSaved = "C:\\Profile\\raum1.txt";
constexpr const char* kDesktop = "Control Panel\\Desktop";

class ProfileWindowTest : public JournalPagesTest, public ::testing::WithParamInterface<uint32_t> {
 protected:
  void Open() {
    StartJournaled(GetParam());
    files.AddDirectory("C:\\Profile");
    form->AttachProfiles(
        [this]() -> profile::Profiles& {
          host = std::make_unique<profile::PageHost>(hostServices, table);
          profiles = std::make_unique<profile::Profiles>(
              *host, app::ProfilePages(), shell::PagesOfferedOn(form->WindowsVersion));
          return *profiles;
        },
        "1.2.3");
  }

  // The list of the open window, row by row as "page | setting | here | profile".
  static std::vector<std::string> Rows(ui::Form& window) {
    auto& list = Find<ui::ListView>(window, "ListView1");
    std::vector<std::string> rows;
    for (int i = 0; i < list.Count(); ++i) {
      const ui::ListItem* item = list.Item(i);
      rows.push_back(item->Caption() + " | " + item->SubItem(0) + " | " + item->SubItem(1) + " | " +
                     item->SubItem(2));
    }
    return rows;
  }

  std::vector<journal::ChangeSet> Stored() {
    return journal::JournalStore(files, kJournalFolder).Load();
  }

  headless::HeadlessBackend windowless;
  page::PageTable table = app::AllPages();
  page::Services hostServices{
      windowless, journaledRegistry, system, journaledShell, journaledFiles, trace, display};
  std::unique_ptr<profile::PageHost> host;
  std::unique_ptr<profile::Profiles> profiles;
};

TEST_P(ProfileWindowTest, SavesComparesAndAppliesAsOneUndoableSet) {
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"PaintDesktopVersion\"=dword:00000001\n");
  Open();
  const std::string before = RegistrySnapshot(registry);

  // Only the pages left ticked go into the profile.
  backend.OnNextModal([](ui::Form& window) {
    EXPECT_EQ(window.Caption(), "Profil speichern");
    Find<ui::Button>(window, "Button2").UserClick();  // "Keine"
    auto& list = Find<ui::ListView>(window, "ListView1");
    for (int i = 0; i < list.Count(); ++i) {
      // A page of entries, not of settings, is not offered.
      EXPECT_NE(list.Item(i)->Caption(), "Schnellstartleiste bearbeiten");
      if (list.Item(i)->Caption() == "Anzeigen der Versionsnummer auf dem Desktop") {
        list.Item(i)->SetChecked(true);
      }
    }
    Find<ui::Button>(window, "Button3").UserClick();
  });
  backend.Dialogs().AnswerOpenFile(kSaved);
  form->ProfileSave1->UserChoose();
  ASSERT_TRUE(backend.Dialogs().FileDialogs().back().save);
  const std::string saved = base::Cp1252ToUtf8(FileBytes(kSaved));
  EXPECT_NE(saved.find("\r\n[Seite 32: Anzeigen der Versionsnummer auf dem Desktop]\r\n"
                       "Anzeigen der Versionsnummer auf dem Desktop=ja\r\n\r\n[Ende]\r\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(saved.find("[Seite 137"), std::string::npos);
  EXPECT_TRUE(RegistrySnapshot(registry) == before) << "saving is no change of the machine";
  EXPECT_EQ(Stored().size(), 0u);

  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"PaintDesktopVersion\"=dword:00000000\n");
  const std::string changed = State();
  // The compare lists what differs; a click on it opens the page.
  backend.OnNextModal([](ui::Form& window) {
    EXPECT_EQ(window.Caption(), "Mit Profil vergleichen");
    EXPECT_EQ(Rows(window),
              std::vector<std::string>{"Anzeigen der Versionsnummer auf dem Desktop | Anzeigen "
                                       "der Versionsnummer auf dem Desktop | nein | ja"});
    Find<ui::ListView>(window, "ListView1").UserClickItem(0);
  });
  backend.Dialogs().AnswerOpenFile(kSaved);
  form->ProfileCompare1->UserChoose();
  ASSERT_TRUE(form->TreeView1->Selected());
  EXPECT_EQ(form->TreeView1->Selected()->ImageIndex(), 32);

  // "&Nein" applies nothing; "&Ja" applies it as one set.
  backend.OnNextModal([](ui::Form& window) { Find<ui::Button>(window, "Button2").UserClick(); });
  backend.Dialogs().AnswerOpenFile(kSaved);
  form->ProfileApply1->UserChoose();
  EXPECT_TRUE(State() == changed);
  backend.OnNextModal([](ui::Form& window) {
    EXPECT_EQ(window.Caption(), "Profil anwenden");
    EXPECT_EQ(Rows(window).size(), 1u);
    Find<ui::Button>(window, "Button1").UserClick();
  });
  backend.Dialogs().AnswerOpenFile(kSaved);
  form->ProfileApply1->UserChoose();
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, kDesktop, "PaintDesktopVersion"),
            os::RegValue::Dword(1));
  EXPECT_EQ(Shown().back(), "Information: 1 Einstellungen übernommen.");
  // The page on show reads what now stands.
  EXPECT_TRUE(form->CheckBoxes[0]->Checked());
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Stored().front().label, "Profil angewendet: raum1.txt");

  UndoNewest();
  EXPECT_TRUE(State() == changed);
}

TEST_P(ProfileWindowTest, ABrokenFileIsNamedAndChangesNothing) {
  Open();
  files.WriteFile(kSaved, "[Kalmora 2x Profil]\r\nFormat=1\r\n[Seite 32]\r\nkaputt\r\n[Ende]\r\n");
  const std::string before = State();
  backend.Dialogs().AnswerOpenFile(kSaved);
  form->ProfileApply1->UserChoose();
  EXPECT_EQ(Shown().back(),
            "Fehler: Die Datei \"C:\\Profile\\raum1.txt\" ist kein gültiges Profil.\n"
            "Zeile 4: Die Zeile hat kein \"=\": kaputt");
  EXPECT_EQ(backend.PendingModalActs(), 0);
  EXPECT_TRUE(State() == before);
}

INSTANTIATE_TEST_SUITE_P(Versions, ProfileWindowTest,
                         ::testing::Values(os::MemorySystem::kNt4, os::MemorySystem::kWindows2000,
                                           os::MemorySystem::kWindowsXp));

}  // namespace
}  // namespace testing_support
