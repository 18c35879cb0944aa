#include <gtest/gtest.h>

#include <string>

#include "info_fixture.h"

namespace testing_support {
namespace {

constexpr const char* kNtVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kCpuKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
constexpr uint64_t kMiB = 1024 * 1024;

struct Release {
  uint32_t version;
  const char* number;
  const char* build;
};

class GeneralPageTest : public InfoPageTest, public ::testing::WithParamInterface<Release> {};

TEST_P(GeneralPageTest, ShowsTheSeededMachine) {
  system.processor.processorType = 586;
  system.processor.numberOfProcessors = 2;
  system.memory = {37, 256 * kMiB, 100 * kMiB, 600 * kMiB, 500 * kMiB, 2048 * kMiB, 2000 * kMiB};
  system.tickCount = 100 * 3600 * 1000;
  system.processorMhz = 733.2;
  SetString(kNtVersionKey, "ProductName", "Microsoft Windows");
  SetString(kNtVersionKey, "RegisteredOwner", "Anwender");
  SetString(kCpuKey, "Identifier", "x86 Family 6 Model 8");
  SetString(kCpuKey, "VendorIdentifier", "GenuineIntel");
  SetValue("HARDWARE\\DESCRIPTION\\System", "SystemBiosVersion",
           os::RegValue::MultiString({"BIOS 1.0", "Rev 2"}));
  SetValue("SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "PagingFiles",
           os::RegValue::MultiString({"c:\\pagefile.sys 96 192"}));
  files.AddFile("C:\\pagefile.sys", std::string(3 * kMiB + 5, 'x'));
  Start(GetParam().version);
  SelectInfo("Allgemeine Infos");

  const std::vector<Row> rows = Rows();
  ASSERT_GE(rows.size(), 5u);
  const std::vector<Row> start(rows.begin(), rows.begin() + 5);
  EXPECT_EQ(start, (std::vector<Row>{{"Rechnerangaben", ""},
                                     {"Computername", "RECHNER1"},
                                     {"Benutzer", "Anwender"},
                                     {" ", ""},
                                     {"Mainboard und Prozessor", ""}}));
  EXPECT_EQ(ValueOf("Prozessortyp"), "PROCESSOR_INTEL_PENTIUM");
  EXPECT_EQ(ValueOf("Processor type"), "586");
  EXPECT_EQ(ValueOf("Zahl der Prozessoren"), "2");
  EXPECT_EQ(ValueOf("Prozessorname"), "x86 Family 6 Model 8GenuineIntel");
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "733");
  EXPECT_EQ(ValueOf("SystemBiosVersion"), "BIOS 1.0\nRev 2");
  EXPECT_EQ(ValueOf("Prozent am benutztem Speicher (%)"), "37");
  EXPECT_EQ(ValueOf("Arbeitsspeicher (KB)"), "262144");
  EXPECT_EQ(ValueOf("Freier Platz in der Paging Datei (KB)"), "512000");
  EXPECT_EQ(ValueOf("Virtueller Arbeitsspeicher frei (MB))"), "2000");
  EXPECT_EQ(ValueOf("Groesse der Swap-Datei (MB)"), "3");
  EXPECT_EQ(ValueOf("Produktname"), "Microsoft Windows");
  EXPECT_EQ(ValueOf("Versionsnummer"), GetParam().number);
  EXPECT_EQ(ValueOf("Build-Nummer "), GetParam().build);
  EXPECT_EQ(ValueOf("Windows-Platform"), "Windows NT");
  EXPECT_EQ(ValueOf("Lizenznehmer "), "Anwender");
  EXPECT_EQ(ValueOf("Systemlaufzeit (hh:mm:ss)"), "100:00:00");
  // Up 100 hours at noon on Sunday, 6 December 2026.
  EXPECT_EQ(ValueOf("Booten des Systems"), "Wed Dec  2 08:00:00 2026");
}

INSTANTIATE_TEST_SUITE_P(Releases, GeneralPageTest,
                         ::testing::Values(Release{os::MemorySystem::kNt4, "4.0", "1381"},
                                           Release{os::MemorySystem::kWindows2000, "5.0", "2195"},
                                           Release{os::MemorySystem::kWindowsXp, "5.1", "2600"}));

TEST_F(InfoPageTest, MissingAndMistypedValuesLeaveEmptyRows) {
  system.processor.processorType = 8664;
  system.hasCycleCounter = false;
  SetValue(kNtVersionKey, "ProductName", os::RegValue::Dword(5));
  SetString(kCpuKey, "VendorIdentifier", "GenuineIntel");  // without an identifier
  Start();
  SelectInfo("Allgemeine Infos");
  EXPECT_EQ(ValueOf("Prozessortyp"), "8664");
  EXPECT_EQ(ValueOf("Produktname"), "");
  ExpectTraced("ProductName");
  EXPECT_EQ(ValueOf("Prozessorname"), "");
  EXPECT_EQ(ValueOf("SystemBiosVersion"), "");
  EXPECT_EQ(ValueOf("Groesse der Swap-Datei (MB)"), "0");
  EXPECT_EQ(ValueOf("Geschwindigkeit in MHZ"), "200");
}

TEST_F(InfoPageTest, EnvironmentInBlockOrder) {
  system.environment = {"=C:=C:\\WINNT", "PATH=C:\\WINNT;C:\\Bin", "windir=C:\\WINNT"};
  Start();
  SelectInfo("Umgebungsvariablen");
  EXPECT_EQ(Rows(), (std::vector<Row>{{"Umgebungsvariablen", ""},
                                      {"", "C:=C:\\WINNT"},
                                      {"PATH", "C:\\WINNT;C:\\Bin"},
                                      {"windir", "C:\\WINNT"}}));
  ui::ListView& list = *form->ListViews[0];
  EXPECT_EQ(list.Columns(), (std::vector<ui::ListColumn>{{"Bereich", 200}, {"Wert", 200}}));
  EXPECT_TRUE(list.ReadOnly());
  EXPECT_FALSE(list.CheckBoxes());
  EXPECT_NE(list.Item(0)->ImageIndex(), list.Item(1)->ImageIndex()) << "group and value icons";
}

TEST_F(InfoPageTest, ALongEnvironmentFollowsThePageWithoutLosingAnEntry) {
  system.environment.clear();
  for (int i = 0; i < 150; ++i) {
    system.environment.push_back("VAR" + std::to_string(i) + "=" + std::to_string(7 * i));
  }
  Start();
  form->TreeView1->UserClickNode(form->FindNodeRoot("Umgebungsvariablen"));
  ASSERT_FALSE(Rows().empty());
  EXPECT_EQ(Rows().front(), (Row{"Umgebungsvariablen", ""}));
  EXPECT_LT(Rows().size(), 151u) << "the page shows before all its rows";
  FinishFilling();
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 151u);
  EXPECT_EQ(rows[1], (Row{"VAR0", "0"}));
  EXPECT_EQ(rows[77], (Row{"VAR76", "532"}));
  EXPECT_EQ(rows[150], (Row{"VAR149", "1043"}));

