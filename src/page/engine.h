// The one engine of the settings pages: builds a page from its record, reads the stored state
// into its controls and writes it back when the apply button is clicked.
#pragma once

#include <vector>

#include "page/page_table.h"
#include "page/settings_page.h"

namespace page {

// Builds the page on the empty PagePanel, runs its reader and binds its writer. The record
// must outlive the page (records are static data of their branch).
void BuildSettingsPage(PageContext& form, const SettingsPage& page);
// The reader: the stored state into the controls. The first failure (a stored text that is no
// number, say) ends it; the controls not reached stay as built.
void ReadSettingsPage(PageContext& form, const SettingsPage& page);
// The writer: every control's state, whatever is stored, then "Änderungen übernommen".
void WriteSettingsPage(PageContext& form, const SettingsPage& page);

// Registers a builder for every record, and the record itself.
void RegisterSettingsPages(PageTable& table, const std::vector<SettingsPage>& pages);

}  // namespace page
