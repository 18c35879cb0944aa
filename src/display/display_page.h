// The page "Bildschirmauflösung": every mode the display driver offers, the current one
// selected; a click switches to a mode and asks for confirmation before it stays.
#pragma once

#include "page/page_context.h"
#include "page/page_table.h"

namespace display {

inline constexpr int kDisplayModesPage = 9;

// Fills the list (ListViews slot 0) with the driver's modes and selects the current one;
// returns the number of its row (the last matching one), or -1 when none matches.
int GetSettings_2(page::PageContext& form);
// Switches to the mode of the selected row and runs the confirmation; a mode that is not kept
// gives way to mode currentModeIndex again.
void SetSettings(page::PageContext& form, int currentModeIndex);
// Switches back to mode currentModeIndex.
void ResetSettings(page::PageContext& form, int currentModeIndex);

void RegisterDisplayPages(page::PageTable& table);

}  // namespace display
