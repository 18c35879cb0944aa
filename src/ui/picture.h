// What a picture shows, described portably; the backend loads it. Pictures are values: copying
// one copies the description.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct Picture {
  enum class Kind {
    None,
    Asset,       // a picture shipped with the program, by name ("banner.jpg", "tree/12.ico")
    File,        // an icon, bitmap or JPEG file
    IconInFile,  // icon number `index` inside an .exe, .dll or .ico file
    SystemIcon,  // entry `index` of the system image list
    StockIcon,   // a standard Windows icon (IDI_*), by its number
  };
  Kind kind = Kind::None;
  std::string name;  // asset name or file path
  int index = 0;
  bool large = true;  // system icons: the 32 x 32 list, else the 16 x 16 one

  static Picture Asset(std::string name) { return {Kind::Asset, std::move(name), 0, true}; }
  static Picture FromFile(std::string path) { return {Kind::File, std::move(path), 0, true}; }
  static Picture Icon(std::string path, int index) {
    return {Kind::IconInFile, std::move(path), index, true};
  }
  static Picture System(int index, bool large) { return {Kind::SystemIcon, {}, index, large}; }
  static Picture Stock(int id) { return {Kind::StockIcon, {}, id, true}; }

  bool Empty() const { return kind == Kind::None; }
  bool operator==(const Picture&) const = default;
};

// A list of same-sized pictures addressed by index, or one of the system's shared image lists.
struct ImageList {
  int width = 16;
  int height = 16;
  enum class Shared { None, SystemSmall, SystemLarge };
  Shared shared = Shared::None;
  std::vector<Picture> pictures;

  static ImageList SystemSmall() { return {16, 16, Shared::SystemSmall, {}}; }
  static ImageList SystemLarge() { return {32, 32, Shared::SystemLarge, {}}; }
  int Count() const { return static_cast<int>(pictures.size()); }
  bool operator==(const ImageList&) const = default;
};

// The system's shared lists, for controls that keep a pointer to the list they show.
inline const ImageList& SystemSmallIcons() {
  static const ImageList kList = ImageList::SystemSmall();
  return kList;
}
inline const ImageList& SystemLargeIcons() {
  static const ImageList kList = ImageList::SystemLarge();
  return kList;
}

}  // namespace ui
