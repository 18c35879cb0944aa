#include "sysinfo/calendar.h"

#include <cstdio>
#include <vector>

namespace sysinfo {
namespace {

std::string TwoDigits(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u", value);
  return text;
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(int64_t days, int& year, unsigned& month, unsigned& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shifted = (5 * dayOfYear + 2) / 153;
  day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  month = shifted < 10 ? shifted + 3 : shifted - 9;
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<int32_t>(bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
                              (static_cast<uint32_t>(bytes[at + 3]) << 24));
}

os::SystemTime SystemTimeAt(const std::vector<uint8_t>& bytes, size_t at) {
  uint16_t fields[8];
  for (size_t i = 0; i < 8; ++i) {
    fields[i] = static_cast<uint16_t>(bytes[at + 2 * i] | (bytes[at + 2 * i + 1] << 8));
  }
  return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]};
}

}  // namespace

std::string ConvertTime(uint32_t seconds) {
  return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds % 3600 / 60) + ":" +
         TwoDigits(seconds % 60);
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int WeekDay(int year, int month, int day) {
  const int64_t days =
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
}

int DayOfMonth2Date(int year, int month, int weekday, int week) {
  const int last = DaysInMonth(year, month);
  if (week >= 5) {
    int day = weekday - WeekDay(year, month, last) + last;
    if (day > last) day -= 7;
    return day;
  }
  int day = weekday - WeekDay(year, month, 1) + 1;
  if (day < 1) day += 7;
  return day + 7 * (week - 1);
}

os::SystemTime DSTDate2Date(int year, const os::SystemTime& transition) {
  os::SystemTime date = transition;
  if (transition.year == 0) {
    date.year = static_cast<uint16_t>(year);
    date.day = static_cast<uint16_t>(
        DayOfMonth2Date(year, transition.month, transition.dayOfWeek, transition.day));
  }
  date.dayOfWeek = static_cast<uint16_t>(WeekDay(date.year, date.month, date.day));
  return date;
}

bool CompareSysTime(const os::SystemTime& a, const os::SystemTime& b) {
  return a == b;
}

bool IsEqualTZ(const os::TimeZone& a, const os::TimeZone& b) {
  return a.bias == b.bias && a.standardBias == b.standardBias && a.daylightBias == b.daylightBias &&
         CompareSysTime(a.standardDate, b.standardDate) &&
         CompareSysTime(a.daylightDate, b.daylightDate) && a.standardName == b.standardName &&
         a.daylightName == b.daylightName;
}

std::string DateTimeText(const os::SystemTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u:%02u", time.day, time.month, time.year,
                time.hour, time.minute, time.second);
  return text;
}

std::string CTimeBefore(const os::SystemTime& now, uint32_t seconds) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int64_t nowSeconds = DaysFromCivil(now.year, now.month, now.day) * 86400 + now.hour * 3600 +
                             now.minute * 60 + now.second;
  const int64_t then = nowSeconds - seconds;
  const int64_t days = then >= 0 ? then / 86400 : (then - 86399) / 86400;
  const int64_t secondOfDay = then - days * 86400;
  int year = 0;
  unsigned month = 1, day = 1;
  CivilFromDays(days, year, month, day);
  char text[64];
  std::snprintf(text, sizeof text, "%s %s%3u %02u:%02u:%02u %d",
                kDays[WeekDay(year, static_cast<int>(month), static_cast<int>(day))],
                kMonths[month - 1], day, static_cast<unsigned>(secondOfDay / 3600),
                static_cast<unsigned>(secondOfDay % 3600 / 60),
                static_cast<unsigned>(secondOfDay % 60), year);
  return text;
}

std::optional<os::TimeZone> ParseTzi(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != 44) return std::nullopt;
  os::TimeZone zone;
  zone.bias = Int32At(bytes, 0);
  zone.standardBias = Int32At(bytes, 4);
  zone.daylightBias = Int32At(bytes, 8);
  zone.standardDate = SystemTimeAt(bytes, 12);
  zone.daylightDate = SystemTimeAt(bytes, 28);
  return zone;
}

}  // namespace sysinfo
