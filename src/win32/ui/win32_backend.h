// The widget toolkit on real Win32 windows: every control is a window of its standard class (or
// of one of our classes for forms, panels, the graph and splitters), kept in step with the
// control's state by its peer, and real input goes back to the control's User... methods.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

// The toolkit names these members plainly; the A/W macros must not rename them.
#undef ChooseFont
#undef ChooseColor
#undef TextOut

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "win32/ui/gdi_handles.h"
#include "win32/ui/pictures.h"
#include "win32/unique_handle.h"

namespace win32 {

class WindowPeer;

class Win32Dialogs : public ui::Dialogs {
 public:
  int ShowMessage(std::string_view text, std::string_view caption, ui::MsgButtons buttons,
                  ui::MsgIcon icon) override;
  std::optional<std::string> OpenFile(const ui::FileDialogOptions& options) override;
  std::optional<std::string> BrowseFolder(const std::string& title) override;
  bool ChooseFont(ui::Font& font, const std::function<void(const ui::Font&)>& onApply) override;
  bool ChooseColor(ui::Color& color) override;

 private:
  COLORREF customColors_[16] = {};
};

class Win32Backend : public ui::Backend {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::unique_ptr<ui::Peer> CreatePeer(ui::Control& control) override;
  ui::Dialogs& GetDialogs() override { return dialogs_; }
  int RunModal(ui::Form& form) override;
  void ProcessMessages() override;
  void SetScreenCursor(ui::Cursor cursor) override;
  ui::Cursor ScreenCursor() const override { return screenCursor_; }
  ui::Point TextExtent(const ui::Font& font, std::string_view text) override;
  ui::Point FrameSize(const ui::Form& form) override;
  ui::Rect WorkArea() override;
  ui::Point ClientToScreen(const ui::Control& control, ui::Point point) override;
  void ShowPopupMenu(ui::PopupMenu& menu, ui::Point screen) override;
  void TimerChanged(ui::Timer& timer) override;
  void TimerDestroyed(ui::Timer& timer) override;
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  // The shell makes its icon lists (some 70 ms under Wine) on a thread of its own.
  void PrepareSystemIcons() override;
  void SetApplicationState(ui::WindowState state) override;

  // The program's message loop: runs until Terminate (the main form closed). Returns 0.
  int Run();

  // The window that shows a control (null for timers and controls without a peer).
  static HWND WindowOf(const ui::Control& control);

  // --- for the peers ---
  HFONT FontFor(const ui::Font& font);
  HBRUSH BrushFor(ui::Color color);
  static COLORREF ColorRef(ui::Color color);
  // The image list of a toolkit list (the system's own for the shared ones); null for none.
  HIMAGELIST ImageListFor(const ui::ImageList* images);
  PictureCache& Pictures() { return pictures_; }
  HCURSOR CursorFor(ui::Cursor cursor) const;
  HWND HelperWindow() const { return helper_.get(); }
  // The tooltip all hinted windows share, made on first need; null while it was not needed.
  HWND Tooltip();
  HWND TooltipIfMade() const { return tooltip_.get(); }
  int NextControlId() { return nextId_++; }
  // The shell's module, for its animations: loaded on first use, as the shell's functions are.
  HMODULE Shell32();
  // The rich edit library, loaded for the first rich edit: a start-up without one is shorter.
  void LoadRichEdit();
  // Destroys a window now, or after the window procedures on the stack have returned.
  void DestroyWindowSoon(HWND window);
  // Windows kept for the next page: a drop-down combo box makes a top-level window for its
  // list, which under Wine is a window of the display server and takes some 10 ms to make. A
  // page that goes leaves such windows here, hidden under the helper window, and the next page
  // takes one of the same class and styles (null when there is none).
  void Park(HWND window, const wchar_t* className, DWORD style, DWORD exStyle);
  HWND TakeParked(const wchar_t* className, DWORD style, DWORD exStyle);
  // Layout while a window procedure of ours runs (a page built on a click): a container whose
  // children come, go, move or show stops drawing until that procedure returns, then draws
  // once. Each step on a visible window would otherwise redraw and clip at once.
  void ChangingChildrenOf(HWND parent);
  // Lets frozen containers draw again: those frozen since the mark, or all of them (before the
  // program waits for the user: modal forms, menus, dialogs, message processing).
  void ThawFrom(size_t mark);
  void ThawAll() {
    ApplyPending();
    ThawFrom(0);
  }
  // Peers whose changes wait until the event ends (WindowPeer::CanDefer), or, from
  // DeferUntilShown on, until the first form comes on the screen.
  bool Deferring() const { return (dispatchDepth_ > 0 || untilShown_) && !applyingPending_; }
  // The main window is built out of sight: each of its windows is made when the window shows,
  // with its final state and styles, rather than at every step of the building (a layout moves
  // every sibling, a changed style makes a window anew).
  void DeferUntilShown() { untilShown_ = true; }
  bool BuildingOutOfSight() const { return untilShown_; }
  // A form comes on the screen: what waited goes first.
  void FormShowing() {
    firstShow_ = std::exchange(untilShown_, false);
    ApplyPending();
    firstShow_ = false;
  }
  // True while the windows that waited for the main window's show are made, in the order of
  // their controls: each goes below the ones made before it, where it belongs.
  bool ApplyingFirstShow() const { return firstShow_; }
  void AddPending(WindowPeer* peer) { pendingPeers_.push_back(peer); }
  void ForgetPending(WindowPeer* peer);
  void ApplyPending();
  size_t FrozenMark() const { return frozen_.size(); }
  // Returns the mark to thaw from when the procedure leaves.
  size_t EnterDispatch() {
    ++dispatchDepth_;
    return frozen_.size();
  }
  void LeaveDispatch(size_t mark);
  // Drag and drop between controls: a source drags until the button goes up.
  void StartDrag(WindowPeer& source);
  WindowPeer* DragSource() const { return dragSource_; }
  void EndDrag() { dragSource_ = nullptr; }

