// The autostart manager: the Run-key pages, the Win.ini page and the Autostart folder page.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;

using Texts = std::vector<std::string>;
using namespace std::string_literals;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// --- the registry pages -------------------------------------------------------------------------

class AutoRunRegistryTest : public ToolTest {
 protected:
  void SetUp() override { Start(); }
};

struct RunPage {
  const char* node;
  const char* headline;
  const char* descriptionStart;
  Texts listed;
};

TEST_F(AutoRunRegistryTest, EachPageListsItsOwnKeyBelowItsOwnRoot) {
  // Every key of both roots holds one value named after the place; RunonceEx below
  // HKEY_CURRENT_USER has no page.
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"lm-run"="a.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"cu-run"="b.exe"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\RunOnce]
"lm-once"="c.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\RunOnce]
"cu-once"="d.exe"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\RunOnceEx]
"lm-once-ex"="e.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\RunOnceEx]
"cu-once-ex"="f.exe"
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\RunServices]
"lm-services"="g.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\RunServices]
"cu-services"="h.exe"
)");
  const RunPage pages[] = {
      {"AutoRun Programe", "AutoRun (HKLM)", "Diese Programme werden immer", {"lm-run"}},
      {"AutoRun Programme(Current User)",
       "AutoRun (HKCU)",
       "Diese Programme werden nur",
       {"cu-run"}},
      {"AutoRunonce(HKLM)", "Runonce (HKLM)", "Diese Programme werden nur", {"lm-once"}},
      {"AutoRunonce(HKCU)", "Runonce (HKCU)", "Diese Programme werden nur", {"cu-once"}},
      {"AutoRunOnceEx", "RunonceEx (HKLM)", "Diese Programme werden nur", {"lm-once-ex"}},
      {"AutoRun Services",
       "AutoRunServices (HKLM)",
       "Diese Systemprogramme werden immer",
       {"lm-services"}},
      {"AutoRun Services (Current User)",
       "AutoRunServices (HKCU)",
       "Diese Systemprogramme werden nur",
       {"cu-services"}},
  };
  for (const RunPage& page : pages) {
    SCOPED_TRACE(page.node);
    Select(page.node);
    EXPECT_EQ(form->Labels[10]->Caption(), page.headline);
    EXPECT_EQ(form->RichEdit2->Text().rfind(page.descriptionStart, 0), 0u)
        << form->RichEdit2->Text();
    EXPECT_TRUE(form->RichEdit2->Visible());
    EXPECT_FALSE(form->Panel5->Visible()) << "the page has its own button";
    EXPECT_EQ(Captions(), page.listed);
    ASSERT_TRUE(form->BitBtns[0]);
    EXPECT_EQ(form->BitBtns[0]->Caption(), "Entfernen");
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AutoRunRegistryTest, TheLayoutAndTheFirstDescription) {
  Select("AutoRun Programe");
  EXPECT_EQ(form->RichEdit2->Lines(),
            (Texts{"Diese Programme werden immer beim Start des Computers ausgeführt. ",
                   "Um ein Programm zu entfernen, markieren Sie den Eintrag und klicken",
                   "dann auf \"Entfernen\""}));
  ui::ListView& list = List();
  EXPECT_EQ(list.Bounds(), (ui::Rect{10, 50, 420, 140}));
  EXPECT_EQ(list.Style(), ui::ViewStyle::Report);
  EXPECT_FALSE(list.MultiSelect());
  EXPECT_EQ(list.SmallImages(), &form->ImageList4);
  ASSERT_EQ(list.Columns().size(), 2u);
  EXPECT_EQ(list.Columns()[0], (ui::ListColumn{"Programm", 200}));
  EXPECT_EQ(list.Columns()[1], (ui::ListColumn{"Befehlszeile", 200}));
  EXPECT_EQ(form->BitBtns[0]->Bounds(), (ui::Rect{10, 200, 120, 25}));
}

TEST_F(AutoRunRegistryTest, ValuesAreListedInRegistryOrderWithTheirCommands) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Zeta"="z.exe"
"Alpha"="\"C:\\Programme\\A B\\a.exe\" /min"
"Mitte"=hex(2):25,00,77,00,00,00
)");
  Select("AutoRun Programe");
  EXPECT_EQ(Captions(), (Texts{"Zeta", "Alpha", "Mitte"}));
  EXPECT_EQ(Column(0), (Texts{"z.exe", "\"C:\\Programme\\A B\\a.exe\" /min", "%w"}));
  for (int i = 0; i < List().Count(); ++i) EXPECT_EQ(List().Item(i)->ImageIndex(), 6);
}

