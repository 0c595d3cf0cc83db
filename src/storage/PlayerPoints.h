#pragma once
// Player points and the count of entries still in play.
#include <cstdint>
#include <string>

namespace vkr {

struct TTourney;

// Recomputes every entry's points and the active count, and marks the points
// grid and the byes list for rebuilding.
void UpdatePlayerState(TTourney& t);
// "Players: 5/8" ("Teams: ..." in team mode): entries in play over entries.
std::string ActiveCountCaption(const TTourney& t);
// Saturates at the limits of the 32-bit points field.
int32_t ClampPoints(int64_t total);

}  // namespace vkr
