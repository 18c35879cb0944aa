// Back, forward and up through the pages visited by clicks in the tree.
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

class HistoryTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }
  std::vector<std::string> Captions(ui::PopupMenu& menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < menu.Items().Count(); ++i)
      captions.push_back(menu.Items().Item(i)->Caption());
    return captions;
  }
};

TEST_F(HistoryTest, KeepsTheLastTenPagesWithoutRepeats) {
  const char* pages[] = {"Tastatur", "Maus",        "Monitor", "Sound", "Allgemein", "CHKDSK",
                         "Optionen", "Systemstart", "Desktop", "Icons", "StartMenü"};
  Select(pages[0]);
  Select(pages[0]);
  EXPECT_EQ(form->BackList, std::vector<std::string>{"Tastatur"});
  for (const char* page : pages) Select(page);
  EXPECT_EQ(form->BackList.size(), 10u);
  EXPECT_EQ(form->BackList.front(), "Maus");
  EXPECT_EQ(form->BackList.back(), "StartMenü");
}

TEST_F(HistoryTest, BackAndForward) {
  Select("Tastatur");
  EXPECT_FALSE(form->ToolButton4->Enabled() && form->BackList.size() < 2);
  Select("Maus");
  form->ToolButton4->UserClick();
  EXPECT_EQ(Status(1), "Tastatur");
  EXPECT_TRUE(form->ToolButton5->Enabled());
  form->ToolButton5->UserClick();
  EXPECT_FALSE(form->ToolButton5->Enabled());
  form->ToolButton4->UserClick();
  Select("Sound");
  EXPECT_TRUE(form->ForwardList.empty());
  EXPECT_TRUE(form->ToolButton5->Enabled()) << "the click records after its page change";
  Select("Monitor");
  EXPECT_FALSE(form->ToolButton5->Enabled());
}

TEST_F(HistoryTest, DropDownsJumpSeveralSteps) {
  Select("Tastatur");
  Select("Maus");
  Select("Monitor");
  form->ToolButton4->UserDropDown();
  EXPECT_EQ(Captions(form->PopupMenu7), (std::vector<std::string>{"Maus", "Tastatur"}));
  form->PopupMenu7.Items().Find("Tastatur")->UserChoose();
  EXPECT_EQ(Status(1), "Tastatur");
  EXPECT_EQ(form->ForwardList, (std::vector<std::string>{"Monitor", "Maus"}));
  form->ToolButton5->UserDropDown();
  EXPECT_EQ(Captions(form->PopupMenu8), (std::vector<std::string>{"Maus", "Monitor"}));
  form->PopupMenu8.Items().Find("Monitor")->UserChoose();
  EXPECT_EQ(Status(1), "Monitor");
  EXPECT_EQ(form->BackList, (std::vector<std::string>{"Tastatur", "Maus", "Monitor"}));
  EXPECT_TRUE(form->ForwardList.empty());
}

TEST_F(HistoryTest, UpGoesToTheFirstNodeWithTheParentsText) {
  Select("Priorität Drucker Spooler ");
  form->ToolButton6->UserClick();
  EXPECT_EQ(Status(1), "Priorität beim Druck");
  EXPECT_TRUE(form->Image6->Visible()) << "a group page";
  EXPECT_EQ(form->BackList.back(), "Priorität beim Druck");
  // "Allgemein" below the Internet Explorer's restrictions: up finds the desktop's node.
  ui::TreeNode* ieGeneral = form->FindNodeRoot("Internetoptionen")->Parent()->Child(0);
  ASSERT_EQ(ieGeneral->Text(), "Allgemein");
  form->TreeView1->UserClickNode(ieGeneral);
  form->ToolButton6->UserClick();
  EXPECT_EQ(form->SelectedNode, form->FindNodeRoot("Restriktionen"));
  EXPECT_EQ(form->SelectedNode->Parent()->Text(), "Desktop");
}

}  // namespace
