#include "nettune/tcpip_frame.h"

#include <cstddef>
#include <exception>
#include <iterator>

#include "base/convert.h"
#include "base/text.h"
#include "page/page_frame.h"

namespace nettune {
using page::Removal;
using page::Root;

// What a preset puts into the controls. A factor of 0 takes the receive window as typed.
struct Preset {
  int mtu;
  int ttl;
  int rwinFactor;
  const char* userRwin;
  int mss;
  int windowScaling;  // item of ComboBox1
};

namespace {

constexpr Root kLocalMachine = Root::LocalMachine;
constexpr Root kCurrentUser = Root::CurrentUser;
constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

constexpr int kMtuChoices[] = {552, 576, 1002, 1492, 1500, 3000};
constexpr int kTtlChoices[] = {32, 64, 128};
// ComboBox1's items stand for these Tcp1323Opts values.
constexpr int kWindowScalingValues[] = {0, 1, 3};

// The analog preset's window scaling is off: a 2144-byte window has nothing to scale, and what
// the list shows is then what "Speichern" writes.
constexpr Preset kAnalogModem{576, 128, 4, nullptr, 536, 0};
constexpr Preset kIsdn{1500, 64, 8, nullptr, 1460, 1};
constexpr Preset kDslCable{1492, 64, 0, "32767", 1452, 1};
constexpr Preset kNetwork{3000, 64, 0, "32767", 2960, 1};

// The ranges a typed value must keep: the smallest MTU an IP host must take, the TTL field of
// an IP header, and the largest receive window without (NT 4.0) and with window scaling.
struct Range {
  const char* what;
  int min;
  int max;
};
constexpr Range kMtuRange{"die MTU", 68, 65535};
constexpr Range kTtlRange{"die TTL", 1, 255};
constexpr Range kRwinRangeNt4{"das RWIN", 1, 65535};
constexpr Range kRwinRange2000{"das RWIN", 1, 1073741823};

int Checked(const std::vector<ui::RadioButton*>& buttons) {
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->Checked()) return static_cast<int>(i);
  }
  return -1;
}

int TypedNumber(const std::string& text, const Range& range) {
  const std::string allowed = "Bitte geben Sie für " + std::string(range.what) +
                              " eine ganze Zahl von " + base::IntToStr(range.min) + " bis " +
                              base::IntToStr(range.max) + " ein.";
  int32_t value = 0;
  if (!base::TryStrToInt(text, value)) {
    throw InputError("\"" + text + "\" ist keine gültige Zahl.\n" + allowed);
  }
  if (value < range.min || value > range.max) {
    throw InputError("\"" + text + "\" liegt außerhalb des erlaubten Bereichs.\n" + allowed);
  }
  return value;
}

// Checks the button of the number the text names, or the user button with the text.
void SetChoice(const std::vector<ui::RadioButton*>& buttons, const int* numbers, size_t count,
               ui::Edit& userEdit, const std::string& text) {
  for (size_t i = 0; i < count; ++i) {
    if (text == base::IntToStr(numbers[i])) {
      buttons[i]->SetChecked(true);
      return;
    }
  }
  buttons[count]->SetChecked(true);
  userEdit.SetText(text);
}

}  // namespace

// --- registry -----------------------------------------------------------------------------------

std::string TFrame51::ReadReg(Root root, std::string_view key, std::string_view name,
                              page::Kind kind) {
  try {
    registry_.SetRootKey(sysaccess::RegRootOf(root));
    std::string result;
    if (registry_.OpenKeyReadOnly(key) && registry_.ValueExists(name)) {
      if (kind == page::Kind::String) result = registry_.ReadString(name);
      if (kind == page::Kind::Integer) result = base::IntToStr(registry_.ReadInteger(name));
    }
    registry_.CloseKey();
    return result;
  } catch (const std::exception& error) {
    registry_.CloseKey();
    form_.Trace().Failure("TFrame51::ReadReg", error.what());
    return "";
  }
}

