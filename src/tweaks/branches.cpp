#include "tweaks/page_table.h"

namespace tweaks {

void RegisterAllPages(PageTable& table) {
  (void)table;
}

}  // namespace tweaks
