#include "os/shell.h"

#include "base/text.h"
#include "os/registry.h"

namespace os {
namespace {

// The system skips a CPL file named in the user's don't-load key, whatever the value holds.
bool NotLoaded(Registry* registry, const std::string& cplFile) {
  if (!registry || cplFile.empty()) return false;
  const auto key =
      registry->OpenKey(RegRoot::CurrentUser, "Control Panel\\don't load", RegAccess::Read);
  RegValue value;
  return key && key->QueryValue(cplFile, value) == RegStatus::Ok;
}

}  // namespace

int MemoryShell::IconCount(const std::string& path) {
  for (const auto& [file, count] : iconCounts) {
    if (base::UpperCase(file) == base::UpperCase(path)) return count;
  }
  return 0;
}

bool MemoryShell::EnumControlPanel(bool largeIcons, const ShellItemVisitor& visit) {
  ++enumerations;
  if (controlPanelFails) return false;
  // A copy: what the shell hands out stays as it was when the enumeration began.
  const std::vector<MemoryApplet> applets = controlPanel;
  for (const MemoryApplet& applet : applets) {
    if (applet.displayName.empty() || NotLoaded(registry, applet.cplFile)) continue;
    ++itemsVisited;
    const bool more = visit({applet.displayName, largeIcons ? applet.largeIcon : applet.smallIcon});
    if (duringEnumeration) duringEnumeration(itemsVisited);
    if (!more) break;
  }
  return true;
}

bool MemoryShell::OpenControlPanelItem(const std::string& displayName) {
  for (const MemoryApplet& applet : controlPanel) {
    if (applet.displayName == displayName && !NotLoaded(registry, applet.cplFile)) {
      opened.push_back(displayName);
      return true;
    }
  }
  return false;
}

}  // namespace os
