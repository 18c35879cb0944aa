// The Control Panel item manager: the applets listed with their CPL files, hidden and shown
// again through the user's don't-load key (page 35), and the Control Panel as icons that open
// their applets (page 36).
#pragma once

#include <string>

namespace page {
class PageContext;
}

namespace tools {

inline constexpr const char* kDontLoadKey = "\\Control Panel\\don't load";
// The marker this page writes for an applet it hides; values with other data are another
// program's and stay as they are.
inline constexpr const char* kHiddenMarker = "1";
// The "CPL" column of an applet whose file is unknown, and its "anzeigen" column.
inline constexpr const char* kCannotHide = "kann nicht deaktiviert werden";
inline constexpr const char* kFixed = "-";

// The CPL file of an applet by its (German) display name; empty when it cannot be hidden.
std::string GetCPL(const std::string& displayName);

void BuildControlPanelItemsPage(page::PageContext& form);
// Lists the applets, hidden ones included, and marks those the page hid with "nein".
void GetControlPanelItems(page::PageContext& form);
// A click on the list: turns "ja"/"nein" over for every applet of the selected one's file.
void ControlPanelChecked(page::PageContext& form);
// Apply: writes the markers of the applets to hide and removes those of the ones to show.
void DisableControlPanelItems(page::PageContext& form);

void BuildControlPanelPage(page::PageContext& form);
void FillListEx(page::PageContext& form);
// A click on the icons: opens the selected applet.
void ControlPanel(page::PageContext& form);

}  // namespace tools
