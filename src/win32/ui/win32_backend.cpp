#include "win32/ui/win32_backend.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "ui/controls.h"
#include "win32/ui/pictures.h"
#include "win32/ui/window_peer.h"
#include "win32/wide.h"

namespace win32 {
namespace {

Win32Backend* current = nullptr;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// The top-level window a window is part of, up its chain of parents (what GetAncestor's GA_ROOT
// answers; that function is documented from Windows 98 and 2000 on, not for NT 4.0).
HWND RootWindow(HWND window) {
  while (window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
    HWND parent = GetParent(window);
    if (!parent) break;
    window = parent;
  }
  return window;
}

DWORD FormStyle(const ui::Form& form, DWORD* exStyle) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = WS_EX_CONTROLPARENT;
  switch (form.Border()) {
    case ui::FormBorder::Sizeable:
      style |= WS_OVERLAPPEDWINDOW;
      break;
    case ui::FormBorder::Dialog:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case ui::FormBorder::Single:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      break;
    case ui::FormBorder::ToolWindow:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case ui::FormBorder::SizeToolWin:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case ui::FormBorder::None:
      style |= WS_POPUP;
      break;
  }
  if (form.StayOnTop()) ex |= WS_EX_TOPMOST;
  *exStyle = ex;
  return style;
}

// Asks the shell for the icon index of a name by its attributes alone, which touches no drive:
// the shell makes both of its icon lists, with its standard icons, on the way.
DWORD WINAPI MakeSystemIconLists(void* shell) {
  using GetFileInfo = DWORD_PTR(WINAPI*)(LPCWSTR, DWORD, SHFILEINFOW*, UINT, UINT);
  const auto getFileInfo = reinterpret_cast<GetFileInfo>(
      reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(shell), "SHGetFileInfoW")));
  if (!getFileInfo) return 1;
  SHFILEINFOW info{};
  getFileInfo(L"Kalmora.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
              SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
  return 0;
}

}  // namespace

// The form's window styles are needed by the backend (frame size) and the form's peer.
DWORD FormWindowStyle(const ui::Form& form, DWORD* exStyle) {
  return FormStyle(form, exStyle);
}

void RegisterToolkitClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const wchar_t* name : {kFormClass, kPanelClass, kGraphClass, kSplitterClass, kHelperClass}) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    if (name == kPanelClass || name == kFormClass) windowClass.style |= CS_HREDRAW | CS_VREDRAW;
    if (name == kFormClass) {
      windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    }
    RegisterClassExW(&windowClass);
  }
}

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && current && window == current->helper_.get()) {
    current->OnTimer(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

Win32Backend* Win32Backend::Instance() {
  return current;
}

Win32Backend::Win32Backend() {
  current = this;
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof init;
  init.dwICC = ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
               ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS |
               ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&init);
  RegisterToolkitClasses();
  // A window of our own without a size: timers, the owner of popup menus, the parent of parked
  // windows, and the application window start-up minimises and restores.
  helper_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kHelperClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(helper_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HelperProc));
}

Win32Backend::~Win32Backend() {
  if (iconLists_) WaitForSingleObject(iconLists_.get(), INFINITE);
  for (const auto& [timer, id] : timers_) KillTimer(helper_.get(), id);
  for (HWND window : doomedWindows_) {
    if (IsWindow(window)) DestroyWindow(window);
  }
  tooltip_.reset();
  helper_.reset();
  if (current == this) current = nullptr;
}

HMODULE Win32Backend::Shell32() {
  if (!shell32_) shell32_.reset(LoadLibraryW(L"shell32.dll"));
  return shell32_.get();
}

void Win32Backend::PrepareSystemIcons() {
  // The shell is loaded here, on the program's thread, and stays loaded until the thread is done.
  // The thread takes SHGetFileInfoW by GetProcAddress: the delay-load stub resolving on two
  // threads at once is not ours to rely on.
  if (iconLists_ || !Shell32()) return;
  iconLists_.reset(CreateThread(nullptr, 0, MakeSystemIconLists, Shell32(), 0, nullptr));
}

