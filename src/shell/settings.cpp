#include "shell/settings.h"

#include <cstdint>

#include "base/convert.h"
#include "base/text.h"
#include "shell/log_font.h"
#include "shell/main_window.h"

namespace shell {
namespace {

constexpr const char* kFontKey = "Software\\Kalmora2x\\Font";
constexpr const char* kScreenKey = "Software\\Kalmora2x\\Options\\ScreenSettings";

// "Color" holds the colour as Windows programs number them: a system colour is
// 0x80000000 | its index (clWindowText is -2147483640), any other colour 0x00BBGGRR.
constexpr uint32_t kStoredSystemColor = 0x80000000u;

int32_t StoredColor(ui::Color color) {
  if (ui::IsSystemColor(color)) {
    return static_cast<int32_t>(kStoredSystemColor |
                                static_cast<uint32_t>(ui::SystemColorIndex(color)));
  }
  return static_cast<int32_t>(color);
}

ui::Color ColorFromStored(int32_t stored) {
  const auto bits = static_cast<uint32_t>(stored);
  if ((bits & 0xFF000000u) == kStoredSystemColor) {
    return ui::SystemColor(static_cast<int>(bits & 0xFFu));
  }
  return bits;
}

}  // namespace

void ApplyStoredFont(TForm1& form) {
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (!reg.OpenKey(kFontKey, false)) return;
  try {
    if (const auto font = FontFromLogFont(reg.ReadBinaryData("Font"))) {
      const ui::Color color = form.UserFont.color;
      form.UserFont = *font;
      form.UserFont.color = color;
    }
    if (reg.ValueExists("Color")) {
      form.UserFont.color =
          ColorFromStored(base::TruncToInt32(base::StrToFloat(reg.ReadString("Color"))));
    }
  } catch (const std::exception& error) {
    form.Trace().Failure("ApplyStoredFont", error.what());
    // A damaged record keeps what was read so far.
  }
  reg.CloseKey();
  form.Form().SetFont(form.UserFont);
  form.TreeView1->SetFont(form.UserFont);
}

void WriteFont(TForm1& form) {
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKey(kFontKey, true)) {
      reg.WriteBinaryData("Font", LogFontBytes(form.UserFont));
      reg.WriteString("Color", base::IntToStr(StoredColor(form.UserFont.color)));
    }
  } catch (const std::exception& error) {
    form.Trace().Failure("WriteFont", error.what());
  }
  reg.CloseKey();
}

void LoadWindowSettings(TForm1& form) {
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (!reg.OpenKey(kScreenKey, false)) return;
  try {
    // A value that is not a number ends the loading there.
    const auto read = [&](const char* name, auto apply) {
      if (reg.ValueExists(name)) apply(base::StrToInt(reg.ReadString(name)));
    };
    ui::Form& window = form.Form();
    read("status", [&](int status) {
      form.Statusleiste1->SetChecked(status != 0);
      form.StatusBar1->SetVisible(form.Statusleiste1->Checked());
    });
    read("left", [&](int v) { window.SetLeft(v); });
    read("top", [&](int v) { window.SetTop(v); });
    read("width", [&](int v) { window.SetWidth(v); });
    read("height", [&](int v) { window.SetHeight(v); });
    read("treewidth", [&](int v) { form.Panel2->SetWidth(v); });
    if (form.Panel2->Width() > window.Width()) form.Panel2->SetWidth(260);
  } catch (const std::exception& error) {
    form.Trace().Failure("LoadWindowSettings", error.what());
  }
  reg.CloseKey();
}

void StoreWindowSettings(TForm1& form) {
  sysaccess::TRegistry& reg = form.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  try {
    if (reg.OpenKey(kScreenKey, true)) {
      const ui::Form& window = form.Form();
      reg.WriteString("status", form.Statusleiste1->Checked() ? "1" : "0");
      reg.WriteString("left", base::IntToStr(window.Left()));
      reg.WriteString("top", base::IntToStr(window.Top()));
      reg.WriteString("height", base::IntToStr(window.Height()));
      reg.WriteString("width", base::IntToStr(window.Width()));
      reg.WriteString("treewidth", base::IntToStr(form.Panel2->Width()));
    }
  } catch (const std::exception& error) {
    form.Trace().Failure("StoreWindowSettings", error.what());
  }
  reg.CloseKey();
}

}  // namespace shell
