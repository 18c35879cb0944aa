// The TCP/IP tuner on seeded NT 4.0 and Windows 2000 registries: what the frame shows, what each
// preset saves to every control set, what the reset removes, and typed values that are refused.
#include <map>

#include "../tweaks/page_fixture.h"
#include "nettune/tcpip_frame.h"

namespace {

using os::RegRoot;
using testing_support::PageTest;
// "key\name" -> the DWORD written, or "deleted".
using Written = std::map<std::string, std::string>;

constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kSets2000[] = {"ControlSet001", "ControlSet002", "CurrentControlSet"};
const char* const kSetsNt4[] = {"CurrentControlSet", "ControlSet001", "ControlSet0012"};

class TcpIpPageTest : public PageTest {
 protected:
  // Three control sets with the same stack parameters, so whichever is read first shows them.
  void Seed2000(const std::string& parameters, const std::string& firstInterface) {
    Start(os::MemorySystem::kWindows2000);
    std::string text =
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]\n\"Current\"=dword:00000001\n"
        "[HKEY_CURRENT_USER\\" +
        std::string(kInternet) + "]\n\"MaxConnectionsPerServer\"=dword:00000008\n";
    for (const char* set : kSets2000) {
      const std::string tcpip =
          "[HKEY_LOCAL_MACHINE\\SYSTEM\\" + std::string(set) + "\\Services\\Tcpip\\Parameters";
      text += tcpip + "]\n\"Hostname\"=\"kalmora\"\n" + parameters;
      text += tcpip + "\\Interfaces\\{AAA}]\n" + firstInterface;
      text += tcpip +
              "\\Interfaces\\{BBB}]\n"
              "\"IPAddress\"=hex(7):31,00,30,00,2e,00,30,00,2e,00,30,00,2e,00,37,00,00,00,00,00\n"
              "\"SubnetMask\"=hex(7):32,00,35,00,35,00,2e,00,30,00,2e,00,30,00,2e,00,30,00,00,00,"
              "00,00\n";
    }
    Seed(text);
    Open(101);
    recording.Clear();
  }

  void SeedNt4(const std::string& parameters) {
    Start(os::MemorySystem::kNt4);
    std::string text;
    for (const char* set : kSetsNt4) {
      const std::string serviceKeys =
          "[HKEY_LOCAL_MACHINE\\System\\" + std::string(set) + "\\Services";
      text += serviceKeys + "\\Tcpip\\Parameters]\n" + parameters;
      text += serviceKeys + "\\El90x1\\Parameters\\Tcpip]\n";
      text += serviceKeys + "\\NdisWan4\\parameters\\Tcpip]\n";
      text += serviceKeys + "\\Serial\\Parameters]\n";
    }
    Seed(text);
    Open(101);
    recording.Clear();
  }

  nettune::TFrame51& Frame() {
    auto* frame = dynamic_cast<nettune::TFrame51*>(form->PagePanel->FindByName("TFrame51"));
    EXPECT_TRUE(frame);
    return *frame;
  }
  void Choose(const char* entry) {
    ui::MenuItem* item = Frame().PopupMenu1.Items().Find(entry);
    if (!item) item = Frame().PopupMenu2.Items().Find(entry);
    ASSERT_TRUE(item) << entry;
    item->UserChoose();
  }
  std::vector<std::string> Adapters() {
    std::vector<std::string> names;
    for (int i = 0; i < Frame().ListView1->Count(); ++i) {
      names.push_back(Frame().ListView1->Item(i)->Caption());
    }
    return names;
  }
  Written Changes() {
    Written written;
    for (const os::RegEvent& event : recording.Changes()) {
      // A new key shows in the value written into it.
      if (event.op == os::RegEvent::Op::CreateKey) continue;
      std::string value = "deleted";
      if (event.op == os::RegEvent::Op::SetValue) {
        const auto& data = event.written->data;
        value = event.written->type == os::kRegDword && data.size() == 4
                    ? std::to_string(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24)
                    : "<not a DWORD>";
      } else if (event.op != os::RegEvent::Op::DeleteValue) {
        value = "<key changed>";
      }
      const auto [at, fresh] = written.emplace(event.path + "\\" + event.name, value);
      EXPECT_TRUE(fresh) << "written twice: " << at->first;
    }
    return written;
  }
  std::string Message() {
    const auto& shown = backend.Dialogs().Messages();
    return shown.empty() ? "" : shown.back().caption + ": " + shown.back().text;
  }
};

std::string Tcpip2000(const char* set) {
  return "SYSTEM\\" + std::string(set) + "\\Services\\Tcpip\\Parameters";
}

