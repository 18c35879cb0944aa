#include "sysinfo/processor.h"

#include <cstdio>

namespace sysinfo {
namespace {

// Shorter spans say more about the counters' resolution than about the clock.
constexpr uint32_t kShortestSpanMs = 20;

// The shortest span in the counter's own units. Spans are compared as counts: a quotient
// compared with 0.02 comes out differently in the x87's extended precision and in SSE's double.
uint64_t ShortestSpan(uint64_t frequency) {
  return frequency * kShortestSpanMs / 1000;
}

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
  } else if (const uint64_t since = now->count - last_->count; since < ShortestSpan(frequency)) {
    system.Sleep(kShortestSpanMs - static_cast<uint32_t>(since * 1000 / frequency));
    now = Read(system);
    if (!now) return "200";
  }
  const uint64_t span = now->count - last_->count;
  if (span >= ShortestSpan(frequency) && now->cycles > last_->cycles) {
    const double seconds = static_cast<double>(span) / static_cast<double>(frequency);
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
