// The page "DFUe-Verbindung optimieren": the TCP/IP tuner's frame on NT 4.0 and Windows 2000.
#pragma once

#include "page/page_table.h"

namespace nettune {

inline constexpr int kTcpIpPage = 101;

void RegisterTcpIpPages(page::PageTable& table);

}  // namespace nettune
