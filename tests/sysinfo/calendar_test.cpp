#include "sysinfo/calendar.h"

#include <gtest/gtest.h>

namespace {

using sysinfo::ConvertTime;
using sysinfo::CTimeBefore;
using sysinfo::DayOfMonth2Date;

TEST(Calendar, RunTimeKeepsHoursBeyondADay) {
  EXPECT_EQ(ConvertTime(0), "00:00:00");
  EXPECT_EQ(ConvertTime(3661), "01:01:01");
  EXPECT_EQ(ConvertTime(100 * 3600), "100:00:00");
}

TEST(Calendar, LeapYearsAndMonthLengths) {
  EXPECT_FALSE(sysinfo::IsLeapYear(1900));
  EXPECT_TRUE(sysinfo::IsLeapYear(2000));
  EXPECT_EQ(sysinfo::DaysInMonth(2024, 2), 29);
  EXPECT_EQ(sysinfo::DaysInMonth(2023, 2), 28);
  EXPECT_EQ(sysinfo::DaysInMonth(2023, 11), 30);
}

TEST(Calendar, NthAndLastWeekdayOfAMonth) {
  // March 2027 starts on a Monday and ends on a Wednesday.
  EXPECT_EQ(DayOfMonth2Date(2027, 3, 0, 1), 7);
  EXPECT_EQ(DayOfMonth2Date(2027, 3, 1, 1), 1);  // the first is itself a Monday
  EXPECT_EQ(DayOfMonth2Date(2027, 3, 0, 5), 28);
  EXPECT_EQ(DayOfMonth2Date(2027, 3, 3, 5), 31);  // the last day is the last Wednesday
}

TEST(Calendar, RecurringAndAbsoluteTransitions) {
  const os::SystemTime rule{0, 3, 0, 5, 2, 0, 0, 0};  // last Sunday of March, 02:00
  EXPECT_EQ(sysinfo::DateTimeText(sysinfo::DSTDate2Date(2026, rule)), "29.03.2026 02:00:00");
  const os::SystemTime absolute{2025, 4, 0, 6, 3, 30, 0, 0};
  EXPECT_EQ(sysinfo::DateTimeText(sysinfo::DSTDate2Date(2026, absolute)), "06.04.2025 03:30:00");
}

TEST(Calendar, BootInstantAsTheCLibraryWritesIt) {
  EXPECT_EQ(CTimeBefore({2026, 12, 0, 6, 12, 0, 0, 0}, 36 * 3600), "Sat Dec  5 00:00:00 2026");
  EXPECT_EQ(CTimeBefore({2027, 1, 5, 1, 0, 0, 30, 0}, 60), "Thu Dec 31 23:59:30 2026");
  EXPECT_EQ(CTimeBefore({2024, 3, 5, 1, 0, 0, 0, 0}, 86400), "Thu Feb 29 00:00:00 2024");
}

TEST(Calendar, ZoneRecordOfTheRegistry) {
  EXPECT_FALSE(sysinfo::ParseTzi(std::vector<uint8_t>(43)));
  std::vector<uint8_t> tzi(44);
  tzi[0] = 0xC4;  // bias -60
  tzi[1] = tzi[2] = tzi[3] = 0xFF;
  tzi[8] = 0xC4;  // daylight bias -60
  tzi[9] = tzi[10] = tzi[11] = 0xFF;
  tzi[14] = 10;  // standard date: month 10, week 5, 03:00
  tzi[18] = 5;
  tzi[20] = 3;
  const auto zone = sysinfo::ParseTzi(tzi);
  ASSERT_TRUE(zone);
  EXPECT_EQ(zone->bias, -60);
  EXPECT_EQ(zone->standardBias, 0);
  EXPECT_EQ(zone->daylightBias, -60);
  EXPECT_EQ(zone->standardDate, (os::SystemTime{0, 10, 0, 5, 3, 0, 0, 0}));
  EXPECT_EQ(zone->daylightDate, os::SystemTime{});
}

}  // namespace
