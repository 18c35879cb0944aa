// The journal in the running program: each apply and tool action is one change set named by its
// node, and "Rückgängig machen" in the "Änderungsprotokoll" window puts the registry and the files
// back byte for byte — for a check page, an edit page that deletes values, a slider, a tool that
// deletes key trees and tools that write and delete files.
#include "journal_fixture.h"

namespace {

using os::RegRoot;
using testing_support::JournalPagesTest;
using testing_support::kJournalFolder;

TEST_F(JournalPagesTest, EachApplyIsOneSetNamedByItsNodeAndUndoingPutsItBack) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer]
"NoAddPrinter"=dword:00000001
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Winlogon]
"DefaultDomainName"="BUERO"
"DefaultUserName"="Anwender"
"DefaultPassword"="geheim"
"AutoAdminLogon"="1"
)");
  StartJournaled();
  const std::string start = State();
  Open(133);  // a page of check boxes in both roots
  SetChecks({true, false, true, false, true, true});
  ClickApply();
  const std::string checked = State();
  ASSERT_NE(checked, start);
  Open(64);  // edits; an empty password deletes two values
  form->Edits[2]->UserType("");
  ClickApply();
  Open(82);  // a slider
  const std::string sliderNode = form->StatusBar1->Panel(1).text;
  form->Sliders[0]->UserSetValue(25);
  ClickApply();
  ASSERT_EQ(Value(RegRoot::LocalMachine,
                  "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultPassword"),
            std::nullopt);

  InJournalWindow();
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed[0].substr(0, 19), "2026-12-06 12:00:00");
  EXPECT_NE(listed[0].find(sliderNode), std::string::npos) << listed[0];
  const auto password =
      std::find(listed.begin(), listed.end(),
                "  HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows "
                "NT\\CurrentVersion\\Winlogon\\DefaultPassword: \"geheim\" → (nicht vorhanden)");
  ASSERT_NE(password, listed.end()) << ::testing::PrintToString(listed);
  const auto header = std::find_if(std::make_reverse_iterator(password), listed.rend(),
                                   [](const std::string& line) { return line[0] != ' '; });
  ASSERT_NE(header, listed.rend());
  EXPECT_NE(header->find("   (2 Änderungen)"), std::string::npos) << *header;

  UndoNewest();   // the slider
  UndoNewest(2);  // the edits, below the undo set now newest and the slider's
  EXPECT_EQ(Value(RegRoot::LocalMachine,
                  "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultPassword")
                ->AsString(),
            "geheim");
  EXPECT_EQ(State(), checked);
  UndoNewest(4);  // the check page: the oldest set
  EXPECT_EQ(State(), start);

  InJournalWindow();
  ASSERT_FALSE(listed.empty());
  EXPECT_NE(listed[0].find("Rückgängig: "), std::string::npos) << listed[0];
  EXPECT_TRUE(backend.Dialogs().Messages().empty());
}

TEST_F(JournalPagesTest, AnUndoIsASetOfItsOwnThatCanBeUndone) {
  StartJournaled();
  Open(126);  // a check box that makes or deletes an empty value
  const std::string before = State();
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  const std::string after = State();
  UndoNewest();
  EXPECT_EQ(State(), before);
  UndoNewest();  // the undo itself
  EXPECT_EQ(State(), after);
}

TEST_F(JournalPagesTest, ChangesMadeSinceAreListedAndOverwrittenOnlyOnYes) {
  StartJournaled();
  Open(82);
  const std::string before = State();
  form->Sliders[0]->UserSetValue(25);
  ClickApply();
  const std::string key = "System\\CurrentControlSet\\Services\\LanmanServer\\Parameters";
  registry.OpenKey(RegRoot::LocalMachine, key, os::RegAccess::ReadWrite)
      ->SetValue("DiskSpaceThreshold", os::RegValue::Dword(40));
  backend.Dialogs().AnswerMessage(ui::mrNo);
  UndoNewest();
  ASSERT_EQ(backend.Dialogs().Messages().size(), 1u);
  EXPECT_EQ(backend.Dialogs().Messages()[0].text,
            "Seit dieser Änderung wurde Folgendes verändert:\n\n"
            "HKEY_LOCAL_MACHINE\\" +
                key +
                "\\DiskSpaceThreshold: nach der Änderung 0x00000019 (25), jetzt 0x00000028 "
                "(40)\n\nSollen diese Stellen trotzdem auf den früheren Stand gesetzt werden?");
  EXPECT_EQ(Dword(RegRoot::LocalMachine, key, "DiskSpaceThreshold"), 40u);
  backend.Dialogs().AnswerMessage(ui::mrYes);
  UndoNewest();
  EXPECT_EQ(State(), before);
}

TEST_F(JournalPagesTest, DeletedUninstallKeysComeBackWithEverythingBelowThem) {
  const std::string uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  Seed("[HKEY_LOCAL_MACHINE\\" + uninstall + "\\Alt]\n\"DisplayName\"=\"Altes Spiel\"\n" +
       "\"UninstallString\"=\"a.exe\"\n\"Groesse\"=hex:00,01,02\n" + "[HKEY_LOCAL_MACHINE\\" +
       uninstall + "\\Alt\\Teile\\Mehr]\n@=\"x\"\n");
  StartJournaled();
  Select("Uninstaller");
  const std::string before = State();
  List().UserClickItem(0);
  AnswerConfirm(true);
  ClickApply();
  ASSERT_FALSE(KeyExists(RegRoot::LocalMachine, uninstall + "\\Alt"));
  UndoNewest();
  EXPECT_EQ(State(), before);
}

