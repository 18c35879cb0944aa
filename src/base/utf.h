// Conversions between the UTF-8 text used inside the program and the encodings at its edges:
// UTF-16 for the Win32 W functions and Windows-1252 for old 8-bit files and byte-per-character
// data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Lone surrogates survive a round trip (they are kept as three-byte sequences); bytes that are
// not valid UTF-8 become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Each byte is one Windows-1252 character; the five unassigned bytes map to the C1 code points
// of the same value, as Windows does.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Cp1252CharToUtf8(uint8_t byte);

// Characters outside Windows-1252 become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

bool IsValidUtf8(std::string_view text);

// Decodes the code point starting at text[pos]; advances pos. Invalid bytes yield U+FFFD and
// advance by one.
char32_t DecodeUtf8(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace base
