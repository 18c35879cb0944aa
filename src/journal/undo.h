// Undoing a change set: what stands there now is compared with what the set left, then every
// change is put back to its state before, the last change first.
#pragma once

#include <string>
#include <vector>

#include "journal/change_set.h"
#include "os/file_system.h"
#include "os/registry.h"

namespace journal {

// What someone changed after the set: "where: nach der Änderung X, jetzt Y", one line each.
std::vector<std::string> FindConflicts(const ChangeSet& set, os::Registry& registry,
                                       os::FileSystem& files);

// Puts everything back. registry and files are the journaled ones, so that the undo is itself
// a change set. True when every step succeeded.
bool Undo(const ChangeSet& set, os::Registry& registry, os::FileSystem& files);

}  // namespace journal
