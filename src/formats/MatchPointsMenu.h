#pragma once
// The preset entries of the Format menu's "&Match points".
namespace vkr {

struct TTourney;

// Preset tag 0..4 for every round and size; nothing is saved and the layout
// is not recomputed.
void PointsClick(TTourney& t, int tag);

}  // namespace vkr
