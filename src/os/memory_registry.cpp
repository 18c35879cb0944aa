#include "os/memory_registry.h"

#include <algorithm>
#include <vector>

#include "base/text.h"

namespace os {

struct MemoryRegistry::Node {
  std::string name;
  std::weak_ptr<Node> parent;
  bool deleted = false;
  bool changesDenied = false;
  // Keyed by the upper-cased name, which also gives the enumeration order.
  std::map<std::string, std::shared_ptr<Node>> children;
  std::vector<std::pair<std::string, RegValue>> values;  // in the order first set
  std::unordered_map<std::string, size_t> valueIndex;    // upper-cased name -> position

  size_t FindValue(std::string_view valueName) const {
    const auto it = valueIndex.find(base::UpperCase(valueName));
    return it == valueIndex.end() ? values.size() : it->second;
  }

  bool DeniesChangesBelow() const {
    if (changesDenied) return true;
    for (const auto& [key, child] : children) {
      if (child->DeniesChangesBelow()) return true;
    }
    return false;
  }

  void MarkDeleted() {
    deleted = true;
    for (auto& [key, child] : children) child->MarkDeleted();
  }
};

namespace {

using Node = MemoryRegistry::Node;

constexpr size_t kMaxKeyNameLength = 255;

// Splits a path into its names; empty names (doubled or trailing backslashes) are skipped, as
// Windows does. A leading backslash is not a valid path.
bool SplitPath(std::string_view path, std::vector<std::string_view>& names) {
  if (!path.empty() && path.front() == '\\') return false;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return true;
}

std::shared_ptr<Node> FindChild(const Node& node, std::string_view name) {
  const auto it = node.children.find(base::UpperCase(name));
  return it == node.children.end() ? nullptr : it->second;
}

std::shared_ptr<Node> NewNode(const std::shared_ptr<Node>& parent, std::string_view name) {
  auto node = std::make_shared<Node>();
  node->name = std::string(name);
  node->parent = parent;
  parent->children.emplace(base::UpperCase(name), node);
  return node;
}

RegStatus Walk(std::shared_ptr<Node> from, std::string_view path, bool create,
               std::shared_ptr<Node>& result) {
  if (from->deleted) return RegStatus::KeyDeleted;
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return RegStatus::InvalidName;
  for (const auto name : names) {
    if (name.size() > kMaxKeyNameLength) return RegStatus::InvalidName;
    auto child = FindChild(*from, name);
    if (!child) {
      if (!create) return RegStatus::NotFound;
      if (from->changesDenied) return RegStatus::AccessDenied;
      child = NewNode(from, name);
    }
    from = std::move(child);
  }
  result = std::move(from);
  return RegStatus::Ok;
}

void Report(RegStatus* status, RegStatus value) {
  if (status) *status = value;
}

// Opening for writing asks for rights the key may not grant.
RegStatus CheckAccess(const Node& node, RegAccess access) {
  return access == RegAccess::ReadWrite && node.changesDenied ? RegStatus::AccessDenied
                                                              : RegStatus::Ok;
}

RegStatus DeleteTreeBelow(const std::shared_ptr<Node>& from, std::string_view path) {
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return RegStatus::InvalidName;
  if (names.empty()) return RegStatus::AccessDenied;  // never the key itself or a root
  std::shared_ptr<Node> target;
  const RegStatus result = Walk(from, path, false, target);
  if (result != RegStatus::Ok) return result;
  const auto parent = target->parent.lock();
  if (parent->changesDenied || target->DeniesChangesBelow()) return RegStatus::AccessDenied;
  target->MarkDeleted();
  parent->children.erase(base::UpperCase(target->name));
  return RegStatus::Ok;
}

class MemoryKey : public RegKey {
 public:
  MemoryKey(std::shared_ptr<Node> node, RegAccess access)
      : node_(std::move(node)), access_(access) {}

  RegStatus QueryValue(std::string_view name, RegValue& value) const override {
    if (node_->deleted) return RegStatus::KeyDeleted;
    const size_t index = node_->FindValue(name);
    if (index == node_->values.size()) return RegStatus::NotFound;
    value = node_->values[index].second;
    return RegStatus::Ok;
  }

  RegStatus SetValue(std::string_view name, const RegValue& value) override {
    if (node_->deleted) return RegStatus::KeyDeleted;
    if (access_ != RegAccess::ReadWrite) return RegStatus::AccessDenied;
    const size_t index = node_->FindValue(name);
    if (index == node_->values.size()) {
      node_->valueIndex.emplace(base::UpperCase(name), index);
      node_->values.emplace_back(std::string(name), value);
    } else {
      node_->values[index].second = value;  // the stored name keeps its first spelling
    }
    return RegStatus::Ok;
  }

  RegStatus DeleteValue(std::string_view name) override {
    if (node_->deleted) return RegStatus::KeyDeleted;
    if (access_ != RegAccess::ReadWrite) return RegStatus::AccessDenied;
    const size_t index = node_->FindValue(name);
    if (index == node_->values.size()) return RegStatus::NotFound;
    node_->values.erase(node_->values.begin() + static_cast<std::ptrdiff_t>(index));
    node_->valueIndex.clear();
    for (size_t i = 0; i < node_->values.size(); ++i) {
      node_->valueIndex.emplace(base::UpperCase(node_->values[i].first), i);
    }
    return RegStatus::Ok;
  }

