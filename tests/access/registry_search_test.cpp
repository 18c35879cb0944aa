// The registry search over the in-memory registry, with a wrapper that makes chosen keys fail
// the way real registries do (no rights, an enumeration that breaks off, an empty key name).
#include "access/registry_search.h"

#include <gtest/gtest.h>

#include <set>

#include "base/text.h"
#include "os/memory_registry.h"
#include "support/scratch_registry.h"

namespace {

using os::RegAccess;
using os::RegRoot;
using os::RegValue;
using Hits = std::vector<std::string>;

struct Faults {
  std::set<std::string> denied;       // upper-cased paths that do not open
  std::set<std::string> brokenOff;    // upper-cased paths whose subkey listing ends after one name
  std::set<std::string> emptyNameIn;  // upper-cased paths that list an empty subkey name first
};

class FaultyKey : public os::RegKey {
 public:
  FaultyKey(std::unique_ptr<os::RegKey> key, std::string path, const Faults& faults)
      : key_(std::move(key)), path_(std::move(path)), faults_(faults) {}
  os::RegStatus QueryValue(std::string_view name, RegValue& value) const override {
    return key_->QueryValue(name, value);
  }
  os::RegStatus SetValue(std::string_view name, const RegValue& value) override {
    return key_->SetValue(name, value);
  }
  os::RegStatus DeleteValue(std::string_view name) override { return key_->DeleteValue(name); }
  std::vector<std::string> SubKeyNames() const override {
    auto names = key_->SubKeyNames();
    const std::string upper = base::UpperCase(path_);
    if (faults_.brokenOff.count(upper) && names.size() > 1) names.resize(1);
    if (faults_.emptyNameIn.count(upper)) names.insert(names.begin(), "");
    return names;
  }
  std::vector<std::string> ValueNames() const override { return key_->ValueNames(); }
  bool HasSubKeys() const override { return !SubKeyNames().empty(); }
  std::unique_ptr<os::RegKey> OpenSubKey(std::string_view path, RegAccess access,
                                         os::RegStatus* status) const override {
    const std::string full = path_ + "\\" + std::string(path);
    if (faults_.denied.count(base::UpperCase(full))) return nullptr;
    auto key = key_->OpenSubKey(path, access, status);
    return key ? std::make_unique<FaultyKey>(std::move(key), full, faults_) : nullptr;
  }
  std::unique_ptr<os::RegKey> CreateSubKey(std::string_view path, os::RegStatus* status) override {
    return key_->CreateSubKey(path, status);
  }
  os::RegStatus DeleteSubKeyTree(std::string_view path) override {
    return key_->DeleteSubKeyTree(path);
  }

 private:
  std::unique_ptr<os::RegKey> key_;
  std::string path_;
  const Faults& faults_;
};

class FaultyRegistry : public os::Registry {
 public:
  explicit FaultyRegistry(os::Registry& inner) : inner_(inner) {}
  std::unique_ptr<os::RegKey> OpenKey(RegRoot root, std::string_view path, RegAccess access,
                                      os::RegStatus* status) override {
    if (faults.denied.count(base::UpperCase(path))) return nullptr;
    auto key = inner_.OpenKey(root, path, access, status);
    return key ? std::make_unique<FaultyKey>(std::move(key), std::string(path), faults) : nullptr;
  }
  std::unique_ptr<os::RegKey> CreateKey(RegRoot root, std::string_view path,
                                        os::RegStatus* status) override {
    return inner_.CreateKey(root, path, status);
  }
  os::RegStatus DeleteKeyTree(RegRoot root, std::string_view path) override {
    return inner_.DeleteKeyTree(root, path);
  }
  Faults faults;

 private:
  os::Registry& inner_;
};

class RegistrySearchTest : public testing::Test {
 protected:
  void Put(const std::string& path, const std::string& name, const RegValue& value) {
    memory.CreateKey(RegRoot::LocalMachine, path)->SetValue(name, value);
  }
  Hits Search(std::string_view key, std::string_view text) {
    sysaccess::SucheInReg(access, work, RegRoot::LocalMachine, key, text);
    return work.WorkList;
  }

