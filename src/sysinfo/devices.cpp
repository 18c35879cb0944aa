#include "sysinfo/devices.h"

#include <algorithm>
#include <memory>

#include "base/text.h"

namespace sysinfo {
namespace {

std::unique_ptr<os::RegKey> OpenForReading(os::Registry& registry, std::string_view path) {
  return registry.OpenKey(os::RegRoot::LocalMachine, path, os::RegAccess::Read);
}

void AddOnce(std::vector<std::string>& result, const std::string& text) {
  if (std::find(result.begin(), result.end(), text) == result.end()) result.push_back(text);
}

// Where the disks, CD-ROM drives and serial and parallel ports are enumerated by service.
struct ServiceScan {
  std::string_view className;
  std::string_view ntEnumKey;
  std::string_view otherEnumKey;
  std::string_view service;
};
constexpr ServiceScan kServiceScans[] = {
    {"Ports", "SYSTEM\\ControlSet001\\Enum\\ACPI", "SYSTEM\\ControlSet001\\Enum\\ACPI", "Parport"},
    {"Ports", "SYSTEM\\ControlSet001\\Enum\\ACPI", "SYSTEM\\ControlSet001\\Enum\\ACPI", "Serial"},
    {"DiskDrive", "SYSTEM\\CurrentControlSet\\Enum\\IDE", "Enum\\IDE", "DISK"},
    {"DiskDrive", "SYSTEM\\CurrentControlSet\\Enum\\SCSI", "Enum\\SCSI", "DISK"},
    {"CDROM", "SYSTEM\\CurrentControlSet\\Enum\\IDE", "Enum\\IDE", "CDROM"},
    {"CDROM", "SYSTEM\\CurrentControlSet\\Enum\\SCSI", "Enum\\SCSI", "CDROM"},
};

}  // namespace

bool StringValue(const os::RegKey& key, std::string_view name, std::string& text) {
  os::RegValue value;
  if (key.QueryValue(name, value) != os::RegStatus::Ok || !os::IsStringType(value.type)) {
    return false;
  }
  text = value.AsString();
  return true;
}

std::string StringValue(const os::RegKey& key, std::string_view name, bool& found) {
  std::string text;
  found = StringValue(key, name, text);
  return text;
}

namespace {

// The keys below the class key with their "Class" value upper-cased, in the registry's order: the
// device tree asks it for every class, and each read is a round trip to the registry.
struct ClassKey {
  std::string name;
  std::string upperClass;
};

std::vector<ClassKey> ReadClassKeys(const os::RegKey& classes) {
  std::vector<ClassKey> keys;
  for (const std::string& name : classes.SubKeyNames()) {
    const auto deviceClass = classes.OpenSubKey(name, os::RegAccess::Read);
    std::string text;
    if (deviceClass && StringValue(*deviceClass, "Class", text)) {
      keys.push_back({name, base::UpperCase(text)});
    }
  }
  return keys;
}

void AddClassDevices(const os::RegKey& classes, const std::vector<ClassKey>& keys,
                     std::string_view className, std::vector<std::string>& result) {
  const std::string wanted = base::UpperCase(className);
  for (const ClassKey& key : keys) {
    if (key.upperClass != wanted) continue;
    const auto deviceClass = classes.OpenSubKey(key.name, os::RegAccess::Read);
    if (!deviceClass) continue;
    for (const std::string& instanceName : deviceClass->SubKeyNames()) {
      const auto instance = deviceClass->OpenSubKey(instanceName, os::RegAccess::Read);
      if (!instance) continue;
      bool found = false;
      const std::string description = StringValue(*instance, "DriverDesc", found);
      if (found) AddOnce(result, description);
    }
  }
}

}  // namespace

void GetClassDevices(os::Registry& registry, std::string_view classKey, std::string_view className,
                     std::vector<std::string>& result) {
  const auto classes = OpenForReading(registry, classKey);
  if (classes) AddClassDevices(*classes, ReadClassKeys(*classes), className, result);
}

void GetSpecialDevices(os::Registry& registry, std::string_view enumKey, std::string_view service,
                       std::vector<std::string>& result) {
  const auto enumeration = OpenForReading(registry, enumKey);
  if (!enumeration) return;
  for (const std::string& deviceName : enumeration->SubKeyNames()) {
    const auto device = enumeration->OpenSubKey(deviceName, os::RegAccess::Read);
    if (!device) continue;
    for (const std::string& instanceName : device->SubKeyNames()) {
      const auto instance = device->OpenSubKey(instanceName, os::RegAccess::Read);
      bool found = false;
      if (!instance || !base::SameText(StringValue(*instance, "Service", found), service)) {
        continue;
      }
      const std::string friendlyName = StringValue(*instance, "FriendlyName", found);
      if (found) result.push_back(friendlyName);
    }
  }
}

const std::vector<std::string_view>& DeviceClasses() {
  static const std::vector<std::string_view> kClasses = {
      "Ports",       "MEDIA",   "Computer", "DiskDrive", "fdc",       "FloppyDisk",
      "CDROM",       "Display", "hdc",      "Mouse",     "Modem",     "Monitor",
      "Net",         "System",  "Keyboard", "USB",       "TapeDrive", "Adapter",
      "SCSIAdapter", "PCMCIA",  "Image",    "Infrared"};
  return kClasses;
}

std::vector<DeviceClassNode> CollectDevices(os::Registry& registry, std::string_view classKey,
                                            bool ntFamily) {
  std::vector<DeviceClassNode> nodes;
  const auto classKeys = OpenForReading(registry, classKey);
  const std::vector<ClassKey> keys =
      classKeys ? ReadClassKeys(*classKeys) : std::vector<ClassKey>{};
  const auto& classes = DeviceClasses();
  for (size_t i = 0; i < classes.size(); ++i) {
    DeviceClassNode node{static_cast<int>(i), std::string(classes[i]), {}};
    if (classKeys) AddClassDevices(*classKeys, keys, classes[i], node.devices);
    for (const ServiceScan& scan : kServiceScans) {
      if (scan.className != classes[i]) continue;
      GetSpecialDevices(registry, ntFamily ? scan.ntEnumKey : scan.otherEnumKey, scan.service,
                        node.devices);
    }
    if (!node.devices.empty()) nodes.push_back(std::move(node));
  }
  return nodes;
}

}  // namespace sysinfo
