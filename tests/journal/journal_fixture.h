// The running main window with the journal between it and the in-memory services, as wWinMain
// puts it, plus what journal tests need: the whole state to compare, and the "Änderungsprotokoll"
// window driven as a user does. Icon files are there too, for the pages that pick icons.
#pragma once

#include <string>
#include <vector>

#include "../icons/icon_fixture.h"
#include "journal/journal.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "snapshot.h"

namespace testing_support {

inline constexpr const char* kAppData = "C:\\Documents and Settings\\Anwender\\Anwendungsdaten";
inline constexpr const char* kJournalFolder =
    "C:\\Documents and Settings\\Anwender\\Anwendungsdaten\\Kalmora2x\\Journal";

// The journaled shell over a recycle bin that takes the files off the disk, as the system's does.
class RecyclingShell : public journal::JournalingShell {
 public:
  RecyclingShell(os::Shell& inner, journal::Journal& journal, os::FileSystem& files)
      : JournalingShell(inner, journal), files_(files) {}
  os::RecycleResult RecycleFiles(const std::vector<std::string>& paths) override {
    const os::RecycleResult result = JournalingShell::RecycleFiles(paths);
    if (result == os::RecycleResult::Done) {
      for (const std::string& path : paths) files_.RemoveFile(path);
    }
    return result;
  }

 private:
  os::FileSystem& files_;
};

class JournalPagesTest : public IconTest {
 protected:
  void SetUp() override {
    shell.specialFolders[0x1A] = kAppData;
    files.AddDirectory(kAppData);
    system.userName = "Anwender";
  }

  void StartJournaled(uint32_t version = os::MemorySystem::kWindows2000) {
    system.version = version;
    form = std::make_unique<shell::TForm1>(journaled, app::AllPages());
    form->AttachJournal(journal);
    form->FormCreate();
    // The rest of start-up, as the window's timer runs it once the window has painted.
    backend.TickTimers();
  }

  // The registry and the files of the hard disk and of the floppy, the journal's own left out.
  std::string State() {
    return RegistrySnapshot(registry) + FilesSnapshot(files, "C:\\", kJournalFolder) +
           FilesSnapshot(files, "A:\\");
  }

  // Opens the journal from the "&Ansicht" menu, keeps what it lists and acts on it.
  void InJournalWindow() {
    backend.OnNextModal([this](ui::Form& dialog) {
      auto* tree = static_cast<ui::TreeView*>(dialog.FindByName("TreeView1"));
      ASSERT_TRUE(tree);
      listed.clear();
      for (int i = 0; i < tree->RootCount(); ++i) {
        listed.push_back(tree->Root(i)->Text());
        for (int c = 0; c < tree->Root(i)->Count(); ++c) {
          listed.push_back("  " + tree->Root(i)->Child(c)->Text());
        }
      }
    });
    form->nderungsprotokoll1->UserChoose();
  }

  // Undoes the newest set (or the one at row) as the user does.
  void UndoNewest(int row = 0) {
    backend.OnNextModal([row](ui::Form& dialog) {
      auto* tree = static_cast<ui::TreeView*>(dialog.FindByName("TreeView1"));
      ASSERT_TRUE(tree && tree->RootCount() > row);
      tree->UserClickNode(tree->Root(row));
      static_cast<ui::Button*>(dialog.FindByName("UndoButton"))->UserClick();
    });
    form->nderungsprotokoll1->UserChoose();
  }

  journal::Journal journal{registry, files};
  journal::JournalingRegistry journaledRegistry{recording, journal};
  journal::JournalingFileSystem journaledFiles{files, journal};
  RecyclingShell journaledShell{shell, journal, files};
  page::Services journaled{
      backend, journaledRegistry, system, journaledShell, journaledFiles, trace, display};
  std::vector<std::string> listed;
};

}  // namespace testing_support
