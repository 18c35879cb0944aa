#include "win32/ui/pictures.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "os/image_scale.h"
#include "os/jpeg_image.h"
#include "win32/unique_handle.h"
#include "win32/wide.h"

namespace win32 {
namespace {

uint16_t Read16(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint32_t>(Read16(b, at)) | (static_cast<uint32_t>(Read16(b, at + 2)) << 16);
}

bool EndsWith(std::string_view text, std::string_view tail) {
  if (text.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i) {
    char c = text[text.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

// The header of a top-down DIB of that size and depth.
BITMAPINFO TopDownDib(int width, int height, WORD bitsPerPixel) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A top-down DIB section (24 bits unless told); bits receives its pixel memory.
UniqueBitmap MakeDib(int width, int height, uint8_t** bits, WORD bitsPerPixel = 24) {
  const BITMAPINFO info = TopDownDib(width, height, bitsPerPixel);
  void* memory = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
  *bits = static_cast<uint8_t*>(memory);
  return bitmap;
}

constexpr int64_t kPixelsKept = int64_t{1} << 20;

// RGB pixels into the bits of a 24-bit top-down DIB of their size (BGR, rows padded to 4 bytes).
void CopyIntoDib(const os::RgbImage& image, uint8_t* bits) {
  const size_t stride = ((static_cast<size_t>(image.width) * 3 + 3) / 4) * 4;
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* from = image.pixels.data() + static_cast<size_t>(y) * image.width * 3;
    uint8_t* to = bits + static_cast<size_t>(y) * stride;
    for (int x = 0; x < image.width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
}

// Stretches source onto dc, leaving out the pixels of the key colour. Masks and BitBlt rather
// than msimg32's TransparentBlt, which NT 4.0 does not have.
void KeyedStretch(HDC dc, int width, int height, HDC source, int sourceWidth, int sourceHeight,
                  COLORREF key) {
  // The picture at its new size, stretched without blending so the key colour stays exact.
  UniqueBitmap stretchedBitmap(CreateCompatibleBitmap(dc, width, height));
  MemoryDc stretched(dc);
  SelectGuard selectStretched(stretched.get(), stretchedBitmap.get());
  SetStretchBltMode(stretched.get(), COLORONCOLOR);
  StretchBlt(stretched.get(), 0, 0, width, height, source, 0, 0, sourceWidth, sourceHeight,
             SRCCOPY);
  // Colour to monochrome: pixels of the source's background colour become white, the rest black.
  UniqueBitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  MemoryDc mask(dc);
  SelectGuard selectMask(mask.get(), maskBitmap.get());
  SetBkColor(stretched.get(), key);
  BitBlt(mask.get(), 0, 0, width, height, stretched.get(), 0, 0, SRCCOPY);
  // Monochrome to colour: white becomes the target's background colour, black its text colour.
  // Black out the picture's place on the target, black out the key in the picture, combine.
  SetBkColor(dc, RGB(255, 255, 255));
  SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, 0, 0, width, height, mask.get(), 0, 0, SRCAND);
  SetBkColor(stretched.get(), RGB(0, 0, 0));
  SetTextColor(stretched.get(), RGB(255, 255, 255));
  BitBlt(stretched.get(), 0, 0, width, height, mask.get(), 0, 0, SRCAND);
  BitBlt(dc, 0, 0, width, height, stretched.get(), 0, 0, SRCPAINT);
}

// One image of an icon file: where its bytes are and its size.
struct IconImage {
  size_t offset = 0;
  size_t size = 0;
  int width = 0;
  int height = 0;
};

// The image of an icon file nearest to the size wanted (then with the most colours).
std::optional<IconImage> NearestIconImage(const std::vector<uint8_t>& bytes, int iconSize) {
  if (bytes.size() < 6 || Read16(bytes, 0) != 0 || Read16(bytes, 2) != 1) return {};
  const int count = Read16(bytes, 4);
  int best = -1;
  int bestScore = 0;
  for (int i = 0; i < count; ++i) {
    const size_t entry = 6 + static_cast<size_t>(i) * 16;
    if (entry + 16 > bytes.size()) break;
    const int width = bytes[entry] ? bytes[entry] : 256;
    const int bits = Read16(bytes, entry + 6);
    const int score = 100000 - std::abs(width - iconSize) * 100 + bits;
    if (best < 0 || score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  if (best < 0) return {};
  const size_t entry = 6 + static_cast<size_t>(best) * 16;
  IconImage image{Read32(bytes, entry + 12), Read32(bytes, entry + 8),
                  bytes[entry] ? bytes[entry] : 256, bytes[entry + 1] ? bytes[entry + 1] : 256};
  if (image.offset >= bytes.size() || image.size > bytes.size() - image.offset) return {};
  return image;
}

LoadedPicture FromIco(const std::vector<uint8_t>& bytes, int iconSize) {
  LoadedPicture picture;
  const std::optional<IconImage> image = NearestIconImage(bytes, iconSize);
  if (!image) return picture;
  const size_t offset = image->offset;
  const auto size = static_cast<DWORD>(image->size);
  const int width = image->width;
  const int height = image->height;
  picture.icon.reset(CreateIconFromResourceEx(const_cast<uint8_t*>(bytes.data() + offset), size,
                                              TRUE, 0x00030000, width, height, LR_DEFAULTCOLOR));
  if (picture.icon) {
    picture.width = width;
    picture.height = height;
  }
  return picture;
}

// The file's header is read as the structure it is on disk, in 32- and 64-bit builds alike.
static_assert(sizeof(BITMAPINFOHEADER) == 40);

LoadedPicture FromBmp(const std::vector<uint8_t>& bytes) {
  LoadedPicture picture;
  if (bytes.size() < 14 + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M') {
    return picture;
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data() + 14, sizeof header);
  const uint32_t offset = Read32(bytes, 10);
  const int width = header.biWidth;
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || offset >= bytes.size()) {
    return picture;
  }
  if (header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS) {
    const size_t stride = ((static_cast<size_t>(width) * header.biBitCount + 31) / 32) * 4;
    if (stride * static_cast<size_t>(height) > bytes.size() - offset) return picture;
  }
  WindowDc screen(nullptr);
  picture.bitmap.reset(CreateDIBitmap(screen.get(), &header, CBM_INIT, bytes.data() + offset,
                                      reinterpret_cast<const BITMAPINFO*>(bytes.data() + 14),
                                      DIB_RGB_COLORS));
  if (picture.bitmap) {
    picture.width = width;
    picture.height = height;
  }
  return picture;
}

LoadedPicture FromJpeg(const std::vector<uint8_t>& bytes) {
  LoadedPicture picture;
  os::RgbImage image;
  try {
    image = os::DecodeJpeg(bytes.data(), bytes.size());
  } catch (const os::JpegError&) {
    return picture;
  }
  uint8_t* bits = nullptr;
  picture.bitmap = MakeDib(image.width, image.height, &bits);
  if (!picture.bitmap) return picture;
  CopyIntoDib(image, bits);
  picture.width = image.width;
  picture.height = image.height;
  picture.photo = true;
  // Page pictures keep their pixels for stretching; a large photo of the user's stretches with GDI
  // rather than be held twice.
  if (int64_t{image.width} * image.height <= kPixelsKept) picture.pixels = std::move(image);
  return picture;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  UniqueHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return bytes;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if ((size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high || size > (64 << 20)) {
    return bytes;
  }
  bytes.resize(size);
  DWORD read = 0;
  if (!bytes.empty() &&
      (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
       read != bytes.size())) {
    bytes.clear();
  }
  return bytes;
}

void SizeOfIcon(LoadedPicture& picture) {
  ICONINFO info{};
  if (!GetIconInfo(picture.icon.get(), &info)) return;
  BITMAP bitmap{};
  GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
  picture.width = bitmap.bmWidth;
  picture.height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

}  // namespace

std::wstring AssetResourceName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '\\') c = '/';
  }
  return Wide(upper);
}

std::vector<uint8_t> AssetBytes(std::string_view name) {
  const std::wstring resource = AssetResourceName(name);
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, resource.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!data) return {};
  return std::vector<uint8_t>(data, data + SizeofResource(module, found));
}

LoadedPicture PictureFromBytes(const std::vector<uint8_t>& bytes, int iconSize) {
  if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0) {
    return FromIco(bytes, iconSize);
  }
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return FromBmp(bytes);
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return FromJpeg(bytes);
  return {};
}

LoadedPicture LoadPicture(const ui::Picture& picture, int iconSize) {
  using Kind = ui::Picture::Kind;
  LoadedPicture loaded;
  switch (picture.kind) {
    case Kind::None:
      break;
    case Kind::Asset:
      loaded = PictureFromBytes(AssetBytes(picture.name), iconSize);
      break;
    case Kind::File:
      if (EndsWith(picture.name, ".ico") || EndsWith(picture.name, ".bmp") ||
          EndsWith(picture.name, ".jpg") || EndsWith(picture.name, ".jpeg")) {
        loaded = PictureFromBytes(ReadWholeFile(picture.name), iconSize);
      }
      break;
    case Kind::IconInFile: {
      HICON large = nullptr;
      HICON small = nullptr;
      if (ExtractIconExW(Wide(picture.name).c_str(), picture.index, &large, &small, 1) > 0) {
        const bool wantSmall = iconSize <= 16 && small;
        loaded.icon.reset(wantSmall ? small : large);
        HICON other = wantSmall ? large : small;
        if (other) DestroyIcon(other);
      }
      break;
    }
    case Kind::SystemIcon:
      if (HIMAGELIST list = SystemImageList(picture.large)) {
        loaded.icon.reset(ImageList_GetIcon(list, picture.index, ILD_NORMAL));
      }
      break;
    case Kind::StockIcon:
      // The shared stock icon must not be destroyed: keep a copy of our own.
      if (HICON shared = LoadIconW(nullptr, MAKEINTRESOURCEW(picture.index))) {
        loaded.icon.reset(CopyIcon(shared));
      }
      break;
  }
  if (loaded.icon && loaded.width == 0) SizeOfIcon(loaded);
  return loaded;
}

UniqueBitmap RenderPicture(const LoadedPicture& picture, int width, int height, COLORREF background,
                           bool transparent) {
  if (width <= 0 || height <= 0) return {};
  uint8_t* bits = nullptr;
  UniqueBitmap target = MakeDib(width, height, &bits);
  if (!target) return target;
  if (!picture.pixels.pixels.empty()) {  // a photograph that kept its pixels
    CopyIntoDib(os::ScaleImage(picture.pixels, width, height), bits);
    return target;
  }
  WindowDc screen(nullptr);
  MemoryDc dc(screen.get());
  SelectGuard selectTarget(dc.get(), target.get());
  RECT all{0, 0, width, height};
  UniqueBrush brush(CreateSolidBrush(background));
  FillRect(dc.get(), &all, brush.get());
  if (picture.icon) {
    DrawIconEx(dc.get(), 0, 0, picture.icon.get(), width, height, 0, nullptr, DI_NORMAL);
  } else if (picture.bitmap) {
    MemoryDc source(screen.get());
    SelectGuard selectSource(source.get(), picture.bitmap.get());
    if (transparent && !picture.photo) {
      const COLORREF key = GetPixel(source.get(), 0, picture.height - 1);
      KeyedStretch(dc.get(), width, height, source.get(), picture.width, picture.height, key);
    } else {
      SetStretchBltMode(dc.get(), HALFTONE);
      SetBrushOrgEx(dc.get(), 0, 0, nullptr);
      StretchBlt(dc.get(), 0, 0, width, height, source.get(), 0, 0, picture.width, picture.height,
                 SRCCOPY);
    }
  }
  return target;
}

HIMAGELIST SystemImageList(bool large) {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof info,
                     SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
}

std::shared_ptr<const LoadedPicture> PictureCache::Get(const ui::Picture& picture, int iconSize) {
  using Kind = ui::Picture::Kind;
  if (picture.kind == Kind::None) return nullptr;
  if (picture.kind == Kind::SystemIcon) {
    ++loads_;
    return std::make_shared<const LoadedPicture>(LoadPicture(picture, iconSize));
  }
  Key key{picture.kind, picture.name, picture.index, picture.large, iconSize, 0, 0};
  if (picture.kind == Kind::File || picture.kind == Kind::IconInFile) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(Wide(picture.name).c_str(), GetFileExInfoStandard, &data)) {
      key.written = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
      key.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  }
  if (const auto it = entries_.find(key); it != entries_.end()) {
    it->second.used = ++clock_;
    return it->second.picture;
  }
  if (entries_.size() >= kMaxEntries) {
    // The least recently used goes; controls showing it keep their share.
    auto oldest = entries_.begin();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->second.used < oldest->second.used) oldest = it;
    }
    entries_.erase(oldest);
  }
  ++loads_;
  auto loaded = std::make_shared<const LoadedPicture>(LoadPicture(picture, iconSize));
  entries_.emplace(std::move(key), Entry{loaded, ++clock_});
  return loaded;
}

