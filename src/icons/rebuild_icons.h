// Makes the shell rebuild its icon cache, so changed icons and icon settings show at once.
#pragma once

namespace shell {
class TForm1;
}

namespace icons {

void RebuildIcons(shell::TForm1& form);

}  // namespace icons
