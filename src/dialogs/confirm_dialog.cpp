#include "dialogs/confirm_dialog.h"

#include <algorithm>

namespace dialogs {

TForm6::TForm6(ui::Backend& backend, ui::Form* owner) : form_(backend, owner) {
  form_.SetName("TForm6");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetCaption("Löschen bestätigen");
  Image1 = form_.Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetBounds({16, 16, 32, 32});
  Image1->SetTransparent(true);
  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetLeft(64);
  Label1->SetTop(18);
  Button1 = form_.Add<ui::Button>();
  Button1->SetName("Button1");
  Button1->SetCaption("&Ja");
  Button1->SetDefault(true);
  Button1->OnClick = [this](ui::Control&) {
    ConfirmResult = 1;
    form_.SetModalResult(ui::mrYes);
  };
  Button2 = form_.Add<ui::Button>();
  Button2->SetName("Button2");
  Button2->SetCaption("&Nein");
  Button2->SetCancel(true);
  Button2->OnClick = [this](ui::Control&) {
    ConfirmResult = 0;
    form_.SetModalResult(ui::mrNo);
  };
  SetMessage("");
}

void TForm6::SetMessage(const std::string& message) {
  Label1->SetCaption(message);
  const int width = std::max(300, Label1->Left() + Label1->Width() + 24);
  const int textBottom =
      std::max(Image1->Top() + Image1->Height(), Label1->Top() + Label1->Height());
  const int buttonsTop = textBottom + 20;
  Button1->SetBounds({width / 2 - 84, buttonsTop, 80, 25});
  Button2->SetBounds({width / 2 + 4, buttonsTop, 80, 25});
  form_.SetClientSize(width, buttonsTop + 37);
}

void TForm6::ShowModal() {
  ConfirmResult = 0;
  form_.ShowModal();
}

bool Confirm(ui::Backend& backend, ui::Form* owner, const std::string& caption,
             const std::string& message, const ui::Picture& picture) {
  TForm6 dialog(backend, owner);
  dialog.SetCaption(caption);
  dialog.SetPicture(picture);
  dialog.SetMessage(message);
  dialog.ShowModal();
  return dialog.ConfirmResult == 1;
}

}  // namespace dialogs
