// Peers of the list view and the tree view.
#include "win32/ui/peers.h"

#include <windowsx.h>

#include "win32/wide.h"

namespace win32 {

// --- list views ----------------------------------------------------------------------------------

ListViewPeer::ListViewPeer(Win32Backend& backend, ui::ListView& list)
    : WindowPeer(backend, list), list_(list) {
  CreateWindowNow();
}

void ListViewPeer::CreateWindowNow() {
  // The image lists belong to the backend (or the system): the control must not free them.
  CreateControlWindow(WC_LISTVIEWW, WS_TABSTOP | LVS_SHAREIMAGELISTS, 0);
}

void ListViewPeer::ApplyStyle() {
  DWORD view = LVS_ICON;
  switch (list_.Style()) {
    case ui::ViewStyle::Icon:
      view = LVS_ICON;
      break;
    case ui::ViewStyle::SmallIcon:
      view = LVS_SMALLICON;
      break;
    case ui::ViewStyle::List:
      view = LVS_LIST;
      break;
    case ui::ViewStyle::Report:
      view = LVS_REPORT;
      break;
  }
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  DWORD style = (old & ~(LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER |
                         LVS_ALIGNLEFT | WS_BORDER)) |
                view;
  if (!list_.MultiSelect()) style |= LVS_SINGLESEL;
  if (!list_.HideSelection()) style |= LVS_SHOWSELALWAYS;
  if (!list_.ShowColumnHeaders()) style |= LVS_NOCOLUMNHEADER;
  if (list_.IconArrangeLeft()) style |= LVS_ALIGNLEFT;
  const bool border = list_.Border() == ui::BorderStyle::Single;
  if (border && !list_.Ctl3D()) style |= WS_BORDER;
  {
    Pushing pushing(*this);
    if (style != old) SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
  }
  SetStyleBits(WS_EX_CLIENTEDGE, border && list_.Ctl3D(), true);
  DWORD extended = 0;
  if (list_.CheckBoxes()) extended |= LVS_EX_CHECKBOXES;
  if (list_.GridLines()) extended |= LVS_EX_GRIDLINES;
  if (list_.RowSelect()) extended |= LVS_EX_FULLROWSELECT;
  if (list_.FlatScrollBars()) extended |= LVS_EX_FLATSB;
  const DWORD mask = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;
  const auto oldExtended =
      static_cast<DWORD>(SendMessageW(hwnd_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  if ((oldExtended & mask) != extended) {
    Pushing pushing(*this);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, extended);
    // Check boxes came or went: every row's mark again.
    for (int i = 0; i < list_.Count(); ++i) SetRowState(i);
  }
}

void ListViewPeer::ApplyPicture() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(backend_.ImageListFor(list_.SmallImages())));
  SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL,
               reinterpret_cast<LPARAM>(backend_.ImageListFor(list_.LargeImages())));
}

void ListViewPeer::ApplyItems() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(hwnd_, LVM_DELETECOLUMN, 0, 0)) {
  }
  int index = 0;
  for (const ui::ListColumn& column : list_.Columns()) {
    std::wstring caption = Wide(column.caption);
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    info.fmt = column.alignment == ui::TextAlign::Right    ? LVCFMT_RIGHT
               : column.alignment == ui::TextAlign::Center ? LVCFMT_CENTER
                                                           : LVCFMT_LEFT;
    if (index == 0) info.fmt = LVCFMT_LEFT;  // the first column is always left-aligned
    info.cx = column.width;
    info.pszText = caption.data();
    info.iSubItem = index;
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&info));
    ++index;
  }
  SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(list_.Count()), 0);
  for (int i = 0; i < list_.Count(); ++i) InsertRow(i);
}

void ListViewPeer::InsertRow(int index) {
  const ui::ListItem* item = list_.Item(index);
  std::wstring caption = Wide(item->Caption());
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_IMAGE;
  row.iItem = index;
  row.pszText = caption.data();
  row.iImage = item->ImageIndex();
  Pushing pushing(*this);
  SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
  // A new row has empty cells and is neither selected nor checked: under Wine every message to
  // a list costs, and a long list is mostly these.
  SetCells(index, false);
  if (item->Selected() || list_.CheckBoxes()) SetRowState(index);
}

