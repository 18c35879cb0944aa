#include "access/registry_object.h"

#include <gtest/gtest.h>

#include "os/memory_registry.h"

namespace {

using os::RegRoot;
using os::RegValue;
using sysaccess::RegDataType;
using sysaccess::RegistryError;
using sysaccess::TRegistry;

class RegistryObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto key = memory.CreateKey(RegRoot::CurrentUser, "Software\\Test");
    key->SetValue("text", RegValue::String("hallo"));
    key->SetValue("expand", RegValue::String("%TEMP%", os::kRegExpandSz));
    key->SetValue("number", RegValue::Dword(42));
    key->SetValue("bytes", RegValue::Binary({1, 2}));
    key->SetValue("multi", RegValue::MultiString({"a", "b"}));
    memory.CreateKey(RegRoot::CurrentUser, "Software\\Test\\Child\\Grandchild");
  }

  os::MemoryRegistry memory;
  TRegistry reg{memory};
};

TEST_F(RegistryObjectTest, StartsAtCurrentUserAndChangingTheRootClosesTheKey) {
  EXPECT_EQ(reg.RootKey(), RegRoot::CurrentUser);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Test", false));
  reg.SetRootKey(RegRoot::CurrentUser);
  EXPECT_TRUE(reg.HasOpenKey()) << "setting the same root keeps the key";
  reg.SetRootKey(RegRoot::LocalMachine);
  EXPECT_FALSE(reg.HasOpenKey());
}

TEST_F(RegistryObjectTest, OpenStartsAtTheRootWithOrWithoutBackslash) {
  ASSERT_TRUE(reg.OpenKey("Software\\Test", false));
  ASSERT_TRUE(reg.OpenKey("Software\\Test\\Child", false)) << "not relative to the open key";
  ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Test"));
  EXPECT_FALSE(reg.OpenKey("Software\\Missing", false));
  EXPECT_FALSE(reg.HasOpenKey()) << "a failed open leaves nothing open";
  EXPECT_FALSE(memory.OpenKey(RegRoot::CurrentUser, "Software\\Missing", os::RegAccess::Read));
  ASSERT_TRUE(reg.OpenKey("Software\\New\\Deep", true));
  EXPECT_TRUE(memory.OpenKey(RegRoot::CurrentUser, "Software\\New\\Deep", os::RegAccess::Read));
}

TEST_F(RegistryObjectTest, KeyExistsAndDeleteKeyAreRelativeToTheOpenKey) {
  EXPECT_TRUE(reg.KeyExists("Software\\Test\\Child"));
  ASSERT_TRUE(reg.OpenKey("Software\\Test", false));
  EXPECT_TRUE(reg.KeyExists("Child"));
  EXPECT_TRUE(reg.KeyExists("\\Software\\Test")) << "a leading backslash starts at the root";
  EXPECT_TRUE(reg.HasSubKeys());
  EXPECT_EQ(reg.GetKeyNames(), std::vector<std::string>{"Child"});
  EXPECT_FALSE(reg.DeleteKey("")) << "the open key never deletes itself";
  EXPECT_TRUE(reg.DeleteKey("Child"));
  EXPECT_FALSE(reg.KeyExists("Child"));
  EXPECT_FALSE(reg.HasSubKeys());
  EXPECT_TRUE(reg.ValueExists("text"));
}

TEST_F(RegistryObjectTest, ReadsCheckTheValueType) {
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Test"));
  EXPECT_EQ(reg.ReadString("text"), "hallo");
  EXPECT_EQ(reg.ReadString("expand"), "%TEMP%");
  EXPECT_EQ(reg.ReadString("missing"), "");
  EXPECT_THROW(reg.ReadString("number"), RegistryError);
  EXPECT_EQ(reg.ReadInteger("number"), 42);
  EXPECT_THROW(reg.ReadInteger("text"), RegistryError);
  EXPECT_THROW(reg.ReadInteger("missing"), RegistryError);
  EXPECT_EQ(reg.ReadBinaryData("bytes"), (std::vector<uint8_t>{1, 2}));
  EXPECT_THROW(reg.ReadBinaryData("text"), RegistryError);
  EXPECT_THROW(reg.ReadBinaryData("number"), RegistryError);
  EXPECT_EQ(reg.ReadBinaryData("multi").size(), 5u) << "unknown types read as bytes";
  EXPECT_TRUE(reg.ReadBinaryData("missing").empty());
}

TEST_F(RegistryObjectTest, SizesAndTypes) {
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Test"));
  EXPECT_EQ(reg.GetDataSize("number"), 4);
  EXPECT_EQ(reg.GetDataSize("text"), 6) << "the terminating zero counts";
  EXPECT_EQ(reg.GetDataSize("missing"), -1);
  EXPECT_EQ(reg.GetDataType("text"), RegDataType::String);
  EXPECT_EQ(reg.GetDataType("expand"), RegDataType::ExpandString);
  EXPECT_EQ(reg.GetDataType("number"), RegDataType::Integer);
  EXPECT_EQ(reg.GetDataType("bytes"), RegDataType::Binary);
  EXPECT_EQ(reg.GetDataType("multi"), RegDataType::Unknown);
  EXPECT_EQ(reg.GetDataType("missing"), RegDataType::Unknown);
}

TEST_F(RegistryObjectTest, WritesNeedAnOpenWritableKey) {
  EXPECT_THROW(reg.WriteString("x", "y"), RegistryError) << "no key open";
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Test"));
  EXPECT_THROW(reg.WriteInteger("x", 1), RegistryError);
  ASSERT_TRUE(reg.OpenKey("Software\\Test", false));
  reg.WriteInteger("x", -1);
  EXPECT_EQ(reg.ReadInteger("x"), -1);
  reg.WriteMultiString("m", {"eins", "zwei"});
  std::vector<uint8_t> raw;
  ASSERT_TRUE(reg.ReadRaw("m", raw));
  EXPECT_EQ(std::string(raw.begin(), raw.end()), std::string("eins\0zwei\0\0", 11));
  EXPECT_TRUE(reg.DeleteValue("x"));
  EXPECT_FALSE(reg.DeleteValue("x"));
}

}  // namespace
