// The journal on disk: one file per change set in one folder, named by the set's number
// ("00000042.k2j"), each written in one step so that a crash leaves the older files as they were.
// Past its limits the oldest sets go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "journal/change_set.h"
#include "os/file_system.h"

namespace journal {

struct JournalLimits {
  size_t maxSets = 200;
  uint64_t maxBytes = 32ull * 1024 * 1024;
};

class JournalStore {
 public:
  // files: the undecorated file system, so that the journal's own files are not journaled. The
  // folder must exist.
  JournalStore(os::FileSystem& files, std::string folder, JournalLimits limits = {})
      : files_(files), folder_(std::move(folder)), limits_(limits) {}

  // Gives the set the next number and writes it; then drops the oldest sets past the limits
  // (the newest always stays). False when it could not be written.
  bool Save(ChangeSet& set);
  // Every whole set, newest first; files cut short or damaged are passed over.
  std::vector<ChangeSet> Load();

  const std::string& Folder() const { return folder_; }

 private:
  struct StoredFile {
    uint32_t number = 0;
    std::string path;
    uint64_t size = 0;
  };
  // The set files, oldest first.
  std::vector<StoredFile> Files();
  void Trim();

  os::FileSystem& files_;
  std::string folder_;
  JournalLimits limits_;
};

// Where the sets are kept: below the user's application data (CSIDL_APPDATA), or in the
// program's folder where the system has none (NT 4.0 before the shell update).
std::string JournalFolder(const std::string& appData, const std::string& installDir);

// Makes the folder and any missing one above it; false when it still does not exist.
bool MakeFolders(os::FileSystem& files, const std::string& folder);

}  // namespace journal
