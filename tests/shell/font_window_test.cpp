// The font window: choosing, previewing and storing the font of the tree and the pages.
#include "shell_fixture.h"

namespace {

using testing_support::ShellTest;

class FontWindowTest : public ShellTest {
 protected:
  void SetUp() override { Start(); }
  // Opens the window with "Schriftart", previews with its font button and leaves with `exit`.
  void PreviewAndLeave(const char* exit) {
    backend.OnNextModal([exit](ui::Form& window) {
      EXPECT_EQ(Find<ui::Edit>(window, "Edit1").Text(), "MS Sans Serif");
      Find<ui::Button>(window, "BitBtn1").UserClick();
      Find<ui::Button>(window, exit).UserClick();
    });
    form->ToolButton9->UserClick();
    ASSERT_EQ(backend.ModalCaptions().back(), "Schrift");
  }
  std::vector<uint8_t> StoredRecord() {
    auto value = Value(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Font", "Font");
    return value ? value->data : std::vector<uint8_t>{};
  }
};

TEST_F(FontWindowTest, AChosenFontIsStoredAtOnceAsLogFontAndColour) {
  ui::Font arial;
  arial.name = "Arial";
  arial.height = 16;  // 12 pt
  arial.style = ui::kBold | ui::kItalic;
  arial.color = ui::clRed;
  arial.charset = 0;
  backend.Dialogs().AnswerFont(arial);
  std::string shownName, shownSize;
  backend.OnNextModal([&](ui::Form& window) {
    Find<ui::Button>(window, "BitBtn1").UserClick();
    shownName = Find<ui::Edit>(window, "Edit1").Text();
    shownSize = Find<ui::Edit>(window, "Edit2").Text();
    Find<ui::Button>(window, "Button2").UserClick();  // "&Abbrechen" keeps the chosen font
  });
  form->ToolButton9->UserClick();
  EXPECT_EQ(shownName, "Arial");
  EXPECT_EQ(shownSize, "12");
  EXPECT_EQ(form->TreeView1->GetFont().name, "Arial");

  std::vector<uint8_t> expected(60, 0);
  const uint8_t height[] = {0xF0, 0xFF, 0xFF, 0xFF};  // -16
  std::copy(std::begin(height), std::end(height), expected.begin());
  expected[16] = 0xBC;  // weight 700
  expected[17] = 0x02;
  expected[20] = 1;  // italic
  const std::string face = "Arial";
  std::copy(face.begin(), face.end(), expected.begin() + 28);
  EXPECT_EQ(StoredRecord(), expected);
  EXPECT_EQ(Value(os::RegRoot::CurrentUser, "Software\\Kalmora2x\\Font", "Color"),
            os::RegValue::String("255"));

  auto& restarted = Start();
  EXPECT_EQ(restarted.UserFont, arial);
  Select("Tastatur");
  ASSERT_TRUE(restarted.CheckBoxes[0]);
  EXPECT_EQ(restarted.CheckBoxes[0]->GetFont().name, "Arial") << "pages use the user's font";
}

TEST_F(FontWindowTest, APreviewLastsOnlyForThisRunUnlessOkStoresIt) {
  backend.Dialogs().AnswerFont(std::nullopt, {ui::Font::Of("Courier New", 10)});
  PreviewAndLeave("Button2");
  EXPECT_EQ(form->TreeView1->GetFont().name, "Courier New");
  EXPECT_TRUE(StoredRecord().empty());
  EXPECT_EQ(Start().UserFont.name, "MS Sans Serif");

  backend.Dialogs().AnswerFont(std::nullopt, {ui::Font::Of("Verdana", 9)});
  PreviewAndLeave("Button1");
  auto& restarted = Start();
  EXPECT_EQ(restarted.UserFont.name, "Verdana");
  EXPECT_EQ(restarted.UserFont.Size(), 9);
}

}  // namespace
