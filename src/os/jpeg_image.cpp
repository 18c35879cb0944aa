#include "os/jpeg_image.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace os {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return; it jumps back to the
// decoder with the message kept. Nothing with a destructor lives between the two.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitOnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings (a file that ends early, extraneous bytes) are not worth a word: the picture shows.
void IgnoreMessage(j_common_ptr, int) {}

struct Outcome {
  bool ok = false;
  bool tooLarge = false;
  char message[JMSG_LENGTH_MAX] = {};
};

// Kept apart from DecodeJpeg so that the only objects alive across setjmp are plain C structs
// and the caller's image, which is changed through a pointer.
void Decode(const uint8_t* data, size_t size, RgbImage* image, Outcome* outcome) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ExitOnError;
  errors.base.emit_message = IgnoreMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(outcome->message, sizeof outcome->message, "%s", errors.message);
    return;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (info.image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
      info.image_height > static_cast<JDIMENSION>(kMaxJpegSide) ||
      int64_t{info.image_width} * info.image_height > kMaxJpegPixels) {
    jpeg_destroy_decompress(&info);
    outcome->tooLarge = true;
    return;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const size_t stride = size_t{info.output_width} * 3;
  image->width = static_cast<int>(info.output_width);
  image->height = static_cast<int>(info.output_height);
  image->pixels.assign(stride * info.output_height, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->pixels.data() + stride * info.output_scanline;
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  outcome->ok = true;
}

}  // namespace

RgbImage DecodeJpeg(const uint8_t* data, size_t size) {
  if (!data || size == 0) throw JpegError("JPEG: keine Daten");
  RgbImage image;
  Outcome outcome;
  Decode(data, size, &image, &outcome);
  if (outcome.tooLarge) throw JpegError("JPEG: Bild zu groß");
  if (!outcome.ok) throw JpegError(std::string("JPEG: ") + outcome.message);
  return image;
}

}  // namespace os
