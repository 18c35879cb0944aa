#include "access/binary_text.h"

#include <gtest/gtest.h>

namespace {

using sysaccess::BinaryToString;
using sysaccess::FormatBinaryText;
using sysaccess::ParseBinaryText;

std::vector<uint8_t> Parse(std::string_view text) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ParseBinaryText(text, bytes)) << text;
  return bytes;
}

TEST(BinaryText, FormatsWithOneBlankAndParsesInStepsOfThreeCharacters) {
  EXPECT_EQ(FormatBinaryText({0x01, 0x00, 0xFF}), "01 00 FF");
  EXPECT_EQ(FormatBinaryText({}), "");
  EXPECT_EQ(Parse("01 00 ff"), (std::vector<uint8_t>{0x01, 0x00, 0xFF}));
  EXPECT_EQ(Parse("A"), std::vector<uint8_t>{0x0A});
  EXPECT_EQ(Parse(""), std::vector<uint8_t>{});
  // n characters give n / 3 bytes rounded up, whatever stands between the pairs.
  EXPECT_EQ(Parse("0102").size(), 2u);
  EXPECT_EQ(Parse("01,02,03").size(), 3u);
  EXPECT_EQ(Parse("ZZ 01"), (std::vector<uint8_t>{0x00, 0x01})) << "no digit gives 0";
}

TEST(BinaryText, RefusesMoreThan2048Bytes) {
  std::string longest;
  for (int i = 0; i < 2048; ++i) longest += "AB ";
  longest.pop_back();
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ParseBinaryText(longest, bytes));
  EXPECT_EQ(bytes.size(), 2048u);
  EXPECT_FALSE(ParseBinaryText(longest + " CD", bytes));
  EXPECT_TRUE(bytes.empty());
}

TEST(BinaryToString, CharactersUpToTheLastZeroEachWithABlank) {
  EXPECT_EQ(BinaryToString("41 00 42 00"), "A B ");
  // Each character before a zero byte is kept; what follows the last zero is dropped.
  EXPECT_EQ(BinaryToString("41 42 00"), "A  B ");
  EXPECT_EQ(BinaryToString("41 42"), "");
  EXPECT_EQ(BinaryToString("00 41 00"), "A ");
  EXPECT_EQ(BinaryToString(""), "");
  EXPECT_EQ(BinaryToString("e4 00"), "ä ") << "bytes are Windows-1252 characters";
}

}  // namespace
