// The information list every information page shows: a read-only report list with the columns
// "Bereich" and "Wert", filled with group rows, value rows and blank rows in the order given.
#pragma once

#include <string>

#include "ui/list_view.h"

namespace page {
class PageContext;
}

namespace sysinfo {

// Icons of the information lists' image list.
inline constexpr int kGroupImage = 0;
inline constexpr int kValueImage = 1;
inline constexpr int kPresentImage = 4;
inline constexpr int kAbsentImage = 5;

// Creates the list in ListViews slot 0 below the headline, filling the page.
ui::ListView* AddInfoList(page::PageContext& form);

void AddGroupRow(ui::ListView& list, const std::string& caption);
void AddValueRow(ui::ListView& list, const std::string& caption, const std::string& value,
                 int image = kValueImage);
void AddBlankRow(ui::ListView& list);

}  // namespace sysinfo
