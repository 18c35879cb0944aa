// "ShellIcon ändern" (PageId 7): the shell's standard icons and the icons of the desktop
// classes, shown by tab, changed through the icon viewer and restored one by one or all.
#include <memory>
#include <string>
#include <vector>

#include "base/convert.h"
#include "icons/icon_location.h"
#include "icons/icon_pages.h"
#include "icons/icon_viewer.h"
#include "icons/rebuild_icons.h"
#include "icons/shell_icon_table.h"
#include "page/after_shown.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "ui/page_control.h"

namespace icons {
using page::Kind;
using page::Root;

namespace {

constexpr Root kShellIconsRoot = Root::LocalMachine;
constexpr Root kClassRoot = Root::Users;
constexpr const char* kHint = "Markieren Sie zuerst einen Eintrag !";

// What the page keeps between its events: the icon of every entry, their captions, the entries
// of the list on show and its icons.
struct ShellIconState {
  std::vector<std::string> locations;
  std::vector<std::string> captions;
  std::vector<int> shown;
  int fills = 0;
  ui::ImageList images{32, 32, ui::ImageList::Shared::None, {}};
};

void GetShellIconsFromReg(page::PageContext& form, ShellIconState& state) {
  const int version = form.WindowsVersion;
  state.locations.assign(static_cast<size_t>(EntryCount(version)), {});
  for (int entry = 0; entry < EntryCount(version); ++entry) {
    std::string location;
    std::string fallback;
    if (const auto classIcon = ClassIconOf(entry, version, form.WindowsDir)) {
      location = form.ReadReg(kClassRoot, ClassIconKey(classIcon->clsid, version, form.UserKeyName),
                              classIcon->valueNames.front(), Kind::String);
      fallback = classIcon->fallback;
    } else {
      location = form.ReadReg(kShellIconsRoot, kShellIconsKey, base::IntToStr(entry), Kind::String);
      fallback = StoredShellDefault(entry, version, form.WindowsDir);
    }
    state.locations[static_cast<size_t>(entry)] = location.empty() ? fallback : location;
  }
}

void WriteShellIconNamen(page::PageContext& form, ShellIconState& state) {
  state.captions.clear();
  for (int entry = 0; entry < EntryCount(form.WindowsVersion); ++entry) {
    state.captions.push_back(EntryCaption(entry, form.WindowsVersion));
  }
}

// The tab sheets sit in TabSheets slots 0..4 in tab order.
void FillTab(page::PageContext& form, ShellIconState& state, IconTab tab) {
  if (form.ListViews[0]) {
    form.ListViews[0]->Parent()->Destroy(form.ListViews[0]);
    form.ListViews[0] = nullptr;
  }
  ui::TabSheet* sheet = form.TabSheets[static_cast<size_t>(tab)];
  if (!sheet) return;
  ui::ListView* list = form.Create(form.ListViews, 0, sheet);
  if (!list) return;
  const ui::Rect area = sheet->ClientRect();
  form.ListView(0, 0, 0, area.width, area.height);
  list->SetAlign(ui::Align::Client);
  list->SetStyle(ui::ViewStyle::Icon);
  list->SetReadOnly(true);
  state.shown = TabEntries(tab, form.WindowsVersion);
  state.images.pictures.clear();
  list->BeginUpdate();
  for (size_t row = 0; row < state.shown.size(); ++row) {
    ui::ListItem* item = list->Add(state.captions[static_cast<size_t>(state.shown[row])]);
    item->SetImageIndex(static_cast<int>(row));
  }
  list->EndUpdate();
  // Each icon is looked for in its file and read from it, some milliseconds apiece: the entries
  // show first and their icons follow. A later fill (another tab) makes this one moot.
  const int fill = ++state.fills;
  page::AfterShown(
      form,
      [&form, &state, list, fill] {
        if (state.fills != fill || form.ListViews[0] != list) return false;
        for (int entry : state.shown) {
          state.images.pictures.push_back(
              IconPicture(form, state.locations[static_cast<size_t>(entry)]));
        }
        list->SetLargeImages(&state.images);
        return false;
      },
      "ShellIcon");
}

void FillTabs(page::PageContext& form, ShellIconState& state) {
  const ui::PageControl* pages = form.PageControls[0];
  if (!pages) return;
  const int active = pages->ActivePageIndex();
  if (active >= 0) FillTab(form, state, static_cast<IconTab>(active));
}

void Refresh(page::PageContext& form, ShellIconState& state) {
  GetShellIconsFromReg(form, state);
  WriteShellIconNamen(form, state);
  FillTabs(form, state);
}

// The entry of the selected list item, or -1.
int SelectedEntry(page::PageContext& form, const ShellIconState& state) {
  const ui::ListView* list = form.ListViews[0];
  const int item = list ? list->ItemIndex() : -1;
  if (item < 0 || item >= static_cast<int>(state.shown.size())) return -1;
  return state.shown[static_cast<size_t>(item)];
}

void StoreIcon(page::PageContext& form, int entry, const std::string& location) {
  const int version = form.WindowsVersion;
  if (const auto classIcon = ClassIconOf(entry, version, form.WindowsDir)) {
    const std::string key = ClassIconKey(classIcon->clsid, version, form.UserKeyName);
    for (const std::string& name : classIcon->valueNames) {
      form.WriteReg(kClassRoot, key, name, location, Kind::String);
    }
  } else {
    form.WriteReg(kShellIconsRoot, kShellIconsKey, base::IntToStr(entry), location, Kind::String);
  }
}

std::string OriginalIcon(page::PageContext& form, int entry) {
  if (const auto classIcon = ClassIconOf(entry, form.WindowsVersion, form.WindowsDir)) {
    return classIcon->fallback;
  }
  return RestoredShellDefault(entry, form.WindowsVersion, form.WindowsDir);
}

void ChangeIconReg(page::PageContext& form, ShellIconState& state, int entry,
                   const std::string& location) {
  StoreIcon(form, entry, location);
  RebuildIcons(form);
  Refresh(form, state);
}

void ChangeShellIcon(page::PageContext& form, ShellIconState& state) {
  const int entry = SelectedEntry(form, state);
  if (entry < 0) {
    form.MessageDlg(kHint, "Hinweis");
    return;
  }
  ShowIconViewer(form, IconPickMode::ShellIcon,
                 [&form, &state, entry](const std::string& location) {
                   ChangeIconReg(form, state, entry, location);
                 });
}

void RedoIconReg(page::PageContext& form, ShellIconState& state) {
  const int entry = SelectedEntry(form, state);
  if (entry < 0) {
    form.MessageDlg(kHint, "Hinweis");
    return;
  }
  if (!form.Confirm("Wollen Sie das Originalicon wieder herstellen ?", "Änderung bestätigen")) {
    return;
  }
  StoreIcon(form, entry, OriginalIcon(form, entry));
  RebuildIcons(form);
  Refresh(form, state);
}

void RedoAllIconReg(page::PageContext& form, ShellIconState& state) {
  if (!form.Confirm("Wollen Sie alle Originalicons wieder herstellen ?", "Änderungen bestätigen")) {
    return;
  }
  for (int entry = 0; entry < EntryCount(form.WindowsVersion); ++entry) {
    StoreIcon(form, entry, OriginalIcon(form, entry));
  }
  RebuildIcons(form);
  Refresh(form, state);
}

ui::Control::Handler Quiet(page::PageContext& form, ShellIconState& state,
                           void (*action)(page::PageContext&, ShellIconState&)) {
  return [&form, &state, action](ui::Control&) {
    page::Quietly(
        form, [&] { action(form, state); }, "ShellIcon");
  };
}

void BuildShellIconPage(page::PageContext& form, ShellIconState& state) {
  page::BeginPage(form, 7, "");
  CheckExistShellIconReg(form);
  ui::GroupBox* group = page::AddGroupBox(form, 0, 10, 10, 470, 340, "Symbole ändern");
  if (!group) return;
  ui::PageControl* pages = form.Create(form.PageControls, 0, group);
  if (!pages) return;
  form.Page(0, 10, 20, 450, 270);
  pages->SetMultiLine(true);
  pages->SetTabWidth(86);
  for (size_t tab = 0; tab < std::size(kTabCaptions); ++tab) {
    form.TabSheets[tab] = pages->AddSheet(kTabCaptions[tab]);
  }
  const struct {
    const char* caption;
    ui::Rect bounds;
    void (*action)(page::PageContext&, ShellIconState&);
  } buttons[] = {
      {"Alle Icons wiederherstellen", {10, 302, 170, 25}, RedoAllIconReg},
      {"Originalicon herstellen", {190, 302, 150, 25}, RedoIconReg},
      {"Icon ändern", {350, 302, 110, 25}, ChangeShellIcon},
  };
  for (int slot = 0; slot < 3; ++slot) {
    const auto& button = buttons[slot];
    ui::Button* made = form.Create(form.BitBtns, slot, group);
    if (!made) continue;
    form.WorkText = button.caption;
    form.BitBtn(slot, button.bounds.left, button.bounds.top, button.bounds.width,
                button.bounds.height);
    made->OnClick = Quiet(form, state, button.action);
  }
  pages->OnChange = Quiet(form, state, FillTabs);
  GetShellIconsFromReg(form, state);
  WriteShellIconNamen(form, state);
  pages->SetActivePageIndex(static_cast<int>(IconTab::Desktop));
  FillTab(form, state, IconTab::Desktop);
}

}  // namespace

void CheckExistShellIconReg(page::PageContext& form) {
  const int version = form.WindowsVersion;
  const int last = LastShellIcon(version);
  for (int entry : {17, 31, 32, last + 1, last + 2}) {
    const auto classIcon = ClassIconOf(entry, version, form.WindowsDir);
    const std::string key = StartupClassIconKey(classIcon->clsid, version, form.UserKeyName);
    if (!form.ReadReg(kClassRoot, key, classIcon->valueNames.front(), Kind::String).empty())
      continue;
    for (const std::string& name : classIcon->valueNames) {
      form.WriteReg(kClassRoot, key, name, classIcon->fallback, Kind::String);
    }
  }
  if (!form.ReadReg(kShellIconsRoot, kShellIconsKey, "3", Kind::String).empty()) return;
  for (int index = 0; index <= last; ++index) {
    form.WriteReg(kShellIconsRoot, kShellIconsKey, base::IntToStr(index),
                  StoredShellDefault(index, version, form.WindowsDir), Kind::String);
  }
}

void RegisterShellIconPage(page::PageTable& table) {
  auto state = std::make_shared<ShellIconState>();
  table.Register(7, [state](page::PageContext& form) {
    page::Quietly(
        form, [&] { BuildShellIconPage(form, *state); }, "ShellIcon");
  });
}

}  // namespace icons
