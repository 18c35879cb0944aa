#include "display/monitor_dialog.h"

#include "base/convert.h"

namespace display {

std::string CountdownText(int secondsLeft) {
  return "In " + base::IntToStr(secondsLeft) + " Sekunden zurücksetzen ";
}

TForm5::TForm5(ui::Backend& backend, ui::Form* owner) : form_(backend, owner) {
  form_.SetName("TForm5");
  form_.SetCaption("Monitoreinstellungen");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(394, 92);

  Image1 = form_.Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetBounds({12, 12, 32, 32});
  Image1->SetPicture(ui::Picture::Stock(32515));  // IDI_EXCLAMATION
  Image1->SetTransparent(true);
  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("Sie haben die Bildschirmeinstellungen neu konfiguriert");
  Label1->SetBounds({56, 10, 320, 13});
  Label2 = form_.Add<ui::Label>();
  Label2->SetName("Label2");
  Label2->SetCaption("Möchten Sie diese Einstellungen behalten ?");
  Label2->SetBounds({56, 26, 320, 13});
  Label3 = form_.Add<ui::Label>();
  Label3->SetName("Label3");
  Label3->SetCaption("In 3 Sekunden zurücksetzen");
  Label3->SetBounds({56, 42, 320, 13});
  Bevel1 = form_.Add<ui::Panel>();
  Bevel1->SetName("Bevel1");
  Bevel1->SetBevelOuter(ui::BevelCut::Lowered);
  Bevel1->SetBounds({8, 58, 378, 2});

  BitBtn1 = form_.Add<ui::Button>();
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetCaption("&OK");
  BitBtn1->SetDefault(true);
  BitBtn1->SetBounds({222, 64, 80, 24});
  BitBtn1->OnClick = [this](ui::Control&) {
    KeepPressed = true;
    form_.SetModalResult(ui::mrOk);
  };
  BitBtn2 = form_.Add<ui::Button>();
  BitBtn2->SetName("BitBtn2");
  BitBtn2->SetCaption("&Abbrechen");
  BitBtn2->SetCancel(true);
  BitBtn2->SetBounds({308, 64, 80, 24});
  BitBtn2->OnClick = [this](ui::Control&) {
    CancelPressed = true;
    form_.SetModalResult(ui::mrCancel);
  };

  Timer1 = form_.Add<ui::Timer>();
  Timer1->SetName("Timer1");
  Timer1->SetActive(false);
  Timer1->SetInterval(1000);
  Timer1->OnTimer = [this](ui::Control&) { Tick(); };
}

// A timer instead of a busy loop: the window stays responsive without servicing the queue by
// hand, and the seconds are counted by the ticks the countdown shows.
bool TForm5::Init() {
  KeepPressed = false;
  CancelPressed = false;
  elapsed_ = 0;
  ShowRemaining();
  Timer1->SetActive(true);
  form_.ShowModal();
  Timer1->SetActive(false);
  return KeepPressed && !CancelPressed;
}

void TForm5::ShowRemaining() {
  Label3->SetCaption(CountdownText(kSeconds - elapsed_));
}

void TForm5::Tick() {
  if (KeepPressed || CancelPressed) return;
  ++elapsed_;
  if (elapsed_ >= kSeconds) {
    Timer1->SetActive(false);
    form_.SetModalResult(ui::mrCancel);
    return;
  }
  ShowRemaining();
}

}  // namespace display
