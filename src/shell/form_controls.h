// Named controls on the program's own small windows (bookmarks, Extras editors, font window),
// placed where their designs put them.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace shell {

inline ui::Button* AddButton(ui::Form& form, const char* name, const char* caption,
                             const ui::Rect& bounds) {
  ui::Button* button = form.Add<ui::Button>();
  button->SetName(name);
  button->SetCaption(caption);
  button->SetBounds(bounds);
  return button;
}

// A label as wide as its caption.
inline ui::Label* AddLabel(ui::Form& form, const char* name, const char* caption, int left,
                           int top) {
  ui::Label* label = form.Add<ui::Label>();
  label->SetName(name);
  label->SetCaption(caption);
  label->SetBounds({left, top, 0, 13});
  return label;
}

}  // namespace shell
