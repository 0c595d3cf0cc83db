#pragma once
// Date-times as the files hold them: days since 30 December 1899, the time of
// day as the fraction (one second is 1/86400).
#include <cstdint>
#include <string>

namespace vkr {

using TDateTime = double;
constexpr double kSecondsPerDay = 86400.0;

struct TDateParts {
  int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
  int DayOfWeek = 0;  // 1 Sunday .. 7 Saturday
};

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms = 0);
TDateParts DecodeDateTime(TDateTime value);

// Patterns of the kind "mm/dd/yyyy", "hh:nn:ss", "dddd", "ddmmmyy", "dd mmm yy",
// ":nn": d dd ddd dddd, m mm mmm mmmm (minutes after h), yy yyyy, h hh, n nn, s ss;
// any other character is copied.
std::string FormatDateTime(const std::string& pattern, TDateTime value);

// Whole seconds between two date-times, rounded to the nearest second.
int64_t SecondsBetween(TDateTime later, TDateTime earlier);

}  // namespace vkr
