#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

const char* KindName(ControlKind kind) {
  static constexpr const char* kNames[] = {"Form",     "Panel",     "Label",
                                           "Button",   "CheckBox",  "RadioButton",
                                           "Edit",     "Memo",      "RichEdit",
                                           "ComboBox", "GroupBox",  "ListView",
                                           "TreeView", "Slider",    "SpinEdit",
                                           "Gauge",    "Image",     "PageControl",
                                           "TabSheet", "Animation", "PerformanceGraph",
                                           "Splitter", "StatusBar", "ToolBar",
                                           "Timer"};
  return kNames[static_cast<int>(kind)];
}

// --- Backend ----------------------------------------------------------------------------------

void Backend::HandleException(const std::exception& error) {
  GetDialogs().ShowMessage(error.what(), kApplicationTitle, MsgButtons::Ok, MsgIcon::Error);
}

void Backend::HandleUnknownException() {
  GetDialogs().ShowMessage("Unbekannter Fehler", kApplicationTitle, MsgButtons::Ok, MsgIcon::Error);
}

void Backend::LeaveEvent() {
  if (--eventDepth_ > 0) return;
  eventDepth_ = 0;
  // Deleting may run destructors that dispose further controls; loop until nothing is left.
  while (!graveyard_.empty()) {
    auto doomed = std::move(graveyard_);
    graveyard_.clear();
    doomed.clear();
  }
  if (afterEvent_) afterEvent_();
}

void Backend::Dispose(std::unique_ptr<Control> control) {
  if (eventDepth_ > 0) {
    graveyard_.push_back(std::move(control));
  } else {
    control.reset();
  }
}

// --- Control ----------------------------------------------------------------------------------

Control::Control(ControlKind kind) : kind_(kind) {}

Control::~Control() = default;

Form* Control::ParentForm() const {
  const Control* control = this;
  while (control) {
    if (control->kind_ == ControlKind::Form) {
      return static_cast<Form*>(const_cast<Control*>(control));
    }
    control = control->parent_;
  }
  return nullptr;
}

void Control::SetName(std::string name) {
  name_ = std::move(name);
  if (peer_) peer_->NameChanged();
}

void Control::Realize(Backend& backend) {
  if (backend_) return;
  backend_ = &backend;
  if (!PeerWaits()) peer_ = backend.CreatePeer(*this);
  OnRealized();
  if (auto* container = dynamic_cast<Container*>(this)) {
    for (const auto& child : container->Children()) child->Realize(backend);
  }
}

bool Control::PeerWaits() const {
  for (const Container* above = parent_; above; above = above->parent_) {
    if (above->HoldsChildPeers()) return true;
  }
  return false;
}

void Control::CreateWaitingPeers() {
  if (backend_ && !peer_) peer_ = backend_->CreatePeer(*this);
  if (auto* container = dynamic_cast<Container*>(this)) container->CreateChildPeers();
}

void Control::Changed(Change change) {
  if (peer_) peer_->Update(change);
}

void RunEvent(Backend* backend, const std::function<void()>& body) {
  if (backend) backend->EnterEvent();
  try {
    body();
  } catch (const std::exception& error) {
    if (backend) backend->HandleException(error);
  } catch (...) {
    if (backend) backend->HandleUnknownException();
  }
  if (backend) backend->LeaveEvent();
}

void Control::SetLeft(int left) {
  SetBounds({left, bounds_.top, bounds_.width, bounds_.height});
}
void Control::SetTop(int top) {
  SetBounds({bounds_.left, top, bounds_.width, bounds_.height});
}
void Control::SetWidth(int width) {
  SetBounds({bounds_.left, bounds_.top, width, bounds_.height});
}
void Control::SetHeight(int height) {
  SetBounds({bounds_.left, bounds_.top, bounds_.width, height});
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  Changed(Change::kBounds);
  if (resized) Resized();
  if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetBoundsQuietly(const Rect& bounds) {
  if (bounds == bounds_) return;
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  Changed(Change::kBounds);
  if (resized) Resized();
}

Rect Control::BoundsInForm() const {
  Rect rect = bounds_;
  for (const Control* p = parent_; p && p->kind_ != ControlKind::Form; p = p->parent_) {
    rect.left += p->bounds_.left;
    rect.top += p->bounds_.top;
  }
  return rect;
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Change::kVisible);
  if (parent_ && align_ != Align::None) parent_->Realign();
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Change::kEnabled);
}

void Control::SetHint(std::string hint) {
  hint_ = std::move(hint);
  Changed(Change::kHint);
}

const Font& Control::GetFont() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (c->font_) return *c->font_;
  }
  static const Font kDefault;
  return kDefault;
}

void Control::SetFont(const Font& font) {
  font_ = font;
  InheritedFontChanged();
}

void Control::InheritedFontChanged() {
  Changed(Change::kFont);
  FontChanged();
  if (auto* container = dynamic_cast<Container*>(this)) {
    for (const auto& child : container->Children()) {
      if (!child->HasOwnFont()) child->InheritedFontChanged();
    }
  }
}

