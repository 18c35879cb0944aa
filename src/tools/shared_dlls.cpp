#include "tools/shared_dlls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "page/page_context.h"
#include "page/page_table.h"
#include "tools/not_removed.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr const char* kDescription =
    "Es folgt die Auflistung aller dem System bekannten DLL-Dateien. 'Eintrag löschen' entfernt "
    "nur den Eintrag aus der Registrierung. 'Datei löschen' entfernt "
    " die Datei von der Festplatte in den Papierkorb  und aus der Registrierungsdatei.";

constexpr const char* kNotRecycled =
    "Das Verschieben in den Papierkorb ist fehlgeschlagen, daher bleibt die Registrierung "
    "unverändert.";

// The usage count of a value: a DWORD, or binary data of up to four bytes read as a little-endian
// 32-bit number. Other values have no count.
std::optional<int32_t> ReadCount(const sysaccess::TRegistry& registry, const std::string& name) {
  switch (registry.GetDataType(name)) {
    case sysaccess::RegDataType::Integer:
      return registry.ReadInteger(name);
    case sysaccess::RegDataType::Binary: {
      const std::vector<uint8_t> data = registry.ReadBinaryData(name);
      if (data.empty() || data.size() > 4) return std::nullopt;
      uint32_t bits = 0;
      for (size_t i = 0; i < data.size(); ++i) bits |= static_cast<uint32_t>(data[i]) << (8 * i);
      return static_cast<int32_t>(bits);
    }
    default:
      return std::nullopt;
  }
}

// Deletes the count of a file if it is still there; true when it is gone, also when it had gone
// already. A key the user may only read does not even open for the deletion.
bool DeleteCount(sysaccess::TRegistry& registry, const std::string& name) {
  registry.SetRootKey(os::RegRoot::LocalMachine);
  if (registry.OpenKey(kSharedDllsKey, false) && registry.ValueExists(name)) {
    registry.DeleteValue(name);
  }
  const bool left = registry.OpenKeyReadOnly(kSharedDllsKey) && registry.ValueExists(name);
  registry.CloseKey();
  return !left;
}

// Deletes the counts of the selected rows and their rows; a count that stays keeps its row and
// is named to the user.
void DeleteSelectedCounts(page::PageContext& form, ui::ListView& list) {
  std::vector<std::string> kept;
  Reported(form, [&] {
    for (int i = list.Count() - 1; i >= 0; --i) {
      if (!list.Item(i)->Selected()) continue;
      const std::string name = list.Item(i)->Caption();
      if (DeleteCount(form.SharedRegistry, name)) {
        list.Delete(i);
      } else {
        kept.insert(kept.begin(), name);
      }
    }
  });
  ReportNotRemoved(form, kept, kRegistryDenied);
}

}  // namespace

void BuildSharedDllPage(page::PageContext& form) {
  BeginPage(form, 151, "");
  MakeButton(form, 0, "Eintrag löschen...", {330, 6, 120, 25}, [&form] { DelDLLEintrag(form); });
  MakeButton(form, 1, "Datei löschen...", {200, 6, 120, 25}, [&form] { DelDLLDatei(form); });
  if (ui::ListView* list = MakeList(form, {10, 40, 420, 200}, ui::ViewStyle::Report)) {
    list->SetMultiSelect(true);
    list->SetSmallImages(&ui::SystemSmallIcons());
    list->AddColumn("Auflistung gemeinsamer DLL-Dateien", 330);
    list->AddColumn("Zugriffe", 70);
  }
  GetSharedDLL(form);
  form.WorkText = kDescription;
  form.SetDescription(kDescription);
}

void GetSharedDLL(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  PageListUpdate update(form, *list);
  list->Clear();
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    registry.SetRootKey(os::RegRoot::LocalMachine);
    // Listing only reads, so a user who may not change the key still sees it.
    if (!registry.OpenKeyReadOnly(kSharedDllsKey)) return;
    for (const std::string& name : registry.GetValueNames()) {
      ui::ListItem* item = list->Add(name);
      item->SetImageIndex(form.services.shell.SystemIconIndex(name, true));
      if (!registry.ValueExists(name)) continue;  // gone meanwhile
      std::optional<int32_t> count;
      try {
        count = ReadCount(registry, name);
      } catch (const sysaccess::RegistryError&) {
        // A DWORD of the wrong size: no count to show, like any other odd value.
      }
      item->AddSubItem(count ? base::IntToStr(*count) : std::string());
    }
    registry.CloseKey();
  });
}

void DelDLLEintrag(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list || list->SelCount() == 0) return;
  if (!form.Confirm("Wollen Sie den Registrierungseintrag wirklich entfernen ?")) return;
  DeleteSelectedCounts(form, *list);
}

void DelDLLDatei(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list || list->SelCount() == 0) return;
  std::vector<std::string> paths;
  for (int i = 0; i < list->Count(); ++i) {
    if (list->Item(i)->Selected()) paths.push_back(list->Item(i)->Caption());
  }
  // The shell asks and reports its errors itself; a count only goes together with its file.
  switch (form.services.shell.RecycleFiles(paths)) {
    case os::RecycleResult::Done:
      DeleteSelectedCounts(form, *list);
      return;
    case os::RecycleResult::Cancelled:
      return;
    case os::RecycleResult::Failed:
      // The shell's message tells about the files; the entries stay, which it does not say.
      ReportNotRemoved(form, paths, kNotRecycled);
      return;
  }
}

void RegisterSharedDllPages(page::PageTable& table) {
  table.Register(151, BuildSharedDllPage);
}

}  // namespace tools
