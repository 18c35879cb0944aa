// Information pages on the running main window: selecting a node of "Systeminformationen" and
// reading the rows of its information list or the texts of its tree.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../shell/shell_fixture.h"

namespace testing_support {

class InfoPageTest : public ShellTest {
 protected:
  using Row = std::pair<std::string, std::string>;

  // Selects the node below "Systeminformationen" (another branch may have one of that name).
  void SelectInfo(const std::string& text) {
    for (ui::TreeNode* node : form->TreeView1->AllNodes()) {
      if (node->Text() == text && node->Parent() &&
          node->Parent()->Text() == "Systeminformationen") {
        form->TreeView1->UserClickNode(node);
        FinishFilling();
        return;
      }
    }
    ADD_FAILURE() << "no node " << text;
  }

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    ui::ListView* list = form->ListViews[0];
    if (!list) return rows;
    for (int i = 0; i < list->Count(); ++i) {
      rows.emplace_back(list->Item(i)->Caption(), list->Item(i)->SubItem(0));
    }
    return rows;
  }

  // The value of the first row with that caption.
  std::string ValueOf(const std::string& caption) {
    for (const Row& row : Rows()) {
      if (row.first == caption) return row.second;
    }
    ADD_FAILURE() << "no row " << caption;
    return "<none>";
  }

  // The tree's nodes in tree order, indented by two blanks per level.
  std::vector<std::string> TreeLines() {
    std::vector<std::string> lines;
    if (!form->PageTree) return lines;
    for (ui::TreeNode* node : form->PageTree->AllNodes()) {
      lines.push_back(std::string(2 * node->Level(), ' ') + node->Text());
    }
    return lines;
  }

  void SetValue(const std::string& path, const std::string& name, const os::RegValue& value) {
    registry.CreateKey(os::RegRoot::LocalMachine, path)->SetValue(name, value);
  }
  void SetString(const std::string& path, const std::string& name, const std::string& text) {
    SetValue(path, name, os::RegValue::String(text));
  }
};

}  // namespace testing_support
