// The peer classes, one per control kind (some kinds share one).
#pragma once

#include <map>
#include <set>
#include <string>

#include "win32/ui/pictures.h"
#include "win32/ui/window_peer.h"

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "ui/tree_view.h"

namespace win32 {

class TimerPeer final : public WindowPeer {
 public:
  TimerPeer(Win32Backend& backend, ui::Control& control);
  void Update(ui::Change) override {}

 protected:
  void CreateWindowNow() override {}
};

class FormPeer final : public WindowPeer {
 public:
  FormPeer(Win32Backend& backend, ui::Form& form);

 protected:
  void CreateWindowNow() override;
  void ApplyBounds() override;
  void ApplyVisible() override;
  void ApplyText() override;
  void ApplyFont() override;
  void ApplyColor() override;
  void ApplyStyle() override;
  void ApplyPicture() override;
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::Button* FindButton(bool isDefault) const;
  ui::Form& form_;
  std::shared_ptr<const LoadedPicture> bigIcon_;
  std::shared_ptr<const LoadedPicture> smallIcon_;
};

class PanelPeer final : public WindowPeer {
 public:
  PanelPeer(Win32Backend& backend, ui::Container& control);

 protected:
  void CreateWindowNow() override;
  void ApplyText() override;
  void ApplyColor() override;
  void ApplyStyle() override;
  bool ClicksOnMouseUp() const override { return true; }
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Paint(HDC dc);
};

class LabelPeer final : public WindowPeer {
 public:
  LabelPeer(Win32Backend& backend, ui::Label& label);

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyText() override;
  bool ClicksOnMouseUp() const override { return true; }
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void PaintTransparent(HDC dc);
  ui::Label& label_;
};

class ButtonPeer final : public WindowPeer {
 public:
  ButtonPeer(Win32Backend& backend, ui::Button& button);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;
  bool OnDrawItem(DRAWITEMSTRUCT& item) override;

 protected:
  void CreateWindowNow() override;
  void ApplyText() override;
  void ApplyStyle() override;
  void ApplyPicture() override;

 private:
  bool HasGlyph() const { return glyph_ && *glyph_; }
  ui::Button& button_;
  std::shared_ptr<const LoadedPicture> glyph_;
};

class CheckPeer final : public WindowPeer {
 public:
  CheckPeer(Win32Backend& backend, ui::Control& control);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;

 protected:
  void CreateWindowNow() override;
  void ApplyText() override;
  void ApplyState() override;

 private:
  bool Checked() const;
};

class GroupBoxPeer final : public WindowPeer {
 public:
  GroupBoxPeer(Win32Backend& backend, ui::GroupBox& group);

 protected:
  void CreateWindowNow() override;
  void ApplyText() override;
  void ApplyColor() override;
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::GroupBox& group_;
};

class EditPeer final : public WindowPeer {
 public:
  EditPeer(Win32Backend& backend, ui::Edit& edit);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;

 protected:
  void CreateWindowNow() override;
  void ApplyText() override;
  void ApplyStyle() override;

 private:
  ui::Edit& edit_;
};

class MemoPeer final : public WindowPeer {
 public:
  MemoPeer(Win32Backend& backend, ui::Memo& memo);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;

 protected:
  void CreateWindowNow() override;
  void Prepare() override;
  void SyncAll() override;
  void ApplyText() override;
  void ApplyStyle() override;
  void ApplyColor() override;
  void ApplyFont() override;

 private:
  bool Rich() const;
  ui::Memo& memo_;
  bool wordWrap_ = true;
  ui::ScrollBars scrollBars_ = ui::ScrollBars::None;
};

class ComboPeer final : public WindowPeer {
 public:
  ComboPeer(Win32Backend& backend, ui::ComboBox& combo);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;
  void ItemAdded(int index) override;
  static constexpr int kDropHeight = 160;

 protected:
  void CreateWindowNow() override;
  bool Parks() const override { return true; }
  void ApplyBounds() override;
  void ApplyStyle() override;
  void ApplyItems() override;
  void ApplyState() override;

 private:
  ui::ComboBox& combo_;
  ui::ComboStyle style_ = ui::ComboStyle::DropDown;
};

class ImagePeer final : public WindowPeer {
 public:
  ImagePeer(Win32Backend& backend, ui::Image& image);
  ~ImagePeer() override;
  bool OnCtlColor(HDC dc, LRESULT& result) override;

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyBounds() override;
  void ApplyPicture() override;
  void ApplyVisible() override;
  bool ClicksOnMouseUp() const override { return true; }

 private:
  // What the window shows was made from these; the same again needs no new bitmap.
  struct Shown {
    const LoadedPicture* source = nullptr;
    int width = -1;
    int height = -1;
    bool stretch = false;
    bool transparent = false;
    bool center = false;
    COLORREF background = 0;
    bool operator==(const Shown&) const = default;
  };
  ui::Image& image_;
  std::shared_ptr<const LoadedPicture> source_;
  UniqueBitmap bitmap_;
  Shown shown_;
  // A hidden picture is decoded and scaled when it first shows.
  bool pictureWaits_ = false;
};

class SliderPeer final : public WindowPeer {
 public:
  SliderPeer(Win32Backend& backend, ui::Slider& slider);
  bool OnScroll(WORD code) override;

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyRange() override;
  void ApplyState() override;

