#include "shell/log_font.h"

#include <cstring>

#include "base/utf.h"

namespace shell {
namespace {

// Field offsets of LOGFONTA.
constexpr size_t kHeight = 0;
constexpr size_t kWeight = 16;
constexpr size_t kItalic = 20;
constexpr size_t kUnderline = 21;
constexpr size_t kStrikeOut = 22;
constexpr size_t kCharSet = 23;
constexpr size_t kFaceName = 28;
constexpr size_t kFaceNameLength = 32;

void PutInt(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

}  // namespace

std::vector<uint8_t> LogFontBytes(const ui::Font& font) {
  std::vector<uint8_t> bytes(kLogFontSize, 0);
  PutInt(bytes, kHeight, -font.height);
  PutInt(bytes, kWeight, (font.style & ui::kBold) ? 700 : 400);
  bytes[kItalic] = (font.style & ui::kItalic) ? 1 : 0;
  bytes[kUnderline] = (font.style & ui::kUnderline) ? 1 : 0;
  bytes[kStrikeOut] = (font.style & ui::kStrikeOut) ? 1 : 0;
  bytes[kCharSet] = static_cast<uint8_t>(font.charset);
  const std::string face = base::Utf8ToCp1252(font.name);
  std::memcpy(&bytes[kFaceName], face.data(), std::min(face.size(), kFaceNameLength - 1));
  return bytes;
}

std::optional<ui::Font> FontFromLogFont(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != kLogFontSize) return std::nullopt;
  ui::Font font;
  const int32_t height = GetInt(bytes, kHeight);
  font.height = height < 0 ? -height : height;
  if (font.height == 0) font.height = 11;
  font.style = ui::kFontRegular;
  if (GetInt(bytes, kWeight) >= 600) font.style |= ui::kBold;
  if (bytes[kItalic]) font.style |= ui::kItalic;
  if (bytes[kUnderline]) font.style |= ui::kUnderline;
  if (bytes[kStrikeOut]) font.style |= ui::kStrikeOut;
  font.charset = bytes[kCharSet];
  size_t length = 0;
  while (length < kFaceNameLength && bytes[kFaceName + length] != 0) ++length;
  font.name = base::Cp1252ToUtf8(
      std::string_view(reinterpret_cast<const char*>(&bytes[kFaceName]), length));
  return font;
}

}  // namespace shell
