// Loading the toolkit's pictures into icons and bitmaps: assets compiled into the executable,
// icon, bitmap and JPEG files, icons inside programs, the system image lists and stock icons.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The shared system image list (never destroyed by us).
HIMAGELIST SystemImageList(bool large);
// An image list of the pictures, scaled to the list's size; a picture that does not load keeps
// its place as an empty image.
UniqueImageList BuildImageList(const ui::ImageList& images);

}  // namespace win32
