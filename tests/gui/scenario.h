// One form with a control of every kind, built and worked through the portable toolkit only, so
// that the same calls can run on the in-memory backend and on real windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace guitest {

struct Scenario {
  explicit Scenario(ui::Backend& backend);

  ui::Backend& backend;
  ui::PopupMenu backMenu;
  ui::ImageList toolImages;
  ui::ImageList treeImages;
  // What the handlers saw, in order.
  std::vector<std::string> events;
  int panelDraws = 0;
  // Declared last, so it goes first: its controls point at the lists and the menu above.
  std::unique_ptr<ui::Form> form;

  ui::ToolBar* toolBar = nullptr;
  ui::StatusBar* statusBar = nullptr;
  ui::TreeView* tree = nullptr;
  ui::Splitter* splitter = nullptr;
  ui::PageControl* pages = nullptr;
  ui::Panel* page = nullptr;
  ui::Image* banner = nullptr;
  ui::Label* headline = nullptr;
  ui::Label* description = nullptr;
  ui::CheckBox* check1 = nullptr;
  ui::CheckBox* check2 = nullptr;
  ui::GroupBox* group = nullptr;
  ui::RadioButton* radios[3] = {};
  ui::Edit* edit = nullptr;
  ui::Edit* password = nullptr;
  ui::Button* apply = nullptr;
  ui::Button* glyphButton = nullptr;
  ui::ComboBox* combo = nullptr;
  ui::Slider* slider = nullptr;
  ui::SpinEdit* spin = nullptr;
  ui::Gauge* gauge = nullptr;
  ui::ListView* list = nullptr;
  ui::Memo* memo = nullptr;
  ui::RichEdit* rich = nullptr;
  ui::PerformanceGraph* graph = nullptr;
  ui::Animation* animation = nullptr;
  ui::Timer* timer = nullptr;
  ui::TreeNode* hardware = nullptr;
  ui::TreeNode* keyboard = nullptr;
  ui::TreeNode* mouse = nullptr;
  ui::TreeNode* software = nullptr;
};

// Builds the form (not yet shown).
std::unique_ptr<Scenario> BuildScenario(ui::Backend& backend);
// The calls a program makes on such a form: values, selections, items added and removed.
void WorkScenario(Scenario& scenario);

}  // namespace guitest
