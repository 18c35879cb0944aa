// The tip window: edits the pop-up text of one shell folder on the tool tips page.
#pragma once

#include <optional>
#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace dialogs {

class TForm7 {
 public:
  TForm7(ui::Backend& backend, ui::Form* owner);

  ui::Form& Form() { return form_; }
  void SetPicture(const ui::Picture& picture) { Image1->SetPicture(picture); }
  // Shows the window modally with the tip in Memo1; the edited text when the user pressed
  // "&OK", nothing when the window was left otherwise.
  std::optional<std::string> Execute(const std::string& tip);

  void BitBtn1Click();  // "&OK"
  void BitBtn2Click();  // "&Abbrechen"

  ui::Image* Image1;
  ui::Panel* Panel1;
  ui::Panel* Panel2;  // the header above the text
  ui::Label* Label1;
  ui::Memo* Memo1;
  ui::Button* BitBtn1;
  ui::Button* BitBtn2;

 private:
  ui::Form form_;
  std::optional<std::string> accepted_;
};

}  // namespace dialogs
