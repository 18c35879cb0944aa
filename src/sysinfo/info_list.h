// The information list every information page shows: a read-only report list with the columns
// "Bereich" and "Wert", filled with group rows, value rows and blank rows in the order given.
#pragma once

#include <optional>
#include <string>

#include "page/page_context.h"
#include "ui/list_view.h"

namespace sysinfo {

inline constexpr int kGroupIcon = 0;
inline constexpr int kValueIcon = 1;
// A capability the device has, or lacks.
inline constexpr int kPresentIcon = 4;
inline constexpr int kAbsentIcon = 5;

// Where a page that is nothing but its list puts it, below the headline.
inline constexpr ui::Rect kInfoListBounds{10, 40, 470, 330};

class InfoList {
 public:
  // Creates the list in ListViews slot 0 of the page; the rows go nowhere when it cannot. The
  // rows given to such a list are drawn once, when this object ends with the page's builder.
  InfoList(page::PageContext& form, const ui::Rect& bounds);
  explicit InfoList(ui::ListView* list) : list_(list) {}

  void Group(const std::string& caption);
  void Value(const std::string& caption, const std::string& value, int icon = kValueIcon);
  void Blank();
  // A group that is not the page's first starts after a blank row.
  void NextGroup(const std::string& caption) {
    Blank();
    Group(caption);
  }

  ui::ListView* List() const { return list_; }

 private:
  ui::ListView* list_ = nullptr;
  std::optional<ui::ListUpdate> batch_;
};

}  // namespace sysinfo
