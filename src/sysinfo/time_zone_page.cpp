// "Zeitzone": the current zone's name and, when it has daylight-saving time, this year's two
// transitions with their biases, as a tree.
#include "base/convert.h"
#include "page/page_frame.h"
#include "sysinfo/calendar.h"
#include "sysinfo/devices.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
namespace {

constexpr const char* kTimeZonesKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

bool GetTZDaylightSavingInfoForYear(int year, const os::TimeZone& zone,
                                    std::vector<std::string>& lines) {
  if (zone.daylightDate.month == 0 || zone.standardDate.month == 0) return true;
  lines.push_back(DateTimeText(DSTDate2Date(year, zone.daylightDate)));
  lines.push_back(DateTimeText(DSTDate2Date(year, zone.standardDate)));
  lines.push_back(base::IntToStr(zone.bias + zone.daylightBias));
  lines.push_back(base::IntToStr(zone.bias + zone.standardBias));
  return true;
}

// Lines 0 and 1 come from the registry's zone equal to the current one; where none is, they
// stay empty so that the transitions keep their places 2 to 5.
void GetInfo(page::PageContext& form, SysInfoState& state) {
  state.TimeZoneLines.clear();
  const os::TimeZone current = form.services.system.CurrentTimeZone();
  std::string display, mapId;
  if (const auto zones = form.services.registry.OpenKey(os::RegRoot::LocalMachine, kTimeZonesKey,
                                                        os::RegAccess::Read)) {
    for (const std::string& name : zones->SubKeyNames()) {
      const auto zoneKey = zones->OpenSubKey(name, os::RegAccess::Read);
      os::RegValue tzi;
      if (!zoneKey || zoneKey->QueryValue("TZI", tzi) != os::RegStatus::Ok) continue;
      std::optional<os::TimeZone> zone = ParseTzi(tzi.data);
      if (!zone) continue;
      // The names are read only where the numbers match: two reads less for nearly every zone.
      os::TimeZone numbers = *zone;
      numbers.standardName = current.standardName;
      numbers.daylightName = current.daylightName;
      if (!IsEqualTZ(numbers, current)) continue;
      StringValue(*zoneKey, "Std", zone->standardName);
      StringValue(*zoneKey, "Dlt", zone->daylightName);
      if (!IsEqualTZ(*zone, current)) continue;
      display.clear();
      mapId.clear();
      StringValue(*zoneKey, "Display", display);
      StringValue(*zoneKey, "MapID", mapId);
    }
  }
  state.TimeZoneLines = {display, mapId};
  GetTZDaylightSavingInfoForYear(form.services.system.LocalTime().year, current,
                                 state.TimeZoneLines);
}

void BuildTimeZonePage(page::PageContext& form, SysInfoState& state) {
  page::BeginPage(form, kTimeZonePage, "");
  page::Quietly(
      form, [&] { GetInfo(form, state); }, "GetInfo");
  ui::TreeView* tree = form.CreatePageTree();
  if (!tree) return;
  form.TreeView(10, 40, 470, 330);
  const std::vector<std::string>& lines = state.TimeZoneLines;
  ui::TreeNode* root = tree->Add(nullptr, "Informationen zur Zeitzone");
  ui::TreeNode* zone = tree->Add(root, "Zeitzone");
  tree->Add(zone, lines.empty() ? "" : lines[0]);
  // A zone without daylight-saving time says so instead of showing empty transitions.
  ui::TreeNode* change = tree->Add(root, "Umstellung der Uhrzeit");
  if (lines.size() < 6) {
    tree->Add(change, "keine Umstellung");
  } else {
    ui::TreeNode* summer = tree->Add(change, "Sommerzeit");
    tree->Add(summer, lines[2]);
    tree->Add(summer, "Bias : " + lines[4]);
    ui::TreeNode* winter = tree->Add(change, "Winterzeit");
    tree->Add(winter, lines[3]);
    tree->Add(winter, "Bias : " + lines[5]);
  }
  root->Expand(true);
}

}  // namespace

void RegisterTimeZonePage(page::PageTable& table, const std::shared_ptr<SysInfoState>& state) {
  table.Register(kTimeZonePage,
                 [state](page::PageContext& form) { BuildTimeZonePage(form, *state); });
}

}  // namespace sysinfo