 private:
  ui::Slider& slider_;
  ui::Orientation orientation_ = ui::Orientation::Horizontal;
};

class SpinPeer final : public WindowPeer {
 public:
  SpinPeer(Win32Backend& backend, ui::SpinEdit& spin);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  static constexpr int kButtonWidth = 16;

 protected:
  void CreateWindowNow() override;
  void Prepare() override;
  void ApplyBounds() override;
  void ApplyRange() override;
  void ApplyState() override;

 private:
  ui::SpinEdit& spin_;
};

class GaugePeer final : public WindowPeer {
 public:
  GaugePeer(Win32Backend& backend, ui::Gauge& gauge);

 protected:
  void CreateWindowNow() override;
  void SyncAll() override;
  void ApplyRange() override;
  void ApplyState() override;
  void ApplyColor() override;
  void ApplyStyle() override;
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::Gauge& gauge_;
};

class AnimationPeer final : public WindowPeer {
 public:
  AnimationPeer(Win32Backend& backend, ui::Animation& animation);

 protected:
  void CreateWindowNow() override;
  void ApplyPicture() override;
  void ApplyState() override;

 private:
  ui::Animation& animation_;
  bool opened_ = false;
};

class GraphPeer final : public WindowPeer {
 public:
  GraphPeer(Win32Backend& backend, ui::PerformanceGraph& graph);

 protected:
  void CreateWindowNow() override;
  bool ClicksOnMouseUp() const override { return true; }
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Paint(HDC dc);
  ui::PerformanceGraph& graph_;
};

class SplitterPeer final : public WindowPeer {
 public:
  SplitterPeer(Win32Backend& backend, ui::Splitter& splitter);

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::Splitter& splitter_;
  POINT last_{};
  bool dragging_ = false;
};

class ListViewPeer final : public WindowPeer {
 public:
  ListViewPeer(Win32Backend& backend, ui::ListView& list);
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  void ItemAdded(int index) override;
  void ItemChanged(int index) override;
  void ItemRemoved(int index) override;

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyItems() override;
  void ApplyPicture() override;

 private:
  void InsertRow(int index);
  void SetRow(int index);
  // The texts of the columns after the first; empty ones only where a text may stand already.
  void SetCells(int index, bool emptyToo);
  void SetRowState(int index);
  ui::ListView& list_;
};

class TreeViewPeer final : public WindowPeer {
 public:
  TreeViewPeer(Win32Backend& backend, ui::TreeView& tree);
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  void NodeAdded(ui::TreeNode& node) override;
  void NodeChanged(ui::TreeNode& node) override;
  void NodeRemoving(ui::TreeNode& node) override;
  bool HitTest(ui::Point p, ui::TreeNode*& node) override;
  void EditNode(ui::TreeNode& node) override;

 protected:
  // Rows keep their item handles in step with the nodes: a tree never waits.
  bool CanDefer() const override { return false; }
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyItems() override;
  void ApplyState() override;
  void ApplyPicture() override;

 private:
  void Insert(ui::TreeNode& node);
  void Open(ui::TreeNode& node);
  HTREEITEM ItemFor(const ui::TreeNode& node);
  void Forget(ui::TreeNode& node);
  void SetExpanded(ui::TreeNode& node);
  ui::TreeNode* NodeOf(HTREEITEM item) const;
  ui::TreeView& tree_;
  std::map<const ui::TreeNode*, HTREEITEM> items_;
  // Nodes whose children have their items.
  std::set<const ui::TreeNode*> opened_;
  ui::TreeNode* expanding_ = nullptr;
};

class PageControlPeer final : public WindowPeer {
 public:
  PageControlPeer(Win32Backend& backend, ui::PageControl& pages);
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  void CreateWindowNow() override;
  void ApplyStyle() override;
  void ApplyItems() override;
  void ApplyState() override;
  void ApplyColor() override;

 private:
  ui::PageControl& pages_;
};

class StatusBarPeer final : public WindowPeer {
 public:
  StatusBarPeer(Win32Backend& backend, ui::StatusBar& bar);
  bool OnDrawItem(DRAWITEMSTRUCT& item) override;
  void ItemChanged(int index) override;

 protected:
  void CreateWindowNow() override;
  void ApplyItems() override;

 private:
  void SetPanelText(int index);
  ui::StatusBar& bar_;
};

class ToolBarPeer final : public WindowPeer {
 public:
  ToolBarPeer(Win32Backend& backend, ui::ToolBar& bar);
  bool OnCommand(WORD code, WORD id, LRESULT& result) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  void ItemChanged(int index) override;

 protected:
  void CreateWindowNow() override;
  void Prepare() override;
  void SyncAll() override;
  void ApplyStyle() override;
  void ApplyItems() override;
  void ApplyPicture() override;
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool Tooltip(NMHDR& header);
  int FixedWidth(const ui::ToolButton& button) const;
  ui::ToolBar& bar_;
  std::vector<std::wstring> captions_;
  std::wstring tip_;
  bool syncing_ = false;
};

}  // namespace win32
