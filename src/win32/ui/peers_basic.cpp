// Peers of the simple kinds: forms, panels and tab sheets, labels, buttons, check boxes, radio
// buttons, group boxes, edits, memos, rich edits, combo boxes, pictures, sliders, spin edits,
// gauges, animations, the performance graph, splitters and timers.
#include "win32/ui/peers.h"

#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "win32/ui/pictures.h"
#include "win32/wide.h"

namespace win32 {

// --- timers: no window ---------------------------------------------------------------------------

TimerPeer::TimerPeer(Win32Backend& backend, ui::Control& control) : WindowPeer(backend, control) {}

// --- forms ---------------------------------------------------------------------------------------

FormPeer::FormPeer(Win32Backend& backend, ui::Form& form) : WindowPeer(backend, form), form_(form) {
  CreateWindowNow();
}

void FormPeer::CreateWindowNow() {
  DWORD exStyle = 0;
  const DWORD style = FormWindowStyle(form_, &exStyle);
  HWND owner = form_.Owner() ? Win32Backend::WindowOf(*form_.Owner()) : nullptr;
  const ui::Rect& r = form_.Bounds();
  {
    Pushing pushing(*this);
    hwnd_ =
        CreateWindowExW(exStyle, kFormClass, Wide(form_.Caption()).c_str(), style, r.left, r.top,
                        r.width, r.height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  if (!hwnd_) return;
  Route(hwnd_);
  SyncAll();
}

void FormPeer::ApplyBounds() {
  const ui::Rect& r = form_.Bounds();
  Pushing pushing(*this);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void FormPeer::ApplyVisible() {
  // A form coming on the screen draws at once (a dialog before its work); the main window, built
  // out of sight, draws as the queue runs, after its first page.
  const bool drawNow = form_.Visible() && !IsWindowVisible(hwnd_) && !backend_.BuildingOutOfSight();
  // A form built in an event (a dialog) shows with its controls in place, not as they wait.
  if (form_.Visible()) backend_.FormShowing();
  Pushing pushing(*this);
  ShowWindow(hwnd_, form_.Visible() ? SW_SHOW : SW_HIDE);
  if (drawNow) UpdateWindow(hwnd_);
}

void FormPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, form_.Caption());
}

void FormPeer::ApplyFont() {}

void FormPeer::ApplyColor() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormPeer::ApplyStyle() {
  DWORD exStyle = 0;
  DWORD style = FormWindowStyle(form_, &exStyle);
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  style |= old & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  Pushing pushing(*this);
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle & ~WS_EX_TOPMOST));
  SetWindowPos(hwnd_, form_.StayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormPeer::ApplyPicture() {
  // Shared icons: the window only shows them, the peer keeps its share while it does.
  auto big = backend_.Pictures().Get(form_.Icon(), 32);
  auto small = backend_.Pictures().Get(form_.Icon(), 16);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(big ? big->icon.get() : nullptr));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(small ? small->icon.get() : nullptr));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

ui::Button* FormPeer::FindButton(bool isDefault) const {
  ui::Button* found = nullptr;
  form_.ForEach<ui::Button>([&](ui::Button& button) {
    if (!found && button.Showing() && button.Enabled() &&
        (isDefault ? button.Default() : button.Cancel())) {
      found = &button;
    }
  });
  return found;
}

bool FormPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.BrushFor(form_.GetColor()));
      result = 1;
      return true;
    }
    case WM_CLOSE:
      // The form decides: hide, end its modal loop, free itself or end the program.
      result = 0;
      form_.Close();
      return true;
    case WM_WINDOWPOSCHANGED: {
      result = CallDefault(window, message, wParam, lParam);
      if (IsPushing() || IsIconic(hwnd_) || !IsWindowVisible(hwnd_)) return true;
      RECT rect{};
      GetWindowRect(hwnd_, &rect);
      const ui::Rect now{static_cast<int>(rect.left), static_cast<int>(rect.top),
                         static_cast<int>(rect.right - rect.left),
                         static_cast<int>(rect.bottom - rect.top)};
      // The user moved or sized the form.
      if (now != form_.Bounds()) form_.SetBounds(now);
      return true;
    }
    case WM_COMMAND:
      // Enter and Esc in a form arrive as IDOK and IDCANCEL without a control.
      if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        result = 0;
        if (ui::Button* button = FindButton(LOWORD(wParam) == IDOK)) button->UserClick();
        return true;
      }
      return false;
    default:
      return WindowPeer::OnMessage(window, message, wParam, lParam, result);
  }
}

