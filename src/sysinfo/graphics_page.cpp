// "Grafikkarte": the display adapters, the chip data of the key that holds "DacType" (found by a
// registry search), the video BIOS and the drawing capabilities of the screen. The search can
// take a while on a large registry, so it runs in slices on a timer and the window stays usable;
// leaving the page destroys the timer and with it the search.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "access/binary_text.h"
#include "access/registry_search.h"
#include "base/text.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "sysinfo/devices.h"
#include "sysinfo/info_list.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
using page::Kind;
using page::Root;

namespace {

constexpr int kPageId = 152;
constexpr const char* kSearchKey = "SYSTEM\\CurrentControlSet";
constexpr const char* kBiosKey = "HARDWARE\\DESCRIPTION\\System";
// One slice of the search, then the window gets its messages again. Under Wine a key or value
// read is a wineserver round trip: 8 keys between looks at the clock made slices of up to 75 ms
// (a key like Nls\Locale holds 256 values).
constexpr auto kSliceTime = std::chrono::milliseconds(20);
constexpr size_t kReadsPerCheck = 16;

struct Capability {
  const char* caption;
  uint32_t flag;  // as the GDI headers number it
};

struct CapabilityTable {
  const char* caption;
  int index;  // GetDeviceCaps index
  std::vector<Capability> rows;
};

const std::vector<CapabilityTable>& CapabilityTables() {
  static const std::vector<CapabilityTable> tables = {
      {"POLYGONCAPS ",
       32,
       {{"does not support polygons", 0},  // PC_NONE
        {"can draw alternate-fill polygons", 0x1},
        {"can draw rectangles", 0x2},
        {"can draw winding-fill polygons", 0x4},
        {"can draw a single scanline", 0x8},
        {"can draw wide borders", 0x10},
        {"can draw styled borders", 0x20},
        {"can draw borders that are wide and styled", 0x40},
        {"can draw interiors", 0x80}}},
      {"LINECAPS",
       30,
       {{"does not support lines", 0},  // LC_NONE
        {"can draw a polyline", 0x2},
        {"can draw a marker", 0x4},
        {"can draw multiple marker", 0x8},
        {"can draw wide line", 0x10},
        {"can draw styled lines", 0x20},
        {"can draw lines that are wide and styled", 0x40},
        {"can draw interiors", 0x80}}},
      {"TEXTCAPS",
       34,
       {{"is capable of character output precision.", 0x1},
        {"is capable of stroke output precision.", 0x2},
        {"is capable of stroke clip precision", 0x4},
        {"is capable of 90-degree character rotation", 0x8},
        {"is capable of any character rotation", 0x10},
        {"can scale independently in the x- and y-directions", 0x20},
        {"is capable of doubled character for scaling.", 0x40},
        {"uses integer multiples only for character scaling", 0x80},
        {"uses any multiples for exact character scaling", 0x100},
        {"can draw double-weight characters", 0x200},
        {"can italicize", 0x400},
        {"can underline", 0x800},
        {"can draw strikeouts", 0x1000},
        {"can draw raster fonts", 0x2000},
        {"can draw vector fonts", 0x4000},
        {"cannot scroll using a bit-block transfer.", 0x10000}}},
      {"CURVECAPS",
       28,
       {{"does not support curves.", 0},  // CC_NONE
        {"can draw circles", 0x1},
        {"can draw pie wedges", 0x2},
        {"can draw chord arcs", 0x4},
        {"can draw ellipses.", 0x8},
        {"can draw wide borders", 0x10},
        {"can draw styled borders", 0x20},
        {"can draw borders that are wide and styled", 0x40},
        {"can draw interiors", 0x80},
        {"can draw rounded rectangles", 0x100}}},
      {"RASTERCAPS",
       38,
       {{"Requires banding support", 0x2},
        {"Capable of transferring bitmaps", 0x1},
        {"Capable of supporting bitmaps larger than 64K.", 0x8},
        {"Capable of supporting the SetDIBits and GetDIBits functions", 0x80},
        {"Capable of supporting the SetDIBitsToDevice function.", 0x200},
        {"Capable of performing flood fills.", 0x1000},
        {"Capable of supporting features of Windows 2.0.", 0x10},
        {"Specifies a palette-based device.", 0x100},
        {"Capable of scaling.", 0x4},
        {"Capable of performing the StretchBlt function", 0x800},
        {"Capable of performing the StretchDIBits function", 0x2000}}},
  };
  return tables;
}

bool HasCapability(uint32_t reported, uint32_t flag) {
  return flag == 0 ? reported == 0 : (reported & flag) == flag;
}

void AddCapabilityRows(page::PageContext& form, InfoList& list) {
  for (const CapabilityTable& table : CapabilityTables()) {
    list.Blank();
    list.Group(table.caption);
    const auto reported = static_cast<uint32_t>(form.services.display.DeviceCaps(table.index));
    for (const Capability& row : table.rows) {
      list.Value(row.caption, "", HasCapability(reported, row.flag) ? kPresentIcon : kAbsentIcon);
    }
  }
}

// The key of the first value whose name holds the text, among the search's hits (the data hits
// are not paths below the searched key).
std::string KeyOfFirstNameHit(const std::vector<std::string>& hits) {
  const std::string prefix = base::UpperCase(std::string(kSearchKey) + "\\");
  for (const std::string& hit : hits) {
    if (base::UpperCase(hit).rfind(prefix, 0) != 0) continue;
    const size_t slash = hit.rfind('\\');
    return hit.substr(0, slash);
  }
  return "";
}

// GetGrafikcardDetils, once the search has found the key: a "DacType" row per value whose name
// holds "DAC" and a "ChipType" row per value whose name holds "CHIPT".
void AddChipRows(page::PageContext& form, InfoList& list, const std::string& key) {
  if (key.empty()) return;
  auto chip = form.services.registry.OpenKey(os::RegRoot::LocalMachine, key, os::RegAccess::Read);
  if (!chip) return;
  for (const std::string& name : chip->ValueNames()) {
    const std::string upper = base::UpperCase(name);
    os::RegValue value;
    chip->QueryValue(name, value);
    const std::string text = sysaccess::BinaryToString(sysaccess::FormatBinaryText(value.data));
    if (upper.find("DAC") != std::string::npos) list.Value("DacType", text);
    if (upper.find("CHIPT") != std::string::npos) list.Value("ChipType", text);
  }
}

void AddRowsAfterSearch(page::PageContext& form, InfoList& list,
                        const std::vector<std::string>& hits) {
  AddChipRows(form, list, KeyOfFirstNameHit(hits));
  list.Value("VideoBiosDate",
             form.ReadReg(Root::LocalMachine, kBiosKey, "VideoBiosDate", Kind::String));
  list.Value("VideoBiosVersion",
             form.ReadReg(Root::LocalMachine, kBiosKey, "VideoBiosVersion", Kind::MultiString));
  AddCapabilityRows(form, list);
}

// The search with its own registry object and working list, so nothing the page does between
// two slices can disturb it.
struct ChipSearch {
  explicit ChipSearch(page::PageContext& form)
      : shared(form.services.registry),
        access(shared, work, form.services.system, form.services.trace),
        search(form.services.registry, access, work, os::RegRoot::LocalMachine, kSearchKey,
               "DacType") {}

