#include "journal/journaling_registry.h"

#include "journal/state.h"

namespace journal {
namespace {

std::string Join(std::string_view path, std::string_view sub) {
  if (path.empty()) return std::string(sub);
  if (sub.empty()) return std::string(path);
  return std::string(path) + "\\" + std::string(sub);
}

// Keys the registry is about to create, each on its own: a .reg file that makes the same
// changes names every one of them.
std::vector<Change> KeyCreation(Journal& journal, os::RegRoot root, std::string_view path) {
  std::vector<Change> changes;
  for (std::string& missing : MissingKeys(journal.Registry(), root, path)) {
    Change change = Change::Key(root, std::move(missing));
    if (journal.IsNew(change)) changes.push_back(std::move(change));
  }
  return changes;
}

void AddAll(Journal& journal, std::vector<Change> changes) {
  for (Change& change : changes) journal.Add(std::move(change));
}

std::optional<Change> KeyDeletion(Journal& journal, os::RegRoot root, std::string_view path) {
  Change change = Change::Key(root, std::string(path));
  if (!journal.IsNew(change)) return std::nullopt;
  change.keyBefore = ReadKeyTree(journal.Registry(), root, path);
  if (!change.keyBefore) return std::nullopt;  // nothing there to delete
  return change;
}

class JournalingKey : public os::RegKey {
 public:
  JournalingKey(Journal& journal, std::unique_ptr<os::RegKey> inner, os::RegRoot root,
                std::string path)
      : journal_(journal), inner_(std::move(inner)), root_(root), path_(std::move(path)) {}

  os::RegStatus QueryValue(std::string_view name, os::RegValue& value) const override {
    return inner_->QueryValue(name, value);
  }

  os::RegStatus SetValue(std::string_view name, const os::RegValue& value) override {
    std::optional<Change> change = ValueChange(name);
    const os::RegStatus status = inner_->SetValue(name, value);
    if (change && status == os::RegStatus::Ok) journal_.Add(std::move(*change));
    return status;
  }

  os::RegStatus DeleteValue(std::string_view name) override {
    std::optional<Change> change = ValueChange(name);
    const os::RegStatus status = inner_->DeleteValue(name);
    if (change && status == os::RegStatus::Ok) journal_.Add(std::move(*change));
    return status;
  }

  std::vector<std::string> SubKeyNames() const override { return inner_->SubKeyNames(); }
  std::vector<std::string> ValueNames() const override { return inner_->ValueNames(); }
  bool HasSubKeys() const override { return inner_->HasSubKeys(); }

  std::unique_ptr<os::RegKey> OpenSubKey(std::string_view path, os::RegAccess access,
                                         os::RegStatus* status) const override {
    auto key = inner_->OpenSubKey(path, access, status);
    if (!key) return nullptr;
    return std::make_unique<JournalingKey>(journal_, std::move(key), root_, Join(path_, path));
  }

  std::unique_ptr<os::RegKey> CreateSubKey(std::string_view path, os::RegStatus* status) override {
    const std::string full = Join(path_, path);
    std::vector<Change> created = KeyCreation(journal_, root_, full);
    auto key = inner_->CreateSubKey(path, status);
    if (!key) return nullptr;
    AddAll(journal_, std::move(created));
    return std::make_unique<JournalingKey>(journal_, std::move(key), root_, full);
  }

  os::RegStatus DeleteSubKeyTree(std::string_view path) override {
    std::optional<Change> change = KeyDeletion(journal_, root_, Join(path_, path));
    const os::RegStatus status = inner_->DeleteSubKeyTree(path);
    if (change && status == os::RegStatus::Ok) journal_.Add(std::move(*change));
    return status;
  }

 private:
  std::optional<Change> ValueChange(std::string_view name) const {
    Change change = Change::Value(root_, path_, std::string(name));
    if (!journal_.IsNew(change)) return std::nullopt;
    os::RegValue value;
    if (inner_->QueryValue(name, value) == os::RegStatus::Ok) change.valueBefore = std::move(value);
    return change;
  }

  Journal& journal_;
  std::unique_ptr<os::RegKey> inner_;
  os::RegRoot root_;
  std::string path_;
};

}  // namespace

std::unique_ptr<os::RegKey> JournalingRegistry::OpenKey(os::RegRoot root, std::string_view path,
                                                        os::RegAccess access,
                                                        os::RegStatus* status) {
  auto key = inner_.OpenKey(root, path, access, status);
  if (!key) return nullptr;
  return std::make_unique<JournalingKey>(journal_, std::move(key), root, std::string(path));
}

std::unique_ptr<os::RegKey> JournalingRegistry::CreateKey(os::RegRoot root, std::string_view path,
                                                          os::RegStatus* status) {
  std::vector<Change> created = KeyCreation(journal_, root, path);
  auto key = inner_.CreateKey(root, path, status);
  if (!key) return nullptr;
  AddAll(journal_, std::move(created));
  return std::make_unique<JournalingKey>(journal_, std::move(key), root, std::string(path));
}

os::RegStatus JournalingRegistry::DeleteKeyTree(os::RegRoot root, std::string_view path) {
  std::optional<Change> change = KeyDeletion(journal_, root, path);
  const os::RegStatus status = inner_.DeleteKeyTree(root, path);
  if (change && status == os::RegStatus::Ok) journal_.Add(std::move(*change));
  return status;
}

}  // namespace journal