namespace {

// One image of a list as pixels: blue, green, red, alpha; and whether each pixel lets the
// background through.
struct Tile {
  std::vector<uint32_t> pixels;
  std::vector<bool> clear;
};

// The pixels of a device-dependent or DIB bitmap as 32-bit top-down rows.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
  BITMAPINFO info = TopDownDib(width, height, 32);
  WindowDc screen(nullptr);
  if (!GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                 DIB_RGB_COLORS)) {
    pixels.clear();
  }
  return pixels;
}

// An icon of the list's size as it is: its colours with their alpha and its mask.
Tile TileOfIcon(HICON icon, int width, int height) {
  Tile tile;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return tile;
  UniqueBitmap color(info.hbmColor);
  UniqueBitmap mask(info.hbmMask);
  if (!color) return tile;  // a monochrome icon: drawn below instead
  tile.pixels = PixelsOf(color.get(), width, height);
  const std::vector<uint32_t> maskPixels = PixelsOf(mask.get(), width, height);
  if (tile.pixels.empty() || maskPixels.size() != tile.pixels.size()) return {};
  tile.clear.resize(maskPixels.size());
  for (size_t i = 0; i < maskPixels.size(); ++i) tile.clear[i] = (maskPixels[i] & 0xFFFFFF) != 0;
  return tile;
}

