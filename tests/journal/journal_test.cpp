// The change journal on in-memory services: what a change set holds, undo (and undo of the undo)
// back to the exact bytes, conflicts, the stored files and their limits, and the .reg exports.
#include <gtest/gtest.h>

#include "journal/journal.h"
#include "journal/journal_format.h"
#include "journal/journal_store.h"
#include "journal/journaling_files.h"
#include "journal/journaling_registry.h"
#include "journal/reg_export.h"
#include "journal/undo.h"
#include "os/reg_file.h"
#include "os/shell.h"
#include "snapshot.h"

namespace {

using journal::Change;
using journal::ChangeSet;
using os::RegRoot;
using os::RegValue;
using testing_support::FilesSnapshot;
using testing_support::RegistrySnapshot;

// A shell whose recycle bin takes the files off the disk, as the real one does.
class RecyclingShell : public os::MemoryShell {
 public:
  explicit RecyclingShell(os::FileSystem& files) : files_(files) {}
  os::RecycleResult RecycleFiles(const std::vector<std::string>& paths) override {
    for (const std::string& path : paths) files_.RemoveFile(path);
    return os::RecycleResult::Done;
  }

 private:
  os::FileSystem& files_;
};

class JournalTest : public ::testing::Test {
 protected:
  JournalTest() {
    os::RegFileError error;
    EXPECT_TRUE(os::ImportRegFile(registry, R"(REGEDIT4

[HKEY_CURRENT_USER\Software\Test]
"Text"="alt"
"Bin"=hex:01,02,00
"Pfad"=hex(2):25,57,49,4e,44,49,52,25,00
"Leer"=""

[HKEY_LOCAL_MACHINE\Software\Baum\Ast]
"Zahl"=dword:00000007
@="Standard"

[HKEY_LOCAL_MACHINE\Software\Baum\Ast\Blatt]
"Liste"=hex(7):61,00,62,00,00
)",
                                  error))
        << error.message;
    files.AddFile("C:\\Boot.ini", "[boot loader]\r\n", 0x27);
    files.AddFile("C:\\WINNT\\Win.ini", "[windows]\r\n");
    files.AddFile("C:\\WINNT\\Alt.dll", "MZ alt");
    files.AddFile("C:\\WINNT\\Quelle.dll", "MZ neu");
    journal.SetOrigin([] {
      return journal::Origin{"2026-12-06 12:00:00", "Testseite", "Anwender"};
    });
  }

  // A user action on the registry: every kind of change, through paths and through open keys.
  void ChangeRegistry() {
    auto test = journaled.OpenKey(RegRoot::CurrentUser, "Software\\Test", os::RegAccess::ReadWrite);
    test->SetValue("Text", RegValue::String("neu"));
    test->SetValue("Bin", RegValue::Dword(1));  // another type under the same name
    test->DeleteValue("Pfad");
    test->SetValue("Neu", RegValue::String("da"));
    test->CreateSubKey("Kind\\Enkel")->SetValue("X", RegValue::Dword(2));
    journaled.CreateKey(RegRoot::LocalMachine, "Software\\Neu\\Tief\\Unten");
    journaled.DeleteKeyTree(RegRoot::LocalMachine, "Software\\Baum");
  }

  void ChangeFiles() {
    journaledFiles.ReplaceKeepingAttributes("C:\\Boot.ini", "[boot loader]\r\ntimeout=5\r\n");
    journaledFiles.WriteFile("C:\\WINNT\\Neu.txt", "neu");
    journaledFiles.RemoveFile("C:\\WINNT\\Win.ini");
    journaledFiles.Copy("C:\\WINNT\\Quelle.dll", "C:\\WINNT\\Alt.dll");
    journaledFiles.MakeDirectory("C:\\Ordner");
    shell.RecycleFiles({"C:\\WINNT\\Quelle.dll"});
  }

  std::string State() { return RegistrySnapshot(registry) + FilesSnapshot(files, "C:\\"); }

  ChangeSet CloseSet(std::optional<std::string> label = std::nullopt) {
    std::optional<ChangeSet> set = journal.Close(std::move(label));
    EXPECT_TRUE(set);
    return set.value_or(ChangeSet{});
  }

