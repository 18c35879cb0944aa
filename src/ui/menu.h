// Popup menus: items with captions ("-" is a separator), tags, check marks and submenus.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class MenuItem {
 public:
  using Handler = std::function<void(MenuItem& sender)>;

  explicit MenuItem(Backend* backend, std::string caption = {})
      : backend_(backend), caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool IsSeparator() const { return caption_ == "-"; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  MenuItem* Add(std::string caption, Handler onClick = {});
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem* Item(int index) const;
  // The first item below this one (at any depth) with that caption or name.
  MenuItem* Find(std::string_view captionOrName) const;
  void Clear() { items_.clear(); }

  Handler OnClick;
  // The user chooses this item.
  void UserChoose();

 private:
  Backend* backend_;
  std::string caption_;
  std::string name_;
  int tag_ = 0;
  bool checked_ = false;
  bool enabled_ = true;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class PopupMenu {
 public:
  explicit PopupMenu(Backend& backend) : backend_(backend), items_(&backend) {}

  MenuItem& Items() { return items_; }
  const MenuItem& Items() const { return items_; }
  // Runs OnPopup, then shows the menu at the screen point; the chosen item's OnClick runs.
  void Popup(Point screen);
  std::function<void(PopupMenu& sender)> OnPopup;
  // Only runs OnPopup (what a drop-down does before the menu shows).
  void Prepare();

 private:
  Backend& backend_;
  MenuItem items_;
};

}  // namespace ui
