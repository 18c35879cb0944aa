// Change sets as registry files: one that makes the same registry changes on another machine,
// and one that puts back what was there before. Files in the sets have no place in such a file
// and are left out.
#pragma once

#include <string>
#include <vector>

#include "journal/change_set.h"
#include "os/reg_file.h"

namespace journal {

// The text of a file that leaves the registry as the sets left it, the sets taken oldest first.
std::string ExportChanges(std::vector<ChangeSet> sets, os::RegFileFormat format);
// The text of a file that puts back the state before the sets, the newest set undone first.
std::string ExportPrevious(std::vector<ChangeSet> sets, os::RegFileFormat format);

}  // namespace journal
