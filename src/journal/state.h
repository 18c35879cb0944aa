// Reading the state a change replaces and putting it back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/change_set.h"
#include "os/file_system.h"
#include "os/registry.h"

namespace journal {

std::optional<os::RegValue> ReadValue(os::Registry& registry, os::RegRoot root,
                                      std::string_view path, std::string_view name);
std::optional<KeyTree> ReadKeyTree(os::Registry& registry, os::RegRoot root, std::string_view path);
bool KeyExists(os::Registry& registry, os::RegRoot root, std::string_view path);
// The keys on the path that do not exist yet, the topmost first: those creating the path makes.
std::vector<std::string> MissingKeys(os::Registry& registry, os::RegRoot root,
                                     std::string_view path);
std::optional<FileState> ReadFileState(os::FileSystem& files, std::string_view path);

// Fills the state after the action into the change.
void ReadAfter(Change& change, os::Registry& registry, os::FileSystem& files);

// Puts the state before the change back; true when every step succeeded.
bool RestoreBefore(const Change& change, os::Registry& registry, os::FileSystem& files);

}  // namespace journal
