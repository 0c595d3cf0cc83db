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

// A clock on universal time, so that local time is the fake zones' "UTC".
class TUtcClock : public TFakeClock {
 public:
  TDateTime UtcNow() override { return Current; }
};

struct TZoneHost : TEngineHost {
  TUtcClock Utc;
  TFakeTimeZones Zones;
  TZoneHost() {
    Zones.LocalKey = "UTC";
    T.Ports.Clock = &Utc;
    T.Ports.TimeZones = &Zones;
  }
  void At(int y, int mo, int d, int h, int mi) {
    Utc.Current = EncodeDateTime(y, mo, d, h, mi, 0);
    TimerTimer(T);
  }
  std::string Middle() const { return T.Timing.StatusClocks[1]; }
  std::string Right() const { return T.Timing.StatusClocks[2]; }
};

TEST(ZoneClocks, Abbreviations) {
  const std::pair<const char*, const char*> cases[] = {
      {"Eastern Daylight Time", "EDT"}, {"Pacific Standard Time", "PST"}, {"AUS Eastern Standard Time", "AEST"},
      {"Coordinated Universal Time", "CUT"}, {"Single", "S"}, {"", ""}, {"A B", "AB"}, {" leading", " leading"},
      {"two  blanks", "t blanks"}};
  for (const auto& [name, abbreviation] : cases) EXPECT_EQ(AbbreviateZoneName(name), abbreviation) << name;
}

TEST(ZoneClocks, TheLocalZoneShowsLocalTime) {
  TEngineHost h;  // its clock runs on Eastern standard time
  TFakeTimeZones zones;
  h.T.Ports.TimeZones = &zones;
  ChooseZoneClocks(h.T, "Eastern Standard Time", true, "Pacific Standard Time", false);
  h.Clock.Current = EncodeDateTime(2026, 12, 5, 14, 5, 0);
  TimerTimer(h.T);
  EXPECT_EQ(h.T.ExtraClockOffsets[0], 0);
  EXPECT_EQ(h.T.Timing.StatusClocks[1], " EST: 14:05");
  EXPECT_EQ(h.T.Timing.StatusClocks[2], " PST: 11:05 am");
}

TEST(ZoneClocks, UnknownOrMissingZonesShowPlainLocalDateAndTime) {
  TZoneHost h;
  ChooseZoneClocks(h.T, "Eastern", false, "", false);  // a key of the older system family, and none
  h.At(2026, 12, 5, 20, 30);
  EXPECT_EQ(h.T.ExtraClockOffsets[0], 0);
  EXPECT_EQ(h.Middle(), "12/5/2026 20:30:00");
  EXPECT_EQ(ZoneClockPreview(h.T, "Nowhere", true), "");
  h.T.Ports.TimeZones = nullptr;
  LoadZoneClocks(h.T);
  TimerTimer(h.T);
  EXPECT_EQ(h.Middle(), "12/5/2026 20:30:00");
}

}  // namespace
}  // namespace vkr::test
