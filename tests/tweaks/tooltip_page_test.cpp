// The tool tips page: which shell folders it lists, editing a tip in the tip window, storing it.
#include "page_fixture.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
using Texts = std::vector<std::string>;

constexpr int kToolTips = 34;
constexpr const char* kComputer = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr const char* kRecycleBin = "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kPrinters = "{2227A280-3AEA-1069-A2DE-08002B30309D}";

std::string ClassKey(const std::string& id) {
  return "SOFTWARE\\Classes\\CLSID\\" + id;
}

class ToolTipsPageTest : public PageTest {
 protected:
  void SetUp() override {
    Start();
    Seed("[HKEY_LOCAL_MACHINE\\" + ClassKey(kRecycleBin) +
         "]\n@=\"Papierkorb\"\n\"InfoTip\"=\"Gelöschte Dateien\"\n"
         "[HKEY_LOCAL_MACHINE\\" +
         ClassKey(kComputer) +
         "]\n@=\"Arbeitsplatz\"\n\"InfoTip\"=\"Laufwerke und Hardware\"\n"
         "[HKEY_LOCAL_MACHINE\\" +
         ClassKey(kPrinters) + "]\n@=\"Drucker\"\n");
  }

  // Edits the tip of a row in the tip window: types text and presses "&OK", or "&Abbrechen".
  void EditTip(int row, const std::string& text, bool ok) {
    backend.OnNextModal([this, text, ok](ui::Form& dialog) {
      auto* memo = static_cast<ui::Memo*>(dialog.FindByName("Memo1"));
      ASSERT_TRUE(memo);
      shownTip = memo->Text();
      memo->UserType(text);
      static_cast<ui::Button*>(dialog.FindByName(ok ? "BitBtn1" : "BitBtn2"))->UserClick();
    });
    List().UserClickItem(row);
  }

  std::string shownTip;
};

TEST_F(ToolTipsPageTest, OnlyFoldersWithATipAreListedInTheirOrder) {
  Open(kToolTips);
  EXPECT_EQ(Captions(), (Texts{"Arbeitsplatz", "Papierkorb"}));
  EXPECT_EQ(List().Item(1)->SubItem(0), "Gelöschte Dateien");
  EXPECT_EQ(List().Item(0)->ImageIndex(), 10);
  EXPECT_EQ(form->WorkList, (Texts{kComputer, kRecycleBin}));
}

TEST_F(ToolTipsPageTest, AnEditedTipIsStoredOnlyByTheApplyButton) {
  Open(kToolTips);
  EditTip(1, "Hier liegt der Müll", true);
  EXPECT_EQ(shownTip, "Gelöschte Dateien");
  EXPECT_EQ(backend.ModalCaptions().back(), "Tiptext ändern");
  EXPECT_EQ(List().Item(1)->SubItem(0), "Hier liegt der Müll");
  EXPECT_EQ(Str(RegRoot::LocalMachine, ClassKey(kRecycleBin), "InfoTip"), "Gelöschte Dateien");

  Open(kToolTips);  // leaving the page discards the edit
  EXPECT_EQ(List().Item(1)->SubItem(0), "Gelöschte Dateien");

  EditTip(1, "Verworfen", false);
  EXPECT_EQ(List().Item(1)->SubItem(0), "Gelöschte Dateien");
  EditTip(0, "Alles auf einen Blick", true);
  form->WorkList = {"verbraucht"};  // other work meanwhile must not redirect the writer
  ClickApply();
  EXPECT_EQ(Status(), "Änderungen übernommen");
  EXPECT_EQ(Str(RegRoot::LocalMachine, ClassKey(kComputer), "InfoTip"), "Alles auf einen Blick");
  EXPECT_EQ(Str(RegRoot::LocalMachine, ClassKey(kRecycleBin), "InfoTip"), "Gelöschte Dateien");
  EXPECT_FALSE(Value(RegRoot::LocalMachine, ClassKey(kPrinters), "InfoTip"));
}

}  // namespace
