#include "ui/tree_view.h"

#include <algorithm>

namespace ui {

int TreeNode::Level() const {
  int level = 0;
  for (const TreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

void TreeNode::SetText(std::string text) {
  text_ = std::move(text);
  owner_.NodeChanged(*this);
}

void TreeNode::SetImageIndex(int index) {
  imageIndex_ = index;
  owner_.NodeChanged(*this);
}

void TreeNode::SetSelectedIndex(int index) {
  selectedIndex_ = index;
  owner_.NodeChanged(*this);
}

TreeNode* TreeNode::Child(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<size_t>(index)].get();
}

int TreeNode::IndexInParent() const {
  const auto& siblings = parent_ ? parent_->children_ : owner_.roots_;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

TreeNode* TreeNode::Next() const {
  if (!children_.empty()) return children_.front().get();
  for (const TreeNode* node = this; node; node = node->parent_) {
    const auto& siblings = node->parent_ ? node->parent_->children_ : owner_.roots_;
    const int index = node->IndexInParent();
    if (index + 1 < static_cast<int>(siblings.size())) {
      return siblings[static_cast<size_t>(index) + 1].get();
    }
  }
  return nullptr;
}

void TreeNode::SetHasChildren(bool hasChildren) {
  hasChildren_ = hasChildren;
  owner_.NodeChanged(*this);
}

void TreeNode::Expand(bool recursive) {
  if (!expanded_ && HasChildren() && owner_.AllowExpand(*this, true)) {
    expanded_ = true;
    owner_.Expanded(*this, true);
  }
  if (recursive) {
    for (const auto& child : children_) child->Expand(true);
  }
}

void TreeNode::Collapse(bool recursive) {
  if (expanded_ && owner_.AllowExpand(*this, false)) {
    expanded_ = false;
    owner_.Expanded(*this, false);
  }
  if (recursive) {
    for (const auto& child : children_) child->Collapse(true);
  }
}

TreeView::~TreeView() {
  selected_ = nullptr;
}

TreeNode* TreeView::Add(TreeNode* parent, std::string text) {
  return Add(parent, std::move(text), -1, -1);
}

TreeNode* TreeView::Add(TreeNode* parent, std::string text, int imageIndex, int selectedIndex) {
  auto node = std::make_unique<TreeNode>(*this, parent, std::move(text));
  TreeNode* raw = node.get();
  raw->imageIndex_ = imageIndex;
  raw->selectedIndex_ = selectedIndex;
  (parent ? parent->children_ : roots_).push_back(std::move(node));
  if (GetPeer()) GetPeer()->NodeAdded(*raw);
  // Only a first child changes how the parent shows (its button).
  if (parent && parent->Count() == 1 && GetPeer()) GetPeer()->NodeChanged(*parent);
  return raw;
}

void TreeView::Forget(TreeNode& node) {
  for (const auto& child : node.children_) Forget(*child);
  if (selected_ == &node) selected_ = nullptr;
  if (editing_ == &node) editing_ = nullptr;
}

void TreeView::Delete(TreeNode* node) {
  if (!node) return;
  const bool hadSelection = selected_ != nullptr;
  if (GetPeer()) GetPeer()->NodeRemoving(*node);
  Forget(*node);
  TreeNode* parent = node->parent_;
  auto& siblings = parent ? parent->children_ : roots_;
  siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                              [&](const auto& owned) { return owned.get() == node; }));
  if (parent && GetPeer()) GetPeer()->NodeChanged(*parent);
  // The selection went with the node: nothing is selected now.
  if (hadSelection && !selected_) Fire(OnChange, *this, static_cast<TreeNode*>(nullptr));
}

void TreeView::Clear() {
  while (!roots_.empty()) Delete(roots_.back().get());
}

TreeNode* TreeView::Root(int index) const {
  if (index < 0 || index >= RootCount()) return nullptr;
  return roots_[static_cast<size_t>(index)].get();
}

std::vector<TreeNode*> TreeView::AllNodes() const {
  std::vector<TreeNode*> nodes;
  for (TreeNode* node = Root(0); node; node = node->Next()) nodes.push_back(node);
  return nodes;
}

int TreeView::NodeCount() const {
  return static_cast<int>(AllNodes().size());
}

void TreeView::SetSelected(TreeNode* node) {
  if (node == selected_) return;
  bool allow = true;
  Fire(OnChanging, *this, node, allow);
  if (!allow) return;
  // Selecting a node shows it: its parents open.
  for (TreeNode* p = node ? node->Parent() : nullptr; p; p = p->Parent()) {
    if (!p->Expanded()) p->Expand();
  }
  selected_ = node;
  Changed(Change::kState);
  Fire(OnChange, *this, node);
}

void TreeView::FullExpand() {
  BeginUpdate();
  for (const auto& root : roots_) root->Expand(true);
  EndUpdate();
}

void TreeView::FullCollapse() {
  BeginUpdate();
  for (const auto& root : roots_) root->Collapse(true);
  EndUpdate();
}

void TreeView::BeginUpdate() {
  if (updating_++ == 0 && GetPeer()) GetPeer()->BeginUpdate();
}

void TreeView::EndUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  if (GetPeer()) GetPeer()->EndUpdate();
}

