// googletest's customization point, for the Windows builds. Their win32 thread model (NT 4.0
// lacks what the posix one imports) has no std::mutex, which googletest's own Notification needs.
// Only googletest's thread helpers use a Notification; our tests run on one thread.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
