// Tab controls: a page control holds tab sheets, one of them on show.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class PageControl;

class TabSheet : public Container {
 public:
  TabSheet() : Container(ControlKind::TabSheet) { SetVisible(false); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  PageControl* Pages() const;
  int PageIndex() const;

 protected:
  bool HoldsChildPeers() const override { return !revealed_; }

 private:
  friend class PageControl;
  // The sheet shows for the first time: its controls get their windows now.
  void Reveal();
  std::string caption_;
  bool revealed_ = false;
};

class PageControl : public Container {
 public:
  PageControl() : Container(ControlKind::PageControl) {}

  // Adds a sheet at the end; the first sheet becomes the active one.
  TabSheet* AddSheet(std::string caption);
  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  TabSheet* Sheet(int index) const;
  TabSheet* ActivePage() const { return active_; }
  int ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }
  // Set by code: OnChange does not run.
  void SetActivePage(TabSheet* sheet);
  void SetActivePageIndex(int index) { SetActivePage(Sheet(index)); }

  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int width);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  // Height of the tab row above the sheets.
  static constexpr int kTabHeight = 24;
  Rect ClientRect() const override;

  // The user picks a tab: OnChanging may refuse, then the sheet shows and OnChange runs.
  void UserSelectTab(int index);
  Handler OnChange;
  std::function<void(PageControl& sender, bool& allow)> OnChanging;

 private:
  friend class TabSheet;
  std::vector<TabSheet*> sheets_;
  TabSheet* active_ = nullptr;
  int tabWidth_ = 0;
  bool multiLine_ = false;
};

}  // namespace ui