TEST_F(AutoRunRegistryTest, RemovingDeletesExactlyTheSelectedValueOfThePageShown) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Tray"="lm.exe"
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"Messenger"="m.exe"
"Tray"="cu.exe"
"Sync"="s.exe"
)");
  Select("AutoRun Programe");  // the machine's page first: the next page must switch back
  Select("AutoRun Programme(Current User)");
  SelectRows({1});
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_EQ(confirmCaption, "Löschen bestätigen");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie den Eintrag\nTray\nwirklich aus der Autorun-Routine entfernen?");
  EXPECT_FALSE(ValueExists(RegRoot::CurrentUser, kRun, "Tray"));
  EXPECT_TRUE(ValueExists(RegRoot::CurrentUser, kRun, "Messenger"));
  EXPECT_TRUE(ValueExists(RegRoot::CurrentUser, kRun, "Sync"));
  EXPECT_TRUE(ValueExists(RegRoot::LocalMachine, kRun, "Tray")) << "the other root is untouched";
  EXPECT_EQ(Captions(), (Texts{"Messenger", "Sync"})) << "the list is read again";
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(AutoRunRegistryTest, TheKeyStaysWhenItsLastValueIsRemoved) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\RunServices]
"Dienst"="svc.exe"
)");
  Select("AutoRun Services");
  SelectRows({0});
  AnswerConfirmKeeping(true);
  ClickButton(0);
  EXPECT_TRUE(KeyExists(RegRoot::LocalMachine,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"));
  EXPECT_FALSE(ValueExists(RegRoot::LocalMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices", "Dienst"));
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(AutoRunRegistryTest, NoRemovalWithoutSelectionOrAgreement) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]
"Tray"="lm.exe"
)");
  Select("AutoRun Programe");
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 0) << "nothing selected, nothing asked";

  SelectRows({0});
  AnswerConfirmKeeping(false);
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 1);
  EXPECT_TRUE(ValueExists(RegRoot::LocalMachine, kRun, "Tray"));
  EXPECT_EQ(Captions(), (Texts{"Tray"}));
  EXPECT_EQ(Status(), "");
}

TEST_F(AutoRunRegistryTest, AMissingKeyIsAnEmptyListAndStaysMissing) {
  Select("AutoRunOnceEx");
  EXPECT_EQ(List().Count(), 0);
  ClickButton(0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Confirmations(), 0);
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
  EXPECT_NE(Messages()[0].text.find("Zahl"), std::string::npos) << Messages()[0].text;
  ASSERT_GE(List().Count(), 1);
  EXPECT_EQ(List().Item(0)->SubItem(0), "a.exe");
  EXPECT_EQ(Captions().back(), "Zahl") << "nothing after the faulty value";
  EXPECT_TRUE(form->BitBtns[0]) << "the page is complete";
}

// --- Win.ini
// --------------------------------------------------------------------------------------

class WinIniTest : public ToolTest {
 protected:
  static constexpr const char* kPath = "C:\\WINNT\\Win.ini";
  void SetUp() override { Start(); }
  void Open(const std::string& bytes) {
    files.AddFile(kPath, bytes);
    Select("AutoRun Win.ini");
  }
  std::string FileBytes() {
    std::string bytes;
    EXPECT_TRUE(files.ReadFile(kPath, bytes));
    return bytes;
  }
  int RowOf(const std::string& caption) {
    const Texts captions = Captions();
    const auto it = std::find(captions.begin(), captions.end(), caption);
    EXPECT_NE(it, captions.end()) << caption;
    return static_cast<int>(it - captions.begin());
  }
  void Remove(const std::string& caption, bool yes = true) {
    SelectRows({RowOf(caption)});
    AnswerConfirmKeeping(yes);
    ClickButton(0);
  }
};

TEST_F(WinIniTest, LoadAndRunValuesAreOneUpperCaseEntryEach) {
  Open(
      "[windows]\r\nload=\r\nrun=c:\\tools\\a.exe c:\\tools\\b.exe\r\nNullPort=None\r\n"
      "LOAD=Spooler.exe\r\n[Desktop]\r\nrun=\r\n");
  EXPECT_EQ(Captions(), (Texts{"C:\\TOOLS\\A.EXE C:\\TOOLS\\B.EXE", "SPOOLER.EXE"}));
  for (int i = 0; i < List().Count(); ++i) EXPECT_EQ(List().Item(i)->ImageIndex(), 7);
  EXPECT_EQ(form->Labels[10]->Caption(), "AutoRun-Einträge in der Win.ini ");
  EXPECT_EQ(form->RichEdit2->Text(), "AutoRun-Einträge in der Win.ini ");
  EXPECT_FALSE(form->Panel5->Visible());
  EXPECT_EQ(List().Style(), ui::ViewStyle::List);
  EXPECT_EQ(List().Bounds(), (ui::Rect{10, 70, 400, 80}));
  EXPECT_EQ(List().SmallImages(), &form->ImageList4);
}

