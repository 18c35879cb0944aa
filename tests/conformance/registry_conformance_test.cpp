// What the program relies on from a registry, run against every backend: the in-memory registry
// must answer exactly as the real one does.
#include <algorithm>
#include <cstdint>
#include <set>

#include "os/reg_values.h"
#include "support/scratch_registry.h"

namespace {

using os::RegAccess;
using os::RegRoot;
using os::RegStatus;
using os::RegValue;
using testing_support::BackendName;
using testing_support::RegistryBackends;
using testing_support::ScratchRegistryTest;

class RegistryConformance : public ScratchRegistryTest {};

std::set<std::string> AsSet(const std::vector<std::string>& names) {
  return {names.begin(), names.end()};
}

TEST_P(RegistryConformance, CreateMakesMissingParentsAndOpenDoesNot) {
  RegStatus status = RegStatus::Ok;
  EXPECT_FALSE(registry().OpenKey(RegRoot::CurrentUser, Scratch("a\\b"), RegAccess::Read, &status));
  EXPECT_EQ(status, RegStatus::NotFound);
  EXPECT_FALSE(registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::Read))
      << "a failed open must not create the key";

  ASSERT_TRUE(registry().CreateKey(RegRoot::CurrentUser, Scratch("a\\b\\c")));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("a"), RegAccess::Read));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("a\\b"), RegAccess::Read));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("a\\b\\c"), RegAccess::Read));
}

TEST_P(RegistryConformance, PathsTolerateATrailingBackslashButNotALeadingOne) {
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "key"));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("key\\"), RegAccess::Read));
  EXPECT_FALSE(registry().OpenKey(RegRoot::CurrentUser, "\\" + Scratch("key"), RegAccess::Read));
  auto base = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::ReadWrite);
  ASSERT_TRUE(base);
  EXPECT_TRUE(base->OpenSubKey("key", RegAccess::Read));
  EXPECT_TRUE(base->OpenSubKey("", RegAccess::Read)) << "the empty path is the key itself";
}

TEST_P(RegistryConformance, KeyNamesIgnoreCaseButKeepTheirSpelling) {
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "MixedCase"));
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "MIXEDCASE\\Child"));
  EXPECT_TRUE(
      registry().OpenKey(RegRoot::CurrentUser, Scratch("mixedcase\\CHILD"), RegAccess::Read));
  auto base = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::Read);
  ASSERT_TRUE(base);
  EXPECT_EQ(base->SubKeyNames(), std::vector<std::string>{"MixedCase"});
  // Upper-casing covers German letters too.
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "Grüße"));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("GRÜSSE"), RegAccess::Read) ==
              nullptr);
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("GRÜßE"), RegAccess::Read));
}

TEST_P(RegistryConformance, SubkeysEnumerateSortedWithoutRegardToCase) {
  for (const char* name : {"delta", "Alpha", "charlie", "Bravo", "echo2", "echo10", "Änderung"}) {
    ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, name));
  }
  auto base = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::Read);
  ASSERT_TRUE(base);
  EXPECT_EQ(base->SubKeyNames(), (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta",
                                                           "echo10", "echo2", "Änderung"}));
  EXPECT_TRUE(base->HasSubKeys());
  auto leaf = base->OpenSubKey("delta", RegAccess::Read);
  ASSERT_TRUE(leaf);
  EXPECT_FALSE(leaf->HasSubKeys());
  EXPECT_TRUE(leaf->SubKeyNames().empty());
}

