#include <gtest/gtest.h>

#include "info_fixture.h"

namespace testing_support {
namespace {

constexpr const char* kClassKey = "SYSTEM\\CurrentControlSet\\Control\\Class";
constexpr const char* kNetClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

class DevicePageTest : public InfoPageTest {
 protected:
  void SeedAdapters() {
    SetString(kNetClass, "Class", "net");
    SetString(std::string(kNetClass) + "\\0000", "DriverDesc", "Realtek RTL8139");
    SetString(std::string(kNetClass) + "\\0001", "DriverDesc", "Realtek RTL8139");
    SetString(std::string(kNetClass) + "\\0002", "DriverDesc", "WAN-Miniport (PPTP)");
    SetString(std::string(kNetClass) + "\\0003", "Other", "no description");
    // A class key without "Class" is no class, even with devices below it.
    SetString(std::string(kClassKey) + "\\{NOCLASS}\\0000", "DriverDesc", "Geist");
  }
};

TEST_F(DevicePageTest, NetworkListsAdaptersOnceAndComponentsByKind) {
  SeedAdapters();
  const std::string network = "SYSTEM\\CurrentControlSet\\Control\\Network";
  SetString(network + "\\{A}", "Class", "NetTrans");
  SetString(network + "\\{A}\\0000", "Description", "TCP/IP-Protokoll");
  SetString(network + "\\{A}\\0001", "Description", "NetBEUI-Protokoll");
  SetString(network + "\\{B}", "Class", "NetClient");
  SetString(network + "\\{B}\\0000", "Description", "Client für Microsoft-Netzwerke");
  SetValue(network + "\\{C}", "Class", os::RegValue::Dword(1));
  for (uint32_t version : {os::MemorySystem::kNt4, os::MemorySystem::kWindowsXp}) {
    Start(version);
    SelectInfo("Netzwerk");
    EXPECT_EQ(Rows(), (std::vector<Row>{{"Adapter", ""},
                                        {"Realtek RTL8139", ""},
                                        {"WAN-Miniport (PPTP)", ""},
                                        {" ", ""},
                                        {"Netzwerkprotokoll", ""},
                                        {"TCP/IP-Protokoll", ""},
                                        {"NetBEUI-Protokoll", ""},
                                        {" ", ""},
                                        {"Netzwerkdienst", ""},
                                        {" ", ""},
                                        {"Netzwerkclient", ""},
                                        {"Client für Microsoft-Netzwerke", ""}}));
  }
}

TEST_F(DevicePageTest, NetworkWithoutKeysShowsTheGroupsAlone) {
  Start();
  SelectInfo("Netzwerk");
  EXPECT_EQ(Rows().size(), 7u);
  EXPECT_EQ(Rows()[1], (Row{" ", ""}));
}

TEST_F(DevicePageTest, DeviceTreeByClassWithPortsFromTheirService) {
  SeedAdapters();
  SetString(std::string(kClassKey) + "\\{MOUSE}", "Class", "Mouse");
  SetString(std::string(kClassKey) + "\\{MOUSE}\\0000", "DriverDesc", "PS/2-Maus");
  const std::string acpi = "SYSTEM\\ControlSet001\\Enum\\ACPI";
  SetString(acpi + "\\PNP0501\\1", "Service", "Serial");
  SetString(acpi + "\\PNP0501\\1", "FriendlyName", "Kommunikationsanschluss (COM1)");
  SetString(acpi + "\\PNP0400\\1", "Service", "Parport");
  SetString(acpi + "\\PNP0400\\1", "FriendlyName", "Druckeranschluss (LPT1)");
  SetString(acpi + "\\PNP0400\\2", "Service", "Parport");  // no friendly name
  Start(os::MemorySystem::kWindowsXp);
  SelectInfo("Geräte-Manager");
  EXPECT_EQ(TreeLines(), (std::vector<std::string>{
                             "RECHNER1", "  Ports", "    Druckeranschluss (LPT1)",
                             "    Kommunikationsanschluss (COM1)", "  Mouse", "    PS/2-Maus",
                             "  Net", "    Realtek RTL8139", "    WAN-Miniport (PPTP)"}));
  const std::vector<ui::TreeNode*> nodes = form->PageTree->AllNodes();
  EXPECT_EQ(nodes[0]->ImageIndex(), 0);
  EXPECT_EQ(nodes[1]->ImageIndex(), 1);   // Ports
  EXPECT_EQ(nodes[5]->ImageIndex(), 10);  // a mouse, like its class
  EXPECT_EQ(nodes[6]->ImageIndex(), 13);  // Net
}

TEST_F(DevicePageTest, EmptyDeviceRegistryShowsTheComputerAlone) {
  for (uint32_t version : {os::MemorySystem::kNt4, os::MemorySystem::kWindows2000}) {
    Start(version);
    SelectInfo("Geräte-Manager");
    EXPECT_EQ(TreeLines(), (std::vector<std::string>{"RECHNER1"}));
  }
}

}  // namespace
}  // namespace testing_support
