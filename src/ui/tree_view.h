// The tree view: nodes with text, icons and data, lazy children (a node may claim children
// before it has any; expanding it lets the program add them), expand and collapse, drag.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class TreeView;

class TreeNode {
 public:
  TreeNode(TreeView& owner, TreeNode* parent, std::string text)
      : owner_(owner), parent_(parent), text_(std::move(text)) {}

  TreeView& Owner() const { return owner_; }
  TreeNode* Parent() const { return parent_; }
  int Level() const;
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int index);
  intptr_t Data() const { return data_; }
  void SetData(intptr_t data) { data_ = data; }
  // Only editable nodes let their caption be edited, by the program or the user.
  bool Editable() const { return editable_; }
  void SetEditable(bool editable) { editable_ = editable; }

  int Count() const { return static_cast<int>(children_.size()); }
  TreeNode* Child(int index) const;
  TreeNode* FirstChild() const { return Child(0); }
  int IndexInParent() const;
  // The next node in tree order (depth first), or none.
  TreeNode* Next() const;

  // A node with HasChildren set shows an expand button even without children yet.
  bool HasChildren() const { return hasChildren_ || !children_.empty(); }
  void SetHasChildren(bool hasChildren);
  bool Expanded() const { return expanded_; }
  // Expanding asks OnExpanding first (which may add children); recursive expands all below.
  void Expand(bool recursive = false);
  void Collapse(bool recursive = false);

 private:
  friend class TreeView;
  TreeView& owner_;
  TreeNode* parent_;
  std::string text_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  intptr_t data_ = 0;
  bool hasChildren_ = false;
  bool expanded_ = false;
  bool editable_ = false;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

class TreeView : public Control {
 public:
  using NodeHandler = std::function<void(TreeView& sender, TreeNode* node)>;
  using AllowHandler = std::function<void(TreeView& sender, TreeNode* node, bool& allow)>;
  using EditedHandler = std::function<void(TreeView& sender, TreeNode* node, std::string& text)>;

  TreeView() : Control(ControlKind::TreeView) { SetColor(clWindow); }
  ~TreeView() override;

  // Adds a node at the end of parent's children (parent null: a root node).
  TreeNode* Add(TreeNode* parent, std::string text);
  // The same with its pictures: the control takes the node once, as it is.
  TreeNode* Add(TreeNode* parent, std::string text, int imageIndex, int selectedIndex);
  // Removes the node with everything below it.
  void Delete(TreeNode* node);
  void Clear();
  int RootCount() const { return static_cast<int>(roots_.size()); }
  TreeNode* Root(int index) const;
  // Every node in tree order (the order of the tree's Items), and their count.
  std::vector<TreeNode*> AllNodes() const;
  int NodeCount() const;

  TreeNode* Selected() const { return selected_; }
  // Changing the selection, by code or by the user, runs OnChange.
  void SetSelected(TreeNode* node);

  void FullExpand();
  void FullCollapse();
  void BeginUpdate();
  void EndUpdate();

  const ImageList* Images() const { return images_; }
  void SetImages(const ImageList* images);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool show);

  // Starts editing an editable node's caption (it becomes selected); false for a node that is
  // not editable. The edit ends with UserEndEdit or UserCancelEdit.
  bool EditCaption(TreeNode* node);
  TreeNode* EditingNode() const { return editing_; }

  // The node on the row at (x, y) of the control, or none.
  TreeNode* GetNodeAt(int x, int y) const;
  // Rows of 16 pixels, top to bottom, as the in-memory toolkit lays them out.
  static constexpr int kRowHeight = 16;

  NodeHandler OnChange;
  AllowHandler OnChanging;
  AllowHandler OnExpanding;
  AllowHandler OnCollapsing;
  NodeHandler OnExpanded;
  NodeHandler OnCollapsed;
  // The caption edit was confirmed: the handler sees the new text (and may change it) before
  // the node takes it. The node may be gone when the handler returns.
  EditedHandler OnEdited;
  // The caption edit was abandoned; the node keeps its caption.
  NodeHandler OnEditCancelled;

  // The user clicks a node: it becomes selected, then OnMouseDown and OnClick run.
  void UserClickNode(TreeNode* node, MouseButton button = MouseButton::Left);
  void UserExpand(TreeNode* node) { node->Expand(); }
  void UserCollapse(TreeNode* node) { node->Collapse(); }
  // The user starts editing a caption (a slow second click); false for a node not editable.
  bool UserBeginEdit(TreeNode* node);
  // The user ends the caption edit with this text (Enter or clicking elsewhere), or with Esc.
  void UserEndEdit(std::string text);
  void UserCancelEdit();

 private:
  friend class TreeNode;
  void NodeChanged(TreeNode& node);
  bool AllowExpand(TreeNode& node, bool expanding);
  void Expanded(TreeNode& node, bool expanded);
  void Forget(TreeNode& node);

  std::vector<std::unique_ptr<TreeNode>> roots_;
  TreeNode* selected_ = nullptr;
  TreeNode* editing_ = nullptr;
  const ImageList* images_ = nullptr;
  int indent_ = 19;
  bool hideSelection_ = true;
  bool readOnly_ = false;
  bool showLines_ = true;
  int updating_ = 0;
};

}  // namespace ui
