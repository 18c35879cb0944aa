#include "base/utf.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf, RoundTripsThroughUtf16) {
  const std::string text = "Grüße € 😀 \x7F";
  EXPECT_EQ(base::Utf16ToUtf8(base::Utf8ToUtf16(text)), text);
  EXPECT_EQ(base::Utf8ToUtf16("😀").size(), 2u);
}

TEST(Utf, LoneSurrogatesSurviveARoundTrip) {
  const std::u16string lone = {u'a', static_cast<char16_t>(0xD800), u'b'};
  EXPECT_EQ(base::Utf8ToUtf16(base::Utf16ToUtf8(lone)), lone);
}

TEST(Utf, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(base::Utf8ToUtf16("a\xFF"
                              "b"),
            (std::u16string{u'a', 0xFFFD, u'b'}));
  EXPECT_EQ(base::Utf8ToUtf16("\xC3"), std::u16string{0xFFFD}) << "truncated sequence";
  EXPECT_EQ(base::Utf8ToUtf16("\xC0\x80"), (std::u16string{0xFFFD, 0xFFFD})) << "overlong";
  EXPECT_FALSE(base::IsValidUtf8("a\xFF"));
  EXPECT_TRUE(base::IsValidUtf8("ä\xEF\xBF\xBD"));
}

TEST(Utf, Windows1252MapsTheHighBytes) {
  EXPECT_EQ(base::Cp1252ToUtf8("\x80\xE4\x9F\x81"), "€äŸ\xC2\x81");
  EXPECT_EQ(base::Utf8ToCp1252("€äŸ"), "\x80\xE4\x9F");
  EXPECT_EQ(base::Utf8ToCp1252("ω"), "?");
}

}  // namespace
