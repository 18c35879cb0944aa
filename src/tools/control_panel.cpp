#include "tools/control_panel.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "page/after_shown.h"
#include "page/page_area.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "page/page_table.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
using page::Root;

namespace {

constexpr Root kCurrentUser = Root::CurrentUser;
constexpr size_t kCplColumn = 0;
constexpr size_t kShownColumn = 1;
constexpr const char* kShown = "ja";
constexpr const char* kHidden = "nein";

enum class Test { Equals, Contains };

struct CplRule {
  Test test;
  std::vector<std::string_view> parts;  // upper-cased; any one of them matches
  const char* file;
};

// Tried in this order on the upper-cased display name; the first that holds names the file.
const std::vector<CplRule>& CplRules() {
  static const std::vector<CplRule> kRules = {
      {Test::Equals, {"MODEMS"}, "modem.cpl"},
      {Test::Equals, {"NETZWERK"}, "netcpl.cpl"},
      {Test::Contains, {"ODBC"}, "odbccp32.cpl"},
      {Test::Contains, {"KENNW"}, "password.cpl"},
      {Test::Contains, {"MULTIMEDIA", "AKUSTIS"}, "mmsys.cpl"},
      {Test::Contains, {"ANZEIGE"}, "desk.cpl"},
      {Test::Contains, {"SYSTEM", "HARDWA"}, "sysdm.cpl"},
      {Test::Contains, {"TELEFON"}, "telephon.cpl"},
      {Test::Contains, {"DATUM"}, "timedate.cpl"},
      {Test::Contains, {"ENERG"}, "powercfg.cpl"},
      {Test::Contains, {"GAMEC"}, "joy.cpl"},
      {Test::Contains, {"INTERN", "BENUTZ"}, "inetcpl.cpl"},
      {Test::Contains, {"LÄNDER"}, "intl.cpl"},
      {Test::Contains, {"MAUS", "TASTAT"}, "main.cpl"},
      {Test::Contains, {"SOFTWARE"}, "appwiz.cpl"},
  };
  return kRules;
}

bool Holds(const CplRule& rule, const std::string& upper) {
  return std::any_of(rule.parts.begin(), rule.parts.end(), [&](std::string_view part) {
    return rule.test == Test::Equals ? upper == part : upper.find(part) != std::string::npos;
  });
}

// Whether a value of the don't-load key is a marker this page wrote.
bool IsMarker(const sysaccess::TRegistry& registry, const std::string& name) {
  const sysaccess::RegDataType type = registry.GetDataType(name);
  return (type == sysaccess::RegDataType::String || type == sysaccess::RegDataType::ExpandString) &&
         registry.ReadString(name) == kHiddenMarker;
}

// Takes this page's markers out of the don't-load key, so that the shell lists the applets they
// hide, and returns their names. A missing key marks nothing.
std::vector<std::string> TakeMarkers(page::PageContext& form) {
  std::vector<std::string> hidden;
  page::WithExistingKey(form, kCurrentUser, kDontLoadKey, [&](sysaccess::TRegistry& registry) {
    for (const std::string& name : registry.GetValueNames()) {
      if (!IsMarker(registry, name)) continue;
      registry.DeleteValue(name);
      hidden.push_back(name);
    }
  });
  return hidden;
}

void PutMarkersBack(page::PageContext& form, const std::vector<std::string>& hidden) {
  if (hidden.empty()) return;
  page::WithExistingKey(form, kCurrentUser, kDontLoadKey, [&](sysaccess::TRegistry& registry) {
    for (const std::string& name : hidden) registry.WriteString(name, kHiddenMarker);
  });
}

// Enumerates the Control Panel into the list of page 35, every applet shown; stops when the page
// goes meanwhile (the shell may run messages while applets load). Returns whether it is still
// there.
bool InitDeaktivateControlPanel(page::PageContext& form, ui::ListView& list) {
  bool present = true;
  PageListUpdate update(form, list);
  form.services.shell.EnumControlPanel(false, [&](const os::ShellFolderItem& applet) {
    present = PageList(form) == &list;
    if (!present) return false;
    ui::ListItem* item = list.Add(applet.displayName);
    item->SetImageIndex(applet.iconIndex);
    const std::string file = GetCPL(applet.displayName);
    item->AddSubItem(file.empty() ? kCannotHide : file);
    item->AddSubItem(file.empty() ? kFixed : kShown);
    return true;
  });
  return present && PageList(form) == &list;
}

}  // namespace

