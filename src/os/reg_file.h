// Reader and writer of registry files (".reg"), both "REGEDIT4" and
// "Windows Registry Editor Version 5.00". Used to seed registries for tests and the demo prefix.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "os/registry.h"

namespace os {

enum class RegFileFormat {
  Regedit4,  // 8-bit text; string data in hex(...) values is Windows-1252
  Regedit5,  // "Windows Registry Editor Version 5.00"; string data is UTF-16LE
};

struct RegFileOperation {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
  Kind kind = Kind::CreateKey;
  RegRoot root = RegRoot::LocalMachine;
  std::string path;       // below the root, no leading backslash
  std::string valueName;  // SetValue / DeleteValue; empty is the default value
  RegValue value;         // SetValue
  int line = 0;           // where the operation stands in the file, counted from 1
};

struct RegFile {
  RegFileFormat format = RegFileFormat::Regedit5;
  std::vector<RegFileOperation> operations;
};

struct RegFileError {
  int line = 0;
  std::string message;  // German, starts with "Zeile <n>: "
};

// Parses a whole file. Accepts UTF-16LE with byte-order mark, UTF-8 (with or without mark) and
// Windows-1252 text. On failure returns false and fills error; nothing is partly returned.
bool ParseRegFile(std::string_view bytes, RegFile& file, RegFileError& error);

// Parses the whole file first and applies it only when it is valid, so bad input changes
// nothing. A failure while applying (e.g. no rights) stops at that operation.
bool ImportRegFile(Registry& registry, std::string_view bytes, RegFileError& error);

// Writes the key and everything below it as the text of a registry file (UTF-8, CR LF line
// ends). A key that does not exist gives just the header.
std::string ExportRegText(Registry& registry, RegRoot root, std::string_view path,
                          RegFileFormat format = RegFileFormat::Regedit5);

// Writes operations as the text of a registry file (UTF-8, CR LF line ends): keys deleted as
// "[-key]", values deleted as "name"=-, one key section for the operations that follow on it.
std::string WriteRegText(const std::vector<RegFileOperation>& operations, RegFileFormat format);

// Turns exported text into file bytes: UTF-16LE with byte-order mark for Regedit5,
// Windows-1252 for Regedit4.
std::string EncodeRegFile(std::string_view text, RegFileFormat format);

}  // namespace os
