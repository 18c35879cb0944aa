// The text form of binary registry data: two upper-case hexadecimal digits per byte, bytes
// separated by one blank ("01 00 FF"); the empty value is the empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sysaccess {

// The longest binary value a binary text may write.
inline constexpr size_t kMaxBinaryTextBytes = 2048;

std::string FormatBinaryText(const std::vector<uint8_t>& bytes);

// Reads the text in steps of three characters, the first two of each step as a hexadecimal
// number whose low byte is taken (so "A" is 0x0A and "01 00 FF" three bytes); a step without a
// hexadecimal digit gives 0. Returns false, leaving bytes empty, for texts of more than
// kMaxBinaryTextBytes bytes: such a value is refused rather than cut.
bool ParseBinaryText(std::string_view text, std::vector<uint8_t>& bytes);

// Turns the binary text of single-byte characters into readable text: every byte a character,
// zero bytes end a character cell; a two-byte-per-character text ("41 00 42 00") gives the
// characters each followed by one blank ("A B ").
std::string BinaryToString(std::string_view binaryText);

}  // namespace sysaccess
