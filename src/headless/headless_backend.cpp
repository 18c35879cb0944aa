#include "headless/headless_backend.h"

#include <algorithm>

#include "base/utf.h"
#include "ui/controls.h"

namespace headless {

// --- dialogs -----------------------------------------------------------------------------------

int HeadlessDialogs::ShowMessage(std::string_view text, std::string_view caption,
                                 ui::MsgButtons buttons, ui::MsgIcon icon) {
  messages_.push_back({std::string(text), std::string(caption), buttons, icon});
  if (!messageAnswers_.empty()) {
    const int answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
  }
  switch (buttons) {
    case ui::MsgButtons::YesNo:
    case ui::MsgButtons::YesNoCancel:
      return ui::mrYes;
    case ui::MsgButtons::RetryCancel:
      return ui::mrRetry;
    case ui::MsgButtons::AbortRetryIgnore:
      return ui::mrAbort;
    default:
      return ui::mrOk;
  }
}

std::optional<std::string> HeadlessDialogs::OpenFile(const ui::FileDialogOptions& options) {
  fileDialogs_.push_back(options);
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

std::optional<std::string> HeadlessDialogs::BrowseFolder(const std::string&) {
  if (folderAnswers_.empty()) return std::nullopt;
  auto answer = std::move(folderAnswers_.front());
  folderAnswers_.pop_front();
  return answer;
}

bool HeadlessDialogs::ChooseFont(ui::Font& font,
                                 const std::function<void(const ui::Font&)>& onApply) {
  if (fontAnswers_.empty()) return false;
  FontAnswer answer = std::move(fontAnswers_.front());
  fontAnswers_.pop_front();
  for (const auto& preview : answer.preview) {
    if (onApply) onApply(preview);
  }
  if (!answer.font) return false;
  font = *answer.font;
  return true;
}

bool HeadlessDialogs::ChooseColor(ui::Color& color) {
  if (colorAnswers_.empty()) return false;
  const auto answer = colorAnswers_.front();
  colorAnswers_.pop_front();
  if (!answer) return false;
  color = *answer;
  return true;
}

// --- backend -----------------------------------------------------------------------------------

class HeadlessBackend::CountingPeer : public ui::Peer {
 public:
  explicit CountingPeer(int& live) : live_(live) { ++live_; }
  ~CountingPeer() override { --live_; }
  void Update(ui::Change) override {}

 private:
  int& live_;
};

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<ui::Peer> HeadlessBackend::CreatePeer(ui::Control&) {
  return std::make_unique<CountingPeer>(livePeers_);
}

int HeadlessBackend::RunModal(ui::Form& form) {
  modalCaptions_.push_back(form.Caption());
  form.BeginModal();
  if (!modalActs_.empty()) {
    auto act = std::move(modalActs_.front());
    modalActs_.pop_front();
    ui::RunEvent(this, [&] { act(form); });
  }
  if (form.Modal() && form.GetModalResult() == ui::mrNone) form.Close();
  const int result = form.GetModalResult() == ui::mrNone ? ui::mrCancel : form.GetModalResult();
  form.EndModal();
  return result;
}

void HeadlessBackend::ProcessMessages() {
  ++processMessagesCalls_;
  if (pendingMessages_) {
    auto hook = pendingMessages_;
    hook();
  }
}

void HeadlessBackend::SetScreenCursor(ui::Cursor cursor) {
  cursor_ = cursor;
  cursorHistory_.push_back(cursor);
}

ui::Point HeadlessBackend::TextExtent(const ui::Font& font, std::string_view text) {
  // An average character is a little under half the font height wide (8 pt: 5 pixels).
  size_t characters = 0;
  for (size_t pos = 0; pos < text.size(); ++characters) base::DecodeUtf8(text, pos);
  const int perCharacter =
      std::max(1, (font.height * 5 + 5) / 11 + ((font.style & ui::kBold) ? 1 : 0));
  return {static_cast<int>(characters) * perCharacter, font.height + 2};
}

ui::Point HeadlessBackend::FrameSize(const ui::Form& form) {
  switch (form.Border()) {
    case ui::FormBorder::Sizeable:
      return {8, 27};
    case ui::FormBorder::Dialog:
    case ui::FormBorder::Single:
      return {6, 25};
    case ui::FormBorder::ToolWindow:
    case ui::FormBorder::SizeToolWin:
      return {6, 21};
    case ui::FormBorder::None:
      return {0, 0};
  }
  return {0, 0};
}

ui::Point HeadlessBackend::ClientToScreen(const ui::Control& control, ui::Point point) {
  const ui::Form* form = control.ParentForm();
  const ui::Rect inForm =
      control.Kind() == ui::ControlKind::Form ? ui::Rect{} : control.BoundsInForm();
  const ui::Point frame = form ? FrameSize(*form) : ui::Point{};
  const int left = form ? form->Left() + frame.x / 2 : 0;
  const int top = form ? form->Top() + frame.y - frame.x / 2 : 0;
  return {left + inForm.left + point.x, top + inForm.top + point.y};
}

void HeadlessBackend::ShowPopupMenu(ui::PopupMenu& menu, ui::Point) {
  shownMenus_.push_back(&menu);
}

std::vector<ui::PopupMenu*> HeadlessBackend::TakeShownMenus() {
  auto shown = std::move(shownMenus_);
  shownMenus_.clear();
  return shown;
}

void HeadlessBackend::TimerChanged(ui::Timer& timer) {
  if (std::find(timers_.begin(), timers_.end(), &timer) == timers_.end()) {
    timers_.push_back(&timer);
  }
}

void HeadlessBackend::TimerDestroyed(ui::Timer& timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

int HeadlessBackend::TickTimers(int longestMs) {
  const auto timers = timers_;
  int fired = 0;
  for (ui::Timer* timer : timers) {
    // A tick may destroy other timers.
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) continue;
    if (timer->Active() && timer->Interval() > 0 && timer->Interval() <= longestMs) {
      timer->Tick();
      ++fired;
    }
  }
  return fired;
}

int HeadlessBackend::ActiveTimers() const {
  return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                        [](const ui::Timer* t) { return t->Active(); }));
}

}  // namespace headless
