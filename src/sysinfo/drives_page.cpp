// "Laufwerke": one group of rows per drive letter with its kind, sizes, file system, label and
// serial number. A drive that cannot be measured says so in a row; nothing here waits for a
// medium or asks for one.
#include <cstdio>
#include <optional>
#include <string>

#include "page/page_context.h"
#include "page/page_frame.h"
#include "sysinfo/info_list.h"
#include "sysinfo/sysinfo_pages.h"

namespace sysinfo {
namespace {

constexpr int kPageId = 85;
constexpr float kPerMegabyte = 1.0f / (1 << 20);
constexpr float kPerGigabyte = 1.0f / (1 << 30);
constexpr const char* kNotReady = "kein Datenträger oder nicht bereit";

std::string GroupCaption(char letter, os::DriveType type) {
  std::string kind;
  switch (type) {
    case os::DriveType::Removable:
      kind = letter == 'A' ? "3,5-Diskette (" : letter == 'B' ? "5,25-Diskette (" : "Laufwerk (";
      break;
    case os::DriveType::CdRom:
      kind = "CD-Rom (";
      break;
    case os::DriveType::RamDisk:
      kind = "Ramdisk (";
      break;
    case os::DriveType::Remote:
      kind = "Remote(";
      break;
    case os::DriveType::Fixed:
      kind = "Festplatte (";
      break;
    default:
      return "";
  }
  return kind + letter + ":)";
}

std::string SerialText(uint32_t serial) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                static_cast<unsigned>(serial & 0xFFFF));
  return text;
}

void AddVolumeRows(InfoList& list, const std::optional<os::VolumeInfo>& volume) {
  list.Value("Dateisystem", volume ? volume->fileSystem : "");
  list.Value("Bezeichnung", volume ? volume->label : "");
  list.Value("Seriennummer", volume ? SerialText(volume->serialNumber) : "");
}

// Sizes are held in single precision, as the list has always computed them.
void AddSizeRows(InfoList& list, const char* capacityCaption, float total, float free, float unit,
                 const char* suffix) {
  list.Value(capacityCaption, Normiere(total * unit) + suffix);
  list.Value("Belegter Speicher", Normiere((total - free) * unit) + suffix);
  list.Value("Freier Speicher", Normiere(free * unit) + suffix);
}

void RemovableRows(page::PageContext& form, InfoList& list, char letter) {
  const bool floppy = letter == 'A' || letter == 'B';
  // Floppy drives are left alone while a page is being built: no disk noise on every visit.
  std::optional<os::DiskSpace> space;
  if (!(floppy && form.PageBuilding)) space = form.services.files.DiskSpaceOf(letter);
  if (!space) {
    AddSizeRows(list, "Speicherkapazität", 0, 0, kPerMegabyte, " MB");
    return;
  }
  const float cluster =
      static_cast<float>(space->sectorsPerCluster) * static_cast<float>(space->bytesPerSector);
  AddSizeRows(list, "Speicherkapazitäat", static_cast<float>(space->totalClusters) * cluster,
              static_cast<float>(space->freeClusters) * cluster, kPerMegabyte, " MB");
  AddVolumeRows(list, form.services.files.VolumeOf(letter));
}

// LaufwerkInformation: fixed, CD-ROM, RAM and remote drives, in gigabytes.
void LaufwerkInformation(page::PageContext& form, InfoList& list, char letter) {
  const std::optional<os::DiskSpace> space = form.services.files.DiskSpaceOf(letter);
  if (!space) {
    list.Value("Status", kNotReady);
    return;
  }
  AddSizeRows(list, "Kapazität", static_cast<float>(space->totalBytes),
              static_cast<float>(space->freeBytes), kPerGigabyte, " GB");
  AddVolumeRows(list, form.services.files.VolumeOf(letter));
}

// Only the letters the system has, in letter order: asking all 26 for their kind took some
// 20 ms under Wine.
void CheckLaufwerke(page::PageContext& form, InfoList& list) {
  for (const os::DriveInfo& drive : form.services.files.DriveKinds()) {
    const char letter = drive.letter;
    const os::DriveType type = drive.type;
    const std::string caption = GroupCaption(letter, type);
    if (caption.empty()) continue;
    list.Group(caption);
    if (type == os::DriveType::Removable) {
      RemovableRows(form, list, letter);
    } else {
      LaufwerkInformation(form, list, letter);
    }
  }
}

void BuildDrivePage(page::PageContext& form) {
  page::BuildFlag building(form);
  page::BeginPage(form, kPageId, "");
  InfoList list(form, kInfoListBounds);
  if (!list.List()) return;
  page::Quietly(
      form, [&] { CheckLaufwerke(form, list); }, "CheckLaufwerke");
}

}  // namespace

std::string Normiere(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

void RegisterDrivePage(page::PageTable& table) {
  table.Register(kPageId, BuildDrivePage);
}

}  // namespace sysinfo
