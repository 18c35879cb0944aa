// Tool bars as the main window has them: on a panel, flat icon buttons with drop-down arrows and
// disabled ones, and a bar of text buttons. What the user sees is read back from the screen.
#include "win32/ui/win32_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "screenshot.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/tool_bar.h"
#include "win32/wide.h"
#include "window_probe.h"

namespace {

using guitest::W;
using win32::Win32Backend;

RECT ItemRect(HWND bar, int index) {
  RECT rect{};
  SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

// Where a drop-down button draws its arrow: the right end of the button.
RECT ArrowArea(HWND bar, int index) {
  RECT r = ItemRect(bar, index);
  r.left = r.right - 9;
  r.right -= 1;
  return r;
}

// Pixels of a window's client area as the screen shows them.
class Pixels {
 public:
  explicit Pixels(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~Pixels() { ReleaseDC(window_, dc_); }
  Pixels(const Pixels&) = delete;
  Pixels& operator=(const Pixels&) = delete;
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // How many pixels of the rectangle are as wanted.
  template <class Wanted>
  int CountWhere(const RECT& r, Wanted wanted) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += wanted(At(x, y)) ? 1 : 0;
    }
    return n;
  }
  int Count(const RECT& r, COLORREF color) const {
    return CountWhere(r, [color](COLORREF c) { return c == color; });
  }
  // Pixels dark enough to be text or an arrow on the face colour.
  int Dark(const RECT& r) const {
    return CountWhere(r, [](COLORREF c) {
      return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) < 128;
    });
  }
  int Colourful(const RECT& r) const {
    return CountWhere(r, [](COLORREF c) {
      return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) -
                 std::min({GetRValue(c), GetGValue(c), GetBValue(c)}) >
             40;
    });
  }

 private:
  HWND window_;
  HDC dc_;
};

class ToolBarLook : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<ui::Form>(backend);
    form->SetCaption("Werkzeugleisten");
    form->SetColor(ui::clBtnFace);
    form->SetClientSize(560, 120);
    form->SetBounds({60, 60, form->Width(), form->Height()});
    panel = form->Add<ui::Panel>();
    panel->SetHeight(38);
    panel->SetAlign(ui::Align::Top);
    panel->SetBevelOuter(ui::BevelCut::None);

    // Icons first, as the main window adds them: the right bar, then the left ones.
    icons = panel->Add<ui::ToolBar>();
    icons->SetWidth(210);
    icons->SetAlign(ui::Align::Left);
    images = ui::ImageList{
        24,
        24,
        ui::ImageList::Shared::None,
        {ui::Picture::Asset("test/sample.ico"), ui::Picture::Asset("test/sample.jpg")}};
    icons->SetImages(&images);
    icons->SetButtonSize(36, 30);
    back = AddButton(icons, ui::ToolButtonStyle::DropDown, "Zurück", 0);
    forward = AddButton(icons, ui::ToolButtonStyle::DropDown, "Vorwärts", 0);
    forward->SetEnabled(false);
    icons->AddButton(ui::ToolButtonStyle::Separator);
    AddButton(icons, ui::ToolButtonStyle::Button, "Schriftart", 1);

    texts = panel->Add<ui::ToolBar>();
    texts->SetWidth(3 * 66 + 12);
    texts->SetAlign(ui::Align::Left);
    texts->SetShowCaptions(true);
    texts->SetButtonSize(66, 21);
    for (const auto& [style, caption] : {std::pair{ui::ToolButtonStyle::DropDown, "&Ansicht"},
                                         std::pair{ui::ToolButtonStyle::Button, "&Bookmarks"},
                                         std::pair{ui::ToolButtonStyle::DropDown, "&Extras"}}) {
      AddButton(texts, style, caption, -1)->SetCaption(caption);
    }
    form->Show();
    Paint();
  }

  ui::ToolButton* AddButton(ui::ToolBar* bar, ui::ToolButtonStyle style, const char* hint,
                            int image) {
    ui::ToolButton* button = bar->AddButton(style);
    button->SetHint(hint);
    button->SetImageIndex(image);
    return button;
  }

  void Paint() {
    RedrawWindow(W(form.get()), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    guitest::Pump(backend, 100);
  }

  Win32Backend backend;
  ui::ImageList images;
  std::unique_ptr<ui::Form> form;
  ui::Panel* panel = nullptr;
  ui::ToolBar* icons = nullptr;
  ui::ToolBar* texts = nullptr;
  ui::ToolButton* back = nullptr;
  ui::ToolButton* forward = nullptr;
};

