// What one user action changed ("Änderungssatz"): for every registry value, key and file it
// touched, the exact state before and the state once the action was over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "os/registry.h"

namespace journal {

// A key with everything below it, as it stood before it was deleted.
struct KeyTree {
  std::string name;
  std::vector<std::pair<std::string, os::RegValue>> values;  // in the key's own order
  std::vector<KeyTree> subKeys;
  bool operator==(const KeyTree&) const = default;
};

// A file (with its content) or a folder (without one).
struct FileState {
  uint32_t attributes = 0;
  std::string content;
  bool operator==(const FileState&) const = default;
};

struct Change {
  enum class Kind : uint8_t { Value = 1, Key = 2, File = 3 };
  Kind kind = Kind::Value;
  os::RegRoot root = os::RegRoot::CurrentUser;
  std::string path;  // the key below its root, or the file's full path
  std::string name;  // the value's name

  // Each pair is the state before and after; none where the value, key or file did not exist.
  std::optional<os::RegValue> valueBefore;
  std::optional<os::RegValue> valueAfter;
  std::optional<KeyTree> keyBefore;
  bool keyAfter = false;
  std::optional<FileState> fileBefore;
  std::optional<FileState> fileAfter;

  bool operator==(const Change&) const = default;

  static Change Value(os::RegRoot root, std::string path, std::string name);
  static Change Key(os::RegRoot root, std::string path);
  static Change File(std::string path);

  // One text per thing changed, the same however its path or name is spelled.
  std::string Target() const;
  // Whether the action left it as it found it.
  bool Unchanged() const;
};

struct ChangeSet {
  uint32_t id = 0;    // numbers the sets in the order they were made
  std::string time;   // "JJJJ-MM-TT hh:mm:ss", local time
  std::string label;  // the page or tool, by its node text
  std::string user;
  std::vector<Change> changes;  // in the order they were made
  bool operator==(const ChangeSet&) const = default;
};

// "HKEY_CURRENT_USER\Key\Value" or the file's path.
std::string Where(const Change& change);
// A value as the user reads it: strings quoted, numbers in hex and decimal, other data as bytes.
std::string DescribeValue(const std::optional<os::RegValue>& value);
// "where: alt → neu" for a value, what became of a key or file.
std::string Describe(const Change& change);

}  // namespace journal
