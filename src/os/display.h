// The display driver: the modes it offers, the mode the screen is in, and switching modes.
#pragma once

#include <map>
#include <optional>
#include <vector>

namespace os {

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int frequency = 0;  // hertz; 0 is the driver's default rate
  bool operator==(const DisplayMode&) const = default;
};

// The driver's answers to a mode change (the DISP_CHANGE_ results).
enum class DisplayChange { Successful, Restart, Failed, BadMode, NotUpdated, BadFlags, BadParam };

enum class ChangeKind {
  Test,            // only asks whether the mode would work
  UpdateRegistry,  // switches and keeps the mode for the next logon
};

class Display {
 public:
  virtual ~Display() = default;
  // Mode number n of the driver's list; none past its end.
  virtual std::optional<DisplayMode> Mode(int n) = 0;
  // The screen as it is now.
  virtual DisplayMode Current() = 0;
  // Changes to (or tests) mode number n as the driver lists it.
  virtual DisplayChange ChangeTo(int n, ChangeKind kind) = 0;
  // What the screen's device context reports for a GetDeviceCaps index.
  virtual int DeviceCaps(int index) = 0;
};

// A driver whose modes and answers the tests choose; an applied change becomes the current mode.
class MemoryDisplay : public Display {
 public:
  std::optional<DisplayMode> Mode(int n) override {
    if (n < 0 || n >= static_cast<int>(modes.size())) return std::nullopt;
    return modes[static_cast<size_t>(n)];
  }
  DisplayMode Current() override { return current; }
  DisplayChange ChangeTo(int n, ChangeKind kind) override {
    const std::optional<DisplayMode> mode = Mode(n);
    if (!mode) return DisplayChange::BadParam;
    if (kind == ChangeKind::Test) {
      tested.push_back(n);
      return testAnswer;
    }
    applied.push_back(n);
    current = *mode;
    return DisplayChange::Successful;
  }

  int DeviceCaps(int index) override {
    const auto found = caps.find(index);
    return found == caps.end() ? 0 : found->second;
  }

  std::vector<DisplayMode> modes;
  DisplayMode current;
  std::map<int, int> caps;  // GetDeviceCaps index: value
  DisplayChange testAnswer = DisplayChange::Successful;
  std::vector<int> tested;   // mode numbers, in order
  std::vector<int> applied;  // mode numbers, in order
};

}  // namespace os
