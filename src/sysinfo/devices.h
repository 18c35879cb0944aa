// The device registry: the installed devices of a device class, the device instances of a
// driver service, and the device tree of the "Geräte-Manager" page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "os/registry.h"

namespace sysinfo {

// Whether the value is there with a string type; its text goes to `text`.
bool StringValue(const os::RegKey& key, std::string_view name, std::string& text);
// The same, as the text (empty when not there) and whether it was.
std::string StringValue(const os::RegKey& key, std::string_view name, bool& found);

// Appends the "DriverDesc" of every installed device of the class (the class keys below
// classKey whose "Class" is className, in any case) that the list does not hold yet.
void GetClassDevices(os::Registry& registry, std::string_view classKey, std::string_view className,
                     std::vector<std::string>& result);

// Appends the "FriendlyName" of every device instance below the enumeration key (two levels
// down) whose "Service" is the service.
void GetSpecialDevices(os::Registry& registry, std::string_view enumKey, std::string_view service,
                       std::vector<std::string>& result);

// The device classes of the tree, in its order; a class's tree icon is its index + 1.
const std::vector<std::string_view>& DeviceClasses();

struct DeviceClassNode {
  int classIndex;
  std::string caption;
  std::vector<std::string> devices;
};

// The classes that have devices, with them: what GetGeraeteInfo puts below the computer.
std::vector<DeviceClassNode> CollectDevices(os::Registry& registry, std::string_view classKey,
                                            bool ntFamily);

}  // namespace sysinfo