// Any other picture drawn at the list's size over magenta, which then marks the clear pixels
// (a bitmap's bottom-left colour is its transparent one, as with the program's tool bitmaps).
Tile TileOfDrawing(const LoadedPicture& picture, int width, int height) {
  Tile tile;
  const COLORREF magenta = RGB(255, 0, 255);
  UniqueBitmap drawn = RenderPicture(picture, width, height, magenta, true);
  if (!drawn) return tile;
  tile.pixels = PixelsOf(drawn.get(), width, height);
  tile.clear.resize(tile.pixels.size());
  for (size_t i = 0; i < tile.pixels.size(); ++i) {
    tile.clear[i] = (tile.pixels[i] & 0xFFFFFF) == 0xFF00FF;
    tile.pixels[i] = tile.clear[i] ? 0 : tile.pixels[i] & 0xFFFFFF;
  }
  return tile;
}

// The image of that size of an icon file, when it is stored as plain 32-bit pixels with their
// mask, read from the file's bytes: an icon made only to read its pixels back costs a handful
// of wineserver round trips under Wine, and an image list holds a dozen such icons.
std::optional<Tile> TileOfIconFile(const std::vector<uint8_t>& bytes, int width, int height) {
  constexpr size_t kHeader = 40;
  const std::optional<IconImage> image = NearestIconImage(bytes, width);
  if (!image || image->width != width || image->height != height || image->size < kHeader) {
    return {};
  }
  const size_t at = image->offset;
  // A bitmap header of twice the height (colours over mask), one plane, 32 bits, no packing.
  if (Read32(bytes, at) != kHeader || Read32(bytes, at + 4) != static_cast<uint32_t>(width) ||
      Read32(bytes, at + 8) != static_cast<uint32_t>(2 * height) || Read16(bytes, at + 12) != 1 ||
      Read16(bytes, at + 14) != 32 || Read32(bytes, at + 16) != BI_RGB) {
    return {};
  }
  const size_t pixels = static_cast<size_t>(width) * height;
  const size_t maskStride = static_cast<size_t>((width + 31) / 32 * 4);
  if (kHeader + pixels * 4 + maskStride * height > image->size) return {};
  const size_t colours = at + kHeader;
  const size_t mask = colours + pixels * 4;
  Tile tile;
  tile.pixels.resize(pixels);
  tile.clear.resize(pixels);
  for (int y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(height - 1 - y);  // stored bottom-up
    for (int x = 0; x < width; ++x) {
      const size_t to = static_cast<size_t>(y) * width + x;
      tile.pixels[to] = Read32(bytes, colours + (row * width + x) * 4);
      tile.clear[to] = (bytes[mask + row * maskStride + x / 8] & (0x80u >> (x % 8))) != 0;
    }
  }
  return tile;
}

