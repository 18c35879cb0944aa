// "Netzwerk": the adapters, then the installed protocols, services and clients.
#include "base/text.h"
#include "sysinfo/devices.h"
#include "sysinfo/info_list.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
namespace {

constexpr const char* kNetworkKey = "SYSTEM\\CurrentControlSet\\Control\\Network";

struct ComponentKind {
  const char* className;
  const char* caption;
};
constexpr ComponentKind kComponentKinds[] = {
    {"NETTRANS", "Netzwerkprotokoll"},
    {"NETSERVICE", "Netzwerkdienst"},
    {"NETCLIENT", "Netzwerkclient"},
};

// The descriptions of the components below the network class key of that class name.
void AddComponents(os::Registry& registry, const char* className, InfoList& list) {
  const auto network =
      registry.OpenKey(os::RegRoot::LocalMachine, kNetworkKey, os::RegAccess::Read);
  if (!network) return;
  for (const std::string& name : network->SubKeyNames()) {
    const auto classKey = network->OpenSubKey(name, os::RegAccess::Read);
    std::string classValue;
    if (!classKey || !StringValue(*classKey, "Class", classValue) ||
        base::UpperCase(classValue) != className) {
      continue;
    }
    for (const std::string& componentName : classKey->SubKeyNames()) {
      const auto component = classKey->OpenSubKey(componentName, os::RegAccess::Read);
      std::string description;
      if (component && StringValue(*component, "Description", description)) {
        list.Value(description, "");
      }
    }
    return;
  }
}

}  // namespace

void FillNetworkInfo(page::PageContext& form, InfoList& list) {
  list.Group("Adapter");
  std::vector<std::string> adapters;
  GetClassDevices(form.services.registry, form.DeviceClassKey, "Net", adapters);
  for (const std::string& adapter : adapters) list.Value(adapter, "");
  for (const ComponentKind& kind : kComponentKinds) {
    list.NextGroup(kind.caption);
    AddComponents(form.services.registry, kind.className, list);
  }
}

}  // namespace sysinfo