TEST_P(RegistryConformance, ValueNamesIgnoreCaseAndAllAreEnumerated) {
  auto key = CreateScratch(RegRoot::CurrentUser);
  ASSERT_TRUE(key);
  for (const char* name : {"zulu", "Alpha", "mike", "Öl"}) {
    ASSERT_EQ(key->SetValue(name, RegValue::String(name)), RegStatus::Ok);
  }
  RegValue value;
  ASSERT_EQ(key->QueryValue("ALPHA", value), RegStatus::Ok);
  EXPECT_EQ(value.AsString(), "Alpha");
  ASSERT_EQ(key->QueryValue("öl", value), RegStatus::Ok);
  // Setting under another spelling replaces the data of the same value.
  ASSERT_EQ(key->SetValue("MIKE", RegValue::Dword(7)), RegStatus::Ok);
  ASSERT_EQ(key->QueryValue("mike", value), RegStatus::Ok);
  EXPECT_EQ(value, RegValue::Dword(7));
  // Order differs between implementations (Wine sorts); only the set is common.
  const auto names = key->ValueNames();
  EXPECT_EQ(names.size(), 4u);
  EXPECT_EQ(AsSet(names), (std::set<std::string>{"zulu", "Alpha", "mike", "Öl"}));
}

TEST_P(RegistryConformance, DefaultValueIsTheEmptyName) {
  auto key = CreateScratch(RegRoot::CurrentUser);
  ASSERT_TRUE(key);
  RegValue value;
  EXPECT_EQ(key->QueryValue("", value), RegStatus::NotFound);
  EXPECT_TRUE(key->ValueNames().empty());
  ASSERT_EQ(key->SetValue("", RegValue::String("standard")), RegStatus::Ok);
  ASSERT_EQ(key->QueryValue("", value), RegStatus::Ok);
  EXPECT_EQ(value.AsString(), "standard");
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{""});
}

TEST_P(RegistryConformance, ValuesOfEveryTypeComeBackAsWritten) {
  auto key = CreateScratch(RegRoot::CurrentUser);
  ASSERT_TRUE(key);
  const std::vector<std::pair<std::string, RegValue>> cases = {
      {"sz", RegValue::String("Grüße, ÿ € 😀")},
      {"emptySz", RegValue::String("")},
      {"expand", RegValue::String("%SystemRoot%\\system32", os::kRegExpandSz)},
      {"dword", RegValue::Dword(0xFFFFFFFFu)},
      {"binary", RegValue::Binary({0x01, 0x00, 0xFF})},
      {"emptyBinary", RegValue::Binary({})},
      {"multi", RegValue::MultiString({"A", "Bä"})},
      {"emptyMulti", RegValue::MultiString({})},
      {"qword", RegValue{os::kRegQword, {1, 2, 3, 4, 5, 6, 7, 8}}},
      {"none", RegValue{os::kRegNone, {9, 8}}},
  };
  for (const auto& [name, written] : cases) {
    ASSERT_EQ(key->SetValue(name, written), RegStatus::Ok) << name;
  }
  for (const auto& [name, written] : cases) {
    RegValue read;
    ASSERT_EQ(key->QueryValue(name, read), RegStatus::Ok) << name;
    EXPECT_EQ(read, written) << name;
  }
  RegValue multi;
  ASSERT_EQ(key->QueryValue("multi", multi), RegStatus::Ok);
  EXPECT_EQ(multi.AsMultiString(), (std::vector<std::string>{"A", "Bä"}));
}

TEST_P(RegistryConformance, ValuesComeInSlicesInTheOrderOfTheirNames) {
  auto key = CreateScratch(RegRoot::CurrentUser);
  ASSERT_TRUE(key);
  for (const char* name : {"e", "a", "d", "b", "c"}) {
    ASSERT_EQ(key->SetValue(name, RegValue::String(std::string("data ") + name)), RegStatus::Ok);
  }
  const auto namesOf = [](const os::NamedValues& values) {
    std::vector<std::string> names;
    for (const auto& [name, value] : values) names.push_back(name);
    return names;
  };
  const std::vector<std::string> order = key->ValueNames();
  ASSERT_EQ(order.size(), 5u);
  EXPECT_EQ(namesOf(os::ValuesOf(*key)), order);

  const os::ValueSlice first = os::ValuesOf(*key, 0, 2);
  const os::ValueSlice second = os::ValuesOf(*key, 2, 2);
  const os::ValueSlice last = os::ValuesOf(*key, 4, 2);
  EXPECT_FALSE(first.end);
  EXPECT_FALSE(second.end);
  EXPECT_TRUE(last.end);
  EXPECT_EQ(namesOf(first.values), (std::vector<std::string>{order[0], order[1]}));
  EXPECT_EQ(namesOf(second.values), (std::vector<std::string>{order[2], order[3]}));
  ASSERT_EQ(last.values.size(), 1u);
  EXPECT_EQ(last.values[0].first, order[4]);
  EXPECT_EQ(last.values[0].second.AsString(), "data " + order[4]);

  const os::ValueSlice beyond = os::ValuesOf(*key, 5, 2);
  EXPECT_TRUE(beyond.end);
  EXPECT_TRUE(beyond.values.empty());
  EXPECT_EQ(os::ValuesOf(*key, 1, SIZE_MAX).values.size(), 4u);
}

