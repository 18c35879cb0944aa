// Process and system services: the version word, the shutdown privilege and shutdown, the
// environment and the system folders, and what the information pages show of the machine.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "os/machine.h"

namespace os {

enum class PrivilegeResult {
  TokenNotOpened,  // the process token could not be opened for adjusting
  Enabled,         // adjusted, and the last error afterwards was 0
  NotEnabled,      // adjusted, but the system reported an error
};

class System {
 public:
  virtual ~System() = default;

  // The packed version word: major version in the lowest byte, minor in the next, build number
  // in the high word; the high bit is set outside the NT family.
  virtual uint32_t GetVersion() const = 0;

  virtual PrivilegeResult EnableShutdownPrivilege() = 0;
  // Logs off, shuts down or restarts (the ExitWindowsEx flags); false when refused.
  virtual bool RequestExit(unsigned flags) = 0;

  // The process environment block, entry by entry ("NAME=value"), in its own order.
  virtual std::vector<std::string> EnvironmentBlock() const = 0;
  // The Windows folder without a trailing backslash ("C:\WINNT").
  virtual std::string WindowsDirectory() const = 0;

  // --- the machine ------------------------------------------------------------------------------
  virtual std::string ComputerName() const = 0;
  virtual std::string UserName() const = 0;
  virtual ProcessorInfo Processor() const = 0;
  virtual MemoryStatus Memory() const = 0;
  // Milliseconds since the system started (wraps after 49.7 days).
  virtual uint32_t TickCount() const = 0;
  virtual SystemTime LocalTime() const = 0;
  virtual TimeZone CurrentTimeZone() const = 0;
  // None where the system cannot tell.
  virtual std::optional<PowerStatus> Power() const = 0;
  virtual int SystemMetric(int index) const = 0;
  virtual UserParameters Parameters() const = 0;
  // The processors' times so far; none where the system does not keep them.
  virtual std::optional<ProcessorTimes> ProcessorTimesSoFar() const = 0;
  // The processor's time-stamp counter; none on a processor without one.
  virtual std::optional<uint64_t> CycleCount() const = 0;
  // The high-resolution counter and its ticks per second.
  virtual uint64_t PerformanceCount() const = 0;
  virtual uint64_t PerformanceFrequency() const = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
};

// A system whose answers the tests choose.
class MemorySystem : public System {
 public:
  static constexpr uint32_t kNt4 = 4 | (0 << 8) | (1381u << 16);
  static constexpr uint32_t kWindows2000 = 5 | (0 << 8) | (2195u << 16);
  static constexpr uint32_t kWindowsXp = 5 | (1 << 8) | (2600u << 16);

  uint32_t GetVersion() const override { return version; }
  PrivilegeResult EnableShutdownPrivilege() override { return privilege; }
  bool RequestExit(unsigned flags) override {
    exitRequests.push_back(flags);
    return true;
  }
  std::vector<std::string> EnvironmentBlock() const override { return environment; }
  std::string WindowsDirectory() const override { return windowsDirectory; }

  uint32_t version = kWindows2000;
  PrivilegeResult privilege = PrivilegeResult::Enabled;
  std::vector<unsigned> exitRequests;
  std::vector<std::string> environment = {
      "ALLUSERSPROFILE=C:\\Documents and Settings\\All Users",
      "APPDATA=C:\\Documents and Settings\\Anwender\\Anwendungsdaten",
      "USERPROFILE=C:\\Documents and Settings\\Anwender",
      "windir=C:\\WINNT",
  };
  std::string windowsDirectory = "C:\\WINNT";

  std::string ComputerName() const override { return computerName; }
  std::string UserName() const override { return userName; }
  ProcessorInfo Processor() const override { return processor; }
  MemoryStatus Memory() const override { return memory; }
  uint32_t TickCount() const override { return tickCount; }
  SystemTime LocalTime() const override { return localTime; }
  TimeZone CurrentTimeZone() const override { return timeZone; }
  std::optional<PowerStatus> Power() const override { return power; }
  int SystemMetric(int index) const override {
    const auto it = metrics.find(index);
    return it == metrics.end() ? 0 : it->second;
  }
  UserParameters Parameters() const override { return parameters; }
  std::optional<ProcessorTimes> ProcessorTimesSoFar() const override { return processorTimes; }
  std::optional<uint64_t> CycleCount() const override {
    if (!hasCycleCounter) return std::nullopt;
    return cycles;
  }
  uint64_t PerformanceCount() const override { return performanceCount; }
  uint64_t PerformanceFrequency() const override { return kPerformanceFrequency; }
  // Time passes only here: the counters advance as a processor of processorMhz would.
  void Sleep(uint32_t milliseconds) override { Advance(milliseconds); }
  void Advance(uint32_t milliseconds) {
    performanceCount += kPerformanceFrequency / 1000 * milliseconds;
    cycles += static_cast<uint64_t>(processorMhz * 1000.0 * milliseconds);
    tickCount += milliseconds;
  }

  static constexpr uint64_t kPerformanceFrequency = 10000000;
  std::string computerName = "RECHNER1";
  std::string userName = "Anwender";
  ProcessorInfo processor;
  MemoryStatus memory;
  uint32_t tickCount = 0;
  SystemTime localTime{2026, 12, 0, 6, 12, 0, 0, 0};
  TimeZone timeZone;
  std::optional<PowerStatus> power = PowerStatus{};
  std::map<int, int> metrics;
  UserParameters parameters;
  std::optional<ProcessorTimes> processorTimes;
  bool hasCycleCounter = true;
  double processorMhz = 500.0;
  uint64_t cycles = 0;
  uint64_t performanceCount = 0;
};

}  // namespace os