void ListViewPeer::SetRow(int index) {
  const ui::ListItem* item = list_.Item(index);
  Pushing pushing(*this);
  std::wstring caption = Wide(item->Caption());
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_IMAGE;
  row.iItem = index;
  row.pszText = caption.data();
  row.iImage = item->ImageIndex();
  SendMessageW(hwnd_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&row));
  SetCells(index, true);
  SetRowState(index);
}

void ListViewPeer::SetCells(int index, bool emptyToo) {
  const ui::ListItem* item = list_.Item(index);
  Pushing pushing(*this);
  const int columns = std::max(1, static_cast<int>(list_.Columns().size()));
  for (int sub = 1; sub < columns; ++sub) {
    const std::string& value = item->SubItem(static_cast<size_t>(sub - 1));
    if (value.empty() && !emptyToo) continue;
    std::wstring text = Wide(value);
    LVITEMW cell{};
    cell.iSubItem = sub;
    cell.pszText = text.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&cell));
  }
}

void ListViewPeer::SetRowState(int index) {
  const ui::ListItem* item = list_.Item(index);
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = item->Selected() ? LVIS_SELECTED : 0;
  if (list_.CheckBoxes()) {
    state.stateMask |= LVIS_STATEIMAGEMASK;
    state.state |= INDEXTOSTATEIMAGEMASK(item->Checked() ? 2 : 1);
  }
  Pushing pushing(*this);
  SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&state));
}

void ListViewPeer::ItemAdded(int index) {
  if (hwnd_ && !DeferItems()) InsertRow(index);
}

void ListViewPeer::ItemChanged(int index) {
  if (hwnd_ && index >= 0 && index < list_.Count() && !DeferItems()) SetRow(index);
}

void ListViewPeer::ItemRemoved(int index) {
  if (!hwnd_ || DeferItems()) return;
  Pushing pushing(*this);
  SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

bool ListViewPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd_ || IsPushing()) return false;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
      result = 0;
      if (!(change.uChanged & LVIF_STATE)) return true;
      const int first = change.iItem < 0 ? 0 : change.iItem;
      const int last = change.iItem < 0 ? list_.Count() - 1 : change.iItem;
      const auto alive = AliveToken();
      for (int i = first; i <= last && i < list_.Count(); ++i) {
        const auto state = static_cast<UINT>(SendMessageW(
            hwnd_, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_STATEIMAGEMASK));
        const bool selected = (state & LVIS_SELECTED) != 0;
        if (selected != list_.Item(i)->Selected()) {
          list_.UserSetSelected(i, selected);
          if (!*alive) return true;
        }
        if (list_.CheckBoxes() && (state & LVIS_STATEIMAGEMASK) != 0 && i < list_.Count()) {
          const bool checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
          if (checked != list_.Item(i)->Checked()) {
            list_.UserToggleCheck(i);
            if (!*alive) return true;
          }
        }
      }
      return true;
    }
    case NM_CLICK:
      result = 0;
      list_.UserClick();
      return true;
    case LVN_COLUMNCLICK:
      result = 0;
      list_.UserClickColumn(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return true;
    default:
      return false;
  }
}

// --- tree views ----------------------------------------------------------------------------------

TreeViewPeer::TreeViewPeer(Win32Backend& backend, ui::TreeView& tree)
    : WindowPeer(backend, tree), tree_(tree) {
  CreateWindowNow();
}

void TreeViewPeer::CreateWindowNow() {
  items_.clear();
  opened_.clear();
  CreateControlWindow(WC_TREEVIEWW, WS_TABSTOP | TVS_HASBUTTONS | TVS_LINESATROOT,
                      WS_EX_CLIENTEDGE);
}

