#include "sysinfo/about_window.h"

#include "base/convert.h"
#include "page/images.h"
#include "page/page_frame.h"

namespace sysinfo {

TForm2::TForm2(page::PageContext& context) : form_(context.Backend(), &context.OwnerForm()) {
  form_.SetName("TForm2");
  form_.SetCaption("Information");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::MainFormCenter);
  form_.SetClientSize(319, 186);
  Panel1 = form_.Add<ui::Panel>();
  Panel1->SetName("Panel1");
  Panel1->SetCaption("");
  Panel1->SetBevelOuter(ui::BevelCut::Raised);
  Panel1->SetBounds({0, 0, 319, 186});
  Panel2 = Panel1->Add<ui::Panel>();
  Panel2->SetName("Panel2");
  Panel2->SetCaption("");
  Panel2->SetBevelOuter(ui::BevelCut::Lowered);
  Panel2->SetBounds({6, 6, 60, 140});
  Image1 = Panel2->Add<ui::Image>();
  Image1->SetName("Image1");
  Image1->SetBounds({1, 1, 58, 138});
  Image1->SetStretch(true);
  Image1->SetPicture(page::pictures::kGroupBanner);
  Image2 = Panel1->Add<ui::Image>();
  Image2->SetName("Image2");
  Image2->SetBounds({275, 8, 32, 32});
  Image2->SetTransparent(true);
  Image2->SetPicture(page::pictures::kProgramIcon);

  Label1 = AddLabel("Label1", 76, 8, "Kalmora2x");
  ui::Font title = Label1->GetFont();
  title.height = 23;
  title.style = ui::kBold;
  Label1->SetFont(title);
  Label2 = AddLabel("Label2", 76, 36, "Version 1.014");
  Label6 = AddLabel("Label6", 150, 36, "für WindowsNT/2000/XP");
  Label3 = AddLabel("Label3", 76, 54, "Freeware - Nutzung auf eigene Gefahr");
  Label4 = AddLabel("Label4", 76, 70, kMakerMail);
  Label5 = AddLabel("Label5", 76, 86, kMakerWeb);
  for (ui::Label* link : {Label4, Label5}) {
    ui::Font font = link->GetFont();
    font.color = ui::clBlue;
    font.style = ui::kUnderline;
    link->SetFont(font);
    link->SetCursor(ui::Cursor::HandPoint);
  }
  Splitter1 = Panel1->Add<ui::Panel>();
  Splitter1->SetName("Splitter1");
  Splitter1->SetCaption("");
  Splitter1->SetColor(ui::clBlue);
  Splitter1->SetBevelOuter(ui::BevelCut::Lowered);
  Splitter1->SetBounds({76, 104, 232, 3});
  Label7 = AddLabel("Label7", 76, 112, "");
  Label8 = AddLabel("Label8", 76, 128, "");
  BitBtn1 = Panel1->Add<ui::Button>();
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetCaption("OK");
  BitBtn1->SetDefault(true);
  BitBtn1->SetBounds({232, 152, 75, 25});
  BitBtn1->OnClick = [this](ui::Control&) { form_.SetModalResult(ui::mrOk); };

  os::Shell& shell = context.services.shell;
  const auto open = [&shell](std::string target) {
    return [&shell, target = std::move(target)](ui::Control&) {
      shell.Execute({"open", target, "", "", 1});
    };
  };
  Label4->OnClick = open(std::string("mailto:") + kMakerMail);
  Label5->OnClick = open(kMakerWeb);
}

ui::Label* TForm2::AddLabel(const char* name, int left, int top, const std::string& caption) {
  ui::Label* label = Panel1->Add<ui::Label>();
  label->SetName(name);
  label->SetLeft(left);
  label->SetTop(top);
  label->SetCaption(caption);
  return label;
}

void ShowAboutWindow(page::PageContext& form) {
  TForm2 about(form);
  about.Label7->SetCaption(form.GetWindowsVersion());
  about.Label8->SetCaption(
      "Verfügbarer realer Speicher : " +
      base::IntToStr(static_cast<int64_t>(form.services.system.Memory().totalPhysical / 1024)) +
      " KB ");
  about.ShowModal();
}

}  // namespace sysinfo
