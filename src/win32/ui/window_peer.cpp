#include "win32/ui/window_peer.h"

#include <windowsx.h>

#include <unordered_map>
#include <utility>

#include "win32/wide.h"

namespace win32 {

unsigned ShiftFromKeys(WPARAM keys) {
  unsigned shift = ui::kShiftNone;
  if (keys & MK_SHIFT) shift |= ui::kShift;
  if (keys & MK_CONTROL) shift |= ui::kCtrl;
  if (keys & MK_LBUTTON) shift |= ui::kMouseLeft;
  if (keys & MK_RBUTTON) shift |= ui::kMouseRight;
  if (keys & MK_MBUTTON) shift |= ui::kMouseMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ui::kAlt;
  return shift;
}

namespace {

unsigned KeyShift() {
  unsigned shift = ui::kShiftNone;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ui::kShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ui::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ui::kAlt;
  return shift;
}

}  // namespace

WindowPeer::WindowPeer(Win32Backend& backend, ui::Control& control)
    : backend_(backend), control_(control) {}

WindowPeer::~WindowPeer() {
  *alive_ = false;
  if (pending_) backend_.ForgetPending(this);
  if (backend_.DragSource() == this) backend_.EndDrag();
  for (HWND window : {extra_, hwnd_}) {
    if (window) LetGo(window);
  }
}

void WindowPeer::LetGo(HWND window) {
  if (window == hwnd_ && parkClass_) {
    DropHint();
    Unhook(window);
    backend_.Park(window, parkClass_, parkStyle_, parkExStyle_);
    return;
  }
  Unhook(window);
  backend_.DestroyWindowSoon(window);
}

namespace {
// The control's designer name as a global atom, so that test drivers in another process can find
// a window by it (GlobalGetAtomNameW on the property's value).
constexpr wchar_t kNameProperty[] = L"KalmoraName";

// Our procedure runs in front of each window's own: the table says which peer a window belongs
// to and which procedure it had. A table lookup costs nothing, where the common controls'
// subclass chain and window properties ask the window system (under Wine a round trip to the
// wineserver) several times for every message.
struct Hook {
  WNDPROC original = nullptr;
  WindowPeer* peer = nullptr;  // none once the peer let go: the window runs its own procedure
};

std::unordered_map<HWND, Hook>& Hooks() {
  static std::unordered_map<HWND, Hook> hooks;
  return hooks;
}

}  // namespace

WindowPeer* WindowPeer::FromWindow(HWND window) {
  const auto& hooks = Hooks();
  const auto it = hooks.find(window);
  return it == hooks.end() ? nullptr : it->second.peer;
}

WindowPeer* WindowPeer::FindFor(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (WindowPeer* peer = FromWindow(w)) return peer;
  }
  return nullptr;
}

HWND WindowPeer::ParentWindow() const {
  for (ui::Container* parent = control_.Parent(); parent; parent = parent->Parent()) {
    if (auto* peer = dynamic_cast<WindowPeer*>(parent->GetPeer()); peer && peer->hwnd_) {
      return peer->hwnd_;
    }
  }
  return backend_.HelperWindow();
}

