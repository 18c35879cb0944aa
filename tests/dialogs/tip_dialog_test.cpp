// The tip window on its own: what it hands back for each way of leaving it.
#include <gtest/gtest.h>

#include "dialogs/tip_dialog.h"
#include "headless/headless_backend.h"

namespace {

class TipDialogTest : public ::testing::Test {
 protected:
  void Act(std::function<void(dialogs::TForm7&)> act) {
    backend.OnNextModal([this, act](ui::Form&) { act(*dialog); });
  }
  headless::HeadlessBackend backend;
  std::unique_ptr<dialogs::TForm7> dialog = std::make_unique<dialogs::TForm7>(backend, nullptr);
};

TEST_F(TipDialogTest, OkHandsBackTheEditedTextAndCancelNothing) {
  Act([](dialogs::TForm7& d) {
    EXPECT_EQ(d.Memo1->Text(), "alt");
    d.Memo1->UserType("Zeile 1\nZeile 2");
    d.BitBtn1->UserClick();
  });
  EXPECT_EQ(dialog->Execute("alt"), "Zeile 1\r\nZeile 2");

  Act([](dialogs::TForm7& d) {
    d.Memo1->UserType("weg");
    d.BitBtn2->UserClick();
  });
  EXPECT_EQ(dialog->Execute("alt"), std::nullopt);

  Act([](dialogs::TForm7& d) { d.Memo1->UserType("geschlossen"); });  // closed by its frame
  EXPECT_EQ(dialog->Execute("alt"), std::nullopt);
}

}  // namespace