TEST_F(ToolBarLook, BarsShowThePanelsFaceBehindFlatButtons) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (ui::ToolBar* bar : {icons, texts}) {
    HWND window = W(bar);
    RECT client{};
    GetClientRect(window, &client);
    const RECT last = ItemRect(window, bar->ButtonCount() - 1);
    // Right of the last button and below the buttons there is only the bar itself.
    const RECT free{last.right + 1, 0, client.right, client.bottom};
    ASSERT_GT(free.right - free.left, 2);
    Pixels pixels(window);
    EXPECT_EQ(pixels.Count(free, face), (free.right - free.left) * (free.bottom - free.top))
        << "tool bar " << bar->ButtonCount();
    // A flat button that is not under the mouse shows the face at its corners.
    const RECT first = ItemRect(window, 0);
    EXPECT_EQ(pixels.At(first.left, first.top), face);
    EXPECT_EQ(pixels.At(first.right - 1, first.bottom - 1), face);
  }
  ASSERT_TRUE(
      guitest::SaveWindowBitmap(W(form.get()), guitest::ArtifactsFolder() + L"\\tool-bars.bmp"));
}

TEST_F(ToolBarLook, TextButtonsShowTheirCaptionsAtTheDesignedSize) {
  HWND bar = W(texts);
  ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  RECT client{};
  GetClientRect(bar, &client);
  Pixels pixels(bar);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const RECT r = ItemRect(bar, i);
    EXPECT_EQ(r.right - r.left, 66);
    EXPECT_EQ(r.bottom - r.top, 21);
    EXPECT_LE(r.right, client.right) << "the whole button is on the bar";
    // The caption is drawn in the button text colour.
    EXPECT_GT(pixels.Count(r, GetSysColor(COLOR_BTNTEXT)), 15);
  }
  // The drop-down buttons draw their arrow in the right part of the button.
  EXPECT_GE(pixels.Dark(ArrowArea(bar, 0)), 5);
  EXPECT_GE(pixels.Dark(ArrowArea(bar, 2)), 5);
}

TEST_F(ToolBarLook, IconButtonsShowArrowsHintsAndGreyWhenDisabled) {
  HWND bar = W(icons);
  EXPECT_TRUE(SendMessageW(bar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
  const RECT enabled = ItemRect(bar, 0);
  const RECT disabled = ItemRect(bar, 1);
  EXPECT_EQ(enabled.bottom - enabled.top, 30);
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 2, 0));
  Pixels pixels(bar);
  EXPECT_GT(pixels.Colourful(enabled), 20) << "the icon in its colours";
  EXPECT_EQ(pixels.Colourful(disabled), 0) << "a disabled button is greyed";
  // The arrow beside the icon of the enabled drop-down button, which is wider for it.
  EXPECT_GE(pixels.Dark(ArrowArea(bar, 0)), 5);
  const RECT plain = ItemRect(bar, 3);
  EXPECT_EQ(plain.right - plain.left, 36);
  EXPECT_GT(enabled.right - enabled.left, 36);

  // The bar's tooltip, asked as it asks when the mouse rests on a button, gets the hint from it.
  const auto tooltip = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
  ASSERT_TRUE(tooltip);
  wchar_t text[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = bar;
  tool.uId = 2;
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(win32::Narrow(text), "Vorwärts");

  // Enabling greys it no more.
  forward->SetEnabled(true);
  Paint();
  Pixels again(bar);
  EXPECT_GT(again.Colourful(disabled), 20);
}

}  // namespace
