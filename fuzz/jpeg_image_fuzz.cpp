// Any bytes as a JPEG picture: no crash, no hang, and a decoded picture has exactly the pixels
// its size says.
#include <cstdlib>

#include "os/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const os::RgbImage image = os::DecodeJpeg(data, size);
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height * 3) {
      std::abort();
    }
  } catch (const os::JpegError&) {
  }
  return 0;
}
