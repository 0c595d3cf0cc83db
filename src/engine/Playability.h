#pragma once
// Whether a correction would leave the tournament unable to finish: a round
// left without anyone to go on, a final moved to a round already played, or
// nobody left to win. The correction is tried on a silent copy first, so the
// real tournament, its history and its files stay untouched when it is refused.
#include <functional>

namespace vkr {

struct TTourney;

bool KeepsTournamentPlayable(const TTourney& t, const std::function<void(TTourney&)>& change);

}  // namespace vkr
