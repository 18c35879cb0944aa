// Every page of the program: the branches and tools register their builders in one table.
#pragma once

#include "page/page_table.h"

namespace app {

page::PageTable AllPages();

}  // namespace app
