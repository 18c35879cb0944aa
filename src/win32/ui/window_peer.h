// The peer of one control: its window, the messages that window and its parent get about it,
// and the guard that keeps our own updates from coming back as user actions.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "win32/ui/win32_backend.h"

#include "ui/control.h"

namespace win32 {

class WindowPeer : public ui::Peer {
 public:
  WindowPeer(Win32Backend& backend, ui::Control& control);
  ~WindowPeer() override;

  HWND Window() const { return hwnd_; }
  ui::Control& GetControl() const { return control_; }
  static WindowPeer* FromWindow(HWND window);
  // The peer of a window or of the nearest ancestor that has one.
  static WindowPeer* FindFor(HWND window);

  void Update(ui::Change change) override;
  // Pushes the changes that waited (the backend calls it when the event ends).
  void ApplyPending();
  void Invalidate() override;
  void NameChanged() override;
  void SetFocus() override;
  void BeginUpdate() override;
  void EndUpdate() override;

  // Called by the parent's window procedure for notifications about this control.
  virtual bool OnCommand(WORD code, WORD id, LRESULT& result);
  virtual bool OnNotify(NMHDR& header, LRESULT& result);
  virtual bool OnCtlColor(HDC dc, LRESULT& result);
  virtual bool OnDrawItem(DRAWITEMSTRUCT& item);
  virtual bool OnScroll(WORD code);

  // The drag that started on this control moves over or drops at a screen point.
  void DragTo(POINT screen, bool drop);

 protected:
  // Creates the window in the parent's window with the control's geometry, routes its messages
  // here and pushes the whole state of the control.
  void CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle);
  // Runs between making the window and pushing the state (messages a window needs first).
  virtual void Prepare() {}
  // Kinds whose windows are costly to make: a page that goes leaves them to the next one
  // (Win32Backend::Park). Their whole state is pushed anew when taken.
  virtual bool Parks() const { return false; }
  // Kinds that click on the button going up inside them (labels, pictures, panels).
  virtual bool ClicksOnMouseUp() const { return false; }
  // Routes the messages of another window (the spin buttons of a spin edit) here too.
  void Route(HWND window);
  // Pushes every part of the control's state onto a new window.
  virtual void SyncAll();
  // Replaces the window by a new one (styles that a window cannot change once made).
  void Recreate();
  virtual void CreateWindowNow() = 0;

  // Before the window moves, shows, hides or changes its frame: lets the backend freeze the
  // parent while an event runs.
  void ChangingLayout();
  // While an event runs and the window cannot be seen (a page being built on a frozen panel),
  // changes wait and go to the window together when the event ends: a control's font, bounds,
  // caption and items are set one by one, each costing window messages.
  virtual bool CanDefer() const;
  // For row changes: true when they wait (or wait already) for the whole item list.
  bool DeferItems();
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  virtual void ApplyEnabled();
  virtual void ApplyText() {}
  virtual void ApplyFont();
  virtual void ApplyColor();
  virtual void ApplyHint();
  virtual void ApplyStyle() {}
  virtual void ApplyState() {}
  virtual void ApplyRange() {}
  virtual void ApplyItems() {}
  virtual void ApplyPicture() {}

  // A message for one of our windows; true when answered (with result).
  virtual bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // For windows that draw everything themselves: answers WM_ERASEBKGND (nothing to erase),
  // WM_PAINT and WM_PRINTCLIENT by calling paint with the device context; false for others.
  bool PaintOwnWindow(UINT message, WPARAM wParam, LRESULT& result,
                      const std::function<void(HDC)>& paint);
  // The window's text as UTF-8, and setting it without echo.
  std::string WindowText(HWND window) const;
  void SetWindowTextQuietly(HWND window, const std::string& text);
  // Sets or clears style bits on the window.
  void SetStyleBits(DWORD bits, bool on, bool extended = false);

  HWND ParentWindow() const;
  // Invalidates the window when it is in sight.
  void Repaint();
  // Where a child window is, in its parent's client coordinates.
  static ui::Rect WindowRectInParent(HWND window);
  COLORREF TextColor() const;

  // While set, notifications from the window are our own doing, not the user's.
  class Pushing {
   public:
    explicit Pushing(WindowPeer& peer) : peer_(peer) { ++peer_.pushing_; }
    ~Pushing() { --peer_.pushing_; }
    Pushing(const Pushing&) = delete;
    Pushing& operator=(const Pushing&) = delete;

   private:
    WindowPeer& peer_;
  };
  bool IsPushing() const { return pushing_ > 0; }
  // False once this peer is gone: checked after every call into the model that may destroy it.
  std::shared_ptr<bool> AliveToken() const { return alive_; }

  Win32Backend& backend_;
  ui::Control& control_;
  HWND hwnd_ = nullptr;
  HWND extra_ = nullptr;

 private:
  static LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void Forget(HWND window);
  void Unhook(HWND window);
  // The window as a tool of the shared tooltip, which asks for the text.
  TOOLINFOW ToolInfo() const;
  // Takes the window's tooltip away (before the window goes to another control).
  void DropHint();
  void AddTool(HWND tip);
  // Makes the shared tooltip if need be and gives it this window, and the move that came.
  void HintOnFirstMove(HWND window, WPARAM wParam, LPARAM lParam);
  // Parks the window (a kind that parks) or destroys it.
  void LetGo(HWND window);

  // Makes the window that waited for its form to show; a control out of sight without controls
  // on it waits on until it first shows.
  void MakeWindow();
  // A window made after its siblings goes where the control stands among them.
  void PlaceAmongSiblings();
  // Sends the pictures among the window's siblings below it and the others.
  void KeepPicturesBelow();

  void Apply(ui::Change change);
  void Defer(unsigned bits);
  static constexpr unsigned Bit(ui::Change change) { return 1u << static_cast<unsigned>(change); }
  static constexpr unsigned kSyncAll = 1u << 31;

  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  unsigned pending_ = 0;
  int pushing_ = 0;
  bool hinted_ = false;
  bool wantsHint_ = false;  // a hint, but no tooltip yet to show it
  bool unmade_ = false;
  // The class and styles the window was made with, for a kind that parks its window.
  const wchar_t* parkClass_ = nullptr;
  DWORD parkStyle_ = 0;
  DWORD parkExStyle_ = 0;
  bool mouseDownHere_ = false;
};

// Makes the peer for a control of any kind.
std::unique_ptr<WindowPeer> MakePeer(Win32Backend& backend, ui::Control& control);

// Registers our window classes once per process.
void RegisterToolkitClasses();
inline constexpr wchar_t kFormClass[] = L"KalmoraForm";
inline constexpr wchar_t kPanelClass[] = L"KalmoraPanel";
inline constexpr wchar_t kGraphClass[] = L"KalmoraGraph";
inline constexpr wchar_t kSplitterClass[] = L"KalmoraSplitter";
inline constexpr wchar_t kHelperClass[] = L"KalmoraHelper";

// The window styles of a form's border.
DWORD FormWindowStyle(const ui::Form& form, DWORD* exStyle);

// Shift state bits of the toolkit from mouse-message key flags.
unsigned ShiftFromKeys(WPARAM keys);

}  // namespace win32
