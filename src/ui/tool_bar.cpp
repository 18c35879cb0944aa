#include "ui/tool_bar.h"

#include <algorithm>

namespace ui {

int ToolButton::Index() const {
  for (int i = 0; i < owner_.ButtonCount(); ++i) {
    if (owner_.Button(i) == this) return i;
  }
  return -1;
}

void ToolButton::Notify() {
  owner_.ButtonChanged(*this);
}

void ToolButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify();
}

void ToolButton::SetHint(std::string hint) {
  hint_ = std::move(hint);
  Notify();
}

void ToolButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Notify();
}

void ToolButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify();
}

void ToolButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  Notify();
}

void ToolButton::SetWidth(int width) {
  width_ = width;
  Notify();
}

void ToolButton::UserClick() {
  if (!enabled_ || style_ == ToolButtonStyle::Separator) return;
  if (style_ == ToolButtonStyle::Check) SetDown(!down_);
  owner_.RunClick(*this);
}

void ToolButton::UserDropDown() {
  if (!enabled_) return;
  owner_.RunDropDown(*this);
}

ToolButton* ToolBar::AddButton(ToolButtonStyle style) {
  buttons_.push_back(std::make_unique<ToolButton>(*this, style));
  Changed(Change::kItems);
  Realign();
  return buttons_.back().get();
}

int ToolBar::ButtonLeft(int index) const {
  // The Win32 bar draws a separator without a width of its own 8 pixels wide.
  constexpr int kSeparatorWidth = 8;
  int left = 0;
  for (int i = 0; i < index && i < ButtonCount(); ++i) {
    const ToolButton& button = *buttons_[static_cast<size_t>(i)];
    if (button.Width() > 0) {
      left += button.Width();
    } else {
      left += button.Style() == ToolButtonStyle::Separator ? kSeparatorWidth : buttonWidth_;
    }
  }
  return left;
}

Rect ToolBar::ClientRect() const {
  const int used = std::min(ButtonsWidth(), Width());
  return {used, 0, Width() - used, Height()};
}

ToolButton* ToolBar::Button(int index) const {
  if (index < 0 || index >= ButtonCount()) return nullptr;
  return buttons_[static_cast<size_t>(index)].get();
}

ToolButton* ToolBar::FindButton(std::string_view name) const {
  for (const auto& button : buttons_) {
    if (button->Name() == name) return button.get();
  }
  return nullptr;
}

void ToolBar::SetImages(const ImageList* images) {
  images_ = images;
  Changed(Change::kPicture);
}

void ToolBar::SetFlat(bool flat) {
  flat_ = flat;
  Changed(Change::kStyle);
}

void ToolBar::SetShowCaptions(bool show) {
  showCaptions_ = show;
  Changed(Change::kStyle);
}

void ToolBar::SetButtonSize(int width, int height) {
  buttonWidth_ = width;
  buttonHeight_ = height;
  Changed(Change::kStyle);
  Realign();
}

void ToolBar::ButtonChanged(const ToolButton& button) {
  if (GetPeer()) GetPeer()->ItemChanged(button.Index());
  Realign();  // a wider button moves what follows the buttons
}

void ToolBar::RunClick(ToolButton& button) {
  auto handler = button.OnClick;
  Fire(handler, button);
}

void ToolBar::RunDropDown(ToolButton& button) {
  PopupMenu* menu = button.DropdownMenu();
  if (!menu) return;
  // Below the button.
  menu->Popup(GetBackend()->ClientToScreen(*this, {ButtonLeft(button.Index()), buttonHeight_}));
}

}  // namespace ui
