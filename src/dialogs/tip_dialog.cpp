#include "dialogs/tip_dialog.h"

namespace dialogs {

TForm7::TForm7(ui::Backend& backend, ui::Form* owner) : form_(backend, owner) {
  form_.SetName("TForm7");
  form_.SetCaption("Tiptext ändern");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(467, 171);

  Image1 = form_.Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetBounds({24, 16, 32, 32});
  Image1->SetTransparent(true);

  Panel1 = form_.Add<ui::Panel>();
  Panel1->SetName("Panel1");
  Panel1->SetCaption("");
  Panel1->SetBevelOuter(ui::BevelCut::Lowered);
  Panel1->SetBounds({80, 8, 377, 129});

  Panel2 = Panel1->Add<ui::Panel>();
  Panel2->SetName("Panel2");
  Panel2->SetCaption("");
  Panel2->SetBevelOuter(ui::BevelCut::None);
  Panel2->SetHeight(20);
  Panel2->SetAlign(ui::Align::Top);

  Label1 = Panel2->Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("Geben Sie den Text für  den Tip ein");
  Label1->SetBounds({6, 4, 0, 13});

  Memo1 = Panel1->Add<ui::Memo>();
  Memo1->SetName("Memo1");
  Memo1->SetScrollBars(ui::ScrollBars::Vertical);
  Memo1->SetAlign(ui::Align::Client);

  BitBtn2 = form_.Add<ui::Button>();
  BitBtn2->SetName("BitBtn2");
  BitBtn2->SetCaption("&Abbrechen");
  BitBtn2->SetCancel(true);
  BitBtn2->SetBounds({240, 144, 100, 25});
  BitBtn2->OnClick = [this](ui::Control&) { BitBtn2Click(); };

  BitBtn1 = form_.Add<ui::Button>();
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetCaption("&OK");
  BitBtn1->SetDefault(true);
  BitBtn1->SetBounds({352, 144, 100, 25});
  BitBtn1->OnClick = [this](ui::Control&) { BitBtn1Click(); };
}

std::optional<std::string> TForm7::Execute(const std::string& tip) {
  accepted_.reset();
  Memo1->SetText(tip);
  form_.ShowModal();
  return accepted_;
}

void TForm7::BitBtn1Click() {
  accepted_ = Memo1->Text();
  form_.SetModalResult(ui::mrOk);
}

void TForm7::BitBtn2Click() {
  accepted_.reset();
  form_.SetModalResult(ui::mrCancel);
}

}  // namespace dialogs
