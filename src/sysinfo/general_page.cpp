// "Allgemeine Infos": the computer, processor, memory, operating system and boot time.
#include <algorithm>
#include <functional>
#include <string>

#include "base/convert.h"
#include "base/text.h"
#include "page/after_shown.h"
#include "page/page_frame.h"
#include "sysinfo/calendar.h"
#include "sysinfo/info_list.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
using page::Kind;
using page::Root;

namespace {

constexpr Root kLocalMachine = Root::LocalMachine;
constexpr const char* kProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";
constexpr const char* kSystemKey = "HARDWARE\\DESCRIPTION\\System";
constexpr const char* kMemoryKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr uint64_t kKb = 1024;
constexpr uint64_t kMb = 1024 * 1024;
constexpr int kListHeight = 330;

std::string Decimal(uint64_t value) {
  return base::IntToStr(static_cast<int64_t>(value));
}

std::string ProcessorTypeText(uint32_t type) {
  switch (type) {
    case 386:
      return "PROCESSOR_INTEL_386";
    case 486:
      return "PROCESSOR_INTEL_486";
    case 586:
      return "PROCESSOR_INTEL_PENTIUM";
    default:
      return Decimal(type);
  }
}

// The size of the first paging file "PagingFiles" names, in MB ("0" when it is not found).
std::string SwapFileMegabytes(page::PageContext& form) {
  const std::string files =
      base::UpperCase(form.ReadReg(kLocalMachine, kMemoryKey, "PagingFiles", Kind::MultiString));
  const size_t end = files.find(".SYS");
  if (end == std::string::npos) return "0";
  const std::string path = files.substr(0, end + 4);
  const size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return "0";
  const std::string folder = path.substr(0, slash == 2 ? 3 : slash);
  const std::string name = path.substr(slash + 1);
  if (const auto entries = form.services.files.ListDirectory(folder)) {
    for (const os::DirEntry& entry : *entries) {
      if (base::SameText(entry.name, name)) return Decimal((entry.size & 0xFFFFFFFF) / kMb);
    }
  }
  return "0";
}

void FillGeneralInfo(page::PageContext& form, SysInfoState& state, InfoList& list) {
  os::System& system = form.services.system;
  list.Group("Rechnerangaben");
  list.Value("Computername", system.ComputerName());
  list.Value("Benutzer", system.UserName());

  const os::ProcessorInfo processor = system.Processor();
  list.NextGroup("Mainboard und Prozessor");
  list.Value("Prozessortyp", ProcessorTypeText(processor.processorType));
  list.Value("Zahl der Prozessoren", Decimal(processor.numberOfProcessors));
  list.Value("Page size ", Decimal(processor.pageSize));
  list.Value("Minimum application address ", Decimal(processor.minimumApplicationAddress));
  list.Value("Maximum application address ", Decimal(processor.maximumApplicationAddress));
  list.Value("Allocation granularity ", Decimal(processor.allocationGranularity));
  list.Value("Processor type", Decimal(processor.processorType));
  list.Value("Processor level ", Decimal(processor.processorLevel));
  list.Value("Processor revision ", Decimal(processor.processorRevision));
  std::string name = form.ReadReg(kLocalMachine, kProcessorKey, "Identifier", Kind::String);
  if (!name.empty())
    name += form.ReadReg(kLocalMachine, kProcessorKey, "VendorIdentifier", Kind::String);
  list.Value("Prozessorname", name);
  // The clock is measured over the time the page takes to show: it fills its row afterwards.
  state.clock.Start(system);
  if (ui::ListView* view = list.List()) {
    const int row = view->Count();
    page::AfterShown(
        form,
        [&form, &state, view, row] {
          if (form.ListViews[0] == view && row < view->Count()) {
            view->Item(row)->SetSubItem(0, state.GetCPUTakt(form));
          }
          return false;
        },
        "GetCPUTakt");
  }
  list.Value("Geschwindigkeit in MHZ", "");
  list.Value("BiosDate", form.ReadReg(kLocalMachine, kSystemKey, "SystemBiosDate", Kind::String));
  std::string biosVersion =
      form.ReadReg(kLocalMachine, kSystemKey, "SystemBiosVersion", Kind::MultiString);
  if (!biosVersion.empty()) biosVersion.pop_back();
  list.Value("SystemBiosVersion", biosVersion);

  const os::MemoryStatus memory = system.Memory();
  list.NextGroup("Speicher");
  list.Value("Prozent am benutztem Speicher (%)", Decimal(memory.memoryLoad));
  list.Value("Arbeitsspeicher (KB)", Decimal(memory.totalPhysical / kKb));
  list.Value("Freier physikalischer Speicher (KB)", Decimal(memory.availablePhysical / kKb));
  list.Value("Größe der Paging Datei (KB)", Decimal(memory.totalPageFile / kKb));
  list.Value("Freier Platz in der Paging Datei (KB)", Decimal(memory.availablePageFile / kKb));
  list.Value("Virtueller Arbeitsspeicher total (MB)", Decimal(memory.totalVirtual / kMb));
  list.Value("Virtueller Arbeitsspeicher frei (MB))", Decimal(memory.availableVirtual / kMb));
  list.Value("Groesse der Swap-Datei (MB)", SwapFileMegabytes(form));

  const uint32_t version = system.GetVersion();
  const bool ntPlatform = (version & 0x80000000u) == 0;
  const std::string versionKey = ntPlatform ? "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"
                                            : "Software\\Microsoft\\Windows\\CurrentVersion";
  const uint32_t major = version & 0xFF;
  const uint32_t minor = (version >> 8) & 0xFF;
  list.NextGroup("Betriebssystem");
  list.Value("Produktname", form.ReadReg(kLocalMachine, versionKey, "ProductName", Kind::String));
  list.Value("Versionsnummer", Decimal(major) + "." + Decimal(minor));
  list.Value("Hauptversionsnummer", Decimal(major));
  list.Value("Nebenversionsnummer ", Decimal(minor));
  list.Value("Build-Nummer ", Decimal(ntPlatform ? version >> 16 : (version >> 16) & 0x7FFF));
  list.Value("Windows-Platform", ntPlatform ? "Windows NT" : "Windows 95");

  list.NextGroup("Zusatzinformationen");
  list.Value("Lizenznehmer ",
             form.ReadReg(kLocalMachine, versionKey, "RegisteredOwner", Kind::String));
  list.Value("ProductId  ", form.ReadReg(kLocalMachine, versionKey, "ProductId", Kind::String));
  list.Value("ProductKey  ", form.ReadReg(kLocalMachine, versionKey, "ProductKey", Kind::String));
  list.Value("SystemRoot ", form.ReadReg(kLocalMachine, versionKey, "SystemRoot", Kind::String));

  const uint32_t upSeconds = system.TickCount() / 1000;
  list.NextGroup("Bootinformationen");
  list.Value("Booten des Systems", CTimeBefore(system.LocalTime(), upSeconds));
  list.Value("Systemlaufzeit (hh:mm:ss)", ConvertTime(upSeconds));
}

void EnvironmentRow(InfoList& list, const std::string& entry) {
  const size_t equals = entry.find('=');
  if (equals == std::string::npos) {
    list.Value(entry, "");
  } else {
    list.Value(entry.substr(0, equals), entry.substr(equals + 1));
  }
}

// An environment holds a hundred entries and more, each a row that takes its time under Wine:
// the page shows with its group row and the entries follow in steps.
constexpr size_t kEnvironmentRowsPerStep = 24;

void FillEnvironmentInfo(page::PageContext& form, InfoList& list) {
  list.Group("Umgebungsvariablen");
  ui::ListView* view = list.List();
  if (!view) return;
  page::AfterShown(
      form,
      [&form, view, entries = form.services.system.EnvironmentBlock(), next = size_t{0}]() mutable {
        if (form.ListViews[0] != view) return false;
        InfoList rows(view);
        const ui::ListUpdate batch(*view);
        const size_t end = std::min(entries.size(), next + kEnvironmentRowsPerStep);
        for (; next < end; ++next) EnvironmentRow(rows, entries[next]);
        return next < entries.size();
      },
      "Umgebungsvariablen");
}

std::string YesNo(bool value) {
  return value ? "ja" : "nein";
}

void FillInputInfo(page::PageContext& form, InfoList& list) {
  os::System& system = form.services.system;
  list.Group("Maus");
  list.Value("Maus", system.SystemMetric(19) ? "vorhanden" : "nicht vorhanden");
  list.Value("Maustasten vertauscht", YesNo(system.SystemMetric(23) != 0));
  list.Value("Doppelklickbereich X-Richtung(Pixel)", Decimal(system.SystemMetric(36)));
  list.Value("Doppelklickbereich Y-Richtung(Pixel)", Decimal(system.SystemMetric(37)));
  list.Value("Anzahl der Maustasten", Decimal(system.SystemMetric(43)));
  const os::UserParameters parameters = system.Parameters();
  list.Value("Thresholdwert1", base::IntToStr(parameters.mouseThreshold1));
  list.Value("Thresholdwert2", base::IntToStr(parameters.mouseThreshold2));
  list.Value("Mausspeed", base::IntToStr(parameters.mouseSpeed));
}

void FillDesktopInfo(page::PageContext& form, InfoList& list) {
  os::System& system = form.services.system;
  const auto metric = [&](int index) { return base::IntToStr(system.SystemMetric(index)); };
  const os::UserParameters parameters = system.Parameters();
  list.Group("Desktopeinstellungen");
  list.Value("Number of metrics", metric(83));
  list.Value("Menu height", metric(15));
  list.Value("Caption height", metric(4));
  list.Value("Kanji height", metric(18));
  list.Value("Warning beep", parameters.beep ? "an" : "aus");
  list.Value("Full windows dragging", YesNo(parameters.fullWindowDrag));
  list.Value("Animation", YesNo(parameters.minimizeAnimation));
  list.Value("Popup menu alignment", system.SystemMetric(40) ? "Right aligned" : "Left aligned");
  list.Value("Double-byte character set", YesNo(system.SystemMetric(42) != 0));
  list.Value("Security", YesNo(system.SystemMetric(44) != 0));
  list.Value("Grid granularity", base::IntToStr(parameters.gridGranularity));
  list.Value("Icon spacing Horz", base::IntToStr(parameters.iconSpacingHorizontal));
  list.Value("Icon spacing Vert", base::IntToStr(parameters.iconSpacingVertical));
  list.Value("Icon title wrapping", YesNo(parameters.iconTitleWrap));
}

std::string LifeTime(uint32_t seconds) {
  return seconds == os::kUnknownLifeTime ? "<keine Information vorhanden>" : Decimal(seconds);
}

std::string BatteryText(uint8_t flag) {
  switch (flag) {
    case 1:
      return "Voll";
    case 2:
      return "Niedrig";
    case 4:
      return "Kritisch";
    case 8:
      return "Charging";
    case 128:
      return "No Battery";
    default:
      return "Unbekannt";
  }
}

void FillPowerInfo(page::PageContext& form, InfoList& list) {
  const os::PowerStatus power = form.services.system.Power().value_or(os::PowerStatus{});
  list.Group("Advanced Power Management");
  list.Value("AC Power Status", power.acLineStatus == 0   ? "OffLine"
                                : power.acLineStatus == 1 ? "OnLine"
                                                          : "Unknown");
  list.Value("Batteriezustand", BatteryText(power.batteryFlag));
  list.Blank();
  list.Value("Batteriestatus", "");
  list.Value("Noch Lebensdauer der Batterie(Sek)", LifeTime(power.batteryLifeTime));
  list.Value("Batterie Lebensdauer falls neu(in Sek)", LifeTime(power.batteryFullLifeTime));
  if (ui::Gauge* gauge = form.Create(form.Gauges, 0)) {
    form.Gauge(0, 10, 360, 300, 20);
    gauge->SetMin(0);
    gauge->SetMax(100);
    gauge->SetForeColor(ui::clBlue);
    gauge->SetProgress(power.batteryLifePercent <= 100 ? power.batteryLifePercent : 0);
  }
}

// A page that is one information list below its headline.
void InfoListPage(page::PageTable& table, int pageId,
                  std::function<void(page::PageContext&, InfoList&)> fill,
                  int listHeight = kListHeight) {
  table.Register(pageId, [fill = std::move(fill), pageId, listHeight](page::PageContext& form) {
    page::BeginPage(form, pageId, "");
    InfoList list(form, {10, 40, 470, listHeight});
    page::Quietly(
        form, [&] { fill(form, list); }, "information page");
  });
}

}  // namespace

void RegisterInfoListPages(page::PageTable& table, const std::shared_ptr<SysInfoState>& state) {
  InfoListPage(table, kGeneralPage, [state](page::PageContext& form, InfoList& list) {
    FillGeneralInfo(form, *state, list);
  });
  InfoListPage(table, kEnvironmentPage, FillEnvironmentInfo);
  InfoListPage(table, kInputPage, FillInputInfo);
  InfoListPage(table, kDesktopPage, FillDesktopInfo);
  InfoListPage(table, kPowerPage, FillPowerInfo, 310);
  InfoListPage(table, kNetworkPage, FillNetworkInfo);
}

}  // namespace sysinfo
