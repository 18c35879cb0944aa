// JPEG pictures (the banners and page pictures) decoded with libjpeg into plain RGB pixels, so
// the decoding is portable and tested natively; the Win32 side only wraps the pixels in a bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace os {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // rows top to bottom, 3 bytes (R, G, B) per pixel, no padding
};

class JpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Pictures above this many pixels are refused: a broken or hostile header must not make us
// allocate gigabytes.
inline constexpr int64_t kMaxJpegPixels = int64_t{1} << 24;
inline constexpr int kMaxJpegSide = 16384;

// Decodes a JPEG file held in memory; grey pictures come out as RGB too. Data that ends early
// decodes as far as it goes (as browsers show it). Throws JpegError for anything that is not a
// JPEG picture libjpeg can read, or that is too large.
RgbImage DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace os
