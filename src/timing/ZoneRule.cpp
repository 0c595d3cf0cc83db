#include "timing/ZoneRule.h"

namespace vkr {
namespace {

constexpr double kMinutesPerDay = 1440.0;

// The local date-time of a change in a year.
TDateTime ChangeInYear(const TZoneChange& c, int year) {
  const TDateTime first = EncodeDateTime(year, c.Month, 1, 0, 0, 0);
  const int firstWeekday = DecodeDateTime(first).DayOfWeek - 1;  // 0 Sunday
  TDateTime day = first + (c.DayOfWeek - firstWeekday + 7) % 7;
  if (c.Week < 5) {
    day += (c.Week - 1) * 7;
  } else {
    // The last such weekday: step on while the month lasts.
    while (DecodeDateTime(day + 7).Month == c.Month) day += 7;
  }
  return day + (c.Hour * 60 + c.Minute) / kMinutesPerDay;
}

bool ValidChange(const TZoneChange& c) {
  return c.Month >= 1 && c.Month <= 12 && c.DayOfWeek >= 0 && c.DayOfWeek <= 6 && c.Week >= 1 && c.Week <= 5 &&
         c.Hour >= 0 && c.Hour <= 23 && c.Minute >= 0 && c.Minute <= 59;
}

}  // namespace

TZoneState ZoneStateByRule(const TZoneRule& rule, TDateTime utc) {
  const TZoneState standard{-rule.Bias, false};
  if (!ValidChange(rule.StandardDate) || !ValidChange(rule.DaylightDate)) return standard;
  const int year = DecodeDateTime(utc).Year;
  // Daylight time begins at a standard local time, standard time at a daylight one.
  const TDateTime daylightStart = ChangeInYear(rule.DaylightDate, year) + rule.Bias / kMinutesPerDay;
  const TDateTime standardStart =
      ChangeInYear(rule.StandardDate, year) + (rule.Bias + rule.DaylightBias) / kMinutesPerDay;
  // Whole seconds, so that a change falls exactly on its instant.
  const bool afterDaylightStart = SecondsBetween(utc, daylightStart) >= 0;
  const bool beforeStandardStart = SecondsBetween(standardStart, utc) > 0;
  const bool daylight = daylightStart < standardStart ? afterDaylightStart && beforeStandardStart
                                                      : beforeStandardStart || afterDaylightStart;
  return daylight ? TZoneState{-(rule.Bias + rule.DaylightBias), true} : standard;
}

}  // namespace vkr
