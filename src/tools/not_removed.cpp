#include "tools/not_removed.h"

#include "base/convert.h"
#include "page/page_context.h"

namespace tools {
namespace {

// More names than this would make a box taller than the screen.
constexpr size_t kNamesShown = 10;

}  // namespace

void ReportNotRemoved(page::PageContext& form, const std::vector<std::string>& entries,
                      const std::string& reason) {
  if (entries.empty()) return;
  std::string text;
  if (entries.size() == 1) {
    text = "Der Eintrag\n" + entries.front() + "\nkonnte nicht entfernt werden.";
  } else {
    text = "Folgende Einträge konnten nicht entfernt werden:";
    for (size_t i = 0; i < entries.size() && i < kNamesShown; ++i) text += "\n" + entries[i];
    if (entries.size() > kNamesShown) {
      text +=
          "\nund " + base::IntToStr(static_cast<int>(entries.size() - kNamesShown)) + " weitere.";
    }
  }
  form.MessageDlg(text + "\n\n" + reason, "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
}

}  // namespace tools
