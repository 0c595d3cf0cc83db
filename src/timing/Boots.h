#pragma once
// Boots: an entry that dropped out of the lobby has the format's boot time to
// come back. The boot button of a seat starts and ends the timing.
#include <cstdint>

#include "engine/Model.h"

namespace vkr {

struct TTourney;

// Where an entry plays now: its last filled slot's table and seat, and the
// entry in the other seat (kNoEntry when empty). Table unset when never seated.
struct TPlaceOfEntry {
  TTableRef Table;
  int Seat = 0;
  int16_t Opponent = kNoEntry;
};
TPlaceOfEntry CurrentPlaceOf(const TTourney& t, int entry);

// The boot button of a seat: boots its entry ("Boot" announced) or ends the
// boot ("Boot returned" announced). False, after the log line, when the seat
// is empty.
bool BootButtonClick(TTourney& t, TTableRef table, int seat);
// Ends an entry's boot timing; a boot of more than 8.64 seconds is counted.
void BootReturned(TTourney& t, int entry);
// Seconds of boot time the entry has left; the whole boot time when it is
// not booted. Clamped, so a huge boot time from a file cannot overflow.
int32_t BootSecondsLeft(const TTourney& t, int entry);
// The entry's boot is being timed (it is in BootedPlayers).
bool BootTimed(const TTourney& t, int entry);

}  // namespace vkr
