// Tool bars: buttons with icons, captions, hints and drop-down menus. Controls placed on a bar
// with left alignment follow its buttons, as on a bar that holds other bars.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/menu.h"
#include "ui/picture.h"
#include "ui/types.h"

namespace ui {

class ToolBar;

enum class ToolButtonStyle { Button, Check, DropDown, Separator };

class ToolButton {
 public:
  ToolButton(ToolBar& owner, ToolButtonStyle style) : owner_(owner), style_(style) {}

  int Index() const;
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  ToolButtonStyle Style() const { return style_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Down() const { return down_; }
  void SetDown(bool down);
  PopupMenu* DropdownMenu() const { return menu_; }
  void SetDropdownMenu(PopupMenu* menu) { menu_ = menu; }
  int Width() const { return width_; }
  void SetWidth(int width);

  std::function<void(ToolButton& sender)> OnClick;

  // The user presses the button (a check button toggles first).
  void UserClick();
  // The user presses the drop-down arrow: the menu prepares itself and shows.
  void UserDropDown();

 private:
  void Notify();
  ToolBar& owner_;
  ToolButtonStyle style_;
  std::string name_;
  std::string caption_;
  std::string hint_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  bool down_ = false;
  int width_ = 0;
  PopupMenu* menu_ = nullptr;
};

class ToolBar : public Container {
 public:
  ToolBar() : Container(ControlKind::ToolBar) {}

  ToolButton* AddButton(ToolButtonStyle style = ToolButtonStyle::Button);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  ToolButton* Button(int index) const;
  ToolButton* FindButton(std::string_view name) const;
  // Where a button starts and where the buttons end, in the bar's coordinates: a button is as
  // wide as it says, or else a separator 8 and any other button ButtonWidth.
  int ButtonLeft(int index) const;
  int ButtonsWidth() const { return ButtonLeft(ButtonCount()); }
  // The area beside the buttons.
  Rect ClientRect() const override;

  const ImageList* Images() const { return images_; }
  void SetImages(const ImageList* images);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool show);
  int ButtonWidth() const { return buttonWidth_; }
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonSize(int width, int height);

 private:
  friend class ToolButton;
  void ButtonChanged(const ToolButton& button);
  void RunClick(ToolButton& button);
  void RunDropDown(ToolButton& button);

  std::vector<std::unique_ptr<ToolButton>> buttons_;
  const ImageList* images_ = nullptr;
  bool flat_ = true;
  bool showCaptions_ = false;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
};

}  // namespace ui
