// icon locations ("file,index") as the registry stores them, and what the list views show
// for one: the icon from the real file, or the system's default file icon when the file or the
// index is gone.
#pragma once

#include <string>
#include <string_view>

#include "ui/picture.h"

namespace page {
class PageContext;
}

namespace icons {

struct IconLocation {
  std::string file;
  int index = 0;
};

// Splits at the last comma; without one (or without a number after it) the first icon is meant.
IconLocation ParseIconLocation(std::string_view location);
std::string IconLocationText(const std::string& file, int index);

// The file as the shell finds it: %SystemRoot% and %windir% expanded, quotes dropped, and a
// bare file name looked up in the system folder and then in the Windows folder.
std::string ResolveIconFile(page::PageContext& form, const std::string& file);

// The icon a location names, or the default file icon when there is no such icon.
ui::Picture IconPicture(page::PageContext& form, std::string_view location);

// Loads the icon into the page's shared icon, which the next picture on the page shows.
void ExtractTheIcon(page::PageContext& form, std::string_view location);

}  // namespace icons
