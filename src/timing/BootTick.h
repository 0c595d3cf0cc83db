#pragma once
// The boot clock of every timed boot, run first in each one-second tick.
#include <string>

#include "base/DateTime.h"

namespace vkr {

struct TTourney;

// Times out at most one boot per call (the first in list order whose time
// ran out); otherwise refreshes the "Active Boots" list.
void BootTick(TTourney& t);

// What an entry's boot buttons show: the running boot time without the boot
// image while its boot is timed, else the image and the boot count (empty
// when 0).
struct TBootButtonFace {
  bool ShowImage = true;
  std::string Caption;
};
TBootButtonFace BootButtonFace(const TTourney& t, int entry, TDateTime now);

}  // namespace vkr
