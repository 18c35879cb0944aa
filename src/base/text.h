// Text conventions of the program: upper-casing follows the Windows-1252 rules (ä -> Ä, ÿ -> Ÿ),
// so that names and search texts compare the way the German texts expect.
#pragma once

#include <string>
#include <string_view>

namespace base {

char32_t UpperCaseChar(char32_t cp);

// Upper-cases UTF-8 text: letters of Windows-1252 get their upper-case form, everything else
// (ß, µ, characters outside Windows-1252, invalid bytes) stays as it is.
std::string UpperCase(std::string_view utf8);

// Equal when both are equal upper-cased.
bool SameText(std::string_view a, std::string_view b);

// Without the blanks and tabs at either end.
std::string_view Trim(std::string_view text);

}  // namespace base