// --- panels and tab sheets -----------------------------------------------------------------------

PanelPeer::PanelPeer(Win32Backend& backend, ui::Container& control) : WindowPeer(backend, control) {
  CreateWindowNow();
}

void PanelPeer::CreateWindowNow() {
  CreateControlWindow(kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void PanelPeer::ApplyText() {
  if (control_.Kind() == ui::ControlKind::Panel) {
    SetWindowTextQuietly(hwnd_, static_cast<ui::Panel&>(control_).Caption());
  } else if (control_.Kind() == ui::ControlKind::TabSheet) {
    SetWindowTextQuietly(hwnd_, static_cast<ui::TabSheet&>(control_).Caption());
  }
  Repaint();
}

void PanelPeer::ApplyColor() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PanelPeer::ApplyStyle() {
  Repaint();
}

void PanelPeer::Paint(HDC dc) {
  RECT rect{};
  GetClientRect(hwnd_, &rect);
  FillRect(dc, &rect, backend_.BrushFor(control_.GetColor()));
  if (control_.Kind() != ui::ControlKind::Panel) return;
  const auto& panel = static_cast<const ui::Panel&>(control_);
  if (panel.Border() == ui::BorderStyle::Single) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rect, -1, -1);
  }
  for (const auto& [cut, outer] :
       {std::pair{panel.BevelOuter(), true}, std::pair{panel.BevelInner(), false}}) {
    if (cut == ui::BevelCut::None) continue;
    UINT edge = 0;
    if (cut == ui::BevelCut::Raised) edge = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    if (cut == ui::BevelCut::Lowered) edge = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    for (int i = 0; i < panel.BevelWidth(); ++i) {
      DrawEdge(dc, &rect, edge, BF_RECT);
      InflateRect(&rect, -1, -1);
    }
  }
  if (panel.Caption().empty()) return;
  const std::wstring caption = Wide(panel.Caption());
  SelectGuard font(dc, backend_.FontFor(panel.GetFont()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColor());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

bool PanelPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  return PaintOwnWindow(message, wParam, result, [this](HDC dc) { Paint(dc); }) ||
         WindowPeer::OnMessage(window, message, wParam, lParam, result);
}

// --- labels --------------------------------------------------------------------------------------

LabelPeer::LabelPeer(Win32Backend& backend, ui::Label& label)
    : WindowPeer(backend, label), label_(label) {
  CreateWindowNow();
}

void LabelPeer::CreateWindowNow() {
  CreateControlWindow(L"STATIC", SS_NOTIFY, 0);
}

void LabelPeer::ApplyStyle() {
  DWORD type = SS_LEFT;
  if (label_.Alignment() == ui::TextAlign::Center) type = SS_CENTER;
  if (label_.Alignment() == ui::TextAlign::Right) type = SS_RIGHT;
  if (type == SS_LEFT && !label_.WordWrap()) type = SS_LEFTNOWORDWRAP;
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  if ((old & SS_TYPEMASK) != type) {
    Pushing pushing(*this);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>((old & ~SS_TYPEMASK) | type));
  }
  Repaint();
}

void LabelPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, label_.Caption());
  Repaint();
}

