// The autostart manager: the Run-key pages, the Win.ini page and the Autostart folder page.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;
using namespace std::string_literals;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AutoRunRegistryTest : public ToolTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(AutoRunRegistryTest, EachPageListsItsOwnKeyBelowItsOwnRoot) {
  // One value per key and root, named after its place; RunonceEx of the user has no page.
  std::string seed;
  for (const char* key : {"Run", "RunOnce", "RunOnceEx", "RunServices"}) {
    for (const char* root : {"LOCAL_MACHINE", "CURRENT_USER"}) {
      seed += "[HKEY_"s + root + "\\Software\\Microsoft\\Windows\\CurrentVersion\\" + key +
              "]\n\"" + root + " " + key + "\"=\"x.exe\"\n";
    }
  }
  Seed(seed);
  const std::pair<const char*, const char*> pages[] = {
      {"AutoRun Programe", "LOCAL_MACHINE Run"},
      {"AutoRun Programme(Current User)", "CURRENT_USER Run"},
      {"AutoRunonce(HKLM)", "LOCAL_MACHINE RunOnce"},
      {"AutoRunonce(HKCU)", "CURRENT_USER RunOnce"},
      {"AutoRunOnceEx", "LOCAL_MACHINE RunOnceEx"},
      {"AutoRun Services", "LOCAL_MACHINE RunServices"},
      {"AutoRun Services (Current User)", "CURRENT_USER RunServices"},
  };
  for (const auto& [node, listed] : pages) {
    Select(node);
    EXPECT_EQ(Captions(), Texts{listed}) << node;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AutoRunRegistryTest, RemovingDeletesExactlyTheSelectedValueOfThePageShown) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Tray"="lm.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"Zeta"="z.exe"
"Tray"="\"C:\\Programme\\A B\\t.exe\" /min"
"Mitte"=hex(2):25,00,77,00,00,00
)");
  Select("AutoRun Programe");  // the machine's page first: the next one must switch back
  Select("AutoRun Programme(Current User)");
  EXPECT_EQ(Captions(), (Texts{"Zeta", "Tray", "Mitte"})) << "in registry order";
  EXPECT_EQ(Column(0), (Texts{"z.exe", "\"C:\\Programme\\A B\\t.exe\" /min", "%w"}));
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 0) << "nothing selected, nothing asked";
  SelectRows({1});
  AnswerConfirmKeeping(false);
  ClickButton(0);
  EXPECT_TRUE(ValueExists(RegRoot::CurrentUser, kRun, "Tray"));
  EXPECT_EQ(Status(), "");
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie den Eintrag\nTray\nwirklich aus der Autorun-Routine entfernen?");
  EXPECT_FALSE(ValueExists(RegRoot::CurrentUser, kRun, "Tray"));
  EXPECT_TRUE(ValueExists(RegRoot::CurrentUser, kRun, "Zeta"));
  EXPECT_TRUE(ValueExists(RegRoot::LocalMachine, kRun, "Tray")) << "the other root is untouched";
  EXPECT_EQ(Captions(), (Texts{"Zeta", "Mitte"})) << "the list is read again";
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(AutoRunRegistryTest, AValueTheUserMayNotRemoveStaysListedAndIsNamedInAnError) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Virenschutz"="av.exe"
"Tray"="t.exe"
)");
  registry.DenyChanges(RegRoot::LocalMachine, kRun);
  Select("AutoRun Programe");
  SelectRows({0});
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_TRUE(ValueExists(RegRoot::LocalMachine, kRun, "Virenschutz"));
  EXPECT_EQ(Shown(), (Texts{"Fehler: Der Eintrag\nVirenschutz\nkonnte nicht entfernt "
                            "werden.\n\nMöglicherweise fehlen "
                            "Ihnen die Rechte, die Registrierung an dieser Stelle zu ändern."}));
  EXPECT_EQ(Messages()[0].icon, ui::MsgIcon::Error);
  EXPECT_EQ(Status(), "") << "nothing was applied";
  EXPECT_EQ(Captions(), (Texts{"Virenschutz", "Tray"}));
}

TEST_F(AutoRunRegistryTest, AMissingKeyIsAnEmptyListAndStaysMissing) {
  Select("AutoRunOnceEx");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(
      KeyExists(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\RunonceEx"));
}

TEST_F(AutoRunRegistryTest, AValueThatIsNoStringEndsTheListWithTheRegistryError) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Erst"="a.exe"
"Zahl"=dword:00000001
"Danach"="b.exe"
)");
  Select("AutoRun Programe");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
  EXPECT_EQ(Captions(), (Texts{"Erst", "Zahl"})) << "nothing after the faulty value";
  EXPECT_TRUE(form->BitBtns[0]) << "the page is complete";
}

