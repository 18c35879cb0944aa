// Behaviour of the in-memory registry that the shared suite cannot check, because Wine answers
// differently from Windows there.
#include "os/memory_registry.h"

#include <gtest/gtest.h>

namespace {

using os::MemoryRegistry;
using os::RegAccess;
using os::RegRoot;
using os::RegStatus;
using os::RegValue;

TEST(MemoryRegistry, ValuesEnumerateInTheOrderTheyWereFirstSet) {
  MemoryRegistry registry;
  auto key = registry.CreateKey(RegRoot::CurrentUser, "Order");
  for (const char* name : {"zulu", "alpha", "Mike"}) key->SetValue(name, RegValue::Dword(1));
  key->SetValue("ALPHA", RegValue::Dword(2));
  EXPECT_EQ(key->ValueNames(), (std::vector<std::string>{"zulu", "alpha", "Mike"}));
  key->DeleteValue("zulu");
  key->SetValue("zulu", RegValue::Dword(3));
  EXPECT_EQ(key->ValueNames(), (std::vector<std::string>{"alpha", "Mike", "zulu"}));
  RegValue value;
  EXPECT_EQ(key->QueryValue("MIKE", value), RegStatus::Ok);
}

TEST(MemoryRegistry, SubkeysSortByUpperCasedNamesAsWindowsDoes) {
  // Wine compares lower-cased names, so "_" and "[" sort differently there.
  MemoryRegistry registry;
  auto key = registry.CreateKey(RegRoot::LocalMachine, "Sort");
  for (const char* name : {"a_b", "aB", "[x", "A"}) key->CreateSubKey(name);
  EXPECT_EQ(key->SubKeyNames(), (std::vector<std::string>{"A", "aB", "a_b", "[x"}));
}

TEST(MemoryRegistry, AliasedRootsAreViewsOfTheSameKeys) {
  MemoryRegistry registry("S-1-5-21-1-2-3-500");
  registry.CreateKey(RegRoot::CurrentUser, "Software\\X")->SetValue("v", RegValue::Dword(1));
  EXPECT_TRUE(registry.OpenKey(RegRoot::Users, "S-1-5-21-1-2-3-500\\Software\\X", RegAccess::Read));
  registry.CreateKey(RegRoot::ClassesRoot, ".txt");
  EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, "SOFTWARE\\Classes\\.TXT", RegAccess::Read));
  auto users = registry.OpenKey(RegRoot::Users, "", RegAccess::Read);
  EXPECT_EQ(users->SubKeyNames(), (std::vector<std::string>{".DEFAULT", "S-1-5-21-1-2-3-500"}));
  EXPECT_TRUE(registry.OpenKey(RegRoot::DynData, "", RegAccess::Read));
  EXPECT_FALSE(registry.OpenKey(RegRoot::DynData, "Software", RegAccess::Read))
      << "HKEY_DYN_DATA is a root of its own";
}

TEST(MemoryRegistry, RootsAndAliasTargetsAreNeverDeleted) {
  MemoryRegistry registry;
  EXPECT_NE(registry.DeleteKeyTree(RegRoot::CurrentUser, ""), RegStatus::Ok);
  EXPECT_NE(registry.DeleteKeyTree(RegRoot::LocalMachine, "\\"), RegStatus::Ok);
  EXPECT_TRUE(registry.OpenKey(RegRoot::CurrentUser, "", RegAccess::Read));
}

TEST(MemoryRegistry, DoubledBackslashesAreSkipped) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.CreateKey(RegRoot::CurrentUser, "a\\\\b\\"));
  EXPECT_TRUE(registry.OpenKey(RegRoot::CurrentUser, "a\\b", RegAccess::Read));
}

TEST(MemoryRegistry, AReadOnlyHandleMayOpenButNotCreateSubkeys) {
  MemoryRegistry registry;
  registry.CreateKey(RegRoot::CurrentUser, "p\\existing");
  auto parent = registry.OpenKey(RegRoot::CurrentUser, "p", RegAccess::Read);
  EXPECT_TRUE(parent->CreateSubKey("existing"));
  RegStatus status = RegStatus::Ok;
  EXPECT_FALSE(parent->CreateSubKey("new", &status));
  EXPECT_EQ(status, RegStatus::AccessDenied);
}

TEST(MemoryRegistry, AKeyThatDeniesChangesIsReadOnlyForEveryWayIn) {
  // Test set-up for a key whose access list grants reading alone.
  MemoryRegistry registry;
  registry.CreateKey(RegRoot::LocalMachine, "A\\Fest\\Unten")->SetValue("v", RegValue::Dword(1));
  registry.CreateKey(RegRoot::LocalMachine, "A\\Frei");
  registry.DenyChanges(RegRoot::LocalMachine, "a\\fest");
  RegStatus status = RegStatus::Ok;
  EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, "A\\Fest", RegAccess::Read));
  EXPECT_FALSE(registry.OpenKey(RegRoot::LocalMachine, "A\\Fest", RegAccess::ReadWrite, &status));
  EXPECT_EQ(status, RegStatus::AccessDenied);
  EXPECT_FALSE(registry.CreateKey(RegRoot::LocalMachine, "A\\Fest"));
  EXPECT_FALSE(registry.CreateKey(RegRoot::LocalMachine, "A\\Fest\\Neu"));
  auto parent = registry.OpenKey(RegRoot::LocalMachine, "A", RegAccess::Read);
  EXPECT_FALSE(parent->CreateSubKey("Fest"));
  EXPECT_FALSE(parent->OpenSubKey("Fest", RegAccess::ReadWrite));
  // Deleting writes to the parent, and a tree goes only as a whole.
  EXPECT_EQ(registry.DeleteKeyTree(RegRoot::LocalMachine, "A\\Fest\\Unten"),
            RegStatus::AccessDenied);
  EXPECT_EQ(registry.DeleteKeyTree(RegRoot::LocalMachine, "A"), RegStatus::AccessDenied);
  EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, "A\\Fest\\Unten", RegAccess::Read));
  EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, "A\\Fest\\Unten", RegAccess::ReadWrite))
      << "keys below keep their own rights";
  EXPECT_EQ(registry.DeleteKeyTree(RegRoot::LocalMachine, "A\\Frei"), RegStatus::Ok);
}

}  // namespace
