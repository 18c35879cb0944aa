#include "page/images.h"

namespace page {

ui::Picture Icon(const std::string& name) {
  return ui::Picture::Asset(name + ".ico");
}

namespace {

ui::ImageList ListOf(int size, int count, const std::string& fill) {
  ui::ImageList list;
  list.width = list.height = size;
  list.pictures.assign(static_cast<size_t>(count), Icon(fill));
  return list;
}

}  // namespace

ImageLists::ImageLists()
    : ImageList2(ListOf(16, 10, "tool_blank")),
      ImageList3(ListOf(16, 10, "tool_blank")),
      ImageList4(ListOf(16, 52, "small_page")),
      ImageList5(ListOf(16, 12, "small_page")),
      ImageList6(ListOf(32, 4, "large_info")),
      ImageList7(ListOf(16, 12, "small_page")),
      ImageList8(ListOf(16, 30, "small_page")),
      ImageList9(ListOf(32, 4, "large_info")),
      ImageList10(ListOf(32, 4, "large_info")) {
  static const char* const kToolbar[] = {"tool_back",  "tool_forward", "tool_up",    "tool_font",
                                         "tool_icons", "tool_blank",   "tool_blank", "tool_help",
                                         "tool_info",  "tool_exit"};
  for (size_t i = 0; i < std::size(kToolbar); ++i) {
    ImageList2.pictures[i] = Icon(kToolbar[i]);
    ImageList3.pictures[i] = Icon(kToolbar[i]);
  }
  ImageList4.pictures[6] = Icon("small_registry");
  ImageList4.pictures[7] = Icon("small_ini");
  ImageList4.pictures[8] = Icon("small_registry");
  ImageList4.pictures[10] = Icon("small_tip");
  ImageList7.pictures[4] = Icon("small_present");
  ImageList7.pictures[5] = Icon("small_absent");
  ImageList6.pictures[1] = Icon("large_question");
  ImageList8.pictures[26] = Icon("kalmora");
}

}  // namespace page
