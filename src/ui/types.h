// Plain value types of the widget toolkit: colours, geometry, alignment, cursors, mouse and
// keyboard state, message-box choices.
#pragma once

#include <cstdint>

namespace ui {

// A colour: 0x00BBGGRR for an RGB colour, or 0xFF000000 | index for a system colour.
using Color = uint32_t;

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr bool IsSystemColor(Color color) {
  return (color & 0xFF000000u) == 0xFF000000u;
}
constexpr int SystemColorIndex(Color color) {
  return static_cast<int>(color & 0xFF);
}
constexpr Color SystemColor(int index) {
  return 0xFF000000u | (static_cast<Color>(index) & 0xFF);
}

// The named colours the pages use; system colours carry the Win32 COLOR_* index.
inline constexpr Color clBlack = Rgb(0, 0, 0);
inline constexpr Color clWhite = Rgb(255, 255, 255);
inline constexpr Color clGray = Rgb(128, 128, 128);
inline constexpr Color clSilver = Rgb(192, 192, 192);
inline constexpr Color clBlue = Rgb(0, 0, 255);
inline constexpr Color clNavy = Rgb(0, 0, 128);
inline constexpr Color clRed = Rgb(255, 0, 0);
inline constexpr Color clMaroon = Rgb(128, 0, 0);
inline constexpr Color clGreen = Rgb(0, 128, 0);
inline constexpr Color clLime = Rgb(0, 255, 0);
inline constexpr Color clYellow = Rgb(255, 255, 0);
inline constexpr Color clAqua = Rgb(0, 255, 255);
inline constexpr Color clTeal = Rgb(0, 128, 128);
inline constexpr Color clPurple = Rgb(128, 0, 128);
inline constexpr Color clScrollBar = 0xFF000000u | 0;
inline constexpr Color clActiveCaption = 0xFF000000u | 2;
inline constexpr Color clWindow = 0xFF000000u | 5;
inline constexpr Color clWindowText = 0xFF000000u | 8;
inline constexpr Color clBtnFace = 0xFF000000u | 15;
inline constexpr Color clBtnShadow = 0xFF000000u | 16;
inline constexpr Color clGrayText = 0xFF000000u | 17;
inline constexpr Color clBtnText = 0xFF000000u | 18;
inline constexpr Color clCaptionText = 0xFF000000u | 9;
inline constexpr Color clInfoBk = 0xFF000000u | 24;
inline constexpr Color clHighlight = 0xFF000000u | 13;
inline constexpr Color clHighlightText = 0xFF000000u | 14;
inline constexpr Color clNone = 0x1FFFFFFFu;  // no colour (transparent)

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(Point p) const {
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

enum class Align { None, Top, Bottom, Left, Right, Client };

enum class TextAlign { Left, Center, Right };

enum class Cursor { Default, HourGlass, HandPoint, SizeWE, Arrow };

enum class MouseButton { Left, Right, Middle };

// Shift state bits of mouse and key events.
enum ShiftState : unsigned {
  kShiftNone = 0,
  kShift = 1,
  kAlt = 2,
  kCtrl = 4,
  kMouseLeft = 8,
  kMouseRight = 16,
  kMouseMiddle = 32,
  kDouble = 64
};

enum class BevelCut { None, Lowered, Raised };

enum class BorderStyle { None, Single };

// Results of modal forms and message boxes (the Win32 IDOK ... values).
enum ModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7
};

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Information, Warning, Error, Question };

}  // namespace ui
