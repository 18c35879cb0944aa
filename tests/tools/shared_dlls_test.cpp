// The shared-DLL cleaner: the counts listed with their files' icons, removal of counts alone
// and of counts with their files through the shell's recycle bin.
#include "tools/shared_dlls.h"
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;

constexpr const char* kShared = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

class SharedDllTest : public ToolTest {
 protected:
  void SetUp() override {
    Start();
    Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\SharedDLLs]
"C:\\WINNT\\System32\\mfc42.dll"=dword:00000003
"C:\\Programme\\Gemeinsam\\alt.ocx"=hex:05,00,00,00
"C:\\Programme\\Gemeinsam\\weg.dll"=dword:00000001
)");
  }
  bool Counted(const std::string& path) {
    return ValueExists(RegRoot::LocalMachine, kShared, path);
  }
  void RemoveEntries(const std::vector<int>& rows, bool yes = true) {
    SelectRows(rows);
    AnswerConfirmKeeping(yes);
    ClickButton(0);
  }
};

TEST_F(SharedDllTest, ListsEveryFileWithItsCountAndIcon) {
  shell.iconIndex = 42;
  Select("Gemeinsame DLL-Dateien");
  EXPECT_EQ(Captions(),
            (Texts{"C:\\WINNT\\System32\\mfc42.dll", "C:\\Programme\\Gemeinsam\\alt.ocx",
                   "C:\\Programme\\Gemeinsam\\weg.dll"}));
  EXPECT_EQ(Column(0), (Texts{"3", "5", "1"})) << "a 4-byte binary count reads like a DWORD";
  EXPECT_EQ(shell.iconQueries, Captions());
  for (int i = 0; i < List().Count(); ++i) EXPECT_EQ(List().Item(i)->ImageIndex(), 42);
  ASSERT_TRUE(List().SmallImages());
  EXPECT_EQ(List().SmallImages()->shared, ui::ImageList::Shared::SystemSmall);
  EXPECT_EQ(form->Labels[10]->Caption(), "Gemeinsame Dll-dateien");
  EXPECT_FALSE(form->Panel5->Visible());
  EXPECT_EQ(form->BitBtns[0]->Caption(), "Eintrag löschen...");
  EXPECT_EQ(form->BitBtns[1]->Caption(), "Datei löschen...");
  EXPECT_EQ(form->RichEdit2->Text(),
            "Es folgt die Auflistung aller dem System bekannten DLL-Dateien. 'Eintrag löschen' "
            "entfernt nur den Eintrag aus der Registrierung. 'Datei löschen' entfernt  die Datei "
            "von der Festplatte in den Papierkorb  und aus der Registrierungsdatei.");
}

TEST_F(SharedDllTest, CountsOfOtherShapesShowNoNumber) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\SharedDLLs]
"C:\\a.dll"="7"
"C:\\b.dll"=hex:01,00,00,00,00,00,00,00
"C:\\c.dll"=hex:02,01
"C:\\d.dll"=dword:ffffffff
)");
  Select("Gemeinsame DLL-Dateien");
  const Texts counts = Column(0);
  ASSERT_EQ(counts.size(), 7u);
  EXPECT_EQ(counts[3], "") << "a string";
  EXPECT_EQ(counts[4], "") << "more than four bytes";
  EXPECT_EQ(counts[5], "258") << "fewer bytes are the low ones";
  EXPECT_EQ(counts[6], "-1");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SharedDllTest, RemovingEntriesDeletesTheSelectedValuesOnly) {
  files.AddFile("C:\\Programme\\Gemeinsam\\weg.dll", "MZ");
  Select("Gemeinsame DLL-Dateien");
  RemoveEntries({0, 2});
  EXPECT_EQ(confirmMessage, "Wollen Sie den Registrierungseintrag wirklich entfernen ?");
  EXPECT_FALSE(Counted("C:\\WINNT\\System32\\mfc42.dll"));
  EXPECT_TRUE(Counted("C:\\Programme\\Gemeinsam\\alt.ocx"));
  EXPECT_FALSE(Counted("C:\\Programme\\Gemeinsam\\weg.dll"));
  EXPECT_TRUE(files.Exists("C:\\Programme\\Gemeinsam\\weg.dll")) << "the file stays";
  EXPECT_TRUE(shell.recycled.empty());
  EXPECT_EQ(Captions(), (Texts{"C:\\Programme\\Gemeinsam\\alt.ocx"}));
}

