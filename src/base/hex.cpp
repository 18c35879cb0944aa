#include "base/hex.h"

namespace base {

std::string HexByte(uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

bool ScanHex2(std::string_view field, uint32_t& value) {
  size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t' || field[i] == '\n' ||
                              field[i] == '\r' || field[i] == '\v' || field[i] == '\f')) {
    ++i;
  }
  // The width counts from the first character that is not white space.
  const std::string_view rest = field.substr(i, 2);
  size_t j = 0;
  bool negative = false;
  if (j < rest.size() && (rest[j] == '+' || rest[j] == '-')) negative = rest[j++] == '-';
  uint32_t result = 0;
  bool any = false;
  for (; j < rest.size(); ++j) {
    const char c = rest[j];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) break;
    result = result * 16 + static_cast<uint32_t>(digit);
    any = true;
  }
  if (!any) return false;
  value = negative ? 0u - result : result;
  return true;
}

}  // namespace base
