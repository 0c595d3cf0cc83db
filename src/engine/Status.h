#pragma once
// The announcement that fits an entry's current spot.
namespace vkr {

struct TTourney;

void PostPlayerStatus(TTourney& t, int entry, bool automatic);

}  // namespace vkr
