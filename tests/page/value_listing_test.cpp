// The rows of "Was ändert diese Seite?" for values the tweak pages' records hardly show: the
// user's own key, values a page finds by enumerating, and the text of every registry type.
#include <gtest/gtest.h>

#include "os/memory_registry.h"
#include "page/value_listing.h"

namespace {

using page::Kind;
using page::RegBinding;
using page::Root;
using page::ValueRow;

TEST(ValueListingTest, PutsInTheUserKeyAndNamesWhatAPageEnumerates) {
  os::MemoryRegistry registry;
  auto key = registry.CreateKey(os::RegRoot::Users, "S-1-5-21-7\\Control Panel\\Desktop");
  key->SetValue("", os::RegValue::String("Standard"));
  key->SetValue("Bits", os::RegValue::Binary({0x90, 0x12, 0x00}));
  key->SetValue("List", os::RegValue::MultiString({"eins", "zwei"}));
  key->SetValue("Delay", os::RegValue::Dword(400));

  page::SettingsPage record;
  record.hookTouches = {
      {Root::Users, "{user}\\Control Panel\\Desktop", "", Kind::String},
      {Root::Users, "{user}\\Control Panel\\Desktop", "Bits", Kind::Binary},
      {Root::Users, "{user}\\Control Panel\\Desktop", "List", Kind::MultiString},
      {Root::Users, "{user}\\Control Panel\\Desktop", "Delay", Kind::Integer},
      {Root::Users, "{user}\\Control Panel\\Desktop", "DELAY", Kind::Integer},
      {Root::Users, "{user}\\Control Panel\\Desktop", "{any}", Kind::String},
      {Root::CurrentUser, "Software\\{any}\\Run", "Gone", Kind::String},
      {Root::CurrentUser, "\\Software\\Missing", "Gone", Kind::Integer},
  };
  const std::string desktop = "S-1-5-21-7\\Control Panel\\Desktop";
  EXPECT_EQ(
      page::ListPageValues(record, registry, "S-1-5-21-7"),
      (std::vector<ValueRow>{
          {"HKEY_USERS", desktop, "(Standard)", "REG_SZ", "Standard"},
          {"HKEY_USERS", desktop, "Bits", "REG_BINARY", "90 12 00"},
          {"HKEY_USERS", desktop, "List", "REG_MULTI_SZ", "eins | zwei"},
          {"HKEY_USERS", desktop, "Delay", "REG_DWORD", "400"},
          {"HKEY_USERS", desktop, "(alle Werte)", "REG_SZ", "4 Werte"},
          {"HKEY_CURRENT_USER", "Software\\*\\Run", "Gone", "REG_SZ", ""},
          {"HKEY_CURRENT_USER", "Software\\Missing", "Gone", "REG_DWORD", "(nicht vorhanden)"},
      }));
}

TEST(ValueListingTest, AValueOfAnotherTypeSaysWhichItIs) {
  EXPECT_EQ(page::ValueText(os::RegValue::String("5"), Kind::Integer), "5 (REG_SZ)");
  EXPECT_EQ(page::ValueText(os::RegValue::String("%x%", os::kRegExpandSz), Kind::String), "%x%");
  EXPECT_EQ(page::ValueText(os::RegValue::Dword(0xFFFFFFFF), Kind::Binary),
            "4294967295 (REG_DWORD)");
  EXPECT_EQ(page::ValueText({os::kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}, Kind::Integer),
            "01 00 00 00 00 00 00 00 (REG_QWORD)");
}

}  // namespace
