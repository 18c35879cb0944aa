// The boot floppy: the floppy emptied (sub-folders too), the boot files copied with the progress
// the user sees, and the ends without a disk or with a file that cannot go.
#include "tool_fixture.h"

namespace {

using testing_support::ToolTest;
using Texts = std::vector<std::string>;

class BootFloppyTest : public ToolTest {
 protected:
  BootFloppyTest() {
    // 150 bytes in use on the floppy.
    files.AddDrive({'A', os::DriveType::Removable, "", "FAT", 2, 1000, 850});
    files.AddFile("A:\\alt.txt", std::string(100, 'x'));
    files.AddFile("A:\\Ordner\\x.dat", std::string(50, 'y'), os::kAttrReadOnly);
    files.AddFile("C:\\NTDETECT.COM", std::string(10, 'd'));
    files.AddFile("C:\\NTLDR", std::string(20, 'l'), os::kAttrReadOnly | os::kAttrHidden);
    files.AddFile("C:\\BOOT.INI", std::string(10, 'b'));
  }
  void SetUp() override { Start(); }

  // Each new text of the status and percentage labels, as the user sees them change.
  void WatchLabels() {
    backend.SetPendingMessages([this] {
      for (auto [slot, seen] : {std::pair{1, &statuses}, std::pair{2, &percentages}}) {
        const ui::Label* label = form->Labels[static_cast<size_t>(slot)];
        if (!label || label->Caption().empty()) continue;
        if (seen->empty() || seen->back() != label->Caption()) seen->push_back(label->Caption());
      }
    });
  }

  Texts statuses;
  Texts percentages;
};

TEST_F(BootFloppyTest, EmptiesTheFloppyThenCopiesTheBootFilesWithProgress) {
  Select("Bootdiskette erstellen");
  form->CheckBoxes[0]->UserClick();
  EXPECT_EQ(shell.formatted, (std::vector<int>{0}));
  ClickButton(0);
  EXPECT_EQ(form->Labels[10]->Caption(), "Bootdiskette erstellen (Win9x)");
  WatchLabels();
  ClickButton(0);

  EXPECT_EQ(statuses, (Texts{"Lösche alt.txt . . .", "Lösche x.dat . . .",
                             "Übertrage NTDETECT.COM . . .", "Übertrage NTLDR  . . .",
                             "Übertrage NTBOOTDD.SYS . . .", "Übertrage BOOT.INI  . . ."}));
  EXPECT_EQ(percentages, (Texts{"insgesamt 66 %", "insgesamt 100 %", "insgesamt 25 %",
                                "insgesamt 75 %", "insgesamt 100 %"}));
  EXPECT_EQ(form->Gauges[0]->Progress(), 100);
  EXPECT_FALSE(files.Exists("A:\\alt.txt"));
  EXPECT_FALSE(files.Exists("A:\\Ordner"));
  EXPECT_EQ(FileBytes("A:\\NTDETECT.COM"), std::string(10, 'd'));
  EXPECT_EQ(FileBytes("A:\\NTLDR"), std::string(20, 'l'));
  EXPECT_EQ(FileBytes("A:\\BOOT.INI"), std::string(10, 'b'));
  EXPECT_FALSE(files.Exists("A:\\NTBOOTDD.SYS"));
  EXPECT_EQ(Shown(), (Texts{"BOOTDISKETTE ERSTELLEN: Startdiskette wurde erstellt !"}));
}

TEST_F(BootFloppyTest, WithoutADiskTheUserIsAskedUntilCancel) {
  files.AddDrive({'A', os::DriveType::Removable, "", "", 0, 0, 0});
  Select("Bootdiskette erstellen");
  backend.Dialogs().AnswerMessage(ui::mrOk);
  backend.Dialogs().AnswerMessage(ui::mrCancel);
  ClickButton(0);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text, "Legen Sie eine Diskette in Lauferk A ein");
  EXPECT_EQ(Messages()[1].caption, "Hinweis");
  EXPECT_FALSE(form->BitBtns[0]) << "no second step";
}

TEST_F(BootFloppyTest, AFileThatCannotBeDeletedStopsBeforeAnythingIsCopied) {
  files.SetInUse("A:\\alt.txt");
  Select("Bootdiskette erstellen");
  ClickButton(0);
  ClickButton(0);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].caption, "FEHLER");
  EXPECT_NE(Messages()[0].text.find("alt.txt"), std::string::npos);
  EXPECT_EQ(Messages()[1].caption, "Hinweis");
  EXPECT_FALSE(files.Exists("A:\\NTLDR"));
}

TEST_F(BootFloppyTest, AFullDiskEndsWithAMessageAndNoSuccess) {
  // Emptied, the floppy has room for 1000 bytes: NTDETECT.COM fits, then NTLDR does not.
  files.AddFile("C:\\NTLDR", std::string(1000, 'l'));
  Select("Bootdiskette erstellen");
  ClickButton(0);
  ClickButton(0);
  EXPECT_TRUE(files.Exists("A:\\NTDETECT.COM"));
  EXPECT_FALSE(files.Exists("A:\\NTLDR"));
  EXPECT_FALSE(files.Exists("A:\\BOOT.INI")) << "nothing after the file that did not fit";
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "FEHLER");
  EXPECT_NE(Messages()[0].text.find("c:\\NTLDR"), std::string::npos);
}

}  // namespace
