// The change journal: the decorated registry, file system and shell report each change here
// before they make it; the set of one user action stays open until the window closes it, and is
// then stored.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "base/trace.h"
#include "journal/change_set.h"
#include "os/file_system.h"
#include "os/registry.h"

namespace journal {

class JournalStore;

// Who made the changes, when and on which page: asked when a set opens.
struct Origin {
  std::string time;
  std::string label;
  std::string user;
};

class Journal {
 public:
  // registry and files are the undecorated ones: the journal reads states there, unrecorded.
  Journal(os::Registry& registry, os::FileSystem& files) : registry_(registry), files_(files) {}

  void SetOrigin(std::function<Origin()> origin) { origin_ = std::move(origin); }
  // Closed sets are stored there from now on; none keeps them only in memory (the last one). A
  // set that cannot be written is reported to trace: the action itself is done and stays.
  void SetStore(JournalStore* store, base::Trace& trace) {
    store_ = store;
    trace_ = &trace;
  }
  JournalStore* Store() const { return store_; }

  // While one lives, changes pass unrecorded: the program's own bookkeeping, which no user asked
  // for and none needs to undo.
  class Paused {
   public:
    explicit Paused(Journal* journal) : journal_(journal) {
      if (journal_) ++journal_->paused_;
    }
    ~Paused() {
      if (journal_) --journal_->paused_;
    }
    Paused(const Paused&) = delete;
    Paused& operator=(const Paused&) = delete;

   private:
    Journal* journal_;
  };

  // True while this target has no entry in the open set: only the first state before counts.
  // False while paused, so that no state before is even read.
  bool IsNew(const Change& change) const;
  // Adds a change with its state before; opens a set when none is open.
  void Add(Change change);

  // Ends the open set: reads what each target is now, leaves out what is as it was, and stores
  // the set when something is left. label replaces the one given when the set opened.
  std::optional<ChangeSet> Close(std::optional<std::string> label = std::nullopt);
  bool HasOpenSet() const { return open_.has_value(); }

  os::Registry& Registry() { return registry_; }
  os::FileSystem& Files() { return files_; }

 private:
  os::Registry& registry_;
  os::FileSystem& files_;
  std::function<Origin()> origin_;
  JournalStore* store_ = nullptr;
  base::Trace* trace_ = nullptr;
  int paused_ = 0;
  std::optional<ChangeSet> open_;
  std::set<std::string> targets_;
};

}  // namespace journal
