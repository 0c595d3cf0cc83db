#pragma once
// Boot timing of entries that dropped out of the lobby.
namespace vkr {

struct TTourney;

// Ends an entry's boot timing; a boot of more than 8.64 seconds is counted.
void BootReturned(TTourney& t, int entry);

}  // namespace vkr
