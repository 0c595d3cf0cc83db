#pragma once
// Player points and the count of entries still in play.
namespace vkr {

struct TTourney;

// Recomputes every entry's points and the active count.
void UpdatePlayerState(TTourney& t);

}  // namespace vkr