void TreeViewPeer::ApplyStyle() {
  Pushing pushing(*this);
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  DWORD style = old & ~(TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_EDITLABELS);
  if (tree_.ShowLines()) style |= TVS_HASLINES;
  // Captions can be edited at all; which nodes let it happen is asked per node.
  if (!tree_.ReadOnly()) style |= TVS_EDITLABELS;
  if (!tree_.HideSelection()) style |= TVS_SHOWSELALWAYS;
  if (style != old) {
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
    Repaint();
  }
  SendMessageW(hwnd_, TVM_SETINDENT, static_cast<WPARAM>(tree_.Indent()), 0);
}

void TreeViewPeer::ApplyPicture() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(backend_.ImageListFor(tree_.Images())));
}

// Only what the user can reach is in the control: the top level and the children of every node
// opened once (expanded by the user or the program, or holding the selection). A branch nobody
// opens costs nothing: the main tree's 150 nodes were a good part of its start-up.
void TreeViewPeer::ApplyItems() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  items_.clear();
  opened_.clear();
  for (int i = 0; i < tree_.RootCount(); ++i) Insert(*tree_.Root(i));
  for (int i = 0; i < tree_.RootCount(); ++i) SetExpanded(*tree_.Root(i));
}

void TreeViewPeer::Insert(ui::TreeNode& node) {
  HTREEITEM parent = TVI_ROOT;
  if (node.Parent()) {
    auto it = items_.find(node.Parent());
    if (it == items_.end()) return;
    parent = it->second;
  }
  std::wstring text = Wide(node.Text());
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  insert.item.pszText = text.data();
  insert.item.lParam = reinterpret_cast<LPARAM>(&node);
  insert.item.iImage = node.ImageIndex();
  insert.item.iSelectedImage = node.SelectedIndex();
  // A node not yet opened shows its button from this alone.
  insert.item.cChildren = node.HasChildren() ? 1 : 0;
  Pushing pushing(*this);
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (item) items_[&node] = item;
}

// Gives the node's children their items (once), and opens those of them that are expanded.
void TreeViewPeer::Open(ui::TreeNode& node) {
  if (!items_.count(&node) || !opened_.insert(&node).second) return;
  for (int i = 0; i < node.Count(); ++i) Insert(*node.Child(i));
  for (int i = 0; i < node.Count(); ++i) SetExpanded(*node.Child(i));
}

// The node's item, made with those of its parents' branches if it had none yet.
HTREEITEM TreeViewPeer::ItemFor(const ui::TreeNode& node) {
  auto it = items_.find(&node);
  if (it != items_.end()) return it->second;
  if (!node.Parent() || !ItemFor(*node.Parent())) return nullptr;
  Open(*node.Parent());
  it = items_.find(&node);
  return it != items_.end() ? it->second : nullptr;
}

void TreeViewPeer::SetExpanded(ui::TreeNode& node) {
  auto it = items_.find(&node);
  if (it == items_.end() || &node == expanding_) return;
  if (node.Expanded()) Open(node);
  const auto state = static_cast<UINT>(
      SendMessageW(hwnd_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(it->second), TVIS_EXPANDED));
  if (((state & TVIS_EXPANDED) != 0) == node.Expanded()) return;
  Pushing pushing(*this);
  SendMessageW(hwnd_, TVM_EXPAND, node.Expanded() ? TVE_EXPAND : TVE_COLLAPSE,
               reinterpret_cast<LPARAM>(it->second));
}

void TreeViewPeer::NodeAdded(ui::TreeNode& node) {
  // Below a node not opened yet, the child waits for the opening (its parent shows the button).
  if (hwnd_ && (!node.Parent() || opened_.count(node.Parent()))) Insert(node);
}

