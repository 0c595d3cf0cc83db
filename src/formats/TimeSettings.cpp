#include "formats/TimeSettings.h"

#include "engine/Tourney.h"
#include "formats/SettingLimits.h"
#include "storage/TournamentFile.h"

namespace vkr {

TPointsList StandardTimeLimits() {
  TPointsList list;
  list.fill(45);
  list[kPointsRows - 1] = 60;
  return list;
}

void ApplyTimeLimits(TTourney& t, const TPointsList& minutes) {
  for (size_t r = 0; r < kPointsRows; ++r) t.Context.TimeLimits[r] = Clamped(minutes[r], kTimeLimitRange);
  SaveTournament(t);
}

void ApplyBootTime(TTourney& t, int32_t minutes) {
  t.Format.BootTime = Clamped(minutes, kBootTimeRange);
  SaveTournament(t);
}

}  // namespace vkr