TEST_F(WinIniTest, WithoutEntriesTheListSaysSoAndRemovingThatDoesNothing) {
  Open("[windows]\r\nload=\r\nrun=\r\nDevice=Drucker\r\n");
  EXPECT_EQ(Captions(), (Texts{"Keine Einträge vorhanden"}));
  EXPECT_EQ(List().Item(0)->ImageIndex(), 7);
  SelectRows({0});
  ClickButton(0);
  EXPECT_EQ(Confirmations(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(files.Replacements(), 0);
}

TEST_F(WinIniTest, RemovingWithoutSelectionAsksForOne) {
  Open("[windows]\r\nrun=a.exe\r\n");
  ClickButton(0);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Sie müssen zuerst einen Eintrag markieren !");
  EXPECT_EQ(Messages()[0].caption, "Hinweis");
  EXPECT_EQ(Messages()[0].icon, ui::MsgIcon::Information);
  EXPECT_EQ(Confirmations(), 0);
}

TEST_F(WinIniTest, RemovingBlanksTheWholeLineAndKeepsEveryOtherByte) {
  // Lines in 8-bit text that is not valid UTF-8, a NUL byte and a bare LF line end.
  Open(
      "[windows]\r\nWallpaper=Bild\xE4\x81.bmp\r\nrun=c:\\a.exe c:\\b.exe\nOdd=\x01\0\xFF\r\n"
      "load=spooler.exe\r\n"s);
  Remove("C:\\A.EXE C:\\B.EXE");
  EXPECT_EQ(confirmMessage,
            "Wollen Sie den Eintrag\nC:\\A.EXE C:\\B.EXE\nwirklich aus der Datei \"Win.ini\" "
            "entfernen?");
  EXPECT_EQ(
      FileBytes(),
      "[windows]\r\nWallpaper=Bild\xE4\x81.bmp\r\nrun=\r\nOdd=\x01\0\xFF\r\nload=spooler.exe\r\n"s);
  EXPECT_EQ(files.Replacements(), 1) << "written as a whole new file";
  EXPECT_EQ(Captions(), (Texts{"SPOOLER.EXE"}));
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(WinIniTest, ALoadLineBecomesAnEmptyLoadLine) {
  Open("[windows]\nLoad=Spooler.exe\nrun=x.exe\n");
  Remove("SPOOLER.EXE");
  EXPECT_EQ(FileBytes(), "[windows]\r\nload=\r\nrun=x.exe\r\n");
  EXPECT_EQ(Captions(), (Texts{"X.EXE"}));
}

TEST_F(WinIniTest, EntriesWithUmlautsAreShownAndFound) {
  Open(
      "[windows]\r\nrun=c:\\programme\\\xFC"
      "bung.exe\r\n");
  EXPECT_EQ(Captions(), (Texts{"C:\\PROGRAMME\\ÜBUNG.EXE"}));
  Remove("C:\\PROGRAMME\\ÜBUNG.EXE");
  EXPECT_EQ(FileBytes(), "[windows]\r\nrun=\r\n");
}

TEST_F(WinIniTest, TheFirstLineHoldingTheTextIsTheOneTouchedEvenIfItIsNoRunLine) {
  Open("; spooler.exe wird geladen\r\n[windows]\r\nload=spooler.exe\r\n");
  Remove("SPOOLER.EXE");
  EXPECT_EQ(FileBytes(), "; spooler.exe wird geladen\r\n[windows]\r\nload=spooler.exe\r\n");
  EXPECT_EQ(files.Replacements(), 1) << "the file is written all the same";
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(Captions(), (Texts{"SPOOLER.EXE"}));
}

TEST_F(WinIniTest, AnEntryGoneMeanwhileIsReportedAndNothingIsWritten) {
  Open("[windows]\r\nrun=a.exe\r\n");
  files.AddFile(kPath, "[windows]\r\nrun=b.exe\r\n");
  Remove("A.EXE");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Fehler beim Entfernen des Eintrags !\nAktion abgebrochen.  ");
  EXPECT_EQ(Messages()[0].caption, "Information");
  EXPECT_EQ(FileBytes(), "[windows]\r\nrun=b.exe\r\n");
  EXPECT_EQ(files.Replacements(), 0);
  EXPECT_EQ(Status(), "");
}

TEST_F(WinIniTest, SayingNoLeavesTheFileAlone) {
  Open("[windows]\r\nrun=a.exe\r\n");
  Remove("A.EXE", false);
  EXPECT_EQ(FileBytes(), "[windows]\r\nrun=a.exe\r\n");
  EXPECT_EQ(files.Replacements(), 0);
  EXPECT_EQ(Captions(), (Texts{"A.EXE"}));
}

TEST_F(WinIniTest, AMissingFileIsReportedWithItsPath) {
  Select("AutoRun Win.ini");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Die Datei C:\\WINNT\\Win.ini kann nicht geöffnet werden.");
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(form->BitBtns[0]) << "the page is complete";
}

TEST_F(WinIniTest, AFileThatCannotBeWrittenIsReportedAndStaysAsItWas) {
  files.AddFile(kPath, "[windows]\r\nrun=a.exe\r\n", os::kAttrReadOnly);
  Select("AutoRun Win.ini");
  Remove("A.EXE");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Kalmora2x");
  EXPECT_EQ(FileBytes(), "[windows]\r\nrun=a.exe\r\n");
  EXPECT_EQ(Status(), "");
}

// --- the Autostart folders
// ------------------------------------------------------------------------

class AutoStartFolderTest : public ToolTest {
 protected:
  static constexpr const char* kCommon =
      "C:\\Documents and Settings\\All Users\\Startmenü\\Programme\\Autostart";
  static constexpr const char* kUser =
      "C:\\Documents and Settings\\Anwender\\Startmenü\\Programme\\Autostart";
  void SetUp() override { Start(); }
  void Apply(bool yes) {
    AnswerConfirmKeeping(yes);
    ClickApply();
  }
};

TEST_F(AutoStartFolderTest, ListsBothFoldersEntryByEntry) {
  files.AddFile(std::string(kCommon) + "\\Virenscanner.lnk", "");
  files.AddDirectory(std::string(kCommon) + "\\Ordner");
  files.AddFile(std::string(kUser) + "\\desktop.ini", "", os::kAttrHidden);
  files.AddFile(std::string(kUser) + "\\Mail.lnk", "");
  Select("Autostart");
  EXPECT_EQ(Captions(), (Texts{"Ordner", "Virenscanner.lnk", "desktop.ini", "Mail.lnk"}));
  EXPECT_EQ(Column(0), (Texts{kCommon, kCommon, kUser, kUser}));
  EXPECT_EQ(form->Labels[10]->Caption(), "Programme im Autostart Ordner");
  EXPECT_EQ(form->RichEdit2->Text(), "Programme im Autostart Ordner");
  EXPECT_TRUE(form->Panel5->Visible()) << "the apply button removes";
  EXPECT_TRUE(List().MultiSelect());
  EXPECT_EQ(form->PageBuilding, 1);
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

TEST_F(AutoStartFolderTest, OneFolderForBothIsListedOnce) {
  const std::string folder = "C:\\Profile\\Startup";
  shell.specialFolders[0x18] = folder;
  shell.specialFolders[0x07] = "c:\\profile\\startup";
  files.AddFile(folder + "\\Mail.lnk", "");
  Select("Autostart");
  EXPECT_EQ(Captions(), (Texts{"Mail.lnk"}));
}

TEST_F(AutoStartFolderTest, RemovingDeletesTheSelectedFilesAndTheirRows) {
  files.AddFile(std::string(kCommon) + "\\A.lnk", "");
  files.AddFile(std::string(kUser) + "\\B.lnk", "");
  files.AddFile(std::string(kUser) + "\\C.lnk", "");
  Select("Autostart");
  SelectRows({0, 2});
  Apply(true);
  EXPECT_EQ(confirmMessage, "Wollen Sie markierten Einträge wirklich entfernen ?");
  EXPECT_FALSE(files.Exists(std::string(kCommon) + "\\A.lnk"));
  EXPECT_TRUE(files.Exists(std::string(kUser) + "\\B.lnk"));
  EXPECT_FALSE(files.Exists(std::string(kUser) + "\\C.lnk"));
  EXPECT_EQ(Captions(), (Texts{"B.lnk"}));
}

TEST_F(AutoStartFolderTest, NothingGoesWithoutSelectionOrAgreement) {
  files.AddFile(std::string(kUser) + "\\B.lnk", "");
  Select("Autostart");
  ClickApply();
  EXPECT_EQ(Confirmations(), 0);
  SelectRows({0});
  Apply(false);
  EXPECT_TRUE(files.Exists(std::string(kUser) + "\\B.lnk"));
  EXPECT_EQ(Captions(), (Texts{"B.lnk"}));
}

TEST_F(AutoStartFolderTest, ARowGoesEvenWhenItsFileCannot) {
  files.AddFile(std::string(kUser) + "\\Fest.lnk", "", os::kAttrReadOnly);
  Select("Autostart");
  SelectRows({0});
  Apply(true);
  EXPECT_TRUE(files.Exists(std::string(kUser) + "\\Fest.lnk"));
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AutoStartFolderTest, MissingFoldersGiveAnEmptyList) {
  Select("Autostart");
  EXPECT_EQ(List().Count(), 0);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