// A transparent label shows what lies behind it: the parent's colour and the sibling windows
// below it (the banner picture under a headline), which it has print themselves into its own
// paint, then its text on top.
void LabelPeer::PaintTransparent(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const ui::Color behind = label_.Parent() ? label_.Parent()->GetColor() : label_.GetColor();
  FillRect(dc, &client, backend_.BrushFor(behind));
  std::vector<HWND> below;
  RECT mine{};
  GetWindowRect(hwnd_, &mine);
  for (HWND w = GetWindow(hwnd_, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    RECT theirs{};
    RECT overlap{};
    if (IsWindowVisible(w) && GetWindowRect(w, &theirs) &&
        IntersectRect(&overlap, &mine, &theirs)) {
      below.push_back(w);
    }
  }
  for (auto it = below.rbegin(); it != below.rend(); ++it) {
    POINT origin{0, 0};
    MapWindowPoints(*it, hwnd_, &origin, 1);
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SendMessageW(*it, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    RestoreDC(dc, saved);
  }
  UINT format = DT_EXPANDTABS;
  if (label_.Alignment() == ui::TextAlign::Center) format |= DT_CENTER;
  if (label_.Alignment() == ui::TextAlign::Right) format |= DT_RIGHT;
  if (label_.WordWrap() || label_.Alignment() != ui::TextAlign::Left) format |= DT_WORDBREAK;
  const std::wstring caption = Wide(label_.Caption());
  SelectGuard font(dc, backend_.FontFor(label_.GetFont()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label_.Enabled() ? TextColor() : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client, format);
}

bool LabelPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  if (!label_.Transparent() || (message != WM_PAINT && message != WM_ERASEBKGND)) {
    return WindowPeer::OnMessage(window, message, wParam, lParam, result);
  }
  result = message == WM_ERASEBKGND ? 1 : 0;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    PaintTransparent(dc);
    EndPaint(hwnd_, &paint);
  }
  return true;
}

// --- buttons -------------------------------------------------------------------------------------

ButtonPeer::ButtonPeer(Win32Backend& backend, ui::Button& button)
    : WindowPeer(backend, button), button_(button) {
  CreateWindowNow();
}

void ButtonPeer::CreateWindowNow() {
  CreateControlWindow(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0);
}

void ButtonPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, button_.Caption());
}

void ButtonPeer::ApplyStyle() {
  // A button with a glyph draws itself: picture and caption side by side.
  const DWORD type =
      HasGlyph() ? BS_OWNERDRAW : (button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  if ((old & BS_TYPEMASK) == type) return;
  Pushing pushing(*this);
  SendMessageW(hwnd_, BM_SETSTYLE, type, TRUE);
}

void ButtonPeer::ApplyPicture() {
  glyph_ = backend_.Pictures().Get(button_.Glyph(), 16);
  ApplyStyle();
  Repaint();
}

bool ButtonPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if (code != BN_CLICKED || IsPushing()) return false;
  result = 0;
  button_.UserClick();
  return true;
}

bool ButtonPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const std::wstring caption = Wide(button_.Caption());
  SelectGuard font(dc, backend_.FontFor(button_.GetFont()));
  RECT measure{0, 0, 0, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measure,
            DT_CALCRECT | DT_SINGLELINE);
  const bool glyph = HasGlyph();
  const int gap = caption.empty() || !glyph ? 0 : 4;
  const int glyphWidth = glyph ? glyph_->width : 0;
  const int total = glyphWidth + gap + (measure.right - measure.left);
  int x = rect.left + ((rect.right - rect.left) - total) / 2 + (pushed ? 1 : 0);
  const int middle = (rect.top + rect.bottom) / 2 + (pushed ? 1 : 0);
  if (glyph) {
    const LoadedPicture& picture = *glyph_;
    const int y = middle - picture.height / 2;
    if (picture.icon) {
      DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture.icon.get()), 0, x, y,
                picture.width, picture.height, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    } else {
      DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture.bitmap.get()), 0, x, y,
                picture.width, picture.height, DST_BITMAP | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    x += glyphWidth + gap;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : TextColor());
  RECT text{x, middle - (measure.bottom - measure.top) / 2, rect.right,
            middle + (measure.bottom - measure.top) / 2 + 1};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_LEFT | DT_TOP);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

// --- check boxes and radio buttons ---------------------------------------------------------------

CheckPeer::CheckPeer(Win32Backend& backend, ui::Control& control) : WindowPeer(backend, control) {
  CreateWindowNow();
}

void CheckPeer::CreateWindowNow() {
  // Not automatic: the control decides the mark and pushes it back.
  const DWORD type = control_.Kind() == ui::ControlKind::CheckBox ? BS_CHECKBOX : BS_RADIOBUTTON;
  CreateControlWindow(L"BUTTON", WS_TABSTOP | type, 0);
}

bool CheckPeer::Checked() const {
  if (control_.Kind() == ui::ControlKind::CheckBox) {
    return static_cast<const ui::CheckBox&>(control_).Checked();
  }
  return static_cast<const ui::RadioButton&>(control_).Checked();
}

void CheckPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, control_.Kind() == ui::ControlKind::CheckBox
                                  ? static_cast<const ui::CheckBox&>(control_).Caption()
                                  : static_cast<const ui::RadioButton&>(control_).Caption());
}

void CheckPeer::ApplyState() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if ((code != BN_CLICKED && code != BN_DOUBLECLICKED) || IsPushing()) return false;
  result = 0;
  control_.UserClick();
  return true;
}

