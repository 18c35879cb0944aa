// What the system tells about the machine: processor, memory, time, time zone, power, the
// screen's metrics and the user's desktop parameters, and the counters the processor's clock
// and load are measured with.
#pragma once

#include <cstdint>
#include <string>

namespace os {

struct ProcessorInfo {
  uint32_t processorType = 586;
  uint32_t numberOfProcessors = 1;
  uint32_t pageSize = 4096;
  uint64_t minimumApplicationAddress = 0x10000;
  uint64_t maximumApplicationAddress = 0x7FFEFFFF;
  uint32_t allocationGranularity = 65536;
  uint32_t processorLevel = 6;
  uint32_t processorRevision = 0x0801;
};

struct MemoryStatus {
  uint32_t memoryLoad = 0;  // percent in use
  uint64_t totalPhysical = 0;
  uint64_t availablePhysical = 0;
  uint64_t totalPageFile = 0;
  uint64_t availablePageFile = 0;
  uint64_t totalVirtual = 0;
  uint64_t availableVirtual = 0;
};

// The system's date-time record, field by field (day of week: Sunday = 0).
struct SystemTime {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t dayOfWeek = 0;
  uint16_t day = 0;
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
  bool operator==(const SystemTime&) const = default;
};

// A time zone: biases in minutes, the names and the two transitions.
struct TimeZone {
  int32_t bias = 0;
  std::string standardName;
  SystemTime standardDate;
  int32_t standardBias = 0;
  std::string daylightName;
  SystemTime daylightDate;
  int32_t daylightBias = 0;
};

inline constexpr uint32_t kUnknownLifeTime = 0xFFFFFFFF;

struct PowerStatus {
  uint8_t acLineStatus = 255;  // 0 off line, 1 on line, 255 unknown
  uint8_t batteryFlag = 255;
  uint8_t batteryLifePercent = 255;
  uint32_t batteryLifeTime = kUnknownLifeTime;      // seconds
  uint32_t batteryFullLifeTime = kUnknownLifeTime;  // seconds
};

// The parameters of SystemParametersInfo the information pages show.
struct UserParameters {
  int mouseThreshold1 = 6;
  int mouseThreshold2 = 10;
  int mouseSpeed = 1;
  bool beep = true;
  bool fullWindowDrag = false;
  bool minimizeAnimation = true;
  int gridGranularity = 0;
  int iconSpacingHorizontal = 75;
  int iconSpacingVertical = 75;
  bool iconTitleWrap = true;
};

// Time the processors spent, summed over all of them, in 100 ns units; busy time is total
// minus idle.
struct ProcessorTimes {
  uint64_t idle = 0;
  uint64_t total = 0;
};

}  // namespace os
