#include "base/hex.h"

#include <gtest/gtest.h>

namespace {

TEST(HexByte, TwoUpperCaseDigits) {
  EXPECT_EQ(base::HexByte(0x00), "00");
  EXPECT_EQ(base::HexByte(0x0A), "0A");
  EXPECT_EQ(base::HexByte(0xFF), "FF");
}

TEST(ScanHex2, ReadsLikeScanfWithWidthTwo) {
  uint32_t value = 0;
  ASSERT_TRUE(base::ScanHex2("ff", value));
  EXPECT_EQ(value, 0xFFu);
  ASSERT_TRUE(base::ScanHex2("A", value));
  EXPECT_EQ(value, 0x0Au);
  ASSERT_TRUE(base::ScanHex2(" 7", value));
  EXPECT_EQ(value, 7u);
  ASSERT_TRUE(base::ScanHex2("1G", value));
  EXPECT_EQ(value, 1u);
  ASSERT_TRUE(base::ScanHex2("-1", value));
  EXPECT_EQ(value & 0xFF, 0xFFu);
  EXPECT_FALSE(base::ScanHex2("G1", value));
  EXPECT_FALSE(base::ScanHex2("", value));
  EXPECT_FALSE(base::ScanHex2("  ", value));
}

}  // namespace
