// The installed devices of a device class, from the device class registry.
#pragma once

#include <string>

#include "ui/list_view.h"

namespace page {
class PageContext;
}

namespace sysinfo {

// GetClassDevices: one row per installed device of the class (its "DriverDesc" as caption),
// each description once, compared with the rows already in the list.
void GetClassDevices(page::PageContext& form, const std::string& className, ui::ListView& list);

}  // namespace sysinfo
