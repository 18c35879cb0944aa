#include "support/scratch_registry.h"

namespace testing_support {

void ScratchRegistryTest::SetUp() {
  registry_ = GetParam().make();
  Clean();
}

void ScratchRegistryTest::TearDown() {
  Clean();
}

void ScratchRegistryTest::Clean() {
  registry_->DeleteKeyTree(os::RegRoot::CurrentUser, kScratchPath);
  registry_->DeleteKeyTree(os::RegRoot::LocalMachine, kScratchPath);
  registry_->DeleteKeyTree(os::RegRoot::LocalMachine, kScratchClassPath);
  registry_->DeleteKeyTree(os::RegRoot::LocalMachine, kScratchConfigPath);
  registry_->DeleteKeyTree(os::RegRoot::DynData, "KalmoraTest");
}

std::string ScratchRegistryTest::Scratch(const std::string& path) {
  return path.empty() ? kScratchPath : std::string(kScratchPath) + "\\" + path;
}

std::unique_ptr<os::RegKey> ScratchRegistryTest::CreateScratch(os::RegRoot root,
                                                               const std::string& path) {
  auto key = registry_->CreateKey(root, Scratch(path));
  EXPECT_TRUE(key) << "cannot create scratch key " << Scratch(path);
  return key;
}

}  // namespace testing_support
