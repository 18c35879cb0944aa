#include "base/text.h"

#include "base/utf.h"

namespace base {

char32_t UpperCaseChar(char32_t cp) {
  if (cp >= U'a' && cp <= U'z') return cp - 0x20;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;  // à..þ without ÷
  switch (cp) {
    case 0x0161:
      return 0x0160;  // š
    case 0x0153:
      return 0x0152;  // œ
    case 0x017E:
      return 0x017D;  // ž
    case 0x00FF:
      return 0x0178;  // ÿ
    default:
      return cp;
  }
}

std::string UpperCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[pos]);
    if (c < 0x80) {
      out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
      ++pos;
      continue;
    }
    const size_t start = pos;
    const char32_t cp = DecodeUtf8(utf8, pos);
    const char32_t upper = UpperCaseChar(cp);
    if (upper == cp) {
      out.append(utf8.substr(start, pos - start));  // keeps invalid bytes untouched
    } else {
      AppendUtf8(out, upper);
    }
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  return UpperCase(a) == UpperCase(b);
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace base