  os::MemoryRegistry registry;
  os::MemoryFileSystem files;
  journal::Journal journal{registry, files};
  journal::JournalingRegistry journaled{registry, journal};
  journal::JournalingFileSystem journaledFiles{files, journal};
  RecyclingShell recycler{files};
  journal::JournalingShell shell{recycler, journal};
  base::TraceLog trace;
};

TEST_F(JournalTest, ASetHoldsEachTargetOnceWithItsFirstStateBefore) {
  ChangeRegistry();
  auto test = journaled.OpenKey(RegRoot::CurrentUser, "Software\\Test", os::RegAccess::ReadWrite);
  test->SetValue("Text", RegValue::String("noch neuer"));
  const ChangeSet set = CloseSet();
  EXPECT_EQ(set.label, "Testseite");
  EXPECT_EQ(set.user, "Anwender");
  EXPECT_EQ(set.time, "2026-12-06 12:00:00");
  std::vector<std::string> lines;
  for (const Change& change : set.changes) lines.push_back(journal::Describe(change));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "HKEY_CURRENT_USER\\Software\\Test\\Text: \"alt\" → \"noch neuer\"",
                "HKEY_CURRENT_USER\\Software\\Test\\Bin: 01 02 00 → 0x00000001 (1)",
                "HKEY_CURRENT_USER\\Software\\Test\\Pfad: \"%WINDIR%\" → (nicht vorhanden)",
                "HKEY_CURRENT_USER\\Software\\Test\\Neu: (nicht vorhanden) → \"da\"",
                "HKEY_CURRENT_USER\\Software\\Test\\Kind: Schlüssel nicht vorhanden → vorhanden",
                "HKEY_CURRENT_USER\\Software\\Test\\Kind\\Enkel: Schlüssel nicht vorhanden → "
                "vorhanden",
                "HKEY_CURRENT_USER\\Software\\Test\\Kind\\Enkel\\X: (nicht vorhanden) → "
                "0x00000002 (2)",
                "HKEY_LOCAL_MACHINE\\Software\\Neu: Schlüssel nicht vorhanden → vorhanden",
                "HKEY_LOCAL_MACHINE\\Software\\Neu\\Tief: Schlüssel nicht vorhanden → vorhanden",
                "HKEY_LOCAL_MACHINE\\Software\\Neu\\Tief\\Unten: Schlüssel nicht vorhanden → "
                "vorhanden",
                "HKEY_LOCAL_MACHINE\\Software\\Baum: Schlüssel vorhanden → gelöscht"}));
  const Change& tree = set.changes.back();
  ASSERT_TRUE(tree.keyBefore);
  ASSERT_EQ(tree.keyBefore->subKeys.size(), 1u);
  EXPECT_EQ(tree.keyBefore->subKeys[0].name, "Ast");
  EXPECT_EQ(tree.keyBefore->subKeys[0].values.size(), 2u);
  EXPECT_EQ(tree.keyBefore->subKeys[0].subKeys[0].values[0].second.type, os::kRegMultiSz);
}

TEST_F(JournalTest, NothingChangedMakesNoSet) {
  auto test = journaled.OpenKey(RegRoot::CurrentUser, "Software\\Test", os::RegAccess::ReadWrite);
  test->SetValue("Text", RegValue::String("alt"));
  test->SetValue("Neu", RegValue::String("kurz"));
  test->DeleteValue("Neu");
  journaled.CreateKey(RegRoot::CurrentUser, "Software\\Test");
  journaled.DeleteKeyTree(RegRoot::CurrentUser, "Software\\Fehlt");
  journaled.CreateKey(RegRoot::CurrentUser, "Software\\Kurz");
  journaled.DeleteKeyTree(RegRoot::CurrentUser, "Software\\Kurz");
  journaledFiles.WriteFile("C:\\WINNT\\Win.ini", "[windows]\r\n");
  EXPECT_FALSE(journal.Close());
  EXPECT_FALSE(journal.HasOpenSet());
}

TEST_F(JournalTest, UndoPutsBackEveryByteAndCanItselfBeUndone) {
  const std::string before = State();
  ChangeRegistry();
  ChangeFiles();
  const ChangeSet set = CloseSet();
  const std::string after = State();
  ASSERT_NE(after, before);
  EXPECT_TRUE(journal::FindConflicts(set, registry, files).empty());

  EXPECT_TRUE(journal::Undo(set, journaled, journaledFiles));
  const ChangeSet undo = CloseSet("Rückgängig: Testseite");
  EXPECT_EQ(State(), before);
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), 0x27u);

  EXPECT_TRUE(journal::Undo(undo, journaled, journaledFiles));
  CloseSet();
  EXPECT_EQ(State(), after);
}

