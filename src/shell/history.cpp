// The history of pages visited through the tree: back, forward, up and their drop-down lists.
// Pages are remembered by their node text and found again with FindNodeRoot.
#include "shell/main_window.h"

namespace shell {
namespace {

constexpr size_t kHistoryLength = 10;

}  // namespace

void TForm1::Record(const std::string& text) {
  if (BackList.size() >= kHistoryLength) BackList.erase(BackList.begin());
  if (BackList.empty() || BackList.back() != text) BackList.push_back(text);
}

void TForm1::AddMerkListe() {
  ForwardList.clear();
  if (ui::TreeNode* node = TreeView1->Selected()) Record(node->Text());
}

void TForm1::ToolButton4Click() {
  if (BackList.size() < 2) return;
  const std::string target = BackList[BackList.size() - 2];
  ForwardList.push_back(BackList.back());
  BackList.pop_back();
  SelectNode(FindNodeRoot(target));
}

void TForm1::ToolButton5Click() {
  if (ForwardList.empty()) return;
  const std::string text = ForwardList.back();
  BackList.push_back(text);
  ForwardList.pop_back();
  SelectNode(FindNodeRoot(text));
}

void TForm1::ToolButton6Click() {
  ui::TreeNode* node = TreeView1->Selected();
  if (!node || !node->Parent()) return;
  ForwardList.clear();
  ToolButton5->SetEnabled(false);
  const std::string text = node->Parent()->Text();
  Record(text);
  SelectNode(FindNodeRoot(text));
}

void TForm1::PopupMenu7Popup() {
  ui::MenuItem& items = PopupMenu7.Items();
  items.Clear();
  int tag = 1;
  for (int i = static_cast<int>(BackList.size()) - 2; i >= 0; --i) {
    ui::MenuItem* item = items.Add(BackList[static_cast<size_t>(i)]);
    item->SetTag(tag++);
    item->OnClick = [this](ui::MenuItem& sender) { JumpMerkTree(sender.Tag(), sender.Caption()); };
  }
}

void TForm1::JumpMerkTree(int tag, const std::string& caption) {
  const int count = static_cast<int>(BackList.size());
  const int stop = count - tag;
  if (tag < 1 || stop < 0) return;
  for (int i = count - 1; i >= stop; --i) {
    ForwardList.push_back(BackList[static_cast<size_t>(i)]);
    BackList.erase(BackList.begin() + i);
  }
  SelectNode(FindNodeRoot(caption));
}

void TForm1::PopupMenu8Popup() {
  ui::MenuItem& items = PopupMenu8.Items();
  items.Clear();
  int tag = 1;
  for (int i = static_cast<int>(ForwardList.size()) - 1; i >= 0; --i) {
    ui::MenuItem* item = items.Add(ForwardList[static_cast<size_t>(i)]);
    item->SetTag(tag++);
    item->OnClick = [this](ui::MenuItem& sender) {
      JumpMerkTreeForw(sender.Tag(), sender.Caption());
    };
  }
}

void TForm1::JumpMerkTreeForw(int tag, const std::string& caption) {
  const int count = static_cast<int>(ForwardList.size());
  const int stop = count - tag;
  if (tag < 1 || stop < 0) return;
  for (int i = count - 1; i >= stop; --i) {
    BackList.push_back(ForwardList[static_cast<size_t>(i)]);
    ForwardList.erase(ForwardList.begin() + i);
  }
  SelectNode(FindNodeRoot(caption));
}

}  // namespace shell
