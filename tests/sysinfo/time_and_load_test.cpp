#include <gtest/gtest.h>

#include "info_fixture.h"

namespace testing_support {
namespace {

constexpr const char* kZones = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// Bias -60, standard bias 0, daylight bias -60; standard time from the last Sunday of October
// at 03:00, daylight-saving time from the last Sunday of March at 02:00.
const std::vector<uint8_t> kCentralEuropeTzi = {
    0xC4, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xC4, 0xFF, 0xFF, 0xFF,              //
    0,    0,    10,   0,    0, 0, 5, 0, 3,    0,    0,    0,    0, 0, 0, 0,  //
    0,    0,    3,    0,    0, 0, 5, 0, 2,    0,    0,    0,    0, 0, 0, 0};

class TimeZonePageTest : public InfoPageTest {
 protected:
  void SeedZone(const std::string& name, std::vector<uint8_t> tzi, const std::string& displayName,
                const std::string& standard = "Mitteleuropäische Zeit") {
    const std::string key = std::string(kZones) + "\\" + name;
    SetValue(key, "TZI", os::RegValue::Binary(std::move(tzi)));
    SetString(key, "Std", standard);
    SetString(key, "Dlt", "Mitteleuropäische Sommerzeit");
    SetString(key, "Display", displayName);
    SetString(key, "MapID", "-1,-1");
  }
  void CurrentZoneIsCentralEurope() {
    system.timeZone = {-60, "Mitteleuropäische Zeit",       {0, 10, 0, 5, 3, 0, 0, 0},
                       0,   "Mitteleuropäische Sommerzeit", {0, 3, 0, 5, 2, 0, 0, 0},
                       -60};
  }
};

TEST_F(TimeZonePageTest, CurrentZoneWithThisYearsTransitions) {
  CurrentZoneIsCentralEurope();
  SeedZone("W. Europe Standard Time", kCentralEuropeTzi, "(GMT+01:00) Amsterdam, Berlin");
  SeedZone("Romance Standard Time", kCentralEuropeTzi, "(GMT+01:00) Paris", "Romance");
  SeedZone("Broken", std::vector<uint8_t>(kCentralEuropeTzi.begin(), kCentralEuropeTzi.end() - 1),
           "kaputt");
  Start(os::MemorySystem::kWindows2000);
  SelectInfo("Zeitzone");
  EXPECT_EQ(TreeLines(), (std::vector<std::string>{
                             "Informationen zur Zeitzone", "  Zeitzone",
                             "    (GMT+01:00) Amsterdam, Berlin", "  Umstellung der Uhrzeit",
                             "    Sommerzeit", "      29.03.2026 02:00:00", "      Bias : -120",
                             "    Winterzeit", "      25.10.2026 03:00:00", "      Bias : -60"}));
  EXPECT_TRUE(form->PageTree->Root(0)->Expanded());
}

TEST_F(TimeZonePageTest, ZoneWithoutDaylightSavingAndNoRegistry) {
  system.timeZone = {-540, "Tokyo", {}, 0, "Tokyo", {}, 0};
  Start(os::MemorySystem::kNt4);
  SelectInfo("Zeitzone");
  EXPECT_EQ(TreeLines(),
            (std::vector<std::string>{"Informationen zur Zeitzone", "  Zeitzone", "    ",
                                      "  Umstellung der Uhrzeit", "    keine Umstellung"}));
}

class ProcessorPageTest : public InfoPageTest {
 protected:
  void ShowProcessorPage() {
    form->Panel();
    form->Pages().Build(52, *form);
  }
  std::string PanelText() {
    auto* panel = static_cast<ui::Panel*>(form->PagePanel->FindByName("Panel1"));
    return panel ? panel->Caption() : "<none>";
  }
  ui::PerformanceGraph* Graph() {
    return static_cast<ui::PerformanceGraph*>(form->PagePanel->FindByName("PerformanceGraph1"));
  }
};

TEST_F(ProcessorPageTest, EachSecondAddsTheLoadSinceTheLastSample) {
  system.processorTimes = os::ProcessorTimes{1000, 4000};
  Start(os::MemorySystem::kWindowsXp);
  ShowProcessorPage();
  ASSERT_TRUE(Graph());
  EXPECT_TRUE(Graph()->Points().empty());

  system.processorTimes = os::ProcessorTimes{1750, 5000};  // 250 of 1000 busy
  system.Advance(1000);
  backend.TickTimers();
  EXPECT_EQ(PanelText(), "Prozessorauslastung : 25 %  Prozessor-Geschwindigkeit : 500.00000 MHZ");

  system.processorTimes = os::ProcessorTimes{1750, 6000};  // all busy
  system.processorMhz = 1200;
  system.Advance(1000);
  backend.TickTimers();
  ASSERT_EQ(Graph()->Points().size(), 2u);
  EXPECT_EQ(Graph()->Points()[0].value, 25);
  EXPECT_EQ(Graph()->Points()[1].value, 100);
  EXPECT_EQ(Graph()->Points()[1].color, ui::clLime);
  EXPECT_EQ(PanelText(), "Prozessorauslastung : 100 %  Prozessor-Geschwindigkeit : 1200.00000 MHZ");

  // Once the page was shown, every clock text carries five decimals.
  SelectInfo("Allgemeine Infos");
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "1200.00000");
  EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(ProcessorPageTest, WithoutProcessorTimesTheStatisticsKeyIsRead) {
  system.processorTimes.reset();
  system.hasCycleCounter = false;
  registry.CreateKey(os::RegRoot::DynData, "PerfStats\\StatData")
      ->SetValue("KERNEL\\CPUUsage", os::RegValue::Binary({42, 0, 0, 0}));
  Start();
  ShowProcessorPage();
  backend.TickTimers();
  EXPECT_EQ(PanelText(), "Prozessorauslastung : 42 %  Prozessor-Geschwindigkeit : 200 MHZ");
}

TEST_F(InfoPageTest, AboutWindowShowsMemoryAndOpensTheLinks) {
  system.memory.totalPhysical = 192 * 1024 * 1024;
  Start(os::MemorySystem::kWindowsXp);
  std::string memoryText, caption;
  backend.OnNextModal([&](ui::Form& about) {
    caption = about.Caption();
    memoryText = static_cast<ui::Label*>(about.FindByName("Label8"))->Caption();
    about.FindByName("Label4")->UserClick();
    about.FindByName("Label5")->UserClick();
    about.FindByName("BitBtn1")->UserClick();
  });
  form->ToolButton14->UserClick();
  EXPECT_EQ(caption, "Information");
  EXPECT_EQ(memoryText, "Verfügbarer realer Speicher : 196608 KB ");
  ASSERT_EQ(shell.executed.size(), 2u);
  EXPECT_EQ(shell.executed[0].verb, "open");
  EXPECT_EQ(shell.executed[0].file.rfind("mailto:", 0), 0u);
  EXPECT_EQ(shell.executed[1].file.rfind("http://", 0), 0u);
}

TEST_F(InfoPageTest, TheClockIsMeasuredOverTheTimeThePageTakesToShow) {
  system.processorMhz = 450;
  Start();
  const uint32_t start = system.tickCount;
  form->TreeView1->UserClickNode(form->FindNodeRoot("Allgemeine Infos"));
  EXPECT_EQ(system.tickCount, start) << "the page change does not wait for the clock";
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "");
  system.Advance(40);
  FinishFilling();
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "450");
  EXPECT_EQ(system.tickCount, start + 40) << "the time the page took was long enough";

  // Opened again at once: only the rest of a span that says something is waited for.
  SelectInfo("Umgebungsvariablen");
  form->TreeView1->UserClickNode(form->FindNodeRoot("Allgemeine Infos"));
  system.Advance(5);
  FinishFilling();
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "450");
  EXPECT_EQ(system.tickCount, start + 40 + 20);
}

}  // namespace
}  // namespace testing_support
