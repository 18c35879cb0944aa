#include "journal/journal.h"

#include <algorithm>
#include <string>

#include "journal/journal_store.h"
#include "journal/state.h"

namespace journal {

bool Journal::IsNew(const Change& change) const {
  return paused_ == 0 && !targets_.contains(change.Target());
}

void Journal::Add(Change change) {
  if (paused_ > 0) return;
  if (!open_) {
    open_.emplace();
    if (origin_) {
      Origin origin = origin_();
      open_->time = std::move(origin.time);
      open_->label = std::move(origin.label);
      open_->user = std::move(origin.user);
    }
  }
  if (!targets_.insert(change.Target()).second) return;
  open_->changes.push_back(std::move(change));
}

std::optional<ChangeSet> Journal::Close(std::optional<std::string> label) {
  if (!open_) return std::nullopt;
  ChangeSet set = std::move(*open_);
  open_.reset();
  targets_.clear();
  for (Change& change : set.changes) ReadAfter(change, registry_, files_);
  std::erase_if(set.changes, [](const Change& change) { return change.Unchanged(); });
  if (set.changes.empty()) return std::nullopt;
  if (label) set.label = std::move(*label);
  if (store_ && !store_->Save(set) && trace_) {
    trace_->Failure("Journal::Close", "change set \"" + set.label + "\" with " +
                                          std::to_string(set.changes.size()) +
                                          " changes not stored in " + store_->Folder());
  }
  return set;
}

}  // namespace journal
