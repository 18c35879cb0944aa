// The machine's figures for the information pages.
#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <vector>

#include "win32/wide.h"
#include "win32/win32_system.h"

namespace win32 {
namespace {

// A function of a module every process has loaded; null where this system lacks it.
template <class F>
F LookUp(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  return handle ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
                : nullptr;
}

os::SystemTime FromSystemTime(const SYSTEMTIME& time) {
  return {time.wYear, time.wMonth,  time.wDayOfWeek, time.wDay,
          time.wHour, time.wMinute, time.wSecond,    time.wMilliseconds};
}

std::string NameOf(const WCHAR (&name)[32]) {
  return Narrow(std::wstring_view(name, wcsnlen(name, 32)));
}

// ntdll's record of one processor's times (class 8 of NtQuerySystemInformation).
struct ProcessorPerformance {
  LARGE_INTEGER idleTime;
  LARGE_INTEGER kernelTime;  // idle time included
  LARGE_INTEGER userTime;
  LARGE_INTEGER reserved1[2];
  ULONG reserved2;
};
constexpr ULONG kProcessorPerformanceClass = 8;
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
using GetSystemPowerStatusFn = BOOL(WINAPI*)(SYSTEM_POWER_STATUS*);
using GlobalMemoryStatusExFn = BOOL(WINAPI*)(MEMORYSTATUSEX*);

}  // namespace

std::string Win32System::ComputerName() const {
  wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(buffer, &size)) return "";
  return Narrow(std::wstring_view(buffer, size));
}

std::string Win32System::UserName() const {
  wchar_t buffer[257];
  DWORD size = 257;
  if (!GetUserNameW(buffer, &size) || size == 0) return "";
  return Narrow(std::wstring_view(buffer, size - 1));
}

os::ProcessorInfo Win32System::Processor() const {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return {info.dwProcessorType,
          info.dwNumberOfProcessors,
          info.dwPageSize,
          reinterpret_cast<uintptr_t>(info.lpMinimumApplicationAddress),
          reinterpret_cast<uintptr_t>(info.lpMaximumApplicationAddress),
          info.dwAllocationGranularity,
          info.wProcessorLevel,
          info.wProcessorRevision};
}

os::MemoryStatus Win32System::Memory() const {
  // The extended figures where the system has them: the old call caps at 4 GB.
  if (auto ex = LookUp<GlobalMemoryStatusExFn>(L"kernel32.dll", "GlobalMemoryStatusEx")) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (ex(&status)) {
      return {status.dwMemoryLoad,     status.ullTotalPhys,     status.ullAvailPhys,
              status.ullTotalPageFile, status.ullAvailPageFile, status.ullTotalVirtual,
              status.ullAvailVirtual};
    }
  }
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return {status.dwMemoryLoad,    status.dwTotalPhys,     status.dwAvailPhys,
          status.dwTotalPageFile, status.dwAvailPageFile, status.dwTotalVirtual,
          status.dwAvailVirtual};
}

uint32_t Win32System::TickCount() const {
  return GetTickCount();
}

os::SystemTime Win32System::LocalTime() const {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return FromSystemTime(time);
}

os::TimeZone Win32System::CurrentTimeZone() const {
  TIME_ZONE_INFORMATION info{};
  GetTimeZoneInformation(&info);
  return {info.Bias,         NameOf(info.StandardName), FromSystemTime(info.StandardDate),
          info.StandardBias, NameOf(info.DaylightName), FromSystemTime(info.DaylightDate),
          info.DaylightBias};
}

std::optional<os::PowerStatus> Win32System::Power() const {
  auto get = LookUp<GetSystemPowerStatusFn>(L"kernel32.dll", "GetSystemPowerStatus");
  SYSTEM_POWER_STATUS status{};
  if (!get || !get(&status)) return std::nullopt;
  return os::PowerStatus{status.ACLineStatus, status.BatteryFlag, status.BatteryLifePercent,
                         status.BatteryLifeTime, status.BatteryFullLifeTime};
}

int Win32System::SystemMetric(int index) const {
  return GetSystemMetrics(index);
}

os::UserParameters Win32System::Parameters() const {
  os::UserParameters result;
  int mouse[3] = {};
  if (SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0)) {
    result.mouseThreshold1 = mouse[0];
    result.mouseThreshold2 = mouse[1];
    result.mouseSpeed = mouse[2];
  }
  BOOL flag = FALSE;
  result.beep = SystemParametersInfoW(SPI_GETBEEP, 0, &flag, 0) && flag;
  flag = FALSE;
  result.fullWindowDrag = SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &flag, 0) && flag;
  ANIMATIONINFO animation{};
  animation.cbSize = sizeof animation;
  result.minimizeAnimation =
      SystemParametersInfoW(SPI_GETANIMATION, sizeof animation, &animation, 0) &&
      animation.iMinAnimate;
  int grid = 0;
  result.gridGranularity = SystemParametersInfoW(SPI_GETGRIDGRANULARITY, 0, &grid, 0) ? grid : 0;
  ICONMETRICSW icons{};
  icons.cbSize = sizeof icons;
  if (SystemParametersInfoW(SPI_GETICONMETRICS, sizeof icons, &icons, 0)) {
    result.iconSpacingHorizontal = icons.iHorzSpacing;
    result.iconSpacingVertical = icons.iVertSpacing;
    result.iconTitleWrap = icons.iTitleWrap != 0;
  }
  return result;
}

std::optional<os::ProcessorTimes> Win32System::ProcessorTimesSoFar() const {
  auto query = LookUp<NtQuerySystemInformationFn>(L"ntdll.dll", "NtQuerySystemInformation");
  if (!query) return std::nullopt;
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  std::vector<ProcessorPerformance> records(info.dwNumberOfProcessors ? info.dwNumberOfProcessors
                                                                      : 1);
  ULONG returned = 0;
  const ULONG size = static_cast<ULONG>(records.size() * sizeof(ProcessorPerformance));
  if (query(kProcessorPerformanceClass, records.data(), size, &returned) < 0) {
    return std::nullopt;
  }
  os::ProcessorTimes times;
  for (size_t i = 0; i < returned / sizeof(ProcessorPerformance) && i < records.size(); ++i) {
    times.idle += static_cast<uint64_t>(records[i].idleTime.QuadPart);
    times.total += static_cast<uint64_t>(records[i].kernelTime.QuadPart) +
                   static_cast<uint64_t>(records[i].userTime.QuadPart);
  }
  return times;
}

std::optional<uint64_t> Win32System::CycleCount() const {
  // CPUID leaf 1, EDX bit 4: the processor has a time-stamp counter.
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx) || !(edx & (1u << 4))) return std::nullopt;
  return __rdtsc();
}

uint64_t Win32System::PerformanceCount() const {
  LARGE_INTEGER count{};
  QueryPerformanceCounter(&count);
  return static_cast<uint64_t>(count.QuadPart);
}

uint64_t Win32System::PerformanceFrequency() const {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return static_cast<uint64_t>(frequency.QuadPart);
}

void Win32System::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace win32