void WindowPeer::CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle) {
  if (backend_.BuildingOutOfSight()) {
    unmade_ = true;
    Defer(kSyncAll);
    return;
  }
  backend_.ChangingChildrenOf(ParentWindow());
  const ui::Rect& r = control_.Bounds();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  {
    Pushing pushing(*this);
    const int id = backend_.NextControlId();
    if (Parks()) {
      parkClass_ = className;
      // Shown and enabled are set on a taken window; the rest of the styles must match.
      parkStyle_ = style & ~(WS_VISIBLE | WS_DISABLED);
      parkExStyle_ = exStyle;
      hwnd_ = backend_.TakeParked(className, parkStyle_, exStyle);
    }
    if (hwnd_) {
      // As if made here: in this parent, last of its siblings (where a new window goes), with
      // this id, enabled and shown as the control is.
      SetParent(hwnd_, ParentWindow());
      SetWindowLongPtrW(hwnd_, GWLP_ID, id);
      EnableWindow(hwnd_, control_.Enabled());
      SetWindowPos(hwnd_, HWND_BOTTOM, r.left, r.top, r.width, r.height,
                   SWP_NOACTIVATE | (control_.Visible() ? SWP_SHOWWINDOW : 0));
    } else {
      hwnd_ = CreateWindowExW(exStyle, className, L"", style, r.left, r.top, r.width, r.height,
                              ParentWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    }
  }
  if (!hwnd_) return;
  Route(hwnd_);
  Prepare();
  if (CanDefer()) {
    Defer(kSyncAll);
  } else {
    SyncAll();
  }
  // A new window goes below its siblings; pictures stay below everything placed on them.
  KeepPicturesBelow();
}

void WindowPeer::KeepPicturesBelow() {
  // The model knows the siblings: walking the windows would ask the window system once per
  // sibling.
  if (control_.Kind() == ui::ControlKind::Image || !control_.Parent()) return;
  for (const auto& sibling : control_.Parent()->Children()) {
    if (sibling->Kind() != ui::ControlKind::Image) continue;
    if (HWND w = Win32Backend::WindowOf(*sibling); w && GetParent(w) == GetParent(hwnd_)) {
      SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

void WindowPeer::NameChanged() {
  if (!hwnd_ || control_.Name().empty()) return;
  if (const auto old =
          static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(hwnd_, kNameProperty)))) {
    GlobalDeleteAtom(old);
  }
  const ATOM atom = GlobalAddAtomW(Wide(control_.Name()).c_str());
  if (atom) SetPropW(hwnd_, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

void WindowPeer::Route(HWND window) {
  Hook& hook = Hooks()[window];
  hook.peer = this;
  if (!hook.original) {
    hook.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProc)));
  }
}

void WindowPeer::Unhook(HWND window) {
  // The procedure stays in front until the window is gone (others may have hooked in after it);
  // it only passes messages on from now.
  if (const auto it = Hooks().find(window); it != Hooks().end()) it->second.peer = nullptr;
  if (const auto atom = reinterpret_cast<ULONG_PTR>(RemovePropW(window, kNameProperty))) {
    GlobalDeleteAtom(static_cast<ATOM>(atom));
  }
}

void WindowPeer::Forget(HWND window) {
  Unhook(window);
  if (window == hwnd_) hwnd_ = nullptr;
  if (window == extra_) extra_ = nullptr;
}

void WindowPeer::Recreate() {
  for (HWND window : {extra_, hwnd_}) {
    if (window) LetGo(window);
  }
  hwnd_ = extra_ = nullptr;
  hinted_ = false;
  CreateWindowNow();
}

void WindowPeer::SyncAll() {
  NameChanged();
  ApplyFont();
  ApplyStyle();
  ApplyRange();
  ApplyItems();
  ApplyText();
  ApplyPicture();
  ApplyState();
  ApplyHint();
  ApplyBounds();
}

bool WindowPeer::CanDefer() const {
  return hwnd_ && backend_.Deferring() && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) != 0 &&
         !IsWindowVisible(hwnd_);
}

void WindowPeer::MakeWindow() {
  if (!control_.Visible() && !dynamic_cast<ui::Container*>(&control_)) return;
  unmade_ = false;
  const bool late = !backend_.ApplyingFirstShow();
  CreateWindowNow();
  if (hwnd_ && late) PlaceAmongSiblings();
}

