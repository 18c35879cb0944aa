// A font as the toolkit describes it. Heights are in pixels at 96 dots per inch; the size in
// points follows from it (8 pt = 11 px).
#pragma once

#include <string>

#include "ui/types.h"

namespace ui {

enum FontStyle : unsigned {
  kFontRegular = 0,
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrikeOut = 8
};

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels (the em size, without internal leading)
  unsigned style = kFontRegular;
  Color color = clWindowText;
  int charset = 1;  // DEFAULT_CHARSET

  int Size() const { return (height * 72 + 48) / 96; }  // points, rounded
  void SetSize(int points) { height = (points * 96 + 36) / 72; }
  bool operator==(const Font&) const = default;

  static Font Of(std::string name, int points, unsigned style = kFontRegular,
                 Color color = clWindowText) {
    Font font;
    font.name = std::move(name);
    font.SetSize(points);
    font.style = style;
    font.color = color;
    return font;
  }
};

}  // namespace ui
