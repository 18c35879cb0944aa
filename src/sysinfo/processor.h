// The processor's clock and load, measured without holding the window up: the clock is the
// time-stamp counter against the high-resolution counter over the time between two readings,
// the load the busy share of the processors' times between two readings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "os/system.h"

namespace sysinfo {

class ClockMeter {
 public:
  // The clock in MHz as text with that many decimals; "200" on a processor without a
  // time-stamp counter. The first reading of a run waits kFirstSpanMs for a second one; later
  // ones measure over the time since the reading before.
  // A reading too soon after the one before waits until the span says something about the clock.
  std::string GetCPUTakt(os::System& system, int decimals);
  static constexpr uint32_t kFirstSpanMs = 50;
  // Takes the first reading of a run without waiting, so that a GetCPUTakt some time later
  // needs no wait at all.
  void Start(os::System& system);

 private:
  struct Reading {
    uint64_t cycles;
    uint64_t count;
  };
  std::optional<Reading> Read(os::System& system) const;
  std::optional<Reading> last_;
  double mhz_ = 0;
};

class LoadMeter {
 public:
  // Remembers the processors' times so far; the next Percent measures from here.
  void Start(os::System& system);
  // The load since the reading before, 0..100; none where the system keeps no times.
  std::optional<int> Percent(os::System& system);

 private:
  std::optional<os::ProcessorTimes> last_;
};

}  // namespace sysinfo
