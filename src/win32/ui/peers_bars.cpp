// Peers of the tab control, the status bar and the tool bar, and the choice of peer per kind.
#include "win32/ui/peers.h"
#include "win32/wide.h"

namespace win32 {

// --- tab controls --------------------------------------------------------------------------------

PageControlPeer::PageControlPeer(Win32Backend& backend, ui::PageControl& pages)
    : WindowPeer(backend, pages), pages_(pages) {
  CreateWindowNow();
}

void PageControlPeer::CreateWindowNow() {
  CreateControlWindow(WC_TABCONTROLW, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void PageControlPeer::ApplyStyle() {
  SetStyleBits(TCS_MULTILINE, pages_.MultiLine());
  SetStyleBits(TCS_FIXEDWIDTH, pages_.TabWidth() > 0);
  if (pages_.TabWidth() > 0) {
    SendMessageW(hwnd_, TCM_SETITEMSIZE, 0, MAKELPARAM(pages_.TabWidth(), 0));
  }
}

void PageControlPeer::ApplyItems() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < pages_.SheetCount(); ++i) {
    std::wstring caption = Wide(pages_.Sheet(i)->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  ApplyState();
}

void PageControlPeer::ApplyState() {
  Pushing pushing(*this);
  SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
}

void PageControlPeer::ApplyColor() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool PageControlPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd_ || header.code != TCN_SELCHANGE) return false;
  result = 0;
  if (IsPushing()) return true;
  const int index = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
  const auto alive = AliveToken();
  pages_.UserSelectTab(index);
  if (!*alive) return true;
  // A handler may have refused the change: the tab row shows the sheet on show.
  if (pages_.ActivePageIndex() != index) ApplyState();
  return true;
}

// --- status bars ---------------------------------------------------------------------------------

namespace {

// Drawing on a device context for the program's owner-drawn panels.
class DcCanvas : public ui::Canvas {
 public:
  DcCanvas(Win32Backend& backend, HDC dc) : backend_(backend), dc_(dc) {}
  void DrawImage(const ui::ImageList& images, int index, int x, int y) override {
    if (HIMAGELIST list = backend_.ImageListFor(&images)) {
      ImageList_Draw(list, index, dc_, x, y, ILD_TRANSPARENT);
    }
  }
  void TextOut(int x, int y, std::string_view text) override {
    const std::wstring wide = Wide(text);
    SetBkMode(dc_, TRANSPARENT);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
  }
  void FillRect(const ui::Rect& rect, ui::Color color) override {
    const RECT area{rect.left, rect.top, rect.Right(), rect.Bottom()};
    ::FillRect(dc_, &area, backend_.BrushFor(color));
  }

 private:
  Win32Backend& backend_;
  HDC dc_;
};

}  // namespace

StatusBarPeer::StatusBarPeer(Win32Backend& backend, ui::StatusBar& bar)
    : WindowPeer(backend, bar), bar_(bar) {
  CreateWindowNow();
}

void StatusBarPeer::CreateWindowNow() {
  // The toolkit places the bar; it must not move itself to the bottom of its parent.
  CreateControlWindow(STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0);
}

void StatusBarPeer::ApplyItems() {
  std::vector<int> rights;
  int right = 0;
  for (int i = 0; i < bar_.PanelCount(); ++i) {
    right += bar_.Panel(i).width;
    rights.push_back(i + 1 == bar_.PanelCount() ? -1 : right);
  }
  if (rights.empty()) rights.push_back(-1);
  Pushing pushing(*this);
  SendMessageW(hwnd_, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
  for (int i = 0; i < bar_.PanelCount(); ++i) SetPanelText(i);
}

void StatusBarPeer::SetPanelText(int index) {
  const auto& panel = bar_.Panel(index);
  Pushing pushing(*this);
  if (panel.ownerDraw) {
    SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(index) | SBT_OWNERDRAW, index);
    Repaint();
    return;
  }
  SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(Wide(panel.text).c_str()));
}

void StatusBarPeer::ItemChanged(int index) {
  if (hwnd_ && index >= 0 && index < bar_.PanelCount() && !DeferItems()) SetPanelText(index);
}

bool StatusBarPeer::OnDrawItem(DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= bar_.PanelCount()) return false;
  SelectGuard font(item.hDC, backend_.FontFor(bar_.GetFont()));
  SetTextColor(item.hDC, TextColor());
  DcCanvas canvas(backend_, item.hDC);
  const RECT& r = item.rcItem;
  bar_.DrawPanel(index, {r.left, r.top, r.right - r.left, r.bottom - r.top}, canvas);
  return true;
}

// --- tool bars -----------------------------------------------------------------------------------

ToolBarPeer::ToolBarPeer(Win32Backend& backend, ui::ToolBar& bar)
    : WindowPeer(backend, bar), bar_(bar) {
  CreateWindowNow();
}

