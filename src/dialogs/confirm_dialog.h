// The shared confirmation dialog: a picture, a message and the buttons "&Ja" and "&Nein".
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace dialogs {

class TForm6 {
 public:
  TForm6(ui::Backend& backend, ui::Form* owner);

  ui::Form& Form() { return form_; }
  void SetCaption(std::string caption) { form_.SetCaption(std::move(caption)); }
  void SetPicture(const ui::Picture& picture) { Image1->SetPicture(picture); }
  // Lays the dialog out around the message.
  void SetMessage(const std::string& message);
  // Shows the dialog modally; afterwards ConfirmResult is 1 for "&Ja", 0 otherwise.
  void ShowModal();

  ui::Image* Image1;
  ui::Label* Label1;
  ui::Button* Button1;  // "&Ja"
  ui::Button* Button2;  // "&Nein"
  int ConfirmResult = 0;

 private:
  ui::Form form_;
};

// Asks with the shared dialog; true when the user answered "&Ja".
bool Confirm(ui::Backend& backend, ui::Form* owner, const std::string& caption,
             const std::string& message, const ui::Picture& picture);

}  // namespace dialogs
