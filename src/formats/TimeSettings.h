#pragma once
// The Format menu's "&Time limits..." and "&Boot time...": the tournament's
// match time limits and boot time, changed for this tournament alone.
#include <cstdint>

#include "messages/MessageContext.h"

namespace vkr {

struct TTourney;

// What the time-limits dialog starts from before it is loaded: 45 minutes
// per round and 60 for the final.
TPointsList StandardTimeLimits();
// OK of the time-limits dialog: each row held in 0..300 minutes; saved.
void ApplyTimeLimits(TTourney& t, const TPointsList& minutes);
// OK of the boot-time dialog: held in 1..100 minutes; saved.
void ApplyBootTime(TTourney& t, int32_t minutes);

}  // namespace vkr
