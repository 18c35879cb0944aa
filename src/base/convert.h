// Number <-> text conversions with the rules the pages rely on: integers accept an optional sign,
// decimal or hexadecimal ("$1F", "0x1F") digits and nothing else; floats use '.' as the decimal
// separator; both throw ConvertError on text that is not a number.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Leading blanks are skipped, anything after the digits is an error; a decimal value must fit in
// 32 signed bits, a hexadecimal one in 32 bits (so "$FFFFFFFF" is -1).
int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int32_t& value);
int32_t StrToIntDef(std::string_view text, int32_t fallback);

// Decimal number with optional sign, fraction and exponent; blanks around it are allowed.
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);

// Truncates towards zero and keeps the low 32 bits, so 4294967295 becomes -1; values beyond
// 64 bits throw ConvertError.
int32_t TruncToInt32(double value);

std::string IntToStr(int64_t value);

// Up to 15 significant digits, no trailing zeros; very large or small numbers as "1.5E20".
std::string FloatToStr(double value);

}  // namespace base
