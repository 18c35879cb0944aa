// The processor-load page: a graph of the load, sampled once a second, with the load and the
// clock as text above it.
#include "base/convert.h"
#include "page/page_frame.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
namespace {

constexpr const char* kHeadline = "Anzeige der Auslastung des Prozessors mit aktuelle Taktrate";

// The statistics of the 9x platform, for a system that keeps no processor times.
int StatisticsPercent(page::PageContext& form) {
  const auto key = form.services.registry.OpenKey(os::RegRoot::DynData, "PerfStats\\StatData",
                                                  os::RegAccess::Read);
  os::RegValue value;
  if (!key || key->QueryValue("KERNEL\\CPUUsage", value) != os::RegStatus::Ok ||
      value.data.size() < 4) {
    return 0;
  }
  const uint32_t percent = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                           (static_cast<uint32_t>(value.data[3]) << 24);
  return static_cast<int>(percent > 100 ? 100 : percent);
}

void Timer1Timer(page::PageContext& form, SysInfoState& state, ui::Panel& text,
                 ui::PerformanceGraph& graph) {
  const int percent = state.load.Percent(form.services.system).value_or(-1);
  const int shown = percent >= 0 ? percent : StatisticsPercent(form);
  graph.DataPoint(ui::clLime, shown);
  text.SetCaption("Prozessorauslastung : " + base::IntToStr(shown) +
                  " %  Prozessor-Geschwindigkeit : " + state.GetCPUTakt(form) + " MHZ");
}

void BuildProcessorPage(page::PageContext& form, SysInfoState& state) {
  state.CpuPageShown = 1;
  page::BeginPage(form, kProcessorPage, "");
  form.HeadLine(kHeadline);
  ui::Panel* text = form.Create(form.ColourPanels, 0);
  if (!text) return;
  text->SetName("Panel1");
  form.Panels(0, 10, 40, 470, 40);
  text->SetColor(ui::clBlack);
  ui::Font font = form.UserFont;
  font.color = ui::clLime;
  text->SetFont(font);
  auto* graph = form.PagePanel->Add<ui::PerformanceGraph>();
  graph->SetName("PerformanceGraph1");
  graph->SetBounds({10, 80, 470, 290});
  graph->Show();
  state.load.Start(form.services.system);
  auto* timer = form.PagePanel->Add<ui::Timer>();
  timer->SetName("Timer1");
  timer->SetInterval(1000);
  timer->OnTimer = [&form, &state, text, graph](ui::Control&) {
    page::Quietly(
        form, [&] { Timer1Timer(form, state, *text, *graph); }, "Timer1Timer");
  };
  timer->SetActive(true);
}

}  // namespace

void RegisterProcessorPage(page::PageTable& table, const std::shared_ptr<SysInfoState>& state) {
  table.Register(kProcessorPage,
                 [state](page::PageContext& form) { BuildProcessorPage(form, *state); });
}

}  // namespace sysinfo
