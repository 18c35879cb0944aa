#include "base/text.h"

#include <gtest/gtest.h>

namespace {

TEST(UpperCase, FollowsWindows1252Letters) {
  EXPECT_EQ(base::UpperCase("abc xyz 09"), "ABC XYZ 09");
  EXPECT_EQ(base::UpperCase("äöü àéîõ þ"), "ÄÖÜ ÀÉÎÕ Þ");
  EXPECT_EQ(base::UpperCase("š œ ž ÿ"), "Š Œ Ž Ÿ");
}

TEST(UpperCase, LeavesLettersWithoutASingleUpperFormAlone) {
  EXPECT_EQ(base::UpperCase("straße"), "STRAßE");
  EXPECT_EQ(base::UpperCase("µ ÷ ƒ"), "µ ÷ ƒ");
  EXPECT_EQ(base::UpperCase("ω я"), "ω я") << "outside Windows-1252 nothing changes";
}

TEST(UpperCase, KeepsInvalidBytes) {
  const std::string broken = std::string("a\xC3") + "b\xFF";
  EXPECT_EQ(base::UpperCase(broken), std::string("A\xC3") + "B\xFF");
  EXPECT_EQ(base::UpperCase(""), "");
}

TEST(SameText, ComparesUpperCased) {
  EXPECT_TRUE(base::SameText("Shellicon ändern", "ShellIcon Ändern"));
  EXPECT_FALSE(base::SameText("Straße", "STRASSE"));
}

}  // namespace