class WinIniTest : public ToolTest {
 protected:
  static constexpr const char* kPath = "C:\\WINNT\\Win.ini";
  void SetUp() override { Start(); }
  void Open(const std::string& bytes, uint32_t attributes = os::kAttrArchive) {
    files.AddFile(kPath, bytes, attributes);
    Select("AutoRun Win.ini");
  }
  void Remove(int row) {
    SelectRows({row});
    AnswerConfirmKeeping(true);
    ClickButton(0);
  }
};

TEST_F(WinIniTest, LoadAndRunValuesAreOneUpperCaseEntryEach) {
  Open(
      "[windows]\r\nload=\r\nrun=c:\\a.exe "
      "c:\\b.exe\r\nNullPort=None\r\nLOAD=Spool.exe\r\nrun=\r\n");
  EXPECT_EQ(Captions(), (Texts{"C:\\A.EXE C:\\B.EXE", "SPOOL.EXE"}));
}

TEST_F(WinIniTest, WithoutEntriesTheListSaysSoAndRemovingThatDoesNothing) {
  Open("[windows]\r\nload=\r\nrun=\r\n");
  ClickButton(0);
  EXPECT_EQ(Shown(), (Texts{"Hinweis: Sie müssen zuerst einen Eintrag markieren !"}));
  EXPECT_EQ(Captions(), (Texts{"Keine Einträge vorhanden"}));
  SelectRows({0});
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 0);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(files.Replacements(), 0);
}

TEST_F(WinIniTest, RemovingBlanksTheWholeLineAndKeepsEveryOtherByteAndTheAttributes) {
  // 8-bit text that is not valid UTF-8, a NUL byte, a bare LF line end; attributes without the
  // archive bit, which a newly written file would get.
  const uint32_t kept = os::kAttrReadOnly | os::kAttrHidden | os::kAttrSystem;
  Open(
      "[windows]\r\nWallpaper=Bild\xE4\x81.bmp\r\nrun=c:\\a.exe c:\\b.exe\nOdd=\x01\0\xFF\r\n"
      "Load=spool.exe\r\n"s,
      kept);
  Remove(0);
  EXPECT_EQ(confirmMessage,
            "Wollen Sie den Eintrag\nC:\\A.EXE C:\\B.EXE\nwirklich aus der Datei \"Win.ini\" "
            "entfernen?");
  EXPECT_EQ(
      FileBytes(kPath),
      "[windows]\r\nWallpaper=Bild\xE4\x81.bmp\r\nrun=\r\nOdd=\x01\0\xFF\r\nLoad=spool.exe\r\n"s);
  EXPECT_EQ(files.Replacements(), 1) << "written as a whole new file";
  EXPECT_EQ(files.GetAttributes(kPath), kept);
  EXPECT_EQ(Captions(), (Texts{"SPOOL.EXE"}));
  EXPECT_EQ(Status(), "Änderungen übernommen");
  Remove(0);
  EXPECT_EQ(FileBytes(kPath),
            "[windows]\r\nWallpaper=Bild\xE4\x81.bmp\r\nrun=\r\nOdd=\x01\0\xFF\r\nload=\r\n"s);
}

