#include "shell/font_window.h"

#include "base/convert.h"
#include "shell/form_controls.h"
#include "shell/main_window.h"
#include "shell/settings.h"

namespace shell {
namespace {

constexpr int kFontButtonImage = 3;  // the toolbar's "Schriftart" picture

ui::Edit* AddReadOnlyEdit(ui::Form& form, const char* name, const ui::Rect& bounds) {
  ui::Edit* edit = form.Add<ui::Edit>();
  edit->SetName(name);
  edit->SetReadOnly(true);
  edit->SetColor(ui::clWhite);
  edit->SetBounds(bounds);
  return edit;
}

}  // namespace

TForm17::TForm17(TForm1& main) : main_(main), form_(main.Backend(), &main.Form()) {
  form_.SetName("TForm17");
  form_.SetCaption("Schrift");
  form_.SetBorder(ui::FormBorder::ToolWindow);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(361, 111);

  Label1 = AddLabel(form_, "Label1", "Kalmora soll folgende Schrift verwenden", 8, 8);
  Label2 = AddLabel(form_, "Label2", "Schrift", 8, 24);
  Edit1 = AddReadOnlyEdit(form_, "Edit1", {8, 40, 321, 21});
  BitBtn1 = form_.Add<ui::Button>();
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetBounds({336, 40, 20, 20});
  if (main.ImageList2.Count() > kFontButtonImage) {
    BitBtn1->SetGlyph(main.ImageList2.pictures[kFontButtonImage]);
  }
  BitBtn1->OnClick = [this](ui::Control&) { BitBtn1Click(); };
  Label3 = AddLabel(form_, "Label3", "Groesse", 8, 64);
  Edit2 = AddReadOnlyEdit(form_, "Edit2", {8, 80, 73, 21});

  Button1 = form_.Add<ui::Button>();
  Button1->SetName("Button1");
  Button1->SetCaption("&OK");
  Button1->SetDefault(true);
  Button1->SetBounds({197, 80, 75, 25});
  Button1->OnClick = [this](ui::Control&) { Button1Click(); };
  Button2 = form_.Add<ui::Button>();
  Button2->SetName("Button2");
  Button2->SetCaption("&Abbrechen");
  Button2->SetCancel(true);
  Button2->SetBounds({280, 80, 75, 25});
  Button2->OnClick = [this](ui::Control&) { Button2Click(); };
}

void TForm17::Execute() {
  ShowFont();
  form_.ShowModal();
}

void TForm17::ShowFont() {
  Edit1->SetText(main_.UserFont.name);
  Edit2->SetText(base::IntToStr(main_.UserFont.Size()));
}

void TForm17::TakeFont(const ui::Font& font) {
  main_.UserFont = font;
  main_.TreeView1->SetFont(font);
  main_.TreeView1->Invalidate();
}

void TForm17::BitBtn1Click() {
  ui::Font chosen = main_.UserFont;
  const bool confirmed = main_.Backend().GetDialogs().ChooseFont(
      chosen, [this](const ui::Font& font) { FontDialog1Apply(font); });
  if (!confirmed) return;
  TakeFont(chosen);
  WriteFont(main_);
  ShowFont();
}

void TForm17::FontDialog1Apply(const ui::Font& font) {
  TakeFont(font);
}

void TForm17::Button1Click() {
  WriteFont(main_);
  form_.SetModalResult(ui::mrOk);
}

void TForm17::Button2Click() {
  form_.SetModalResult(ui::mrCancel);
}

}  // namespace shell
