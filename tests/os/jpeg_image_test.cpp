// JPEG decoding: real pictures come out with their size and colours; anything else is refused
// with an error, never a crash. The pictures are made here with libjpeg's own encoder.
#include "os/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <jpeglib.h>

namespace {

using os::DecodeJpeg;
using os::JpegError;
using os::RgbImage;

// Encodes width x height pixels given by colour(x, y) as a baseline JPEG.
std::vector<uint8_t> Encode(int width, int height, bool grey,
                            const std::function<uint32_t(int, int)>& colour) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width) * (grey ? 1 : 3));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      if (grey) {
        row[static_cast<size_t>(x)] = static_cast<uint8_t>(c);
      } else {
        row[static_cast<size_t>(x) * 3] = static_cast<uint8_t>(c >> 16);
        row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(c >> 8);
        row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(c);
      }
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

uint32_t PixelAt(const RgbImage& image, int x, int y) {
  const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(image.width) + x) * 3;
  return (uint32_t{image.pixels[at]} << 16) | (uint32_t{image.pixels[at + 1]} << 8) |
         image.pixels[at + 2];
}

// Lossy compression moves colours a little.
void ExpectNear(uint32_t actual, uint32_t expected) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    EXPECT_NEAR(a, e, 12) << std::hex << "actual " << actual << " expected " << expected;
  }
}

TEST(JpegImage, DecodesSizeAndColoursRowsTopDown) {
  // Four quadrants, 24 x 16, so that a swapped axis or a flipped row order shows.
  const auto quadrants = [](int x, int y) -> uint32_t {
    if (y < 8) return x < 16 ? 0xFF0000 : 0x00FF00;
    return x < 16 ? 0x0000FF : 0xFFFFFF;
  };
  const auto bytes = Encode(24, 16, false, quadrants);
  const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_EQ(image.width, 24);
  ASSERT_EQ(image.height, 16);
  ASSERT_EQ(image.pixels.size(), 24u * 16u * 3u);
  ExpectNear(PixelAt(image, 3, 3), 0xFF0000);
  ExpectNear(PixelAt(image, 20, 3), 0x00FF00);
  ExpectNear(PixelAt(image, 3, 12), 0x0000FF);
  ExpectNear(PixelAt(image, 20, 12), 0xFFFFFF);
}

TEST(JpegImage, GreyPicturesComeOutAsRgb) {
  const auto bytes = Encode(9, 5, true, [](int x, int) { return x < 4 ? 40u : 200u; });
  const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_EQ(image.pixels.size(), 9u * 5u * 3u);
  ExpectNear(PixelAt(image, 1, 2), 0x282828);
  ExpectNear(PixelAt(image, 8, 2), 0xC8C8C8);
}

TEST(JpegImage, RefusesWhatIsNoJpegWithAMessage) {
  const auto bytes = Encode(8, 8, false, [](int, int) { return 0x808080u; });
  const std::vector<std::vector<uint8_t>> broken = {
      {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'},
      {0xFF, 0xD8},                                             // the start marker and nothing else
      std::vector<uint8_t>(bytes.begin(), bytes.begin() + 20),  // cut inside the header
  };
  for (const auto& data : broken) {
    try {
      DecodeJpeg(data.data(), data.size());
      ADD_FAILURE() << "accepted " << data.size() << " bytes";
    } catch (const JpegError& error) {
      EXPECT_GT(std::string(error.what()).size(), 6u);
    }
  }
  EXPECT_THROW(DecodeJpeg(nullptr, 0), JpegError);
}

TEST(JpegImage, APictureCutInItsDataStillShowsAtItsFullSize) {
  const auto bytes = Encode(64, 64, false, [](int x, int y) { return (x * 4u) << 8 | y * 4u; });
  const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() * 2 / 3);
  const RgbImage image = DecodeJpeg(cut.data(), cut.size());
  EXPECT_EQ(image.width, 64);
  EXPECT_EQ(image.height, 64);
  ExpectNear(PixelAt(image, 10, 1), (40u << 8) | 4u);
}

TEST(JpegImage, RefusesHeadersThatClaimAHugePicture) {
  auto bytes = Encode(16, 16, false, [](int, int) { return 0u; });
  // The frame header: FF C0, length, precision, then height and width as 16-bit big-endian.
  size_t sof = 0;
  for (size_t i = 0; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) sof = i;
  }
  ASSERT_NE(sof, 0u);
  bytes[sof + 5] = 0xEA;  // 60000 rows
  bytes[sof + 6] = 0x60;
  bytes[sof + 7] = 0xEA;  // 60000 columns
  bytes[sof + 8] = 0x60;
  EXPECT_THROW(DecodeJpeg(bytes.data(), bytes.size()), JpegError);
}

}  // namespace
