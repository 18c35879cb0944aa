// Any text as binary text and as numbers: no crash, no hang, and formatting then parsing gives
// the bytes back.
#include <cstdlib>
#include <string_view>

#include "access/binary_text.h"
#include "base/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<uint8_t> bytes;
  if (sysaccess::ParseBinaryText(text, bytes)) {
    if (bytes.size() != (text.size() + 2) / 3) std::abort();
    std::vector<uint8_t> again;
    if (!sysaccess::ParseBinaryText(sysaccess::FormatBinaryText(bytes), again) || again != bytes) {
      std::abort();
    }
  }
  (void)sysaccess::BinaryToString(text);
  int32_t number = 0;
  (void)base::TryStrToInt(text, number);
  double real = 0;
  if (base::TryStrToFloat(text, real)) {
    try {
      (void)base::TruncToInt32(real);
    } catch (const base::ConvertError&) {
    }
    (void)base::FloatToStr(real);
  }
  return 0;
}