void TFrame51::WriteReg(Root root, std::string_view key, std::string_view name,
                        std::string_view value, page::Kind kind) {
  try {
    registry_.SetRootKey(sysaccess::RegRootOf(root));
    if (registry_.OpenKey(key, true)) {
      if (kind == page::Kind::String) registry_.WriteString(name, value);
      if (kind == page::Kind::Integer)
        registry_.WriteInteger(name, base::TruncToInt32(base::StrToFloat(value)));
    }
    registry_.CloseKey();
  } catch (const std::exception& error) {
    registry_.CloseKey();
    form_.Trace().Failure("TFrame51::WriteReg", error.what());
  }
}

void TFrame51::DeleteReg(Root root, std::string_view key, std::string_view name, Removal removal) {
  try {
    registry_.SetRootKey(sysaccess::RegRootOf(root));
    if (registry_.OpenKey(key, false)) {
      if (removal == Removal::Value) {
        if (registry_.ValueExists(name)) registry_.DeleteValue(name);
      } else if (registry_.KeyExists(name)) {
        registry_.DeleteKey(name);
      }
    }
    registry_.CloseKey();
  } catch (const std::exception& error) {
    registry_.CloseKey();
    form_.Trace().Failure("TFrame51::DeleteReg", error.what());
  }
}

std::string TFrame51::ParametersKey(const std::string& controlSet) const {
  return layout_ == Layout::Interfaces ? "SYSTEM\\" + controlSet + "\\Services\\Tcpip\\Parameters"
                                       : controlSet + "\\Services\\Tcpip\\Parameters";
}

std::string TFrame51::AdapterKey(const std::string& controlSet, const std::string& adapter) const {
  return layout_ == Layout::Interfaces
             ? "SYSTEM\\" + controlSet + "\\Services\\Tcpip\\Parameters\\Interfaces\\" + adapter
             : controlSet + "\\Services\\" + adapter + "\\Tcpip";
}

// --- values -------------------------------------------------------------------------------------

std::optional<int> TFrame51::MtuOrNone() const {
  const int choice = Checked(MtuButtons);
  if (choice < 0) return std::nullopt;
  if (choice < static_cast<int>(std::size(kMtuChoices))) return kMtuChoices[choice];
  return TypedNumber(Edit1->Text(), kMtuRange);
}

int TFrame51::GetMTU() const {
  return MtuOrNone().value_or(0);
}

void TFrame51::SetMTU(const std::string& text) {
  SetChoice(MtuButtons, kMtuChoices, std::size(kMtuChoices), *Edit1, text);
}

int TFrame51::GetTTL() const {
  const int choice = Checked(TtlButtons);
  if (choice < 0) return 0;
  if (choice < static_cast<int>(std::size(kTtlChoices))) return kTtlChoices[choice];
  return TypedNumber(Edit2->Text(), kTtlRange);
}

void TFrame51::SetTTL(const std::string& text) {
  SetChoice(TtlButtons, kTtlChoices, std::size(kTtlChoices), *Edit2, text);
}

int TFrame51::GetRWIN() const {
  if (RadioButton12->Checked()) {
    const std::optional<int> mtu = MtuOrNone();
    if (!mtu) throw InputError("Bitte wählen Sie eine MTU aus; das RWIN wird aus ihr berechnet.");
    return (*mtu - 40) * TrackBar1->Value();
  }
  return TypedNumber(Edit3->Text(), layout_ == Layout::Adapters ? kRwinRangeNt4 : kRwinRange2000);
}

void TFrame51::SetRWIN(const std::string& text) {
  int32_t value = 0;
  std::optional<int> mtu;
  try {
    mtu = MtuOrNone();
  } catch (const InputError&) {
    // A typed MTU that is no number gives no segment size to divide by.
  }
  // Without a usable MTU the window can only be shown as typed.
  if (mtu && base::TryStrToInt(text, value) && value > 0 && value % (*mtu - 40) == 0) {
    TrackBar1->SetValue(value / (*mtu - 40));
    RadioButton12->SetChecked(true);
    return;
  }
  Edit3->SetText(text);
  RadioButton13->SetChecked(true);
}

