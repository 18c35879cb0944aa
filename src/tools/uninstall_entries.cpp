#include "tools/uninstall_entries.h"

#include <memory>
#include <string>
#include <vector>

#include "page/page_context.h"
#include "page/page_table.h"
#include "tools/not_removed.h"
#include "tools/tool_common.h"
#include "tools/tool_pages.h"

namespace tools {
namespace {

constexpr const char* kDescription =
    "Falls bei der Deinstalltion von Programmen Fehler auftreten oder Sie den Ordner löschen, "
    "ohne das Programm zu deinstallieren, gelöscht haben, werden diese "
    "  Einträge in \"Systemsteuerung->Software\" nicht entfernt. Werden diese Einträge "
    "angeklickt, bekommen Sie nur eine Fehlermeldung,aber der Eintrag wird nicht gelöscht.\n"
    "Zum Deinstallieren der Programme benutzen Sie bitte immer den Uninstaller von Windows, "
    "indem Sie Sie z.b. auf den Button \"Windows Uninstaller \" klicken\n"
    "Hier können Sie nur verwaiste Uninstalleinträge in der Registrierung löschen, die duch den "
    "Uninstaller nicht entfernt wurden und immer noch angezeigt werden";

constexpr const char* kConfirmRemoval =
    "Wollen Sie markierten Einträge wirklich entfernen ?\nHinweis : Es wird nur der "
    "Programmeintrag entfernt, nicht das Programm\n auf der Festplatte.\n"
    "Deinstallieren Sie zuerst das Programm durch den Windows-Uninstaller !";

std::string SubKeyPath(const std::string& name) {
  return std::string(kUninstallKey) + "\\" + name;
}

// Whether the registration in subkey `name` is the one a list item shows. An item without a
// command stands for every registration of its name.
bool Matches(sysaccess::TRegistry& registry, const std::string& name,
             const std::string& displayName, const std::string& command) {
  if (!registry.OpenKeyReadOnly(SubKeyPath(name))) return false;
  if (!registry.ValueExists("DisplayName")) return false;
  const bool hasCommand = registry.ValueExists("UninstallString");
  if (!hasCommand && !command.empty()) return false;
  // Names compare exactly, case included.
  if (registry.ReadString("DisplayName") != displayName) return false;
  const std::string stored = hasCommand ? registry.ReadString("UninstallString") : "";
  return stored == command || command.empty();
}

}  // namespace

void UninstallEntries::BuildPage(page::PageContext& form) {
  form.PageBuilding = 1;
  BeginPage(form, 143, kDescription);
  if (ui::ListView* list = MakeList(form, {10, 40, 420, 140}, ui::ViewStyle::Report)) {
    list->SetMultiSelect(true);
    list->AddColumn("Programmname", 200);
    list->AddColumn("Uninstallstring", 200);
  }
  GetUninstallProgramms(form);
  form.BindApply([this, &form] { DoUninstallProgramms(form); });
  MakeButton(form, 0, "Windows Uninstaller", {260, 200, 160, 23},
             [&form] { WindowsUninstaller(form); });
}

void UninstallEntries::GetUninstallProgramms(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list) return;
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    registry.SetRootKey(os::RegRoot::LocalMachine);
    // Listing only reads, so a user who may not change the key still sees it.
    if (!registry.OpenKeyReadOnly(kUninstallKey)) return;
    KeyNames = registry.GetKeyNames();
    registry.CloseKey();
    for (const std::string& name : KeyNames) {
      // Updates and components have no display name; they are no programs of their own.
      if (registry.OpenKeyReadOnly(SubKeyPath(name)) && registry.ValueExists("DisplayName")) {
        const std::string displayName = registry.ReadString("DisplayName");
        const std::string command = registry.ValueExists("UninstallString")
                                        ? registry.ReadString("UninstallString")
                                        : std::string();
        list->Add(displayName)->AddSubItem(command);
      }
      registry.CloseKey();
    }
  });
}

void UninstallEntries::DoUninstallProgramms(page::PageContext& form) {
  ui::ListView* list = PageList(form);
  if (!list || list->SelCount() == 0) return;
  if (!form.Confirm(kConfirmRemoval)) return;
  std::vector<std::string> kept;
  Reported(form, [&] {
    sysaccess::TRegistry& registry = form.SharedRegistry;
    registry.SetRootKey(os::RegRoot::LocalMachine);
    // Only the names are read here; a key the user may not change still lists them.
    if (!registry.OpenKeyReadOnly(kUninstallKey)) return;
    KeyNames = registry.GetKeyNames();
    registry.CloseKey();
    for (int i = list->Count() - 1; i >= 0; --i) {
      if (!list->Item(i)->Selected()) continue;
      const std::string displayName = list->Item(i)->Caption();
      const std::string command = list->Item(i)->SubItem(0);
      bool itemRemoved = false;
      bool failed = false;
      // Every matching registration goes, so two identical ones both vanish with one item.
      for (const std::string& name : KeyNames) {
        if (!Matches(registry, name, displayName, command)) continue;
        registry.CloseKey();
        if (registry.OpenKey(std::string(kUninstallKey) + "\\", false) &&
            registry.KeyExists(name)) {
          registry.DeleteKey(name);
        }
        registry.CloseKey();
        if (registry.KeyExists(SubKeyPath(name))) {
          failed = true;
        } else if (!itemRemoved) {
          list->Delete(i);
          itemRemoved = true;
        }
      }
      registry.CloseKey();
      if (failed) kept.insert(kept.begin(), displayName);
    }
  });
  if (kept.empty()) return;
  // Rows stand for registrations by name and command, so only a new listing shows which of
  // them are left.
  list->Clear();
  GetUninstallProgramms(form);
  ReportNotRemoved(form, kept, kRegistryDenied);
}

void WindowsUninstaller(page::PageContext& form) {
  form.services.shell.Execute(
      {"open", "rundll32", "shell32.dll,Control_RunDLL appwiz.cpl,,0", "", 1});
}

void RegisterUninstallPages(page::PageTable& table) {
  auto entries = std::make_shared<UninstallEntries>();
  table.Register(143, [entries](page::PageContext& form) { entries->BuildPage(form); });
}

}  // namespace tools
