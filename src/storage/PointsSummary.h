#pragma once
// The points summary: header, placings, the points block between
// "START POINTS" and "STOP POINTS" taken from the points grid, and the
// per-player statistics.
#include <string>
#include <vector>

namespace vkr {

struct TTourney;

// Appends the summary's lines. False, after warning the host, when the
// tournament has not started. Throws std::out_of_range on a damaged model,
// leaving the lines built so far.
bool BuildPointsSummary(TTourney& t, std::vector<std::string>& lines);

}  // namespace vkr
