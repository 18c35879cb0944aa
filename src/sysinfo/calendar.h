// Calendar arithmetic of the information pages: run times, the boot instant as the C library
// writes it, and the transitions of a time zone in a given year.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "os/machine.h"

namespace sysinfo {

// "hh:mm:ss"; hours take as many digits as they need (100 hours: "100:00:00").
std::string ConvertTime(uint32_t seconds);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Day of the week, Sunday = 0.
int WeekDay(int year, int month, int day);

// The date of the week-th (1..4) given weekday (Sunday = 0) of a month; week 5 is the last one.
int DayOfMonth2Date(int year, int month, int weekday, int week);

// A transition of a zone as the date-time it falls on in the year: an absolute date when its
// year is set, else a recurring rule.
os::SystemTime DSTDate2Date(int year, const os::SystemTime& transition);

bool CompareSysTime(const os::SystemTime& a, const os::SystemTime& b);
bool IsEqualTZ(const os::TimeZone& a, const os::TimeZone& b);

// The local short date and the time: "28.03.2027 02:00:00".
std::string DateTimeText(const os::SystemTime& time);

// The instant `seconds` before `now`, as ctime writes it without its line feed:
// "Sun Dec  6 11:00:00 2026".
std::string CTimeBefore(const os::SystemTime& now, uint32_t seconds);

// The 44-byte registry form of a zone ("TZI"): bias, standard bias, daylight bias, standard
// date, daylight date. None when the record is not exactly that long.
std::optional<os::TimeZone> ParseTzi(const std::vector<uint8_t>& bytes);

}  // namespace sysinfo
