// Hexadecimal helpers for the binary-text form of registry data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Two upper-case digits ("%.02X").
std::string HexByte(uint8_t byte);

// Reads a hexadecimal number the way scanf's "%2x" does from a field of at most two characters:
// leading white space is skipped, an optional sign applies, then hexadecimal digits up to the
// end of the field. Returns false when no digit was found. The value is the 32-bit result.
bool ScanHex2(std::string_view field, uint32_t& value);

}  // namespace base
