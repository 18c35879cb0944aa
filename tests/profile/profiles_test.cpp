// Profiles through the engine on every page record and the TCP/IP tuner: saved, every setting
// turned over, applied back, and the registry is as it was saved; per Windows version.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "base/convert.h"
#include "profile_fixture.h"

namespace testing_support {
namespace {

constexpr const char* kSandboxRegistry = KALMORA_SOURCE_DIR "/sandbox/registry";

// Another value of the same setting, as a user would pick: the other state of a check, the
// next number, another radio button of the group, the text with something added.
std::string TurnedOver(profile::PageHost& host, const std::string& value, int step) {
  if (value == "ja") return "nein";
  if (value == "nein") return "ja";
  int32_t number = 0;
  if (base::TryStrToInt(value, number)) return base::IntToStr(number + step);
  for (const ui::RadioButton* radio : host.RadioButtons) {
    if (!radio || radio->Caption() != value) continue;
    for (const ui::RadioButton* other : host.RadioButtons) {
      if (other && other != radio && other->Parent() == radio->Parent()) return other->Caption();
    }
  }
  return value + "x";
}

class ProfileRoundTrip : public ProfileTest, public ::testing::WithParamInterface<uint32_t> {
 protected:
  void SetUp() override {
    ProfileTest::SetUp();
    Seed(
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
        "\"DefaultTTL\"=dword:00000080\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\"
        "Interfaces\\{4D36E972-0001}]\n\"MTU\"=dword:000005dc\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\E100B1\\Parameters\\Tcpip]\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\E100B1\\Tcpip]\n"
        "\"MTU\"=dword:000005dc\n");
    files.AddDirectory("C:\\WINNT");
    // The folders of the pages that keep their setting as a folder.
    files.AddDirectory("C:\\Documents and Settings\\Anwender\\Desktop");
    files.AddDirectory("C:\\Documents and Settings\\All Users\\Startmenü");
    files.AddDirectory("C:\\WINNT\\Profiles\\All Users\\Startmenü");
    // The demo data: a value for nearly every page, and the keys pages write only into.
    for (const auto& entry : std::filesystem::directory_iterator(kSandboxRegistry)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      os::RegFileError error;
      ASSERT_TRUE(os::ImportRegFile(registry, bytes.str(), error)) << error.message;
    }
    // Windows shows one control set as CurrentControlSet; in memory a second one would be a
    // copy the TCP/IP tuner reads first on Windows 2000 and writes on every version.
    for (const char* set : {"SYSTEM\\ControlSet001", "SYSTEM\\ControlSet002"}) {
      registry.DeleteKeyTree(os::RegRoot::LocalMachine, set);
    }
  }

