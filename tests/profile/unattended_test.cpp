// The command line's runs: exit codes, the log's lines, what an apply writes and journals, and
// that an unusable profile changes nothing.
#include "profile/unattended.h"

#include <gtest/gtest.h>

#include "base/utf.h"
#include "journal/journal_store.h"
#include "profile_fixture.h"

namespace testing_support {
namespace {

constexpr const char* kProfilePath = "C:\\Profile\\park.txt";
constexpr const char* kLogPath = "C:\\Profile\\park.log";
constexpr const char* kJournal = "C:\\Journal";
constexpr const char* kPrint = "SYSTEM\\CurrentControlSet\\Control\\Print";
constexpr const char* kDesktop = "Control Panel\\Desktop";

// The user's version number on the desktop and the machine's spooler priority, as a person
// writes them in Notepad.
constexpr const char* kPark =
    "[Kalmora 2x Profil]\r\nFormat=1\r\n"
    "[Seite 32: Anzeigen der Versionsnummer auf dem Desktop]\r\n"
    "Anzeigen der Versionsnummer auf dem Desktop=ja\r\n"
    "[Seite 137: Drucker - Priorität Drucker Spooler]\r\nAuswahl = weniger Priorität\r\n"
    "[Ende]\r\n";

class UnattendedTest : public ProfileTest {
 protected:
  void SetUp() override {
    ProfileTest::SetUp();
    files.AddDirectory("C:\\Profile");
    files.AddDirectory(kJournal);
    store = std::make_unique<journal::JournalStore>(files, kJournal);
    journal.SetStore(store.get(), trace);
    journal.SetOrigin([] { return journal::Origin{"2026-12-07 08:00:00", "Profil", "Anwender"}; });
    Seed(
        "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"PaintDesktopVersion\"=dword:00000000\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print]\n"
        "\"SpoolerPriority\"=dword:00000000\n");
  }

  int Run(const std::vector<std::string>& args) {
    profile::Unattended run{*profiles, files, &journal, "1.2.3"};
    recording.Clear();
    return profile::Run(profile::ParseCommandLine(args), run);
  }

  std::string Log() { return base::Cp1252ToUtf8(FileBytes(kLogPath)); }
  size_t Sets() { return store->Load().size(); }
  size_t Writes() {
    size_t writes = 0;
    for (const os::RegEvent& event : recording.Events()) writes += os::IsChange(event.op) ? 1 : 0;
    return writes;
  }

  std::unique_ptr<journal::JournalStore> store;
};

TEST_F(UnattendedTest, ComparesAppliesOnceAndThenFindsNothingToDo) {
  Prepare();
  files.WriteFile(kProfilePath, base::Utf8ToCp1252(kPark));
  EXPECT_EQ(Run({"/compare", kProfilePath, "/log", kLogPath}), profile::kExitDiffers);
  EXPECT_EQ(Log(),
            "RECHNER1\tAnzeigen der Versionsnummer auf dem Desktop\t"
            "Anzeigen der Versionsnummer auf dem Desktop\tnein\tja\tabweichend\r\n"
            "RECHNER1\tDrucker - Priorität Drucker Spooler\tAuswahl\tWindowsstandard\t"
            " weniger Priorität\tabweichend\r\n");
  EXPECT_EQ(Writes(), 0u);
  EXPECT_EQ(Sets(), 0u);

  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitMatches);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, kDesktop, "PaintDesktopVersion"),
            os::RegValue::Dword(1));
  EXPECT_EQ(Value(os::RegRoot::LocalMachine, kPrint, "SpoolerPriority"),
            os::RegValue::Dword(0xFFFFFFFF));
  EXPECT_NE(Log().find("\tnein\tja\tübernommen\r\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("\tWindowsstandard\t weniger Priorität\tübernommen\r\n"), std::string::npos);
  ASSERT_EQ(Sets(), 1u);
  EXPECT_EQ(store->Load().front().label, "Profil angewendet: park.txt");

  // A logon script runs it every day.
  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitMatches);
  EXPECT_EQ(Writes(), 0u);
  EXPECT_EQ(Sets(), 1u);
  EXPECT_EQ(Log().find("übernommen"), std::string::npos);
  EXPECT_NE(Log().find("\tja\tja\tgleich\r\n"), std::string::npos);
  EXPECT_EQ(Run({"/compare", kProfilePath}), profile::kExitMatches);
}

