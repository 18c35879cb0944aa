#include "journal/journaling_files.h"

#include "journal/state.h"

namespace journal {
namespace {

std::optional<Change> FileBefore(Journal& journal, std::string_view path) {
  Change change = Change::File(std::string(path));
  if (!journal.IsNew(change)) return std::nullopt;
  change.fileBefore = ReadFileState(journal.Files(), path);
  return change;
}

}  // namespace

std::optional<Change> JournalingFileSystem::Before(std::string_view path) {
  return FileBefore(journal_, path);
}

bool JournalingFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.WriteFile(path, bytes);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::WriteAtomically(std::string_view path, std::string_view bytes) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.WriteAtomically(path, bytes);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::RemoveFile(std::string_view path) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.RemoveFile(path);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::MakeDirectory(std::string_view path) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.MakeDirectory(path);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::RemoveEmptyDirectory(std::string_view path) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.RemoveEmptyDirectory(path);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  std::optional<Change> change = Before(path);
  const bool ok = inner_.SetAttributes(path, attributes);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

bool JournalingFileSystem::Copy(std::string_view from, std::string_view to) {
  std::optional<Change> change = Before(to);
  const bool ok = inner_.Copy(from, to);
  if (change && ok) journal_.Add(std::move(*change));
  return ok;
}

os::RecycleResult JournalingShell::RecycleFiles(const std::vector<std::string>& paths) {
  std::vector<Change> changes;
  for (const std::string& path : paths) {
    if (std::optional<Change> change = FileBefore(journal_, path)) {
      changes.push_back(std::move(*change));
    }
  }
  const os::RecycleResult result = inner_.RecycleFiles(paths);
  // A failed operation may have moved some of the files; those still there drop out when the set
  // closes, as unchanged.
  if (result != os::RecycleResult::Cancelled) {
    for (Change& change : changes) journal_.Add(std::move(change));
  }
  return result;
}

}  // namespace journal
