#pragma once
// The tournament file: rewritten in full after every change.
namespace vkr {

struct TTourney;

void SaveTournament(TTourney& t);

}  // namespace vkr