  os::MemoryRegistry memory;
  FaultyRegistry registry{memory};
  sysaccess::TRegistry shared{registry};
  sysaccess::WorkArea work;
  os::MemorySystem system;
  base::TraceLog trace;
  sysaccess::RegistryAccess access{shared, work, system, trace};
};

TEST_F(RegistrySearchTest, FindsNamesAndStringDataIgnoringCaseSubkeysBeforeValues) {
  Put("SYSTEM\\Set", "DacType", RegValue::String("DacType"));  // name and data: two hits
  Put("SYSTEM\\Set\\Video\\0000", "HardwareInformation.DacType", RegValue::Binary({0x38, 0}));
  Put("SYSTEM\\Set\\Video\\0000", "Chip", RegValue::String("dactype 8 bit"));
  Put("SYSTEM\\Set\\Video\\0001", "Modes", RegValue::MultiString({"a", "x DACTYPE"}));
  Put("SYSTEM\\Set\\Video\\0001", "Count", RegValue::Dword(7));
  Put("SYSTEM\\Set\\Other", "Nothing", RegValue::String("here"));

  EXPECT_EQ(Search("SYSTEM\\Set", "dacType"),
            (Hits{"SYSTEM\\Set\\Video\\0000\\HardwareInformation.DacType", "dactype 8 bit",
                  "a\nx DACTYPE\n", "SYSTEM\\Set\\DacType", "DacType"}));
}

TEST_F(RegistrySearchTest, SubtreeWithoutTheTextAddsNothingAndKeepsEarlierHits) {
  Put("SYSTEM\\Set\\A", "Name", RegValue::String("Wert"));
  work.WorkList = {"earlier"};
  EXPECT_EQ(Search("SYSTEM\\Set", "DacType"), Hits{"earlier"});
  EXPECT_EQ(Search("SYSTEM\\Missing", "Name"), Hits{"earlier"});
}

TEST_F(RegistrySearchTest, SkipsEmptyNamesAndKeysThatDoNotOpenButGoesOn) {
  Put("SYSTEM\\Set\\A\\Deep", "Hit", RegValue::Dword(1));
  Put("SYSTEM\\Set\\B", "Hit", RegValue::Dword(1));
  registry.faults.denied = {"SYSTEM\\SET\\A"};
  registry.faults.emptyNameIn = {"SYSTEM\\SET"};
  EXPECT_EQ(Search("SYSTEM\\Set", "hit"), Hits{"SYSTEM\\Set\\B\\Hit"});
}

TEST_F(RegistrySearchTest, EnumerationErrorEndsThatListingOnly) {
  for (const char* name : {"A", "B", "C"})
    Put(std::string("SYSTEM\\Set\\") + name, "Hit", RegValue::Dword(1));
  Put("SYSTEM\\Set", "Hit", RegValue::Dword(1));
  registry.faults.brokenOff = {"SYSTEM\\SET"};
  EXPECT_EQ(Search("SYSTEM\\Set", "Hit"), (Hits{"SYSTEM\\Set\\A\\Hit", "SYSTEM\\Set\\Hit"}));
}

TEST_F(RegistrySearchTest, StopsDescendingAtTheDepthLimit) {
  std::string path = "Deep";
  for (int depth = 1; depth <= os::kMaxRegistryDepth + 1; ++depth) {
    path += "\\k";
    Put(path, "Hit" + std::to_string(depth), RegValue::Dword(1));
  }
  const Hits hits = Search("Deep", "hit");
  ASSERT_EQ(hits.size(), 512u);
  EXPECT_NE(hits.front().find("Hit512"), std::string::npos);
  EXPECT_NE(hits.back().find("Hit1"), std::string::npos);
}

TEST_F(RegistrySearchTest, RunsInStepsOfReadsWithTheSameHitsAndMessagesPerSubkey) {
  Put("SYSTEM\\Set\\A\\X", "Hit", RegValue::Dword(1));
  Put("SYSTEM\\Set\\B", "Hit", RegValue::Dword(1));
  registry.faults.emptyNameIn = {"SYSTEM\\SET"};
  shared.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(shared.OpenKey("SYSTEM", false));

  int messages = 0;
  sysaccess::SucheInReg(access, work, RegRoot::LocalMachine, "SYSTEM\\Set", "hit",
                        [&] { ++messages; });
  EXPECT_EQ(messages, 4);  // "", A, X, B
  EXPECT_FALSE(shared.HasOpenKey());
  const Hits whole = work.WorkList;

  work.WorkList.clear();
  sysaccess::RegistrySearch search(registry, access, work, RegRoot::LocalMachine, "SYSTEM\\Set",
                                   "HIT");
  // One read a step: the subkeys "", A and X, X's value, B, B's value, then the keys left
  // without values end the walk.
  int steps = 1;
  while (search.Step(1)) ++steps;
  EXPECT_EQ(steps, 7);
  EXPECT_TRUE(search.Done());
  EXPECT_EQ(work.WorkList, whole);
  EXPECT_EQ(whole, (Hits{"SYSTEM\\Set\\A\\X\\Hit", "SYSTEM\\Set\\B\\Hit"}));
}

TEST_F(RegistrySearchTest, AKeyWithManyValuesIsReadAFewValuesAStep) {
  for (int value = 0; value < 10; ++value) {
    Put("SYSTEM\\Set\\Big", "Hit" + std::to_string(value), RegValue::Dword(1));
  }
  sysaccess::RegistrySearch search(registry, access, work, RegRoot::LocalMachine, "SYSTEM\\Set",
                                   "HIT");
  // Big itself is the first read of four; then four values a step.
  std::vector<size_t> found;
  bool more = true;
  while (more) {
    more = search.Step(4);
    found.push_back(work.WorkList.size());
  }
  EXPECT_EQ(found, (std::vector<size_t>{3, 7, 10}));
  EXPECT_TRUE(search.Done());
  std::set<std::string> names(work.WorkList.begin(), work.WorkList.end());
  EXPECT_EQ(names.size(), 10u) << "no value is read twice";
  EXPECT_TRUE(names.count("SYSTEM\\Set\\Big\\Hit9"));
}

// The same walk on every backend, the real registry under Wine included, which lists values in
// its own order: so one hit per key here.
class RegistrySearchBackendTest : public testing_support::ScratchRegistryTest {};

TEST_P(RegistrySearchBackendTest, FindsASeededValueBelowTheScratchKey) {
  CreateScratch(RegRoot::CurrentUser, "Search\\Video\\0000")
      ->SetValue("HardwareInformation.DacType", RegValue::String("Intern 8 Bit"));
  CreateScratch(RegRoot::CurrentUser, "Search\\Other")
      ->SetValue("Name", RegValue::String("dactype"));
  sysaccess::TRegistry shared(registry());
  sysaccess::WorkArea work;
  os::MemorySystem system;
  base::TraceLog trace;
  sysaccess::RegistryAccess access(shared, work, system, trace);
  const std::string key = Scratch("Search");
  sysaccess::SucheInReg(access, work, RegRoot::CurrentUser, key, "DACTYPE");
  EXPECT_EQ(work.WorkList, (Hits{"dactype", key + "\\Video\\0000\\HardwareInformation.DacType"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistrySearchBackendTest,
                         ::testing::ValuesIn(testing_support::RegistryBackends()),
                         [](const auto& param) {
                           return testing_support::BackendName(param.param);
                         });

}  // namespace