// --- group boxes ---------------------------------------------------------------------------------

GroupBoxPeer::GroupBoxPeer(Win32Backend& backend, ui::GroupBox& group)
    : WindowPeer(backend, group), group_(group) {
  CreateWindowNow();
}

void GroupBoxPeer::CreateWindowNow() {
  CreateControlWindow(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void GroupBoxPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, group_.Caption());
}

void GroupBoxPeer::ApplyColor() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool GroupBoxPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.BrushFor(group_.GetColor()));
      result = 1;
      return true;
    }
    case WM_NCHITTEST:
      // A group box lets clicks through by default; ours has mouse events of its own.
      result = HTCLIENT;
      return true;
    default:
      return WindowPeer::OnMessage(window, message, wParam, lParam, result);
  }
}

// --- edits ---------------------------------------------------------------------------------------

EditPeer::EditPeer(Win32Backend& backend, ui::Edit& edit) : WindowPeer(backend, edit), edit_(edit) {
  CreateWindowNow();
}

void EditPeer::CreateWindowNow() {
  CreateControlWindow(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 0);
}

void EditPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, edit_.Text());
}

void EditPeer::ApplyStyle() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, EM_SETREADONLY, edit_.ReadOnly(), 0);
  const auto password = static_cast<unsigned char>(edit_.PasswordChar());
  SendMessageW(hwnd_, EM_SETPASSWORDCHAR, password, 0);
  SetStyleBits(WS_EX_CLIENTEDGE, edit_.Border() == ui::BorderStyle::Single, true);
  Repaint();
}

bool EditPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if (code != EN_CHANGE || IsPushing()) return false;
  result = 0;
  edit_.UserType(WindowText(hwnd_));
  return true;
}

// --- memos and rich edits ------------------------------------------------------------------------

MemoPeer::MemoPeer(Win32Backend& backend, ui::Memo& memo) : WindowPeer(backend, memo), memo_(memo) {
  CreateWindowNow();
}

bool MemoPeer::Rich() const {
  return memo_.Kind() == ui::ControlKind::RichEdit;
}

void MemoPeer::CreateWindowNow() {
  wordWrap_ = memo_.WordWrap();
  scrollBars_ = memo_.GetScrollBars();
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_) style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ui::ScrollBars::Vertical || scrollBars_ == ui::ScrollBars::Both) {
    style |= WS_VSCROLL;
  }
  if (scrollBars_ == ui::ScrollBars::Horizontal || scrollBars_ == ui::ScrollBars::Both) {
    style |= WS_HSCROLL;
  }
  if (Rich()) backend_.LoadRichEdit();
  CreateControlWindow(Rich() ? RICHEDIT_CLASSW : L"EDIT", style, 0);
}

void MemoPeer::Prepare() {
  if (!Rich()) return;
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 16 << 20);
  SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  // Word wrap follows the window width, or lines run on.
  SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, wordWrap_ ? 0 : 1);
}

void MemoPeer::ApplyText() {
  SetWindowTextQuietly(hwnd_, memo_.Text());
}

void MemoPeer::ApplyStyle() {
  if (memo_.WordWrap() != wordWrap_ || memo_.GetScrollBars() != scrollBars_) {
    Recreate();
    return;
  }
  Pushing pushing(*this);
  SendMessageW(hwnd_, EM_SETREADONLY, memo_.ReadOnly(), 0);
  SetStyleBits(WS_EX_CLIENTEDGE, memo_.Border() == ui::BorderStyle::Single, true);
}

void MemoPeer::ApplyColor() {
  if (Rich()) {
    SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, Win32Backend::ColorRef(memo_.GetColor()));
    ApplyFont();
  }
  Repaint();
}

void MemoPeer::ApplyFont() {
  WindowPeer::ApplyFont();
  if (!Rich()) return;
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = TextColor();
  Pushing pushing(*this);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void MemoPeer::SyncAll() {
  WindowPeer::SyncAll();
  if (Rich()) ApplyColor();
}

bool MemoPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if (code != EN_CHANGE || IsPushing()) return false;
  result = 0;
  memo_.UserType(WindowText(hwnd_));
  return true;
}

// --- combo boxes ---------------------------------------------------------------------------------

ComboPeer::ComboPeer(Win32Backend& backend, ui::ComboBox& combo)
    : WindowPeer(backend, combo), combo_(combo) {
  CreateWindowNow();
}

