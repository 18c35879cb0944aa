#include "nettune/tcpip_profile.h"

#include "base/convert.h"
#include "base/text.h"
#include "nettune/tcpip_frame.h"
#include "nettune/tcpip_page.h"

namespace nettune {
namespace {

constexpr const char* kMtuPrefix = "Maximum Transmission Unit (MTU / IPMTU): ";
constexpr const char* kTtl = "TimeToLive (TTL)";
constexpr const char* kRwin = "RWIN";
constexpr const char* kMss = "Max Segment Size (MSS)";
constexpr const char* kWindowScaling = "Window Scaling (Tcp1323Opts)";

TFrame51* FrameOf(page::PageContext& host) {
  if (!host.PagePanel) return nullptr;
  for (const auto& child : host.PagePanel->Children()) {
    if (auto* frame = dynamic_cast<TFrame51*>(child.get())) return frame;
  }
  return nullptr;
}

std::string Trimmed(std::string_view text) {
  return std::string(base::Trim(text));
}

// The check boxes by their captions; the one for faster pages is the user's.
std::vector<ui::CheckBox*> Checks(TFrame51& frame) {
  std::vector<ui::CheckBox*> checks;
  for (ui::CheckBox* box : {frame.CheckBox4, frame.CheckBox1, frame.CheckBox2, frame.CheckBox3}) {
    if (box->Visible()) checks.push_back(box);
  }
  return checks;
}

// A number the frame computes, or nothing when what it is made of is not a number.
template <class Get>
std::optional<int> Number(Get get) {
  try {
    return get();
  } catch (const InputError&) {
    return std::nullopt;
  }
}

bool ParseNumber(const std::string& value, int min, int max, int32_t& number) {
  return base::TryStrToInt(Trimmed(value), number) && number >= min && number <= max;
}

void SelectConnection(TFrame51& frame, int index, bool readIt) {
  frame.ListView1->SetItemIndex(index);
  if (readIt) frame.ListView1Click();
}

}  // namespace

std::string MtuSettingName(const std::string& connection) {
  return kMtuPrefix + connection;
}

int TcpIpProfilePage::PageId() const {
  return kTcpIpPage;
}

std::vector<profile::Shown> TcpIpProfilePage::Settings(page::PageContext& host) const {
  pendingMtu_.clear();
  shownMtu_.clear();
  std::vector<profile::Shown> shown;
  TFrame51* frame = FrameOf(host);
  if (!frame) return shown;
  const auto machine = [&](std::string name, std::string value) {
    shown.push_back({std::move(name), std::move(value), profile::Part::Machine});
  };
  // Each connection's MTU shows when the connection is selected.
  for (int i = 0; i < frame->ListView1->Count(); ++i) {
    // A connection without an MTU of its own would show the one selected before.
    for (ui::RadioButton* button : frame->MtuButtons) button->SetChecked(false);
    SelectConnection(*frame, i, true);
    const std::optional<int> mtu = Number([&] { return frame->GetMTU(); });
    if (mtu && *mtu > 0) {
      const std::string& connection = frame->ListView1->Item(i)->Caption();
      shownMtu_[connection] = base::IntToStr(*mtu);
      machine(MtuSettingName(connection), base::IntToStr(*mtu));
    }
  }
  if (frame->ListView1->Count() > 0) SelectConnection(*frame, 0, true);
  if (const std::optional<int> ttl = Number([&] { return frame->GetTTL(); }); ttl && *ttl > 0) {
    machine(kTtl, base::IntToStr(*ttl));
  }
  if (const std::optional<int> rwin = Number([&] { return frame->GetRWIN(); })) {
    machine(kRwin, base::IntToStr(*rwin));
  }
  if (frame->CSpinEdit1->Visible()) machine(kMss, base::IntToStr(frame->CSpinEdit1->Value()));
  for (ui::CheckBox* box : Checks(*frame)) {
    shown.push_back({box->Caption(), box->Checked() ? profile::kChecked : profile::kUnchecked,
                     box == frame->CheckBox4 ? profile::Part::User : profile::Part::Machine});
  }
  const int scaling = frame->ComboBox1->ItemIndex();
  if (frame->ComboBox1->Visible() && scaling >= 0) {
    machine(kWindowScaling, frame->ComboBox1->Items()[static_cast<size_t>(scaling)]);
  }
  return shown;
}

bool TcpIpProfilePage::Set(page::PageContext& host, const std::string& name,
                           const std::string& value) const {
  TFrame51* frame = FrameOf(host);
  if (!frame) return false;
  int32_t number = 0;
  if (name.rfind(kMtuPrefix, 0) == 0) {
    if (!ParseNumber(value, 68, 65535, number)) return false;
    pendingMtu_[name.substr(std::string(kMtuPrefix).size())] = base::IntToStr(number);
    return true;
  }
  if (name == kTtl) {
    if (!ParseNumber(value, 1, 255, number)) return false;
    frame->SetTTL(base::IntToStr(number));
    return true;
  }
  if (name == kRwin) {
    if (!ParseNumber(value, 1, 1073741823, number)) return false;
    frame->RadioButton13->SetChecked(true);
    frame->Edit3->SetText(base::IntToStr(number));
    return true;
  }
  if (name == kMss) {
    if (!ParseNumber(value, frame->CSpinEdit1->Min(), frame->CSpinEdit1->Max(), number)) {
      return false;
    }
    frame->CSpinEdit1->SetValue(number);
    return true;
  }
  if (name == kWindowScaling) {
    const std::vector<std::string>& items = frame->ComboBox1->Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] != Trimmed(value)) continue;
      frame->ComboBox1->SetItemIndex(static_cast<int>(i));
      return true;
    }
    return false;
  }
  for (ui::CheckBox* box : Checks(*frame)) {
    if (box->Caption() != name) continue;
    if (Trimmed(value) != profile::kChecked && Trimmed(value) != profile::kUnchecked) return false;
    box->SetChecked(Trimmed(value) == profile::kChecked);
    return true;
  }
  return false;
}

void TcpIpProfilePage::Write(page::PageContext& host) const {
  TFrame51* frame = FrameOf(host);
  if (!frame) return;
  // The window as it stands, typed: another MTU must not change a window computed from it.
  if (const std::optional<int> rwin = Number([&] { return frame->GetRWIN(); })) {
    frame->RadioButton13->SetChecked(true);
    frame->Edit3->SetText(base::IntToStr(*rwin));
  }
  // The stack's own values go with every save; without a new MTU, with the first connection
  // that has one, as it is ("Speichern" refuses a connection without).
  std::map<std::string, std::string> mtus = pendingMtu_;
  if (mtus.empty() && !shownMtu_.empty()) mtus.insert(*shownMtu_.begin());
  bool saved = false;
  for (int i = 0; i < frame->ListView1->Count(); ++i) {
    const auto mtu = mtus.find(frame->ListView1->Item(i)->Caption());
    if (mtu == mtus.end() || (saved && !pendingMtu_.count(mtu->first))) continue;
    SelectConnection(*frame, i, false);
    frame->SetMTU(mtu->second);
    frame->Speichern1Click();
    saved = true;
  }
  if (!saved) frame->Speichern1Click();
  pendingMtu_.clear();
}

std::unique_ptr<profile::ProfilePage> MakeTcpIpProfilePage() {
  return std::make_unique<TcpIpProfilePage>();
}

}  // namespace nettune