void WindowPeer::PlaceAmongSiblings() {
  if (!control_.Parent()) return;
  HWND above = HWND_TOP;
  for (const auto& sibling : control_.Parent()->Children()) {
    if (sibling.get() == &control_) break;
    if (HWND w = Win32Backend::WindowOf(*sibling); w && GetParent(w) == GetParent(hwnd_)) above = w;
  }
  SetWindowPos(hwnd_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  KeepPicturesBelow();
}

void WindowPeer::Defer(unsigned bits) {
  if (!pending_) backend_.AddPending(this);
  pending_ |= bits;
}

bool WindowPeer::DeferItems() {
  if (pending_ & Bit(ui::Change::kItems)) {
    // The whole list goes again anyway, this row with it.
    if (!CanDefer()) ApplyPending();
    return true;
  }
  if (!CanDefer()) return false;
  Defer(Bit(ui::Change::kItems));
  return true;
}

void WindowPeer::ApplyPending() {
  unsigned bits = std::exchange(pending_, 0u);
  if (unmade_ && bits) {
    MakeWindow();
    return;
  }
  if (!hwnd_ || !bits) return;
  using C = ui::Change;
  if (bits & kSyncAll) {
    SyncAll();
    bits &= Bit(C::kVisible) | Bit(C::kEnabled) | Bit(C::kColor);
  }
  // The order of a new window's sync; showing comes last, with everything in place.
  for (const C change : {C::kFont, C::kStyle, C::kRange, C::kItems, C::kText, C::kPicture,
                         C::kState, C::kHint, C::kBounds, C::kEnabled, C::kColor, C::kVisible}) {
    if (bits & Bit(change)) Apply(change);
  }
}

void WindowPeer::Update(ui::Change change) {
  if (!hwnd_) {
    if (unmade_ && change == ui::Change::kVisible) {
      if (backend_.Deferring()) {
        Defer(Bit(change));
      } else {
        MakeWindow();
      }
    }
    return;
  }
  if (CanDefer()) {
    Defer(Bit(change));
    return;
  }
  // In view again before the event ended: what waited goes first.
  if (pending_) ApplyPending();
  Apply(change);
}

void WindowPeer::Apply(ui::Change change) {
  switch (change) {
    case ui::Change::kBounds:
      ApplyBounds();
      break;
    case ui::Change::kVisible:
      ApplyVisible();
      break;
    case ui::Change::kEnabled:
      ApplyEnabled();
      break;
    case ui::Change::kText:
      ApplyText();
      break;
    case ui::Change::kFont:
      ApplyFont();
      break;
    case ui::Change::kColor:
      ApplyColor();
      break;
    case ui::Change::kHint:
      ApplyHint();
      break;
    case ui::Change::kStyle:
      ApplyStyle();
      break;
    case ui::Change::kState:
      ApplyState();
      break;
    case ui::Change::kRange:
      ApplyRange();
      break;
    case ui::Change::kItems:
      ApplyItems();
      break;
    case ui::Change::kPicture:
      ApplyPicture();
      break;
  }
}

void WindowPeer::ChangingLayout() {
  if (hwnd_) backend_.ChangingChildrenOf(GetParent(hwnd_));
}

ui::Rect WindowPeer::WindowRectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {static_cast<int>(rect.left), static_cast<int>(rect.top),
          static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

void WindowPeer::ApplyBounds() {
  const ui::Rect& r = control_.Bounds();
  // Placing a window where it is still costs a round trip and a repaint.
  if (WindowRectInParent(hwnd_) == r) return;
  ChangingLayout();
  Pushing pushing(*this);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void WindowPeer::ApplyVisible() {
  ChangingLayout();
  Pushing pushing(*this);
  for (HWND window : {hwnd_, extra_}) {
    if (window) ShowWindow(window, control_.Visible() ? SW_SHOWNA : SW_HIDE);
  }
}

void WindowPeer::ApplyEnabled() {
  Pushing pushing(*this);
  for (HWND window : {hwnd_, extra_}) {
    if (window) EnableWindow(window, control_.Enabled());
  }
}

void WindowPeer::ApplyFont() {
  Pushing pushing(*this);
  // Redrawn only when in sight: out of sight the control would still paint itself in vain.
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.FontFor(control_.GetFont())),
               IsWindowVisible(hwnd_) ? TRUE : FALSE);
}

void WindowPeer::ApplyColor() {
  Repaint();
}

TOOLINFOW WindowPeer::ToolInfo() const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

void WindowPeer::DropHint() {
  wantsHint_ = false;
  if (!hinted_) return;
  if (HWND tip = backend_.TooltipIfMade()) {
    TOOLINFOW tool = ToolInfo();
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  hinted_ = false;
}

void WindowPeer::ApplyHint() {
  if (control_.Hint().empty()) {
    DropHint();
    return;
  }
  if (hinted_) return;
  // The shared tooltip is a top-level window, some milliseconds to make under Wine: it is made
  // when the mouse first moves over a window with a hint, not while the first window builds.
  if (HWND tip = backend_.TooltipIfMade()) {
    AddTool(tip);
  } else {
    wantsHint_ = true;
  }
}

void WindowPeer::AddTool(HWND tip) {
  TOOLINFOW tool = ToolInfo();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  hinted_ = true;
  wantsHint_ = false;
}

void WindowPeer::HintOnFirstMove(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND tip = backend_.Tooltip();
  if (!tip) return;
  AddTool(tip);
  // The tooltip watches the window from now on; of this move it is told.
  MSG move{window, WM_MOUSEMOVE, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&move.pt);
  SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void WindowPeer::Invalidate() {
  if (hwnd_) Repaint();
}

void WindowPeer::Repaint() {
  // A window out of sight is painted whole once it shows; asking now costs a round trip.
  if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowPeer::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

void WindowPeer::BeginUpdate() {
  if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void WindowPeer::EndUpdate() {
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

std::string WindowPeer::WindowText(HWND window) const {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return Narrow(text);
}

void WindowPeer::SetWindowTextQuietly(HWND window, const std::string& text) {
  // Rewriting the same text would only move the caret to the start.
  if (WindowText(window) == text) return;
  Pushing pushing(*this);
  SetWindowTextW(window, Wide(text).c_str());
}

void WindowPeer::SetStyleBits(DWORD bits, bool on, bool extended) {
  const int index = extended ? GWL_EXSTYLE : GWL_STYLE;
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, index));
  const DWORD now = on ? (old | bits) : (old & ~bits);
  if (now == old) return;
  ChangingLayout();
  Pushing pushing(*this);
  SetWindowLongPtrW(hwnd_, index, static_cast<LONG_PTR>(now));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Repaint();
}

COLORREF WindowPeer::TextColor() const {
  return Win32Backend::ColorRef(control_.GetFont().color);
}

bool WindowPeer::OnCommand(WORD, WORD, LRESULT&) {
  return false;
}
bool WindowPeer::OnNotify(NMHDR&, LRESULT&) {
  return false;
}
bool WindowPeer::OnDrawItem(DRAWITEMSTRUCT&) {
  return false;
}
bool WindowPeer::OnScroll(WORD) {
  return false;
}

bool WindowPeer::OnCtlColor(HDC dc, LRESULT& result) {
  SetTextColor(dc, TextColor());
  SetBkColor(dc, Win32Backend::ColorRef(control_.GetColor()));
  result = reinterpret_cast<LRESULT>(backend_.BrushFor(control_.GetColor()));
  return true;
}

LRESULT CALLBACK WindowPeer::HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& hooks = Hooks();
  const auto it = hooks.find(window);
  if (it == hooks.end()) return DefWindowProcW(window, message, wParam, lParam);
  const WNDPROC original = it->second.original;
  WindowPeer* peer = it->second.peer;
  if (message == WM_NCDESTROY) {
    // The window goes (perhaps with its parent) before the control: forget it.
    if (peer) peer->Forget(window);
    hooks.erase(window);
    return CallWindowProcW(original, window, message, wParam, lParam);
  }
  if (!peer) return CallWindowProcW(original, window, message, wParam, lParam);
  Win32Backend& backend = peer->backend_;
  const size_t mark = backend.EnterDispatch();
  const LRESULT result = peer->Dispatch(window, message, wParam, lParam);
  backend.LeaveDispatch(mark);
  return result;
}

LRESULT WindowPeer::CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& hooks = Hooks();
  const auto it = hooks.find(window);
  if (it == hooks.end()) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(it->second.original, window, message, wParam, lParam);
}

LRESULT WindowPeer::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
  if (OnMessage(window, message, wParam, lParam, result)) return result;
  return CallDefault(window, message, wParam, lParam);
}

// Windows tell their parent what happened to them; the parent hands it to the child's peer,
// whatever kind of window the parent is (a form, a panel, a group box, a tab control).
bool WindowPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND from = nullptr;
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      from = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      if (wParam == 0) return false;  // menus
      from = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    default:
      return false;
  }
  if (!from) return false;
  // The edit inside a combo box reports through the combo box.
  WindowPeer* child = FindFor(from);
  if (!child || (child == this && from == hwnd_)) return false;
  if (child == this && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX &&
      message != WM_CTLCOLORSTATIC && message != WM_NOTIFY && message != WM_VSCROLL &&
      message != WM_HSCROLL) {
    return false;
  }
  switch (message) {
    case WM_COMMAND:
      return child->OnCommand(HIWORD(wParam), LOWORD(wParam), result);
    case WM_NOTIFY:
      return child->OnNotify(*reinterpret_cast<NMHDR*>(lParam), result);
    case WM_DRAWITEM:
      if (child->OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (child->OnScroll(LOWORD(wParam))) {
        result = 0;
        return true;
      }
      return false;
    default:
      return child->OnCtlColor(reinterpret_cast<HDC>(wParam), result);
  }
}