void ComboPeer::CreateWindowNow() {
  style_ = combo_.Style();
  const DWORD type = style_ == ui::ComboStyle::DropDown ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
  CreateControlWindow(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | type, 0);
}

void ComboPeer::ApplyBounds() {
  ChangingLayout();
  // The window's height includes the list that drops down; the edit part keeps the font's.
  const ui::Rect& r = combo_.Bounds();
  Pushing pushing(*this);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height + kDropHeight,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void ComboPeer::ApplyStyle() {
  if (combo_.Style() != style_) Recreate();
}

void ComboPeer::ApplyItems() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : combo_.Items()) {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
  ApplyState();
}

void ComboPeer::ItemAdded(int index) {
  if (!hwnd_ || DeferItems()) return;
  Pushing pushing(*this);
  SendMessageW(hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(Wide(combo_.Items()[static_cast<size_t>(index)]).c_str()));
}

void ComboPeer::ApplyState() {
  Pushing pushing(*this);
  if (SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) != combo_.ItemIndex()) {
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
  }
  if (combo_.ItemIndex() < 0 && combo_.Style() == ui::ComboStyle::DropDown) {
    SetWindowTextQuietly(hwnd_, combo_.Text());
  }
}

bool ComboPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if (IsPushing()) return false;
  if (code == CBN_SELCHANGE) {
    result = 0;
    combo_.UserSelect(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
    return true;
  }
  if (code == CBN_EDITCHANGE) {
    result = 0;
    combo_.UserType(WindowText(hwnd_));
    return true;
  }
  return false;
}

// --- pictures ------------------------------------------------------------------------------------

ImagePeer::ImagePeer(Win32Backend& backend, ui::Image& image)
    : WindowPeer(backend, image), image_(image) {
  CreateWindowNow();
}

ImagePeer::~ImagePeer() {
  // The window must let go of our handles before they are freed.
  if (hwnd_) {
    Pushing pushing(*this);
    SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, 0);
    SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_ICON, 0);
  }
}

