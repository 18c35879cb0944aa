#include "access/registry_search.h"

#include <cstdint>
#include <utility>

#include "base/text.h"
#include "os/reg_values.h"

namespace sysaccess {

// One key on the way down: its open handle, its path and its subkeys still to visit.
struct RegistrySearch::Level {
  std::unique_ptr<os::RegKey> key;
  std::string path;
  std::vector<std::string> subKeys;
  size_t next = 0;
  size_t nextValue = 0;
};

RegistrySearch::RegistrySearch(os::Registry& registry, RegistryAccess& access, WorkArea& work,
                               os::RegRoot root, std::string_view key, std::string_view text)
    : access_(access), work_(work), searchText_(base::UpperCase(text)) {
  EnumKey(registry.OpenKey(root, key, os::RegAccess::Read), std::string(key));
}

RegistrySearch::~RegistrySearch() = default;

void RegistrySearch::EnumKey(std::unique_ptr<os::RegKey> key, std::string path) {
  if (!key) return;  // no rights: the subtree is skipped
  Level level{std::move(key), std::move(path), {}, 0, 0};
  // Below the depth limit nothing is descended into, whatever the registry holds.
  if (levels_.size() < static_cast<size_t>(os::kMaxRegistryDepth)) {
    level.subKeys = level.key->SubKeyNames();
  }
  levels_.push_back(std::move(level));
}

bool RegistrySearch::Step(size_t reads) {
  size_t done = 0;
  while (!levels_.empty()) {
    if (done >= reads) return true;
    Level& level = levels_.back();
    if (level.next < level.subKeys.size()) {
      ++done;
      if (BeforeSubKey) BeforeSubKey();
      const std::string& name = level.subKeys[level.next++];
      if (name.empty()) continue;
      auto child = level.key->OpenSubKey(name, os::RegAccess::Read);
      EnumKey(std::move(child), level.path + "\\" + name);
      continue;
    }
    // All subkeys are searched before the key's own values, a slice of them at a time.
    const size_t asked = reads - done;
    const os::ValueSlice slice = os::ValuesOf(*level.key, level.nextValue, asked);
    CheckValues(level, slice.values);
    if (slice.end) {
      done += slice.values.size();
      levels_.pop_back();
    } else {
      level.nextValue += asked;
      done += asked;
    }
  }
  return false;
}

void RegistrySearch::CheckValues(const Level& level, const os::NamedValues& values) {
  for (const auto& [name, value] : values) {
    if (base::UpperCase(name).find(searchText_) != std::string::npos) {
      work_.WorkList.push_back(level.path + "\\" + name);
    }
    work_.WorkText = name;
    access_.CheckValue(value.data, value.type, searchText_);
  }
}

void SucheInReg(RegistryAccess& access, WorkArea& work, os::RegRoot root, std::string_view key,
                std::string_view text, const std::function<void()>& processMessages) {
  RegistrySearch search(access.SharedRegistry.Backend(), access, work, root, key, text);
  search.BeforeSubKey = processMessages;
  while (search.Step(SIZE_MAX)) {
  }
  access.SharedRegistry.CloseKey();
}

}  // namespace sysaccess
