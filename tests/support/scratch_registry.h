// A test fixture over every registry backend. Tests work below their scratch keys, which are
// removed before and after each test, so runs against the real registry leave nothing behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "os/registry.h"
#include "support/registry_backends.h"

namespace testing_support {

// Below HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
inline constexpr const char* kScratchPath = "Software\\KalmoraTest";
// Below HKEY_LOCAL_MACHINE, seen through HKEY_CLASSES_ROOT.
inline constexpr const char* kScratchClass = "KalmoraTestClass";
inline constexpr const char* kScratchClassPath = "SOFTWARE\\Classes\\KalmoraTestClass";
// Below HKEY_LOCAL_MACHINE, seen through HKEY_CURRENT_CONFIG.
inline constexpr const char* kScratchConfig = "KalmoraTestConfig";
inline constexpr const char* kScratchConfigPath =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\KalmoraTestConfig";

class ScratchRegistryTest : public ::testing::TestWithParam<RegistryBackend> {
 protected:
  void SetUp() override;
  void TearDown() override;

  os::Registry& registry() { return *registry_; }

  // Creates a key below the scratch key of root (CurrentUser or LocalMachine).
  std::unique_ptr<os::RegKey> CreateScratch(os::RegRoot root, const std::string& path = "");
  static std::string Scratch(const std::string& path = "");

 private:
  void Clean();
  std::unique_ptr<os::Registry> registry_;
};

}  // namespace testing_support
