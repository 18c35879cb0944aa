#include "access/binary_text.h"

#include "base/hex.h"
#include "base/text.h"
#include "base/utf.h"

namespace sysaccess {
namespace {

uint8_t ByteOfStep(std::string_view text) {
  uint32_t value = 0;
  return base::ScanHex2(text.substr(0, 2), value) ? static_cast<uint8_t>(value & 0xFF) : 0;
}

}  // namespace

std::string FormatBinaryText(const std::vector<uint8_t>& bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  for (const uint8_t byte : bytes) {
    text += base::HexByte(byte);
    text += ' ';
  }
  if (!text.empty()) text.pop_back();
  return text;
}

bool ParseBinaryText(std::string_view text, std::vector<uint8_t>& bytes) {
  bytes.clear();
  if ((text.size() + 2) / 3 > kMaxBinaryTextBytes) return false;
  bytes.reserve((text.size() + 2) / 3);
  for (size_t pos = 0; pos < text.size(); pos += 3) bytes.push_back(ByteOfStep(text.substr(pos)));
  return true;
}

std::string BinaryToString(std::string_view binaryText) {
  const std::string input = base::UpperCase(binaryText);
  // Each character is followed by two blanks in the working text; a zero byte becomes ".".
  std::string work;
  for (size_t pos = 0; pos < input.size(); pos += 3) {
    const uint8_t byte = ByteOfStep(std::string_view(input).substr(pos));
    work += byte == 0 ? std::string(".") : base::Cp1252CharToUtf8(byte);
    work += "  ";
  }
  if (!work.empty()) work.pop_back();
  // Keep the character in front of each dot with one blank after it.
  std::string result;
  size_t dot;
  while ((dot = work.find('.')) != std::string::npos) {
    if (dot >= 1) result += work.substr(0, dot - 1);
    work.erase(0, dot + 3);
  }
  return result;
}

}  // namespace sysaccess