std::string GetCPL(const std::string& displayName) {
  const std::string upper = base::UpperCase(displayName);
  for (const CplRule& rule : CplRules()) {
    if (Holds(rule, upper)) return rule.file;
  }
  return "";
}

void BuildControlPanelItemsPage(page::PageContext& form) {
  page::BeginPage(form, 35, "");
  if (ui::ListView* list = MakeList(form, {10, 40, 450, 200}, ui::ViewStyle::Report)) {
    list->SetSmallImages(&ui::SystemSmallIcons());
    list->AddColumn("Anzeigen in der Systemsteuerung", 170);
    list->AddColumn("CPL", 160);
    list->AddColumn("anzeigen", 70);
    list->OnClick = page::Action(form, ControlPanelChecked);
  }
  if (!PageList(form)) return;
  page::BindWriter(form, DisableControlPanelItems);
  // The shell loads every applet to list it: the page shows first.
  page::AfterShown(
      form,
      [&form] {
        GetControlPanelItems(form);
        return false;
      },
      "GetControlPanelItems");
}

void GetControlPanelItems(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  const std::vector<std::string> hidden = TakeMarkers(form);
  bool present = true;
  page::Quietly(
      form, [&] { present = InitDeaktivateControlPanel(form, *list); }, "GetControlPanelItems");
  // The markers go back whatever happened to the page: the applets stay hidden.
  PutMarkersBack(form, hidden);
  if (!present || PageList(form) != list) return;
  for (int i = 0; i < list->Count(); ++i) {
    ui::ListItem* item = list->Item(i);
    if (std::find(hidden.begin(), hidden.end(), item->SubItem(kCplColumn)) != hidden.end()) {
      item->SetSubItem(kShownColumn, kHidden);
    }
  }
  form.ReportApplied();
}

void ControlPanelChecked(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  ui::ListItem* selected = list ? list->Selected() : nullptr;
  if (!selected || selected->SubItem(kShownColumn) == kFixed) return;
  const std::string turned = selected->SubItem(kShownColumn) == kShown ? kHidden : kShown;
  const std::string file = selected->SubItem(kCplColumn);
  for (int i = 0; i < list->Count(); ++i) {
    ui::ListItem* item = list->Item(i);
    if (item == selected || item->SubItem(kCplColumn) == file) {
      item->SetSubItem(kShownColumn, turned);
    }
  }
}

void DisableControlPanelItems(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  for (int i = 0; i < list->Count(); ++i) {
    const ui::ListItem* item = list->Item(i);
    const std::string shown = item->SubItem(kShownColumn);
    if (shown == kFixed) continue;
    const std::string file = item->SubItem(kCplColumn);
    page::WithExistingKey(form, kCurrentUser, kDontLoadKey, [&](sysaccess::TRegistry& registry) {
      if (shown == kShown) {
        // Only this page's marker goes; another program's value keeps the applet hidden.
        if (IsMarker(registry, file)) registry.DeleteValue(file);
      } else {
        registry.WriteString(file, kHiddenMarker);
      }
    });
  }
  form.ReportApplied();
}

void BuildControlPanelPage(page::PageContext& form) {
  page::BeginPage(form, 36, "");
  const ui::Panel* host = form.PagePanel;
  const int width = host ? host->Width() : 0;
  const int height = host ? std::max(0, host->Height() - 30) : 0;
  if (ui::ListView* list = MakeList(form, {0, 30, width, height}, ui::ViewStyle::Icon)) {
    list->SetLargeImages(&ui::SystemLargeIcons());
    list->OnClick = page::Action(form, ControlPanel);
  }
  FillListEx(form);
}

void FillListEx(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  PageListUpdate update(form, *list);
  form.services.shell.EnumControlPanel(true, [&](const os::ShellFolderItem& applet) {
    if (PageList(form) != list) return false;
    list->Add(applet.displayName)->SetImageIndex(applet.iconIndex);
    return true;
  });
}

void ControlPanel(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  const ui::ListItem* selected = list ? list->Selected() : nullptr;
  if (!selected) return;
  form.services.shell.OpenControlPanelItem(selected->Caption());
}

void RegisterControlPanelPages(page::PageTable& table) {
  table.Register(35, BuildControlPanelItemsPage);
  table.Register(36, BuildControlPanelPage);
}

}  // namespace tools
