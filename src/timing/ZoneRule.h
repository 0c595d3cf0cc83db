#pragma once
// A time zone's yearly rule as Windows keeps it: a bias from UTC and the two
// changes, each on the n-th (5: last) weekday of a month at a local time.
#include <cstdint>

#include "base/DateTime.h"
#include "timing/TimeZonePort.h"

namespace vkr {

struct TZoneChange {
  int Month = 0;      // 1..12; 0: the zone has no daylight saving
  int DayOfWeek = 0;  // 0 Sunday .. 6 Saturday
  int Week = 1;       // 1..5, 5 the last such weekday of the month
  int Hour = 0, Minute = 0;
};

struct TZoneRule {
  int32_t Bias = 0;           // minutes to add to the zone's standard time to get UTC
  int32_t DaylightBias = -60; // minutes added to Bias while daylight time is in force
  TZoneChange StandardDate;   // when standard time begins (a local daylight time)
  TZoneChange DaylightDate;   // when daylight time begins (a local standard time)
};

// The zone's state at a universal date-time. The change instants are taken
// in the time in force before each change, so the state flips exactly then.
TZoneState ZoneStateByRule(const TZoneRule& rule, TDateTime utc);

}  // namespace vkr