TEST_F(WinIniTest, TheFirstLineHoldingTheTextIsTheOneTouchedEvenIfItIsNoRunLine) {
  Open("; spool.exe wird geladen\r\n[windows]\r\nload=spool.exe\r\n");
  Remove(0);
  EXPECT_EQ(FileBytes(kPath), "; spool.exe wird geladen\r\n[windows]\r\nload=spool.exe\r\n");
  EXPECT_EQ(files.Replacements(), 1) << "the file is written all the same";
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(WinIniTest, AnEntryGoneMeanwhileIsReportedAndNothingIsWritten) {
  Open("[windows]\r\nrun=a.exe\r\n");
  files.AddFile(kPath, "[windows]\r\nrun=b.exe\r\n");
  Remove(0);
  EXPECT_EQ(Shown(),
            (Texts{"Information: Fehler beim Entfernen des Eintrags !\nAktion abgebrochen.  "}));
  EXPECT_EQ(files.Replacements(), 0);
  EXPECT_EQ(Status(), "");
}

TEST_F(WinIniTest, AFileThatCannotBeReadIsReported) {
  Select("AutoRun Win.ini");
  EXPECT_EQ(Shown(),
            (Texts{"Kalmora2x: Die Datei C:\\WINNT\\Win.ini kann nicht geöffnet werden."}));
  EXPECT_TRUE(form->BitBtns[0]) << "the page is complete";
}

TEST_F(WinIniTest, AFileInUseKeepsTheEntryAndTheUserIsTold) {
  Open("[windows]\r\nrun=a.exe\r\nload=b.exe\r\n");
  files.SetInUse(kPath);
  Remove(1);
  EXPECT_EQ(FileBytes(kPath), "[windows]\r\nrun=a.exe\r\nload=b.exe\r\n");
  EXPECT_EQ(files.GetAttributes(kPath), os::kAttrArchive);
  EXPECT_EQ(
      Shown(),
      (Texts{
          "Fehler: Der Eintrag\nB.EXE\nkonnte nicht entfernt werden.\n\nDie Datei \"Win.ini\" "
          "konnte "
          "nicht geschrieben werden. Möglicherweise wird sie gerade verwendet, oder Ihnen fehlen "
          "die Rechte, sie zu ändern."}));
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(Captions(), (Texts{"A.EXE", "B.EXE"}));
}

class AutoStartFolderTest : public ToolTest {
 protected:
  static constexpr const char* kCommon =
      "C:\\Documents and Settings\\All Users\\Startmenü\\Programme\\Autostart";
  static constexpr const char* kUser =
      "C:\\Documents and Settings\\Anwender\\Startmenü\\Programme\\Autostart";
  void SetUp() override { Start(); }
  // Which of the four links the test puts in the user's folder are still there.
  Texts UserFolder() {
    Texts names;
    for (const char* name : {"A.lnk", "B.lnk", "C.lnk", "D.lnk"}) {
      if (files.Exists(kUser + "\\"s + name)) names.push_back(name);
    }
    return names;
  }
};

TEST_F(AutoStartFolderTest, ListsBothFoldersEntryByEntry) {
  files.AddFile(std::string(kCommon) + "\\Scanner.lnk", "");
  files.AddDirectory(std::string(kCommon) + "\\Ordner");
  files.AddFile(std::string(kUser) + "\\desktop.ini", "", os::kAttrHidden);
  Select("Autostart");
  EXPECT_EQ(Captions(), (Texts{"Ordner", "Scanner.lnk", "desktop.ini"}));
  EXPECT_EQ(Column(0), (Texts{kCommon, kCommon, kUser}));
}

TEST_F(AutoStartFolderTest, TheShellsFoldersWinOverTheGermanNames) {
  const std::string common = "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup";
  const std::string user = "C:\\Documents and Settings\\Anwender\\Start Menu\\Programs\\Startup";
  shell.specialFolders[0x18] = common;
  shell.specialFolders[0x07] = user;
  files.AddFile(common + "\\Scanner.lnk", "");
  files.AddFile(user + "\\Mail.lnk", "");
  files.AddFile(std::string(kUser) + "\\Alt.lnk", "");
  Select("Autostart");
  EXPECT_EQ(Captions(), (Texts{"Scanner.lnk", "Mail.lnk"}));
  EXPECT_EQ(Column(0), (Texts{common, user}));
}

TEST_F(AutoStartFolderTest, RemovingDeletesTheSelectedFilesExceptThoseInUse) {
  for (const char* name : {"\\A.lnk", "\\B.lnk", "\\C.lnk", "\\D.lnk"}) {
    files.AddFile(kUser + ""s + name, "");
  }
  files.SetInUse(kUser + "\\B.lnk"s);
  files.SetInUse(kUser + "\\D.lnk"s);
  Select("Autostart");
  ClickApply();
  EXPECT_EQ(Confirmations(), 0) << "nothing selected, nothing asked";
  SelectRows({0, 1, 3});
  AnswerConfirmKeeping(false);
  ClickApply();
  EXPECT_EQ(List().Count(), 4);
  AnswerConfirmKeeping(true);
  ClickApply();
  EXPECT_EQ(confirmMessage, "Wollen Sie markierten Einträge wirklich entfernen ?");
  EXPECT_EQ(UserFolder(), (Texts{"B.lnk", "C.lnk", "D.lnk"})) << "C.lnk was not selected";
  EXPECT_EQ(Captions(), (Texts{"B.lnk", "C.lnk", "D.lnk"}));
  EXPECT_EQ(
      Shown(),
      (Texts{
          "Fehler: Folgende Einträge konnten nicht entfernt werden:\nB.lnk\nD.lnk\n\nDateien, die "
          "gerade verwendet werden oder für die Ihnen die Rechte fehlen, lassen sich nicht "
          "löschen."}));
}

}  // namespace