void TreeView::SetImages(const ImageList* images) {
  images_ = images;
  Changed(Change::kPicture);
}

void TreeView::SetIndent(int indent) {
  indent_ = indent;
  Changed(Change::kStyle);
}

void TreeView::SetHideSelection(bool hide) {
  hideSelection_ = hide;
  Changed(Change::kStyle);
}

void TreeView::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(Change::kStyle);
}

void TreeView::SetShowLines(bool show) {
  showLines_ = show;
  Changed(Change::kStyle);
}

void TreeView::NodeChanged(TreeNode& node) {
  if (GetPeer()) GetPeer()->NodeChanged(node);
}

bool TreeView::AllowExpand(TreeNode& node, bool expanding) {
  bool allow = true;
  Fire(expanding ? OnExpanding : OnCollapsing, *this, &node, allow);
  return allow;
}

void TreeView::Expanded(TreeNode& node, bool expanded) {
  NodeChanged(node);
  Fire(expanded ? OnExpanded : OnCollapsed, *this, &node);
}

bool TreeView::EditCaption(TreeNode* node) {
  if (!node || !node->Editable()) return false;
  SetSelected(node);
  editing_ = node;
  if (GetPeer()) GetPeer()->EditNode(*node);
  return true;
}

bool TreeView::UserBeginEdit(TreeNode* node) {
  if (!node || !node->Editable()) return false;
  editing_ = node;
  return true;
}

void TreeView::UserEndEdit(std::string text) {
  TreeNode* node = editing_;
  if (!node) return;
  editing_ = nullptr;
  Fire(OnEdited, *this, node, text);
  // The handler may have removed the node (a parent re-read); the text then has nowhere to go.
  const std::vector<TreeNode*> nodes = AllNodes();
  if (std::find(nodes.begin(), nodes.end(), node) != nodes.end()) node->SetText(std::move(text));
}

void TreeView::UserCancelEdit() {
  TreeNode* node = editing_;
  if (!node) return;
  editing_ = nullptr;
  Fire(OnEditCancelled, *this, node);
}

TreeNode* TreeView::GetNodeAt(int x, int y) const {
  TreeNode* hit = nullptr;
  if (GetPeer() && GetPeer()->HitTest({x, y}, hit)) return hit;
  if (y < 0) return nullptr;
  // Walk the visible rows: a node's children show only while it is expanded.
  int row = y / kRowHeight;
  for (TreeNode* node = Root(0); node;) {
    if (row-- == 0) return node;
    if (node->Expanded() && node->Count() > 0) {
      node = node->Child(0);
      continue;
    }
    TreeNode* next = nullptr;
    for (TreeNode* n = node; n && !next; n = n->Parent()) {
      const int index = n->IndexInParent();
      const int siblings = n->Parent() ? n->Parent()->Count() : RootCount();
      if (index + 1 < siblings)
        next = n->Parent() ? n->Parent()->Child(index + 1) : Root(index + 1);
    }
    node = next;
  }
  return nullptr;
}

void TreeView::UserClickNode(TreeNode* node, MouseButton button) {
  if (node) SetSelected(node);
  int y = 0;
  for (TreeNode* n = Root(0); n && n != node; n = n->Next()) y += kRowHeight;
  UserMouseDown(button, button == MouseButton::Left ? kMouseLeft : kMouseRight, 40, y + 2);
  UserMouseUp(button, 0, 40, y + 2);
  UserClick();
}

}  // namespace ui
