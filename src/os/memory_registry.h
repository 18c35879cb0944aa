// A registry held in memory that behaves like the Windows one: names compare without case but
// keep the case they were created with, subkeys enumerate sorted by their upper-cased names,
// values in the order they were first set, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT and
// HKEY_CURRENT_CONFIG are views of keys below HKEY_USERS and HKEY_LOCAL_MACHINE, and open handles
// to a deleted key fail with KeyDeleted.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "os/registry.h"

namespace os {

class MemoryRegistry : public Registry {
 public:
  // The SID under HKEY_USERS that HKEY_CURRENT_USER shows (Wine's default user).
  static constexpr const char* kDefaultUserSid = "S-1-5-21-0-0-0-1000";

  explicit MemoryRegistry(std::string userSid = kDefaultUserSid);
  ~MemoryRegistry() override;

  std::unique_ptr<RegKey> OpenKey(RegRoot root, std::string_view path, RegAccess access,
                                  RegStatus* status = nullptr) override;
  std::unique_ptr<RegKey> CreateKey(RegRoot root, std::string_view path,
                                    RegStatus* status = nullptr) override;
  RegStatus DeleteKeyTree(RegRoot root, std::string_view path) override;

  const std::string& UserSid() const { return userSid_; }

  // Test set-up: the user may read the existing key but not change it, as under an access list
  // that grants reading alone. Opening it for writing, creating keys in it and deleting it, a key
  // above it or a key right below it fail with AccessDenied (deleting writes to the parent).
  void DenyChanges(RegRoot root, std::string_view path);

  struct Node;

 private:
  std::shared_ptr<Node> RootNode(RegRoot root, std::string& prefix) const;

  std::string userSid_;
  std::shared_ptr<Node> machine_;
  std::shared_ptr<Node> users_;
  std::shared_ptr<Node> dynData_;
};

}  // namespace os
