// "Einstellungen suchen": an edit and the pages that match what is typed, as it is typed. A
// click on a page shows it in the tree; Enter ("Anzeigen") shows the chosen page, or the first,
// and closes the window. The index is built once, from the tree as start-up left it.
#pragma once

#include <vector>

#include "page/settings_search.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/tree_view.h"

namespace shell {

class TForm1;

class SettingsSearchWindow {
 public:
  explicit SettingsSearchWindow(TForm1& main);
  SettingsSearchWindow(const SettingsSearchWindow&) = delete;
  SettingsSearchWindow& operator=(const SettingsSearchWindow&) = delete;

  ui::Form& Form() { return form_; }
  // Shows the window (again) with the edit ready for typing.
  void Open();

  void Edit1Change();
  void ListView1Click();
  void Button1Click();  // "Anzeigen"
  void Button2Click();  // "Schließen"

  ui::Label* Label1;
  ui::Edit* Edit1;
  ui::ListView* ListView1;
  ui::Button* Button1;
  ui::Button* Button2;

 private:
  void Show(int row);

  TForm1& main_;
  ui::Form form_;
  std::vector<ui::TreeNode*> nodes_;  // the index's nodes, in tree order
  page::SettingsIndex index_;
  std::vector<page::SearchHit> hits_;  // the list's rows
};

}  // namespace shell