TEST_P(RegistryConformance, DeletingAValue) {
  auto key = CreateScratch(RegRoot::CurrentUser);
  ASSERT_TRUE(key);
  ASSERT_EQ(key->SetValue("gone", RegValue::Dword(1)), RegStatus::Ok);
  ASSERT_EQ(key->SetValue("kept", RegValue::Dword(2)), RegStatus::Ok);
  EXPECT_EQ(key->DeleteValue("GONE"), RegStatus::Ok);
  EXPECT_EQ(key->DeleteValue("gone"), RegStatus::NotFound);
  RegValue value;
  EXPECT_EQ(key->QueryValue("gone", value), RegStatus::NotFound);
  EXPECT_EQ(key->QueryValue("kept", value), RegStatus::Ok);
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"kept"});
}

TEST_P(RegistryConformance, DeleteKeyTreeRemovesEverythingBelow) {
  auto deep = CreateScratch(RegRoot::CurrentUser, "tree\\a\\b\\c");
  ASSERT_TRUE(deep);
  ASSERT_EQ(deep->SetValue("v", RegValue::Dword(1)), RegStatus::Ok);
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "tree\\x"));
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, "sibling"));
  EXPECT_EQ(registry().DeleteKeyTree(RegRoot::CurrentUser, Scratch("TREE")), RegStatus::Ok);
  EXPECT_FALSE(registry().OpenKey(RegRoot::CurrentUser, Scratch("tree"), RegAccess::Read));
  EXPECT_TRUE(registry().OpenKey(RegRoot::CurrentUser, Scratch("sibling"), RegAccess::Read));
  EXPECT_EQ(registry().DeleteKeyTree(RegRoot::CurrentUser, Scratch("tree")), RegStatus::NotFound);

  auto base = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::ReadWrite);
  ASSERT_TRUE(base);
  ASSERT_TRUE(base->CreateSubKey("rel\\deeper"));
  EXPECT_EQ(base->DeleteSubKeyTree("rel"), RegStatus::Ok);
  EXPECT_FALSE(base->OpenSubKey("rel", RegAccess::Read));
  EXPECT_NE(base->DeleteSubKeyTree(""), RegStatus::Ok) << "a key never deletes itself";
}

TEST_P(RegistryConformance, HandlesToADeletedKeyFail) {
  auto doomed = CreateScratch(RegRoot::CurrentUser, "doomed");
  ASSERT_TRUE(doomed);
  ASSERT_EQ(registry().DeleteKeyTree(RegRoot::CurrentUser, Scratch("doomed")), RegStatus::Ok);
  RegValue value;
  EXPECT_EQ(doomed->SetValue("v", RegValue::Dword(1)), RegStatus::KeyDeleted);
  EXPECT_EQ(doomed->QueryValue("v", value), RegStatus::KeyDeleted);
  EXPECT_TRUE(doomed->SubKeyNames().empty());
  EXPECT_TRUE(doomed->ValueNames().empty());
  EXPECT_FALSE(doomed->CreateSubKey("child"));
}

TEST_P(RegistryConformance, ReadOnlyHandlesRefuseWrites) {
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser));
  auto key = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::Read);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->SetValue("v", RegValue::Dword(1)), RegStatus::AccessDenied);
  RegValue value;
  EXPECT_EQ(key->QueryValue("v", value), RegStatus::NotFound);
}