TEST_F(TcpIpPageTest, Windows2000ShowsTheTunedInterfaceAndSavesItBack) {
  Seed2000(
      "\"GlobalMaxTcpWindowSize\"=dword:00002da0\n\"DefaultTTL\"=dword:00000040\n"
      "\"Tcp1323Opts\"=dword:00000003\n\"SackOpts\"=dword:00000000\n"
      "\"EnablePMTUDiscovery\"=dword:00000001\n\"TcpRecvSegmentSize\"=dword:000005b4\n",
      "\"MTU\"=dword:000005dc\n");
  nettune::TFrame51& frame = Frame();
  EXPECT_EQ(Adapters(), (std::vector<std::string>{"{AAA}", "{BBB}"}));
  EXPECT_EQ(frame.ControlSetNames.size(), 3u);
  EXPECT_EQ(frame.Edit4->Text(), "10.0.0.7");
  EXPECT_EQ(frame.Edit5->Text(), "255.0.0.0");
  EXPECT_TRUE(frame.MtuButtons[4]->Checked()) << "1500";
  EXPECT_TRUE(frame.RadioButton12->Checked());
  EXPECT_EQ(frame.TrackBar1->Value(), 8);
  EXPECT_EQ(frame.Label1->Caption(), "Faktor : 8 = RWIN von 11680");
  EXPECT_TRUE(frame.TtlButtons[1]->Checked()) << "64";
  EXPECT_EQ(frame.ComboBox1->ItemIndex(), 2);
  EXPECT_TRUE(frame.CheckBox1->Checked());
  EXPECT_FALSE(frame.CheckBox2->Checked());
  EXPECT_FALSE(frame.CheckBox3->Checked());
  EXPECT_TRUE(frame.CheckBox4->Checked());
  EXPECT_EQ(frame.CSpinEdit1->Value(), 1460);

  Choose("Speichern");
  const Written written = Changes();
  EXPECT_EQ(written.size(), 3u * 9 + 2);
  EXPECT_EQ(written.at(Tcpip2000("ControlSet002") + "\\Tcp1323Opts"), "3") << "the third item";
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(TcpIpPageTest, Windows2000PresetsSaveTheirValues) {
  Seed2000("", "");
  const char* const names[] = {
      "Interfaces\\{AAA}\\MTU", "TcpRecvSegmentSize", "GlobalMaxTcpWindowSize",
      "TcpWindowSize",          "DefaultTTL",         "EnablePMTUDiscovery",
      "EnablePMTUBHDetect",     "SackOpts",           "Tcp1323Opts"};
  struct Case {
    const char* preset;
    std::vector<const char*> values;  // in the order of names
  };
  const Case cases[] = {
      {"Optimieren Analoges Modem", {"576", "536", "2144", "2144", "128", "1", "0", "1", "0"}},
      {"Optimieren ISDN", {"1500", "1460", "11680", "11680", "64", "1", "0", "1", "1"}},
      {"Optimieren DSL / Kabel", {"1492", "1452", "32767", "32767", "64", "1", "0", "1", "1"}},
      {"Optimieren Netzwerk", {"3000", "2960", "32767", "32767", "64", "1", "0", "1", "1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preset);
    recording.Clear();
    Choose(c.preset);
    EXPECT_TRUE(recording.Changes().empty()) << "a preset only fills the controls";
    Choose("Speichern");
    Written expected;
    for (const char* set : kSets2000) {
      for (size_t i = 0; i < c.values.size(); ++i) {
        expected[Tcpip2000(set) + "\\" + names[i]] = c.values[i];
      }
    }
    expected[std::string(kInternet) + "\\MaxConnectionsPerServer"] = "8";
    expected[std::string(kInternet) + "\\MaxConnectionsPer1_0Server"] = "16";
    EXPECT_EQ(Changes(), expected);
  }
}

TEST_F(TcpIpPageTest, Nt4ListsBoundAdaptersAndAPresetSavesTheAdapterLayout) {
  SeedNt4("");
  EXPECT_EQ(Adapters(), (std::vector<std::string>{"El90x1", "NdisWan4"}));
  EXPECT_EQ(Frame().ControlSetNames,
            (std::vector<std::string>{"System\\CurrentControlSet", "System\\ControlSet001",
                                      "System\\ControlSet0012"}));
  EXPECT_FALSE(Frame().CSpinEdit1->Visible());
  EXPECT_FALSE(Frame().ComboBox1->Visible());

  Frame().ListView1->UserClickItem(1);
  Seed("[HKEY_CURRENT_USER\\" + std::string(kInternet) +
       "]\n\"MaxConnectionsPerServer\"=dword:00000008\n");
  recording.Clear();
  Frame().CheckBox4->SetChecked(false);
  Choose("Optimieren Analoges Modem");
  Choose("Speichern");
  Written expected{{std::string(kInternet) + "\\MaxConnectionsPerServer", "deleted"}};
  for (const char* set : kSetsNt4) {
    const std::string serviceKeys = "System\\" + std::string(set) + "\\Services\\";
    expected[serviceKeys + "NdisWan4\\Tcpip\\MTU"] = "576";
    expected[serviceKeys + "Tcpip\\Parameters\\TcpWindowSize"] = "2144";
    expected[serviceKeys + "Tcpip\\Parameters\\DefaultTTL"] = "128";
    expected[serviceKeys + "Tcpip\\Parameters\\EnablePMTUDiscovery"] = "1";
    expected[serviceKeys + "Tcpip\\Parameters\\EnablePMTUBHDetect"] = "0";
  }
  EXPECT_EQ(Changes(), expected);
}

TEST_F(TcpIpPageTest, ResetRemovesExactlyTheTunedValuesAfterAsking) {
  Seed2000(
      "\"GlobalMaxTcpWindowSize\"=dword:00002da0\n\"DefaultTTL\"=dword:00000040\n"
      "\"SackOpts\"=dword:00000001\n",
      "\"MTU\"=dword:00000240\n");
  backend.Dialogs().AnswerMessage(ui::mrNo);
  Choose("auf Standardwerte zurücksetzen");
  EXPECT_EQ(Message(), "Frage: Auf Standardwerte zurücksetzen ?");
  EXPECT_TRUE(recording.Changes().empty());

  backend.Dialogs().AnswerMessage(ui::mrYes);
  Choose("auf Standardwerte zurücksetzen");
  Written expected{{std::string(kInternet) + "\\MaxConnectionsPerServer", "deleted"}};
  for (const char* set : kSets2000) {
    const std::string tcpip = Tcpip2000(set);
    expected[tcpip + "\\Interfaces\\{AAA}\\MTU"] = "1500";
    expected[tcpip + "\\Interfaces\\{BBB}\\MTU"] = "1500";
    expected[tcpip + "\\GlobalMaxTcpWindowSize"] = "deleted";
    expected[tcpip + "\\DefaultTTL"] = "deleted";
    expected[tcpip + "\\SackOpts"] = "deleted";
  }
  EXPECT_EQ(Changes(), expected);
  EXPECT_EQ(Str(RegRoot::LocalMachine, Tcpip2000("ControlSet002"), "Hostname"), "kalmora");
}

TEST_F(TcpIpPageTest, TypedValuesThatAreNoNumberOrOutOfRangeWriteNothing) {
  Seed2000("", "");
  nettune::TFrame51& frame = Frame();
  // Nothing stored: no MTU is chosen, so the receive window has nothing to be computed from.
  Choose("Speichern");
  EXPECT_EQ(Message(), "Fehler: Bitte wählen Sie eine MTU aus.");

  struct Case {
    ui::RadioButton* choice;
    ui::Edit* edit;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {frame.MtuButtons[6], frame.Edit1, "abc",
       "Fehler: \"abc\" ist keine gültige Zahl.\n"
       "Bitte geben Sie für die MTU eine ganze Zahl von 68 bis 65535 ein."},
      {frame.MtuButtons[6], frame.Edit1, "40",
       "Fehler: \"40\" liegt außerhalb des erlaubten Bereichs.\n"
       "Bitte geben Sie für die MTU eine ganze Zahl von 68 bis 65535 ein."},
      {frame.TtlButtons[3], frame.Edit2, "256",
       "Fehler: \"256\" liegt außerhalb des erlaubten Bereichs.\n"
       "Bitte geben Sie für die TTL eine ganze Zahl von 1 bis 255 ein."},
      {frame.RadioButton13, frame.Edit3, "64K",
       "Fehler: \"64K\" ist keine gültige Zahl.\n"
       "Bitte geben Sie für das RWIN eine ganze Zahl von 1 bis 1073741823 ein."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Choose("Optimieren ISDN");
    c.choice->UserClick();
    c.edit->UserType(c.typed);
    recording.Clear();
    Choose("Speichern");
    EXPECT_EQ(Message(), c.message);
    EXPECT_TRUE(recording.Changes().empty());
  }

  // A typed MTU at the bottom of its range computes the window from it.
  Choose("Optimieren ISDN");
  frame.MtuButtons[6]->UserClick();
  frame.Edit1->UserType("68");
  recording.Clear();
  Choose("Speichern");
  EXPECT_EQ(Changes().at(Tcpip2000("ControlSet002") + "\\TcpWindowSize"), "224");

  // Without an adapter chosen nothing is saved.
  frame.ListView1->ClearSelection();
  recording.Clear();
  Choose("Speichern");
  EXPECT_TRUE(recording.Changes().empty());
}

TEST_F(TcpIpPageTest, StoredWindowsThatAreNoFactorOrTooLargeAFactor) {
  Seed2000("\"GlobalMaxTcpWindowSize\"=dword:00007fff\n", "\"MTU\"=dword:000005d4\n");
  EXPECT_TRUE(Frame().MtuButtons[3]->Checked()) << "1492";
  EXPECT_TRUE(Frame().RadioButton13->Checked());
  EXPECT_EQ(Frame().Edit3->Text(), "32767");

  // 60 x 1460: the track bar stops at 50.
  Seed2000("\"GlobalMaxTcpWindowSize\"=dword:00015630\n", "\"MTU\"=dword:000005dc\n");
  EXPECT_TRUE(Frame().RadioButton12->Checked());
  EXPECT_EQ(Frame().TrackBar1->Value(), 50);
  Choose("Speichern");
  EXPECT_EQ(Changes().at(Tcpip2000("CurrentControlSet") + "\\GlobalMaxTcpWindowSize"), "73000");
}

TEST_F(TcpIpPageTest, OtherSystemsGetAnEmptyPage) {
  Start(os::MemorySystem::kWindowsXp);
  Open(101);
  EXPECT_FALSE(form->PagePanel->FindByName("TFrame51"));
}

}  // namespace