void ToolBarPeer::CreateWindowNow() {
  CreateControlWindow(
      TOOLBARCLASSNAMEW,
      CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | WS_CLIPCHILDREN, 0);
}

void ToolBarPeer::Prepare() {
  SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
}

void ToolBarPeer::SyncAll() {
  // A new bar gets its buttons once, with its style and pictures, not once for each of them.
  syncing_ = true;
  WindowPeer::SyncAll();
  syncing_ = false;
}

void ToolBarPeer::ApplyStyle() {
  SetStyleBits(TBSTYLE_FLAT, bar_.Flat());
  if (!syncing_) ApplyItems();
}

void ToolBarPeer::ApplyPicture() {
  if (!syncing_) ApplyItems();
}

void ToolBarPeer::ApplyItems() {
  Pushing pushing(*this);
  while (SendMessageW(hwnd_, TB_DELETEBUTTON, 0, 0)) {
  }
  // Captions stand beside their icons; a bar of captions alone centres them in its buttons and
  // keeps no room for pictures.
  const ui::ImageList* images = bar_.Images();
  SetStyleBits(TBSTYLE_LIST, bar_.ShowCaptions() && images);
  SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0,
               images ? MAKELPARAM(images->width, images->height) : MAKELPARAM(0, 0));
  SendMessageW(hwnd_, TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(backend_.ImageListFor(bar_.Images())));
  captions_.clear();
  for (int i = 0; i < bar_.ButtonCount(); ++i) {
    captions_.push_back(bar_.ShowCaptions() ? Wide(bar_.Button(i)->Caption()) : L"");
  }
  std::vector<TBBUTTON> buttons;
  for (int i = 0; i < bar_.ButtonCount(); ++i) {
    const ui::ToolButton& button = *bar_.Button(i);
    TBBUTTON info{};
    info.idCommand = i + 1;
    info.iBitmap = button.ImageIndex() >= 0 ? button.ImageIndex() : I_IMAGENONE;
    switch (button.Style()) {
      case ui::ToolButtonStyle::Button:
        info.fsStyle = BTNS_BUTTON;
        break;
      case ui::ToolButtonStyle::Check:
        info.fsStyle = BTNS_CHECK;
        break;
      case ui::ToolButtonStyle::DropDown:
        info.fsStyle = BTNS_DROPDOWN;
        break;
      case ui::ToolButtonStyle::Separator:
        info.fsStyle = BTNS_SEP;
        info.iBitmap = button.Width() > 0 ? button.Width() : 8;
        break;
    }
    if (button.Enabled()) info.fsState |= TBSTATE_ENABLED;
    if (button.Down()) info.fsState |= TBSTATE_CHECKED;
    info.iString = captions_[static_cast<size_t>(i)].empty()
                       ? -1
                       : reinterpret_cast<INT_PTR>(captions_[static_cast<size_t>(i)].c_str());
    buttons.push_back(info);
  }
  if (!buttons.empty()) {
    SendMessageW(hwnd_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  }
  SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(bar_.ButtonWidth(), bar_.ButtonHeight()));
  for (int i = 0; i < bar_.ButtonCount(); ++i) {
    if (FixedWidth(*bar_.Button(i)) > 0) ItemChanged(i);
  }
  Repaint();
}

// Text buttons are as wide as the bar says, their arrow included, so that a bar sized for its
// buttons shows all of them; icon buttons get the arrow beside the icon.
int ToolBarPeer::FixedWidth(const ui::ToolButton& button) const {
  if (button.Width() > 0) return button.Width();
  if (bar_.ShowCaptions() && button.Style() != ui::ToolButtonStyle::Separator) {
    return bar_.ButtonWidth();
  }
  return 0;
}

void ToolBarPeer::ItemChanged(int index) {
  const ui::ToolButton* button = bar_.Button(index);
  if (!hwnd_ || !button || DeferItems()) return;
  if (static_cast<int>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0)) != bar_.ButtonCount()) {
    ApplyItems();
    return;
  }
  std::wstring caption = bar_.ShowCaptions() ? Wide(button->Caption()) : L"";
  TBBUTTONINFOW info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STATE | TBIF_IMAGE | TBIF_TEXT;
  info.fsState = static_cast<BYTE>((button->Enabled() ? TBSTATE_ENABLED : 0) |
                                   (button->Down() ? TBSTATE_CHECKED : 0));
  info.iImage = button->Style() == ui::ToolButtonStyle::Separator ? 8
                : button->ImageIndex() >= 0                       ? button->ImageIndex()
                                                                  : I_IMAGENONE;
  info.pszText = caption.data();
  if (const int width = FixedWidth(*button); width > 0) {
    info.dwMask |= TBIF_SIZE;
    info.cx = static_cast<WORD>(width);
  }
  Pushing pushing(*this);
  SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(index + 1),
               reinterpret_cast<LPARAM>(&info));
}

