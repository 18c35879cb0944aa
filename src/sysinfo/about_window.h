// The about window "Information": the program, its maker, and this system's version and memory.
#pragma once

#include <string>

#include "page/page_context.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace sysinfo {

inline constexpr const char* kMakerMail = "kalmora2x@kalmora.example";
inline constexpr const char* kMakerWeb = "http://www.kalmora.example/";

class TForm2 {
 public:
  TForm2(page::PageContext& form);

  ui::Form& Form() { return form_; }
  int ShowModal() { return form_.ShowModal(); }

  ui::Panel* Panel1;
  ui::Panel* Panel2;
  ui::Image* Image1;
  ui::Image* Image2;
  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label4;
  ui::Label* Label5;
  ui::Label* Label6;
  ui::Label* Label7;
  ui::Label* Label8;
  ui::Panel* Splitter1;
  ui::Button* BitBtn1;

 private:
  ui::Label* AddLabel(const char* name, int left, int top, const std::string& caption);
  ui::Form form_;
};

// ToolButton14Click: opens the about window modally.
void ShowAboutWindow(page::PageContext& form);

}  // namespace sysinfo
