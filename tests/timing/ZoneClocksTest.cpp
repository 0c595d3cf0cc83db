// The two extra clocks and the time tokens from the zones' real rules. The
// timing scenario pins the dialog's list of zones, west first, with previews.
#include <gtest/gtest.h>

#include "engine/Tourney.h"
#include "fakes/FakeTimeZones.h"
#include "support/TourneyHost.h"
#include "timing/TimerTick.h"
#include "timing/ZoneClocks.h"

namespace vkr::test {
namespace {

TEST(ZoneClocks, Abbreviations) {
  const std::pair<const char*, const char*> cases[] = {
      {"Eastern Daylight Time", "EDT"}, {"Pacific Standard Time", "PST"}, {"AUS Eastern Standard Time", "AEST"},
      {"Coordinated Universal Time", "CUT"}, {"Single", "S"}, {"", ""}, {"A B", "AB"}, {" leading", " leading"},
      {"two  blanks", "t blanks"}};
  for (const auto& [name, abbreviation] : cases) EXPECT_EQ(AbbreviateZoneName(name), abbreviation) << name;
}

// The local zone shows local time; an unknown zone, none, or no zone list at
// all shows the plain local date and time.
TEST(ZoneClocks, LocalUnknownAndMissingZones) {
  TEngineHost h;  // its clock runs on Eastern standard time
  TFakeTimeZones zones;
  h.T.Ports.TimeZones = &zones;
  ChooseZoneClocks(h.T, "Eastern Standard Time", true, "Pacific Standard Time", false);
  h.Clock.Current = EncodeDateTime(2026, 12, 5, 14, 5, 0);
  TimerTimer(h.T);
  EXPECT_EQ(h.T.ExtraClockOffsets[0], 0);
  ASSERT_NE(h.T.ExtraClockOffsets[1], 0);
  EXPECT_EQ(h.T.Timing.StatusClocks[1], " EST: 14:05");
  EXPECT_EQ(h.T.Timing.StatusClocks[2], " PST: 11:05 am");
  ChooseZoneClocks(h.T, "", false, "Eastern", false);  // none, and a key of the older system family
  TimerTimer(h.T);
  EXPECT_EQ(h.T.ExtraClockOffsets[1], 0);
  EXPECT_EQ(h.T.Timing.StatusClocks[1], "12/5/2026 14:05:00");
  EXPECT_EQ(h.T.Timing.StatusClocks[2], "12/5/2026 14:05:00");
  EXPECT_EQ(ZoneClockPreview(h.T, "Nowhere", true), "");
  ChooseZoneClocks(h.T, "Eastern Standard Time", false, "", false);
  h.T.Ports.TimeZones = nullptr;
  LoadZoneClocks(h.T);
  TimerTimer(h.T);
  EXPECT_EQ(h.T.Timing.StatusClocks[1], "12/5/2026 14:05:00");
}

}  // namespace
}  // namespace vkr::test
