// The running system through kernel32, advapi32 and user32; what NT 4.0 lacks (the power
// status, the large memory figures) and the processors' times of ntdll are looked up at run
// time.
#pragma once

#include "os/system.h"

namespace win32 {

class Win32System : public os::System {
 public:
  uint32_t GetVersion() const override;
  os::PrivilegeResult EnableShutdownPrivilege() override;
  bool RequestExit(unsigned flags) override;
  std::vector<std::string> EnvironmentBlock() const override;
  std::string WindowsDirectory() const override;

  std::string ComputerName() const override;
  std::string UserName() const override;
  os::ProcessorInfo Processor() const override;
  os::MemoryStatus Memory() const override;
  uint32_t TickCount() const override;
  os::SystemTime LocalTime() const override;
  os::TimeZone CurrentTimeZone() const override;
  std::optional<os::PowerStatus> Power() const override;
  int SystemMetric(int index) const override;
  os::UserParameters Parameters() const override;
  std::optional<os::ProcessorTimes> ProcessorTimesSoFar() const override;
  std::optional<uint64_t> CycleCount() const override;
  uint64_t PerformanceCount() const override;
  uint64_t PerformanceFrequency() const override;
  void Sleep(uint32_t milliseconds) override;
};

}  // namespace win32