TEST_F(JournalTest, ConflictsNameWhatChangedSinceAndUndoOverwritesThem) {
  const std::string before = State();
  ChangeRegistry();
  ChangeFiles();
  const ChangeSet set = CloseSet();
  registry.OpenKey(RegRoot::CurrentUser, "Software\\Test", os::RegAccess::ReadWrite)
      ->SetValue("Text", RegValue::String("fremd"));
  registry.CreateKey(RegRoot::LocalMachine, "Software\\Baum");
  files.WriteFile("C:\\WINNT\\Neu.txt", "anders");
  EXPECT_EQ(journal::FindConflicts(set, registry, files),
            (std::vector<std::string>{
                "HKEY_CURRENT_USER\\Software\\Test\\Text: nach der Änderung \"neu\", jetzt "
                "\"fremd\"",
                "HKEY_LOCAL_MACHINE\\Software\\Baum: nach der Änderung Schlüssel nicht "
                "vorhanden, jetzt Schlüssel vorhanden",
                "C:\\WINNT\\Neu.txt: nach der Änderung 3 Bytes, jetzt 6 Bytes"}));
  EXPECT_TRUE(journal::Undo(set, journaled, journaledFiles));
  EXPECT_EQ(State(), before);
}

// --- the stored journal --------------------------------------------------------------------------

class JournalStoreTest : public JournalTest {
 protected:
  JournalStoreTest() { files.AddDirectory(kFolder); }

  ChangeSet Action(const std::string& text) {
    journaled.CreateKey(RegRoot::CurrentUser, "Software\\Test")
        ->SetValue("Text", RegValue::String(text));
    return CloseSet();
  }
  std::vector<uint32_t> Ids(const std::vector<ChangeSet>& sets) {
    std::vector<uint32_t> ids;
    for (const ChangeSet& set : sets) ids.push_back(set.id);
    return ids;
  }

  static constexpr const char* kFolder = "C:\\Journal";
};

TEST_F(JournalStoreTest, SetsComeBackWholeNewestFirst) {
  journal::JournalStore store(files, kFolder);
  journal.SetStore(&store, trace);
  ChangeRegistry();
  ChangeFiles();
  const ChangeSet first = CloseSet();
  const ChangeSet second = Action("zwei");
  EXPECT_EQ(Ids({first, second}), (std::vector<uint32_t>{1, 2}));
  const std::vector<ChangeSet> loaded = store.Load();
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0], second);
  EXPECT_EQ(loaded[1], first);
  EXPECT_TRUE(files.Exists("C:\\Journal\\00000001.k2j"));
}

TEST_F(JournalStoreTest, AFileCutShortOrDamagedIsPassedOverAndTheOlderStay) {
  journal::JournalStore store(files, kFolder);
  journal.SetStore(&store, trace);
  Action("eins");
  const ChangeSet two = Action("zwei");
  const std::string whole = journal::EncodeChangeSet(two);
  files.WriteFile("C:\\Journal\\00000003.k2j", whole.substr(0, whole.size() - 3));
  std::string damaged = whole;
  damaged[damaged.size() / 2] ^= 0x20;
  files.WriteFile("C:\\Journal\\00000004.k2j", damaged);
  files.WriteFile("C:\\Journal\\00000005.k2j", whole.substr(0, 10));
  EXPECT_EQ(Ids(store.Load()), (std::vector<uint32_t>{2, 1}));
  // The next set takes a number after the broken files and is read again.
  EXPECT_EQ(Action("drei").id, 6u);
  EXPECT_EQ(Ids(store.Load()), (std::vector<uint32_t>{6, 2, 1}));
}

TEST_F(JournalStoreTest, PastItsLimitsTheOldestSetsGoButNeverTheNewest) {
  journal::JournalStore bySets(files, kFolder, {3, 1 << 20});
  journal.SetStore(&bySets, trace);
  for (const char* text : {"1", "2", "3", "4", "5"}) Action(text);
  EXPECT_EQ(Ids(bySets.Load()), (std::vector<uint32_t>{5, 4, 3}));
  EXPECT_FALSE(files.Exists("C:\\Journal\\00000002.k2j"));

  journal::JournalStore byBytes(files, kFolder, {200, 10});
  journal.SetStore(&byBytes, trace);
  Action("6");
  EXPECT_EQ(Ids(byBytes.Load()), (std::vector<uint32_t>{6}));
}

