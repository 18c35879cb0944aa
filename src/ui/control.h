// The base of every control: geometry, alignment, visibility, font, colour, tag, hint, mouse and
// drag events, and the peer that shows it. Containers own their children; destroying one
// destroys everything on it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/font.h"
#include "ui/types.h"

namespace ui {

class Container;
class Form;
class PopupMenu;

enum class ControlKind {
  Form,
  Panel,
  Label,
  Button,
  CheckBox,
  RadioButton,
  Edit,
  Memo,
  RichEdit,
  ComboBox,
  GroupBox,
  ListView,
  TreeView,
  Slider,
  SpinEdit,
  Gauge,
  Image,
  PageControl,
  TabSheet,
  Animation,
  PerformanceGraph,
  Splitter,
  StatusBar,
  ToolBar,
  Timer,
};

const char* KindName(ControlKind kind);

class Control {
 public:
  using Handler = std::function<void(Control& sender)>;
  using MouseHandler =
      std::function<void(Control& sender, MouseButton button, unsigned shift, int x, int y)>;
  using MoveHandler = std::function<void(Control& sender, unsigned shift, int x, int y)>;
  using KeyHandler = std::function<void(Control& sender, int& key, unsigned shift)>;
  using DragOverHandler =
      std::function<void(Control& sender, Control* source, int x, int y, bool& accept)>;
  using DragDropHandler = std::function<void(Control& sender, Control* source, int x, int y)>;

  explicit Control(ControlKind kind);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  Container* Parent() const { return parent_; }
  Form* ParentForm() const;
  Backend* GetBackend() const { return backend_; }
  Peer* GetPeer() const { return peer_.get(); }
  // The designer name ("TreeView1"); tests and the GUI find controls by it.
  const std::string& Name() const { return name_; }
  void SetName(std::string name);

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const Rect& Bounds() const { return bounds_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  virtual void SetBounds(const Rect& bounds);
  // The control's rectangle in the coordinates of its form's client area.
  Rect BoundsInForm() const;

  Align GetAlign() const { return align_; }
  void SetAlign(Align align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to a visible form.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);

  // A control takes its parent's font and colour until it is given its own.
  const Font& GetFont() const;
  void SetFont(const Font& font);
  bool HasOwnFont() const { return font_.has_value(); }
  Color GetColor() const;
  void SetColor(Color color);

  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }

  PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  void SetFocus();
  void Invalidate();

  Handler OnClick;
  Handler OnDblClick;
  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;
  MoveHandler OnMouseMove;
  KeyHandler OnKeyDown;
  DragOverHandler OnDragOver;
  DragDropHandler OnDragDrop;

  // What the user does. Win32 peers call these for real input; tests call them to act as a user.
  virtual void UserClick();
  void UserDoubleClick();
  void UserMouseDown(MouseButton button, unsigned shift, int x, int y);
  void UserMouseUp(MouseButton button, unsigned shift, int x, int y);
  void UserMouseMove(unsigned shift, int x, int y);
  void UserKeyDown(int key, unsigned shift);
  // Asks whether a drag from source may be dropped here, then drops it.
  bool UserDragOver(Control* source, int x, int y);
  void UserDragDrop(Control* source, int x, int y);

  // Starts dragging this control (the tree into the bookmarks window). The drag ends with a
  // drop on a control that accepts it, or nowhere.
  void BeginDrag();
  bool Dragging() const { return dragging_; }
  void EndDrag() { dragging_ = false; }

  // Creates the peer (and those of the children); called when the control joins a realised
  // parent. A control on a tab sheet that has not shown yet gets its peer when the sheet first
  // shows.
  void Realize(Backend& backend);

 protected:
  void Changed(Change change);
  // Runs an event handler the way every event runs: errors become the application's default
  // exception message, and controls disposed meanwhile live until the event is over.
  template <class F, class... Args>
  void Fire(const F& handler, Args&&... args) {
    if (!handler) return;
    const F copy = handler;  // the handler may destroy this control
    Backend* backend = backend_;
    RunEvent(backend, [&] { copy(std::forward<Args>(args)...); });
  }
  virtual void OnRealized() {}
  // The font in use changed (its own, or the parent's that it takes).
  virtual void FontChanged() {}
  // Called when the control leaves its parent to be destroyed (perhaps only later).
  virtual void OnDisposing() {}
  // Called after the size of a container changed.
  virtual void Resized() {}

 private:
  friend class Container;
  void SetBoundsQuietly(const Rect& bounds);  // from the parent's layout
  // Whether a container above holds the peers of its children back.
  bool PeerWaits() const;
  void CreateWaitingPeers();
  void DestroyPeer() { peer_.reset(); }
  void InheritedFontChanged();
  void Disposing();

  ControlKind kind_;
  Container* parent_ = nullptr;
  Backend* backend_ = nullptr;
  std::unique_ptr<Peer> peer_;
  std::string name_;
  Rect bounds_;
  Align align_ = Align::None;
  bool visible_ = true;
  bool enabled_ = true;
  bool dragging_ = false;
  int tag_ = 0;
  std::string hint_;
  std::optional<Font> font_;
  std::optional<Color> color_;
  Cursor cursor_ = Cursor::Default;
  PopupMenu* popupMenu_ = nullptr;
};

class Container : public Control {
 public:
  explicit Container(ControlKind kind) : Control(kind) {}
  ~Container() override;

  // Creates a child owned by this container, on this container.
  template <class T, class... Args>
  T* Add(Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = child.get();
    Adopt(std::move(child));
    return raw;
  }
  // Removes the child and destroys it with everything on it (after the running event).
  void Destroy(Control* child);
  void DestroyChildren();

  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
  // The area children are laid out in, in this container's own coordinates.
  virtual Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  // Lays out the aligned children (top, bottom, left, right, then client).
  void Realign();

  // Depth-first search below this container.
  Control* FindByName(std::string_view name) const;
  template <class T>
  void ForEach(const std::function<void(T&)>& visit) const;

  void SetBounds(const Rect& bounds) override;

 protected:
  void Adopt(std::unique_ptr<Control> child);
  void Resized() override { Realign(); }
  // True while the children are realised but get no peers yet (a sheet not yet shown): most
  // sheets of a page are never looked at, and their windows would cost the page change.
  virtual bool HoldsChildPeers() const { return false; }
  // Creates the peers held back so far, parents before their children.
  void CreateChildPeers();

 private:
  friend class Control;
  std::vector<std::unique_ptr<Control>> children_;
  bool realigning_ = false;
};

template <class T>
void Container::ForEach(const std::function<void(T&)>& visit) const {
  for (const auto& child : children_) {
    if (auto* typed = dynamic_cast<T*>(child.get())) visit(*typed);
    if (auto* container = dynamic_cast<Container*>(child.get())) container->ForEach<T>(visit);
  }
}

}  // namespace ui
