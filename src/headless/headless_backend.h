// The toolkit in memory, for tests: no windows, only the controls' own state. Tests act as the
// user through the controls' User... methods and script what modal forms, message boxes and
// common dialogs answer.
#pragma once

#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace headless {

struct ShownMessage {
  std::string text;
  std::string caption;
  ui::MsgButtons buttons;
  ui::MsgIcon icon;
};

class HeadlessDialogs : public ui::Dialogs {
 public:
  int ShowMessage(std::string_view text, std::string_view caption, ui::MsgButtons buttons,
                  ui::MsgIcon icon) override;
  std::optional<std::string> OpenFile(const ui::FileDialogOptions& options) override;
  std::optional<std::string> BrowseFolder(const std::string& title) override;
  bool ChooseFont(ui::Font& font, const std::function<void(const ui::Font&)>& onApply) override;
  bool ChooseColor(ui::Color& color) override;

  // Scripted answers, used in order. Without one a message box answers OK (or the first
  // button) and the other dialogs are cancelled.
  void AnswerMessage(int result) { messageAnswers_.push_back(result); }
  void AnswerOpenFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
  void AnswerBrowseFolder(std::optional<std::string> path) {
    folderAnswers_.push_back(std::move(path));
  }
  // The font chosen; preview lists fonts "applied" in the dialog before it closes.
  void AnswerFont(std::optional<ui::Font> font, std::vector<ui::Font> preview = {}) {
    fontAnswers_.push_back({std::move(font), std::move(preview)});
  }
  void AnswerColor(std::optional<ui::Color> color) { colorAnswers_.push_back(color); }

  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<ui::FileDialogOptions>& FileDialogs() const { return fileDialogs_; }
  void ClearLog() {
    messages_.clear();
    fileDialogs_.clear();
  }

 private:
  struct FontAnswer {
    std::optional<ui::Font> font;
    std::vector<ui::Font> preview;
  };
  std::deque<int> messageAnswers_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::deque<std::optional<std::string>> folderAnswers_;
  std::deque<FontAnswer> fontAnswers_;
  std::deque<std::optional<ui::Color>> colorAnswers_;
  std::vector<ShownMessage> messages_;
  std::vector<ui::FileDialogOptions> fileDialogs_;
};

class HeadlessBackend : public ui::Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  std::unique_ptr<ui::Peer> CreatePeer(ui::Control& control) override;
  ui::Dialogs& GetDialogs() override { return dialogs_; }
  int RunModal(ui::Form& form) override;
  void ProcessMessages() override;
  void SetScreenCursor(ui::Cursor cursor) override;
  ui::Cursor ScreenCursor() const override { return cursor_; }
  ui::Point TextExtent(const ui::Font& font, std::string_view text) override;
  ui::Point FrameSize(const ui::Form& form) override;
  ui::Rect WorkArea() override { return {0, 0, 1024, 768}; }
  ui::Point ClientToScreen(const ui::Control& control, ui::Point point) override;
  void ShowPopupMenu(ui::PopupMenu& menu, ui::Point screen) override;
  void TimerChanged(ui::Timer& timer) override;
  void TimerDestroyed(ui::Timer& timer) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  void SetApplicationState(ui::WindowState state) override { applicationStates_.push_back(state); }

  HeadlessDialogs& Dialogs() { return dialogs_; }

  // Modal forms: the next one shown is handed to this function, which acts in it (presses a
  // button, types). When it returns without a result the form counts as closed (cancel).
  void OnNextModal(std::function<void(ui::Form&)> act) { modalActs_.push_back(std::move(act)); }
  const std::vector<std::string>& ModalCaptions() const { return modalCaptions_; }
  int PendingModalActs() const { return static_cast<int>(modalActs_.size()); }

  // Runs inside every ProcessMessages call (a test re-enters the program there).
  void SetPendingMessages(std::function<void()> hook) { pendingMessages_ = std::move(hook); }
  int ProcessMessagesCalls() const { return processMessagesCalls_; }

  // Fires every active timer once, or those whose interval is at most longestMs; returns how
  // many fired.
  int TickTimers(int longestMs = std::numeric_limits<int>::max());
  int ActiveTimers() const;

  // The menus shown since the last call, newest last.
  std::vector<ui::PopupMenu*> TakeShownMenus();
  const std::vector<ui::Cursor>& CursorHistory() const { return cursorHistory_; }

  // Controls that have a peer now: every control not yet destroyed.
  int LivePeers() const { return livePeers_; }

  // Every minimise and restore of the application's window, oldest first.
  const std::vector<ui::WindowState>& ApplicationStates() const { return applicationStates_; }

 private:
  class CountingPeer;
  HeadlessDialogs dialogs_;
  std::deque<std::function<void(ui::Form&)>> modalActs_;
  std::vector<std::string> modalCaptions_;
  std::function<void()> pendingMessages_;
  int processMessagesCalls_ = 0;
  std::vector<ui::Timer*> timers_;
  std::vector<ui::PopupMenu*> shownMenus_;
  ui::Cursor cursor_ = ui::Cursor::Default;
  std::vector<ui::Cursor> cursorHistory_;
  bool terminated_ = false;
  int livePeers_ = 0;
  std::vector<ui::WindowState> applicationStates_;
};

}  // namespace headless