  // Left before its rows are in: the next page gets none of them.
  form->TreeView1->UserClickNode(form->FindNodeRoot("Umgebungsvariablen"));
  SelectInfo("Desktop");
  EXPECT_EQ(Rows().front(), (Row{"Desktopeinstellungen", ""}));
  for (const Row& row : Rows()) EXPECT_NE(row.first.rfind("VAR", 0), 0u) << row.first;
}

TEST_F(InfoPageTest, InputDevicesAndDesktop) {
  system.metrics = {{19, 1}, {23, 0}, {36, 4}, {37, 5}, {43, 3}, {83, 84}, {15, 19}, {40, 1}};
  system.parameters.mouseThreshold1 = 7;
  system.parameters.beep = false;
  system.parameters.iconTitleWrap = false;
  Start();
  SelectInfo("Eingabegeräte");
  EXPECT_EQ(Rows().front(), (Row{"Maus", ""}));
  EXPECT_EQ(Rows()[1], (Row{"Maus", "vorhanden"}));
  EXPECT_EQ(ValueOf("Maustasten vertauscht"), "nein");
  EXPECT_EQ(ValueOf("Anzahl der Maustasten"), "3");
  EXPECT_EQ(ValueOf("Thresholdwert1"), "7");

  SelectInfo("Desktop");
  EXPECT_EQ(Rows().front(), (Row{"Desktopeinstellungen", ""}));
  EXPECT_EQ(ValueOf("Number of metrics"), "84");
  EXPECT_EQ(ValueOf("Warning beep"), "aus");
  EXPECT_EQ(ValueOf("Popup menu alignment"), "Right aligned");
  EXPECT_EQ(ValueOf("Icon title wrapping"), "nein");
}

TEST_F(InfoPageTest, PowerStatus) {
  system.power = os::PowerStatus{1, 9, 80, 5400, os::kUnknownLifeTime};
  Start();
  SelectInfo("AdvancedPowerManagement");
  EXPECT_EQ(Rows(), (std::vector<Row>{{"Advanced Power Management", ""},
                                      {"AC Power Status", "OnLine"},
                                      {"Batteriezustand", "Unbekannt"},
                                      {" ", ""},
                                      {"Batteriestatus", ""},
                                      {"Noch Lebensdauer der Batterie(Sek)", "5400"},
                                      {"Batterie Lebensdauer falls neu(in Sek)",
                                       "<keine Information vorhanden>"}}));
  ASSERT_TRUE(form->Gauges[0]);
  EXPECT_EQ(form->Gauges[0]->Progress(), 80);

  system.power = os::PowerStatus{0, 128, 255, 0, 0};
  SelectInfo("Zeitzone");
  SelectInfo("AdvancedPowerManagement");
  EXPECT_EQ(ValueOf("AC Power Status"), "OffLine");
  EXPECT_EQ(ValueOf("Batteriezustand"), "No Battery");
  EXPECT_EQ(ValueOf("Noch Lebensdauer der Batterie(Sek)"), "0");
}

}  // namespace
}  // namespace testing_support
