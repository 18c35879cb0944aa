#include "os/recording_registry.h"

namespace os {
namespace {

std::string Join(const std::string& path, std::string_view sub) {
  if (path.empty()) return std::string(sub);
  if (sub.empty()) return path;
  return path + "\\" + std::string(sub);
}

bool KeyExists(Registry& registry, RegRoot root, std::string_view path) {
  return registry.OpenKey(root, path, RegAccess::Read) != nullptr;
}

std::optional<RegValue> ValueOf(const RegKey& key, std::string_view name) {
  RegValue value;
  if (key.QueryValue(name, value) != RegStatus::Ok) return std::nullopt;
  return value;
}

class RecordingKey : public RegKey {
 public:
  RecordingKey(RecordingRegistry& recorder, std::unique_ptr<RegKey> inner, RegRoot root,
               std::string path)
      : recorder_(recorder), inner_(std::move(inner)), root_(root), path_(std::move(path)) {}

  RegStatus QueryValue(std::string_view name, RegValue& value) const override {
    const RegStatus status = inner_->QueryValue(name, value);
    recorder_.Record({RegEvent::Op::QueryValue, root_, path_, std::string(name), status});
    return status;
  }

  RegStatus SetValue(std::string_view name, const RegValue& value) override {
    RegEvent event{RegEvent::Op::SetValue, root_, path_, std::string(name)};
    event.before = ValueOf(*inner_, name);
    event.written = value;
    const RegStatus status = event.status = inner_->SetValue(name, value);
    recorder_.Record(std::move(event));
    return status;
  }

  RegStatus DeleteValue(std::string_view name) override {
    RegEvent event{RegEvent::Op::DeleteValue, root_, path_, std::string(name)};
    event.before = ValueOf(*inner_, name);
    const RegStatus status = event.status = inner_->DeleteValue(name);
    recorder_.Record(std::move(event));
    return status;
  }

  std::vector<std::string> SubKeyNames() const override {
    recorder_.Record({RegEvent::Op::ListNames, root_, path_});
    return inner_->SubKeyNames();
  }
  std::vector<std::string> ValueNames() const override {
    recorder_.Record({RegEvent::Op::ListNames, root_, path_});
    return inner_->ValueNames();
  }
  bool HasSubKeys() const override {
    recorder_.Record({RegEvent::Op::ListNames, root_, path_});
    return inner_->HasSubKeys();
  }

  std::unique_ptr<RegKey> OpenSubKey(std::string_view path, RegAccess access,
                                     RegStatus* status) const override {
    RegStatus result = RegStatus::Ok;
    auto key = inner_->OpenSubKey(path, access, &result);
    if (status) *status = result;
    const std::string full = Join(path_, path);
    recorder_.Record({RegEvent::Op::OpenKey, root_, full, "", result});
    if (!key) return nullptr;
    return std::make_unique<RecordingKey>(recorder_, std::move(key), root_, full);
  }

  std::unique_ptr<RegKey> CreateSubKey(std::string_view path, RegStatus* status) override {
    const std::string full = Join(path_, path);
    RegEvent event{RegEvent::Op::CreateKey, root_, full};
    event.existed = KeyExists(recorder_.Inner(), root_, full);
    auto key = inner_->CreateSubKey(path, &event.status);
    if (status) *status = event.status;
    recorder_.Record(std::move(event));
    if (!key) return nullptr;
    return std::make_unique<RecordingKey>(recorder_, std::move(key), root_, full);
  }

  RegStatus DeleteSubKeyTree(std::string_view path) override {
    const std::string full = Join(path_, path);
    RegEvent event{RegEvent::Op::DeleteKey, root_, full};
    event.existed = KeyExists(recorder_.Inner(), root_, full);
    const RegStatus status = event.status = inner_->DeleteSubKeyTree(path);
    recorder_.Record(std::move(event));
    return status;
  }

 private:
  RecordingRegistry& recorder_;
  std::unique_ptr<RegKey> inner_;
  RegRoot root_;
  std::string path_;
};

}  // namespace

bool IsChange(RegEvent::Op op) {
  return op == RegEvent::Op::SetValue || op == RegEvent::Op::DeleteValue ||
         op == RegEvent::Op::DeleteKey || op == RegEvent::Op::CreateKey;
}

std::unique_ptr<RegKey> RecordingRegistry::OpenKey(RegRoot root, std::string_view path,
                                                   RegAccess access, RegStatus* status) {
  RegStatus result = RegStatus::Ok;
  auto key = inner_.OpenKey(root, path, access, &result);
  if (status) *status = result;
  Record({RegEvent::Op::OpenKey, root, std::string(path), "", result});
  if (!key) return nullptr;
  return std::make_unique<RecordingKey>(*this, std::move(key), root, std::string(path));
}

std::unique_ptr<RegKey> RecordingRegistry::CreateKey(RegRoot root, std::string_view path,
                                                     RegStatus* status) {
  RegEvent event{RegEvent::Op::CreateKey, root, std::string(path)};
  event.existed = KeyExists(inner_, root, path);
  auto key = inner_.CreateKey(root, path, &event.status);
  if (status) *status = event.status;
  Record(event);
  if (!key) return nullptr;
  return std::make_unique<RecordingKey>(*this, std::move(key), root, std::string(path));
}

RegStatus RecordingRegistry::DeleteKeyTree(RegRoot root, std::string_view path) {
  RegEvent event{RegEvent::Op::DeleteKey, root, std::string(path)};
  event.existed = KeyExists(inner_, root, path);
  event.status = inner_.DeleteKeyTree(root, path);
  Record(event);
  return event.status;
}

std::vector<RegEvent> RecordingRegistry::Changes() const {
  std::vector<RegEvent> changes;
  for (const RegEvent& event : events_) {
    if (IsChange(event.op)) changes.push_back(event);
  }
  return changes;
}

void Replay(Registry& registry, const std::vector<RegEvent>& events) {
  for (const RegEvent& event : events) {
    switch (event.op) {
      case RegEvent::Op::OpenKey:
        registry.OpenKey(event.root, event.path, RegAccess::Read);
        break;
      case RegEvent::Op::CreateKey:
        registry.CreateKey(event.root, event.path);
        break;
      case RegEvent::Op::QueryValue:
        if (auto key = registry.OpenKey(event.root, event.path, RegAccess::Read)) {
          RegValue value;
          key->QueryValue(event.name, value);
        }
        break;
      case RegEvent::Op::SetValue:
        if (auto key = registry.CreateKey(event.root, event.path); key && event.written) {
          key->SetValue(event.name, *event.written);
        }
        break;
      case RegEvent::Op::DeleteValue:
        if (auto key = registry.OpenKey(event.root, event.path, RegAccess::ReadWrite)) {
          key->DeleteValue(event.name);
        }
        break;
      case RegEvent::Op::DeleteKey:
        registry.DeleteKeyTree(event.root, event.path);
        break;
      case RegEvent::Op::ListNames:
        if (auto key = registry.OpenKey(event.root, event.path, RegAccess::Read)) {
          key->ValueNames();
        }
        break;
    }
  }
}

}  // namespace os
