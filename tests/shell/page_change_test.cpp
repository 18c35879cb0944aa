// The page change: group pages, leaf pages, the toolbar's state, teardown of the previous page.
#include <map>
#include <string>

#include "page/page_table.h"
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

class PageChangeTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(PageChangeTest, GroupNodesShowTheGroupPage) {
  for (const char* group : {"Hardware", "Kalmora", "Priorität beim Druck"}) {
    Select(group);
    EXPECT_EQ(Status(1), group);
    EXPECT_TRUE(form->Image6->Visible()) << group;
    EXPECT_FALSE(form->RichEdit2->Visible()) << "no description";
    EXPECT_FALSE(form->Panel5->Visible()) << "no apply button";
    EXPECT_EQ(form->Label3->Caption(), group);
    ASSERT_EQ(form->PagePanel->Children().size(), 1u);
    EXPECT_EQ(form->PagePanel->Children()[0]->Kind(), ui::ControlKind::Image) << "the header";
    EXPECT_EQ(form->ToolButton6->Enabled(), std::string(group) != "Kalmora")
        << "up, not at the root";
  }
}

TEST_F(PageChangeTest, LeafPagesWithoutTheirPageSayWhatIsMissing) {
  // A window whose table has no builders: every leaf is one without its page.
  form = std::make_unique<shell::TForm1>(services, page::PageTable{});
  form->FormCreate();
  Select("Laufwerkssymbol ändern");
  EXPECT_FALSE(form->Image6->Visible());
  EXPECT_EQ(form->Labels[10]->Caption(), "Laufwerksymbol ändern");
  EXPECT_EQ(form->RichEdit2->Text(), page::kPageNotAvailable);
  EXPECT_FALSE(form->Panel5->Visible()) << "nothing pretends to work";
  EXPECT_EQ(form->Label3->Caption(), "Aktion") << "leaf pages leave the header caption alone";
  EXPECT_FALSE(form->Label3->Visible()) << "and do not show it";
}

TEST_F(PageChangeTest, NothingOfThePreviousPageSurvives) {
  Select("Tastatur");
  const int peersOnOnePage = backend.LivePeers();
  Select("Maus");
  Select("Tastatur");
  EXPECT_EQ(backend.LivePeers(), peersOnOnePage);
  EXPECT_EQ(form->Panel1->Children().size(), 6u) << "the fixed parts and one page panel";
}

TEST_F(PageChangeTest, EveryNodeCanBeSelected) {
  // Every Windows folder has a Win.ini; the page that reads it reports a missing one.
  files.AddFile("C:\\WINNT\\Win.ini", "[windows]\r\n");
  files.AddFile("C:\\Boot.ini", "[boot loader]\r\ntimeout=30\r\n");
  const std::map<int, std::string> statusOnOpening = {
      {35, "Änderungen übernommen"},  // the Control Panel list has written its markers back
      {148, "2 Ini-Dateien gefunden"}};
  for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
    form->TreeView1->UserClickNode(node);
    FinishFilling();
    EXPECT_EQ(Status(1), node->Text());
    EXPECT_EQ(form->SelectedNode, node);
    EXPECT_NE(form->RichEdit2->Text(), page::kPageNotAvailable) << node->Text() << " has a page";
    EXPECT_TRUE(form->PagePanel);
    const auto status = statusOnOpening.find(node->ImageIndex());
    EXPECT_EQ(Status(2), status == statusOnOpening.end() ? "" : status->second) << node->Text();
    EXPECT_EQ(backend.ScreenCursor(), ui::Cursor::Default);
  }
  // The system-file backup is only for a FAT Windows drive, and this one is NTFS.
  EXPECT_EQ(Shown(),
            std::vector<std::string>{"Hinweis: Diese Option ist nur für FAT/FAT32 verfügbar !"});
}

TEST_F(PageChangeTest, ABuilderThatFailsLeavesItsPageAsFarAsItGot) {
  form->Pages().Register(127, [](page::PageContext& f) {
    f.WorkText = "Tastatur";
    f.HeadLine("Tastatur");
    throw std::runtime_error("kaputt");
  });
  Select("Tastatur");
  EXPECT_EQ(form->Labels[10]->Caption(), "Tastatur");
  EXPECT_EQ(backend.ScreenCursor(), ui::Cursor::Default);
  ExpectTraced("TreeView1Change: kaputt");
  Select("Maus");
  EXPECT_EQ(Status(1), "Maus");
}

TEST_F(PageChangeTest, TheApplyButtonRunsTheBoundWriterAndTheStatusResets) {
  int writes = 0;
  form->Pages().Register(127, [&](page::PageContext& f) {
    f.BindApply([&] {
      ++writes;
      f.ReportApplied();
    });
  });
  Select("Tastatur");
  EXPECT_TRUE(form->Panel5->Visible());
  ClickApply();
  ClickApply();
  EXPECT_EQ(writes, 2);
  EXPECT_EQ(Status(), "Änderungen übernommen");
  Select("Maus");
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(form->Panel5->Visible()) << "a page without a writer hides the stale binding";
}

TEST_F(PageChangeTest, TreeContextMenuClosesAndOpensNodes) {
  ui::TreeNode* desktop = form->FindNodeRoot("Desktop");
  Select("Abstand der Desktopicons");
  EXPECT_TRUE(desktop->Expanded());
  form->PopupMenu6.Items().Find("Alle Knoten &schließen")->UserChoose();
  EXPECT_EQ(form->TreeView1->Selected(), form->TreeView1->Root(0));
  EXPECT_FALSE(form->TreeView1->Root(0)->Expanded());
  EXPECT_TRUE(desktop->Expanded()) << "children keep their own state";
  form->PopupMenu6.Items().Find("Alle Knoten &expandieren")->UserChoose();
  for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
    if (node->Count() > 0) {
      EXPECT_TRUE(node->Expanded()) << node->Text();
    }
  }
  Select("Hardware");
  form->PopupMenu6.Items().Find("Knoten sch&ießen")->UserChoose();
  EXPECT_FALSE(form->FindNodeRoot("Hardware")->Expanded());
}

