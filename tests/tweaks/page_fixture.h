// Page tests of the settings branches: the running main window of ShellTest plus opening a page
// by its PageId (several nodes share a text), reading a page's check list and stored values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "../shell/shell_fixture.h"

namespace testing_support {

class PageTest : public ShellTest {
 protected:
  // Clicks the node of the page, as the user does; a page on show is left first, so it is
  // built anew.
  void Open(int pageId) {
    for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
      if (node->ImageIndex() == pageId) {
        if (form->TreeView1->Selected() == node) {
          form->TreeView1->UserClickNode(form->TreeView1->Root(0));
        }
        form->TreeView1->UserClickNode(node);
        FinishFilling();
        return;
      }
    }
    ADD_FAILURE() << "no node for page " << pageId;
  }

  ui::ListView& List() {
    EXPECT_TRUE(form->ListViews[0]);
    return *form->ListViews[0];
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < List().Count(); ++i) captions.push_back(List().Item(i)->Caption());
    return captions;
  }
  std::vector<bool> Checks() {
    std::vector<bool> checks;
    for (int i = 0; i < List().Count(); ++i) checks.push_back(List().Item(i)->Checked());
    return checks;
  }
  // Sets the list's check marks as the user clicks them.
  void SetChecks(const std::vector<bool>& wanted) {
    for (int i = 0; i < List().Count() && i < static_cast<int>(wanted.size()); ++i) {
      if (List().Item(i)->Checked() != wanted[static_cast<size_t>(i)]) List().UserToggleCheck(i);
    }
  }

  // A stored string ("<none>" when missing, "<type n>" when of another type).
  std::string Str(os::RegRoot root, const std::string& path, const std::string& name) {
    const auto value = Value(root, path, name);
    if (!value) return "<none>";
    if (value->type != os::kRegSz) return "<type " + std::to_string(value->type) + ">";
    return value->AsString();
  }
  std::optional<uint32_t> Dword(os::RegRoot root, const std::string& path,
                                const std::string& name) {
    const auto value = Value(root, path, name);
    if (!value || value->type != os::kRegDword || value->data.size() != 4) return std::nullopt;
    return value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
           static_cast<uint32_t>(value->data[3]) << 24;
  }
  std::vector<uint8_t> Bytes(os::RegRoot root, const std::string& path, const std::string& name) {
    const auto value = Value(root, path, name);
    return value ? value->data : std::vector<uint8_t>{};
  }

  int Modals() const { return static_cast<int>(backend.ModalCaptions().size()); }
};

}  // namespace testing_support
