#include "profile/page_host.h"

#include "page/start_up.h"

namespace profile {

PageHost::PageHost(page::Services& servicesIn, const page::PageTable& pages)
    : PageContext(servicesIn, area_), pages_(pages), form_(servicesIn.ui) {
  form_.SetName("ProfilePages");
  // The pages' own size, so that they lay out as on the main window.
  form_.SetBounds({0, 0, 480, 360});
  area_ = form_.Add<ui::Panel>();
  area_->SetAlign(ui::Align::Client);
}

PageHost::~PageHost() {
  // The page's controls go before the slots that point at them.
  Panel();
}

void PageHost::CopyStateOf(const page::PageContext& window) {
  WindowsVersion = window.WindowsVersion;
  InstallDir = window.InstallDir;
  WindowsDir = window.WindowsDir;
  SystemDir = window.SystemDir;
  DeviceClassKey = window.DeviceClassKey;
  AllUsersProfileDir = window.AllUsersProfileDir;
  UserProfileDir = window.UserProfileDir;
  AppDataDir = window.AppDataDir;
  UserKeyName = window.UserKeyName;
  UserFont = window.UserFont;
}

void PageHost::ReadState() {
  page::ReadSharedState(*this);
}

void PageHost::Build(int pageId) {
  writer_ = nullptr;
  Panel();
  try {
    pages_.Build(pageId, *this);
  } catch (const std::exception& error) {
    // As on the window: a failing builder leaves its page as far as it got.
    Trace().Failure("PageHost::Build", error.what());
  }
}

std::vector<std::string> PageHost::TakeMessages() {
  return std::exchange(messages_, {});
}

bool PageHost::Confirm(const std::string&, const std::string&) {
  ConfirmResult = 1;
  return true;
}

int PageHost::MessageDlg(const std::string& text, const std::string& caption,
                         ui::MsgButtons buttons, ui::MsgIcon) {
  messages_.push_back(caption + ": " + text);
  // The answer a person would give to go on: yes to a question, OK to a note.
  const bool question = buttons == ui::MsgButtons::YesNo || buttons == ui::MsgButtons::YesNoCancel;
  return question ? ui::mrYes : ui::mrOk;
}

}  // namespace profile