void Win32Backend::SetApplicationState(ui::WindowState state) {
  ShowWindow(helper_.get(), state == ui::WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
}

void Win32Backend::LoadRichEdit() {
  if (!richEdit_) richEdit_.reset(LoadLibraryW(L"riched20.dll"));
}

HWND Win32Backend::WindowOf(const ui::Control& control) {
  auto* peer = dynamic_cast<WindowPeer*>(control.GetPeer());
  return peer ? peer->Window() : nullptr;
}

std::unique_ptr<ui::Peer> Win32Backend::CreatePeer(ui::Control& control) {
  return MakePeer(*this, control);
}

HWND Win32Backend::Tooltip() {
  if (!tooltip_) {
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, helper_.get(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  return tooltip_.get();
}

void Win32Backend::DestroyWindowSoon(HWND window) {
  if (!IsWindow(window)) return;
  if (dispatchDepth_ == 0) {
    DestroyWindow(window);
    return;
  }
  // A window procedure of ours is still running: hide now, destroy when it has returned.
  ShowWindow(window, SW_HIDE);
  doomedWindows_.push_back(window);
}

void Win32Backend::Park(HWND window, const wchar_t* className, DWORD style, DWORD exStyle) {
  if (!IsWindow(window)) return;
  ShowWindow(window, SW_HIDE);
  Parked parked{window, className, style, exStyle};
  if (dispatchDepth_ > 0) {
    parkingSoon_.push_back(std::move(parked));
  } else {
    ParkNow(std::move(parked));
  }
}

void Win32Backend::ParkNow(Parked parked) {
  // A page has a few of them; more are not worth keeping.
  constexpr size_t kMostParked = 4;
  if (!IsWindow(parked.window)) return;
  if (parked_.size() >= kMostParked || !helper_) {
    DestroyWindow(parked.window);
    return;
  }
  const HWND focus = GetFocus();
  if (focus == parked.window || IsChild(parked.window, focus)) SetFocus(nullptr);
  SetParent(parked.window, helper_.get());
  parked_.push_back(std::move(parked));
}

HWND Win32Backend::TakeParked(const wchar_t* className, DWORD style, DWORD exStyle) {
  // A parked window goes when its parent, the helper window, does: then none is left.
  for (auto it = parked_.begin(); it != parked_.end(); ++it) {
    if (it->className == className && it->style == style && it->exStyle == exStyle) {
      const HWND window = it->window;
      parked_.erase(it);
      return IsWindow(window) ? window : nullptr;
    }
  }
  return nullptr;
}

void Win32Backend::LeaveDispatch(size_t mark) {
  if (--dispatchDepth_ == 0) {
    // Before the doomed windows go: a parked window may still sit on one of them.
    for (Parked& parked : std::exchange(parkingSoon_, {})) ParkNow(std::move(parked));
    if (!doomedWindows_.empty()) {
      const auto doomed = std::move(doomedWindows_);
      doomedWindows_.clear();
      for (HWND window : doomed) {
        if (IsWindow(window)) DestroyWindow(window);
      }
    }
    ApplyPending();
  }
  ThawFrom(mark);
}

void Win32Backend::ForgetPending(WindowPeer* peer) {
  std::erase(pendingPeers_, peer);
}

void Win32Backend::ApplyPending() {
  // While the main window is built out of sight its windows wait for the show, whatever runs
  // meanwhile (a message to one of our windows, a message box of the start-up).
  if (applyingPending_ || untilShown_) return;
  applyingPending_ = true;
  // In the order the peers began to wait: containers before what is on them.
  for (size_t i = 0; i < pendingPeers_.size(); ++i) pendingPeers_[i]->ApplyPending();
  pendingPeers_.clear();
  applyingPending_ = false;
}

void Win32Backend::ChangingChildrenOf(HWND parent) {
  // Outside our window procedures (start-up, tests calling the model) every change shows at
  // once. Below a hidden or frozen window changes cost nothing anyway (IsWindowVisible looks
  // at the ancestors too); forms keep drawing, as without WS_VISIBLE they would lose their frame.
  if (dispatchDepth_ == 0 || !parent || !IsWindowVisible(parent) ||
      !(GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD)) {
    return;
  }
  // Only windows that leave WM_SETREDRAW to DefWindowProc stop drawing their children with it:
  // our panels and tab sheets and the group boxes.
  const WindowPeer* peer = WindowPeer::FromWindow(parent);
  if (!peer || peer->Window() != parent) return;
  const ui::ControlKind kind = peer->GetControl().Kind();
  if (kind != ui::ControlKind::Panel && kind != ui::ControlKind::TabSheet &&
      kind != ui::ControlKind::GroupBox) {
    return;
  }
  SendMessageW(parent, WM_SETREDRAW, FALSE, 0);
  frozen_.push_back(parent);
}

void Win32Backend::ThawFrom(size_t mark) {
  if (mark >= frozen_.size()) return;
  // The windows in place before their containers draw again.
  ApplyPending();
  const std::vector<HWND> thawing(frozen_.begin() + static_cast<std::ptrdiff_t>(mark),
                                  frozen_.end());
  frozen_.resize(mark);
  for (HWND window : thawing) {
    // A container the program hid or let go meanwhile stays hidden.
    const WindowPeer* peer = WindowPeer::FromWindow(window);
    if (!IsWindow(window) || !peer || peer->Window() != window || !peer->GetControl().Visible()) {
      continue;
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
}

// --- resources -----------------------------------------------------------------------------------

COLORREF Win32Backend::ColorRef(ui::Color color) {
  if (ui::IsSystemColor(color)) return GetSysColor(ui::SystemColorIndex(color));
  if (color == ui::clNone) return GetSysColor(COLOR_BTNFACE);
  return static_cast<COLORREF>(color & 0x00FFFFFF);
}

HFONT Win32Backend::FontFor(const ui::Font& font) {
  FontKey key{font.name, font.height, font.style, font.charset};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW logFont{};
  logFont.lfHeight = -font.height;
  logFont.lfWeight = (font.style & ui::kBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & ui::kItalic) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & ui::kUnderline) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & ui::kStrikeOut) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Wide(font.name).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), logFont.lfFaceName);
  UniqueFont created(CreateFontIndirectW(&logFont));
  HFONT handle = created.get();
  fonts_.emplace(std::move(key), std::move(created));
  return handle;
}

HBRUSH Win32Backend::BrushFor(ui::Color color) {
  if (ui::IsSystemColor(color)) return GetSysColorBrush(ui::SystemColorIndex(color));
  if (color == ui::clNone) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  const COLORREF rgb = ColorRef(color);
  auto it = brushes_.find(rgb);
  if (it != brushes_.end()) return it->second.get();
  UniqueBrush brush(CreateSolidBrush(rgb));
  HBRUSH handle = brush.get();
  brushes_.emplace(rgb, std::move(brush));
  return handle;
}

HIMAGELIST Win32Backend::ImageListFor(const ui::ImageList* images) {
  if (!images) return nullptr;
  if (images->shared == ui::ImageList::Shared::SystemSmall) return SystemImageList(false);
  if (images->shared == ui::ImageList::Shared::SystemLarge) return SystemImageList(true);
  auto it = imageLists_.find(images);
  if (it != imageLists_.end()) {
    if (it->second.content == *images) return it->second.list.get();
    retiredLists_.push_back(std::move(it->second.list));
    imageLists_.erase(it);
  }
  CachedImageList cached{*images, BuildImageList(*images, pictures_)};
  HIMAGELIST handle = cached.list.get();
  imageLists_.emplace(images, std::move(cached));
  return handle;
}

HCURSOR Win32Backend::CursorFor(ui::Cursor cursor) const {
  switch (cursor) {
    case ui::Cursor::HourGlass:
      return LoadCursorW(nullptr, IDC_WAIT);
    case ui::Cursor::HandPoint:
      // The hand came with Windows 98 and 2000; NT 4.0 shows the arrow.
      if (HCURSOR hand = LoadCursorW(nullptr, IDC_HAND)) return hand;
      break;
    case ui::Cursor::SizeWE:
      return LoadCursorW(nullptr, IDC_SIZEWE);
    case ui::Cursor::Default:
    case ui::Cursor::Arrow:
      break;
  }
  return LoadCursorW(nullptr, IDC_ARROW);
}

// --- measuring -----------------------------------------------------------------------------------

ui::Point Win32Backend::TextExtent(const ui::Font& font, std::string_view text) {
  auto key =
      std::pair{FontKey{font.name, font.height, font.style, font.charset}, std::string(text)};
  if (const auto it = extents_.find(key); it != extents_.end()) return it->second;
  if (!measureDc_) measureDc_.reset(CreateCompatibleDC(nullptr));
  HDC dc = measureDc_.get();
  SelectGuard select(dc, FontFor(font));
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // Wine draws some substituted fonts (a face it lacks, drawn with another) wider than their
  // advance widths add up to, by a pixel or three over a line: a label sized by the advances
  // would cut its last letter.
  const int width = std::max(static_cast<int>(size.cx), InkWidth(dc, wide, size.cx, metrics));
  const ui::Point extent{width, static_cast<int>(metrics.tmHeight)};
  if (extents_.size() >= 4096) extents_.clear();
  extents_.emplace(std::move(key), extent);
  return extent;
}

// How far the text's ink reaches when drawn as a static control draws it (prefixes processed).
int Win32Backend::InkWidth(HDC dc, const std::wstring& text, int advance,
                           const TEXTMETRICW& metrics) {
  const int width = advance + metrics.tmHeight + 8;  // room for letters leaning out
  const int height = std::max(1, static_cast<int>(metrics.tmHeight));
  if (text.empty() || width > 4096) return 0;
  if (width > inkWidth_ || height > inkHeight_) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max(width, inkWidth_);
    info.bmiHeader.biHeight = -std::max(height, inkHeight_);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!canvas) return 0;
    inkCanvas_ = std::move(canvas);
    inkBits_ = static_cast<uint32_t*>(bits);
    inkWidth_ = static_cast<int>(info.bmiHeader.biWidth);
    inkHeight_ = static_cast<int>(-info.bmiHeader.biHeight);
  }
  SelectGuard canvas(dc, inkCanvas_.get());
  std::fill(inkBits_, inkBits_ + static_cast<size_t>(inkWidth_) * inkHeight_, 0x00FFFFFFu);
  RECT area{0, 0, width, height};
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  GdiFlush();
  for (int x = width - 1; x >= 0; --x) {
    for (int y = 0; y < height; ++y) {
      if ((inkBits_[static_cast<size_t>(y) * inkWidth_ + x] & 0x00FFFFFFu) != 0x00FFFFFFu) {
        return x + 1;
      }
    }
  }
  return 0;
}

