// The "Systeminformationen" pages: each registers its builder with the page table.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "page/page_context.h"
#include "page/page_table.h"
#include "sysinfo/processor.h"

namespace sysinfo {

// What the information pages keep between builds.
struct SysInfoState {
  // 1 once the processor-load page was shown: clock texts then carry five decimals.
  int CpuPageShown = 0;
  // Display name, map identifier, start of daylight-saving and of standard time, daylight and
  // standard bias of the current zone.
  std::vector<std::string> TimeZoneLines;
  ClockMeter clock;
  LoadMeter load;

  std::string GetCPUTakt(page::PageContext& form) {
    return clock.GetCPUTakt(form.services.system, CpuPageShown ? 5 : 0);
  }
};

inline constexpr int kGeneralPage = 84;
inline constexpr int kEnvironmentPage = 86;
inline constexpr int kInputPage = 87;
inline constexpr int kDesktopPage = 88;
inline constexpr int kTimeZonePage = 89;
inline constexpr int kDevicePage = 154;
inline constexpr int kPowerPage = 159;
inline constexpr int kNetworkPage = 161;
inline constexpr int kProcessorPage = 52;

// Every information page of this unit.
void RegisterSysInfoPages(page::PageTable& table);

// "Laufwerke" (PageId 85) and "Grafikkarte" (PageId 152).
void RegisterDrivePage(page::PageTable& table);
void RegisterGraphicsPage(page::PageTable& table);

// A size as the drive list writes it: rounded to three decimals, "." as the decimal point, no
// thousands separators (0.5 is "0.500").
std::string Normiere(double value);

// The pages one by one (RegisterSysInfoPages registers them all over one state).
void RegisterInfoListPages(page::PageTable& table, const std::shared_ptr<SysInfoState>& state);
void RegisterTimeZonePage(page::PageTable& table, const std::shared_ptr<SysInfoState>& state);
void RegisterProcessorPage(page::PageTable& table, const std::shared_ptr<SysInfoState>& state);
void RegisterDevicePage(page::PageTable& table);

// The rows an information list shows, for a page to fill.
class InfoList;
// Appends the network adapters and the protocols, services and clients (page "Netzwerk").
void FillNetworkInfo(page::PageContext& form, InfoList& list);

}  // namespace sysinfo
