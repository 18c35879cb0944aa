#include "base/convert.h"

#include <gtest/gtest.h>

namespace {

using base::ConvertError;

TEST(StrToInt, AcceptsDecimalAndHexadecimal) {
  EXPECT_EQ(base::StrToInt("530"), 530);
  EXPECT_EQ(base::StrToInt("  -42"), -42);
  EXPECT_EQ(base::StrToInt("+7"), 7);
  EXPECT_EQ(base::StrToInt("$1F"), 31);
  EXPECT_EQ(base::StrToInt("0x10"), 16);
  EXPECT_EQ(base::StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(base::StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(base::StrToInt("2147483647"), INT32_MAX);
}

TEST(StrToInt, RefusesEverythingElse) {
  for (const char* bad : {"", " ", "-", "12 ", "1.5", "abc", "2147483648", "-2147483649",
                          "$100000000", "0x", "1e3"}) {
    EXPECT_THROW(base::StrToInt(bad), ConvertError) << '"' << bad << '"';
  }
  EXPECT_EQ(base::StrToIntDef("x", 9), 9);
  try {
    base::StrToInt("abc");
  } catch (const ConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' ist kein gültiger Integerwert");
  }
}

TEST(StrToFloat, ReadsDecimalNumbers) {
  EXPECT_DOUBLE_EQ(base::StrToFloat("1.9"), 1.9);
  EXPECT_DOUBLE_EQ(base::StrToFloat(" -0.5 "), -0.5);
  EXPECT_DOUBLE_EQ(base::StrToFloat("1E3"), 1000);
  EXPECT_DOUBLE_EQ(base::StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(base::StrToFloat("+12"), 12);
  EXPECT_DOUBLE_EQ(base::StrToFloat("1e-400"), 0);
  for (const char* bad : {"", ".", "1,5", "abc", "1e", "inf", "nan", "0x10", "1e999", "--1"}) {
    EXPECT_THROW(base::StrToFloat(bad), ConvertError) << '"' << bad << '"';
  }
}

TEST(TruncToInt32, TruncatesTowardsZeroAndKeepsTheLow32Bits) {
  EXPECT_EQ(base::TruncToInt32(1.9), 1);
  EXPECT_EQ(base::TruncToInt32(-1.9), -1);
  EXPECT_EQ(base::TruncToInt32(4294967295.0), -1);
  EXPECT_EQ(base::TruncToInt32(2147483648.0), INT32_MIN);
  EXPECT_THROW(base::TruncToInt32(1e30), ConvertError);
}

TEST(FloatToStr, WritesShortestGeneralForm) {
  EXPECT_EQ(base::FloatToStr(300), "300");
  EXPECT_EQ(base::FloatToStr(1.5), "1.5");
  EXPECT_EQ(base::FloatToStr(-0.25), "-0.25");
  EXPECT_EQ(base::FloatToStr(0), "0");
  EXPECT_EQ(base::FloatToStr(1e20), "1E20");
  EXPECT_EQ(base::FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(base::FloatToStr(0.1 + 0.2), "0.3") << "15 significant digits";
}

}  // namespace
