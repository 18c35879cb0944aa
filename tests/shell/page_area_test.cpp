// The control factories and the page area's teardown.
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

class PageAreaTest : public ShellTest {
 protected:
  void SetUp() override {
    Start();
    form->Panel();
  }
};

TEST_F(PageAreaTest, ControlsInAGroupBoxGoWithThePage) {
  ui::GroupBox* group = form->Create(form->GroupBoxes, 0);
  form->WorkText = "Iconoptionen";
  form->GroupBox(0, 10, 40, 300, 100);
  for (int i = 0; i < 4; ++i) form->Create(form->RadioButtons, i, group);
  const int withPage = backend.LivePeers();
  form->Panel();
  EXPECT_EQ(backend.LivePeers(), withPage - 5) << "a new, empty page panel replaced the old";
  EXPECT_EQ(form->RadioButtons[0], nullptr) << "slots are cleared at teardown";
  EXPECT_EQ(form->GroupBoxes[0], nullptr);
}

TEST_F(PageAreaTest, FactoriesOnEmptySlotsDoNothing) {
  form->Label(3, 1, 1, 1, 1);
  form->CheckBox(25, 1, 1, 1, 1, 1);
  form->Image_(30, 32, 32);
  EXPECT_EQ(form->Create(form->Labels, 20), nullptr);
  EXPECT_TRUE(form->PagePanel->Children().empty());
}

TEST_F(PageAreaTest, TheIconGridPreviewFollowsTheSliders) {
  for (int i = 0; i < 9; ++i) form->Create(form->Images, i);
  for (int i = 0; i < 2; ++i) {
    form->Create(form->Sliders, i)->SetRange(0, 200);
  }
  form->Image_(30, 32, 32);
  EXPECT_EQ(form->Images[5]->Left(), 90);
  EXPECT_EQ(form->Images[5]->Top(), 40);
  form->Sliders[1]->SetValue(20);
  form->Image_(30, 32, 32);
  EXPECT_EQ(form->Images[4]->Left(), 30 + 30 + 20);
  EXPECT_EQ(form->Images[8]->Left(), 30 + 60 + 40);
  EXPECT_EQ(form->Images[3]->Left(), 30);
}

}  // namespace