void ImagePeer::CreateWindowNow() {
  CreateControlWindow(L"STATIC", SS_NOTIFY | SS_BITMAP, 0);
  // Pictures lie under the controls placed on them.
  if (hwnd_) {
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void ImagePeer::ApplyStyle() {
  ApplyPicture();
}

void ImagePeer::ApplyBounds() {
  const ui::Rect& r = image_.Bounds();
  if (image_.Stretch() && (r.width != shown_.width || r.height != shown_.height)) {
    ApplyPicture();  // scales again, and places the window
    return;
  }
  WindowPeer::ApplyBounds();
}

void ImagePeer::ApplyPicture() {
  if (!image_.Visible()) {
    pictureWaits_ = true;
    WindowPeer::ApplyBounds();
    return;
  }
  pictureWaits_ = false;
  const ui::Rect& r = image_.Bounds();
  source_ = backend_.Pictures().Get(image_.GetPicture(), 32);
  const LoadedPicture* picture = source_ && *source_ ? source_.get() : nullptr;
  const Shown wanted{picture,
                     r.width,
                     r.height,
                     image_.Stretch(),
                     image_.Transparent(),
                     image_.Center(),
                     Win32Backend::ColorRef(image_.GetColor())};
  // Style, picture and size are pushed one by one while a page is built: only a change of what
  // shows makes a new bitmap.
  if (wanted == shown_) return;
  HANDLE shown = nullptr;
  DWORD type = SS_BITMAP;
  UINT imageType = IMAGE_BITMAP;
  UniqueBitmap bitmap;
  if (picture && wanted.stretch) {
    bitmap = RenderPicture(*picture, r.width, r.height, wanted.background, wanted.transparent);
    shown = bitmap.get();
  } else if (picture && picture->icon) {
    // The shared icon itself: a static control does not free the icon it shows.
    type = SS_ICON;
    imageType = IMAGE_ICON;
    shown = picture->icon.get();
  } else if (picture && picture->bitmap) {
    // A copy of its own: the control may hand back or free the bitmap it showed.
    bitmap = RenderPicture(*picture, picture->width, picture->height, wanted.background,
                           wanted.transparent);
    shown = bitmap.get();
  }
  if (wanted.center) type |= SS_CENTERIMAGE;
  {
    Pushing pushing(*this);
    const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, 0);
    SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_ICON, 0);
    SetWindowLongPtrW(hwnd_, GWL_STYLE,
                      static_cast<LONG_PTR>((old & ~(SS_TYPEMASK | SS_CENTERIMAGE)) | type));
    // A static control of version 6 may keep a copy of a bitmap; that copy is ours to free.
    auto previous = reinterpret_cast<HGDIOBJ>(
        SendMessageW(hwnd_, STM_SETIMAGE, imageType, reinterpret_cast<LPARAM>(shown)));
    if (previous && previous != bitmap_.get() && imageType == IMAGE_BITMAP) {
      DeleteObject(previous);
    }
  }
  bitmap_ = std::move(bitmap);
  shown_ = wanted;
  // Setting a picture sizes the window to it; the control's own size counts.
  WindowPeer::ApplyBounds();
  // Transparent labels on the picture show it too.
  RECT area{};
  GetWindowRect(hwnd_, &area);
  HWND parent = GetParent(hwnd_);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ImagePeer::ApplyVisible() {
  if (pictureWaits_ && image_.Visible()) ApplyPicture();
  WindowPeer::ApplyVisible();
}

bool ImagePeer::OnCtlColor(HDC dc, LRESULT& result) {
  if (!image_.Transparent()) return WindowPeer::OnCtlColor(dc, result);
  SetBkMode(dc, TRANSPARENT);
  result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  return true;
}

// --- sliders -------------------------------------------------------------------------------------

SliderPeer::SliderPeer(Win32Backend& backend, ui::Slider& slider)
    : WindowPeer(backend, slider), slider_(slider) {
  CreateWindowNow();
}

void SliderPeer::CreateWindowNow() {
  orientation_ = slider_.GetOrientation();
  const DWORD direction = orientation_ == ui::Orientation::Horizontal ? TBS_HORZ : TBS_VERT;
  CreateControlWindow(TRACKBAR_CLASSW, WS_TABSTOP | TBS_AUTOTICKS | direction, 0);
}

void SliderPeer::ApplyStyle() {
  if (slider_.GetOrientation() != orientation_) {
    Recreate();
    return;
  }
  SetStyleBits(WS_EX_STATICEDGE, slider_.ShowBevel(), true);
}

void SliderPeer::ApplyRange() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, slider_.Min());
  SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, slider_.Max());
  // About ten ticks, whatever the range.
  SendMessageW(hwnd_, TBM_SETTICFREQ, std::max(1, (slider_.Max() - slider_.Min()) / 10), 0);
  SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, std::max(1, (slider_.Max() - slider_.Min()) / 10));
  ApplyState();
}

void SliderPeer::ApplyState() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TBM_SETPOS, TRUE, slider_.Value());
}

bool SliderPeer::OnScroll(WORD) {
  if (IsPushing()) return false;
  const int position = static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
  if (position != slider_.Value()) slider_.UserSetValue(position);
  return true;
}

// --- spin edits ----------------------------------------------------------------------------------

SpinPeer::SpinPeer(Win32Backend& backend, ui::SpinEdit& spin)
    : WindowPeer(backend, spin), spin_(spin) {
  CreateWindowNow();
}

