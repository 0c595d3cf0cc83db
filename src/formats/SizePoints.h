#pragma once
// The match points that fit the tournament's size.
namespace vkr {

struct TTourney;

// Copies the size list chosen by the grand-final round into MatchPoints.
void SelectSizePoints(TTourney& t);

}  // namespace vkr
