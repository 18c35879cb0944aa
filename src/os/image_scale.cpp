#include "os/image_scale.h"

#include <algorithm>
#include <cstddef>

namespace os {
namespace {

// Which old pixels one new pixel covers along one side, and by how much. With the old side
// `from` long and the new one `to`, an old pixel is `to` units wide and a new one `from`
// units: the weights of a new pixel add up to `from`.
struct Cover {
  int first = 0;
  std::vector<uint32_t> weights;
};

std::vector<Cover> CoversOf(int from, int to) {
  std::vector<Cover> covers(static_cast<size_t>(to));
  for (int d = 0; d < to; ++d) {
    const int64_t begin = int64_t{d} * from;
    const int64_t end = begin + from;
    Cover& cover = covers[static_cast<size_t>(d)];
    cover.first = static_cast<int>(begin / to);
    for (int64_t s = cover.first; s * to < end; ++s) {
      const int64_t overlap = std::min(end, (s + 1) * to) - std::max(begin, s * to);
      cover.weights.push_back(static_cast<uint32_t>(overlap));
    }
  }
  return covers;
}

// The covered old values (`step` apart) weighted by how much of each the new pixel covers.
template <typename Value>
uint64_t Weighted(const Value* first, size_t step, const Cover& cover) {
  uint64_t sum = 0;
  for (size_t i = 0; i < cover.weights.size(); ++i) {
    sum += static_cast<uint64_t>(first[i * step]) * cover.weights[i];
  }
  return sum;
}

}  // namespace

RgbImage ScaleImage(const RgbImage& image, int width, int height) {
  if (width <= 0 || height <= 0 || image.width <= 0 || image.height <= 0 ||
      image.pixels.size() <
          static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3) {
    return {};
  }
  if (width == image.width && height == image.height) return image;
  // Across first, into rows of the new width kept as weighted sums, then down: one rounding, at
  // the end, so a new pixel is the exact mean of what it covers.
  const std::vector<Cover> across = CoversOf(image.width, width);
  const std::vector<Cover> down = CoversOf(image.height, height);
  const size_t oldRow = static_cast<size_t>(image.width) * 3;
  const size_t newRow = static_cast<size_t>(width) * 3;
  std::vector<uint32_t> rows(newRow * static_cast<size_t>(image.height));
  for (size_t y = 0; y < static_cast<size_t>(image.height); ++y) {
    for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
      const Cover& cover = across[x];
      const uint8_t* first =
          image.pixels.data() + y * oldRow + static_cast<size_t>(cover.first) * 3;
      for (size_t c = 0; c < 3; ++c) {
        rows[y * newRow + x * 3 + c] = static_cast<uint32_t>(Weighted(first + c, 3, cover));
      }
    }
  }
  const uint64_t total = static_cast<uint64_t>(image.width) * static_cast<uint64_t>(image.height);
  RgbImage scaled{width, height, std::vector<uint8_t>(newRow * static_cast<size_t>(height))};
  for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
    const Cover& cover = down[y];
    const uint32_t* first = rows.data() + static_cast<size_t>(cover.first) * newRow;
    for (size_t i = 0; i < newRow; ++i) {
      scaled.pixels[y * newRow + i] =
          static_cast<uint8_t>((Weighted(first + i, newRow, cover) + total / 2) / total);
    }
  }
  return scaled;
}

}  // namespace os