void SpinPeer::CreateWindowNow() {
  CreateControlWindow(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
}

void SpinPeer::Prepare() {
  DWORD style = WS_CHILD | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (spin_.Visible()) style |= WS_VISIBLE;
  if (!spin_.Enabled()) style |= WS_DISABLED;
  Pushing pushing(*this);
  extra_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", style, 0, 0, 0, 0, GetParent(hwnd_),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(backend_.NextControlId())),
                           GetModuleHandleW(nullptr), nullptr);
  if (!extra_) return;
  Route(extra_);
  // The edit is the buddy for the arrow keys only: the text is ours to write.
  SendMessageW(extra_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
}

void SpinPeer::ApplyBounds() {
  ChangingLayout();
  const ui::Rect& r = spin_.Bounds();
  const int buttons = std::min(kButtonWidth, r.width / 2);
  Pushing pushing(*this);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width - buttons, r.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (extra_) {
    SetWindowPos(extra_, nullptr, r.Right() - buttons, r.top, buttons, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void SpinPeer::ApplyRange() {
  Pushing pushing(*this);
  if (extra_) SendMessageW(extra_, UDM_SETRANGE32, spin_.Min(), spin_.Max());
  ApplyState();
}

void SpinPeer::ApplyState() {
  Pushing pushing(*this);
  const std::string text = std::to_string(spin_.Value());
  // While the user types a number it stays as typed.
  char* end = nullptr;
  const std::string shown = WindowText(hwnd_);
  const long typed = std::strtol(shown.c_str(), &end, 10);
  if (shown.empty() || *end != '\0' || typed != spin_.Value()) SetWindowTextQuietly(hwnd_, text);
  if (extra_) {
    // UDM_SETPOS32 needs common controls 5.80; the 16-bit position is what NT 4.0's understand.
    SendMessageW(extra_, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(spin_.Value()), 0));
    SendMessageW(extra_, UDM_SETPOS32, 0, spin_.Value());
  }
}

bool SpinPeer::OnCommand(WORD code, WORD, LRESULT& result) {
  if (IsPushing()) return false;
  if (code == EN_KILLFOCUS) {
    SetWindowTextQuietly(hwnd_, std::to_string(spin_.Value()));
    return false;
  }
  if (code != EN_CHANGE) return false;
  result = 0;
  const std::string text = WindowText(hwnd_);
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < spin_.Min() || value > spin_.Max()) return true;
  if (value != spin_.Value()) spin_.UserSetValue(static_cast<int>(value));
  return true;
}

bool SpinPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != extra_ || header.code != UDN_DELTAPOS || IsPushing()) return false;
  // The buttons only tell the step; the control moves the value and pushes it back.
  result = TRUE;
  spin_.UserStep(reinterpret_cast<NMUPDOWN&>(header).iDelta);
  return true;
}

// --- gauges --------------------------------------------------------------------------------------

GaugePeer::GaugePeer(Win32Backend& backend, ui::Gauge& gauge)
    : WindowPeer(backend, gauge), gauge_(gauge) {
  CreateWindowNow();
}

void GaugePeer::CreateWindowNow() {
  CreateControlWindow(PROGRESS_CLASSW, PBS_SMOOTH, WS_EX_CLIENTEDGE);
}

void GaugePeer::ApplyRange() {
  SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(gauge_.Min()), gauge_.Max());
  ApplyState();
}

void GaugePeer::ApplyState() {
  SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(gauge_.Value()), 0);
}

void GaugePeer::ApplyColor() {
  SendMessageW(hwnd_, PBM_SETBARCOLOR, 0, Win32Backend::ColorRef(gauge_.ForeColor()));
  SendMessageW(hwnd_, PBM_SETBKCOLOR, 0, Win32Backend::ColorRef(gauge_.GetColor()));
  Repaint();
}

void GaugePeer::ApplyStyle() {
  Repaint();
}

void GaugePeer::SyncAll() {
  WindowPeer::SyncAll();
  ApplyColor();
}

bool GaugePeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  if (message != WM_PAINT || !gauge_.ShowText()) {
    return WindowPeer::OnMessage(window, message, wParam, lParam, result);
  }
  // The bar as the progress control paints it, the percentage on top.
  result = CallDefault(window, message, wParam, lParam);
  const int span = gauge_.Max() - gauge_.Min();
  const int percent = span > 0 ? (gauge_.Value() - gauge_.Min()) * 100 / span : 0;
  const std::wstring text = std::to_wstring(percent) + L" %";
  WindowDc dc(hwnd_);
  SelectGuard font(dc.get(), backend_.FontFor(gauge_.GetFont()));
  RECT client{};
  GetClientRect(hwnd_, &client);
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), TextColor());
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  return true;
}

// --- animations ----------------------------------------------------------------------------------

AnimationPeer::AnimationPeer(Win32Backend& backend, ui::Animation& animation)
    : WindowPeer(backend, animation), animation_(animation) {
  CreateWindowNow();
}

void AnimationPeer::CreateWindowNow() {
  CreateControlWindow(ANIMATE_CLASSW, ACS_TRANSPARENT | ACS_CENTER, 0);
}

void AnimationPeer::ApplyPicture() {
  // The shell's own animations; a system without them (Wine) shows an empty control.
  static constexpr int kIds[] = {0, 150, 151, 152, 160, 161, 162, 163, 164};
  const int id = kIds[static_cast<int>(animation_.GetCommonAvi())];
  opened_ = false;
  SendMessageW(hwnd_, ACM_OPENW, 0, 0);
  if (id != 0 && backend_.Shell32()) {
    opened_ = SendMessageW(hwnd_, ACM_OPENW, reinterpret_cast<WPARAM>(backend_.Shell32()),
                           reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(id))) != 0;
  }
  ApplyState();
}

