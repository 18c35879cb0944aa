// The real registry's awkward corners that the program must survive.
#include "win32/win32_registry.h"

#include <gtest/gtest.h>

#include "os/reg_file.h"

namespace {

using os::RegAccess;
using os::RegRoot;

TEST(Win32Registry, EnumerationStopsOnAKeyThatRefusesIt) {
  // Wine answers every enumeration of this key with an error instead of "no more items".
  win32::Win32Registry registry;
  auto key = registry.OpenKey(RegRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009",
                              RegAccess::Read);
  if (!key) GTEST_SKIP() << "no Perflib\\009 on this system";
  EXPECT_TRUE(key->SubKeyNames().empty());
  const std::string text = os::ExportRegText(
      registry, RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib");
  EXPECT_NE(text.find("Perflib\\009]"), std::string::npos);
}

TEST(Win32Registry, DeleteTreeRemovesDeepTrees) {
  win32::Win32Registry registry;
  std::string path = "Software\\KalmoraTest\\Deep";
  for (int i = 0; i < 40; ++i) path += "\\k" + std::to_string(i);
  ASSERT_TRUE(registry.CreateKey(RegRoot::CurrentUser, path));
  EXPECT_EQ(registry.DeleteKeyTree(RegRoot::CurrentUser, "Software\\KalmoraTest"),
            os::RegStatus::Ok);
  EXPECT_FALSE(registry.OpenKey(RegRoot::CurrentUser, "Software\\KalmoraTest", RegAccess::Read));
}

}  // namespace
