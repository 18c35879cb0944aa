// Scaling pictures to their control: every new pixel is the covered old pixels averaged by how
// much of each it covers.
#include "os/image_scale.h"

#include <gtest/gtest.h>

namespace {

using os::RgbImage;
using os::ScaleImage;

// A picture of grey pixels given row by row (R = G = B).
RgbImage Grey(int width, int height, std::vector<uint8_t> values) {
  RgbImage image{width, height, {}};
  for (uint8_t v : values) image.pixels.insert(image.pixels.end(), {v, v, v});
  return image;
}

std::vector<uint8_t> GreyValues(const RgbImage& image) {
  std::vector<uint8_t> values;
  for (size_t i = 0; i < image.pixels.size(); i += 3) {
    EXPECT_EQ(image.pixels[i], image.pixels[i + 1]);
    EXPECT_EQ(image.pixels[i], image.pixels[i + 2]);
    values.push_back(image.pixels[i]);
  }
  return values;
}

TEST(ScaleImage, ShrinkingAveragesWhatEachNewPixelCovers) {
  // Halved: each new pixel is two old ones, 127.5 rounding up.
  EXPECT_EQ(GreyValues(ScaleImage(Grey(4, 1, {0, 255, 0, 255}), 2, 1)),
            (std::vector<uint8_t>{128, 128}));
  // Three into two: the middle pixel counts half for each side.
  EXPECT_EQ(GreyValues(ScaleImage(Grey(3, 1, {0, 90, 180}), 2, 1)),
            (std::vector<uint8_t>{30, 150}));
  // Down as across: rows of 0 and 200 meet in 100.
  EXPECT_EQ(GreyValues(ScaleImage(Grey(2, 2, {0, 0, 200, 200}), 2, 1)),
            (std::vector<uint8_t>{100, 100}));
  // Everything into one pixel.
  EXPECT_EQ(GreyValues(ScaleImage(Grey(2, 2, {10, 20, 30, 40}), 1, 1)), (std::vector<uint8_t>{25}));
}

TEST(ScaleImage, EnlargingRepeatsAndBlendsOnlyWhereANewPixelStraddlesTwo) {
  EXPECT_EQ(GreyValues(ScaleImage(Grey(2, 1, {0, 200}), 4, 1)),
            (std::vector<uint8_t>{0, 0, 200, 200}));
  EXPECT_EQ(GreyValues(ScaleImage(Grey(2, 1, {0, 200}), 3, 1)),
            (std::vector<uint8_t>{0, 100, 200}));
  EXPECT_EQ(GreyValues(ScaleImage(Grey(1, 1, {77}), 3, 2)), (std::vector<uint8_t>(6, 77)));
}

TEST(ScaleImage, KeepsChannelsApartAndSolidColoursExact) {
  // Red above blue, into one pixel: half of each, green stays 0.
  const RgbImage redOverBlue{1, 2, {255, 0, 0, 0, 0, 255}};
  EXPECT_EQ(ScaleImage(redOverBlue, 1, 1).pixels, (std::vector<uint8_t>{128, 0, 128}));
  // A solid colour comes out the same at any size, whatever the ratio.
  RgbImage solid{7, 5, {}};
  for (int i = 0; i < 35; ++i) solid.pixels.insert(solid.pixels.end(), {12, 34, 56});
  const RgbImage scaled = ScaleImage(solid, 3, 11);
  ASSERT_EQ(scaled.width, 3);
  ASSERT_EQ(scaled.height, 11);
  ASSERT_EQ(scaled.pixels.size(), 3u * 11u * 3u);
  for (size_t i = 0; i < scaled.pixels.size(); i += 3) {
    EXPECT_EQ(scaled.pixels[i], 12);
    EXPECT_EQ(scaled.pixels[i + 1], 34);
    EXPECT_EQ(scaled.pixels[i + 2], 56);
  }
}

TEST(ScaleImage, TheSameSizeIsThePictureAndNoSizeIsNoPicture) {
  const RgbImage image{2, 1, {1, 2, 3, 4, 5, 6}};
  EXPECT_EQ(ScaleImage(image, 2, 1).pixels, image.pixels);
  EXPECT_TRUE(ScaleImage(image, 0, 1).pixels.empty());
  EXPECT_TRUE(ScaleImage(image, 2, -1).pixels.empty());
  EXPECT_TRUE(ScaleImage(RgbImage{}, 4, 4).pixels.empty());
  // Fewer pixels than the header claims: refused rather than read past the end.
  EXPECT_TRUE(ScaleImage(RgbImage{2, 2, {1, 2, 3}}, 1, 1).pixels.empty());
}

}  // namespace
