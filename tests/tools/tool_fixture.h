// Page tests of the maintenance tools: the running main window of ShellTest plus what list tools
// need — the page's list and buttons, and confirmations whose message is kept.
#pragma once

#include <string>
#include <vector>

#include "../shell/shell_fixture.h"

namespace testing_support {

class ToolTest : public ShellTest {
 protected:
  ui::ListView& List() {
    EXPECT_TRUE(form->ListViews[0]);
    return *form->ListViews[0];
  }

  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < List().Count(); ++i) captions.push_back(List().Item(i)->Caption());
    return captions;
  }

  std::vector<std::string> Column(size_t subItem) {
    std::vector<std::string> texts;
    for (int i = 0; i < List().Count(); ++i) texts.push_back(List().Item(i)->SubItem(subItem));
    return texts;
  }

  // Selects the rows as a user does: a click on the first, the others added with Ctrl.
  void SelectRows(const std::vector<int>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) List().UserClickItem(rows[i], i > 0);
  }

  void ClickButton(int slot) {
    ASSERT_TRUE(form->BitBtns[static_cast<size_t>(slot)]);
    form->BitBtns[static_cast<size_t>(slot)]->UserClick();
  }

  int Confirmations() const { return static_cast<int>(backend.ModalCaptions().size()); }
  const std::vector<headless::ShownMessage>& Messages() { return backend.Dialogs().Messages(); }

  bool ValueExists(os::RegRoot root, const std::string& path, const std::string& name) {
    return Value(root, path, name).has_value();
  }
};

}  // namespace testing_support
