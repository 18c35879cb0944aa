// Top-level windows: the main window and every dialog. A form is shown modeless (Show) or modal
// (ShowModal, which returns when a button with a modal result is pressed or the form closes).
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

enum class FormBorder { Sizeable, Dialog, Single, ToolWindow, SizeToolWin, None };
enum class FormPosition { Designed, ScreenCenter, MainFormCenter, OwnerFormCenter };
enum class CloseAction { None, Hide, Free, Minimize };

class Form : public Container {
 public:
  explicit Form(Backend& backend, Form* owner = nullptr);
  ~Form() override;

  Form* Owner() const { return owner_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  FormBorder Border() const { return border_; }
  void SetBorder(FormBorder border);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position) { position_ = position; }
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool stayOnTop);
  const Picture& Icon() const { return icon_; }
  void SetIcon(Picture icon);

  // The main form: closing it ends the program.
  bool IsMainForm() const { return mainForm_; }
  void SetMainForm(bool mainForm) { mainForm_ = mainForm; }

  int ClientWidth() const { return Width() - frame_.x; }
  int ClientHeight() const { return Height() - frame_.y; }
  void SetClientSize(int width, int height);
  Rect ClientRect() const override { return {0, 0, ClientWidth(), ClientHeight()}; }

  // Places the form as its position asks (centred on the screen or on its owner).
  void PlaceByPosition();
  void Show();
  int ShowModal();
  bool Modal() const { return modal_; }
  int GetModalResult() const { return modalResult_; }
  // Setting a result other than mrNone ends a modal form's loop.
  void SetModalResult(int result);
  // Runs OnClose and then hides the form, ends its modal loop, or asks its owner to free it.
  void Close();

  std::function<void(Form& sender, CloseAction& action)> OnClose;
  // A key pressed in any control of the form comes here first; a handler that sets handled
  // keeps it from the control (the main window's Ctrl+F).
  std::function<void(Form& sender, int key, unsigned shift, bool& handled)> OnShortCut;
  // Runs OnShortCut; whether it took the key.
  bool UserShortCut(int key, unsigned shift);
  Handler OnShow;
  Handler OnResize;
  // Called after Close when the form asked to be freed; the owner of the object releases it.
  std::function<void(Form& sender)> OnFreeRequested;

  // Used by backends' modal loops.
  void BeginModal();
  void EndModal();

 protected:
  void OnRealized() override;
  void Resized() override;

 private:
  Form* owner_;
  std::string caption_;
  FormBorder border_ = FormBorder::Sizeable;
  FormPosition position_ = FormPosition::Designed;
  bool stayOnTop_ = false;
  bool mainForm_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
  Picture icon_;
  Point frame_;
};

}  // namespace ui
