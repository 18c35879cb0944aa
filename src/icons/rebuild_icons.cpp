#include "icons/rebuild_icons.h"

#include "os/file_system.h"
#include "page/page_context.h"

namespace icons {
using page::Kind;
using page::Root;

namespace {

constexpr long kImageUpdated = 0x8000;
constexpr long kAssociationsChanged = 0x08000000;
constexpr unsigned kFlush = 0x1000;
constexpr unsigned kNonClientMetrics = 42;
constexpr int kBroadcastTimeoutMs = 10000;

void Broadcast(page::PageContext& form) {
  form.services.shell.BroadcastSettingChange(kNonClientMetrics, "WindowMetrics",
                                             kBroadcastTimeoutMs);
}

}  // namespace

void RebuildIcons(page::PageContext& form) {
  form.services.files.RemoveFile(os::JoinPath(form.WindowsDir, "ShellIconCache"));
  // Changing the icon size and back makes the shell drop every cached icon.
  form.WriteReg(Root::CurrentUser, "ControlPanel\\Desktop\\WindowMetrics", "Shell Icon Size", "0",
                Kind::String);
  form.services.shell.ChangeNotify(kImageUpdated, kFlush);
  form.services.shell.ChangeNotify(kAssociationsChanged, kFlush);
  Broadcast(form);
  form.WriteReg(Root::CurrentUser, "ControlPanel\\Desktop\\WindowMetrics", "Shell Icon Size", "32",
                Kind::String);
  Broadcast(form);
}

}  // namespace icons
