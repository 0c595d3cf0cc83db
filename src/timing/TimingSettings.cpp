#include "timing/TimingSettings.h"

#include "engine/Tourney.h"
#include "storage/Settings.h"
#include "timing/ZoneClocks.h"

namespace vkr {

void ApplyTimingSettings(TTourney& t, const TSettings& s) {
  TTimingState& timing = t.Timing;
  timing.RemindAt15 = s.RemindAt15;
  timing.RemindAt10 = s.RemindAt10;
  timing.RemindAt5 = s.RemindAt5;
  timing.DisplayMatchTimeRemaining = s.DisplayMatchTimeRemaining;
  // An empty stored zone means the built-in one.
  const std::array<TZoneClock, 2> defaults = DefaultZoneClocks();
  timing.ZoneClocks[0].ZoneKey = s.MiddleTimeZone.empty() ? defaults[0].ZoneKey : s.MiddleTimeZone;
  timing.ZoneClocks[1].ZoneKey = s.RightTimeZone.empty() ? defaults[1].ZoneKey : s.RightTimeZone;
  timing.ZoneClocks[0].Hour24 = s.MiddleTime24Hour;
  timing.ZoneClocks[1].Hour24 = s.RightTime24Hour;
  LoadZoneClocks(t);
}

void CaptureTimingSettings(const TTourney& t, TSettings& s) {
  const TTimingState& timing = t.Timing;
  s.RemindAt15 = timing.RemindAt15;
  s.RemindAt10 = timing.RemindAt10;
  s.RemindAt5 = timing.RemindAt5;
  s.DisplayMatchTimeRemaining = timing.DisplayMatchTimeRemaining;
  s.MiddleTimeZone = timing.ZoneClocks[0].ZoneKey;
  s.RightTimeZone = timing.ZoneClocks[1].ZoneKey;
  s.MiddleTime24Hour = timing.ZoneClocks[0].Hour24;
  s.RightTime24Hour = timing.ZoneClocks[1].Hour24;
}

}  // namespace vkr
