#include "journal/journal_store.h"

#include <algorithm>
#include <cstdio>

#include "base/text.h"
#include "journal/journal_format.h"

namespace journal {
namespace {

constexpr std::string_view kExtension = ".K2J";
constexpr size_t kDigits = 8;

std::optional<uint32_t> NumberOf(const std::string& name) {
  const std::string upper = base::UpperCase(name);
  if (upper.size() != kDigits + kExtension.size() || !upper.ends_with(kExtension)) {
    return std::nullopt;
  }
  uint32_t number = 0;
  for (size_t i = 0; i < kDigits; ++i) {
    if (upper[i] < '0' || upper[i] > '9') return std::nullopt;
    number = number * 10 + static_cast<uint32_t>(upper[i] - '0');
  }
  return number;
}

std::string FileName(uint32_t number) {
  char name[16];
  std::snprintf(name, sizeof name, "%08u", number);
  return std::string(name) + ".k2j";
}

}  // namespace

std::vector<JournalStore::StoredFile> JournalStore::Files() {
  std::vector<StoredFile> stored;
  for (const os::DirEntry& entry :
       files_.ListDirectory(folder_).value_or(std::vector<os::DirEntry>{})) {
    if (entry.IsDirectory()) continue;
    if (const auto number = NumberOf(entry.name)) {
      stored.push_back({*number, os::JoinPath(folder_, entry.name), entry.size});
    }
  }
  std::sort(stored.begin(), stored.end(),
            [](const StoredFile& a, const StoredFile& b) { return a.number < b.number; });
  return stored;
}

bool JournalStore::Save(ChangeSet& set) {
  const std::vector<StoredFile> stored = Files();
  set.id = stored.empty() ? 1 : stored.back().number + 1;
  if (!files_.WriteAtomically(os::JoinPath(folder_, FileName(set.id)), EncodeChangeSet(set))) {
    return false;
  }
  Trim();
  return true;
}

void JournalStore::Trim() {
  std::vector<StoredFile> stored = Files();
  uint64_t total = 0;
  for (const StoredFile& file : stored) total += file.size;
  size_t oldest = 0;
  while (stored.size() - oldest > 1 &&
         (stored.size() - oldest > limits_.maxSets || total > limits_.maxBytes)) {
    files_.RemoveFile(stored[oldest].path);
    total -= stored[oldest].size;
    ++oldest;
  }
}

std::vector<ChangeSet> JournalStore::Load() {
  std::vector<ChangeSet> sets;
  const std::vector<StoredFile> stored = Files();
  for (auto file = stored.rbegin(); file != stored.rend(); ++file) {
    std::string bytes;
    if (!files_.ReadFile(file->path, bytes)) continue;
    std::optional<ChangeSet> set = DecodeChangeSet(bytes);
    // The name tells the number; a file renamed by hand keeps its place.
    if (set) {
      set->id = file->number;
      sets.push_back(std::move(*set));
    }
  }
  return sets;
}

bool MakeFolders(os::FileSystem& files, const std::string& folder) {
  if (files.DirectoryExists(folder)) return true;
  const size_t slash = folder.find_last_of('\\');
  if (slash != std::string::npos && slash > 2) MakeFolders(files, folder.substr(0, slash));
  files.MakeDirectory(folder);
  return files.DirectoryExists(folder);
}

std::string JournalFolder(const std::string& appData, const std::string& installDir) {
  return appData.empty() ? os::JoinPath(installDir, "Journal")
                         : os::JoinPath(appData, "Kalmora2x\\Journal");
}

}  // namespace journal