TEST_P(RegistryConformance, CurrentUserIsAKeyBelowUsers) {
  auto key = CreateScratch(RegRoot::CurrentUser, "alias");
  ASSERT_TRUE(key);
  ASSERT_EQ(key->SetValue("marker", RegValue::String("here")), RegStatus::Ok);
  auto users = registry().OpenKey(RegRoot::Users, "", RegAccess::Read);
  ASSERT_TRUE(users);
  std::vector<std::string> holders;
  for (const auto& sid : users->SubKeyNames()) {
    auto seen = registry().OpenKey(RegRoot::Users, sid + "\\" + Scratch("alias"), RegAccess::Read);
    RegValue value;
    if (seen && seen->QueryValue("marker", value) == RegStatus::Ok) holders.push_back(sid);
  }
  ASSERT_EQ(holders.size(), 1u);
  EXPECT_NE(holders[0], ".DEFAULT");
  EXPECT_EQ(holders[0].rfind("S-1-5-", 0), 0u) << holders[0];
}

TEST_P(RegistryConformance, ClassesRootShowsMachineClasses) {
  auto key = registry().CreateKey(RegRoot::LocalMachine, testing_support::kScratchClassPath);
  ASSERT_TRUE(key);
  ASSERT_EQ(key->SetValue("", RegValue::String("via machine")), RegStatus::Ok);
  auto seen = registry().OpenKey(RegRoot::ClassesRoot, testing_support::kScratchClass,
                                 RegAccess::ReadWrite);
  ASSERT_TRUE(seen);
  RegValue value;
  ASSERT_EQ(seen->QueryValue("", value), RegStatus::Ok);
  EXPECT_EQ(value.AsString(), "via machine");
  ASSERT_EQ(seen->SetValue("back", RegValue::Dword(5)), RegStatus::Ok);
  EXPECT_EQ(key->QueryValue("back", value), RegStatus::Ok);
}

TEST_P(RegistryConformance, CurrentConfigShowsTheCurrentHardwareProfile) {
  auto key = registry().CreateKey(RegRoot::LocalMachine, testing_support::kScratchConfigPath);
  ASSERT_TRUE(key);
  ASSERT_EQ(key->SetValue("profile", RegValue::Dword(3)), RegStatus::Ok);
  auto seen =
      registry().OpenKey(RegRoot::CurrentConfig, testing_support::kScratchConfig, RegAccess::Read);
  ASSERT_TRUE(seen);
  RegValue value;
  ASSERT_EQ(seen->QueryValue("profile", value), RegStatus::Ok);
  EXPECT_EQ(value, RegValue::Dword(3));
}

TEST_P(RegistryConformance, LongestKeyNameIsAccepted) {
  const std::string name(255, 'k');
  ASSERT_TRUE(CreateScratch(RegRoot::CurrentUser, name));
  auto base = registry().OpenKey(RegRoot::CurrentUser, Scratch(), RegAccess::Read);
  ASSERT_TRUE(base);
  EXPECT_EQ(base->SubKeyNames(), std::vector<std::string>{name});
  EXPECT_FALSE(registry().CreateKey(RegRoot::CurrentUser, Scratch(std::string(300, 'k'))));
}

TEST_P(RegistryConformance, RelativeOpenAndCreate) {
  auto base = CreateScratch(RegRoot::LocalMachine);
  ASSERT_TRUE(base);
  auto child = base->CreateSubKey("one\\two");
  ASSERT_TRUE(child);
  ASSERT_EQ(child->SetValue("n", RegValue::Dword(2)), RegStatus::Ok);
  auto again = base->OpenSubKey("ONE\\two", RegAccess::Read);
  ASSERT_TRUE(again);
  RegValue value;
  EXPECT_EQ(again->QueryValue("n", value), RegStatus::Ok);
  RegStatus status = RegStatus::Ok;
  EXPECT_FALSE(base->OpenSubKey("three", RegAccess::Read, &status));
  EXPECT_EQ(status, RegStatus::NotFound);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryConformance, ::testing::ValuesIn(RegistryBackends()),
                         [](const auto& param) { return BackendName(param.param); });

}  // namespace
