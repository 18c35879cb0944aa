// Pages without a window: a page context whose page area lies on a form that is never shown,
// on the windowless toolkit the program is composed with. A profile builds each page there to
// read what it shows and applies it as its apply button would. Nothing asks: a confirmation is
// answered "Ja" (the profile decided), a message box is kept for whoever reports the run.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "page/page_context.h"
#include "page/page_table.h"
#include "ui/form.h"

namespace profile {

class PageHost : public page::PageContext {
 public:
  // services.ui must be a toolkit without windows; pages: every page's builder.
  PageHost(page::Services& services, const page::PageTable& pages);
  ~PageHost() override;

  // The shared state of the running window: version, paths, the user's key.
  void CopyStateOf(const page::PageContext& window);
  // Or read as start-up reads it, without writing anything.
  void ReadState();

  // Builds the page anew, the one before goes; its reader has run.
  void Build(int pageId);
  // The messages pages showed since the last call, as "caption: text".
  std::vector<std::string> TakeMessages();

  void SetDescription(const std::string&) override {}
  void ShowInformationArea(page::InfoArea) override {}
  void BindApply(std::function<void()> writer) override { writer_ = std::move(writer); }
  void SetStatusText(std::string) override {}
  bool Confirm(const std::string& message, const std::string& caption) override;
  int MessageDlg(const std::string& text, const std::string& caption, ui::MsgButtons buttons,
                 ui::MsgIcon icon) override;
  ui::Form& OwnerForm() override { return form_; }
  void Dialog(ui::Edit&) override {}

 private:
  const page::PageTable& pages_;
  ui::Form form_;
  ui::Panel* area_ = nullptr;
  std::function<void()> writer_;
  std::vector<std::string> messages_;
};

}  // namespace profile