Tile TileOf(const LoadedPicture& picture, int width, int height) {
  if (picture.icon && picture.width == width && picture.height == height) {
    Tile tile = TileOfIcon(picture.icon.get(), width, height);
    if (!tile.pixels.empty()) return tile;
  }
  return TileOfDrawing(picture, width, height);
}

// The tiles of a list's pictures, each read once: the program's own icons from their files, the
// others through the picture cache.
class Tiles {
 public:
  Tiles(PictureCache& pictures, int width, int height)
      : pictures_(pictures), width_(width), height_(height) {}

  const Tile* Of(const ui::Picture& picture) {
    if (picture.kind == ui::Picture::Kind::Asset && EndsWith(picture.name, ".ico")) {
      auto file = iconFiles_.find(picture.name);
      if (file == iconFiles_.end()) {
        file = iconFiles_
                   .emplace(picture.name, TileOfIconFile(AssetBytes(picture.name), width_, height_))
                   .first;
      }
      if (file->second) return &*file->second;
    }
    const auto loaded = pictures_.Get(picture, width_);
    if (!loaded || !*loaded) return nullptr;
    auto it = loadedTiles_.find(loaded.get());
    if (it == loadedTiles_.end()) {
      it = loadedTiles_.emplace(loaded.get(), TileOf(*loaded, width_, height_)).first;
    }
    return &it->second;
  }