bool WindowPeer::PaintOwnWindow(UINT message, WPARAM wParam, LRESULT& result,
                                const std::function<void(HDC)>& paint) {
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PAINTSTRUCT paintStruct{};
      HDC dc =
          message == WM_PAINT ? BeginPaint(hwnd_, &paintStruct) : reinterpret_cast<HDC>(wParam);
      paint(dc);
      if (message == WM_PAINT) EndPaint(hwnd_, &paintStruct);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

bool WindowPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
  if (window != hwnd_) return false;
  switch (message) {
    case WM_SETCURSOR: {
      if (reinterpret_cast<HWND>(wParam) != hwnd_ || LOWORD(lParam) != HTCLIENT) return false;
      ui::Cursor cursor = backend_.ScreenCursor() != ui::Cursor::Default ? backend_.ScreenCursor()
                                                                         : control_.GetCursor();
      if (cursor == ui::Cursor::Default) return false;
      if (cursor == ui::Cursor::SizeWE &&
          (control_.GetAlign() == ui::Align::Top || control_.GetAlign() == ui::Align::Bottom)) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
      } else {
        SetCursor(backend_.CursorFor(cursor));
      }
      result = TRUE;
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code != TTN_GETDISPINFOW || !header->hwndFrom ||
          header->hwndFrom != backend_.TooltipIfMade()) {
        return false;
      }
      static std::wstring text;  // the tooltip copies it before the next request
      text = Wide(control_.Hint());
      reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = text.data();
      result = 0;
      return true;
    }
    case WM_CONTEXTMENU: {
      ui::PopupMenu* menu = control_.GetPopupMenu();
      if (!menu) return false;
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (lParam == -1) {
        at = {0, 0};
        ::ClientToScreen(hwnd_, &at);
      }
      menu->Popup({at.x, at.y});
      result = 0;
      return true;
    }
    case WM_KEYDOWN: {
      const auto alive = AliveToken();
      control_.UserKeyDown(static_cast<int>(wParam), KeyShift());
      if (!*alive) return true;
      return false;
    }
    default:
      return HandleMouse(window, message, wParam, lParam, result);
  }
}

