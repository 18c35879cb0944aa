// The TCP/IP tuner on the prefix's real registry in both layouts. Every value it saves is put back
// as it was.
#include <tuple>

#include "nettune/tcpip_frame.h"
#include "support/real_shell_fixture.h"

namespace {

using os::RegRoot;
using os::RegValue;
using testing_support::RealShellTest;

constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* kTcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr const char* kScratchInterface = "{00000000-4B41-4C4D-4F52-415445535421}";
constexpr const char* kScratchAdapter = "KalmoraTestNic";

class RealTcpIpPage : public RealShellTest {
 protected:
  void SetUp() override {
    Start();
    interfacesExisted_ =
        registry.OpenKey(RegRoot::LocalMachine, std::string(kTcpip) + "\\Interfaces",
                         os::RegAccess::Read) != nullptr;
    for (const char* name :
         {"TcpRecvSegmentSize", "GlobalMaxTcpWindowSize", "TcpWindowSize", "DefaultTTL",
          "EnablePMTUDiscovery", "EnablePMTUBHDetect", "SackOpts", "Tcp1323Opts"}) {
      Keep(RegRoot::LocalMachine, kTcpip, name);
    }
    Keep(RegRoot::CurrentUser, kInternet, "MaxConnectionsPerServer");
    Keep(RegRoot::CurrentUser, kInternet, "MaxConnectionsPer1_0Server");
  }
  void TearDown() override {
    form.reset();
    for (const auto& [where, value] : kept_) {
      const auto& [root, path, name] = where;
      auto key = registry.CreateKey(root, path);
      if (!key) continue;
      if (value) {
        key->SetValue(name, *value);
      } else {
        key->DeleteValue(name);
      }
    }
    const std::string serviceKeys = "SYSTEM\\CurrentControlSet\\Services\\";
    registry.DeleteKeyTree(RegRoot::LocalMachine, serviceKeys + kScratchAdapter);
    const std::string interfaces = std::string(kTcpip) + "\\Interfaces";
    registry.DeleteKeyTree(RegRoot::LocalMachine,
                           interfacesExisted_ ? interfaces + "\\" + kScratchInterface : interfaces);
  }

  void Keep(RegRoot root, const std::string& path, const std::string& name) {
    std::optional<RegValue> value;
    if (auto key = registry.OpenKey(root, path, os::RegAccess::Read)) {
      RegValue stored;
      if (key->QueryValue(name, stored) == os::RegStatus::Ok) value = stored;
    }
    kept_.push_back({{root, path, name}, value});
  }

  nettune::TFrame51& Open(int version) {
    form->WindowsVersion = version;
    Select("DFUe-Verbindung optimieren");
    auto* frame = dynamic_cast<nettune::TFrame51*>(form->PagePanel->FindByName("TFrame51"));
    EXPECT_TRUE(frame);
    return *frame;
  }
  static void Choose(nettune::TFrame51& frame, const char* entry) {
    ui::MenuItem* item = frame.PopupMenu1.Items().Find(entry);
    if (!item) item = frame.PopupMenu2.Items().Find(entry);
    ASSERT_TRUE(item) << entry;
    item->UserChoose();
  }
  static int RowOf(nettune::TFrame51& frame, const std::string& caption) {
    for (int i = 0; i < frame.ListView1->Count(); ++i) {
      if (frame.ListView1->Item(i)->Caption() == caption) return i;
    }
    return -1;
  }
  std::optional<uint32_t> Dword(RegRoot root, const std::string& path, const std::string& name) {
    auto key = registry.OpenKey(root, path, os::RegAccess::Read);
    RegValue value;
    if (!key || key->QueryValue(name, value) != os::RegStatus::Ok) return std::nullopt;
    return value.AsDword();
  }

 private:
  std::vector<std::pair<std::tuple<RegRoot, std::string, std::string>, std::optional<RegValue>>>
      kept_;
  bool interfacesExisted_ = false;
};

TEST_F(RealTcpIpPage, Windows2000LayoutReadsAndSavesAnInterface) {
  const std::string interfaceKey = std::string(kTcpip) + "\\Interfaces\\" + kScratchInterface;
  auto scratch = registry.CreateKey(RegRoot::LocalMachine, interfaceKey);
  ASSERT_TRUE(scratch && scratch->SetValue("MTU", RegValue::Dword(1492)) == os::RegStatus::Ok);
  nettune::TFrame51& frame = Open(2);
  ASSERT_FALSE(frame.ControlSetNames.empty());
  const int row = RowOf(frame, kScratchInterface);
  ASSERT_GE(row, 0);
  frame.ListView1->UserClickItem(row);
  EXPECT_TRUE(frame.MtuButtons[3]->Checked()) << "1492";

  Choose(frame, "Optimieren ISDN");
  Choose(frame, "Speichern");
  EXPECT_EQ(Dword(RegRoot::LocalMachine, interfaceKey, "MTU"), 1500u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kTcpip, "GlobalMaxTcpWindowSize"), 11680u);
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(RealTcpIpPage, Nt4LayoutListsABoundAdapterAndSavesItsMtu) {
  const std::string serviceKeys = "SYSTEM\\CurrentControlSet\\Services\\";
  ASSERT_TRUE(registry.CreateKey(RegRoot::LocalMachine,
                                 serviceKeys + kScratchAdapter + "\\Parameters\\Tcpip"));
  nettune::TFrame51& frame = Open(1);
  ASSERT_FALSE(frame.ControlSetNames.empty());
  EXPECT_EQ(frame.ControlSetNames.front(), "System\\CurrentControlSet");
  const int row = RowOf(frame, kScratchAdapter);
  ASSERT_GE(row, 0);
  EXPECT_EQ(RowOf(frame, "Tcpip"), -1);
  frame.ListView1->UserClickItem(row);

  Choose(frame, "Optimieren Analoges Modem");
  Choose(frame, "Speichern");
  EXPECT_EQ(Dword(RegRoot::LocalMachine, serviceKeys + kScratchAdapter + "\\Tcpip", "MTU"), 576u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kTcpip, "TcpWindowSize"), 2144u);
  EXPECT_EQ(Dword(RegRoot::LocalMachine, kTcpip, "DefaultTTL"), 128u);
}

}  // namespace