ui::Point Win32Backend::FrameSize(const ui::Form& form) {
  DWORD exStyle = 0;
  const DWORD style = FormStyle(form, &exStyle);
  RECT rect{0, 0, 0, 0};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

ui::Rect Win32Backend::WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {static_cast<int>(area.left), static_cast<int>(area.top),
          static_cast<int>(area.right - area.left), static_cast<int>(area.bottom - area.top)};
}

ui::Point Win32Backend::ClientToScreen(const ui::Control& control, ui::Point point) {
  ApplyPending();  // where the windows are by now
  POINT at{point.x, point.y};
  if (HWND window = WindowOf(control)) ::ClientToScreen(window, &at);
  return {static_cast<int>(at.x), static_cast<int>(at.y)};
}

// --- cursor, timers, menus -----------------------------------------------------------------------

void Win32Backend::SetScreenCursor(ui::Cursor cursor) {
  screenCursor_ = cursor;
  SetCursor(CursorFor(cursor));
}

void Win32Backend::TimerChanged(ui::Timer& timer) {
  auto it = timers_.find(&timer);
  const bool running = timer.Active() && timer.Interval() > 0;
  if (it == timers_.end()) it = timers_.emplace(&timer, nextTimerId_++).first;
  if (running) {
    SetTimer(helper_.get(), it->second, static_cast<UINT>(timer.Interval()), nullptr);
  } else {
    KillTimer(helper_.get(), it->second);
  }
}

