#pragma once
// Boot timing of entries that dropped out of the lobby.
#include <cstdint>

namespace vkr {

struct TTourney;

// Ends an entry's boot timing; a boot of more than 8.64 seconds is counted.
void BootReturned(TTourney& t, int entry);
// Seconds of boot time the entry has left; the whole boot time when it is
// not booted. Clamped, so a huge boot time from a file cannot overflow.
int32_t BootSecondsLeft(const TTourney& t, int entry);

}  // namespace vkr
