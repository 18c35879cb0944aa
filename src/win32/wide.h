// UTF-8 <-> UTF-16 at the Win32 boundary (wchar_t is 16 bits there).
#pragma once

#include <string>
#include <string_view>

#include "base/utf.h"

namespace win32 {

inline std::wstring Wide(std::string_view utf8) {
  const std::u16string u16 = base::Utf8ToUtf16(utf8);
  return std::wstring(u16.begin(), u16.end());
}

inline std::string Narrow(std::wstring_view utf16) {
  return base::Utf16ToUtf8(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace win32
