// The batch files of the emergency floppy, written as DOS reads them: 8-bit lines ending in CR LF.
#pragma once

#include <string>
#include <vector>

#include "os/file_system.h"

namespace tools {

// The lines as one text, each ending in CR LF.
std::string BatchText(const std::vector<std::string>& lines);

// The floppy's Autoexec.bat: a menu that runs Backup.bat or Restore.bat in the backup folder
// (its 8.3 form).
std::string FloppyMenu(const std::string& folder);

struct BatchFiles {
  std::vector<std::string> backup{"@echo off", "attrib *.* -s -h -r"};
  std::vector<std::string> restore{"@echo off", "attrib *.* -s -h -r"};
};

// The lines that save one file into the backup folder (8.3 form) and copy it back, clearing
// its read-only, hidden, system and archive attributes around the copy; nothing for a file
// that is gone.
void AddBatchLines(os::FileSystem& files, const std::string& folder, const std::string& path,
                   BatchFiles& batch);

}  // namespace tools