  // Walks on for one slice of time; returns whether anything is left.
  bool Slice() {
    const auto end = std::chrono::steady_clock::now() + kSliceTime;
    while (search.Step(kReadsPerCheck)) {
      if (std::chrono::steady_clock::now() >= end) return true;
    }
    return false;
  }

  sysaccess::TRegistry shared;
  sysaccess::WorkArea work;
  sysaccess::RegistryAccess access;
  sysaccess::RegistrySearch search;
};

void StartChipSearch(page::PageContext& form, ui::ListView* listView) {
  auto state = std::make_shared<ChipSearch>(form);
  ui::Timer* timer = form.PagePanel->Add<ui::Timer>();
  timer->SetInterval(10);
  timer->OnTimer = [&form, listView, state](ui::Control& control) {
    auto& self = static_cast<ui::Timer&>(control);
    bool more = false;
    page::Quietly(
        form, [&] { more = state->Slice(); }, "GetGrafikcardDetils");
    if (more) return;
    self.SetActive(false);
    InfoList list(listView);
    // The list is on show: its last few dozen rows draw once.
    const ui::ListUpdate update(*listView);
    page::Quietly(
        form, [&] { AddRowsAfterSearch(form, list, state->work.WorkList); }, "GetGrafikcardDetils");
  };
  timer->SetActive(true);
}

void BuildGraphicsPage(page::PageContext& form) {
  page::BeginPage(form, kPageId, "");
  InfoList list(form, kInfoListBounds);
  if (!list.List()) return;
  page::Quietly(
      form,
      [&] {
        std::vector<std::string> adapters;
        GetClassDevices(form.services.registry, form.DeviceClassKey, "Display", adapters);
        for (const std::string& adapter : adapters) list.Value(adapter, "");
      },
      "GetClassDevices");
  list.Group("Grafikkarte");
  StartChipSearch(form, list.List());
}

}  // namespace

void RegisterGraphicsPage(page::PageTable& table) {
  table.Register(kPageId, BuildGraphicsPage);
}

}  // namespace sysinfo
