// Pictures as the main window shows them: stretched JPEG bands, transparent or not, and the same
// picture on many controls.
#include "win32/ui/win32_backend.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "screenshot.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "win32/ui/pictures.h"
#include "win32/wide.h"
#include "window_probe.h"

namespace {

using guitest::W;
using win32::Win32Backend;

// A bitmap's pixels as 32-bit values (0x00RRGGBB), row by row from the top.
std::vector<DWORD> PixelsOf(HBITMAP bitmap, int* width = nullptr) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {};
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (width) *width = info.bmWidth;
  return pixels;
}

// The pixels of the bitmap a picture control shows.
std::vector<DWORD> ShownPixels(const ui::Image* image) {
  return PixelsOf(reinterpret_cast<HBITMAP>(SendMessageW(W(image), STM_GETIMAGE, IMAGE_BITMAP, 0)));
}

// A .bmp file of 4 x 2 pixels, 24 bits: the left half magenta, the right half blue.
std::vector<uint8_t> HalfMagentaBmp() {
  std::vector<uint8_t> bytes(14 + 40 + 2 * 12, 0);
  auto put32 = [&](size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 14 + 40);
  put32(14, 40);
  put32(18, 4);                // width
  put32(22, 2);                // height (bottom-up rows)
  put32(26, 1 | (24u << 16));  // planes, bits per pixel
  for (size_t row = 0; row < 2; ++row) {
    for (size_t x = 0; x < 4; ++x) {
      uint8_t* pixel = &bytes[54 + row * 12 + x * 3];  // blue, green, red
      pixel[0] = 255;
      pixel[2] = x < 2 ? 255 : 0;
    }
  }
  return bytes;
}

class PictureLook : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<ui::Form>(backend);
    form->SetCaption("Bilder");
    form->SetClientSize(500, 200);
    form->SetBounds({80, 80, form->Width(), form->Height()});
    form->Show();
  }
  ui::Image* Band(bool transparent) {
    auto* image = form->Add<ui::Image>();
    image->SetBounds({0, transparent ? 0 : 70, 480, 65});
    image->SetStretch(true);
    image->SetTransparent(transparent);
    image->SetPicture(ui::Picture::Asset("group_header.jpg"));
    return image;
  }

  Win32Backend backend;
  std::unique_ptr<ui::Form> form;
};

TEST_F(PictureLook, ATransparentJpegBandShowsEveryPixelOfItsPicture) {
  // The band is a colour gradient: keying out its bottom-left colour would show the form
  // through whole columns of it.
  const std::vector<DWORD> keyed = ShownPixels(Band(true));
  const std::vector<DWORD> opaque = ShownPixels(Band(false));
  ASSERT_EQ(keyed.size(), 480u * 65u);
  EXPECT_TRUE(keyed == opaque);
  const DWORD face = GetSysColor(COLOR_BTNFACE);
  const DWORD faceAsPixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  int faceShown = 0;
  for (const DWORD pixel : keyed) faceShown += (pixel & 0xFFFFFF) == faceAsPixel ? 1 : 0;
  EXPECT_EQ(faceShown, 0);
}

TEST_F(PictureLook, ATransparentBitmapLetsTheBackgroundThroughWhereItsKeyColourIs) {
  // The key is the bottom-left colour (magenta); stretched to twice the size, the left half
  // shows the background, the right half stays blue; opaque, magenta stays.
  const win32::LoadedPicture picture = win32::PictureFromBytes(HalfMagentaBmp());
  ASSERT_TRUE(picture);
  const COLORREF green = RGB(0, 128, 0);
  for (const bool transparent : {true, false}) {
    win32::UniqueBitmap shown = win32::RenderPicture(picture, 8, 4, green, transparent);
    int width = 0;
    const std::vector<DWORD> pixels = PixelsOf(shown.get(), &width);
    ASSERT_EQ(pixels.size(), 8u * 4u);
    for (size_t i = 0; i < pixels.size(); ++i) {
      const int x = static_cast<int>(i) % width;
      // Stretched without a key, the two columns at the seam may be blended.
      if (!transparent && (x == 3 || x == 4)) continue;
      const DWORD left = transparent ? 0x008000 : 0xFF00FF;
      EXPECT_EQ(pixels[i] & 0xFFFFFF, x < 4 ? left : 0x0000FFu)
          << "pixel " << i << (transparent ? " keyed" : " opaque");
    }
  }
}

