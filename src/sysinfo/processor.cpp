#include "sysinfo/processor.h"

#include <cstdio>

namespace sysinfo {
namespace {

// Shorter spans say more about the counters' resolution than about the clock.
constexpr double kShortestSpanSeconds = 0.02;
constexpr uint32_t kShortestSpanMs = 20;

}  // namespace

std::optional<ClockMeter::Reading> ClockMeter::Read(os::System& system) const {
  const std::optional<uint64_t> cycles = system.CycleCount();
  if (!cycles) return std::nullopt;
  return Reading{*cycles, system.PerformanceCount()};
}

std::string ClockMeter::GetCPUTakt(os::System& system, int decimals) {
  const uint64_t frequency = system.PerformanceFrequency();
  std::optional<Reading> now = Read(system);
  if (!now || frequency == 0) return "200";
  if (!last_) {
    last_ = now;
    system.Sleep(kFirstSpanMs);
    now = Read(system);
    if (!now) return "200";
  } else if (const double since = static_cast<double>(now->count - last_->count) / frequency;
             since < kShortestSpanSeconds) {
    system.Sleep(kShortestSpanMs - static_cast<uint32_t>(since * 1000));
    now = Read(system);
    if (!now) return "200";
  }
  const double seconds = static_cast<double>(now->count - last_->count) / frequency;
  if (seconds >= kShortestSpanSeconds && now->cycles > last_->cycles) {
    mhz_ = static_cast<double>(now->cycles - last_->cycles) / seconds / 1e6;
    last_ = now;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, mhz_);
  return text;
}

void ClockMeter::Start(os::System& system) {
  if (!last_) last_ = Read(system);
}

void LoadMeter::Start(os::System& system) {
  last_ = system.ProcessorTimesSoFar();
}

std::optional<int> LoadMeter::Percent(os::System& system) {
  const std::optional<os::ProcessorTimes> now = system.ProcessorTimesSoFar();
  if (!now) return std::nullopt;
  const std::optional<os::ProcessorTimes> before = last_;
  last_ = now;
  if (!before || now->total <= before->total) return 0;
  const uint64_t total = now->total - before->total;
  const uint64_t idle = now->idle >= before->idle ? now->idle - before->idle : 0;
  const uint64_t busy = idle < total ? total - idle : 0;
  return static_cast<int>((busy * 100 + total / 2) / total);
}

}  // namespace sysinfo
