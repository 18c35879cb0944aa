// Loading the toolkit's pictures into icons and bitmaps: assets compiled into the executable,
// icon, bitmap and JPEG files, icons inside programs, the system image lists and stock icons.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "os/jpeg_image.h"
#include "ui/picture.h"
#include "win32/ui/gdi_handles.h"

namespace win32 {

struct LoadedPicture {
  UniqueIcon icon;
  UniqueBitmap bitmap;
  int width = 0;
  int height = 0;
  // A photograph (JPEG): lossy colours have no transparent one, so it always shows opaque.
  bool photo = false;
  // A photograph's own pixels, which stretch far faster than its bitmap does under Wine.
  os::RgbImage pixels;
  explicit operator bool() const { return icon || bitmap; }
};

// The resource name an asset is compiled under: its path below assets/, upper-cased, with
// forward slashes (the build writes the resource script the same way).
std::wstring AssetResourceName(std::string_view name);
// The bytes of an asset; empty when the executable has none of that name.
std::vector<uint8_t> AssetBytes(std::string_view name);

// Loads a picture; iconSize picks the best image of a multi-size icon. Empty on any failure.
LoadedPicture LoadPicture(const ui::Picture& picture, int iconSize = 32);
// Decodes .ico, .bmp or JPEG bytes (by their content, not a name).
LoadedPicture PictureFromBytes(const std::vector<uint8_t>& bytes, int iconSize = 32);

// A 24-bit bitmap of the given size showing the picture scaled into it over the background;
// with transparent set, a bitmap's bottom-left colour lets the background through (not a
// photo's: its pixels only come near any one colour, and keying them leaves specks and stripes).
UniqueBitmap RenderPicture(const LoadedPicture& picture, int width, int height, COLORREF background,
                           bool transparent);

// Pictures loaded once and shared: the same asset, icon or file shows on many controls (the
// header band of every group page, the nine icons of the icon spacing preview, the tree's
// icons). A file is loaded again once it was written since. The system image list's icons are
// not kept, as the shell fills that list as it goes.
class PictureCache {
 public:
  // Null for no picture; a picture that failed to load is an empty one, also kept.
  std::shared_ptr<const LoadedPicture> Get(const ui::Picture& picture, int iconSize);
  // How many pictures were loaded from their source, for tests.
  int Loads() const { return loads_; }

 private:
  struct Key {
    ui::Picture::Kind kind;
    std::string name;
    int index;
    bool large;
    int iconSize;
    uint64_t written;  // a file's last write time and size, 0 for the rest
    uint64_t size;
    auto operator<=>(const Key&) const = default;
  };
  struct Entry {
    std::shared_ptr<const LoadedPicture> picture;
    uint64_t used = 0;
  };
  static constexpr size_t kMaxEntries = 128;
  std::map<Key, Entry> entries_;
  uint64_t clock_ = 0;
  int loads_ = 0;
};

// The shared system image list (never destroyed by us).
HIMAGELIST SystemImageList(bool large);
// An image list of the pictures, scaled to the list's size; a picture that does not load keeps
// its place as an empty image.
UniqueImageList BuildImageList(const ui::ImageList& images, PictureCache& pictures);

}  // namespace win32
