#include "ui/form.h"

namespace ui {

Form::Form(Backend& backend, Form* owner) : Container(ControlKind::Form), owner_(owner) {
  SetVisible(false);
  SetFont(Font{});
  SetColor(clBtnFace);
  Realize(backend);
}

Form::~Form() = default;

void Form::OnRealized() {
  frame_ = GetBackend()->FrameSize(*this);
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed(Change::kText);
}

void Form::SetBorder(FormBorder border) {
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  border_ = border;
  frame_ = GetBackend()->FrameSize(*this);
  Changed(Change::kStyle);
  SetClientSize(clientWidth, clientHeight);
}

void Form::SetStayOnTop(bool stayOnTop) {
  stayOnTop_ = stayOnTop;
  Changed(Change::kStyle);
}

void Form::SetIcon(Picture icon) {
  icon_ = std::move(icon);
  Changed(Change::kPicture);
}

void Form::SetClientSize(int width, int height) {
  SetBounds({Left(), Top(), width + frame_.x, height + frame_.y});
}

void Form::Resized() {
  Container::Resized();
  Fire(OnResize, *this);
}

void Form::PlaceByPosition() {
  Rect area;
  switch (position_) {
    case FormPosition::Designed:
      return;
    case FormPosition::ScreenCenter:
      area = GetBackend()->WorkArea();
      break;
    case FormPosition::MainFormCenter:
    case FormPosition::OwnerFormCenter: {
      const Form* anchor = owner_;
      if (position_ == FormPosition::MainFormCenter) {
        while (anchor && !anchor->IsMainForm() && anchor->Owner()) anchor = anchor->Owner();
      }
      area = anchor ? anchor->Bounds() : GetBackend()->WorkArea();
      break;
    }
  }
  SetBounds({area.left + (area.width - Width()) / 2, area.top + (area.height - Height()) / 2,
             Width(), Height()});
}

void Form::Show() {
  if (!Visible()) PlaceByPosition();
  SetVisible(true);
  Fire(OnShow, *this);
}

int Form::ShowModal() {
  modalResult_ = mrNone;
  PlaceByPosition();
  return GetBackend()->RunModal(*this);
}

void Form::BeginModal() {
  modal_ = true;
  modalResult_ = mrNone;
  SetVisible(true);
  Fire(OnShow, *this);
}

void Form::EndModal() {
  modal_ = false;
  SetVisible(false);
}

void Form::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && modal_) Close();
}

bool Form::UserShortCut(int key, unsigned shift) {
  bool handled = false;
  Fire(OnShortCut, *this, key, shift, handled);
  return handled;
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  Fire(OnClose, *this, action);
  if (action == CloseAction::None) {
    if (modal_) modalResult_ = mrNone;
    return;
  }
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;  // the modal loop sees the result and ends
  }
  SetVisible(false);
  if (mainForm_) {
    GetBackend()->Terminate();
    return;
  }
  if (action == CloseAction::Free && OnFreeRequested) Fire(OnFreeRequested, *this);
}

}  // namespace ui