void TFrame51::TrackBar1Change() {
  const std::string factor = "Faktor : " + base::IntToStr(TrackBar1->Value());
  std::optional<int> mtu;
  try {
    mtu = MtuOrNone();
  } catch (const InputError&) {
  }
  Label1->SetCaption(
      mtu ? factor + " = RWIN von " + base::IntToStr((*mtu - 40) * TrackBar1->Value()) : factor);
}

// --- reading ------------------------------------------------------------------------------------

void TFrame51::Load() {
  ReadControlSetNames();
  if (!ControlSetNames.empty()) {
    const std::string parameters = ParametersKey(ControlSetNames.front());
    ReadGlobalValues(parameters);
  }
  if (layout_ == Layout::Interfaces) {
    InitDFUeSpeed();
  } else {
    InitDFUeSpeedNT();
  }
  ReadConnectionLimit();
  SelectFirstAdapter();
}

void TFrame51::ReadControlSetNames() {
  ControlSetNames.clear();
  registry_.SetRootKey(os::RegRoot::LocalMachine);
  if (layout_ == Layout::Interfaces) {
    if (registry_.OpenKeyReadOnly("SYSTEM")) {
      for (const std::string& name : registry_.GetKeyNames()) {
        if (base::UpperCase(name).find("CONTROLSET") != std::string::npos) {
          ControlSetNames.push_back(name);
        }
      }
    }
    registry_.CloseKey();
    return;
  }
  // The numbered sets are named as the stack's installer names them up to nine; from ten on the
  // number simply follows "00".
  const auto addIfPresent = [this](const std::string& path) {
    if (registry_.OpenKeyReadOnly(path)) ControlSetNames.push_back(path);
    registry_.CloseKey();
  };
  addIfPresent("System\\CurrentControlSet");
  for (int n = 0; n <= 19; ++n) addIfPresent("System\\ControlSet00" + base::IntToStr(n));
}

void TFrame51::ApplyFlag(ui::CheckBox* box, const std::string& text) {
  if (!text.empty()) box->SetChecked(base::StrToIntDef(text, 0) != 0);
}

void TFrame51::ApplyWindowScaling(std::string text) {
  if (text == "3") text = "2";
  if (!text.empty()) ComboBox1->SetItemIndex(base::StrToIntDef(text, -1));
}

void TFrame51::ReadGlobalValues(const std::string& parameters) {
  if (layout_ == Layout::Interfaces) {
    const std::string mss =
        ReadReg(kLocalMachine, parameters, "TcpRecvSegmentSize", page::Kind::Integer);
    if (!mss.empty()) CSpinEdit1->SetValue(base::StrToIntDef(mss, 0));
  }
  const std::string ttl = ReadReg(kLocalMachine, parameters, "DefaultTTL", page::Kind::Integer);
  if (!ttl.empty()) SetTTL(ttl);
  ApplyFlag(CheckBox1,
            ReadReg(kLocalMachine, parameters, "EnablePMTUDiscovery", page::Kind::Integer));
  ApplyFlag(CheckBox2,
            ReadReg(kLocalMachine, parameters, "EnablePMTUBHDetect", page::Kind::Integer));
  if (layout_ == Layout::Interfaces) {
    ApplyFlag(CheckBox3, ReadReg(kLocalMachine, parameters, "SackOpts", page::Kind::Integer));
    ApplyWindowScaling(ReadReg(kLocalMachine, parameters, "Tcp1323Opts", page::Kind::Integer));
  }
}

void TFrame51::InitDFUeSpeed() {
  ListView1->Clear();
  const std::string interfaces =
      "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
  registry_.SetRootKey(os::RegRoot::LocalMachine);
  std::vector<std::string> names;
  if (registry_.OpenKeyReadOnly(interfaces)) names = registry_.GetKeyNames();
  registry_.CloseKey();
  for (const std::string& name : names) ListView1->Add(name);
  if (names.empty()) return;
  // The address of the last interface listed.
  const std::string key = "\\" + interfaces + "\\" + names.back();
  const auto joined = [&](const char* value) {
    std::string text;
    if (form_.ReadReg(kLocalMachine, key, value, page::Kind::MultiString).empty()) return text;
    for (const std::string& part : form_.WorkList) text += part;
    return text;
  };
  Edit4->SetText(joined("IPAddress"));
  Edit5->SetText(joined("SubnetMask"));
}

