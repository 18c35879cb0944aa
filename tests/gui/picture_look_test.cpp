// Pictures as the main window shows them: stretched JPEG bands, transparent or not, and the same
// picture on many controls.
#include "win32/ui/win32_backend.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace {

using win32::Win32Backend;

HWND W(const ui::Control* control) {
  return Win32Backend::WindowOf(*control);
}

// The pixels of the bitmap a picture control shows, as 32-bit values, row by row.
std::vector<DWORD> ShownPixels(const ui::Image* image, int* width = nullptr) {
  const auto bitmap =
      reinterpret_cast<HBITMAP>(SendMessageW(W(image), STM_GETIMAGE, IMAGE_BITMAP, 0));
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

}  // namespace
