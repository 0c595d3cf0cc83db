// A zone's state from its yearly rule, and the built-in zones scripts use.
#include <gtest/gtest.h>

#include "posix/BuiltInTimeZones.h"
#include "timing/ZoneRule.h"

namespace vkr::test {
namespace {

TDateTime Utc(int y, int mo, int d, int h, int mi = 0) { return EncodeDateTime(y, mo, d, h, mi, 0); }

// Northern and southern changes, "week 5" as the month's last such weekday,
// and nonsense rules, which mean standard time all year.
TEST(ZoneRule, StatesAroundEachChange) {
  const TZoneRule eastern{300, -60, TZoneChange{11, 0, 1, 2, 0}, TZoneChange{3, 0, 2, 2, 0}};
  const TZoneRule sydney{-600, -60, TZoneChange{4, 0, 1, 3, 0}, TZoneChange{10, 0, 1, 2, 0}};
  const TZoneRule india{-330, -60, TZoneChange{}, TZoneChange{}};
  // Last Sunday of March 2026 is the 29th (five Sundays); of February 2026 the 22nd (four).
  const TZoneRule march{0, -60, TZoneChange{10, 0, 5, 2, 0}, TZoneChange{3, 0, 5, 1, 0}};
  const TZoneRule february{0, -60, TZoneChange{10, 0, 5, 2, 0}, TZoneChange{2, 0, 5, 0, 0}};
  const TZoneRule badMonth{300, -60, TZoneChange{13, 0, 1, 2, 0}, TZoneChange{3, 0, 2, 2, 0}};
  const TZoneRule badWeekday{300, -60, TZoneChange{11, 9, 1, 2, 0}, TZoneChange{3, 0, 2, 2, 0}};
  const TZoneRule badWeekAndHour{300, -60, TZoneChange{11, 0, 0, 2, 0}, TZoneChange{3, 0, 2, 25, 0}};
  struct {
    const TZoneRule* rule;
    TDateTime utc;
    int32_t offset;
    bool daylight;
  } cases[] = {
      {&eastern, Utc(2026, 1, 15, 12), -300, false},
      {&eastern, Utc(2026, 7, 15, 12), -240, true},
      // 2 am standard time on 8 March 2026 is 7:00 UTC; 2 am daylight time on 1 November 6:00 UTC.
      {&eastern, Utc(2026, 3, 8, 6, 59), -300, false},
      {&eastern, Utc(2026, 3, 8, 7), -240, true},
      {&eastern, Utc(2026, 11, 1, 5, 59), -240, true},
      {&eastern, Utc(2026, 11, 1, 6), -300, false},
      {&sydney, Utc(2026, 1, 15, 12), 660, true},
      {&sydney, Utc(2026, 7, 15, 12), 600, false},
      // 3 am daylight time on 5 April 2026 is 16:00 UTC the day before.
      {&sydney, Utc(2026, 4, 4, 15, 59), 660, true},
      {&sydney, Utc(2026, 4, 4, 16), 600, false},
      {&sydney, Utc(2026, 10, 3, 16), 660, true},
      {&india, Utc(2026, 7, 15, 12), 330, false},
      {&march, Utc(2026, 3, 29, 0, 59), 0, false},
      {&march, Utc(2026, 3, 29, 1), 60, true},
      {&february, Utc(2026, 2, 21, 23), 0, false},
      {&february, Utc(2026, 2, 22, 0), 60, true},
      {&badMonth, Utc(2026, 7, 1, 12), -300, false},
      {&badWeekday, Utc(2026, 7, 1, 12), -300, false},
      {&badWeekAndHour, Utc(2026, 7, 1, 12), -300, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormatDateTime("yyyy-mm-dd hh:nn", c.utc));
    const TZoneState s = ZoneStateByRule(*c.rule, c.utc);
    EXPECT_EQ(s.UtcOffset, c.offset);
    EXPECT_EQ(s.IsDaylight, c.daylight);
  }
}

TEST(BuiltInTimeZones, WindowsKeysNamesAndTheLocalZone) {
  TBuiltInTimeZones zones;  // the timing scenario shows their names and offsets
  EXPECT_FALSE(zones.Zone("Pacific"));  // the older system family's key names are not known
  EXPECT_FALSE(zones.StateAt("pacific standard time", Utc(2026, 7, 1, 12)));
  EXPECT_EQ(zones.StateAt("W. Europe Standard Time", Utc(2026, 10, 25, 0, 59))->UtcOffset, 120);
  EXPECT_EQ(zones.StateAt("W. Europe Standard Time", Utc(2026, 10, 25, 1))->UtcOffset, 60);
  EXPECT_EQ(zones.LocalStateAt(Utc(2026, 7, 1, 12)).UtcOffset, 0);
  EXPECT_EQ(TBuiltInTimeZones("Eastern Standard Time").LocalStateAt(Utc(2026, 7, 1, 12)).UtcOffset, -240);
  EXPECT_EQ(TBuiltInTimeZones("Nowhere").LocalStateAt(Utc(2026, 7, 1, 12)).UtcOffset, 0);
}

}  // namespace
}  // namespace vkr::test
