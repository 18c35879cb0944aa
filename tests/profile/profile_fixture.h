// Profiles on in-memory services, as the program composes them: the page host on a toolkit of
// its own without windows, every profile page, the pages this version's tree offers.
#pragma once

#include <memory>
#include <string>

#include "../journal/snapshot.h"
#include "../shell/shell_fixture.h"
#include "journal/journal.h"
#include "journal/journaling_registry.h"
#include "profile/profiles.h"
#include "profile/unattended.h"
#include "shell/category_tree.h"

namespace testing_support {

class ProfileTest : public ShellTest {
 protected:
  ProfileTest()
      : journaled(recording, journal), hostServices{windowless, journaled, system, shell,
                                                    files,      trace,     display} {}

  // The host as the command line makes it: state read, nothing written.
  profile::Profiles& Prepare(uint32_t version = os::MemorySystem::kWindows2000) {
    system.version = version;
    host = std::make_unique<profile::PageHost>(hostServices, table);
    host->ReadState();
    profiles = std::make_unique<profile::Profiles>(*host, app::ProfilePages(),
                                                   shell::PagesOfferedOn(host->WindowsVersion));
    return *profiles;
  }

  std::string SavedText(const std::vector<int>& pages = {}) {
    profile::Profile saved;
    saved.header = {1, "Kalmora 2x 1.0", "RECHNER1", "Test", "2026-01-01 00:00:00"};
    saved.sections = profiles->Save(pages);
    return profile::WriteProfile(saved);
  }

  // As the program composes it: every change of an apply goes through the journal.
  journal::Journal journal{registry, files};
  journal::JournalingRegistry journaled;
  headless::HeadlessBackend windowless;
  page::PageTable table = app::AllPages();
  page::Services hostServices;
  std::unique_ptr<profile::PageHost> host;
  std::unique_ptr<profile::Profiles> profiles;
};

}  // namespace testing_support
