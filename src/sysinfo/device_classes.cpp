#include "sysinfo/device_classes.h"

#include "base/text.h"
#include "page/page_context.h"
#include "sysinfo/info_list.h"

namespace sysinfo {
namespace {

bool HasRow(const ui::ListView& list, const std::string& caption) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i)->Caption() == caption) return true;
  }
  return false;
}

std::string StringValue(const os::RegKey& key, std::string_view name) {
  os::RegValue value;
  if (key.QueryValue(name, value) != os::RegStatus::Ok || !os::IsStringType(value.type)) return "";
  return value.AsString();
}

}  // namespace

void GetClassDevices(page::PageContext& form, const std::string& className, ui::ListView& list) {
  auto classes = form.services.registry.OpenKey(os::RegRoot::LocalMachine, form.DeviceClassKey,
                                                os::RegAccess::Read);
  if (!classes) return;
  const std::string wanted = base::UpperCase(className);
  for (const std::string& name : classes->SubKeyNames()) {
    auto classKey = classes->OpenSubKey(name, os::RegAccess::Read);
    if (!classKey || base::UpperCase(StringValue(*classKey, "Class")) != wanted) continue;
    for (const std::string& device : classKey->SubKeyNames()) {
      auto deviceKey = classKey->OpenSubKey(device, os::RegAccess::Read);
      if (!deviceKey) continue;
      const std::string description = StringValue(*deviceKey, "DriverDesc");
      if (!description.empty() && !HasRow(list, description)) {
        list.Add(description)->SetImageIndex(kValueImage);
      }
    }
  }
}

}  // namespace sysinfo
