// The 60-byte LOGFONT record in which the user's font is stored, and its conversion to and from
// the toolkit's font.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/font.h"

namespace shell {

inline constexpr size_t kLogFontSize = 60;

std::vector<uint8_t> LogFontBytes(const ui::Font& font);
// The font of a record (its colour stays the designed one); none for a record of another size.
std::optional<ui::Font> FontFromLogFont(const std::vector<uint8_t>& bytes);

}  // namespace shell