TEST_F(SharedDllTest, AnEntryWhoseValueWentMeanwhileLeavesTheList) {
  Select("Gemeinsame DLL-Dateien");
  registry.OpenKey(RegRoot::LocalMachine, kShared, os::RegAccess::ReadWrite)
      ->DeleteValue("C:\\Programme\\Gemeinsam\\alt.ocx");
  RemoveEntries({1});
  EXPECT_EQ(List().Count(), 2);
  EXPECT_TRUE(Counted("C:\\WINNT\\System32\\mfc42.dll"));
}

TEST_F(SharedDllTest, NoEntryGoesWithoutSelectionOrAgreement) {
  Select("Gemeinsame DLL-Dateien");
  ClickButton(0);
  ClickButton(1);
  EXPECT_EQ(Confirmations(), 0);
  EXPECT_TRUE(shell.recycled.empty());
  RemoveEntries({1}, false);
  EXPECT_TRUE(Counted("C:\\Programme\\Gemeinsam\\alt.ocx"));
  EXPECT_EQ(List().Count(), 3);
}

TEST_F(SharedDllTest, DeletingFilesSendsAllSelectedToTheRecycleBinInOneOperation) {
  Select("Gemeinsame DLL-Dateien");
  SelectRows({2, 0, 1});
  ClickButton(1);
  EXPECT_EQ(Confirmations(), 0) << "the shell asks itself";
  ASSERT_EQ(shell.recycled.size(), 1u);
  EXPECT_EQ(shell.recycled[0],
            (Texts{"C:\\WINNT\\System32\\mfc42.dll", "C:\\Programme\\Gemeinsam\\alt.ocx",
                   "C:\\Programme\\Gemeinsam\\weg.dll"}))
      << "in list order";
  EXPECT_FALSE(Counted("C:\\WINNT\\System32\\mfc42.dll"));
  EXPECT_FALSE(Counted("C:\\Programme\\Gemeinsam\\alt.ocx"));
  EXPECT_FALSE(Counted("C:\\Programme\\Gemeinsam\\weg.dll"));
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(SharedDllTest, OnlyTheSelectedFilesGo) {
  Select("Gemeinsame DLL-Dateien");
  SelectRows({1});
  ClickButton(1);
  ASSERT_EQ(shell.recycled.size(), 1u);
  EXPECT_EQ(shell.recycled[0], (Texts{"C:\\Programme\\Gemeinsam\\alt.ocx"}));
  EXPECT_TRUE(Counted("C:\\WINNT\\System32\\mfc42.dll"));
  EXPECT_FALSE(Counted("C:\\Programme\\Gemeinsam\\alt.ocx"));
  EXPECT_EQ(Captions(),
            (Texts{"C:\\WINNT\\System32\\mfc42.dll", "C:\\Programme\\Gemeinsam\\weg.dll"}));
}

TEST_F(SharedDllTest, ACancelledOrFailedShellOperationRemovesNothing) {
  for (const os::RecycleResult result : {os::RecycleResult::Cancelled, os::RecycleResult::Failed}) {
    shell.recycleResult = result;
    Select("Gemeinsame DLL-Dateien");
    SelectRows({0, 1});
    ClickButton(1);
    EXPECT_TRUE(Counted("C:\\WINNT\\System32\\mfc42.dll"));
    EXPECT_TRUE(Counted("C:\\Programme\\Gemeinsam\\alt.ocx"));
    EXPECT_EQ(List().Count(), 3);
    EXPECT_EQ(List().SelCount(), 2) << "the selection stays for another try";
  }
  EXPECT_EQ(shell.recycled.size(), 2u);
}

TEST_F(SharedDllTest, AMissingKeyIsAnEmptyList) {
  registry.DeleteKeyTree(RegRoot::LocalMachine, kShared);
  Select("Gemeinsame DLL-Dateien");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, kShared));
}

}  // namespace