TEST_F(UnattendedTest, AnUnusableProfileChangesNothing) {
  Prepare();
  const std::string park = base::Utf8ToCp1252(kPark);
  const std::string before = RegistrySnapshot(registry);
  struct Case {
    std::string bytes;
    const char* logged;
  };
  const std::vector<Case> cases = {
      {park.substr(0, park.size() / 2), "Zeile 4: Die Zeile hat kein \"=\""},
      {park.substr(0, park.find("[Ende]")), "[Ende] fehlt"},
      {"[boot loader]\r\ntimeout=30\r\n", "kein Kalmora-2x-Profil"},
      {std::string(park).insert(park.find("[Seite 137"), "Zeile ohne Gleichheitszeichen\r\n"),
       "Zeile 5: Die Zeile hat kein \"=\""},
  };
  for (const Case& broken : cases) {
    files.WriteFile(kProfilePath, broken.bytes);
    EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitUnusable);
    EXPECT_NE(Log().find(broken.logged), std::string::npos) << Log();
    EXPECT_EQ(Log().rfind("RECHNER1\t\t\t\t\tProfil unbrauchbar: C:\\Profile\\park.txt: ", 0), 0u);
    EXPECT_EQ(Writes(), 0u);
  }
  files.RemoveFile(kProfilePath);
  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitUnusable);
  EXPECT_NE(Log().find("lässt sich nicht lesen"), std::string::npos);
  EXPECT_EQ(Run({"/apply", kProfilePath, "/scope", "alle", "/log", kLogPath}),
            profile::kExitUnusable);
  EXPECT_NE(Log().find("/scope erwartet user oder machine"), std::string::npos);
  EXPECT_EQ(Run({"/compare", kProfilePath}), profile::kExitUnusable);
  EXPECT_EQ(RegistrySnapshot(registry), before);
  EXPECT_EQ(Sets(), 0u);
}

TEST_F(UnattendedTest, ScopeAppliesOnlyItsPartAndADeniedKeyFailsAlone) {
  Prepare();
  files.WriteFile(kProfilePath, base::Utf8ToCp1252(kPark));
  EXPECT_EQ(Run({"/apply", kProfilePath, "/scope", "machine", "/log", kLogPath}),
            profile::kExitMatches);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, kDesktop, "PaintDesktopVersion"),
            os::RegValue::Dword(0));
  EXPECT_EQ(Value(os::RegRoot::LocalMachine, kPrint, "SpoolerPriority"),
            os::RegValue::Dword(0xFFFFFFFF));
  EXPECT_NE(Log().find("\tnein\tja\tnicht angewendet: außerhalb von /scope\r\n"),
            std::string::npos);

  Seed(
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print]\n"
      "\"SpoolerPriority\"=dword:00000001\n");
  registry.DenyChanges(os::RegRoot::LocalMachine, kPrint);
  EXPECT_EQ(Run({"/apply", kProfilePath, "/scope", "user", "/log", kLogPath}),
            profile::kExitMatches);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, kDesktop, "PaintDesktopVersion"),
            os::RegValue::Dword(1));
  EXPECT_NE(Log().find("\tmehr Priorität\t weniger Priorität\tnicht angewendet"),
            std::string::npos);

  // A plain user's apply of both: the machine's part is refused, the user's stays.
  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n\"PaintDesktopVersion\"=dword:00000000\n");
  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitDiffers);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, kDesktop, "PaintDesktopVersion"),
            os::RegValue::Dword(1));
  EXPECT_NE(Log().find("\tmehr Priorität\t weniger Priorität\tfehlgeschlagen\r\n"),
            std::string::npos)
      << Log();
  EXPECT_NE(Log().find("\tnein\tja\tübernommen\r\n"), std::string::npos);
  trace.Clear();  // the refused writes went there
}

// A 2000 profile on NT 4.0 and XP: the recycle bin's name is the user's on 2000 and the
// machine's elsewhere; XP has no such page; a setting that needs a restart says so.
TEST_F(UnattendedTest, A2000ProfileAppliesThroughEachVersionsOwnKeys) {
  const std::string bin = "SOFTWARE\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
  Seed(
      "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
      "{645FF040-5081-101B-9F08-00AA002F954E}]\n@=\"Abfall\"\n"
      "[HKEY_LOCAL_MACHINE\\" +
      bin +
      "]\n@=\"Papierkorb\"\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon]\n"
      "\"SFCDisable\"=dword:00000001\n");
  Prepare(os::MemorySystem::kWindows2000);
  EXPECT_EQ(Run({"/save", kProfilePath, "/pages", "49,113"}), profile::kExitMatches);
  const std::string saved = base::Cp1252ToUtf8(FileBytes(kProfilePath));
  EXPECT_NE(saved.find("[Seite 49: Desktopicons umbenennen]\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\nPapierkorb=Abfall\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nSystem File Protection (SMP) deaktivieren=ja\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Windows=Microsoft Windows NT 5.0 (Build: 2195)\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("[Seite 137"), std::string::npos);

  Seed(
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon]\n"
      "\"SFCDisable\"=dword:00000000\n");
  Prepare(os::MemorySystem::kNt4);
  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitMatches);
  EXPECT_EQ(Value(os::RegRoot::LocalMachine, bin, ""), os::RegValue::String("Abfall"));
  EXPECT_NE(Log().find("\tja\tübernommen, wirkt nach einem Neustart\r\n"), std::string::npos)
      << Log();

  Prepare(os::MemorySystem::kWindowsXp);
  EXPECT_EQ(Run({"/apply", kProfilePath, "/log", kLogPath}), profile::kExitDiffers);
  EXPECT_NE(Log().find("RECHNER1\tDesktopicons umbenennen\tPapierkorb\t\tAbfall\t"
                       "übersprungen: auf diesem System nicht vorhanden\r\n"),
            std::string::npos)
      << Log();
  EXPECT_EQ(Run({"/save", kProfilePath, "/pages", "49"}), profile::kExitUnusable);
}

}  // namespace
}  // namespace testing_support