bool ToolBarPeer::OnCommand(WORD, WORD id, LRESULT& result) {
  ui::ToolButton* button = bar_.Button(id - 1);
  if (!button || IsPushing()) return false;
  result = 0;
  // A check button has already toggled itself; the control toggles its own state to match.
  button->UserClick();
  return true;
}

bool ToolBarPeer::Tooltip(NMHDR& header) {
  if (header.code != TTN_GETDISPINFOW) return false;
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  const ui::ToolButton* button = bar_.Button(static_cast<int>(header.idFrom) - 1);
  tip_ = button ? Wide(button->Hint()) : L"";
  info.lpszText = tip_.data();
  return true;
}

bool ToolBarPeer::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code == TTN_GETDISPINFOW) {
    result = 0;
    return Tooltip(header);
  }
  if (header.hwndFrom != hwnd_ || header.code != TBN_DROPDOWN || IsPushing()) return false;
  ui::ToolButton* button = bar_.Button(reinterpret_cast<NMTOOLBARW&>(header).iItem - 1);
  if (!button) return false;
  result = TBDDRET_DEFAULT;
  button->UserDropDown();
  return true;
}

bool ToolBarPeer::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) {
  if (message == WM_ERASEBKGND && window == hwnd_) {
    // A flat bar leaves its background to its parent, and our panels paint in WM_PAINT only:
    // the bar fills itself with the colour it shares with its parent.
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.BrushFor(control_.GetColor()));
    result = 1;
    return true;
  }
  if (message == WM_NOTIFY) {
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.code == TTN_GETDISPINFOW &&
        header.hwndFrom == reinterpret_cast<HWND>(SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0))) {
      result = 0;
      return Tooltip(header);
    }
  }
  return WindowPeer::OnMessage(window, message, wParam, lParam, result);
}

// --- one peer per kind ---------------------------------------------------------------------------

std::unique_ptr<WindowPeer> MakePeer(Win32Backend& backend, ui::Control& control) {
  using K = ui::ControlKind;
  switch (control.Kind()) {
    case K::Form:
      return std::make_unique<FormPeer>(backend, static_cast<ui::Form&>(control));
    case K::Panel:
    case K::TabSheet:
      return std::make_unique<PanelPeer>(backend, static_cast<ui::Container&>(control));
    case K::Label:
      return std::make_unique<LabelPeer>(backend, static_cast<ui::Label&>(control));
    case K::Button:
      return std::make_unique<ButtonPeer>(backend, static_cast<ui::Button&>(control));
    case K::CheckBox:
    case K::RadioButton:
      return std::make_unique<CheckPeer>(backend, control);
    case K::Edit:
      return std::make_unique<EditPeer>(backend, static_cast<ui::Edit&>(control));
    case K::Memo:
    case K::RichEdit:
      return std::make_unique<MemoPeer>(backend, static_cast<ui::Memo&>(control));
    case K::ComboBox:
      return std::make_unique<ComboPeer>(backend, static_cast<ui::ComboBox&>(control));
    case K::GroupBox:
      return std::make_unique<GroupBoxPeer>(backend, static_cast<ui::GroupBox&>(control));
    case K::ListView:
      return std::make_unique<ListViewPeer>(backend, static_cast<ui::ListView&>(control));
    case K::TreeView:
      return std::make_unique<TreeViewPeer>(backend, static_cast<ui::TreeView&>(control));
    case K::Slider:
      return std::make_unique<SliderPeer>(backend, static_cast<ui::Slider&>(control));
    case K::SpinEdit:
      return std::make_unique<SpinPeer>(backend, static_cast<ui::SpinEdit&>(control));
    case K::Gauge:
      return std::make_unique<GaugePeer>(backend, static_cast<ui::Gauge&>(control));
    case K::Image:
      return std::make_unique<ImagePeer>(backend, static_cast<ui::Image&>(control));
    case K::PageControl:
      return std::make_unique<PageControlPeer>(backend, static_cast<ui::PageControl&>(control));
    case K::Animation:
      return std::make_unique<AnimationPeer>(backend, static_cast<ui::Animation&>(control));
    case K::PerformanceGraph:
      return std::make_unique<GraphPeer>(backend, static_cast<ui::PerformanceGraph&>(control));
    case K::Splitter:
      return std::make_unique<SplitterPeer>(backend, static_cast<ui::Splitter&>(control));
    case K::StatusBar:
      return std::make_unique<StatusBarPeer>(backend, static_cast<ui::StatusBar&>(control));
    case K::ToolBar:
      return std::make_unique<ToolBarPeer>(backend, static_cast<ui::ToolBar&>(control));
    case K::Timer:
      return std::make_unique<TimerPeer>(backend, control);
  }
  return std::make_unique<TimerPeer>(backend, control);
}

}  // namespace win32
