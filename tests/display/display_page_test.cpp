// The display-mode page on a driver of the test's own: the list, the current mode, and the
// confirmation that keeps or gives back a switched mode.
#include "../tweaks/page_fixture.h"

namespace {

using os::DisplayChange;
using os::DisplayMode;
using testing_support::PageTest;

class DisplayPageTest : public PageTest {
 protected:
  void SetUp() override {
    display.modes = {{640, 480, 8, 60},
                     {800, 600, 16, 0},
                     {1024, 768, 32, 75},
                     {800, 600, 16, 0},
                     {1024, 768, 16, 0}};
    display.current = {800, 600, 16, 0};
    Start();
  }

  std::vector<std::string> Row(int index) {
    const ui::ListItem* item = List().Item(index);
    return {item->Caption(), item->SubItem(0), item->SubItem(1)};
  }

  // Clicks a row; the confirmation that opens is handed to act.
  void ClickRow(int index, std::function<void(ui::Form&)> act) {
    backend.OnNextModal([this, act](ui::Form& dialog) {
      caption = dialog.Caption();
      act(dialog);
    });
    List().UserClickItem(index);
    EXPECT_EQ(backend.PendingModalActs(), 0) << "no confirmation";
  }

  static std::string Countdown(ui::Form& dialog) {
    return static_cast<ui::Label*>(dialog.FindByName("Label3"))->Caption();
  }
  static void Press(ui::Form& dialog, const char* name) {
    static_cast<ui::Button*>(dialog.FindByName(name))->UserClick();
  }

  std::string caption;
};

TEST_F(DisplayPageTest, ListsEveryModeAndSelectsTheLastRowOfTheCurrentOne) {
  Open(9);
  ASSERT_EQ(List().Count(), 5);
  EXPECT_EQ(Row(0), (std::vector<std::string>{"640 x 480", "8", "60"}));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"1024 x 768", "32", "75"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"800 x 600", "16", "0"}));
  EXPECT_EQ(List().ItemIndex(), 3);
  EXPECT_EQ(List().Columns()[2].caption, "Refreshrate(Hz)");
  EXPECT_EQ(form->Labels[10]->Caption(), "Bildschirmauflösung ändern");

  // A screen that reports a rate the driver never lists matches no row.
  display.current = {800, 600, 16, 85};
  Open(9);
  EXPECT_EQ(List().ItemIndex(), -1);
}

TEST_F(DisplayPageTest, OkWithinTenSecondsKeepsTheNewMode) {
  Open(9);
  std::vector<std::string> countdown;
  ClickRow(2, [&](ui::Form& dialog) {
    countdown.push_back(Countdown(dialog));
    for (int i = 0; i < 9; ++i) backend.TickTimers();
    countdown.push_back(Countdown(dialog));
    Press(dialog, "BitBtn1");
  });
  EXPECT_EQ(caption, "Monitoreinstellungen");
  EXPECT_EQ(countdown, (std::vector<std::string>{"In 10 Sekunden zurücksetzen ",
                                                 "In 1 Sekunden zurücksetzen "}));
  EXPECT_EQ(display.tested, (std::vector<int>{2}));
  EXPECT_EQ(display.applied, (std::vector<int>{2}));
  EXPECT_EQ(display.current, (DisplayMode{1024, 768, 32, 75}));
  EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(DisplayPageTest, CancelOrTenSecondsWithoutAnswerRestoreTheModeOfThePageBuild) {
  Open(9);
  ClickRow(0, [&](ui::Form& dialog) { Press(dialog, "BitBtn2"); });
  EXPECT_EQ(display.applied, (std::vector<int>{0, 3}));

  display.applied.clear();
  bool closedEarly = false;
  ClickRow(4, [&](ui::Form& dialog) {
    for (int i = 0; i < 9; ++i) backend.TickTimers();
    closedEarly = dialog.GetModalResult() != ui::mrNone;
    backend.TickTimers();
    EXPECT_NE(dialog.GetModalResult(), ui::mrNone) << "still open after ten seconds";
  });
  EXPECT_FALSE(closedEarly);
  EXPECT_EQ(display.applied, (std::vector<int>{4, 3}));
  EXPECT_EQ(display.current, (DisplayMode{800, 600, 16, 0}));

  // The row of the current mode asks as well.
  display.applied.clear();
  ClickRow(3, [&](ui::Form& dialog) { Press(dialog, "BitBtn1"); });
  EXPECT_EQ(display.applied, (std::vector<int>{3}));
}

TEST_F(DisplayPageTest, ARefusedModeIsReportedAndLeavesTheDisplayAlone) {
  Open(9);
  const std::pair<DisplayChange, const char*> refusals[] = {
      {DisplayChange::BadMode, "Graphikmodus wird nicht unterstützt"},
      {DisplayChange::NotUpdated,
       "Nur Windows NT : Eintragungen konnten nicht in Registrierung übernommen werden"},
      {DisplayChange::BadFlags, "Ungültige Parameter"},
      {DisplayChange::Failed, nullptr},
  };
  for (const auto& [answer, message] : refusals) {
    display.testAnswer = answer;
    backend.Dialogs().ClearLog();
    ClickRow(2, [&](ui::Form& dialog) { Press(dialog, "BitBtn1"); });
    EXPECT_TRUE(display.applied.empty());
    const auto& shown = backend.Dialogs().Messages();
    if (message) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].text, message);
    } else {
      EXPECT_TRUE(shown.empty());
    }
  }

  // A mode that needs a restart is applied, and said so, on the way there and back.
  display.testAnswer = DisplayChange::Restart;
  backend.Dialogs().ClearLog();
  ClickRow(2, [&](ui::Form& dialog) { Press(dialog, "BitBtn2"); });
  EXPECT_EQ(display.applied, (std::vector<int>{2, 3}));
  ASSERT_EQ(backend.Dialogs().Messages().size(), 2u);
  EXPECT_EQ(backend.Dialogs().Messages()[0].text, "Der Coputer muss neu gestartet werden");
  EXPECT_EQ(backend.Dialogs().Messages()[1].text, "Der Computer muss neu gestartet werden");
}

}  // namespace
