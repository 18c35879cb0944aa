// What a toolkit implementation provides: a peer for each control (the real window, or nothing
// in memory), modal loops, message processing, timers, popup menus, text measuring and the
// common dialogs.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/font.h"
#include "ui/picture.h"
#include "ui/types.h"

namespace ui {

class Control;
class Form;
class PopupMenu;
class Timer;
class TreeNode;

enum class WindowState { Normal, Minimized };

// What changed on a control; the peer reads the new state from the control.
enum class Change {
  kBounds,
  kVisible,
  kEnabled,
  kText,  // caption or text
  kFont,
  kColor,
  kHint,
  kStyle,    // kind-specific look: borders, bevels, view style, read-only, alignment, ...
  kState,    // checked, position, value, progress, active page, selected item or node
  kRange,    // minimum and maximum
  kItems,    // the whole item list: list rows and columns, combo items, panels, buttons, tabs
  kPicture,  // picture or image list
};

// The platform side of one control. The control owns it; it mirrors the control's state and
// reports the user's actions back through the control's User... methods.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Update(Change change) = 0;
  // Row-level changes of list views, combo boxes and list boxes.
  virtual void ItemAdded(int index) { (void)index, Update(Change::kItems); }
  virtual void ItemChanged(int index) { (void)index, Update(Change::kItems); }
  virtual void ItemRemoved(int index) { (void)index, Update(Change::kItems); }
  // Tree views: a node was added, changed (text, images, expansion) or is about to go.
  virtual void NodeAdded(TreeNode& node) { (void)node; }
  virtual void NodeChanged(TreeNode& node) { (void)node; }
  virtual void NodeRemoving(TreeNode& node) { (void)node; }
  // Tree views: the program starts editing the node's caption.
  virtual void EditNode(TreeNode& node) { (void)node; }
  // Tree views: the node on the row at p (control coordinates); false when the peer cannot tell.
  virtual bool HitTest(Point p, TreeNode*& node) {
    (void)p, (void)node;
    return false;
  }
  virtual void Invalidate() {}
  // The control's designer name changed (outside tools find windows by it).
  virtual void NameChanged() {}
  virtual void SetFocus() {}
  // Bulk updates: the peer may stop redrawing in between.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
};

// Drawing on an owner-drawn area (the status bar's first panel).
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void DrawImage(const ImageList& images, int index, int x, int y) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void FillRect(const Rect& rect, Color color) = 0;
};

struct FileDialogOptions {
  std::string title;
  std::string filter;  // "Text|*.txt|Alle Dateien (*.*)|*.*"
  std::string initialDir;
  std::string fileName;
  bool picture = false;  // the picture dialog, with a preview where the system has one
  // The save dialog: the file may be new, an existing one is replaced after asking.
  bool save = false;
  std::string defaultExt;  // added to a name typed without one ("txt")
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Returns the ModalResult of the pressed button.
  virtual int ShowMessage(std::string_view text, std::string_view caption, MsgButtons buttons,
                          MsgIcon icon) = 0;
  // The open dialog, or the save dialog when options.save.
  virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
  // The shell's folder dialog; the chosen folder's path, nothing when cancelled.
  virtual std::optional<std::string> BrowseFolder(const std::string& title) = 0;
  // Lets the user choose a font; onApply previews while the dialog is open. True when confirmed.
  virtual bool ChooseFont(Font& font, const std::function<void(const Font&)>& onApply) = 0;
  virtual bool ChooseColor(Color& color) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual std::unique_ptr<Peer> CreatePeer(Control& control) = 0;
  virtual Dialogs& GetDialogs() = 0;

  // Shows the form modally and returns its modal result when it closes.
  virtual int RunModal(Form& form) = 0;
  // Lets pending input and paint messages run (long loops call this to stay responsive).
  virtual void ProcessMessages() = 0;
  virtual void SetScreenCursor(Cursor cursor) = 0;
  virtual Cursor ScreenCursor() const = 0;
  virtual Point TextExtent(const Font& font, std::string_view text) = 0;
  // Outer size minus client size of a form with the given border and caption.
  virtual Point FrameSize(const Form& form) = 0;
  virtual Rect WorkArea() = 0;
  // A point in the control's own coordinates on the screen.
  virtual Point ClientToScreen(const Control& control, Point point) = 0;
  virtual void ShowPopupMenu(PopupMenu& menu, Point screen) = 0;
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void TimerDestroyed(Timer& timer) = 0;
  // The program asks to end: the message loop stops once the current event is done.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
  // Lets the system's icon lists load while the program waits for the user, so that the first
  // list showing them does not wait for the shell to load its icons. Nothing to do by default.
  virtual void PrepareSystemIcons() {}
  // Minimises or restores the application's own window: the hidden, sizeless window behind the
  // forms. Minimised and restored once, the program comes to the front before its form shows.
  virtual void SetApplicationState(WindowState state) = 0;

  // The application's default exception message: a message box with the exception's text.
  void HandleException(const std::exception& error);
  void HandleUnknownException();

  // Event dispatch: controls disposed while an event runs are deleted when the outermost event
  // has finished, so a handler never runs on freed memory.
  void EnterEvent() { ++eventDepth_; }
  void LeaveEvent();
  void Dispose(std::unique_ptr<Control> control);
  int EventDepth() const { return eventDepth_; }
  // Runs each time an outermost event has finished: one user action, with every dialog it
  // opened, is over.
  void SetAfterEvent(std::function<void()> hook) { afterEvent_ = std::move(hook); }

 private:
  int eventDepth_ = 0;
  std::function<void()> afterEvent_;
  std::vector<std::unique_ptr<Control>> graveyard_;
};

// Runs one event: errors become the application's default exception message, and controls
// disposed meanwhile live until the outermost event is over. backend may be null (nothing shown
// yet).
void RunEvent(Backend* backend, const std::function<void()>& body);

// The title of message boxes that show an escaping error.
inline constexpr const char* kApplicationTitle = "Kalmora2x";

}  // namespace ui
