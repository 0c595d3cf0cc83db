#pragma once
// The "Time warning" text of a table, put on the clipboard for the host to
// paste into the table's chat; and the table menu's timer commands.
#include <cstdint>

#include "engine/Model.h"

namespace vkr {

struct TTourney;

// Expands "Time warning" with a private token record for the table and puts
// it on the clipboard (not posted to the lobby).
void CopyTimeWarning(TTourney& t, const TTable& table, int row, int32_t minutesLeft);

// States of the table menu's timer entries.
struct TTableTimerMenu {
  bool ResetTimerEnabled = false;
  bool CopyTimeRemainingEnabled = false;
};
TTableTimerMenu TableTimerMenuState(const TTourney& t, TTableRef ref);
// "&Reset timer": the match's clock starts again now; reminders already
// given stay given.
void ResetTimerItemClick(TTourney& t, TTableRef ref);
// "&Copy time remaining to Ctrl+V into table": nothing without a limit.
void CopyTimeRemainingItemClick(TTourney& t, TTableRef ref);

}  // namespace vkr
