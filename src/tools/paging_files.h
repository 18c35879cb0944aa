// The paging-file page: the fixed disks with the folder and sizes of their paging files, edited
// in the list and written to "PagingFiles" as a whole.
#pragma once

#include "page/page_context.h"

namespace tools {

void BuildPagingFilePage(page::PageContext& form);
// The fixed disks by their shell names and icons, with empty folder and size columns.
void GetOnlyHDPidls(page::PageContext& form);
// Fills the folder and size columns from "PagingFiles".
void GetAuslagerungsdatei(page::PageContext& form);
// The selected drive's folder and sizes into the edits.
void GetSwapData(page::PageContext& form);
// The edits into the selected drive's columns, once they are sizes the drive can hold.
void FillListSwapData(page::PageContext& form);
// A folder for the selected drive, picked in the shell's folder dialog.
void GetSwapPath(page::PageContext& form);
// Writes "PagingFiles" from the list.
void WriteAuslagerungsdatei(page::PageContext& form);

}  // namespace tools