void TFrame51::InitDFUeSpeedNT() {
  ListView1->Clear();
  const std::string services = "SYSTEM\\CurrentControlSet\\Services";
  registry_.SetRootKey(os::RegRoot::LocalMachine);
  std::vector<std::string> names;
  if (registry_.OpenKeyReadOnly(services)) names = registry_.GetKeyNames();
  registry_.CloseKey();
  // A service is bound to the stack when it has Parameters\Tcpip. Key names are compared
  // without case, so one open per service finds it, where a walk of its subkeys took several.
  for (const std::string& service : names) {
    if (registry_.KeyExists(services + "\\" + service + "\\Parameters\\Tcpip")) {
      ListView1->Add(service);
    }
  }
}

void TFrame51::ReadConnectionLimit() {
  const std::string limit =
      ReadReg(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer", page::Kind::Integer);
  CheckBox4->SetChecked(!limit.empty() && base::StrToIntDef(limit, 0) != 0);
}

void TFrame51::SelectFirstAdapter() {
  if (ListView1->Count() == 0) return;
  ListView1->SetItemIndex(0);
  ListView1Click();
}

void TFrame51::ListView1Click() {
  const ui::ListItem* selected = ListView1->Selected();
  if (!selected || ControlSetNames.empty()) return;
  const std::string& controlSet = ControlSetNames.front();
  const std::string parameters = ParametersKey(controlSet);
  const std::string mtu = ReadReg(kLocalMachine, AdapterKey(controlSet, selected->Caption()), "MTU",
                                  page::Kind::Integer);
  if (!mtu.empty()) SetMTU(mtu);
  const char* rwinName = layout_ == Layout::Interfaces ? "GlobalMaxTcpWindowSize" : "TcpWindowSize";
  const std::string rwin = ReadReg(kLocalMachine, parameters, rwinName, page::Kind::Integer);
  if (!rwin.empty()) SetRWIN(rwin);
  ReadGlobalValues(parameters);
  TrackBar1Change();
}

// --- actions ------------------------------------------------------------------------------------

void TFrame51::Run(void (TFrame51::*action)()) {
  page::Quietly(
      form_, [&] { (this->*action)(); }, "TFrame51");
}

void TFrame51::ApplyPreset(const Preset& preset) {
  SetMTU(base::IntToStr(preset.mtu));
  SetTTL(base::IntToStr(preset.ttl));
  if (preset.rwinFactor > 0) {
    RadioButton12->SetChecked(true);
    TrackBar1->SetValue(preset.rwinFactor);
    TrackBar1Change();
  } else {
    RadioButton13->SetChecked(true);
    Edit3->SetText(preset.userRwin);
  }
  CSpinEdit1->SetValue(preset.mss);
  ComboBox1->SetItemIndex(preset.windowScaling);
  CheckBox1->SetChecked(true);
  CheckBox2->SetChecked(false);
  CheckBox3->SetChecked(true);
}

void TFrame51::AnalogesModem1Click() {
  ApplyPreset(kAnalogModem);
}
void TFrame51::ISDN1Click() {
  ApplyPreset(kIsdn);
}
void TFrame51::DSLKabel1Click() {
  ApplyPreset(kDslCable);
}
void TFrame51::Netzwerk1Click() {
  ApplyPreset(kNetwork);
}

void TFrame51::Speichern1Click() {
  const ui::ListItem* selected = ListView1->Selected();
  if (!selected) return;
  // Every typed value is checked before anything is written.
  int mtu = 0;
  int rwin = 0;
  int ttl = 0;
  try {
    if (!MtuOrNone()) throw InputError("Bitte wählen Sie eine MTU aus.");
    mtu = GetMTU();
    rwin = GetRWIN();
    ttl = GetTTL();
  } catch (const InputError& error) {
    form_.MessageDlg(error.what(), "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Error);
    return;
  }
  const auto flag = [](const ui::CheckBox* box) { return box->Checked() ? "1" : "0"; };
  const int scaling = ComboBox1->ItemIndex();
  for (const std::string& controlSet : ControlSetNames) {
    const std::string parameters = ParametersKey(controlSet);
    WriteReg(kLocalMachine, AdapterKey(controlSet, selected->Caption()), "MTU", base::IntToStr(mtu),
             page::Kind::Integer);
    if (layout_ == Layout::Interfaces) {
      WriteReg(kLocalMachine, parameters, "TcpRecvSegmentSize", base::IntToStr(CSpinEdit1->Value()),
               page::Kind::Integer);
      WriteReg(kLocalMachine, parameters, "GlobalMaxTcpWindowSize", base::IntToStr(rwin),
               page::Kind::Integer);
    }
    WriteReg(kLocalMachine, parameters, "TcpWindowSize", base::IntToStr(rwin), page::Kind::Integer);
    // Without a TTL choice the stack keeps its own default.
    if (ttl > 0)
      WriteReg(kLocalMachine, parameters, "DefaultTTL", base::IntToStr(ttl), page::Kind::Integer);
    WriteReg(kLocalMachine, parameters, "EnablePMTUDiscovery", flag(CheckBox1),
             page::Kind::Integer);
    WriteReg(kLocalMachine, parameters, "EnablePMTUBHDetect", flag(CheckBox2), page::Kind::Integer);
    if (layout_ == Layout::Interfaces) {
      WriteReg(kLocalMachine, parameters, "SackOpts", flag(CheckBox3), page::Kind::Integer);
      if (scaling >= 0 && scaling < static_cast<int>(std::size(kWindowScalingValues))) {
        WriteReg(kLocalMachine, parameters, "Tcp1323Opts",
                 base::IntToStr(kWindowScalingValues[scaling]), page::Kind::Integer);
      }
    }
  }
  if (CheckBox4->Checked()) {
    WriteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer", "8", page::Kind::Integer);
    WriteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPer1_0Server", "16",
             page::Kind::Integer);
  } else {
    DeleteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer", Removal::Value);
    DeleteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPer1_0Server", Removal::Value);
  }
  form_.ReportApplied();
}

void TFrame51::Standardwerte1Click() {
  if (form_.MessageDlg("Auf Standardwerte zurücksetzen ?", "Frage", ui::MsgButtons::YesNo,
                       ui::MsgIcon::Question) != ui::mrYes) {
    return;
  }
  DeleteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer", Removal::Value);
  DeleteReg(kCurrentUser, kInternetSettings, "MaxConnectionsPer1_0Server", Removal::Value);
  const std::vector<const char*> tuned =
      layout_ == Layout::Interfaces
          ? std::vector<const char*>{"TcpRecvSegmentSize",
                                     "GlobalMaxTcpWindowSize",
                                     "TcpWindowSize",
                                     "DefaultTTL",
                                     "EnablePMTUDiscovery",
                                     "EnablePMTUBHDetect",
                                     "SackOpts",
                                     "Tcp1323Opts"}
          : std::vector<const char*>{"TcpWindowSize", "DefaultTTL", "EnablePMTUDiscovery",
                                     "EnablePMTUBHDetect"};
  for (const std::string& controlSet : ControlSetNames) {
    for (int i = 0; i < ListView1->Count(); ++i) {
      WriteReg(kLocalMachine, AdapterKey(controlSet, ListView1->Item(i)->Caption()), "MTU", "1500",
               page::Kind::Integer);
    }
    for (const char* name : tuned)
      DeleteReg(kLocalMachine, ParametersKey(controlSet), name, Removal::Value);
  }
  form_.ReportApplied();
}

}  // namespace nettune