void Win32Backend::TimerDestroyed(ui::Timer& timer) {
  auto it = timers_.find(&timer);
  if (it == timers_.end()) return;
  KillTimer(helper_.get(), it->second);
  timers_.erase(it);
}

void Win32Backend::OnTimer(UINT_PTR id) {
  for (const auto& [timer, timerId] : timers_) {
    if (timerId != id) continue;
    // A tick inside a modal loop of an event changes what the user looks at now.
    const size_t mark = FrozenMark();
    if (timer->Active()) timer->Tick();
    ApplyPending();
    ThawFrom(mark);
    return;  // the tick may have changed the map
  }
}

namespace {

void AppendItems(HMENU menu, const ui::MenuItem& parent, std::vector<ui::MenuItem*>& commands,
                 std::vector<UniqueMenu>& submenus) {
  for (int i = 0; i < parent.Count(); ++i) {
    ui::MenuItem* item = parent.Item(i);
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item->Checked()) flags |= MF_CHECKED;
    if (!item->Enabled()) flags |= MF_GRAYED;
    const std::wstring caption = Wide(item->Caption());
    if (item->Count() > 0) {
      UniqueMenu sub(CreatePopupMenu());
      AppendItems(sub.get(), *item, commands, submenus);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), caption.c_str());
      // The parent menu destroys its submenus.
      submenus.push_back(std::move(sub));
      submenus.back().release();
      continue;
    }
    commands.push_back(item);
    AppendMenuW(menu, flags, commands.size(), caption.c_str());
  }
}

}  // namespace

