// The font window TForm17: shows the name and size of UserFont and lets the user choose another
// one in the font dialog, which the tree takes at once and every page built afterwards.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace shell {

class TForm1;

class TForm17 {
 public:
  explicit TForm17(TForm1& main);

  ui::Form& Form() { return form_; }
  // Shows the window modally with the current UserFont.
  void Execute();

  void BitBtn1Click();  // runs the font dialog
  void FontDialog1Apply(const ui::Font& font);
  void Button1Click();  // "&OK"
  void Button2Click();  // "&Abbrechen"

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Edit* Edit1;  // font name
  ui::Button* BitBtn1;
  ui::Label* Label3;
  ui::Edit* Edit2;  // size in points
  ui::Button* Button1;
  ui::Button* Button2;

 private:
  void ShowFont();
  // The tree shows the font now; pages take it when they are built next.
  void TakeFont(const ui::Font& font);

  TForm1& main_;
  ui::Form form_;
};

}  // namespace shell
