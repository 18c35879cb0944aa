// "Was ändert diese Seite?": the registry values the page on show reads and writes, with what
// the registry holds now, in a small modal window.
#pragma once

#include <string>
#include <vector>

#include "page/value_listing.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"

namespace shell {

class PageValuesWindow {
 public:
  PageValuesWindow(ui::Backend& backend, ui::Form* owner, const std::string& pageText,
                   const std::vector<page::ValueRow>& rows);

  ui::Form& Form() { return form_; }
  void Execute() { form_.ShowModal(); }

  ui::Label* Label1;
  ui::ListView* ListView1;
  ui::Button* Button1;  // "Schließen"

 private:
  ui::Form form_;
};

}  // namespace shell