void TreeViewPeer::NodeChanged(ui::TreeNode& node) {
  auto it = items_.find(&node);
  if (!hwnd_ || it == items_.end()) return;
  std::wstring text = Wide(node.Text());
  TVITEMW item{};
  item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  item.hItem = it->second;
  item.pszText = text.data();
  item.iImage = node.ImageIndex();
  item.iSelectedImage = node.SelectedIndex();
  item.cChildren = node.HasChildren() ? 1 : 0;
  {
    Pushing pushing(*this);
    SendMessageW(hwnd_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  SetExpanded(node);
}

void TreeViewPeer::Forget(ui::TreeNode& node) {
  for (int i = 0; i < node.Count(); ++i) Forget(*node.Child(i));
  items_.erase(&node);
  opened_.erase(&node);
}

void TreeViewPeer::NodeRemoving(ui::TreeNode& node) {
  auto it = items_.find(&node);
  if (!hwnd_ || it == items_.end()) return;
  HTREEITEM item = it->second;
  Forget(node);
  Pushing pushing(*this);
  SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
  // The tree may have moved its selection elsewhere; the control's stands.
  ApplyState();
}

void TreeViewPeer::ApplyState() {
  const HTREEITEM want = tree_.Selected() ? ItemFor(*tree_.Selected()) : nullptr;
  const auto now = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (now == want) return;
  Pushing pushing(*this);
  SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(want));
}

ui::TreeNode* TreeViewPeer::NodeOf(HTREEITEM item) const {
  if (!item) return nullptr;
  for (const auto& [node, handle] : items_) {
    if (handle == item) return const_cast<ui::TreeNode*>(node);
  }
  return nullptr;
}

bool TreeViewPeer::HitTest(ui::Point p, ui::TreeNode*& node) {
  if (!hwnd_) return false;
  TVHITTESTINFO hit{};
  hit.pt = {p.x, p.y};
  SendMessageW(hwnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  node = (hit.flags & TVHT_ONITEM) ? NodeOf(hit.hItem) : nullptr;
  return true;
}

void TreeViewPeer::EditNode(ui::TreeNode& node) {
  const HTREEITEM item = hwnd_ ? ItemFor(node) : nullptr;
  if (!item) return;
  SetFocus();
  SendMessageW(hwnd_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item));
}

bool TreeViewPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd_) return false;
  const auto& view = reinterpret_cast<NMTREEVIEWW&>(header);
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      result = FALSE;
      ui::TreeNode* node = NodeOf(view.itemNew.hItem);
      if (IsPushing() || !node) return true;
      const bool expand = view.action & TVE_EXPAND;
      // The branch gets its items before the handlers run, so that children they add now
      // arrive as well.
      if (expand) Open(*node);
      // The control asks its handlers (which may add the children now) and answers.
      const auto alive = AliveToken();
      expanding_ = node;
      if (expand) {
        node->Expand();
      } else {
        node->Collapse();
      }
      if (!*alive) return true;
      expanding_ = nullptr;
      result = node->Expanded() == expand ? FALSE : TRUE;
      return true;
    }
    case TVN_SELCHANGEDW: {
      result = 0;
      if (IsPushing()) return true;
      ui::TreeNode* node = NodeOf(view.itemNew.hItem);
      const auto alive = AliveToken();
      tree_.SetSelected(node);
      if (!*alive) return true;
      // A handler may have refused the change.
      if (tree_.Selected() != node) ApplyState();
      return true;
    }
    case TVN_BEGINLABELEDITW: {
      // Only nodes the program marked editable take an edit; TRUE refuses it.
      ui::TreeNode* node = NodeOf(reinterpret_cast<NMTVDISPINFOW&>(header).item.hItem);
      if (node && tree_.EditingNode() == node) {
        result = FALSE;
      } else {
        result = tree_.UserBeginEdit(node) ? FALSE : TRUE;
      }
      return true;
    }
    case TVN_ENDLABELEDITW: {
      // The control keeps its old text: the node takes the new one itself, and the handler may
      // already have removed the item.
      result = FALSE;
      const wchar_t* text = reinterpret_cast<NMTVDISPINFOW&>(header).item.pszText;
      if (text) {
        tree_.UserEndEdit(Narrow(text));
      } else {
        tree_.UserCancelEdit();
      }
      return true;
    }
    case TVN_BEGINDRAGW:
      result = 0;
      if (IsPushing()) return true;
      tree_.BeginDrag();
      backend_.StartDrag(*this);
      return true;
    default:
      return false;
  }
}

}  // namespace win32
