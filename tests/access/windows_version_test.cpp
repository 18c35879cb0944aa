#include <gtest/gtest.h>

#include "access/reg_access.h"
#include "os/memory_registry.h"

namespace {

using os::MemorySystem;

struct VersionCase {
  uint32_t word;
  int windowsVersion;
  const char* line;
  friend std::ostream& operator<<(std::ostream& out, const VersionCase& c) { return out << c.line; }
};

class WindowsVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionTest, DecodesTheVersionWord) {
  os::MemoryRegistry registry;
  sysaccess::TRegistry shared(registry);
  sysaccess::WorkArea work;
  work.WindowsVersion = 7;  // a marker: Win32s leaves it alone
  MemorySystem system;
  system.version = GetParam().word;
  base::TraceLog trace;
  sysaccess::RegistryAccess regAccess(shared, work, system, trace);
  EXPECT_EQ(regAccess.GetWindowsVersion(), GetParam().line);
  EXPECT_EQ(work.WorkText, GetParam().line);
  EXPECT_EQ(work.WindowsVersion, GetParam().windowsVersion);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, WindowsVersionTest,
    ::testing::Values(
        VersionCase{MemorySystem::kNt4, 1, "Microsoft Windows NT 4.0 (Build: 1381)"},
        VersionCase{MemorySystem::kWindows2000, 2, "Microsoft Windows NT 5.0 (Build: 2195)"},
        VersionCase{MemorySystem::kWindowsXp, 3, "Microsoft Windows NT 5.1 (Build: 2600)"},
        VersionCase{5 | (2 << 8) | (3790u << 16), 3, "Microsoft Windows NT 5.2 (Build: 3790)"},
        VersionCase{6 | (0 << 8) | (6002u << 16), 2, "Microsoft Windows NT 6.0 (Build: 6002)"},
        VersionCase{0xC0000A04u, 0, "Microsoft Windows 95 4.10 (Build: 16384)"},
        VersionCase{0x80000003u, 7, "Microsoft Win32s 3.0 (Build: 0)"}));

TEST(CheckNT, ReportsWhetherThePrivilegeWasEnabled) {
  os::MemoryRegistry registry;
  sysaccess::TRegistry shared(registry);
  sysaccess::WorkArea work;
  MemorySystem system;
  base::TraceLog trace;
  sysaccess::RegistryAccess regAccess(shared, work, system, trace);
  system.privilege = os::PrivilegeResult::Enabled;
  EXPECT_EQ(regAccess.CheckNT(), 1);
  system.privilege = os::PrivilegeResult::NotEnabled;
  EXPECT_EQ(regAccess.CheckNT(), 0);
  system.privilege = os::PrivilegeResult::TokenNotOpened;
  EXPECT_EQ(regAccess.CheckNT(), 0);
}

}  // namespace
