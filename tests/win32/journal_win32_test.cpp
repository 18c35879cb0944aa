// The journal on the prefix's real registry and files: a change set undone puts back every value
// and file, and its .reg exports, imported by the system's regedit, take the registry to the state
// after the set and back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/utf.h"
#include "journal/journal.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "journal/reg_export.h"
#include "journal/snapshot.h"
#include "journal/undo.h"
#include "win32/win32_file_system.h"
#include "win32/win32_registry.h"

namespace {

using os::RegRoot;
using os::RegValue;

constexpr const char* kKey = "Software\\KalmoraTest";

std::string TempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, path);
  std::u16string wide(reinterpret_cast<const char16_t*>(path));
  while (!wide.empty() && wide.back() == u'\\') wide.pop_back();
  return base::Utf16ToUtf8(wide);
}

// A path from the environment; under Wine a Unix path is one on drive Z:.
std::string EnvPath(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return "";
  std::string path = value[0] == '/' ? std::string("Z:") + value : value;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// Runs the system's regedit silently on the file and waits for it.
bool RegeditImport(const std::string& file) {
  const std::u16string line = base::Utf8ToUtf16("regedit.exe /s \"" + file + "\"");
  std::wstring command(line.begin(), line.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  const bool done = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return done;
}

class RealJournal : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.DeleteKeyTree(RegRoot::CurrentUser, kKey);
    auto key = registry.CreateKey(RegRoot::CurrentUser, kKey);
    key->SetValue("Text", RegValue::String("alt"));
    key->SetValue("Bin", RegValue::Binary({1, 2, 0}));
    key->SetValue("Pfad", RegValue::String("%WINDIR%\\x", os::kRegExpandSz));
    auto tree = registry.CreateKey(RegRoot::CurrentUser, std::string(kKey) + "\\Baum\\Ast");
    tree->SetValue("Liste", RegValue::MultiString({"a", "ä"}));
    tree->SetValue("", RegValue::Dword(7));
    folder = os::JoinPath(TempFolder(), "KalmoraJournal");
    files.MakeDirectory(folder);
    file = os::JoinPath(folder, "Boot.ini");
    files.WriteFile(file, "[boot loader]\r\n");
    files.SetAttributes(file, os::kAttrReadOnly | os::kAttrHidden | os::kAttrArchive);
  }
  void TearDown() override {
    registry.DeleteKeyTree(RegRoot::CurrentUser, kKey);
    for (const char* name : {"Boot.ini", "Neu.txt", "a.reg", "b.reg"}) {
      const std::string path = os::JoinPath(folder, name);
      files.SetAttributes(path, os::kAttrNormal);
      files.RemoveFile(path);
    }
    files.RemoveEmptyDirectory(folder);
  }

  // The test key as text; with the test folder's files unless only the registry is asked for.
  std::string State(bool withFiles = true) {
    std::string out;
    if (auto key = registry.OpenKey(RegRoot::CurrentUser, kKey, os::RegAccess::Read)) {
      testing_support::KeySnapshot(*key, kKey, out);
    }
    return withFiles ? out + testing_support::FilesSnapshot(files, folder) : out;
  }

  void Change() {
    auto key = journaled.OpenKey(RegRoot::CurrentUser, kKey, os::RegAccess::ReadWrite);
    key->SetValue("Text", RegValue::String("neu"));
    key->SetValue("Bin", RegValue::Dword(1));
    key->DeleteValue("Pfad");
    key->CreateSubKey("Kind\\Enkel")->SetValue("X", RegValue::String("ü"));
    journaled.DeleteKeyTree(RegRoot::CurrentUser, std::string(kKey) + "\\Baum");
    journaledFiles.ReplaceKeepingAttributes(file, "[boot loader]\r\ntimeout=5\r\n");
    journaledFiles.WriteFile(os::JoinPath(folder, "Neu.txt"), "neu");
  }

  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  journal::Journal journal{registry, files};
  journal::JournalingRegistry journaled{registry, journal};
  journal::JournalingFileSystem journaledFiles{files, journal};
  std::string folder;
  std::string file;
};

TEST_F(RealJournal, UndoAndRegeditImportsOfTheExportsTakeTheRealRegistryBackAndForth) {
  const std::string before = State();
  const std::string registryBefore = State(false);
  Change();
  const std::optional<journal::ChangeSet> set = journal.Close();
  ASSERT_TRUE(set);
  const std::string after = State();
  const std::string registryAfter = State(false);
  ASSERT_NE(after, before);
  EXPECT_TRUE(journal::FindConflicts(*set, registry, files).empty());
  EXPECT_TRUE(journal::Undo(*set, journaled, journaledFiles));
  const std::optional<journal::ChangeSet> undo = journal.Close();
  EXPECT_EQ(State(), before);
  ASSERT_TRUE(undo);
  EXPECT_TRUE(journal::Undo(*undo, journaled, journaledFiles));
  journal.Close();
  EXPECT_EQ(State(), after);

  // The files of the set are not in a registry file: only the key goes back and forth.
  const std::string changes = os::JoinPath(folder, "a.reg");
  const std::string previous = os::JoinPath(folder, "b.reg");
  const std::string changesText = os::EncodeRegFile(
      journal::ExportChanges({*set}, os::RegFileFormat::Regedit5), os::RegFileFormat::Regedit5);
  files.WriteFile(changes, changesText);
  files.WriteFile(previous,
                  os::EncodeRegFile(journal::ExportPrevious({*set}, os::RegFileFormat::Regedit4),
                                    os::RegFileFormat::Regedit4));
  ASSERT_TRUE(RegeditImport(previous));
  EXPECT_EQ(State(false), registryBefore);
  ASSERT_TRUE(RegeditImport(changes));
  EXPECT_EQ(State(false), registryAfter);

  // For the import into a prefix that never saw this key (./test.sh): the export and what the
  // key must hold there.
  const std::string artifacts = EnvPath("KALMORA_ARTIFACTS");
  if (!artifacts.empty()) {
    EXPECT_TRUE(files.WriteFile(os::JoinPath(artifacts, "journal-changes.reg"), changesText));
    EXPECT_TRUE(files.WriteFile(os::JoinPath(artifacts, "journal-after.txt"), registryAfter));
  }
}

// Run by ./test.sh in a fresh prefix after regedit imported journal-changes.reg there: the key
// holds what the set left, and nothing of what it removed.
TEST(FreshPrefix, HoldsWhatTheImportedChangeSetLeft) {
  const std::string expected = EnvPath("KALMORA_FRESH_IMPORT");
  if (expected.empty()) GTEST_SKIP() << "only in a fresh prefix after the import";
  win32::Win32FileSystem files;
  std::string wanted;
  ASSERT_TRUE(files.ReadFile(expected, wanted)) << expected;
  win32::Win32Registry registry;
  auto key = registry.OpenKey(RegRoot::CurrentUser, kKey, os::RegAccess::Read);
  ASSERT_TRUE(key) << "regedit made no key";
  std::string imported;
  testing_support::KeySnapshot(*key, kKey, imported);
  EXPECT_EQ(imported, wanted);
  registry.DeleteKeyTree(RegRoot::CurrentUser, kKey);
}

}  // namespace
