// The confirmation after a display-mode switch ("Monitoreinstellungen"): the new mode stays only
// when the user confirms within ten seconds; the countdown shows how long is left.
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace display {

class TForm5 {
 public:
  static constexpr int kSeconds = 10;

  TForm5(ui::Backend& backend, ui::Form* owner);

  ui::Form& Form() { return form_; }
  // Runs the countdown with the window shown modally; true when "&OK" was pressed in time and
  // "&Abbrechen" was not.
  bool Init();

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;  // the countdown
  ui::Image* Image1;
  ui::Panel* Bevel1;    // the splitter line
  ui::Button* BitBtn1;  // "&OK"
  ui::Button* BitBtn2;  // "&Abbrechen"
  ui::Timer* Timer1;    // one tick a second
  bool KeepPressed = false;
  bool CancelPressed = false;

 private:
  void ShowRemaining();
  void Tick();
  ui::Form form_;
  int elapsed_ = 0;
};

// The countdown text for the seconds left.
std::string CountdownText(int secondsLeft);

}  // namespace display