  static Win32Backend* Instance();

 private:
  friend LRESULT CALLBACK HelperProc(HWND, UINT, WPARAM, LPARAM);
  bool PumpOne(MSG& message);
  void OnTimer(UINT_PTR id);
  int InkWidth(HDC dc, const std::wstring& text, int advance, const TEXTMETRICW& metrics);

  struct FontKey {
    std::string name;
    int height;
    unsigned style;
    int charset;
    auto operator<=>(const FontKey&) const = default;
  };
  struct CachedImageList {
    ui::ImageList content;
    UniqueImageList list;
  };

  Win32Dialogs dialogs_;
  UniqueModule richEdit_;
  UniqueModule shell32_;
  // The thread that makes the shell's icon lists; waited for before the shell may unload.
  UniqueHandle iconLists_;
  UniqueWindow helper_;
  UniqueWindow tooltip_;
  std::map<FontKey, UniqueFont> fonts_;
  // Text measured once per font and text: labels measure their captions on every page.
  std::map<std::pair<FontKey, std::string>, ui::Point> extents_;
  struct DcTraits {
    static void Free(HDC dc) { DeleteDC(dc); }
  };
  UniqueOwner<HDC, DcTraits> measureDc_;
  UniqueBitmap inkCanvas_;
  uint32_t* inkBits_ = nullptr;
  int inkWidth_ = 0;
  int inkHeight_ = 0;
  std::map<COLORREF, UniqueBrush> brushes_;
  PictureCache pictures_;
  std::map<const ui::ImageList*, CachedImageList> imageLists_;
  // Lists replaced by newer content stay alive: a control may still show them.
  std::vector<UniqueImageList> retiredLists_;
  std::map<ui::Timer*, UINT_PTR> timers_;
  UINT_PTR nextTimerId_ = 1;
  std::vector<HWND> doomedWindows_;
  struct Parked {
    HWND window;
    std::wstring className;
    DWORD style;
    DWORD exStyle;
  };
  // Parked once the window procedures on the stack have returned, before the doomed go.
  std::vector<Parked> parkingSoon_;
  std::vector<Parked> parked_;
  void ParkNow(Parked parked);
  std::vector<HWND> frozen_;
  std::vector<WindowPeer*> pendingPeers_;
  bool applyingPending_ = false;
  bool untilShown_ = false;
  bool firstShow_ = false;
  int dispatchDepth_ = 0;
  int nextId_ = 1000;
  ui::Cursor screenCursor_ = ui::Cursor::Default;
  bool terminated_ = false;
  WindowPeer* dragSource_ = nullptr;
};

}  // namespace win32
