#include "shell/settings_search_window.h"

#include "page/page_table.h"
#include "shell/form_controls.h"
#include "shell/main_window.h"

namespace shell {
namespace {

std::vector<page::SearchNode> SearchNodes(const std::vector<ui::TreeNode*>& nodes) {
  std::vector<page::SearchNode> searchNodes;
  searchNodes.reserve(nodes.size());
  for (const ui::TreeNode* node : nodes) searchNodes.push_back({node->Text(), node->ImageIndex()});
  return searchNodes;
}

std::string WhereFound(const page::SearchHit& hit) {
  std::string where = page::SearchFieldName(hit.field);
  if (hit.field != page::SearchField::NodeText && !hit.matched.empty()) where += ": " + hit.matched;
  return where;
}

}  // namespace

SettingsSearchWindow::SettingsSearchWindow(TForm1& main)
    : main_(main),
      form_(main.Backend(), &main.Form()),
      nodes_(main.TreeView1->AllNodes()),
      index_(SearchNodes(nodes_), main.Pages().Records()) {
  form_.SetName("SettingsSearch");
  form_.SetCaption("Einstellungen suchen");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::OwnerFormCenter);
  form_.SetClientSize(600, 300);

  Label1 = AddLabel(form_, "Label1", "&Suchen nach:", 8, 11);
  Edit1 = form_.Add<ui::Edit>();
  Edit1->SetName("Edit1");
  Edit1->SetBounds({88, 8, 504, 21});
  Edit1->OnChange = [this](ui::Control&) { Edit1Change(); };

  ListView1 = form_.Add<ui::ListView>();
  ListView1->SetName("ListView1");
  ListView1->SetStyle(ui::ViewStyle::Report);
  ListView1->SetReadOnly(true);
  ListView1->SetRowSelect(true);
  ListView1->SetHideSelection(false);
  ListView1->SetBounds({8, 38, 584, 220});
  ListView1->AddColumn("Seite", 140);
  ListView1->AddColumn("Gruppe", 120);
  ListView1->AddColumn("Überschrift", 170);
  ListView1->AddColumn("Fundstelle", 150);
  ListView1->OnClick = [this](ui::Control&) { ListView1Click(); };

  Button1 = AddButton(form_, "Button1", "&Anzeigen", {408, 267, 88, 25});
  Button1->SetDefault(true);
  Button1->OnClick = [this](ui::Control&) { Button1Click(); };
  Button2 = AddButton(form_, "Button2", "Schließen", {504, 267, 88, 25});
  Button2->SetCancel(true);
  Button2->OnClick = [this](ui::Control&) { Button2Click(); };
}

void SettingsSearchWindow::Open() {
  form_.Show();
  form_.SetFocus();
  Edit1->SetFocus();
}

void SettingsSearchWindow::Edit1Change() {
  hits_ = index_.Find(Edit1->Text());
  ListView1->BeginUpdate();
  ListView1->Clear();
  for (const page::SearchHit& hit : hits_) {
    const ui::TreeNode* node = nodes_[hit.node];
    const page::PageRow* row = page::FindPageRow(node->ImageIndex());
    ui::ListItem* item = ListView1->Add(node->Text());
    item->AddSubItem(node->Parent() ? node->Parent()->Text() : "");
    item->AddSubItem(row && row->headline ? row->headline : "");
    item->AddSubItem(WhereFound(hit));
  }
  ListView1->EndUpdate();
}

void SettingsSearchWindow::ListView1Click() {
  Show(ListView1->ItemIndex());
}

void SettingsSearchWindow::Button1Click() {
  if (hits_.empty()) return;
  Show(ListView1->ItemIndex() >= 0 ? ListView1->ItemIndex() : 0);
  form_.Close();
}

void SettingsSearchWindow::Button2Click() {
  form_.Close();
}

void SettingsSearchWindow::Show(int row) {
  if (row < 0 || static_cast<size_t>(row) >= hits_.size()) return;
  main_.SelectNode(nodes_[hits_[static_cast<size_t>(row)].node]);
}

}  // namespace shell
