#pragma once
// The pop-up menu of a boot button, for the entry in the button's seat.
// Every command refuses (returns false, changes nothing, writes nothing) when
// its entry is not enabled, so a caller cannot bypass the menu's states.
#include "engine/Model.h"

namespace vkr {

struct TTourney;

struct TBootMenuState {
  bool ClearBootCount = false;          // "Clear boot count"
  bool SilentCancelBootTiming = false;  // "Silently cancel timing"
  bool CancelBootedState = false;       // "Cancel booted state"
  bool IncrementBootCount = false;      // "Increment boot count"
  bool DecrementBootCount = false;      // "Decrement boot count"
};
TBootMenuState BootMenuPopup(const TTourney& t, TTableRef table, int seat);

bool ClearBootCountItemClick(TTourney& t, TTableRef table, int seat);
bool SilentCancelBootTimingItemClick(TTourney& t, TTableRef table, int seat);
bool CancelBootedStateItemClick(TTourney& t, TTableRef table, int seat);
bool IncrementBootCountItemClick(TTourney& t, TTableRef table, int seat);
bool DecrementBootCountItemClick(TTourney& t, TTableRef table, int seat);

}  // namespace vkr
