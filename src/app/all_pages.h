// Every page of the program: the branches and tools register their builders in one table.
#pragma once

#include <memory>
#include <vector>

#include "page/page_table.h"
#include "page/settings_page.h"
#include "profile/profile_page.h"

namespace app {

page::PageTable AllPages();
// The maintenance tools' pages alone (part of AllPages), for the help's list of tools.
page::PageTable ToolPages();
// Every page kept as a record, for listing what the pages read and write.
std::vector<const page::SettingsPage*> AllSettingsPages();
// Every page a profile can hold: each page record and the TCP/IP tuner, in this order.
std::vector<std::unique_ptr<profile::ProfilePage>> ProfilePages();

}  // namespace app