// --- registry files ------------------------------------------------------------------------------

class RegExportTest : public ::testing::Test {
 protected:
  static ChangeSet Set() {
    ChangeSet set;
    set.id = 7;
    Change text = Change::Value(RegRoot::CurrentUser, "Software\\Test", "Text");
    text.valueBefore = RegValue::String("alt");
    text.valueAfter = RegValue::String("neu");
    Change number = Change::Value(RegRoot::CurrentUser, "Software\\Test", "Zahl");
    number.valueAfter = RegValue::Dword(5);
    Change gone = Change::Value(RegRoot::CurrentUser, "Software\\Test", "Weg");
    gone.valueBefore = RegValue::String("x");
    Change made = Change::Key(RegRoot::CurrentUser, "Software\\Neu");
    made.keyAfter = true;
    Change deleted = Change::Key(RegRoot::LocalMachine, "Software\\Alt");
    deleted.keyBefore = journal::KeyTree{
        "Alt", {{"A", RegValue::Dword(1)}}, {{"Unter", {{"B", RegValue::String("b")}}, {}}}};
    Change inside = Change::Value(RegRoot::LocalMachine, "Software\\Alt\\Unter", "B");
    inside.valueBefore = RegValue::String("b");
    set.changes = {text, number, gone, made, inside, deleted};
    return set;
  }
};

TEST_F(RegExportTest, TheChangesAsVersion5WithDeletedKeysLast) {
  EXPECT_EQ(journal::ExportChanges({Set()}, os::RegFileFormat::Regedit5),
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n"
            "\"Text\"=\"neu\"\r\n"
            "\"Zahl\"=dword:00000005\r\n"
            "\"Weg\"=-\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Neu]\r\n"
            "\r\n[-HKEY_LOCAL_MACHINE\\Software\\Alt]\r\n"
            "\r\n");
}

TEST_F(RegExportTest, ThePreviousValuesAsRegedit4InUndoOrderWithTheWholeTree) {
  EXPECT_EQ(journal::ExportPrevious({Set()}, os::RegFileFormat::Regedit4),
            "REGEDIT4\r\n"
            "\r\n[-HKEY_LOCAL_MACHINE\\Software\\Alt]\r\n"
            "\r\n[HKEY_LOCAL_MACHINE\\Software\\Alt]\r\n"
            "\"A\"=dword:00000001\r\n"
            "\r\n[HKEY_LOCAL_MACHINE\\Software\\Alt\\Unter]\r\n"
            "\"B\"=\"b\"\r\n"
            "\"B\"=\"b\"\r\n"  // the value's own change, undone after the tree came back
            "\r\n[-HKEY_CURRENT_USER\\Software\\Neu]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n"
            "\"Weg\"=\"x\"\r\n"
            "\"Zahl\"=-\r\n"
            "\"Text\"=\"alt\"\r\n"
            "\r\n");
}

// Both files, imported by our own reader, take a registry from one state to the other.
TEST_F(JournalTest, ExportsImportedTakeTheRegistryThereAndBack) {
  os::MemoryRegistry copy;
  os::RegFileError error;
  ASSERT_TRUE(
      os::ImportRegFile(copy, os::ExportRegText(registry, RegRoot::LocalMachine, ""), error));
  ASSERT_TRUE(os::ImportRegFile(copy, os::ExportRegText(registry, RegRoot::Users, ""), error));
  const std::string before = RegistrySnapshot(registry);
  ASSERT_EQ(RegistrySnapshot(copy), before);
  ChangeRegistry();
  const ChangeSet set = CloseSet();
  ASSERT_TRUE(
      os::ImportRegFile(copy, journal::ExportChanges({set}, os::RegFileFormat::Regedit5), error))
      << error.message;
  EXPECT_EQ(RegistrySnapshot(copy), RegistrySnapshot(registry));
  ASSERT_TRUE(
      os::ImportRegFile(copy, journal::ExportPrevious({set}, os::RegFileFormat::Regedit4), error))
      << error.message;
  EXPECT_EQ(RegistrySnapshot(copy), before);
}

}  // namespace
