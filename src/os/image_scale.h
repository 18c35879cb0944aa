// Pictures brought to the size of their control: each new pixel is the average of the old pixels
// it covers, weighted by how much of each it covers. Done on the plain pixels because GDI's
// smoothing stretch (HALFTONE) takes some 20 ms under Wine for the banners of one group page.
#pragma once

#include "os/jpeg_image.h"

namespace os {

// The picture at width x height; empty when either is not positive or the picture is empty.
RgbImage ScaleImage(const RgbImage& image, int width, int height);

}  // namespace os