  // Every value with its key, as "[key] name=type:bytes".
  std::set<std::string> Values() {
    std::set<std::string> values;
    std::istringstream lines(RegistrySnapshot(registry));
    std::string key;
    for (std::string line; std::getline(lines, line);) {
      if (line.front() == '[') {
        key = line;
      } else {
        values.insert(key + " " + line);
      }
    }
    return values;
  }
};

TEST_P(ProfileRoundTrip, EverySettingTurnedOverIsAppliedBack) {
  profile::Profiles& all = Prepare(GetParam());
  // Every page applied once as it shows, so that each value it writes exists.
  for (const auto& page : app::ProfilePages()) {
    if (!all.PageIds().empty() &&
        shell::PagesOfferedOn(host->WindowsVersion).count(page->PageId())) {
      host->Build(page->PageId());
      page->Settings(*host);
      page->Write(*host);
    }
  }
  // The demo data holds a few values of another type than their page reads; that is the pages'
  // business, not the profile's.
  trace.Clear();
  const std::set<std::string> savedState = Values();
  profile::Profile saved;
  saved.sections = all.Save({});
  ASSERT_GT(saved.sections.size(), 60u);

  // Turned over page by page; a number at the end of its range goes the other way.
  profile::Profile turned = saved;
  for (profile::Section& section : turned.sections) {
    for (const int step : {1, -2}) {
      host->Build(section.pageId);
      for (profile::Entry& entry : section.entries) {
        const profile::Entry* original = saved.Find(section.pageId)->Find(entry.name);
        entry.value = TurnedOver(*host, original->value, step);
      }
      profile::Profile one;
      one.sections = {section};
      bool invalid = false;
      for (const profile::Row& row : all.Apply(one, profile::Scope::All)) {
        invalid = invalid || row.outcome == profile::Outcome::Invalid;
      }
      if (!invalid) break;
    }
  }
  // A picture path turned into "...x" names no file to copy; the OEM page says so to the trace.
  std::vector<std::string> traced;
  for (const std::string& entry : trace.Entries()) {
    if (entry.rfind("WriteOEMInf: picture not copied", 0) != 0) traced.push_back(entry);
  }
  trace.Clear();
  EXPECT_EQ(traced, std::vector<std::string>{});
  std::vector<std::string> notTurned;
  for (const profile::Row& row : all.Compare(turned)) {
    if (row.outcome != profile::Outcome::Same) notTurned.push_back(row.page + " / " + row.setting);
  }
  // What does not turn over through the page's own writer and reader: unchecked, the Start menu
  // keeps the user's order; the icon spacing is stored in other units and read back rounded; the
  // shortcut caption writes, checked, the bytes it reads as unchecked; the arrow's file is
  // written only with "benutzerdefiniert" chosen; the browser's welcome is read from another
  // value than it is written to; the OEM picture must be a file to copy; the window-scaling
  // list has choices this test does not know.
  std::vector<std::string> expected = {
      "Restriktionen / Einträge im Startmenü sortieren",
      "Iconabstand auf dem Desktop bestimmen / Vertikaler Abstand (y-Achse)",
      "Iconabstand auf dem Desktop bestimmen / Horizontaler Abstand (x-Achse)",
      "Iconeinstellungen / Schriftzug \"Verknüpfung mit...\" ausblenden",
      "Verknüpfungspfeil bearbeiten / Eingabefeld 1",
      "Willkommen-Dialog / InternetExplorer \"Willkommen Fenster\" anzeigen"};
  if (GetParam() != os::MemorySystem::kNt4) {
    expected.push_back("OEM-Info in der Systemsteuerung / OEM Bild");
  }
  if (GetParam() == os::MemorySystem::kWindows2000) {
    expected.push_back("DFUe-Verbindung optimieren / Window Scaling (Tcp1323Opts)");
  }
  EXPECT_EQ(notTurned, expected);
  EXPECT_NE(Values(), savedState);

  std::vector<std::string> notBack;
  for (const profile::Row& row : all.Apply(saved, profile::Scope::All)) {
    // Pages share values: one turned over later may have put another's back already.
    if (row.outcome != profile::Outcome::Applied && row.outcome != profile::Outcome::Same) {
      notBack.push_back(row.page + " / " + row.setting + ": " + profile::OutcomeText(row));
    }
  }
  EXPECT_EQ(notBack, std::vector<std::string>{});
  const std::set<std::string> back = Values();
  std::vector<std::string> changed;
  std::set_symmetric_difference(back.begin(), back.end(), savedState.begin(), savedState.end(),
                                std::back_inserter(changed));
  // What the pages' own writers do not put back: unchecking the bitmap thumbnails leaves the
  // ".bmp" class they set, and the shortcut caption writes, checked, the bytes it reads as
  // unchecked.
  const std::string explorer =
      "[HKEY_USERS\\S-1-5-21-0-0-0-1000\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer] ";
  EXPECT_EQ(changed,
            (std::vector<std::string>{
                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.bmp] =1:5061696E742E5069637475726500",
                explorer + "Link=3:00000000", explorer + "Link=3:01000000"}));
}

INSTANTIATE_TEST_SUITE_P(Versions, ProfileRoundTrip,
                         ::testing::Values(os::MemorySystem::kNt4, os::MemorySystem::kWindows2000,
                                           os::MemorySystem::kWindowsXp));

}  // namespace
}  // namespace testing_support