void AnimationPeer::ApplyState() {
  if (!opened_) return;
  if (animation_.Active()) {
    SendMessageW(hwnd_, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
  } else {
    SendMessageW(hwnd_, ACM_STOP, 0, 0);
  }
}

// --- the performance graph -----------------------------------------------------------------------

GraphPeer::GraphPeer(Win32Backend& backend, ui::PerformanceGraph& graph)
    : WindowPeer(backend, graph), graph_(graph) {
  CreateWindowNow();
}

void GraphPeer::CreateWindowNow() {
  CreateControlWindow(kGraphClass, 0, WS_EX_CLIENTEDGE);
}

void GraphPeer::Paint(HDC target) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return;
  // Drawn off screen first, so the scrolling does not flicker.
  MemoryDc dc(target);
  UniqueBitmap canvas(CreateCompatibleBitmap(target, width, height));
  SelectGuard selectCanvas(dc.get(), canvas.get());
  FillRect(dc.get(), &client, backend_.BrushFor(graph_.GetColor()));
  const auto& points = graph_.Points();
  const int step = std::max(1, graph_.StepSize());
  const int grid = std::max(2, graph_.GridSize());
  {
    UniquePen gridPen(CreatePen(PS_SOLID, 1, RGB(0, 128, 64)));
    SelectGuard selectPen(dc.get(), gridPen.get());
    // The vertical lines move with the data.
    const int shift = static_cast<int>((points.size() * static_cast<size_t>(step)) % grid);
    for (int x = width - 1 - (grid - shift) % grid; x >= 0; x -= grid) {
      MoveToEx(dc.get(), x, 0, nullptr);
      LineTo(dc.get(), x, height);
    }
    for (int y = height - 1; y >= 0; y -= grid) {
      MoveToEx(dc.get(), 0, y, nullptr);
      LineTo(dc.get(), width, y);
    }
  }
  const auto yOf = [&](int value) { return height - 1 - value * (height - 1) / 100; };
  int x = width - 1;
  for (size_t i = points.size(); i-- > 1 && x >= 0; x -= step) {
    UniquePen pen(CreatePen(PS_SOLID, 1, Win32Backend::ColorRef(points[i].color)));
    SelectGuard selectPen(dc.get(), pen.get());
    MoveToEx(dc.get(), x, yOf(points[i].value), nullptr);
    LineTo(dc.get(), x - step, yOf(points[i - 1].value));
  }
  BitBlt(target, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
}

bool GraphPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  return PaintOwnWindow(message, wParam, result, [this](HDC dc) { Paint(dc); }) ||
         WindowPeer::OnMessage(window, message, wParam, lParam, result);
}

// --- splitters -----------------------------------------------------------------------------------

SplitterPeer::SplitterPeer(Win32Backend& backend, ui::Splitter& splitter)
    : WindowPeer(backend, splitter), splitter_(splitter) {
  CreateWindowNow();
}

void SplitterPeer::CreateWindowNow() {
  CreateControlWindow(kSplitterClass, 0, 0);
}

void SplitterPeer::ApplyStyle() {
  Repaint();
}

bool SplitterPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) {
  const bool vertical =
      splitter_.GetAlign() == ui::Align::Top || splitter_.GetAlign() == ui::Align::Bottom;
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd_, &paint);
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(dc, &client, backend_.BrushFor(splitter_.GetColor()));
      if (splitter_.Beveled()) DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
      EndPaint(hwnd_, &paint);
      result = 0;
      return true;
    }
    case WM_LBUTTONDOWN:
      SetCapture(hwnd_);
      last_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(hwnd_, &last_);
      dragging_ = true;
      result = 0;
      return true;
    case WM_MOUSEMOVE: {
      if (!dragging_) return false;
      // Screen points: the splitter itself moves while it is dragged.
      POINT now{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(hwnd_, &now);
      const int delta = vertical ? now.y - last_.y : now.x - last_.x;
      result = 0;
      if (delta == 0) return true;
      last_ = now;
      splitter_.UserDrag(delta);
      return true;
    }
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
      }
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return WindowPeer::OnMessage(window, message, wParam, lParam, result);
  }
}

}  // namespace win32