TEST_F(PageChangeTest, TheToolbarsOtherButtons) {
  // Without the installed help file: a message instead of the shell's failure.
  form->ToolButton12->UserClick();
  EXPECT_TRUE(shell.executed.empty());
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_NE(Shown()[0].find("\"Kalmora2X.chm\" wurde im Programmordner nicht gefunden"),
            std::string::npos);

  files.AddFile("C:\\Programme\\Kalmora2x\\Kalmora2X.chm", "ITSF");
  form->ToolButton12->UserClick();
  ASSERT_EQ(shell.executed.size(), 1u);
  EXPECT_EQ(shell.executed[0].file, "C:\\Programme\\Kalmora2x\\Kalmora2X.chm")
      << "found from any working folder";

  Seed("[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]\n\"Shell Icon Size\"=\"40\"\n");
  form->ToolButton18->UserClick();
  EXPECT_EQ(
      Value(os::RegRoot::CurrentUser, "Control Panel\\Desktop\\WindowMetrics", "Shell Icon Size"),
      os::RegValue::String("40"))
      << "the user's size comes back";
  EXPECT_EQ(shell.broadcasts.size(), 4u);
  EXPECT_EQ(shell.broadcasts[0], (std::pair<unsigned, std::string>{42, "WindowMetrics"}));

  form->PopupMenu9.Items().Find("&Herunterfahren")->UserChoose();
  form->PopupMenu9.Items().Find("&Abmelden")->UserChoose();
  form->PopupMenu9.Items().Find("&Neu starten")->UserChoose();
  EXPECT_EQ(system.exitRequests, (std::vector<unsigned>{13, 0, 6}));
  EXPECT_FALSE(backend.Terminated());
  form->PopupMenu9.Items().Find("&Programm beenden")->UserChoose();
  EXPECT_TRUE(backend.Terminated());
}

TEST_F(PageChangeTest, ConfirmationsAnswerYesOrNo) {
  AnswerConfirm(true);
  EXPECT_TRUE(form->Confirm("Wollen Sie den Registrierungseintrag entfernen ?"));
  AnswerConfirm(false);
  EXPECT_FALSE(form->Confirm("Wollen Sie den Registrierungseintrag entfernen ?"));
  EXPECT_FALSE(form->Confirm("nobody answers")) << "the close box is a no";
}

}  // namespace

namespace {

// Pages whose lists take long to read show at once and fill afterwards, on a timer of the page.
class FillAfterShowingTest : public ShellTest {
 protected:
  void SetUp() override {
    Start();
    shell.registry = &registry;
    shell.controlPanel = {{"Anzeige", "desk.cpl", 11, 21}, {"Maus", "main.cpl", 14, 24}};
    Seed("[HKEY_CURRENT_USER\\Control Panel\\don't load]\n\"main.cpl\"=\"1\"\n");
    files.AddFile("C:\\WINNT\\System32\\ddraw.dll", "dd");
    files.AddFile("C:\\WINNT\\Sysbckup\\dsound.dll", "ds");
  }
  void Click(std::string_view text) { form->TreeView1->UserClickNode(form->FindNodeRoot(text)); }
  int Rows(int slot) {
    return form->ListViews[static_cast<size_t>(slot)] ? form->ListViews[slot]->Count() : -1;
  }
};

TEST_F(FillAfterShowingTest, TheListFillsOnceThePageIsOnShow) {
  Click("Einträge in Systemsteuerung");
  EXPECT_EQ(Rows(0), 0) << "the page shows before the shell lists its applets";
  EXPECT_EQ(shell.enumerations, 0);
  EXPECT_EQ(Status(), "");
  FinishFilling();
  EXPECT_EQ(Rows(0), 2);
  EXPECT_EQ(form->ListViews[0]->Item(1)->SubItem(1), "nein");
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(backend.ActiveTimers(), 0) << "the fill runs once";
}

TEST_F(FillAfterShowingTest, AFolderScanSaysWhereItLooksUntilItIsDone) {
  Click("DirectX deinstallieren");
  EXPECT_EQ(Rows(1), 0);
  EXPECT_EQ(Status(), "Durchsuche C:\\WINNT\\System32\\");
  backend.TickTimers(page::kAfterShownMs);
  EXPECT_EQ(Rows(1), 1);
  EXPECT_EQ(Status(), "Durchsuche C:\\WINNT\\Sysbckup\\");
  backend.TickTimers(page::kAfterShownMs);
  EXPECT_EQ(Rows(1), 2);
  EXPECT_EQ(form->ListViews[1]->Item(1)->Caption(), "C:\\WINNT\\Sysbckup\\dsound.dll");
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(FillAfterShowingTest, APageChangeBeforeTheFillEndsIt) {
  for (const char* slow : {"Einträge in Systemsteuerung", "DirectX deinstallieren",
                           "Laufwerkssymbol ändern", "Allgemeine Infos"}) {
    Click(slow);
    Click("Tastatur");
    EXPECT_EQ(backend.ActiveTimers(), 0) << slow << ": its work went with its page";
    FinishFilling();
    EXPECT_EQ(Status(), "") << slow;
    EXPECT_EQ(form->SelectedNode->Text(), "Tastatur");
  }
  EXPECT_EQ(shell.enumerations, 0) << "the applets were never listed";
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, "Control Panel\\don't load", "main.cpl")->AsString(),
            "1")
      << "the markers were not taken out";
}

}  // namespace