Color Control::GetColor() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (c->color_) return *c->color_;
  }
  return clBtnFace;
}

void Control::SetColor(Color color) {
  color_ = color;
  Changed(Change::kColor);
}

void Control::SetFocus() {
  if (peer_) peer_->SetFocus();
}

void Control::Invalidate() {
  if (peer_) peer_->Invalidate();
}

void Control::UserClick() {
  Fire(OnClick, *this);
}
void Control::UserDoubleClick() {
  Fire(OnDblClick, *this);
}

void Control::UserMouseDown(MouseButton button, unsigned shift, int x, int y) {
  Fire(OnMouseDown, *this, button, shift, x, y);
}

void Control::UserMouseUp(MouseButton button, unsigned shift, int x, int y) {
  Fire(OnMouseUp, *this, button, shift, x, y);
}

void Control::UserMouseMove(unsigned shift, int x, int y) {
  Fire(OnMouseMove, *this, shift, x, y);
}

void Control::UserKeyDown(int key, unsigned shift) {
  if (Form* form = ParentForm(); form && form->UserShortCut(key, shift)) return;
  int code = key;
  Fire(OnKeyDown, *this, code, shift);
}

bool Control::UserDragOver(Control* source, int x, int y) {
  bool accept = false;
  if (OnDragOver) Fire(OnDragOver, *this, source, x, y, accept);
  return accept;
}

void Control::UserDragDrop(Control* source, int x, int y) {
  if (source) source->EndDrag();
  Fire(OnDragDrop, *this, source, x, y);
}

void Control::BeginDrag() {
  dragging_ = true;
}

void Control::Disposing() {
  if (GetBackend()) OnDisposing();
  if (auto* container = dynamic_cast<Container*>(this)) {
    for (const auto& child : container->Children()) child->Disposing();
  }
}

// --- Container --------------------------------------------------------------------------------

Container::~Container() {
  // Children go first, newest first, so each peer is gone before its parent's.
  while (!children_.empty()) children_.pop_back();
}

void Container::Adopt(std::unique_ptr<Control> child) {
  child->parent_ = this;
  Control* raw = child.get();
  children_.push_back(std::move(child));
  if (GetBackend()) raw->Realize(*GetBackend());
  if (raw->GetAlign() != Align::None) Realign();
}

void Container::CreateChildPeers() {
  // A sheet nested in a sheet still hidden waits for the outer one.
  if (HoldsChildPeers() || PeerWaits()) return;
  for (const auto& child : children_) child->CreateWaitingPeers();
}

void Container::Destroy(Control* child) {
  const auto it = std::find_if(children_.begin(), children_.end(),
                               [&](const auto& owned) { return owned.get() == child; });
  if (it == children_.end()) return;
  std::unique_ptr<Control> doomed = std::move(*it);
  children_.erase(it);
  // Off the screen at once; the memory goes when no event of it is running any more.
  doomed->SetVisible(false);
  doomed->Disposing();
  const bool aligned = doomed->GetAlign() != Align::None;
  if (Backend* backend = GetBackend()) {
    backend->Dispose(std::move(doomed));
  } else {
    doomed.reset();
  }
  if (aligned) Realign();
}

void Container::DestroyChildren() {
  while (!children_.empty()) Destroy(children_.back().get());
}

void Container::SetBounds(const Rect& bounds) {
  Control::SetBounds(bounds);
}

void Container::Realign() {
  if (realigning_) return;
  realigning_ = true;
  Rect area = ClientRect();
  static constexpr Align kOrder[] = {Align::Top, Align::Bottom, Align::Left, Align::Right,
                                     Align::Client};
  for (const Align align : kOrder) {
    for (const auto& child : children_) {
      if (child->GetAlign() != align || !child->Visible()) continue;
      Rect r = child->Bounds();
      switch (align) {
        case Align::Top:
          r = {area.left, area.top, area.width, r.height};
          area.top += r.height;
          area.height -= r.height;
          break;
        case Align::Bottom:
          r = {area.left, area.Bottom() - r.height, area.width, r.height};
          area.height -= r.height;
          break;
        case Align::Left:
          r = {area.left, area.top, r.width, area.height};
          area.left += r.width;
          area.width -= r.width;
          break;
        case Align::Right:
          r = {area.Right() - r.width, area.top, r.width, area.height};
          area.width -= r.width;
          break;
        case Align::Client:
          r = area;
          break;
        case Align::None:
          break;
      }
      if (r.width < 0) r.width = 0;
      if (r.height < 0) r.height = 0;
      child->SetBoundsQuietly(r);
    }
  }
  realigning_ = false;
}

Control* Container::FindByName(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
    if (auto* container = dynamic_cast<Container*>(child.get())) {
      if (Control* found = container->FindByName(name)) return found;
    }
  }
  return nullptr;
}

}  // namespace ui