 private:
  PictureCache& pictures_;
  const int width_;
  const int height_;
  std::map<std::string, std::optional<Tile>> iconFiles_;
  std::map<const LoadedPicture*, Tile> loadedTiles_;
};

}  // namespace

UniqueImageList BuildImageList(const ui::ImageList& images, PictureCache& pictures) {
  const int width = images.width;
  const int height = images.height;
  const int count = images.Count();
  UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, count, 4));
  if (!list || count == 0) return list;
  // All images go in with one call, side by side in one bitmap and one mask: under Wine each
  // call into an image list costs milliseconds whatever it adds, and lists repeat a few pictures
  // many times (the tree's 166 places show a dozen icons), so each picture is read once.
  const int stripWidth = width * count;
  uint8_t* memory = nullptr;
  UniqueBitmap strip = MakeDib(stripWidth, height, &memory, 32);
  if (!strip || !memory) return {};
  auto* pixels = reinterpret_cast<uint32_t*>(memory);
  std::fill(pixels, pixels + static_cast<size_t>(stripWidth) * height, 0u);
  // Monochrome rows are padded to 16 bits; a set bit is a clear pixel. Empty places stay clear.
  const size_t maskStride = static_cast<size_t>((stripWidth + 15) / 16 * 2);
  std::vector<uint8_t> maskBits(maskStride * height, 0xFF);
  Tiles tiles(pictures, width, height);
  for (int i = 0; i < count; ++i) {
    const Tile* tile = tiles.Of(images.pictures[static_cast<size_t>(i)]);
    if (!tile || tile->pixels.size() != static_cast<size_t>(width) * height) continue;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const size_t from = static_cast<size_t>(y) * width + x;
        const size_t column = static_cast<size_t>(i) * width + x;
        pixels[static_cast<size_t>(y) * stripWidth + column] = tile->pixels[from];
        if (!tile->clear[from]) {
          maskBits[y * maskStride + column / 8] &= static_cast<uint8_t>(~(0x80u >> (column % 8)));
        }
      }
    }
  }
  UniqueBitmap mask(CreateBitmap(stripWidth, height, 1, 1, maskBits.data()));
  if (ImageList_Add(list.get(), strip.get(), mask.get()) < 0) return {};
  return list;
}

}  // namespace win32
