// The information pages of the "Systeminformationen" branch.
#pragma once

#include <string>

#include "page/page_table.h"

namespace sysinfo {

// "Laufwerke" (PageId 85).
void RegisterDrivePage(page::PageTable& table);
// "Grafikkarte" (PageId 152).
void RegisterGraphicsPage(page::PageTable& table);

// A size as the drive list writes it: rounded to three decimals, "." as the decimal point, no
// thousands separators (0.5 is "0.500").
std::string Normiere(double value);

}  // namespace sysinfo