TEST_F(PictureLook, AStretchedPhotoShowsTheMeanColourOfEachPartItCovers) {
  // The band's 600 x 65 pixels into 5 x 5: each shown pixel stands for a block of 120 x 13. Five
  // pixels of three bytes make rows that the bitmap pads to four.
  const win32::LoadedPicture picture =
      win32::PictureFromBytes(win32::AssetBytes("group_header.jpg"));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture.pixels.width, 600);
  ASSERT_EQ(picture.pixels.height, 65);
  win32::UniqueBitmap shown = win32::RenderPicture(picture, 5, 5, RGB(0, 128, 0), false);
  const std::vector<DWORD> pixels = PixelsOf(shown.get());
  ASSERT_EQ(pixels.size(), 25u);
  for (int by = 0; by < 5; ++by) {
    for (int bx = 0; bx < 5; ++bx) {
      unsigned sum[3] = {0, 0, 0};
      for (int y = by * 13; y < by * 13 + 13; ++y) {
        for (int x = bx * 120; x < bx * 120 + 120; ++x) {
          for (int c = 0; c < 3; ++c) sum[c] += picture.pixels.pixels[(y * 600 + x) * 3 + c];
        }
      }
      const DWORD mean =
          ((sum[0] + 780) / 1560) << 16 | ((sum[1] + 780) / 1560) << 8 | ((sum[2] + 780) / 1560);
      EXPECT_EQ(pixels[by * 5 + bx] & 0xFFFFFF, mean) << "block " << bx << "," << by;
    }
  }
}

TEST_F(PictureLook, APictureOnManyControlsIsLoadedOnceAndAFileAgainOnceItChanged) {
  win32::PictureCache& cache = backend.Pictures();
  const int before = cache.Loads();
  // The header band of every group page: new controls, one picture.
  for (int i = 0; i < 5; ++i) {
    auto* image = form->Add<ui::Image>();
    image->SetBounds({0, 140, 300 + 10 * i, 32});
    image->SetStretch(true);
    image->SetPicture(ui::Picture::Asset("group_header.jpg"));
    EXPECT_NE(SendMessageW(W(image), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  }
  EXPECT_EQ(cache.Loads(), before + 1);

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring file = std::wstring(temp) + L"kalmora-cache.bmp";
  const ui::Picture picture = ui::Picture::FromFile(win32::Narrow(file));
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(form.get()), file));
  const auto first = cache.Get(picture, 32);
  ASSERT_TRUE(first && *first);
  EXPECT_EQ(cache.Get(picture, 32), first);
  EXPECT_EQ(cache.Loads(), before + 2);
  // Written again, smaller: the file is read again.
  auto* small = form->Add<ui::Image>();
  small->SetBounds({0, 0, 40, 30});
  ASSERT_TRUE(guitest::SaveWindowBitmap(W(small), file));
  const auto second = cache.Get(picture, 32);
  ASSERT_TRUE(second && *second);
  EXPECT_EQ(cache.Loads(), before + 3);
  EXPECT_EQ(second->width, 40);
  EXPECT_NE(first->width, 40) << "the first one stays as it was for whoever shows it";
  DeleteFileW(file.c_str());
}

// The pixels and mask of an image-list place, and those of the icon the system makes of the same
// file's 16 x 16 image: an icon of the program's own goes into a list read from its file.
TEST_F(PictureLook, AnImageListShowsTheProgramsIconsAsTheSystemReadsThem) {
  ui::ImageList images;
  for (const char* name : {"tree_folder.ico", "tool_exit.ico", "tree_folder.ico"}) {
    images.pictures.push_back(ui::Picture::Asset(name));
  }
  HIMAGELIST list = backend.ImageListFor(&images);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(ImageList_GetImageCount(list), 3);
  for (int place = 0; place < 3; ++place) {
    const std::vector<uint8_t> file =
        win32::AssetBytes(place == 1 ? "tool_exit.ico" : "tree_folder.ico");
    ASSERT_GT(file.size(), 22u);
    // The file's first image: its size and where it starts, from the first directory entry.
    const auto read32 = [&](size_t at) {
      return static_cast<DWORD>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                static_cast<DWORD>(file[at + 3]) << 24);
    };
    std::vector<uint8_t> image(file.begin() + read32(18), file.begin() + read32(18) + read32(14));
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                          0x00030000, 16, 16, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    const std::vector<DWORD> colours = PixelsOf(parts.hbmColor);
    const std::vector<DWORD> mask = PixelsOf(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);

    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, place, &info));
    int stripWidth = 0;
    const std::vector<DWORD> listColours = PixelsOf(info.hbmImage, &stripWidth);
    const std::vector<DWORD> listMask = PixelsOf(info.hbmMask);
    ASSERT_EQ(colours.size(), 256u);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const size_t at = static_cast<size_t>(info.rcImage.top + y) * stripWidth +
                          static_cast<size_t>(info.rcImage.left + x);
        const DWORD colour = colours[static_cast<size_t>(y * 16 + x)];
        const bool listClear = (listMask[at] & 0xFFFFFF) != 0;
        if ((mask[static_cast<size_t>(y * 16 + x)] & 0xFFFFFF) != 0) {
          EXPECT_TRUE(listClear) << place << ": " << x << "," << y;
          continue;
        }
        EXPECT_EQ(listColours[at], colour) << place << ": " << x << "," << y;
        // The list clears faint pixels of its own accord (by their alpha); a solid one shows.
        if ((colour >> 24) != 0xFF) continue;
        ++opaque;
        EXPECT_FALSE(listClear) << place << ": " << x << "," << y;
      }
    }
    EXPECT_GT(opaque, 16) << "the icon shows something";
  }
}

}  // namespace