  std::vector<std::string> SubKeyNames() const override {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    names.reserve(node_->children.size());
    for (const auto& [key, child] : node_->children) names.push_back(child->name);
    return names;
  }

  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    names.reserve(node_->values.size());
    for (const auto& [name, value] : node_->values) names.push_back(name);
    return names;
  }

  bool HasSubKeys() const override { return !node_->deleted && !node_->children.empty(); }

  std::unique_ptr<RegKey> OpenSubKey(std::string_view path, RegAccess access,
                                     RegStatus* status) const override {
    std::shared_ptr<Node> target;
    RegStatus result = Walk(node_, path, false, target);
    if (result == RegStatus::Ok) result = CheckAccess(*target, access);
    Report(status, result);
    if (result != RegStatus::Ok) return nullptr;
    return std::make_unique<MemoryKey>(std::move(target), access);
  }

  RegStatus DeleteSubKeyTree(std::string_view path) override {
    return DeleteTreeBelow(node_, path);
  }

  std::unique_ptr<RegKey> CreateSubKey(std::string_view path, RegStatus* status) override {
    if (access_ != RegAccess::ReadWrite) {
      // Creating needs write access to the parent, opening an existing key does not.
      std::shared_ptr<Node> existing;
      if (Walk(node_, path, false, existing) != RegStatus::Ok) {
        Report(status, node_->deleted ? RegStatus::KeyDeleted : RegStatus::AccessDenied);
        return nullptr;
      }
      const RegStatus access = CheckAccess(*existing, RegAccess::ReadWrite);
      Report(status, access);
      if (access != RegStatus::Ok) return nullptr;
      return std::make_unique<MemoryKey>(std::move(existing), RegAccess::ReadWrite);
    }
    std::shared_ptr<Node> target;
    RegStatus result = Walk(node_, path, true, target);
    if (result == RegStatus::Ok) result = CheckAccess(*target, RegAccess::ReadWrite);
    Report(status, result);
    if (result != RegStatus::Ok) return nullptr;
    return std::make_unique<MemoryKey>(std::move(target), RegAccess::ReadWrite);
  }

 private:
  std::shared_ptr<Node> node_;
  RegAccess access_;
};

}  // namespace

MemoryRegistry::MemoryRegistry(std::string userSid)
    : userSid_(std::move(userSid)),
      machine_(std::make_shared<Node>()),
      users_(std::make_shared<Node>()),
      dynData_(std::make_shared<Node>()) {
  // The keys behind the aliased roots exist on every system.
  std::shared_ptr<Node> unused;
  Walk(machine_, "SOFTWARE\\Classes", true, unused);
  Walk(machine_, "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current", true, unused);
  Walk(users_, ".DEFAULT", true, unused);
  Walk(users_, userSid_, true, unused);
}

MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<Node> MemoryRegistry::RootNode(RegRoot root, std::string& prefix) const {
  switch (root) {
    case RegRoot::LocalMachine:
      return machine_;
    case RegRoot::Users:
      return users_;
    case RegRoot::DynData:
      return dynData_;
    case RegRoot::CurrentUser:
      prefix = userSid_;
      return users_;
    case RegRoot::ClassesRoot:
      prefix = "SOFTWARE\\Classes";
      return machine_;
    case RegRoot::CurrentConfig:
      prefix = "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current";
      return machine_;
  }
  return nullptr;
}

std::unique_ptr<RegKey> MemoryRegistry::OpenKey(RegRoot root, std::string_view path,
                                                RegAccess access, RegStatus* status) {
  std::string prefix;
  auto node = RootNode(root, prefix);
  std::shared_ptr<Node> base;
  RegStatus result = Walk(node, prefix, false, base);
  std::shared_ptr<Node> target;
  if (result == RegStatus::Ok) result = Walk(base, path, false, target);
  if (result == RegStatus::Ok) result = CheckAccess(*target, access);
  Report(status, result);
  if (result != RegStatus::Ok) return nullptr;
  return std::make_unique<MemoryKey>(std::move(target), access);
}

std::unique_ptr<RegKey> MemoryRegistry::CreateKey(RegRoot root, std::string_view path,
                                                  RegStatus* status) {
  std::string prefix;
  auto node = RootNode(root, prefix);
  std::shared_ptr<Node> base;
  RegStatus result = Walk(node, prefix, false, base);
  std::shared_ptr<Node> target;
  if (result == RegStatus::Ok) result = Walk(base, path, true, target);
  if (result == RegStatus::Ok) result = CheckAccess(*target, RegAccess::ReadWrite);
  Report(status, result);
  if (result != RegStatus::Ok) return nullptr;
  return std::make_unique<MemoryKey>(std::move(target), RegAccess::ReadWrite);
}

RegStatus MemoryRegistry::DeleteKeyTree(RegRoot root, std::string_view path) {
  std::string prefix;
  auto node = RootNode(root, prefix);
  std::shared_ptr<Node> base;
  const RegStatus result = Walk(node, prefix, false, base);
  if (result != RegStatus::Ok) return result;
  return DeleteTreeBelow(base, path);
}

void MemoryRegistry::DenyChanges(RegRoot root, std::string_view path) {
  std::string prefix;
  const auto node = RootNode(root, prefix);
  std::shared_ptr<Node> base;
  std::shared_ptr<Node> target;
  if (Walk(node, prefix, false, base) == RegStatus::Ok &&
      Walk(base, path, false, target) == RegStatus::Ok) {
    target->changesDenied = true;
  }
}

}  // namespace os
