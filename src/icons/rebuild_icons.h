// Makes the shell rebuild its icon cache, so changed icons and icon settings show at once.
#pragma once

namespace page {
class PageContext;
}

namespace icons {

void RebuildIcons(page::PageContext& form);

}  // namespace icons
