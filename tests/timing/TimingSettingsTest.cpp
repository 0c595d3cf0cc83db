// The timing's stored settings go into the tournament and back.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "fakes/FakeTimeZones.h"
#include "storage/Settings.h"
#include "storage/SettingsApply.h"
#include "support/TourneyHost.h"

namespace vkr::test {
namespace {

TEST(TimingSettings, TakenInWithTheZonesReadAndGivenBack) {
  TTestHost h;
  TFakeTimeZones zones;
  h.T.Ports.TimeZones = &zones;
  TSettings s;
  s.RemindAt10 = s.DisplayMatchTimeRemaining = true;
  s.MiddleTimeZone = "GMT Standard Time";
  s.RightTime24Hour = true;
  ApplySettings(h.T, s);
  const TTimingState& timing = h.T.Timing;
  EXPECT_TRUE(timing.RemindAt10 && timing.DisplayMatchTimeRemaining && !timing.RemindAt15 && !timing.RemindAt5);
  EXPECT_EQ(timing.ZoneClocks[0].ZoneKey, "GMT Standard Time");
  EXPECT_EQ(timing.ZoneClocks[1].ZoneKey, "Pacific Standard Time");  // empty: the built-in zone
  EXPECT_TRUE(timing.ZoneClocks[1].Hour24);
  // The fake clock's local time is five hours behind universal time.
  EXPECT_DOUBLE_EQ(h.T.ExtraClockOffsets[0], -5.0 / 24.0);
  EXPECT_EQ(timing.ZoneClocks[0].Label, " GST: ");
  TSettings back;
  CaptureSettings(h.T, back);
  EXPECT_TRUE(back.RemindAt10 && back.DisplayMatchTimeRemaining && back.RightTime24Hour && !back.MiddleTime24Hour);
  EXPECT_EQ(back.MiddleTimeZone, "GMT Standard Time");
  EXPECT_EQ(back.RightTimeZone, "Pacific Standard Time");
}

}  // namespace
}  // namespace vkr::test