// Mouse input: the control's own handling runs first (a tree moves its selection, a button
// captures the mouse), then the toolkit's events, last, as they may destroy the control.
bool WindowPeer::HandleMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT& result) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  const unsigned shift = ShiftFromKeys(wParam);
  ui::MouseButton button = ui::MouseButton::Left;
  switch (message) {
    case WM_MOUSEMOVE:
      if (wantsHint_ && window == hwnd_) HintOnFirstMove(window, wParam, lParam);
      if (backend_.DragSource() == this) {
        POINT screen{x, y};
        ::ClientToScreen(window, &screen);
        DragTo(screen, false);
        result = 0;
        return true;
      }
      result = CallDefault(window, message, wParam, lParam);
      control_.UserMouseMove(shift, x, y);
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      if (message == WM_RBUTTONDOWN) button = ui::MouseButton::Right;
      if (message == WM_MBUTTONDOWN) button = ui::MouseButton::Middle;
      const auto alive = AliveToken();
      if (message == WM_LBUTTONDOWN) mouseDownHere_ = true;
      result = CallDefault(window, message, wParam, lParam);
      if (!*alive) return true;
      control_.UserMouseDown(button, shift, x, y);
      if (!*alive) return true;
      // A handler that called BeginDrag starts dragging at once.
      if (control_.Dragging() && backend_.DragSource() != this) backend_.StartDrag(*this);
      return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (message == WM_RBUTTONUP) button = ui::MouseButton::Right;
      if (message == WM_MBUTTONUP) button = ui::MouseButton::Middle;
      if (backend_.DragSource() == this && message == WM_LBUTTONUP) {
        POINT screen{x, y};
        ::ClientToScreen(window, &screen);
        DragTo(screen, true);
        result = 0;
        return true;
      }
      const auto alive = AliveToken();
      result = CallDefault(window, message, wParam, lParam);
      if (!*alive) return true;
      RECT client{};
      GetClientRect(window, &client);
      const bool clicked = message == WM_LBUTTONUP && mouseDownHere_ && ClicksOnMouseUp() &&
                           PtInRect(&client, POINT{x, y});
      if (message == WM_LBUTTONUP) mouseDownHere_ = false;
      if (clicked) {
        control_.UserClick();
        if (!*alive) return true;
      }
      control_.UserMouseUp(button, shift, x, y);
      return true;
    }
    case WM_LBUTTONDBLCLK: {
      const auto alive = AliveToken();
      result = CallDefault(window, message, wParam, lParam);
      if (!*alive) return true;
      control_.UserDoubleClick();
      return true;
    }
    case WM_CAPTURECHANGED:
      if (backend_.DragSource() == this && reinterpret_cast<HWND>(lParam) != hwnd_) {
        backend_.EndDrag();
        control_.EndDrag();
      }
      return false;
    default:
      return false;
  }
}

void WindowPeer::DragTo(POINT screen, bool drop) {
  HWND under = WindowFromPoint(screen);
  WindowPeer* target = FindFor(under);
  bool accept = false;
  POINT local = screen;
  const auto alive = AliveToken();
  const auto targetAlive = target ? target->AliveToken() : nullptr;
  if (target) {
    ScreenToClient(target->hwnd_, &local);
    accept = target->control_.UserDragOver(&control_, local.x, local.y);
    if (!*alive) return;
    if (!*targetAlive) target = nullptr;
  }
  if (!drop) {
    SetCursor(LoadCursorW(nullptr, accept ? IDC_ARROW : IDC_NO));
    return;
  }
  backend_.EndDrag();
  if (GetCapture() == hwnd_) ReleaseCapture();
  if (target && accept) {
    target->control_.UserDragDrop(&control_, local.x, local.y);
  } else {
    control_.EndDrag();
  }
}

}  // namespace win32
