#include "base/convert.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace base {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit =
        hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return true;
  }
  if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return false;
  const int64_t signed_value =
      negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  value = static_cast<int32_t>(signed_value);
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw ConvertError("'" + std::string(text) + "' ist kein gültiger Integerwert");
  }
  return value;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

bool TryStrToFloat(std::string_view text, double& value) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string_view number = text.substr(begin, end - begin);
  // from_chars takes no leading '+'; check the shape ourselves so hex and "inf" stay refused.
  size_t i = 0;
  bool negative = false;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
  const size_t digits_start = i;
  size_t digits = 0;
  while (i < number.size() && number[i] >= '0' && number[i] <= '9') ++i, ++digits;
  if (i < number.size() && number[i] == '.') {
    ++i;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    size_t exponent_digits = 0;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') ++i, ++exponent_digits;
    if (exponent_digits == 0) return false;
  }
  if (i != number.size()) return false;
  // The shape is checked; strtod (the program keeps the "C" locale) does the rounding.
  const std::string unsigned_part(number.substr(digits_start));
  errno = 0;
  double parsed = std::strtod(unsigned_part.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(parsed)) return false;  // too large to be a number we use
  if (errno == ERANGE) parsed = 0;                          // too small: zero
  value = negative ? -parsed : parsed;
  return true;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) {
    throw ConvertError("'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
  }
  return value;
}

int32_t TruncToInt32(double value) {
  const double truncated = std::trunc(value);
  if (!(truncated >= -9223372036854775808.0 && truncated < 9223372036854775808.0)) {
    throw ConvertError("Ungültige Gleitkommaoperation");
  }
  const auto wide = static_cast<int64_t>(truncated);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text = buffer;
  const size_t e = text.find('E');
  if (e == std::string::npos) return text;
  // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5"
  std::string mantissa = text.substr(0, e);
  std::string exponent = text.substr(e + 1);
  const bool negative = !exponent.empty() && exponent[0] == '-';
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
  exponent.erase(0, exponent.find_first_not_of('0'));
  if (exponent.empty()) exponent = "0";
  return mantissa + "E" + (negative ? "-" : "") + exponent;
}

}  // namespace base