TEST_F(JournalPagesTest, DirectXFilesAndKeysComeBackWithTheirAttributesAndTheBackupGoes) {
  Seed(R"(
[HKEY_LOCAL_MACHINE\Software\Microsoft\DirectX]
"Version"="4.08.01.0881"
[HKEY_LOCAL_MACHINE\Software\Microsoft\DirectX\Sub]
"Wert"=dword:00000001
)");
  files.AddFile("C:\\WINNT\\System32\\dpwsockx.dll", "dp", os::kAttrReadOnly | os::kAttrSystem);
  files.AddFile("C:\\WINNT\\System32\\ddraw.dll", "dd");
  StartJournaled();
  Select("DirectX deinstallieren");
  const std::string before = State();
  AnswerConfirm(true);
  ClickApply();
  ASSERT_FALSE(files.Exists("C:\\WINNT\\System32\\dpwsockx.dll"));
  UndoNewest();
  EXPECT_EQ(State(), before);
  EXPECT_EQ(files.GetAttributes("C:\\WINNT\\System32\\dpwsockx.dll"),
            os::kAttrReadOnly | os::kAttrSystem);
}

TEST_F(JournalPagesTest, AutostartEntriesComeBackFromTheRegistryAndFromWinIni) {
  Seed(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"Zeta"="z.exe"
"Mitte"=hex(2):25,00,77,00,00,00
)");
  // 8-bit bytes, a bare LF and attributes without the archive bit must all come back.
  const std::string winIni = "[windows]\r\nWallpaper=Bild\xE4.bmp\r\nrun=c:\\a.exe\nload=\r\n";
  files.AddFile("C:\\WINNT\\Win.ini", winIni, os::kAttrReadOnly | os::kAttrHidden);
  StartJournaled();
  const std::string before = State();
  Select("AutoRun Programme(Current User)");
  List().UserClickItem(1);
  AnswerConfirm(true);
  form->BitBtns[0]->UserClick();
  ASSERT_FALSE(
      Value(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Mitte"));
  Select("AutoRun Win.ini");
  List().UserClickItem(0);
  AnswerConfirm(true);
  form->BitBtns[0]->UserClick();
  std::string bytes;
  ASSERT_TRUE(files.ReadFile("C:\\WINNT\\Win.ini", bytes));
  ASSERT_NE(bytes, winIni);
  UndoNewest();   // Win.ini
  UndoNewest(2);  // the Run value, below the undo and the Win.ini set
  EXPECT_EQ(State(), before);
}

TEST_F(JournalPagesTest, BootIniComesBackWithItsContentAndAttributes) {
  const std::string original =
      "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r\n"
      "[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows 2000\"\r\n";
  files.AddFile("C:\\Boot.ini", original, 0x27);
  StartJournaled();
  Select("Systemstart");  // opening makes the file normal: a set of its own
  const std::string opened = State();
  form->SpinEdits[0]->UserStep(-20);
  ClickApply();
  ASSERT_NE(State(), opened);
  UndoNewest();
  EXPECT_EQ(State(), opened);
  UndoNewest(2);  // the opening, below the undo and the apply
  std::string bytes;
  EXPECT_TRUE(files.ReadFile("C:\\Boot.ini", bytes));
  EXPECT_EQ(bytes, original);
  EXPECT_EQ(files.GetAttributes("C:\\Boot.ini"), 0x27u);
}

TEST_F(JournalPagesTest, StartUpAndTheWindowsPlaceAreTheProgramsOwnAndNotJournaled) {
  StartJournaled();
  // Start-up stores the shell icons it finds missing, the closing window its place and size.
  ASSERT_EQ(Str(RegRoot::LocalMachine,
                "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons", "107"),
            "C:\\WINNT\\SYSTEM32\\SHELL32.DLL,107");
  Open(126);
  form->Form().SetBounds({1, 2, 700, 500});
  form->Form().Close();
  ASSERT_EQ(Str(RegRoot::CurrentUser, "Software\\Kalmora2x\\Options\\ScreenSettings", "left"), "1");
  InJournalWindow();
  EXPECT_EQ(listed, std::vector<std::string>{});
}

TEST_F(JournalPagesTest, AChangeBeforeTheWindowPaintedIsStoredAndStartUpsOwnAreNot) {
  // The store opens once the window has painted; a page used before that opens it first.
  form = std::make_unique<shell::TForm1>(journaled, app::AllPages());
  form->AttachJournal(journal);
  form->FormCreate();
  EXPECT_FALSE(files.DirectoryExists(kJournalFolder)) << "not before the paint";
  Open(126);
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  ASSERT_TRUE(files.DirectoryExists(kJournalFolder));
  const auto stored = files.ListDirectory(kJournalFolder);
  ASSERT_TRUE(stored);
  EXPECT_FALSE(stored->empty()) << "the set of the apply is stored";
  InJournalWindow();
  EXPECT_EQ(listed.size(), 2u) << "the set with its one change; the shell icons written on the way "
                                  "are the program's own";
}

TEST_F(JournalPagesTest, ASetThatCannotBeStoredIsTracedAndTheProgramGoesOn) {
  StartJournaled();
  Open(126);
  ASSERT_TRUE(files.RemoveEmptyDirectory(kJournalFolder));  // gone while the program runs
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  ExpectTraced("not stored in " + std::string(kJournalFolder));
  EXPECT_TRUE(backend.Dialogs().Messages().empty()) << "nothing for the user to decide";
  EXPECT_EQ(Status(), "Änderungen übernommen");

  files.AddDirectory(kJournalFolder);
  const std::string before = State();
  form->CheckBoxes[0]->UserClick();
  ClickApply();
  InJournalWindow();
  ASSERT_EQ(listed.size(), 2u) << "the later set alone, with its one change";
  UndoNewest();
  EXPECT_EQ(State(), before);
}

}  // namespace
