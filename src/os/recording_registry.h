// A registry that passes every call to another one and records what it did: every key opened
// or created, every value read, written or deleted and every key deleted, with the state before
// a change. Tests compare what a page wrote with what it should write; the benchmark replays a
// recording straight on a registry to see what the calls alone cost.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "os/registry.h"

namespace os {

struct RegEvent {
  enum class Op { OpenKey, CreateKey, QueryValue, SetValue, DeleteValue, DeleteKey, ListNames };
  Op op = Op::OpenKey;
  RegRoot root = RegRoot::CurrentUser;
  std::string path;  // from the root, as the caller spelled it
  std::string name;  // the value's name (value operations)
  RegStatus status = RegStatus::Ok;
  // SetValue and DeleteValue: the value before (none when it was absent); SetValue: the value
  // written. CreateKey and DeleteKey: whether the key existed before.
  std::optional<RegValue> before;
  std::optional<RegValue> written;
  bool existed = false;
};

bool IsChange(RegEvent::Op op);

class RecordingRegistry : public Registry {
 public:
  explicit RecordingRegistry(Registry& inner) : inner_(inner) {}

  std::unique_ptr<RegKey> OpenKey(RegRoot root, std::string_view path, RegAccess access,
                                  RegStatus* status = nullptr) override;
  std::unique_ptr<RegKey> CreateKey(RegRoot root, std::string_view path,
                                    RegStatus* status = nullptr) override;
  RegStatus DeleteKeyTree(RegRoot root, std::string_view path) override;

  const std::vector<RegEvent>& Events() const { return events_; }
  // Only the events that changed something (writes and deletions).
  std::vector<RegEvent> Changes() const;
  void Clear() { events_.clear(); }

  // Used by the keys it hands out.
  void Record(RegEvent event) { events_.push_back(std::move(event)); }
  Registry& Inner() { return inner_; }

 private:
  Registry& inner_;
  std::vector<RegEvent> events_;
};

// Runs the recorded calls again on a registry: each event opens its key and does its one
// operation, so the time it takes is what the registry alone costs for that work.
void Replay(Registry& registry, const std::vector<RegEvent>& events);

}  // namespace os
