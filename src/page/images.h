// The main window's icon lists: tree icons by PageId, toolbar icons, page icons and the large
// icons of dialogs. The pictures are the program's own assets.
#pragma once

#include "ui/picture.h"

namespace page {

// One of the program's own icons, by its asset name without ".ico".
ui::Picture Icon(const std::string& name);

struct ImageLists {
  ImageLists();
  ui::ImageList ImageList1;  // tree: entry PageId is the node's icon (the main window fills it)
  ui::ImageList ImageList2;  // main toolbar
  ui::ImageList ImageList3;  // main toolbar, disabled
  // small page icons (6 and 8: registry entry, 7: Win.ini entry, 10: tip, the rest: files)
  ui::ImageList ImageList4;
  ui::ImageList ImageList5;   // small icons of the drive and folder lists
  ui::ImageList ImageList6;   // 32 x 32: 1 is the confirmation dialog's picture
  ui::ImageList ImageList7;   // small icons of the information lists
  ui::ImageList ImageList8;   // small: 26 is the status bar's program icon
  ui::ImageList ImageList9;   // 32 x 32 page pictures
  ui::ImageList ImageList10;  // 32 x 32 page pictures
};

// The pictures of the fixed parts of the main window.
namespace pictures {
inline const ui::Picture kTitleBand = ui::Picture::Asset("title_band.jpg");      // Image3
inline const ui::Picture kGroupHeader = ui::Picture::Asset("group_header.jpg");  // Image6
inline const ui::Picture kGroupBanner = ui::Picture::Asset("group_banner.jpg");  // Image5
inline const ui::Picture kApplyButton = ui::Picture::Asset("apply_button.jpg");  // Image1
inline const ui::Picture kProgramIcon = ui::Picture::Asset("kalmora.ico");
}  // namespace pictures

}  // namespace page