void Win32Backend::ShowPopupMenu(ui::PopupMenu& menu, ui::Point screen) {
  ThawAll();
  UniqueMenu popup(CreatePopupMenu());
  std::vector<ui::MenuItem*> commands;
  std::vector<UniqueMenu> submenus;
  AppendItems(popup.get(), menu.Items(), commands, submenus);
  HWND owner = GetActiveWindow();
  if (!owner) owner = helper_.get();
  const UINT chosen =
      TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                     screen.x, screen.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  popup.reset();
  if (chosen >= 1 && chosen <= commands.size()) commands[chosen - 1]->UserChoose();
}

// --- drag and drop -------------------------------------------------------------------------------

void Win32Backend::StartDrag(WindowPeer& source) {
  dragSource_ = &source;
  SetCapture(source.Window());
}

// --- message loops -------------------------------------------------------------------------------

void Win32Backend::Terminate() {
  terminated_ = true;
  PostMessageW(helper_.get(), WM_NULL, 0, 0);
}

bool Win32Backend::PumpOne(MSG& message) {
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  // Tab, Enter and Esc as in dialogs, on whichever form the message is for.
  HWND root = RootWindow(message.hwnd);
  wchar_t className[32] = {};
  if (root && GetClassNameW(root, className, 32) && lstrcmpW(className, kFormClass) == 0 &&
      IsDialogMessageW(root, &message)) {
    return true;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void Win32Backend::ProcessMessages() {
  ThawAll();
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!PumpOne(message)) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
  }
}

int Win32Backend::Run() {
  MSG message;
  while (!terminated_ && GetMessageW(&message, nullptr, 0, 0) > 0) PumpOne(message);
  return 0;
}

namespace {

struct DisableOthers {
  HWND keep;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
  auto* state = reinterpret_cast<DisableOthers*>(data);
  if (window != state->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    state->disabled.push_back(window);
  }
  return TRUE;
}

}  // namespace

int Win32Backend::RunModal(ui::Form& form) {
  HWND window = WindowOf(form);
  DisableOthers others{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&others));
  form.BeginModal();
  ThawAll();
  MSG message;
  while (form.Modal() && form.GetModalResult() == ui::mrNone && !terminated_ && IsWindow(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
      break;
    }
    PumpOne(message);
    ThawAll();
  }
  const int result = form.GetModalResult() == ui::mrNone ? ui::mrCancel : form.GetModalResult();
  // The owner comes back before the dialog goes, so it is the one activated.
  for (HWND other : others.disabled) {
    if (IsWindow(other)) EnableWindow(other, TRUE);
  }
  form.EndModal();
  return result;
}

}  // namespace win32
