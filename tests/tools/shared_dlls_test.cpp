// The shared-DLL cleaner: the counts listed with their files' icons, removal of counts alone
// and of counts with their files through the shell's recycle bin.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;

constexpr const char* kShared = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
constexpr const char* kMfc = "C:\\WINNT\\System32\\mfc42.dll";
constexpr const char* kOcx = "C:\\Programme\\Gemeinsam\\alt.ocx";
constexpr const char* kWeg = "C:\\Programme\\Gemeinsam\\weg.dll";

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
  // The files still counted, in the registry's order.
  Texts Counts() {
    auto key = registry.OpenKey(RegRoot::LocalMachine, kShared, os::RegAccess::Read);
    return key ? key->ValueNames() : Texts{};
  }
};

TEST_F(SharedDllTest, ListsEveryFileWithItsCountAndIcon) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\SharedDLLs]
"C:\\a.dll"="7"
"C:\\b.dll"=hex:01,00,00,00,00,00,00,00
"C:\\c.dll"=hex:02,01
)");
  shell.iconIndex = 42;
  Select("Gemeinsame DLL-Dateien");
  EXPECT_EQ(Captions(), (Texts{kMfc, kOcx, kWeg, "C:\\a.dll", "C:\\b.dll", "C:\\c.dll"}));
  // A 4-byte binary count reads like a DWORD, a shorter one as far as it goes; others show none.
  EXPECT_EQ(Column(0), (Texts{"3", "5", "1", "", "", "258"}));
  EXPECT_EQ(shell.iconQueries, Captions());
  EXPECT_EQ(List().Item(2)->ImageIndex(), 42);
  EXPECT_FALSE(form->Panel5->Visible());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SharedDllTest, RemovingEntriesDeletesTheSelectedValuesOnly) {
  files.AddFile(kWeg, "MZ");
  Select("Gemeinsame DLL-Dateien");
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 0) << "nothing selected, nothing asked";
  SelectRows({0, 2});
  AnswerConfirmKeeping(false);
  ClickButton(0);
  EXPECT_TRUE(Counted(kMfc));
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_EQ(confirmMessage, "Wollen Sie den Registrierungseintrag wirklich entfernen ?");
  EXPECT_EQ(Counts(), (Texts{kOcx}));
  EXPECT_TRUE(files.Exists(kWeg)) << "the file stays";
  EXPECT_TRUE(shell.recycled.empty());
  EXPECT_EQ(Captions(), (Texts{kOcx}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SharedDllTest, DeletingFilesSendsTheSelectedToTheRecycleBinInOneOperation) {
  Select("Gemeinsame DLL-Dateien");
  SelectRows({2, 0});
  ClickButton(1);
  EXPECT_EQ(Confirmations(), 0) << "the shell asks itself";
  ASSERT_EQ(shell.recycled.size(), 1u);
  EXPECT_EQ(shell.recycled[0], (Texts{kMfc, kWeg})) << "in list order";
  EXPECT_EQ(Counts(), (Texts{kOcx}));
  EXPECT_EQ(Captions(), (Texts{kOcx}));
}

TEST_F(SharedDllTest, ACancelledOrFailedShellOperationRemovesNothing) {
  for (const os::RecycleResult result : {os::RecycleResult::Cancelled, os::RecycleResult::Failed}) {
    shell.recycleResult = result;
    Select("Gemeinsame DLL-Dateien");
    SelectRows({0, 1});
    ClickButton(1);
    EXPECT_EQ(Counts(), (Texts{kMfc, kOcx, kWeg}));
    EXPECT_EQ(List().Count(), 3);
    Select("Uninstaller");
  }
  EXPECT_EQ(shell.recycled.size(), 2u);
  ASSERT_EQ(Messages().size(), 1u) << "a cancel is no error";
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_EQ(Messages()[0].text,
            "Folgende Einträge konnten nicht entfernt werden:\n" + std::string(kMfc) + "\n" + kOcx +
                "\n\nDas Verschieben in den Papierkorb ist fehlgeschlagen, daher bleibt die "
                "Registrierung unverändert.");
}

TEST_F(SharedDllTest, CountsTheUserMayNotRemoveStayAndAreNamedTheFirstTenOfThem) {
  std::string seed = "[HKEY_LOCAL_MACHINE\\" + std::string(kShared) + "]\n";
  for (char c = 'a'; c <= 'i'; ++c)
    seed += "\"C:\\\\" + std::string(1, c) + ".dll\"=dword:00000001\n";
  Seed(seed);
  registry.DenyChanges(RegRoot::LocalMachine, kShared);
  Select("Gemeinsame DLL-Dateien");
  ASSERT_EQ(List().Count(), 12);
  SelectRows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_TRUE(Counted(kMfc));
  EXPECT_EQ(List().Count(), 12);
  EXPECT_EQ(Shown(),
            (Texts{"Fehler: Folgende Einträge konnten nicht entfernt werden:\n" +
                   std::string(kMfc) + "\n" + kOcx + "\n" + kWeg +
                   "\nC:\\a.dll\nC:\\b.dll\nC:\\c.dll\nC:\\d.dll\nC:\\e.dll\nC:\\f.dll\n"
                   "C:\\g.dll\nund 2 weitere.\n\nMöglicherweise fehlen Ihnen die Rechte, die "
                   "Registrierung an dieser Stelle zu ändern."}));

  // The files went to the recycle bin; their counts cannot follow.
  SelectRows({2});
  ClickButton(1);
  ASSERT_EQ(shell.recycled.size(), 1u);
  EXPECT_TRUE(Counted(kWeg));
  EXPECT_EQ(List().Count(), 12);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text,
            "Der Eintrag\n" + std::string(kWeg) +
                "\nkonnte nicht entfernt werden.\n\nMöglicherweise fehlen Ihnen die Rechte, die "
                "Registrierung an dieser Stelle zu ändern.");
}

}  // namespace
